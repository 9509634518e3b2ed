// SettingsActions.h — the settings dialog's options played as the user's
// actions, and what the command learns from the dialog before it closes.
//
// The options become actions in the order of the dialog's items, so that
// the plug-in's own procedures take each value as they take a person's
// (limits, the kind rule, tooltips). Just before OK or Cancel the command
// looks at the dialog: a font the list does not hold is refused, a value a
// field held at its limit is reported, and the picture is drawn. OK is
// pressed only when nothing was refused.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DialogSettings.h"

namespace vyn::host {
class UserActions;
struct DialogSnapshot;
} // namespace vyn::host

namespace vyn::app {

// The dialog's check boxes that decide what the chart build examines and
// which paints it takes for one, as they stood when OK or Cancel was pressed.
struct ChartChoices {
    bool selection = false;
    bool tints = false;
};

class SettingsActions {
  public:
    SettingsActions(DialogSettings settings, bool cancel, std::optional<std::filesystem::path> picture);

    // Queues the actions for the dialog. The queued actions refer to this
    // object, which must outlive the dialog. `beforeOK` runs just before OK
    // is pressed, when it is: what follows is the chart build.
    void queue(host::UserActions &user, std::function<void()> beforeOK = {});

    // After the dialog ran: whether it came as far as the look before OK
    // or Cancel, what it refused (bad usage: nothing was saved), and the
    // values it held at a limit.
    bool reviewed() const { return reviewed_; }
    const std::vector<std::string> &refusals() const { return refusals_; }
    const std::vector<std::string> &warnings() const { return warnings_; }
    bool pressedOK() const { return pressedOK_; }
    // Known once the dialog was reviewed.
    const std::optional<ChartChoices> &choices() const { return choices_; }

  private:
    void review(const host::DialogSnapshot &dialog);

    DialogSettings settings_;
    bool cancel_;
    std::optional<std::filesystem::path> picture_;
    std::function<void()> beforeOK_;
    bool reviewed_ = false;
    bool pressedOK_ = false;
    std::optional<ChartChoices> choices_;
    std::vector<std::string> refusals_;
    std::vector<std::string> warnings_;
};

} // namespace vyn::app
