// CommandLine.h — turning the arguments into options, and nothing else.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "DialogSettings.h"
#include "chart/ChartPlacement.h"
#include "DocumentFiles.h"

namespace vyn::app {

// A document to build the chart of, and where the result goes. The names
// are checked: known formats, and an output that is not the input unless
// `inPlace` says so. "-" stands for standard input or output.
struct DocumentJob {
    std::filesystem::path input;
    bool fromStandardInput = false;
    // None for standard input: its first bytes tell, once it is read.
    std::optional<FileFormat> inputFormat;
    std::filesystem::path output; // the input itself with `inPlace`
    bool outputNamed = false;     // by --output
    bool toStandardOutput = false;
    // None only for standard output without --format: the input's own
    // format, uncompressed, once it is known.
    std::optional<FileFormat> outputFormat;
    bool inPlace = false;
    bool list = false; // --list: the rows are printed and nothing is written
    std::string select; // CSS selectors of the SVG elements to select; empty: none
    Placement placement = Placement::Beside;
    std::optional<int> artboard; // the active artboard, from 1; none: the document's own
    double dpi = 144;            // a PNG output's resolution: pixels per inch of the page
    std::optional<int> width;    // or its width in pixels instead
    // The chart's rows as palettes, each in the format of its extension
    // (palette/PaletteFormat.h), written after the output.
    std::vector<std::filesystem::path> palettes;
};

// How much the command says on standard error (and whether it lists the
// rows when it was asked only to build).
enum class Verbosity { Quiet, Normal, Verbose };

struct Options {
    bool help = false;
    bool version = false;
    bool menus = false;
    bool trace = false;
    bool timings = false; // how long reading, building and writing took, on standard error
    std::optional<std::filesystem::path> renderAbout;
    std::filesystem::path plugins;

    // The settings dialog: what to set in it, whether to press Cancel
    // instead of OK, and where to draw it just before.
    DialogSettings settings;
    bool cancel = false;
    std::optional<std::filesystem::path> renderDialog;
    std::optional<std::filesystem::path> prefs;
    // Store what OK saves in the preferences file; otherwise the options
    // and OK's settings hold for this run only.
    bool saveSettings = false;

    // With a document the settings dialog always runs, and OK builds its
    // chart; several documents are built one by one, each in a process of
    // its own, `jobs` at a time.
    std::vector<DocumentJob> documents;
    bool json = false; // the chart's rows as JSON
    int jobs = 1;
    Verbosity verbosity = Verbosity::Normal;
    // Set by a batch for each of its documents, never by the command line:
    // where the rows' facts go, as --json writes them, for the batch's
    // palettes of every document.
    std::ostream *rowsForBatch = nullptr;

    bool runsSettingsDialog() const { return !documents.empty() || settings.any() || cancel || renderDialog; }
};

struct ParsedCommandLine {
    std::optional<Options> options; // empty when the arguments are unusable
    std::string error;              // why, for standard error
};

// Why `job` cannot be done on an input of `format`, if it cannot: the
// checks that wait for standard input to be read.
std::optional<std::string> formatConflict(const DocumentJob &job, FileFormat format);

// `defaultPlugins` is the folder used when --plugins is not given.
ParsedCommandLine parseCommandLine(int argc, const char *const *argv,
                                   const std::filesystem::path &defaultPlugins);

} // namespace vyn::app
