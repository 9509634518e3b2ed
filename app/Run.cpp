#include "Run.h"

#include "chart/ChartRows.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "frontend/Frontend.h"
#include "Host.h"
#include "Batch.h"
#include "gate/HostError.h"
#include "frontend/MenuModel.h"
#include "preferences/Preferences.h"
#include "InputDocument.h"
#include "OutputDocument.h"
#include "PhaseTimings.h"
#include "RowsReport.h"
#include "palette/Palettes.h"
#include "SettingsActions.h"
#include "gate/Trace.h"
#include "model/Document.h"
#include "dialog/DialogEngine.h"
#include "dialog/DialogRenderer.h"
#include "picture/Picture.h"

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
Outcome renderAbout(Host &host, const std::filesystem::path &file, std::ostream &err) {
    std::optional<DialogSnapshot> about;
    host.dialogs().user().inspect("picture for " + file.string(),
                                  [&](const DialogSnapshot &s) { about = s; });
    host.dialogs().user().pressOK();
    if (!choose(host, kAboutCommand, "About", err)) return Outcome::PluginRefused;
    if (!about) {
        err << "vyncolors: the About box did not open\n";
        return Outcome::PluginRefused;
    }
    std::string svg;
    try {
        svg = about->svg();
    } catch (const std::runtime_error &e) {
        err << "vyncolors: " << e.what() << "\n";
        return Outcome::NotWritten;
    }
    if (auto failure = writePicture(svg, file, kDialogPngScale)) {
        err << "vyncolors: " << failure->message(file) << "\n";
        return Outcome::NotWritten;
    }
    return Outcome::Done;
}

// What came of the settings dialog.
struct SettingsOutcome {
    Outcome outcome = Outcome::Done;
    bool pressedOK = false;
    ChartChoices choices;      // as the dialog stood at OK
    bool buildRefused = false; // an alert or a beep after OK: the build stopped
};

bool stopsTheBuild(FrontendEvent::Kind kind) {
    using Kind = FrontendEvent::Kind;
    return kind == Kind::ErrorAlert || kind == Kind::Alert || kind == Kind::Beep;
}

// Chooses "Vyn•Colors…" with the user setting what `options` give, then
// pressing OK, or Cancel when asked to or when a setting was refused.
SettingsOutcome runSettings(Host &host, const Options &options, std::ostream &err, std::ostream &warnings) {
    SettingsOutcome outcome;
    SettingsActions settings(options.settings, options.cancel, options.renderDialog);
    std::size_t eventsBeforeOK = 0;
    settings.queue(host.dialogs().user(), [&] { eventsBeforeOK = host.frontend().events().size(); });
    const bool chosen = choose(host, kSettingsCommand, "Vyn•Colors", err);
    // Left over when no dialog took them; they refer to `settings`.
    host.dialogs().user().clear();
    for (const auto &warning : settings.warnings())
        warnings << "vyncolors: warning: " << warning << "\n";
    for (const auto &refusal : settings.refusals())
        err << "vyncolors: " << refusal << "\n";
    outcome.pressedOK = settings.pressedOK();
    if (settings.choices()) outcome.choices = *settings.choices();
    if (outcome.pressedOK) {
        const auto &events = host.frontend().events();
        outcome.buildRefused =
            std::any_of(events.begin() + static_cast<std::ptrdiff_t>(eventsBeforeOK), events.end(),
                        [](const FrontendEvent &e) { return stopsTheBuild(e.kind); });
    }
    if (!settings.refusals().empty()) {
        outcome.outcome = Outcome::SettingRefused;
    } else if (!chosen) {
        outcome.outcome = Outcome::PluginRefused;
    } else if (!settings.reviewed()) {
        err << "vyncolors: the settings dialog did not open\n";
        outcome.outcome = Outcome::PluginRefused;
    } else if (const std::string &unsaved = host.preferences().unsaved(); !unsaved.empty()) {
        // OK was meant to keep the settings: not keeping them is no success.
        err << "vyncolors: the settings were not saved: " << unsaved << "\n";
        outcome.outcome = Outcome::NotSaved;
    }
    return outcome;
}

