// CommandLine.h — turning the arguments into options, and nothing else.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "DialogSettings.h"

namespace vyn::app {

struct Options {
    bool help = false;
    bool version = false;
    bool menus = false;
    bool trace = false;
    std::optional<std::filesystem::path> renderAbout;
    std::filesystem::path plugins;

    // The settings dialog: what to set in it, whether to press Cancel
    // instead of OK, and where to draw it just before.
    DialogSettings settings;
    bool cancel = false;
    std::optional<std::filesystem::path> renderDialog;
    std::optional<std::filesystem::path> prefs;

    bool runsSettingsDialog() const { return settings.any() || cancel || renderDialog; }
};

struct ParsedCommandLine {
    std::optional<Options> options; // empty when the arguments are unusable
    std::string error;              // why, for standard error
};

// `defaultPlugins` is the folder used when --plugins is not given.
ParsedCommandLine parseCommandLine(int argc, const char *const *argv,
                                   const std::filesystem::path &defaultPlugins);

} // namespace vyn::app
