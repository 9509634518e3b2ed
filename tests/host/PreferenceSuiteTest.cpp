// AI Preference through the table the registry hands out, over a
// preferences file in a temporary folder: what one run puts, the next run
// reads back exactly; a get finds only a value of its own kind; a file that
// cannot be used is reported, set aside and never lost; the puts of one
// message are written once, when it returns; a save that fails is reported.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "AIPreference.h"
#include "frontend/Frontend.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "preferences/Preferences.h"
#include "support/FileFaults.h"
#include "support/FileText.h"
#include "support/SuiteLease.h"
#include "support/TempFolder.h"

namespace vyn::host {
namespace {

namespace fs = std::filesystem;
using vyn::test::asUnprivileged;
using vyn::test::readFile;
using vyn::test::SuiteLease;
using vyn::test::TempFolder;
using vyn::test::writeText;

constexpr const char *kPrefix = "VynColors";

HostOptions withPreferences(const fs::path &file) {
    HostOptions options;
    options.preferencesFile = file;
    return options;
}

// One run of the host with the preference suite acquired.
struct PreferenceRun {
    explicit PreferenceRun(HostOptions options) : host(std::move(options)) {}
    explicit PreferenceRun(const fs::path &file) : PreferenceRun(withPreferences(file)) {}
    Host host;
    SuiteLease<const AIPreferenceSuite> prefs{host.registry(), kAIPreferenceSuite, kAIPreferenceSuiteVersion};
    std::vector<std::string> warnings() { return host.frontend().texts(FrontendEvent::Kind::Warning); }
};

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

class PreferenceSuite : public ::testing::Test {
  protected:
    TempFolder folder;
    fs::path file = folder / "preferences.json";
};

TEST_F(PreferenceSuite, EveryKindReadsBackExactlyInTheNextRun) {
    const double reals[] = {
        85.0393700787402,
        42.5196850393701,
        2.8346457,
        double(12.3f),
        double(-12.3f),
        0.1,
        1e-7,
        -16383.0,
        DBL_MAX,
        DBL_MIN,
        std::numeric_limits<double>::denorm_min(),
        2.2250738585072009e-308, // the largest subnormal
        -0.0,
    };
    const char *const bulletAndEllipsis = "Vyn\xA5"
                                          "Colors \xC9";
    {
        PreferenceRun first(file);
        for (std::size_t i = 0; i < std::size(reals); ++i)
            ASSERT_EQ(first.prefs->PutRealPreference(kPrefix, ("Real" + std::to_string(i)).c_str(), reals[i]),
                      kNoErr);
        EXPECT_EQ(first.prefs->PutBooleanPreference(kPrefix, "False", 0), kNoErr);
        EXPECT_EQ(first.prefs->PutBooleanPreference(kPrefix, "True", 1), kNoErr);
        EXPECT_EQ(first.prefs->PutBooleanPreference(kPrefix, "Two", 2), kNoErr);
        EXPECT_EQ(first.prefs->PutStringPreference(kPrefix, "PoliceCase", bulletAndEllipsis), kNoErr);
        EXPECT_EQ(first.prefs->PutStringPreference(kPrefix, "Empty", ""), kNoErr);
        EXPECT_TRUE(first.warnings().empty());
    }
    // The file is JSON a person can read: prefix, key, text in UTF-8.
    const std::string text = readFile(file);
    EXPECT_NE(text.find("\"VynColors\": {"), std::string::npos) << text;
    EXPECT_NE(text.find("\"PoliceCase\": \"Vyn•Colors …\""), std::string::npos) << text;

    PreferenceRun second(file);
    for (std::size_t i = 0; i < std::size(reals); ++i) {
        AIDouble value = 99.5;
        EXPECT_EQ(second.prefs->GetRealPreference(kPrefix, ("Real" + std::to_string(i)).c_str(), &value),
                  kNoErr);
        EXPECT_TRUE(sameBits(value, reals[i])) << "put " << reals[i] << ", got " << value;
    }
    for (auto [key, expected] : {std::pair{"False", 0}, {"True", 1}, {"Two", 1}}) {
        ASBoolean value = 7;
        EXPECT_EQ(second.prefs->GetBooleanPreference(kPrefix, key, &value), kNoErr);
        EXPECT_EQ(value, expected) << key;
    }
    for (auto [key, expected] : {std::pair{"PoliceCase", bulletAndEllipsis}, {"Empty", ""}}) {
        char value[256] = "untouched";
        EXPECT_EQ(second.prefs->GetStringPreference(kPrefix, key, value, sizeof value), kNoErr);
        EXPECT_STREQ(value, expected) << key;
    }
    EXPECT_TRUE(second.warnings().empty());
}

enum class Kind { Boolean, Real, String };

// Gets (prefix, key) as `kind` into a variable holding a sentinel; says
// whether the sentinel is still there.
ASErr getAs(const AIPreferenceSuite &prefs, Kind kind, const char *prefix, const char *key, bool &untouched) {
    ASBoolean boolean = 7;
    AIDouble real = 99.5;
    char text[16] = "untouched";
    ASErr code = kind == Kind::Boolean ? prefs.GetBooleanPreference(prefix, key, &boolean)
                 : kind == Kind::Real  ? prefs.GetRealPreference(prefix, key, &real)
                                       : prefs.GetStringPreference(prefix, key, text, sizeof text);
    untouched = boolean == 7 && real == 99.5 && std::strcmp(text, "untouched") == 0;
    return code;
}

TEST_F(PreferenceSuite, AGetFindsOnlyAValueOfItsOwnKindAndLeavesTheVariableOtherwise) {
    PreferenceRun run(file);
    ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 12.0), kNoErr);
    ASSERT_EQ(run.prefs->PutBooleanPreference(kPrefix, "CaseMotifs", 1), kNoErr);
    ASSERT_EQ(run.prefs->PutStringPreference(kPrefix, "PoliceCase", "Arial"), kNoErr);

