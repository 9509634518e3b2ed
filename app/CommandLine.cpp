#include "CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <variant>

#include "text/DecimalText.h"
#include "DocumentFiles.h"
#include "loader/PluginSet.h"
#include "StandardStreams.h"
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
    std::vector<std::string> inputs;
    std::optional<std::string> output, outputDir, format, select, place;
    std::optional<int> jobs;
    bool list = false, quiet = false, verbose = false;
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
    cli.add_option("INPUT", given.inputs)->type_name("INPUT");
    cli.add_option("-o,--output", given.output)->type_name("FILE");
    cli.add_option("--output-dir", given.outputDir)->type_name("DIR");
    cli.add_option("--format", given.format)->type_name("svg|svgz|json|png");
    cli.add_flag("--in-place", given.inPlace);
    cli.add_flag("--list", given.list);
    cli.add_flag("--json", options.json);
    cli.add_option("-j,--jobs", given.jobs)->type_name("N");
    cli.add_flag("-q,--quiet", given.quiet);
    cli.add_flag("-v,--verbose", given.verbose);
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

std::optional<FileFormat> formatNamed(std::string_view name) {
    for (FileFormat format : {FileFormat::Json, FileFormat::Svg, FileFormat::Svgz, FileFormat::Png})
        if (name == formatName(format)) return format;
    return std::nullopt;
}

// What the arguments say of every document alike.
struct DocumentRules {
    std::optional<FileFormat> format;        // --format
    std::optional<std::filesystem::path> dir; // --output-dir
};

