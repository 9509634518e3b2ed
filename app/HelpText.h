// HelpText.h — the command's help, which is also its manual (docs/vyncolors.md
// quotes it verbatim; a test keeps the two equal).
#pragma once

namespace vyn::app {

inline constexpr const char *kHelpText = R"(Usage: vyncolors [options] [INPUT...] [-o OUTPUT]

Runs the Vyn•Colors plug-in inside the stand-in host: starts the host with
the plug-ins folder, lets the plug-in install its menu commands, does what
the options ask, and shuts everything down again.

With an INPUT document (.json, .svg or .svgz) it builds the document's
colour chart: chooses "Vyn•Colors…", sets the settings options in the
dialog, presses OK, prints the chart's rows on standard output (one label
a line) and writes the document with its chart. INPUT - is standard
input (its first bytes tell a JSON document from SVG), OUTPUT - standard
output (which then carries the document alone, not the rows).
  -o, --output FILE     Where to write, in the format of FILE's extension:
                        .json (the document format), .svg or .svgz (an SVG
                        input with the chart written into it; a JSON input
                        drawn as a picture), .png (a picture). The name
                        alone says whether SVG is compressed. Without it:
                        NAME-colors.EXT beside INPUT, in INPUT's format.
  --output-dir DIR      Write NAME-colors.EXT into the folder DIR instead.
  --format svg|svgz|json|png
                        The output's format where no file name tells it:
                        standard output (without it: the input's format,
                        uncompressed) and the NAME-colors names, which then
                        end in .FORMAT.
  --in-place            Rewrite INPUT itself. The input is never written
                        otherwise: an OUTPUT that is INPUT, even through a
                        link, is refused. A file rewritten in place keeps
                        its compression.
  --list                Print the rows and write nothing: no document, no
                        picture, no palette, no preferences.
  --json                Print the rows as a JSON document ("vyncolors-rows",
                        version 1; its schema is
                        docs/vyncolors-rows.schema.json): the input's name,
                        and each row's label, the kind and values of its
                        paint, the colour its box shows, how many of the
                        art objects the build examines use that paint as
                        fill and as stroke, and whether it overprints.
  --palette FILE        Write the rows as a palette too, in the format of
                        FILE's extension: .gpl (GIMP, Inkscape), .ase
                        (Adobe Swatch Exchange), .css (custom properties),
                        .csv (every row a line). May be given more than
                        once. With several INPUTs one palette holds the
                        rows of them all. What a format cannot hold (a
                        pattern, a gradient, a tint) is left out or made
                        plain, with a note on standard error.
  --select SELECTOR     SVG only: select the elements SELECTOR matches (ids,
                        classes, types, descendants, lists, as in CSS) and
                        tick "Selection", so that only they are examined.
                        An SVG file holds no selection: without --select
                        (or --selection) "Selection" is cleared.
  --place beside|artboard
                        Where the chart goes. beside (the default): on a
                        page of its own right of the artwork, which the
                        output's root grows to cover (an SVG file keeps a
                        record of its first size, so that a later run gives
                        the same bytes). artboard: at the active artboard's
                        corner, as the drawing application puts it; rows
                        that run past the artboard are counted in a
                        warning.
  --artboard N          Build the chart for artboard N (from 1) of a
                        document with several, instead of its active one.
  --dpi N               A .png output's resolution, in pixels an inch of the
                        page (default 144: two pixels a point). An SVG
                        input is drawn as the SVG it would be written as,
                        by librsvg; a JSON document as the host draws it.
                        A picture past 16384 pixels a side or 200
                        megapixels is refused, not drawn.
  --width PX            A .png output PX pixels wide instead (not with
                        --dpi).
  Files are written whole or not at all, and only when the build succeeded:
  after an alert, a refused setting or --cancel nothing is written.

Several documents:
  With several INPUTs each is charted into its own output, as one INPUT
  would be, and its rows are printed under a line "NAME:" (with --json: one
  JSON array of the documents; a --palette holds every document's rows,
  each paint once). A file that fails does not stop the
  others; the exit status is the worst of them, and a summary line goes to
  standard error, with a progress line while a long run goes on on a
  terminal.
  -j, --jobs N          Build N documents at once (default: the number of
                        cores), each in a process of its own. The output,
                        and its order, are the same for every N.

Settings dialog (Tool Palettes › Vyn•Tools › Vyn•Colors…):
  Any of these options opens the dialog, sets what they give as a person
  would, in the order of the dialog's items, and presses OK. A setting not
  given keeps the value the dialog shows, which is the stored one. What the
  options set, and what OK saves, holds for this run only, unless
  --save-settings is given.
  --font NAME           The label font: typed into the font list, which
                        selects the installed font of exactly that name.
  --text-size LEN       The label text size, in points (0.1 at least).
  --box-length LEN      The length and height of each box: a bare number is
  --box-height LEN      in millimetres, as the dialog shows them.
  --gap LEN             The gap between boxes (not negative), and the offset
  --offset-x LEN        of the first box from the artboard's top left
  --offset-y LEN        corner, in points.
  --[no-]patterns       Tick or clear the dialog's check boxes: the kinds of
  --[no-]gradients      paint sought, the tints of custom colours listed
  --[no-]custom         apart, only the selection examined. A box is
  --[no-]tints          clicked only when it shows the other state; "Tints"
  --[no-]other          cannot change while "Custom" is clear.
  --[no-]selection
  --cancel              Press Cancel instead of OK: nothing is saved, no
                        chart is built.
  --render-dialog FILE  Draw the dialog as it stands just before OK or
                        Cancel into FILE, as SVG or PNG by its extension.
  --prefs FILE          The preferences file the stored settings are read
                        from and, with --save-settings, saved to (default:
                        vyncolors/ under the XDG configuration folder);
                        /dev/null stores nothing.
  --save-settings       Store what OK saves in the preferences file, as the
                        drawing application would; a failure to store is
                        then exit status 2. Without it a run never fails for
                        want of a writable preferences file.
  A length LEN may end in a unit: pt, mm, cm, in or pc ("4 pt", "12mm").
  A value below a field's minimum (a box smaller than the text size) is
  held at that minimum, with a warning.

Other options:
  -q, --quiet           Print alerts and errors only: no warnings, and no
                        rows unless --list or --json asks for them.
  -v, --verbose         Also say where each document's chart was written.
  --menus               List the host's menus after start-up, one command per
                        line, as the path to it (the default without INPUT
                        when no other action is given).
  --render-about FILE   Choose "About Vyn•Tools…" › "Vyn•Colors…" and draw the
                        About box into FILE, as SVG or PNG by its extension.
  --plugins DIR         The plug-ins folder (default: the "plugins" folder
                        beside this program, or ../lib/vyncolors/plugins
                        from its folder when it is installed).
  --trace               Print every message and suite call on standard error.
  --timings             Print how long the phases took on standard error, a
                        line "timing: PHASE SECONDS" for each of read, build
                        (the settings dialog and the chart) and write.
  -h, --help            Show this help and exit.
  --version             Print the version and exit.

Without INPUT the host opens an empty A4 document and builds no chart.
Alerts, warnings and errors go to standard error.
Exit status: 0 done; 1 the plug-in refused to start or to run a command,
or an alert (or a beep) stopped the chart build: the rows made so far are
printed, nothing is written; 2 bad usage (a bad value, a font that is not
installed: nothing is saved), an unreadable folder or INPUT, settings
--save-settings could not store, or a file that could not be written.
)";

} // namespace vyn::app
