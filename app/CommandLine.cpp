#include "CommandLine.h"

#include <CLI/CLI.hpp>

#include "PluginSet.h"

namespace vyn::app {

ParsedCommandLine parseCommandLine(int argc, const char *const *argv,
                                   const std::filesystem::path &defaultPlugins) {
    Options options;
    options.plugins = defaultPlugins;
    std::optional<std::string> renderAbout;

    CLI::App cli("vyncolors");
    cli.set_help_flag(); // the help is our own literal, printed by the caller
    cli.add_flag("-h,--help", options.help);
    cli.add_flag("--version", options.version);
    cli.add_flag("--menus", options.menus);
    cli.add_flag("--trace", options.trace);
    cli.add_option("--render-about", renderAbout)->type_name("FILE");
    cli.add_option("--plugins", options.plugins)->type_name("DIR");

    try {
        cli.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        return {std::nullopt, e.what()};
    }
    if (options.help || options.version) return {options, {}};

    if (renderAbout) {
        if (renderAbout->empty()) return {std::nullopt, "--render-about: the file name is empty"};
        std::filesystem::path file(*renderAbout);
        auto ext = file.extension().string();
        if (ext != ".svg" && ext != ".png")
            return {std::nullopt, "--render-about: " + *renderAbout + ": the file must end in .svg or .png"};
        options.renderAbout = file;
    }
    if (options.plugins.empty()) return {std::nullopt, "--plugins: the folder name is empty"};
    const std::string folder = "--plugins: " + options.plugins.string() + ": ";
    std::error_code error;
    if (!std::filesystem::is_directory(options.plugins, error))
        return {std::nullopt, folder + "not a readable folder" + (error ? " (" + error.message() + ")" : "")};
    if (host::PluginSet::bundlesIn(options.plugins, error).empty())
        return {std::nullopt, folder + (error ? "the folder cannot be read (" + error.message() + ")"
                                              : "no plug-in bundle (NAME.aip) in it")};
    if (!options.renderAbout) options.menus = true;
    return {options, {}};
}

} // namespace vyn::app