    struct Case {
        const char *prefix, *key;
        Kind kind;
    };
    const Case notFound[] = {
        {kPrefix, "Missing", Kind::Boolean},    {kPrefix, "Missing", Kind::Real},
        {kPrefix, "Missing", Kind::String},     {"Other", "CorpsCase", Kind::Real},
        {"vyncolors", "CorpsCase", Kind::Real}, // prefixes and keys compare byte for byte
        {kPrefix, "CorpsCase", Kind::Boolean},  {kPrefix, "CorpsCase", Kind::String},
        {kPrefix, "CaseMotifs", Kind::Real},    {kPrefix, "CaseMotifs", Kind::String},
        {kPrefix, "PoliceCase", Kind::Boolean}, {kPrefix, "PoliceCase", Kind::Real},
    };
    for (const Case &c : notFound) {
        bool untouched = false;
        EXPECT_EQ(getAs(*run.prefs.get(), c.kind, c.prefix, c.key, untouched), kNotFoundErr)
            << c.prefix << "/" << c.key << " as kind " << int(c.kind);
        EXPECT_TRUE(untouched) << c.prefix << "/" << c.key << " as kind " << int(c.kind);
    }

    // A put replaces a value of any kind, and the next get sees it at once.
    ASSERT_EQ(run.prefs->PutStringPreference(kPrefix, "CorpsCase", "twelve"), kNoErr);
    bool untouched = false;
    EXPECT_EQ(getAs(*run.prefs.get(), Kind::Real, kPrefix, "CorpsCase", untouched), kNotFoundErr);
    EXPECT_EQ(getAs(*run.prefs.get(), Kind::String, kPrefix, "CorpsCase", untouched), kNoErr);
    EXPECT_FALSE(untouched);
    EXPECT_TRUE(run.host.misbehaviour().empty()) << "a missing value is an ordinary result";
}

