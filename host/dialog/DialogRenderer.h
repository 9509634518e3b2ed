// DialogRenderer.h — pictures of dialogs.
//
// renderDialogSvg is a pure function of a dialog's state and its recorded
// drawings: the window frame with the title bar, the background, what the
// dialog's drawing procedure drew, then every item in creation order, drawn
// by its kind or, for an item with a drawing procedure, by what that
// procedure recorded (clipped to the item). One SVG user unit is one dialog
// pixel. PNG pictures go through librsvg and cairo, in the picture module
// (picture/Picture.h).
// See docs/host-behaviour.md, "Dialog pictures".
#pragma once

#include <string>

#include "dialog/DialogModel.h"
#include "dialog/RecordingDrawer.h"

namespace vyn::host {

// Height of the title bar and width of the frame around the content.
inline constexpr int kTitleBarHeight = 22;
inline constexpr int kFrameWidth = 1;

// PNG pictures of dialogs have two pixels per dialog pixel
// (picture/Picture.h).
inline constexpr double kDialogPngScale = 2.0;

// Text is measured to fit its item (textWidth), so this throws as svgToPng
// does when the picture module cannot be loaded.
std::string renderDialogSvg(const DialogModel &dialog, const DialogDrawings &drawings);

} // namespace vyn::host
