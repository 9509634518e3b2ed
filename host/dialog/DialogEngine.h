// DialogEngine.h — runs modal dialogs: builds the model, calls the
// plug-in's procedures, replays the user's actions, keeps pictures.
//
// One engine belongs to the host. The ADM suites turn their handles into the
// engine's bindings (handles()) and call back into it for what involves the
// running dialog as a whole: creating items, default notification handling,
// ending the dialog. A modal dialog's life is written out in
// docs/dialog-protocol.md; dialogs nest, and the user's actions always go to
// the innermost one.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ADMDialog.h"
#include "dialog/DialogHandles.h"
#include "dialog/DialogModel.h"
#include "dialog/RecordingDrawer.h"
#include "dialog/UserActions.h"

namespace vyn::host {

// A dialog frozen at one moment: its state, its latest drawings, and the
// user actions it had been given until then (as printed).
struct DialogSnapshot {
    DialogModel model;
    DialogDrawings drawings;
    std::vector<std::string> replayed;

    std::string svg() const;
    // The replayed actions, one per line.
    std::string replayLog() const;
};

struct ModalRequest {
    SPPluginRef plugin = nullptr;
    std::string name; // UTF-8
    ASInt32 resourceId = 0;
    ADMDialogStyle style = kADMModalDialogStyle;
    ADMDialogInitProc initProc = nullptr;
    ADMUserData userData = nullptr;
    ASInt32 options = 0;
};

class DialogEngine {
  public:
    DialogEngine();
    ~DialogEngine();
    DialogEngine(const DialogEngine &) = delete;
    DialogEngine &operator=(const DialogEngine &) = delete;

    // The user's coming actions. Queue them before the command that opens
    // the dialog; what a dialog does not use stays for the next one.
    UserActions &user() { return user_; }

    // Runs one modal dialog to its end and returns the id of the item that
    // ended it (kADMNoModalResult when its initialisation failed). A new
    // dialog starts centred on `screen` until the plug-in places it.
    ASInt32 runModal(const ModalRequest &request, ADMRect screen);

    bool running() const { return !stack_.empty(); }
    // Whether a plug-in's initialisation, notification or drawing procedure
    // is running (drawing procedures count as dialog procedures too).
    bool inProcedure() const { return procedureDepth_ > 0; }
    bool inDrawingProcedure() const { return drawingDepth_ > 0; }
    std::size_t depth() const { return stack_.size(); }
    // The innermost running dialog, or null.
    const DialogModel *current() const;
    // Snapshot of the innermost running dialog; nothing when none runs.
    std::optional<DialogSnapshot> snapshot() const;

    // Every dialog that has ended, in the order they ended.
    const std::vector<DialogSnapshot> &finished() const { return finished_; }
    const DialogSnapshot *lastFinished() const { return finished_.empty() ? nullptr : &finished_.back(); }
    void clearFinished() { finished_.clear(); }

    // Actions that could not be carried out (no such item, a dimmed item,
    // text a field refused, a picture that could not be written). Each is
    // also shown as a warning by the running host.
    const std::vector<std::string> &problems() const { return problems_; }

    // Drops the icons a plug-in still holds (when it shuts down).
    void forgetPlugin(SPPluginRef plugin) { handles_.forgetIcons(plugin); }

    // ---- for the dialog suites -------------------------------------------
    DialogHandles &handles() { return handles_; }
    ItemBinding &createItem(RunningDialog &dialog, ItemKind kind, int id, ADMRect rect);
    EntryBinding &createEntry(ItemBinding &list);
    // The host's default handling of `notifier` for `item`.
    void defaultNotify(ItemBinding &item, const NotifierBinding &notifier);

  private:
    void show(RunningDialog &dialog);
    void replay(RunningDialog &dialog);
    void perform(RunningDialog &dialog, const UserAction &action);
    void typeInto(RunningDialog &dialog, const UserAction &action);
    void stepField(RunningDialog &dialog, const UserAction &action);
    void clickCheckBox(RunningDialog &dialog, const UserAction &action);
    void choose(RunningDialog &dialog, const UserAction &action);
    void press(RunningDialog &dialog, const UserAction &action, int buttonId);
    void escape(RunningDialog &dialog);
    void render(RunningDialog &dialog, const UserAction &action);

    // The item an action means: the first with its id that fits.
    std::optional<std::size_t> target(RunningDialog &dialog, const UserAction &action, int id,
                                      bool (*fits)(ItemKind), const char *what);
    void notify(RunningDialog &dialog, std::size_t index);
    void drawDialog(RunningDialog &dialog);
    void drawItem(RunningDialog &dialog, std::size_t index);
    void redrawInvalid(RunningDialog &dialog);
    void problem(RunningDialog &dialog, const UserAction &action, const std::string &why);
    // Runs one of the plug-in's procedures. An exception escaping it is the
    // plug-in's misbehaviour (a real host would not survive it): recorded,
    // and false returned, as for a procedure that failed.
    template <class Call> bool callProcedure(bool drawing, const std::string &what, Call &&call);
    static DialogSnapshot snapshotOf(const RunningDialog &dialog);

    UserActions user_;
    DialogHandles handles_;
    std::vector<std::unique_ptr<RunningDialog>> stack_;
    std::vector<DialogSnapshot> finished_;
    std::vector<std::string> problems_;
    int procedureDepth_ = 0;
    int drawingDepth_ = 0;
};

} // namespace vyn::host