// The chart of the input document: built through the settings dialog's OK,
// its rows printed, the document written. Rows made before an alert are
// printed all the same; nothing is written unless everything succeeded.
Outcome buildChart(Host &host, const Options &options, const InputDocument &input, PhaseTimings &timings,
                   std::ostream &out, std::ostream &err, std::ostream &warnings) {
    // Each build makes a new chart group; the one there before is no chart
    // of this run.
    Document &open = *host.documents().current();
    const ArtId earlierChart = chartGroup(open);
    const DocumentJob &job = options.documents.front();
    if (job.artboard) {
        if (std::size_t(*job.artboard) > open.artboards.size()) {
            err << "vyncolors: --artboard " << *job.artboard << ": the document has "
                << open.artboards.size() << (open.artboards.size() == 1 ? " artboard" : " artboards") << "\n";
            return Outcome::BadUsage;
        }
        open.activeArtboard = *job.artboard - 1;
    }
    const PlacementBefore placement = prepareChartPlacement(open, job.placement);
    const SettingsOutcome settings = [&] {
        auto stopwatch = timings.time("build");
        return runSettings(host, options, err, warnings);
    }();
    finishChartPlacement(*host.documents().current(), placement);
    if (!settings.pressedOK) return settings.outcome;
    const Document &document = *host.documents().current();
    std::vector<ChartRow> rows;
    if (chartGroup(document) != earlierChart) rows = chartRows(document);
    // What --json, the palettes and a batch's palettes say of each row,
    // worked out once. Standard output carries either the rows or the
    // document.
    std::vector<RowFacts> facts;
    if (options.json || !job.palettes.empty() || options.rowsForBatch)
        facts = rowFacts(document, rows, {settings.choices.selection, settings.choices.tints});
    if (options.json)
        printRowsJson(facts, job.input.string(), out);
    else if (!job.toStandardOutput && (job.list || options.verbosity != Verbosity::Quiet))
        printRowLabels(rows, out);
    if (job.placement == Placement::Artboard && !rows.empty()) {
        const RowsOutside outside = rowsOutsideArtboard(document);
        if (outside.outside > 0)
            warnings << "vyncolors: warning: " << (outside.below > 0 ? outside.below : outside.outside) << " of "
                << rows.size() << " rows lie " << (outside.below > 0 ? "below" : "outside") << " the artboard\n";
    }
    if (settings.outcome != Outcome::Done) return settings.outcome;
    if (settings.buildRefused) return Outcome::PluginRefused;
    if (job.list) return Outcome::Done;
    auto stopwatch = timings.time("write");
    removeEmptyChartGroups(*host.documents().current());
    if (auto failure = writeOutput(document, input.svg ? &*input.svg : nullptr, job)) {
        err << "vyncolors: " << *failure << "\n";
        return Outcome::NotWritten;
    }
    if (options.rowsForBatch) printRowsJson(facts, job.input.string(), *options.rowsForBatch);
    if (options.verbosity == Verbosity::Verbose)
        err << "vyncolors: " << job.input.string() << ": " << rows.size() << (rows.size() == 1 ? " row" : " rows")
            << " charted into " << (job.toStandardOutput ? "standard output" : job.output.string()) << "\n";
    return writePalettes(facts, job.palettes, job.input.string(), err, warnings) ? Outcome::Done
                                                                                 : Outcome::NotWritten;
}

HostOptions hostOptionsFor(const Options &options) {
    HostOptions host;
    host.pluginsFolder = options.plugins;
    if (options.prefs) host.preferencesFile = *options.prefs;
    host.savePreferences = options.saveSettings;
    return host;
}

// Drops what it is given: the warnings of a quiet run.
class NullStream final : public std::ostream {
  public:
    NullStream() : std::ostream(nullptr) {}
};

Outcome runTimed(const Options &given, PhaseTimings &timings, std::ostream &out, std::ostream &err,
                 const HostPreparation &prepare) {
    NullStream dropped;
    std::ostream &warnings = given.verbosity == Verbosity::Quiet ? dropped : err;
    // The input is read before anything runs: an unusable one stops here.
    std::optional<InputDocument> input;
    if (!given.documents.empty()) {
        {
            auto stopwatch = timings.time("read");
            input = readInput(given.documents.front(), err, warnings);
        }
        if (!input) return Outcome::Unreadable;
    }
    Options options = given;
    // An SVG file holds no selection: "Selection" would find nothing, and
    // is cleared unless the command line ticks it.
    if (input && input->svg && !options.settings.selection) options.settings.selection = false;

    Host host(hostOptionsFor(options));
    host.frontend().setSink(
        [&err](const FrontendEvent &e) { err << kindName(e.kind) << ": " << e.text << "\n"; });
    if (options.trace) {
        host.trace().enable(true);
        host.trace().echoTo(&err);
    }
    // Without an input document the commands work on an empty A4 page.
    host.documents().open(input ? std::move(input->document) : Document::emptyA4());
    if (prepare) prepare(host);

    Outcome outcome = Outcome::Done;
    for (const auto &failure : host.start()) {
        err << "vyncolors: " << failure << "\n";
        outcome = Outcome::PluginRefused;
    }
    if (options.menus)
        for (const auto &line : host.menus().listing())
            out << line << "\n";
    if (options.renderAbout && outcome == Outcome::Done)
        outcome = renderAbout(host, *options.renderAbout, err);
    if (outcome == Outcome::Done) {
        if (input)
            outcome = buildChart(host, options, *input, timings, out, err, warnings);
        else if (options.runsSettingsDialog())
            outcome = runSettings(host, options, err, warnings).outcome;
    }
    host.shutdown();
    return outcome;
}

} // namespace

Outcome run(const Options &options, std::ostream &out, std::ostream &err, const HostPreparation &prepare) {
    if (options.documents.size() > 1)
        return runBatch(options, out, err, [&prepare](const Options &one, std::ostream &o, std::ostream &e) {
            return run(one, o, e, prepare);
        });
    PhaseTimings timings;
    const Outcome outcome = runTimed(options, timings, out, err, prepare);
    if (options.timings) timings.print(err);
    return outcome;
}

} // namespace vyn::app
