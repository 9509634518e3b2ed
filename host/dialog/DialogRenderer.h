// DialogRenderer.h — pictures of dialogs.
//
// renderDialogSvg is a pure function of a dialog's state and its recorded
// drawings: the window frame with the title bar, the background, what the
// dialog's drawing procedure drew, then every item in creation order, drawn
// by its kind or, for an item with a drawing procedure, by what that
// procedure recorded (clipped to the item). One SVG user unit is one dialog
// pixel. PNG pictures go through librsvg and cairo, in the picture module
// (PictureModuleLoader.h).
// See docs/host-behaviour.md, "Dialog pictures".
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dialog/DialogModel.h"
#include "dialog/RecordingDrawer.h"

namespace vyn::host {

// Height of the title bar and width of the frame around the content.
inline constexpr int kTitleBarHeight = 22;
inline constexpr int kFrameWidth = 1;

// Text is measured to fit its item (textWidth), so this throws as svgToPng
// does when the picture module cannot be loaded.
std::string renderDialogSvg(const DialogModel &dialog, const DialogDrawings &drawings);

// The SVG document drawn at `scale` times its own size, as PNG bytes.
// Throws std::runtime_error with librsvg's reason when the SVG cannot be read,
// or with the loader's when the picture module cannot be loaded.
std::vector<unsigned char> svgToPng(const std::string &svg, double scale);

// Writes `svg` to `file`, as SVG text or, for a name ending in .png, as a
// PNG drawn at `pngScale` times the SVG's size. The file appears whole or
// not at all (see AtomicFile.h). Throws std::runtime_error with a sentence
// naming the file and the cause when it cannot.
void writePicture(const std::string &svg, const std::filesystem::path &file, double pngScale = 2.0);

} // namespace vyn::host
