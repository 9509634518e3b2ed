#include "preferences/Preferences.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <variant>

#include "files/AtomicFile.h"
#include "files/SmallFile.h"

namespace vyn::host {
namespace {

// The null device, by any name (filesystem::equivalent refuses devices).
bool isDevNull(const std::filesystem::path &file) {
    struct stat named {}, null {};
    return ::stat(file.c_str(), &named) == 0 && ::stat("/dev/null", &null) == 0 && S_ISCHR(named.st_mode) &&
           named.st_rdev == null.st_rdev;
}

std::filesystem::path homeFolder() {
    if (const char *home = std::getenv("HOME"); home && *home) return home;
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_dir) return user->pw_dir;
    return "/";
}

// Moves `file` to the first free name FILE.damaged-N (N from 1), never over
// an earlier one. Returns the new name, or throws std::system_error (on a
// file system that cannot rename without replacing, EINVAL: the file then
// stays where it is).
std::filesystem::path moveAside(const std::filesystem::path &file) {
    for (int n = 1;; ++n) {
        std::filesystem::path aside = file;
        aside += ".damaged-" + std::to_string(n);
        if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return aside;
        if (errno == EEXIST && n < 10000) continue;
        throw std::system_error(errno, std::generic_category());
    }
}

// Creates the missing folders of `folder`, each readable by its owner only.
void makeFolders(const std::filesystem::path &folder) {
    std::filesystem::path partial;
    for (const auto &part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return; // the save reports it
    }
}

} // namespace

Preferences::Preferences(std::filesystem::path file, bool makeFolder, Warn warn, bool persist)
    : file_(std::move(file)), makeFolder_(makeFolder), warn_(std::move(warn)), persist_(persist) {}

std::filesystem::path Preferences::defaultFile() {
    std::filesystem::path config;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        config = xdg;
    else
        config = homeFolder() / ".config";
    return config / "vyncolors" / "preferences.json";
}

const PreferenceValue *Preferences::find(std::string_view prefix, std::string_view key) {
    if (!loaded_) load();
    auto keys = values_.find(prefix);
    if (keys == values_.end()) return nullptr;
    auto value = keys->second.find(key);
    return value == keys->second.end() ? nullptr : &value->second;
}

void Preferences::put(std::string_view prefix, std::string_view key, PreferenceValue value) {
    if (const double *real = std::get_if<double>(&value); real && !std::isfinite(*real))
        throw std::invalid_argument("a real that is not a finite number cannot be stored");
    if (!loaded_) load();
    values_[std::string(prefix)].insert_or_assign(std::string(key), std::move(value));
    pending_ = true;
    if (batchDepth_ == 0) savePending();
}

Preferences::Batch::~Batch() {
    if (--preferences_.batchDepth_ > 0) return;
    try {
        preferences_.savePending();
    } catch (const std::exception &e) {
        // Nothing may leave a destructor: this is kept as any failed save.
        preferences_.saveFailed(e.what());
    }
}

void Preferences::savePending() {
    if (!pending_) return;
    pending_ = false;
    save();
}

void Preferences::load() {
    loaded_ = true;
    if (isDevNull(file_)) {
        keepFile_ = true; // nothing stored, and nothing to write over
        return;
    }
    SmallFileRead read = readSmallRegularFile(file_, kMaxPreferencesBytes);
    if (read.missing()) return;
    if (!read.bytes) {
        if (!persist_) return leaveUnused(read.refusal);
        // Only a regular file is the host's to move aside. A folder, a FIFO
        // or a device standing in its place is left exactly where it is.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(file_, ignored)) return setAsideDamaged(read.refusal);
        keepFile_ = true;
        warn_("cannot read preferences " + file_.string() + ": " + read.refusal +
              "; it is left as it is and nothing is saved in this run");
        return;
    }
    ParsedPreferences parsed = parsePreferences(*read.bytes);
    if (!parsed.values) return persist_ ? setAsideDamaged(parsed.problem) : leaveUnused(parsed.problem);
    values_ = std::move(*parsed.values);
}

// A run that saves nothing leaves a file it cannot use exactly as it is.
void Preferences::leaveUnused(const std::string &problem) {
    keepFile_ = true;
    warn_("cannot read preferences " + file_.string() + ": " + problem +
          "; the stored settings are not used in this run");
}

void Preferences::setAsideDamaged(const std::string &problem) {
    const std::string head = "cannot read preferences " + file_.string() + ": " + problem;
    try {
        const std::filesystem::path aside = moveAside(file_);
        warn_(head + "; it is set aside as " + aside.string() + ", and the next save writes a new file");
    } catch (const std::system_error &e) {
        keepFile_ = true;
        warn_(head + "; it cannot be set aside (" + e.code().message() +
              "), so it is left as it is and nothing is saved in this run");
    }
}

void Preferences::save() {
    if (!persist_) return; // kept for the run only, by design: nothing is unsaved
    if (keepFile_) {
        unsaved_ = "the file " + file_.string() + " is not the host's to replace";
        return;
    }
    if (makeFolder_ && file_.has_parent_path()) makeFolders(file_.parent_path());
    std::optional<FileWriteError> failure = writeFileAtomically(file_, formatPreferences(values_));
    if (!failure) {
        saveFailure_.clear();
        unsaved_.clear();
        return;
    }
    saveFailed(failure->reason());
}

void Preferences::saveFailed(const std::string &reason) {
    unsaved_ = "cannot write " + file_.string() + ": " + reason;
    if (reason != saveFailure_)
        warn_("cannot write preferences " + file_.string() + ": " + reason +
              "; the values are kept for this run only");
    saveFailure_ = reason;
}

} // namespace vyn::host
