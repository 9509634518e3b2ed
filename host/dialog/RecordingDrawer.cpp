#include "dialog/RecordingDrawer.h"

#include "dialog/DialogLook.h"

namespace vyn::host {

void RecordingDrawer::setInterfaceColour(int code) { colour_ = interfaceColour(code); }

void RecordingDrawer::setFont(int code) {
    font_ = code >= kADMDefaultFont && code <= kADMSmallDialogFont ? code : kADMDefaultFont;
}

void RecordingDrawer::clearAll() {
    add(DrawOp::Kind::Clear, {0, 0, static_cast<ASInt16>(height_), static_cast<ASInt16>(width_)});
}

void RecordingDrawer::line(ADMPoint from, ADMPoint to) {
    DrawOp &op = add(DrawOp::Kind::Line);
    op.from = from;
    op.to = to;
}

void RecordingDrawer::text(std::string utf8, ADMPoint origin) {
    DrawOp &op = add(DrawOp::Kind::Text);
    op.from = origin;
    op.text = std::move(utf8);
}

void RecordingDrawer::textCentred(std::string utf8, ADMRect rect) {
    add(DrawOp::Kind::TextCentred, rect).text = std::move(utf8);
}

void RecordingDrawer::icon(std::shared_ptr<const IconPicture> picture, ADMPoint topLeft) {
    if (!picture) return;
    DrawOp &op = add(DrawOp::Kind::Icon);
    op.from = topLeft;
    op.icon = std::move(picture);
}

DrawOp &RecordingDrawer::add(DrawOp::Kind kind, ADMRect rect) {
    DrawOp op;
    op.kind = kind;
    op.rect = rect;
    op.colour = colour_;
    op.font = font_;
    ops_.push_back(std::move(op));
    return ops_.back();
}

} // namespace vyn::host
