// CommandLine.h — turning the arguments into options, and nothing else.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "DialogSettings.h"
#include "chart/ChartPlacement.h"
#include "DocumentFiles.h"

namespace vyn::app {

// A document to build the chart of, and where the result goes. The names
// are checked: known formats, and an output that is not the input unless
// `inPlace` says so.
struct DocumentJob {
    std::filesystem::path input;
    FileFormat inputFormat = FileFormat::Json;
    std::filesystem::path output; // the input itself with `inPlace`
    FileFormat outputFormat = FileFormat::Json;
    bool inPlace = false;
    std::string select; // CSS selectors of the SVG elements to select; empty: none
    Placement placement = Placement::Beside;
    std::optional<int> artboard; // the active artboard, from 1; none: the document's own
    double dpi = 144;            // a PNG output's resolution: pixels per inch of the page
    std::optional<int> width;    // or its width in pixels instead
    // The chart's rows as palettes, each in the format of its extension
    // (palette/PaletteFormat.h), written after the output.
    std::vector<std::filesystem::path> palettes;
};

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

    // With a document the settings dialog always runs, and OK builds its chart.
    std::optional<DocumentJob> document;
    bool json = false; // the chart's rows as JSON

    bool runsSettingsDialog() const { return document || settings.any() || cancel || renderDialog; }
};

struct ParsedCommandLine {
    std::optional<Options> options; // empty when the arguments are unusable
    std::string error;              // why, for standard error
};

// `defaultPlugins` is the folder used when --plugins is not given.
ParsedCommandLine parseCommandLine(int argc, const char *const *argv,
                                   const std::filesystem::path &defaultPlugins);

} // namespace vyn::app