// The output's name and format: -o, standard output, the input itself, or
// NAME-colors.EXT (beside the input or in --output-dir).
std::optional<std::string> settleOutput(const Given &given, const DocumentRules &rules, DocumentJob &job) {
    if (job.list) return std::nullopt;
    if (given.inPlace) {
        if (given.output) return "--in-place and --output exclude each other";
        if (rules.dir) return "--in-place and --output-dir exclude each other";
        if (job.fromStandardInput) return "--in-place: standard input cannot be rewritten";
        if (rules.format && rules.format != job.inputFormat)
            return "--in-place rewrites the input in its own format: it takes no --format";
        job.inPlace = true;
        job.output = job.input;
        job.outputFormat = job.inputFormat;
        return std::nullopt;
    }
    if (given.output && *given.output == "-") {
        job.toStandardOutput = true;
        job.output = "-";
        job.outputFormat = rules.format;
    } else if (given.output) {
        if (given.output->empty()) return "--output: the file name is empty";
        job.output = *given.output;
        job.outputNamed = true;
        const std::string output = "--output: " + job.output.string();
        job.outputFormat = formatOf(job.output);
        if (!job.outputFormat) job.outputFormat = rules.format;
        else if (rules.format && rules.format != job.outputFormat)
            return output + ": the name says another format than --format " + formatName(*rules.format);
        if (!job.outputFormat) return output + ": the file must end in .json, .svg, .svgz or .png (or give --format)";
    } else {
        if (job.fromStandardInput)
            return "standard input has no name to write beside: give -o FILE, -o - or --list";
        job.output = defaultOutputFor(job.input, rules.format);
        if (rules.dir) job.output = *rules.dir / job.output.filename();
        job.outputFormat = rules.format ? rules.format : job.inputFormat;
    }
    if (!job.toStandardOutput && !job.fromStandardInput && sameFile(job.output, job.input))
        return (given.output ? "--output: " : "the output ") + job.output.string() +
               ": this is the input itself (--in-place rewrites the input)";
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

// The job of one INPUT, or the first fault found.
std::optional<std::string> settleDocument(const Given &given, const DocumentRules &rules, Options &options,
                                          const std::string &input) {
    DocumentJob job;
    job.list = given.list;
    if (input.empty()) return "INPUT: the file name is empty";
    if (input == "-") {
        job.fromStandardInput = true;
        job.input = kStandardInputName;
    } else {
        job.input = input;
        auto format = formatOf(job.input);
        if (!format || *format == FileFormat::Png)
            return input + ": the document must end in .json, .svg or .svgz (or be - for standard input)";
        job.inputFormat = *format;
    }
    if (given.select) {
        if (given.select->empty()) return "--select: the selector is empty";
        if (options.settings.selection == false)
            return "--select ticks \"Selection\": it cannot go with --no-selection";
        job.select = *given.select;
        options.settings.selection = true;
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
    if (auto why = settleOutput(given, rules, job)) return why;
    if (job.inputFormat)
        if (auto why = formatConflict(job, *job.inputFormat)) return why;
    if (auto why = settlePalettes(given, job)) return why;
    if (given.dpi && job.outputFormat != FileFormat::Png) return "--dpi: only a .png output has a resolution";
    if (given.width && job.outputFormat != FileFormat::Png) return "--width: only a .png output has a width";
    options.documents.push_back(std::move(job));
    return std::nullopt;
}

// No two documents may be written to one file, nor one read twice.
std::optional<std::string> checkDistinctOutputs(const std::vector<DocumentJob> &jobs) {
    for (std::size_t i = 0; i < jobs.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) {
            if (jobs[i].list || jobs[i].toStandardOutput) continue;
            const auto a = jobs[i].output.lexically_normal(), b = jobs[j].output.lexically_normal();
            if (a == b || sameFile(jobs[i].output, jobs[j].output))
                return jobs[j].input.string() + " and " + jobs[i].input.string() + " would both be written to " +
                       jobs[i].output.string();
        }
    return std::nullopt;
}

// The document jobs, or the options that need one; the first fault found.
std::optional<std::string> settleDocuments(const Given &given, Options &options) {
    DocumentRules rules;
    if (given.format) {
        rules.format = formatNamed(*given.format);
        if (!rules.format) return "--format: " + inQuotes(*given.format) + " is none of svg, svgz, json, png";
    }
    if (given.outputDir) {
        if (given.outputDir->empty()) return "--output-dir: the folder name is empty";
        std::error_code error;
        if (!std::filesystem::is_directory(*given.outputDir, error))
            return "--output-dir: " + *given.outputDir + ": not a folder";
        rules.dir = *given.outputDir;
    }
    if (given.inputs.empty()) {
        for (auto [given_, option] :
             {std::pair{given.output.has_value(), "--output"}, std::pair{given.outputDir.has_value(), "--output-dir"},
              std::pair{given.format.has_value(), "--format"}, std::pair{given.inPlace, "--in-place"},
              std::pair{given.list, "--list"}, std::pair{given.select.has_value(), "--select"},
              std::pair{given.place.has_value(), "--place"}, std::pair{given.artboard.has_value(), "--artboard"},
              std::pair{given.dpi.has_value(), "--dpi"}, std::pair{given.width.has_value(), "--width"},
              std::pair{options.json, "--json"}, std::pair{!given.palettes.empty(), "--palette"}})
            if (given_) return std::string(option) + " needs an INPUT document";
        return std::nullopt;
    }

    if (given.inputs.size() > 1)
        for (auto [name, option] : {std::pair{&given.renderDialog, "--render-dialog"},
                                    std::pair{&given.renderAbout, "--render-about"}})
            if (*name) return std::string(option) + " draws one picture: it takes one INPUT";
    if (std::count(given.inputs.begin(), given.inputs.end(), "-") > 1)
        return "standard input (-) can be read only once";
    if (given.inputs.size() > 1 && given.output)
        return "--output names one file: with several inputs give --output-dir DIR";
    if (given.list) {
        for (auto [given_, option] :
             {std::pair{given.output.has_value(), "--output"}, std::pair{given.outputDir.has_value(), "--output-dir"},
              std::pair{given.format.has_value(), "--format"}, std::pair{given.inPlace, "--in-place"},
              std::pair{given.dpi.has_value(), "--dpi"}, std::pair{given.width.has_value(), "--width"},
              std::pair{options.saveSettings, "--save-settings"},
              std::pair{given.renderDialog.has_value(), "--render-dialog"},
              std::pair{given.renderAbout.has_value(), "--render-about"},
              std::pair{!given.palettes.empty(), "--palette"}})
            if (given_) return "--list writes nothing: it cannot go with " + std::string(option);
    }
    if (given.output && *given.output == "-" && options.json)
        return "--json: standard output carries the document (-o -); give --list --json for the rows";
    for (const std::string &input : given.inputs)
        if (auto why = settleDocument(given, rules, options, input)) return why;
    return checkDistinctOutputs(options.documents);
}

std::optional<std::string> settleRun(const Given &given, Options &options) {
    if (given.quiet && given.verbose) return "--quiet and --verbose exclude each other";
    if (given.quiet) options.verbosity = Verbosity::Quiet;
    if (given.verbose) options.verbosity = Verbosity::Verbose;
    if (given.jobs) {
        if (*given.jobs < 1 || *given.jobs > 1024) return "--jobs: give from 1 to 1024 processes";
        options.jobs = *given.jobs;
    } else {
        const long cores = ::sysconf(_SC_NPROCESSORS_ONLN);
        options.jobs = cores > 0 ? static_cast<int>(std::min(cores, 1024L)) : 1;
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

std::optional<std::string> formatConflict(const DocumentJob &job, FileFormat format) {
    if (format == FileFormat::Json && !job.select.empty())
        return "--select: only an SVG document has elements to select";
    // A JSON document has no SVG text of its own: its SVG is a picture.
    if (format == FileFormat::Json && job.outputFormat == FileFormat::Svgz)
        return (job.toStandardOutput ? std::string("--format svgz")
                : (job.outputNamed ? "--output: " : "the output ") + job.output.string()) +
               ": a JSON document is drawn as .svg or .png";
    return std::nullopt;
}

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
    if (auto why = settleRun(given, options)) return {std::nullopt, *why};
    if (auto why = settleDocuments(given, options)) return {std::nullopt, *why};
    if (auto why = checkPluginsFolder(options.plugins)) return {std::nullopt, *why};
    if (!options.renderAbout && !options.runsSettingsDialog()) options.menus = true;
    return {options, {}};
}

} // namespace vyn::app
