#include "dialog/DialogEngine.h"

#include <stdexcept>

#include "ADMNotifier.h"
#include "frontend/Frontend.h"
#include "Host.h"
#include "gate/Trace.h"
#include "dialog/DialogRenderer.h"
#include "picture/Picture.h"

namespace vyn::host {
namespace {

// The size a dialog has until its plug-in sets its bounds: dialog
// templates are not read (docs/host-behaviour.md, "Dialog templates").
constexpr int kStartWidth = 320;
constexpr int kStartHeight = 200;

void trace(const std::string &line) {
    Host *host = Host::current();
    if (host && host->trace().enabled()) host->trace().record("dialog " + line);
}

void frontend(FrontendEvent::Kind kind, const std::string &text) {
    if (Host *host = Host::current()) host->frontend().show(kind, text);
}

ADMRect startBounds(ADMRect screen) {
    const int left = screen.left + (screen.right - screen.left - kStartWidth) / 2;
    const int top = screen.top + (screen.bottom - screen.top - kStartHeight) / 3;
    return {static_cast<ASInt16>(top), static_cast<ASInt16>(left), static_cast<ASInt16>(top + kStartHeight),
            static_cast<ASInt16>(left + kStartWidth)};
}

bool isCheckBox(ItemKind kind) { return kind == ItemKind::TextCheckBox; }
bool isIcon(ItemKind kind) { return kind == ItemKind::PicturePushButton; }
bool isSpinEdit(ItemKind kind) { return kind == ItemKind::SpinEdit; }
bool isPopup(ItemKind kind) { return kind == ItemKind::TextEditPopup; }
bool isTypable(ItemKind kind) { return isSpinEdit(kind) || isPopup(kind); }

// Runs `undo` when the scope ends, however it ends.
template <class Undo> struct Scoped {
    Undo undo;
    ~Scoped() { undo(); }
};
template <class Undo> Scoped(Undo) -> Scoped<Undo>;

} // namespace

std::string DialogSnapshot::svg() const { return renderDialogSvg(model, drawings); }

std::string DialogSnapshot::replayLog() const {
    std::string log;
    for (const auto &line : replayed)
        log += line + "\n";
    return log;
}

DialogEngine::DialogEngine() = default;
DialogEngine::~DialogEngine() = default;

const DialogModel *DialogEngine::current() const { return stack_.empty() ? nullptr : &stack_.back()->model; }

std::optional<DialogSnapshot> DialogEngine::snapshot() const {
    if (stack_.empty()) return std::nullopt;
    return snapshotOf(*stack_.back());
}

DialogSnapshot DialogEngine::snapshotOf(const RunningDialog &dialog) {
    return {dialog.model, dialog.drawings, dialog.replayed};
}

template <class Call> bool DialogEngine::callProcedure(bool drawing, const std::string &what, Call &&call) {
    ++procedureDepth_;
    drawingDepth_ += drawing;
    Scoped leave{[this, drawing] {
        --procedureDepth_;
        drawingDepth_ -= drawing;
    }};
    try {
        return call();
    } catch (...) {
        if (Host *host = Host::current()) host->misbehaving("an exception escaped the " + what);
        return false;
    }
}

// ---- a modal dialog's life (docs/dialog-protocol.md) ---------------------

ASInt32 DialogEngine::runModal(const ModalRequest &request, ADMRect screen) {
    stack_.push_back(std::make_unique<RunningDialog>());
    RunningDialog &d = *stack_.back();
    d.model.name = request.name;
    d.model.resourceId = request.resourceId;
    d.model.style = request.style;
    d.model.options = request.options;
    d.model.plugin = request.plugin;
    d.model.userData = request.userData;
    d.model.bounds = startBounds(screen);
    handles_.addDialog(d);
    // However the dialog ends, its handles go and its snapshot stays.
    Scoped finish{[this, &d] {
        try {
            finished_.push_back(snapshotOf(d));
        } catch (const std::bad_alloc &) {
            // The snapshot is for tests; losing it must not stop the unwinding.
        }
        handles_.removeDialog(d);
        stack_.pop_back();
    }};

    trace("open " + d.model.name);
    if (request.initProc) trace("init " + d.model.name);
    if (request.initProc &&
        !callProcedure(false, "initialisation procedure of dialog \"" + d.model.name + "\"",
                       [&] { return request.initProc(d.handle) == kNoErr; })) {
        d.model.ended = true;
        d.model.result = kADMNoModalResult;
        trace("refused " + d.model.name);
        return kADMNoModalResult;
    }
    if (!d.model.ended) {
        show(d);
        replay(d);
    }
    trace("end " + d.model.name + " " + std::to_string(d.model.result));
    return d.model.result;
}

void DialogEngine::show(RunningDialog &d) {
    trace("show " + d.model.name);
    drawDialog(d);
    for (std::size_t i = 0; i < d.model.items.size(); ++i) {
        d.model.items[i].invalid = false;
        drawItem(d, i);
    }
}

void DialogEngine::replay(RunningDialog &d) {
    while (!d.model.ended) {
        std::optional<UserAction> action = user_.next();
        if (!action) {
            // No more input: the user walks away, which is Escape.
            d.replayed.push_back("close() [queue empty]");
            trace("user close() [queue empty]");
            escape(d);
            return;
        }
        perform(d, *action);
        if (!d.model.ended) redrawInvalid(d);
    }
}

void DialogEngine::perform(RunningDialog &d, const UserAction &a) {
    d.replayed.push_back(a.print());
    trace("user " + a.print());
    using Kind = UserAction::Kind;
    switch (a.kind) {
    case Kind::Type: typeInto(d, a); break;
    case Kind::Step: stepField(d, a); break;
    case Kind::ClickCheckBox: clickCheckBox(d, a); break;
    case Kind::SetCheckBox: {
        // Already showing the state wanted, dimmed or not: nothing to click.
        auto shown = d.model.find(a.item, isCheckBox);
        if (!shown || d.model.items[*shown].checked != a.on) clickCheckBox(d, a);
        break;
    }
    case Kind::ClickIcon:
        if (auto i = target(d, a, a.item, isIcon, "icon")) notify(d, *i);
        break;
    case Kind::ClickButton:
        if (auto i = target(d, a, a.item, isPushButton, "button")) notify(d, *i);
        break;
    case Kind::Choose: choose(d, a); break;
    case Kind::Move: d.model.move(a.dv, a.dh); break;
    case Kind::PressOK: press(d, a, kADMDefaultItemID); break;
    case Kind::PressCancel: press(d, a, kADMCancelItemID); break;
    case Kind::Close: escape(d); break;
    case Kind::Render: render(d, a); break;
    case Kind::Inspect:
        if (a.inspect) a.inspect(snapshotOf(d));
        break;
    case Kind::Confirm: {
        UserAction press;
        press.kind = a.decide && a.decide(snapshotOf(d)) ? Kind::PressOK : Kind::PressCancel;
        perform(d, press);
        break;
    }
    }
}

// ---- the actions ---------------------------------------------------------

void DialogEngine::typeInto(RunningDialog &d, const UserAction &a) {
    auto i = target(d, a, a.item, isTypable, "field");
    if (!i) return;
    DialogItem &item = d.model.items[*i];
    if (item.kind == ItemKind::SpinEdit) {
        std::optional<double> points = parseTypedValue(a.text, item.unit);
        if (!points) {
            // The field beeps and keeps its value; its owner hears nothing.
            frontend(FrontendEvent::Kind::Beep, "");
            problem(d, a, "the field does not read \"" + a.text + "\" as a number");
            return;
        }
        d.model.setValue(*i, *points);
    } else {
        d.model.typeIntoPopup(*i, a.text);
    }
    d.model.activate(*i, true);
    notify(d, *i);
}

void DialogEngine::clickCheckBox(RunningDialog &d, const UserAction &a) {
    if (auto i = target(d, a, a.item, isCheckBox, "check box")) {
        d.model.items[*i].checked = !d.model.items[*i].checked;
        notify(d, *i);
    }
}

void DialogEngine::stepField(RunningDialog &d, const UserAction &a) {
    auto i = target(d, a, a.item, isSpinEdit, "field");
    if (!i) return;
    const DialogItem &item = d.model.items[*i];
    const double step = a.large ? item.largeStep : item.smallStep;
    d.model.setValue(*i, static_cast<double>(item.value) + a.count * step);
    notify(d, *i);
}

void DialogEngine::choose(RunningDialog &d, const UserAction &a) {
    auto i = target(d, a, a.item, isPopup, "list");
    if (!i) return;
    const auto &entries = d.model.items[*i].entries;
    std::optional<std::size_t> entry;
    if (a.index) {
        if (*a.index >= 0 && static_cast<std::size_t>(*a.index) < entries.size())
            entry = static_cast<std::size_t>(*a.index);
    } else {
        for (std::size_t e = 0; e < entries.size() && !entry; ++e)
            if (entries[e].text == a.text) entry = e;
    }
    if (!entry) return problem(d, a, "the list has no such entry");
    d.model.selectEntry(*i, *entry, true);
    notify(d, *i);
}

void DialogEngine::press(RunningDialog &d, const UserAction &a, int buttonId) {
    if (auto i = target(d, a, buttonId, isPushButton, "button")) notify(d, *i);
}

void DialogEngine::escape(RunningDialog &d) {
    auto cancel = d.model.find(kADMCancelItemID, isPushButton);
    if (cancel && d.model.items[*cancel].enabled) notify(d, *cancel);
    // A cancel button that does not close the dialog cannot keep it open.
    if (d.model.end(kADMCancelItemID, true)) trace("escape ends " + d.model.name);
}

void DialogEngine::render(RunningDialog &d, const UserAction &a) {
    std::string svg;
    try {
        svg = snapshotOf(d).svg();
    } catch (const std::runtime_error &e) {
        problem(d, a, e.what());
        return;
    }
    if (auto failure = writePicture(svg, a.file, kDialogPngScale)) problem(d, a, failure->message(a.file));
}

std::optional<std::size_t> DialogEngine::target(RunningDialog &d, const UserAction &a, int id,
                                                bool (*fits)(ItemKind), const char *what) {
    auto i = d.model.find(id, fits);
    if (!i) {
        problem(d, a, std::string("the dialog has no ") + what + " " + std::to_string(id));
        return std::nullopt;
    }
    if (!d.model.items[*i].enabled) {
        problem(d, a, std::string("the ") + what + " is dimmed");
        return std::nullopt;
    }
    return i;
}

void DialogEngine::problem(RunningDialog &d, const UserAction &a, const std::string &why) {
    std::string text = "dialog \"" + d.model.name + "\": " + a.print() + ": " + why;
    problems_.push_back(text);
    frontend(FrontendEvent::Kind::Warning, text);
}

// ---- notifications and drawing -------------------------------------------

void DialogEngine::notify(RunningDialog &d, std::size_t index) {
    ItemBinding &binding = d.items[index];
    NotifierBinding notifier{kADMUserChangedNotifier, &binding};
    ADMNotifierRef handle = handles_.addNotifier(notifier);
    Scoped withdraw{[this, handle] { handles_.removeNotifier(handle); }};
    trace("notify item " + std::to_string(d.model.items[index].id));
    if (ADMItemNotifyProc proc = d.model.items[index].notifyProc)
        callProcedure(false, "notification procedure of item " + std::to_string(d.model.items[index].id),
                      [&] {
                          proc(binding.handle, handle);
                          return true;
                      });
    else
        defaultNotify(binding, notifier);
}

void DialogEngine::defaultNotify(ItemBinding &binding, const NotifierBinding &notifier) {
    const DialogItem &item = binding.item();
    trace("default item " + std::to_string(item.id));
    if (notifier.type != kADMUserChangedNotifier || !isPushButton(item.kind)) return;
    if (item.id == kADMDefaultItemID) binding.model().end(kADMDefaultItemID, false);
    if (item.id == kADMCancelItemID) binding.model().end(kADMCancelItemID, true);
}

void DialogEngine::drawDialog(RunningDialog &d) {
    ADMDialogDrawProc proc = d.model.drawProc;
    if (!proc) return;
    DrawerBinding drawer{RecordingDrawer(d.model.width(), d.model.height()), &d};
    ADMDrawerRef handle = handles_.addDrawer(drawer);
    Scoped withdraw{[this, handle] { handles_.removeDrawer(handle); }};
    trace("draw dialog");
    callProcedure(true, "drawing procedure of dialog \"" + d.model.name + "\"", [&] {
        proc(d.handle, handle);
        return true;
    });
    d.drawings.dialog = drawer.drawer.take();
    d.drawings.dialogDrawn = true;
}

void DialogEngine::drawItem(RunningDialog &d, std::size_t index) {
    const DialogItem &item = d.model.items[index];
    ADMItemDrawProc proc = item.drawProc;
    if (!proc) return;
    DrawerBinding drawer{RecordingDrawer(item.width(), item.height()), &d};
    ADMDrawerRef handle = handles_.addDrawer(drawer);
    Scoped withdraw{[this, handle] { handles_.removeDrawer(handle); }};
    trace("draw item " + std::to_string(item.id));
    callProcedure(true, "drawing procedure of item " + std::to_string(item.id), [&] {
        proc(d.items[index].handle, handle);
        return true;
    });
    d.drawings.items[index] = drawer.drawer.take();
}

void DialogEngine::redrawInvalid(RunningDialog &d) {
    // Items a drawing procedure invalidates wait for the next round.
    std::vector<std::size_t> due;
    for (std::size_t i = 0; i < d.model.items.size(); ++i)
        if (d.model.items[i].invalid) {
            d.model.items[i].invalid = false;
            due.push_back(i);
        }
    for (std::size_t i : due)
        drawItem(d, i);
}

ItemBinding &DialogEngine::createItem(RunningDialog &dialog, ItemKind kind, int id, ADMRect rect) {
    return handles_.addItem(dialog, dialog.model.add(kind, id, rect));
}

EntryBinding &DialogEngine::createEntry(ItemBinding &list) {
    auto &entries = list.item().entries;
    entries.emplace_back();
    return handles_.addEntry(list, entries.size() - 1);
}

} // namespace vyn::host