TEST_F(PreferenceSuite, AStringGetIsCutToItsBufferAndAlwaysEnded) {
    PreferenceRun run(file);
    const std::string longName(300, 'N');
    ASSERT_EQ(run.prefs->PutStringPreference(kPrefix, "PoliceCase", "Arial Bold"), kNoErr);
    ASSERT_EQ(run.prefs->PutStringPreference(kPrefix, "Long", longName.c_str()), kNoErr);
    struct Case {
        const char *key;
        ASInt32 capacity;
        std::string expected;
    } cases[] = {
        {"PoliceCase", 1, ""},
        {"PoliceCase", 2, "A"},
        {"PoliceCase", 5, "Aria"},
        {"PoliceCase", 11, "Arial Bold"},
        {"Long", 256, longName.substr(0, 255)},
    };
    for (const Case &c : cases) {
        std::vector<char> buffer(static_cast<std::size_t>(c.capacity) + 1, '#');
        ASSERT_EQ(run.prefs->GetStringPreference(kPrefix, c.key, buffer.data(), c.capacity), kNoErr);
        EXPECT_EQ(std::string(buffer.data()), c.expected) << c.key << " in " << c.capacity << " bytes";
        EXPECT_EQ(buffer.back(), '#') << "wrote past the buffer";
    }
}

TEST_F(PreferenceSuite, NullArgumentsAndRealsWithoutANumberFormAreRefused) {
    PreferenceRun run(file);
    for (double real : {std::nan(""), HUGE_VAL, -HUGE_VAL})
        EXPECT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", real), kBadParameterErr) << real;
    AIDouble value = 99.5;
    EXPECT_EQ(run.prefs->GetRealPreference(kPrefix, "CorpsCase", &value), kNotFoundErr);
    EXPECT_FALSE(fs::exists(file));

    char text[8];
    ASBoolean boolean = 0;
    EXPECT_EQ(run.prefs->PutBooleanPreference(nullptr, "Key", 1), kBadParameterErr);
    EXPECT_EQ(run.prefs->PutStringPreference(kPrefix, "Key", nullptr), kBadParameterErr);
    EXPECT_EQ(run.prefs->GetBooleanPreference(kPrefix, nullptr, &boolean), kBadParameterErr);
    EXPECT_EQ(run.prefs->GetRealPreference(kPrefix, "Key", nullptr), kBadParameterErr);
    EXPECT_EQ(run.prefs->GetStringPreference(kPrefix, "Key", text, 0), kBadParameterErr);
    EXPECT_EQ(run.host.misbehaviour().size(), 8u);
}

// What may stand where the preferences file should be.
struct Damage {
    const char *what;
    std::function<void(const fs::path &)> make;
    const char *problem;
};

const Damage kDamages[] = {
    {"cut short", [](auto &f) { writeText(f, R"({"VynColors": {"CorpsCase": 12.0,)"); },
     "it is not valid JSON: parse error at line 1"},
    {"empty", [](auto &f) { writeText(f, ""); }, "it is not valid JSON: "},
    {"a number past the doubles", [](auto &f) { writeText(f, R"({"VynColors": {"CorpsCase": 1e400}})"); },
     "number overflow"},
    {"a value of no kind", [](auto &f) { writeText(f, R"({"VynColors": {"CorpsCase": null}})"); },
     "\"VynColors/CorpsCase\" is null, not a boolean, a number or a string"},
    {"a prefix without keys", [](auto &f) { writeText(f, R"({"VynColors": 12})"); },
     "\"VynColors\" is not a JSON object of keys"},
    {"not an object", [](auto &f) { writeText(f, "[1, 2]"); }, "it is not a JSON object of prefixes"},
    {"too large", [](auto &f) { writeText(f, "{}" + std::string(kMaxPreferencesBytes, ' ')); },
     "it is larger than 1048576 bytes"},
};

// What is not a regular file is not the host's to move or replace.
const Damage kStrangers[] = {
    {"a FIFO", [](auto &f) { ::mkfifo(f.c_str(), 0644); }, "it is a FIFO, not a regular file"},
    {"a folder", [](auto &f) { fs::create_directory(f); }, "it is a folder, not a regular file"},
    {"a link to a device", [](auto &f) { fs::create_symlink("/dev/full", f); }, "it is a device"},
};

