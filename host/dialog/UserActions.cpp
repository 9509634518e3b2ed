#include "dialog/UserActions.h"

namespace vyn::host {
namespace {

std::string quoted(const std::string &text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

std::string signedNumber(int n) {
    std::string text = n >= 0 ? "+" : "";
    return text += std::to_string(n);
}

UserAction action(UserAction::Kind kind, int item = 0) {
    UserAction a;
    a.kind = kind;
    a.item = item;
    return a;
}

} // namespace

std::string UserAction::print() const {
    const std::string id = std::to_string(item);
    switch (kind) {
    case Kind::Type: return "type(field " + id + ", " + quoted(text) + ")";
    case Kind::Step: return "step(field " + id + ", " + signedNumber(count) + (large ? ", large)" : ")");
    case Kind::ClickCheckBox: return "click(checkbox " + id + ")";
    case Kind::SetCheckBox: return "set(checkbox " + id + (on ? ", on)" : ", off)");
    case Kind::ClickIcon: return "click(icon " + id + ")";
    case Kind::ClickButton: return "click(button " + id + ")";
    case Kind::Choose:
        return "choose(list " + id + ", " + (index ? std::to_string(*index) : quoted(text)) + ")";
    case Kind::Move: return "move(dialog, " + signedNumber(dv) + ", " + signedNumber(dh) + ")";
    case Kind::PressOK: return "press(OK)";
    case Kind::PressCancel: return "press(Cancel)";
    case Kind::Close: return "close()";
    case Kind::Render: return "render(" + quoted(file.string()) + ")";
    case Kind::Inspect: return "inspect(" + quoted(text) + ")";
    case Kind::Confirm: return "confirm(" + quoted(text) + ")";
    }
    return "?";
}

UserActions &UserActions::type(int field, std::string text) {
    UserAction a = action(UserAction::Kind::Type, field);
    a.text = std::move(text);
    return push(std::move(a));
}

UserActions &UserActions::step(int field, int count, bool large) {
    UserAction a = action(UserAction::Kind::Step, field);
    a.count = count;
    a.large = large;
    return push(std::move(a));
}

UserActions &UserActions::clickCheckBox(int id) { return push(action(UserAction::Kind::ClickCheckBox, id)); }
UserActions &UserActions::setCheckBox(int id, bool on) {
    UserAction a = action(UserAction::Kind::SetCheckBox, id);
    a.on = on;
    return push(std::move(a));
}

UserActions &UserActions::clickIcon(int id) { return push(action(UserAction::Kind::ClickIcon, id)); }
UserActions &UserActions::clickButton(int id) { return push(action(UserAction::Kind::ClickButton, id)); }

UserActions &UserActions::choose(int list, std::string entryText) {
    UserAction a = action(UserAction::Kind::Choose, list);
    a.text = std::move(entryText);
    return push(std::move(a));
}

UserActions &UserActions::chooseIndex(int list, int index) {
    UserAction a = action(UserAction::Kind::Choose, list);
    a.index = index;
    return push(std::move(a));
}

UserActions &UserActions::move(int dv, int dh) {
    UserAction a = action(UserAction::Kind::Move);
    a.dv = dv;
    a.dh = dh;
    return push(std::move(a));
}

UserActions &UserActions::pressOK() { return push(action(UserAction::Kind::PressOK)); }
UserActions &UserActions::pressCancel() { return push(action(UserAction::Kind::PressCancel)); }
UserActions &UserActions::close() { return push(action(UserAction::Kind::Close)); }

UserActions &UserActions::render(std::filesystem::path file) {
    UserAction a = action(UserAction::Kind::Render);
    a.file = std::move(file);
    return push(std::move(a));
}

UserActions &UserActions::inspect(std::string label, std::function<void(const DialogSnapshot &)> check) {
    UserAction a = action(UserAction::Kind::Inspect);
    a.text = std::move(label);
    a.inspect = std::move(check);
    return push(std::move(a));
}

UserActions &UserActions::confirm(std::string label, std::function<bool(const DialogSnapshot &)> decide) {
    UserAction a = action(UserAction::Kind::Confirm);
    a.text = std::move(label);
    a.decide = std::move(decide);
    return push(std::move(a));
}

UserActions &UserActions::push(UserAction action) {
    queue_.push_back(std::move(action));
    return *this;
}

std::optional<UserAction> UserActions::next() {
    if (queue_.empty()) return std::nullopt;
    UserAction front = std::move(queue_.front());
    queue_.pop_front();
    return front;
}

std::string UserActions::print() const {
    std::string out;
    for (const auto &a : queue_)
        out += a.print() + "\n";
    return out;
}

} // namespace vyn::host
