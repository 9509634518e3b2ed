// DialogLook.h — the host's interface fonts and colours.
//
// The interface names fonts and colours by number and leaves their look to
// the host; these tables are that look. Text is set in DejaVu Sans (DejaVu
// Sans Mono for the fixed-width codes), which every machine of the project
// has. See docs/host-behaviour.md, "Dialog fonts" and "Dialog colours".
#pragma once

#include <string>

#include "ASTypes.h"

namespace vyn::host {

struct FontLook {
    const char *family;
    double size; // pixels
    bool bold;
    bool italic;
};

// An unknown code gives the default font (code 0).
FontLook fontLook(int code);
// The advance of `utf8` set in interface font `code`, in pixels, as the
// picture renderer's fonts measure it. Throws std::runtime_error when the
// picture module cannot be loaded (picture/PictureModuleLoader.h).
double textWidth(const std::string &utf8, int code);
// An unknown code gives black.
ADMRGBColor interfaceColour(int code);

// The colours of what the host itself draws.
namespace look {
inline constexpr ADMRGBColor kBackground{0xECEC, 0xECEC, 0xECEC};
inline constexpr ADMRGBColor kText{0x0000, 0x0000, 0x0000};
inline constexpr ADMRGBColor kDimmedText{0x9A9A, 0x9A9A, 0x9A9A};
inline constexpr ADMRGBColor kBorder{0x8A8A, 0x8A8A, 0x8A8A};
inline constexpr ADMRGBColor kField{0xFFFF, 0xFFFF, 0xFFFF};
inline constexpr ADMRGBColor kButtonFace{0xFAFA, 0xFAFA, 0xFAFA};
inline constexpr ADMRGBColor kHighlight{0x3838, 0x7575, 0xD7D7};
inline constexpr ADMRGBColor kTitleBar{0xD6D6, 0xD6D6, 0xD6D6};
inline constexpr ADMRGBColor kFrame{0x6E6E, 0x6E6E, 0x6E6E};
} // namespace look

// "#rrggbb", each 16-bit channel rounded to 8 bits.
std::string cssColour(ADMRGBColor colour);

} // namespace vyn::host