TEST_F(PreferenceSuite, AnUnusableFileIsReportedSetAsideAndKept) {
    for (const Damage &damage : kDamages) {
        SCOPED_TRACE(damage.what);
        TempFolder place;
        const fs::path target = place / "preferences.json";
        const fs::path earlier = place / "preferences.json.damaged-1";
        const fs::path aside = place / "preferences.json.damaged-2";
        writeText(earlier, "an earlier damaged file");
        damage.make(target);
        const fs::file_type type = fs::symlink_status(target).type();
        const std::string original = type == fs::file_type::regular ? readFile(target) : "";

        PreferenceRun run(target);
        bool untouched = false;
        EXPECT_EQ(getAs(*run.prefs.get(), Kind::Real, kPrefix, "CorpsCase", untouched), kNotFoundErr)
            << "the host behaves as if nothing were stored";
        EXPECT_TRUE(untouched);
        ASSERT_EQ(run.warnings().size(), 1u);
        const std::string warning = run.warnings()[0];
        EXPECT_EQ(warning.rfind("cannot read preferences " + target.string() + ": ", 0), 0u) << warning;
        EXPECT_NE(warning.find(damage.problem), std::string::npos) << warning;
        EXPECT_NE(warning.find("set aside as " + aside.string()), std::string::npos) << warning;

        EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
        EXPECT_EQ(fs::symlink_status(aside).type(), type);
        if (type == fs::file_type::regular) {
            EXPECT_EQ(readFile(aside), original);
        }
        EXPECT_EQ(readFile(earlier), "an earlier damaged file");

        // The next save writes a new file beside the damaged ones.
        ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 14.0), kNoErr);
        EXPECT_NE(readFile(target).find("\"CorpsCase\": 14.0"), std::string::npos);
        EXPECT_TRUE(fs::exists(fs::symlink_status(aside)));
        EXPECT_EQ(run.warnings().size(), 1u);
    }
}

TEST_F(PreferenceSuite, SomethingNotARegularFileIsLeftWhereItIs) {
    for (const Damage &stranger : kStrangers) {
        SCOPED_TRACE(stranger.what);
        TempFolder place;
        const fs::path target = place / "preferences.json";
        stranger.make(target);
        const fs::file_type type = fs::symlink_status(target).type();

        PreferenceRun run(target);
        ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 14.0), kNoErr);
        double value = 0;
        EXPECT_EQ(run.prefs->GetRealPreference(kPrefix, "CorpsCase", &value), kNoErr) << "kept for the run";
        ASSERT_EQ(run.warnings().size(), 1u);
        EXPECT_NE(run.warnings()[0].find(stranger.problem), std::string::npos) << run.warnings()[0];
        EXPECT_NE(run.warnings()[0].find("it is left as it is and nothing is saved"), std::string::npos);
        EXPECT_EQ(fs::symlink_status(target).type(), type) << "not moved, not replaced";
        EXPECT_FALSE(fs::exists(fs::symlink_status(place / "preferences.json.damaged-1")));
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(PreferenceSuite, ADamagedFileThatCannotBeSetAsideIsNeverWrittenOver) {
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    const fs::path target = locked / "preferences.json";
    writeText(target, "{ damaged");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    // Unprivileged, the folder cannot be changed: no rename, no new file.
    const std::string warnings = asUnprivileged([&] {
        std::string heard;
        Preferences prefs(target, false, [&](const std::string &w) { heard += w + "\n"; });
        heard += prefs.find(kPrefix, "CorpsCase") ? "found\n" : "";
        prefs.put(kPrefix, "CorpsCase", 14.0);
        heard += prefs.find(kPrefix, "CorpsCase") ? "kept for the run\n" : "";
        return heard;
    });
    EXPECT_EQ(warnings.rfind("cannot read preferences " + target.string() + ": it is not valid JSON: ", 0),
              0u)
        << warnings;
    const std::string ending = "; it cannot be set aside (Permission denied), so it is left as it is and "
                               "nothing is saved in this run\nkept for the run\n";
    EXPECT_TRUE(warnings.ends_with(ending)) << warnings;
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 2) << "no save was tried";
    EXPECT_EQ(readFile(target), "{ damaged");
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), fs::directory_iterator()), 1);
}

