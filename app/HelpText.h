// HelpText.h — the command's help, which is also its manual (docs/vyncolors.md
// quotes it verbatim; a test keeps the two equal).
#pragma once

namespace vyn::app {

inline constexpr const char *kHelpText = R"(Usage: vyncolors [options]

Runs the Vyn•Colors plug-in inside the stand-in host: starts the host with
the plug-ins folder, lets the plug-in install its menu commands, does what
the options ask, and shuts everything down again.

Options:
  --menus               List the host's menus after start-up, one command per
                        line, as the path to it (the default when no other
                        action is given).
  --render-about FILE   Choose "About Vyn•Tools…" › "Vyn•Colors…" and draw the
                        About box into FILE, as SVG or PNG by its extension.
  --plugins DIR         The plug-ins folder (default: the "plugins" folder
                        beside this program).
  --trace               Print every message and suite call on standard error.
  -h, --help            Show this help and exit.
  --version             Print the version and exit.

Alerts and warnings go to standard error.
Exit status: 0 done; 1 the plug-in refused to start or to run a command;
2 bad usage, an unreadable folder or an unwritable file.
)";

} // namespace vyn::app
