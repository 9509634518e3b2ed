#include "CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <tuple>
#include <variant>

#include "text/DecimalText.h"
#include "DocumentFiles.h"
#include "loader/PluginSet.h"
#include "palette/PaletteFormat.h"

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
    std::optional<std::string> input, output, select, place;
    std::optional<int> artboard;
    std::optional<double> dpi;
    std::optional<int> width;
    std::vector<std::string> palettes;
    bool inPlace = false;
    std::optional<std::string> renderAbout, renderDialog, prefs, font;
    std::array<std::optional<std::string>, kFields> fields;
    std::array<bool, kBoxes> boxes{};
    std::array<CLI::Option *, kBoxes> boxFlags{};
};

void declare(CLI::App &cli, Options &options, Given &given) {
    cli.set_help_flag(); // the help is our own literal, printed by the caller
    cli.add_flag("-h,--help", options.help);
    cli.add_flag("--version", options.version);
    cli.add_option("INPUT", given.input)->type_name("INPUT");
    cli.add_option("-o,--output", given.output)->type_name("FILE");
    cli.add_flag("--in-place", given.inPlace);
    cli.add_flag("--json", options.json);
    // One name each time it is given: never the INPUT that may follow.
    cli.add_option("--palette", given.palettes)->type_name("FILE")->allow_extra_args(false);
    cli.add_option("--select", given.select)->type_name("SELECTOR");
    cli.add_option("--place", given.place)->type_name("beside|artboard");
    cli.add_option("--artboard", given.artboard)->type_name("N");
    cli.add_option("--dpi", given.dpi)->type_name("N");
    cli.add_option("--width", given.width)->type_name("PX");
    cli.add_flag("--menus", options.menus);
    cli.add_flag("--trace", options.trace);
    cli.add_flag("--timings", options.timings);
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
    cli.add_flag("--save-settings", options.saveSettings);
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

// The output's name and format: -o, the input itself, or NAME-colors.EXT.
std::optional<std::string> settleOutput(const Given &given, DocumentJob &job) {
    if (given.inPlace) {
        if (given.output) return "--in-place and --output exclude each other";
        job.output = job.input;
        job.outputFormat = job.inputFormat;
        return std::nullopt;
    }
    const bool named = given.output.has_value();
    if (named && given.output->empty()) return "--output: the file name is empty";
    job.output = named ? std::filesystem::path(*given.output) : defaultOutputFor(job.input);
    const std::string output = (named ? "--output: " : "the output ") + job.output.string();
    auto format = formatOf(job.output);
    if (!format) return output + ": the file must end in .json, .svg, .svgz or .png";
    // A JSON document has no SVG text of its own: its SVG is a picture.
    if (job.inputFormat == FileFormat::Json && *format == FileFormat::Svgz)
        return output + ": a JSON document is drawn as .svg or .png";
    job.outputFormat = *format;
    if (sameFile(job.output, job.input))
        return output + ": this is the input itself (--in-place rewrites the input)";
    return std::nullopt;
}

// The palettes' names: each of a palette format, none given twice.
std::optional<std::string> settlePalettes(const Given &given, DocumentJob &job) {
    for (const std::string &name : given.palettes) {
        if (name.empty()) return "--palette: the file name is empty";
        const std::filesystem::path file(name);
        if (!paletteFormatOf(file))
            return "--palette: " + name + ": the file must end in " + kPaletteExtensions;
        for (const std::filesystem::path &before : job.palettes)
            if (before.lexically_normal() == file.lexically_normal())
                return "--palette: " + name + " is given twice";
        job.palettes.push_back(file);
    }
    return std::nullopt;
}

// The document job, or the options that need one; the first fault found.
std::optional<std::string> settleDocument(const Given &given, Options &options) {
    if (!given.input) {
        if (given.output) return "--output needs an INPUT document";
        if (given.inPlace) return "--in-place needs an INPUT document";
        if (given.select) return "--select needs an INPUT document";
        if (given.place) return "--place needs an INPUT document";
        if (given.artboard) return "--artboard needs an INPUT document";
        if (given.dpi) return "--dpi needs an INPUT document";
        if (given.width) return "--width needs an INPUT document";
        if (options.json) return "--json needs an INPUT document";
        if (!given.palettes.empty()) return "--palette needs an INPUT document";
        return std::nullopt;
    }
    DocumentJob job;
    job.input = *given.input;
    if (given.input->empty()) return "INPUT: the file name is empty";
    auto format = formatOf(job.input);
    if (!format || *format == FileFormat::Png)
        return *given.input + ": the document must end in .json, .svg or .svgz";
    job.inputFormat = *format;
    if (given.select) {
        if (job.inputFormat == FileFormat::Json)
            return "--select: only an SVG document has elements to select";
        if (given.select->empty()) return "--select: the selector is empty";
        if (options.settings.selection == false)
            return "--select ticks \"Selection\": it cannot go with --no-selection";
        job.select = *given.select;
        options.settings.selection = true;
    } else if (job.inputFormat != FileFormat::Json && !options.settings.selection) {
        // An SVG file holds no selection: "Selection" would find nothing.
        options.settings.selection = false;
    }
    if (given.place) {
        if (*given.place == "beside")
            job.placement = Placement::Beside;
        else if (*given.place == "artboard")
            job.placement = Placement::Artboard;
        else
            return "--place: " + inQuotes(*given.place) + " is neither beside nor artboard";
    }
    if (given.artboard) {
        if (*given.artboard < 1) return "--artboard: artboards are numbered from 1";
        job.artboard = *given.artboard;
    }
    if (given.dpi) {
        if (!(*given.dpi > 0 && *given.dpi <= 10000)) return "--dpi: give a resolution above 0 and up to 10000";
        job.dpi = *given.dpi;
    }
    if (given.width) {
        if (given.dpi) return "--width and --dpi exclude each other";
        if (*given.width < 1) return "--width: give a width of at least 1 pixel";
        job.width = *given.width;
    }
    if (auto why = settleOutput(given, job)) return why;
    if (auto why = settlePalettes(given, job)) return why;
    if (given.dpi && job.outputFormat != FileFormat::Png) return "--dpi: only a .png output has a resolution";
    if (given.width && job.outputFormat != FileFormat::Png) return "--width: only a .png output has a width";
    options.document = std::move(job);
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
    if (auto why = settleDocument(given, options)) return {std::nullopt, *why};
    if (auto why = checkPluginsFolder(options.plugins)) return {std::nullopt, *why};
    if (!options.renderAbout && !options.runsSettingsDialog()) options.menus = true;
    return {options, {}};
}

} // namespace vyn::app