// A run that keeps its values to itself reads the file and never writes
// it: not after a put, not at the end, and a damaged file stays where and
// as it is.
TEST_F(PreferenceSuite, WithoutPersistingTheFileIsOnlyRead) {
    const fs::path good = folder / "good.json", damaged = folder / "damaged.json";
    writeText(good, R"({"VynColors": {"CorpsCase": 12.0}})");
    writeText(damaged, "{ damaged");
    std::string heard;
    {
        Preferences prefs(good, false, [&](const std::string &w) { heard += w + "\n"; }, false);
        ASSERT_TRUE(prefs.find(kPrefix, "CorpsCase"));
        prefs.put(kPrefix, "CorpsCase", 14.0);
        EXPECT_EQ(std::get<double>(*prefs.find(kPrefix, "CorpsCase")), 14.0) << "for the run";
        prefs.savePending();
        EXPECT_TRUE(prefs.unsaved().empty());
    }
    EXPECT_EQ(readFile(good), R"({"VynColors": {"CorpsCase": 12.0}})");
    EXPECT_TRUE(heard.empty()) << heard;
    Preferences prefs(damaged, false, [&](const std::string &w) { heard += w + "\n"; }, false);
    EXPECT_FALSE(prefs.find(kPrefix, "CorpsCase"));
    prefs.put(kPrefix, "CorpsCase", 14.0);
    prefs.savePending();
    EXPECT_EQ(readFile(damaged), "{ damaged");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2)
        << "nothing set aside";
    EXPECT_NE(heard.find("the stored settings are not used in this run"), std::string::npos) << heard;
}

TEST_F(PreferenceSuite, ASaveThatFailsIsReportedOnceAndTheValuesStayForTheRun) {
    writeText(folder / "a-file", "");
    struct Case {
        fs::path target;
        const char *reason;
    } cases[] = {
        {folder / "absent" / "preferences.json", "No such file or directory"},
        {folder / "a-file" / "preferences.json", "Not a directory"},
    };
    for (const Case &c : cases) {
        PreferenceRun run(c.target);
        ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 14.0), kNoErr);
        ASSERT_EQ(run.prefs->PutBooleanPreference(kPrefix, "CaseMotifs", 0), kNoErr);
        EXPECT_EQ(run.warnings(),
                  std::vector<std::string>{"cannot write preferences " + c.target.string() + ": " + c.reason +
                                           "; the values are kept for this run only"});
        AIDouble value = 0;
        EXPECT_EQ(run.prefs->GetRealPreference(kPrefix, "CorpsCase", &value), kNoErr);
        EXPECT_EQ(value, 14.0);
    }
}

TEST_F(PreferenceSuite, PutsInsideAMessageAreWrittenOnceWhenTheOutermostReturns) {
    PreferenceRun run(file);
    ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 12.0), kNoErr);
    const std::string before = readFile(file);
    ASSERT_NE(before.find("\"CorpsCase\": 12.0"), std::string::npos) << "outside a message: at once";
    {
        PluginSet::MessageScope menuCommand(run.host.plugins(), nullptr);
        ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 14.0), kNoErr);
        EXPECT_EQ(readFile(file), before);
        {
            PluginSet::MessageScope notifier(run.host.plugins(), nullptr);
            ASSERT_EQ(run.prefs->PutBooleanPreference(kPrefix, "CaseMotifs", 1), kNoErr);
        }
        EXPECT_EQ(readFile(file), before) << "an inner message leaves the save to the outer one";
        ASSERT_EQ(run.prefs->PutStringPreference(kPrefix, "PoliceCase", "Arial"), kNoErr);
        AIDouble value = 0;
        EXPECT_EQ(run.prefs->GetRealPreference(kPrefix, "CorpsCase", &value), kNoErr);
        EXPECT_EQ(value, 14.0) << "a get sees the put before it is written";
        EXPECT_EQ(readFile(file), before);
    }
    const std::string after = readFile(file);
    for (const char *member : {"\"CorpsCase\": 14.0", "\"CaseMotifs\": true", "\"PoliceCase\": \"Arial\""})
        EXPECT_NE(after.find(member), std::string::npos) << member << " in " << after;
    EXPECT_TRUE(run.host.preferences().unsaved().empty());
    EXPECT_TRUE(run.warnings().empty());
}

