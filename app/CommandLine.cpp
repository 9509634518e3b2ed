#include "CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <tuple>
#include <variant>

#include "DecimalText.h"
#include "PluginSet.h"

namespace vyn::app {
namespace {

constexpr std::size_t kFields = std::size(kFieldOptions);
constexpr std::size_t kBoxes = std::size(kBoxOptions);

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A length as its field reads it, or the sentence saying why it is none.
std::variant<TypedLength, std::string> readLength(const FieldOption &field, const std::string &text) {
    const std::string option = field.option;
    if (auto points = host::parseTypedValue(text, field.unit)) return TypedLength{text, *points};
    // A number followed by letters the field does not know is a unit
    // mistake, worth telling apart from text that is no number at all.
    std::string_view t = text;
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back())))
        t.remove_suffix(1);
    std::size_t unitStart = t.size();
    while (unitStart > 0 && std::isalpha(static_cast<unsigned char>(t[unitStart - 1])))
        --unitStart;
    const std::string_view number = t.substr(0, unitStart);
    const bool bare = std::none_of(number.begin(), number.end(),
                                   [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
    if (bare && unitStart < t.size() && host::parseTypedValue(number, field.unit))
        return option + ": " + inQuotes(text) + ": unknown unit " + inQuotes(t.substr(unitStart)) +
               " (give pt or mm, or cm, in, pc)";
    return option + ": " + inQuotes(text) + " is not a length (a number, then pt or mm if need be)";
}

// The limits that make a value meaningless rather than merely small: the
// fields would take them, but the chart could not be what was asked for.
std::optional<std::string> outOfRange(const FieldOption &field, const TypedLength &length) {
    const std::string option = field.option;
    if (field.setting == &DialogSettings::textSize && length.points < kSmallestTextSize)
        return option + ": " + inQuotes(length.text) + " is below " + host::decimalText(kSmallestTextSize) +
               " pt, the smallest text size";
    if (field.setting == &DialogSettings::gap && length.points < 0)
        return option + ": " + inQuotes(length.text) + ": the gap cannot be negative";
    return std::nullopt;
}

std::variant<std::filesystem::path, std::string> readPictureName(const char *option,
                                                                 const std::string &name) {
    if (name.empty()) return std::string(option) + ": the file name is empty";
    std::filesystem::path file(name);
    const std::string ext = file.extension().string();
    if (ext != ".svg" && ext != ".png")
        return std::string(option) + ": " + name + ": the file must end in .svg or .png";
    return file;
}

// Everything the arguments said, before it is checked.
struct Given {
    std::optional<std::string> renderAbout, renderDialog, prefs, font;
    std::array<std::optional<std::string>, kFields> fields;
    std::array<bool, kBoxes> boxes{};
    std::array<CLI::Option *, kBoxes> boxFlags{};
};

void declare(CLI::App &cli, Options &options, Given &given) {
    cli.set_help_flag(); // the help is our own literal, printed by the caller
    cli.add_flag("-h,--help", options.help);
    cli.add_flag("--version", options.version);
    cli.add_flag("--menus", options.menus);
    cli.add_flag("--trace", options.trace);
    cli.add_option("--render-about", given.renderAbout)->type_name("FILE");
    cli.add_option("--plugins", options.plugins)->type_name("DIR");
    cli.add_option("--font", given.font)->type_name("NAME");
    for (std::size_t i = 0; i < kFields; ++i)
        cli.add_option(kFieldOptions[i].option, given.fields[i])->type_name("LEN");
    for (std::size_t i = 0; i < kBoxes; ++i) {
        const std::string name = kBoxOptions[i].name;
        given.boxFlags[i] = cli.add_flag("--" + name + ",!--no-" + name, given.boxes[i]);
    }
    cli.add_flag("--cancel", options.cancel);
    cli.add_option("--render-dialog", given.renderDialog)->type_name("FILE");
    cli.add_option("--prefs", given.prefs)->type_name("FILE");
}

// Checks the dialog's settings and the files; the first fault found.
std::optional<std::string> settle(const Given &given, Options &options) {
    if (given.font) {
        if (given.font->empty()) return "--font: the font name is empty";
        options.settings.font = given.font;
    }
    for (std::size_t i = 0; i < kFields; ++i) {
        if (!given.fields[i]) continue;
        auto length = readLength(kFieldOptions[i], *given.fields[i]);
        if (auto *why = std::get_if<std::string>(&length)) return *why;
        const TypedLength &read = std::get<TypedLength>(length);
        if (auto why = outOfRange(kFieldOptions[i], read)) return why;
        options.settings.*kFieldOptions[i].setting = read;
    }
    for (std::size_t i = 0; i < kBoxes; ++i)
        if (given.boxFlags[i]->count() > 0) options.settings.*kBoxOptions[i].setting = given.boxes[i];

    for (auto [option, name, file] :
         {std::tuple{"--render-about", &given.renderAbout, &options.renderAbout},
          std::tuple{"--render-dialog", &given.renderDialog, &options.renderDialog}}) {
        if (!*name) continue;
        auto picture = readPictureName(option, **name);
        if (auto *why = std::get_if<std::string>(&picture)) return *why;
        *file = std::get<std::filesystem::path>(picture);
    }
    if (given.prefs) {
        if (given.prefs->empty()) return "--prefs: the file name is empty";
        options.prefs = *given.prefs;
    }
    return std::nullopt;
}

std::optional<std::string> checkPluginsFolder(const std::filesystem::path &plugins) {
    if (plugins.empty()) return "--plugins: the folder name is empty";
    const std::string folder = "--plugins: " + plugins.string() + ": ";
    std::error_code error;
    if (!std::filesystem::is_directory(plugins, error))
        return folder + "not a readable folder" + (error ? " (" + error.message() + ")" : "");
    if (host::PluginSet::bundlesIn(plugins, error).empty())
        return folder + (error ? "the folder cannot be read (" + error.message() + ")"
                               : "no plug-in bundle (NAME.aip) in it");
    return std::nullopt;
}

} // namespace

ParsedCommandLine parseCommandLine(int argc, const char *const *argv,
                                   const std::filesystem::path &defaultPlugins) {
    Options options;
    options.plugins = defaultPlugins;
    Given given;
    CLI::App cli("vyncolors");
    declare(cli, options, given);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return {std::nullopt, e.what()};
    }
    if (options.help || options.version) return {options, {}};

    if (auto why = settle(given, options)) return {std::nullopt, *why};
    if (auto why = checkPluginsFolder(options.plugins)) return {std::nullopt, *why};
    if (!options.renderAbout && !options.runsSettingsDialog()) options.menus = true;
    return {options, {}};
}

} // namespace vyn::app
