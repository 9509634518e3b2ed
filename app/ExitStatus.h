// ExitStatus.h — what came of a run of vyncolors, and the exit status each
// outcome gives: decided here and nowhere else (docs/vyncolors.md, "Exit
// status").
#pragma once

namespace vyn::app {

enum class Outcome {
    // Everything asked for was done.
    Done,
    // A plug-in did not start, a command failed or opened no dialog, or an
    // alert or a beep stopped the build: nothing was written.
    PluginRefused,
    // The command line cannot be used: nothing ran.
    BadUsage,
    // The dialog refused a setting, or its picture could not be drawn or
    // written: nothing was saved.
    SettingRefused,
    // The input document cannot be read: nothing ran.
    Unreadable,
    // OK could not save the settings.
    NotSaved,
    // A picture or the output could not be written; the old file is as it was.
    NotWritten,
    // Out of memory, or another failure said in its own words.
    Failed,
};

constexpr int exitStatusOf(Outcome outcome) {
    switch (outcome) {
    case Outcome::Done: return 0;
    case Outcome::PluginRefused: return 1;
    case Outcome::BadUsage:
    case Outcome::SettingRefused:
    case Outcome::Unreadable:
    case Outcome::NotSaved:
    case Outcome::NotWritten:
    case Outcome::Failed: return 2;
    }
    return 2;
}

} // namespace vyn::app
