#include "Run.h"

#include <optional>
#include <ostream>

#include "Frontend.h"
#include "Host.h"
#include "HostError.h"
#include "MenuModel.h"
#include "Preferences.h"
#include "SettingsActions.h"
#include "Trace.h"
#include "model/Document.h"
#include "dialog/DialogEngine.h"
#include "dialog/DialogRenderer.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

// The commands, from the host's group down.
const std::vector<std::string> kAboutCommand = {"About", "About Vyn•Tools…", "Vyn•Colors…"};
const std::vector<std::string> kSettingsCommand = {"Tool Palettes", "Vyn•Tools", "Vyn•Colors…"};

// Chooses `command`; false, with the reason on `err`, when it failed.
bool choose(Host &host, const std::vector<std::string> &command, const char *what, std::ostream &err) {
    try {
        if (ASErr code = host.chooseMenuItem(command)) {
            err << "vyncolors: the " << what << " command failed with code " << describeCode(code) << "\n";
            return false;
        }
    } catch (const HostError &e) {
        err << "vyncolors: " << e.what() << " (did the plug-in start?)\n";
        return false;
    }
    return true;
}

// Chooses the About command with the user pressing OK at once, and writes
// the picture of the box as it stood.
int renderAbout(Host &host, const std::filesystem::path &file, std::ostream &err) {
    std::optional<DialogSnapshot> about;
    host.dialogs().user().inspect("picture for " + file.string(),
                                  [&](const DialogSnapshot &s) { about = s; });
    host.dialogs().user().pressOK();
    if (!choose(host, kAboutCommand, "About", err)) return kExitRefused;
    if (!about) {
        err << "vyncolors: the About box did not open\n";
        return kExitRefused;
    }
    try {
        writePicture(about->svg(), file);
    } catch (const std::runtime_error &e) {
        err << "vyncolors: " << e.what() << "\n";
        return kExitUsage;
    }
    return kExitDone;
}

// Chooses "Vyn•Colors…" with the user setting what `options` give, then
// pressing OK, or Cancel when asked to or when a setting was refused.
int runSettings(Host &host, const Options &options, std::ostream &err) {
    SettingsActions settings(options.settings, options.cancel, options.renderDialog);
    settings.queue(host.dialogs().user());
    const bool chosen = choose(host, kSettingsCommand, "Vyn•Colors", err);
    // Left over when no dialog took them; they refer to `settings`.
    host.dialogs().user().clear();
    for (const auto &warning : settings.warnings())
        err << "vyncolors: warning: " << warning << "\n";
    for (const auto &refusal : settings.refusals())
        err << "vyncolors: " << refusal << "\n";
    if (!settings.refusals().empty()) return kExitUsage;
    if (!chosen) return kExitRefused;
    if (!settings.reviewed()) {
        err << "vyncolors: the settings dialog did not open\n";
        return kExitRefused;
    }
    // OK was meant to keep the settings: not keeping them is no success.
    if (const std::string &unsaved = host.preferences().unsaved(); !unsaved.empty()) {
        err << "vyncolors: the settings were not saved: " << unsaved << "\n";
        return kExitUsage;
    }
    return kExitDone;
}

HostOptions hostOptionsFor(const Options &options) {
    HostOptions host;
    host.pluginsFolder = options.plugins;
    if (options.prefs) host.preferencesFile = *options.prefs;
    return host;
}

} // namespace

int run(const Options &options, std::ostream &out, std::ostream &err) {
    Host host(hostOptionsFor(options));
    host.frontend().setSink(
        [&err](const FrontendEvent &e) { err << kindName(e.kind) << ": " << e.text << "\n"; });
    if (options.trace) {
        host.trace().enable(true);
        host.trace().echoTo(&err);
    }
    // Without an input document the commands work on an empty A4 page.
    host.documents().open(Document::emptyA4());

    int status = kExitDone;
    for (const auto &failure : host.start()) {
        err << "vyncolors: " << failure << "\n";
        status = kExitRefused;
    }
    if (options.menus)
        for (const auto &line : host.menus().listing())
            out << line << "\n";
    if (options.renderAbout && status == kExitDone) status = renderAbout(host, *options.renderAbout, err);
    if (options.runsSettingsDialog() && status == kExitDone) status = runSettings(host, options, err);
    host.shutdown();
    return status;
}

} // namespace vyn::app