TEST_F(PreferenceSuite, ASaveThatFailsAtTheEndOfAMessageIsReportedOnceAndKnown) {
    const fs::path target = folder / "absent" / "preferences.json";
    PreferenceRun run(target);
    const std::vector<std::string> warning{
        "cannot write preferences " + target.string() +
        ": No such file or directory; the values are kept for this run only"};
    for (int message = 0; message < 2; ++message) {
        {
            PluginSet::MessageScope inside(run.host.plugins(), nullptr);
            const std::size_t heard = run.warnings().size();
            ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 14.0), kNoErr);
            ASSERT_EQ(run.prefs->PutBooleanPreference(kPrefix, "CaseMotifs", 0), kNoErr);
            EXPECT_EQ(run.warnings().size(), heard) << "nothing is written before the message returns";
        }
        EXPECT_EQ(run.warnings(), warning) << "message " << message;
        EXPECT_EQ(run.host.preferences().unsaved(),
                  "cannot write " + target.string() + ": No such file or directory");
    }

    // Once the folder is there, the next message's save puts it right.
    fs::create_directory(target.parent_path());
    {
        PluginSet::MessageScope inside(run.host.plugins(), nullptr);
        ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "EcartCases", 3.0), kNoErr);
    }
    EXPECT_TRUE(run.host.preferences().unsaved().empty());
    EXPECT_NE(readFile(target).find("\"CorpsCase\": 14.0"), std::string::npos);
}

// Sets an environment variable for the life of the object (unsets it for
// nullopt), then puts back what was there.
class ScopedVariable {
  public:
    ScopedVariable(const char *name, std::optional<std::string> value) : name_(name) {
        if (const char *old = std::getenv(name)) old_ = old;
        set(value);
    }
    ~ScopedVariable() { set(old_); }
    ScopedVariable(const ScopedVariable &) = delete;
    ScopedVariable &operator=(const ScopedVariable &) = delete;

  private:
    void set(const std::optional<std::string> &value) {
        if (value)
            ::setenv(name_, value->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    const char *name_;
    std::optional<std::string> old_;
};

TEST_F(PreferenceSuite, TheUsersOwnFileLivesUnderTheXdgConfigurationFolder) {
    const fs::path home = folder / "home";
    const fs::path config = folder / "config";
    ScopedVariable homeVariable("HOME", home.string());
    const fs::path underHome = home / ".config" / "vyncolors" / "preferences.json";
    const std::pair<std::optional<std::string>, fs::path> cases[] = {
        {config.string(), config / "vyncolors" / "preferences.json"},
        {std::nullopt, underHome},
        {"", underHome},
        {"relative/config", underHome}, // not absolute: ignored, as the XDG rules say
    };
    for (const auto &[xdg, expected] : cases) {
        ScopedVariable xdgVariable("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(Preferences::defaultFile(), expected) << xdg.value_or("(unset)");
    }

    // Without a file of its own, the host saves there, making the folders.
    ScopedVariable xdgVariable("XDG_CONFIG_HOME", config.string());
    {
        PreferenceRun run(HostOptions{});
        ASSERT_EQ(run.prefs->PutRealPreference(kPrefix, "CorpsCase", 14.0), kNoErr);
        EXPECT_TRUE(run.warnings().empty());
    }
    const fs::path saved = config / "vyncolors" / "preferences.json";
    EXPECT_NE(readFile(saved).find("\"CorpsCase\": 14.0"), std::string::npos);
    EXPECT_EQ(fs::status(saved.parent_path()).permissions(), fs::perms::owner_all);
}

} // namespace
} // namespace vyn::host
