#include "Run.h"

#include <optional>
#include <ostream>

#include "Frontend.h"
#include "Host.h"
#include "HostError.h"
#include "MenuModel.h"
#include "Trace.h"
#include "dialog/DialogEngine.h"
#include "dialog/DialogRenderer.h"

namespace vyn::app {
namespace {

using namespace vyn::host;

// The About command, from the host's "About" group down.
const std::vector<std::string> kAboutCommand = {"About", "About Vyn•Tools…", "Vyn•Colors…"};

// Chooses the About command with the user pressing OK at once, and writes
// the picture of the box as it stood.
int renderAbout(Host &host, const std::filesystem::path &file, std::ostream &err) {
    std::optional<DialogSnapshot> about;
    host.dialogs().user().inspect("picture for " + file.string(),
                                  [&](const DialogSnapshot &s) { about = s; });
    host.dialogs().user().pressOK();
    try {
        if (ASErr code = host.chooseMenuItem(kAboutCommand)) {
            err << "vyncolors: the About command failed with code " << describeCode(code) << "\n";
            return kExitRefused;
        }
    } catch (const HostError &e) {
        err << "vyncolors: " << e.what() << " (did the plug-in start?)\n";
        return kExitRefused;
    }
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

} // namespace

int run(const Options &options, std::ostream &out, std::ostream &err) {
    HostOptions hostOptions;
    hostOptions.pluginsFolder = options.plugins;
    Host host(hostOptions);
    host.frontend().setSink(
        [&err](const FrontendEvent &e) { err << kindName(e.kind) << ": " << e.text << "\n"; });
    if (options.trace) {
        host.trace().enable(true);
        host.trace().echoTo(&err);
    }

    int status = kExitDone;
    for (const auto &failure : host.start()) {
        err << "vyncolors: " << failure << "\n";
        status = kExitRefused;
    }
    if (options.menus)
        for (const auto &line : host.menus().listing())
            out << line << "\n";
    if (options.renderAbout && status == kExitDone) status = renderAbout(host, *options.renderAbout, err);
    host.shutdown();
    return status;
}

} // namespace vyn::app
