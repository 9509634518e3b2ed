// UserActions.h — what the person in front of a modal dialog does, as a
// printable queue.
//
// The command line turns its options into actions and tests script them;
// the dialog engine takes them one by one, from the front, for whichever
// dialog is innermost when it needs the next one. Each action prints as one
// line, for example
//     type(field 7, "4 pt")
//     click(checkbox 16)
//     set(checkbox 17, off)
//     choose(list 2, "DejaVu Sans")
//     move(dialog, +10, -20)
//     press(OK)
// See docs/host-behaviour.md, "The user-action queue".
#pragma once

#include <cstddef>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vyn::host {

struct DialogSnapshot;

struct UserAction {
    enum class Kind {
        Type,          // text typed into a field and confirmed
        Step,          // arrows of a spin edit
        ClickCheckBox, // ticks or clears a check box
        SetCheckBox,   // clicks a check box only when it does not show `on`
        ClickIcon,     // a picture push button
        ClickButton,   // a text push button other than OK and Cancel
        Choose,        // an entry of a pop-up list, by text or index
        Move,          // drags the dialog by (dv, dh) pixels
        PressOK,       // push button 1
        PressCancel,   // push button 2
        Close,         // Escape: cancels the dialog
        Render,        // a picture of the dialog as it stands, to a file
        Inspect,       // hands a snapshot to a test
        Confirm        // PressOK when `decide` approves the dialog as it stands, else PressCancel
    };
    Kind kind = Kind::Close;
    int item = 0;
    std::string text;           // Type, Choose by text
    std::optional<int> index;   // Choose by index (from 0)
    int count = 0;              // Step: number of steps, signed
    bool large = false;         // Step: large steps
    bool on = false;            // SetCheckBox: the state wanted
    int dv = 0, dh = 0;         // Move
    std::filesystem::path file; // Render: .svg or .png
    std::function<void(const DialogSnapshot &)> inspect;
    std::function<bool(const DialogSnapshot &)> decide;

    std::string print() const;
};

class UserActions {
  public:
    UserActions &type(int field, std::string text);
    UserActions &step(int field, int count, bool large = false);
    UserActions &clickCheckBox(int id);
    // What a person does who wants the box ticked (`on`) or clear: looks,
    // and clicks only when it shows the other state.
    UserActions &setCheckBox(int id, bool on);
    UserActions &clickIcon(int id);
    UserActions &clickButton(int id);
    UserActions &choose(int list, std::string entryText);
    UserActions &chooseIndex(int list, int index);
    UserActions &move(int dv, int dh);
    UserActions &pressOK();
    UserActions &pressCancel();
    UserActions &close();
    UserActions &render(std::filesystem::path file);
    // `label` names the check in the printed queue.
    UserActions &inspect(std::string label, std::function<void(const DialogSnapshot &)> check);
    // Presses OK when `decide` approves the dialog as it stands, else
    // Cancel; `label` names the decision in the printed queue.
    UserActions &confirm(std::string label, std::function<bool(const DialogSnapshot &)> decide);
    UserActions &push(UserAction action);

    // Takes the front action; nothing when the queue is empty (closed).
    std::optional<UserAction> next();
    bool empty() const { return queue_.empty(); }
    std::size_t size() const { return queue_.size(); }
    const std::deque<UserAction> &pending() const { return queue_; }
    void clear() { queue_.clear(); }
    // One action per line.
    std::string print() const;

  private:
    std::deque<UserAction> queue_;
};

} // namespace vyn::host
