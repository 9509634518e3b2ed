#include "dialog/DialogLook.h"

#include <cmath>
#include <cstdio>

#include "ADMDrawer.h"
#include "picture/PictureModuleLoader.h"

namespace vyn::host {
namespace {

constexpr const char *kSans = "DejaVu Sans";
constexpr const char *kMono = "DejaVu Sans Mono";
constexpr double kDialogSize = 11;
constexpr double kPaletteSize = 9;

constexpr ADMRGBColor grey(unsigned level) {
    auto c = static_cast<ASUInt16>(level * 257);
    return {c, c, c};
}

} // namespace

FontLook fontLook(int code) {
    switch (code) {
    case kADMDialogFont: return {kSans, kDialogSize, false, false};
    case kADMPaletteFont: return {kSans, kPaletteSize, false, false};
    case kADMItalicDialogFont: return {kSans, kDialogSize, false, true};
    case kADMItalicPaletteFont: return {kSans, kPaletteSize, false, true};
    case kADMBoldDialogFont: return {kSans, kDialogSize, true, false};
    case kADMBoldPaletteFont: return {kSans, kPaletteSize, true, false};
    case kADMBoldItalicDialogFont: return {kSans, kDialogSize, true, true};
    case kADMBoldItalicPaletteFont: return {kSans, kPaletteSize, true, true};
    case kADMFixedWidthFont: return {kMono, kDialogSize, false, false};
    case kADMItalicFixedWidthFont: return {kMono, kDialogSize, false, true};
    case kADMBoldFixedWidthFont: return {kMono, kDialogSize, true, false};
    case kADMBoldItalicFixedWidthFont: return {kMono, kDialogSize, true, true};
    case kADMSmallDialogFont: return {kSans, kPaletteSize, false, false};
    default: return {kSans, kDialogSize, false, false};
    }
}

double textWidth(const std::string &utf8, int code) {
    const FontLook f = fontLook(code);
    return pictureModule().textAdvance(utf8.c_str(), f.family, f.size, f.bold, f.italic);
}

ADMRGBColor interfaceColour(int code) {
    switch (code) {
    case kADMWhiteColor: return grey(0xFF);
    case kADMHiliteColor: return look::kHighlight;
    case kADMHiliteTextColor: return grey(0xFF);
    case kADMLightColor: return grey(0xF6);
    case kADMBackgroundColor: return look::kBackground;
    case kADMShadowColor: return grey(0xA0);
    case kADMDisabledColor: return look::kDimmedText;
    case kADMButtonUpColor: return look::kButtonFace;
    case kADMButtonDownColor: return grey(0xD4);
    case kADMWindowColor: return grey(0xFF);
    case kADMTextColor: return look::kText;
    default: return grey(0); // kADMBlackColor and unknown codes
    }
}

std::string cssColour(ADMRGBColor colour) {
    auto eight = [](ASUInt16 c) { return static_cast<unsigned>(std::lround(c / 257.0)); };
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", eight(colour.red), eight(colour.green),
                  eight(colour.blue));
    return buffer;
}

} // namespace vyn::host
