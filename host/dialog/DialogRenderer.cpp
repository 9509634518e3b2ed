#include "dialog/DialogRenderer.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>

#include "dialog/DialogLook.h"
#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

// ---- SVG text helpers ----------------------------------------------------

// Dialog coordinates are whole and half pixels.
constexpr SvgPrecision kPixels = SvgPrecision::Hundredths;

std::string base64(const std::string &bytes) {
    static const char *digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        unsigned n = (static_cast<unsigned char>(bytes[i]) << 16) |
                     (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                     static_cast<unsigned char>(bytes[i + 2]);
        out += {digits[n >> 18], digits[(n >> 12) & 63], digits[(n >> 6) & 63], digits[n & 63]};
    }
    if (std::size_t rest = bytes.size() - i) {
        unsigned n = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += {digits[n >> 18], digits[(n >> 12) & 63], rest == 2 ? digits[(n >> 6) & 63] : '=', '='};
    }
    return out;
}

std::string fontAttributes(int code) {
    FontLook f = fontLook(code);
    std::string a =
        " font-family=\"" + std::string(f.family) + "\" font-size=\"" + svgNumber(f.size, kPixels) + "\"";
    if (f.bold) a += " font-weight=\"bold\"";
    if (f.italic) a += " font-style=\"italic\"";
    return a;
}

// Baseline that centres a line of text vertically on `middle`.
double baselineFor(double middle, int font) { return middle + fontLook(font).size * 0.35; }

std::string textElement(const std::string &text, double x, double y, int font, ADMRGBColor colour,
                        const char *anchor = "start") {
    std::string e = "<text x=\"" + svgNumber(x, kPixels) + "\" y=\"" + svgNumber(y, kPixels) + "\"" +
                    fontAttributes(font) + " fill=\"" + cssColour(colour) + "\" xml:space=\"preserve\"";
    if (std::string(anchor) != "start") e += std::string(" text-anchor=\"") + anchor + "\"";
    return e + ">" + xmlEscaped(text, XmlEscaping::Lenient) + "</text>\n";
}

std::string rectElement(double x, double y, double w, double h, const std::string &attributes) {
    return "<rect x=\"" + svgNumber(x, kPixels) + "\" y=\"" + svgNumber(y, kPixels) + "\" width=\"" +
           svgNumber(w, kPixels) + "\" height=\"" + svgNumber(h, kPixels) + "\" " + attributes + "/>\n";
}

std::string filled(ADMRGBColor c) { return "fill=\"" + cssColour(c) + "\""; }
std::string outlined(ADMRGBColor c, double width = 1) {
    return "fill=\"none\" stroke=\"" + cssColour(c) + "\" stroke-width=\"" + svgNumber(width, kPixels) + "\"";
}

// ---- recorded operations -------------------------------------------------

// Numbers the icons of one picture, so that each gets its own id prefix.
struct IconCounter {
    int next = 0;
};

void prefixIds(pugi::xml_node node, const std::string &prefix) {
    for (pugi::xml_attribute a : node.attributes()) {
        std::string name = a.name(), value = a.value();
        if (name == "id") {
            value = prefix + value;
        } else if ((name == "href" || name == "xlink:href") && value.rfind('#', 0) == 0) {
            value = "#" + prefix + value.substr(1);
        } else {
            for (std::size_t at = value.find("url(#"); at != std::string::npos;
                 at = value.find("url(#", at + 5))
                value.insert(at + 5, prefix);
        }
        a.set_value(value.c_str());
    }
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_element) prefixIds(child, prefix);
}

// The icon's own SVG as a nested <svg> element, so that it stays sharp at
// any scale; its ids are prefixed so that two icons cannot answer to each
// other's references. Empty when the icon is not an SVG document.
std::string nestedIcon(const IconPicture &icon, ADMPoint at, const std::string &prefix) {
    pugi::xml_document doc;
    if (!doc.load_string(icon.svg.c_str())) return "";
    pugi::xml_node root = doc.child("svg");
    if (!root) return "";
    prefixIds(root, prefix);
    if (!root.attribute("viewBox") && icon.width > 0 && icon.height > 0)
        root.append_attribute("viewBox") =
            ("0 0 " + std::to_string(icon.width) + " " + std::to_string(icon.height)).c_str();
    for (const char *name : {"x", "y", "width", "height"})
        root.remove_attribute(name);
    root.append_attribute("x") = at.h;
    root.append_attribute("y") = at.v;
    root.append_attribute("width") = icon.width;
    root.append_attribute("height") = icon.height;
    std::ostringstream out;
    root.print(out, "", pugi::format_raw);
    return out.str() + "\n";
}

std::string iconElement(const IconPicture &icon, ADMPoint at, IconCounter &icons) {
    std::string nested = nestedIcon(icon, at, "icon" + std::to_string(icons.next++) + "-");
    if (!nested.empty()) return nested;
    // Not readable here: let the SVG renderer make what it can of it.
    return "<image x=\"" + svgNumber(at.h, kPixels) + "\" y=\"" + svgNumber(at.v, kPixels) + "\" width=\"" +
           svgNumber(icon.width, kPixels) + "\" height=\"" + svgNumber(icon.height, kPixels) +
           "\" xlink:href=\"data:image/svg+xml;base64," + base64(icon.svg) + "\"/>\n";
}

std::string renderOp(const DrawOp &op, IconCounter &icons) {
    const ADMRect &r = op.rect;
    const int w = r.right - r.left, h = r.bottom - r.top;
    switch (op.kind) {
    case DrawOp::Kind::Fill:
    case DrawOp::Kind::Clear: {
        if (w <= 0 || h <= 0) return "";
        ADMRGBColor c = op.kind == DrawOp::Kind::Clear ? look::kBackground : op.colour;
        return rectElement(r.left, r.top, w, h, filled(c));
    }
    case DrawOp::Kind::Frame:
        if (w <= 0 || h <= 0) return "";
        if (w == 1 || h == 1) return rectElement(r.left, r.top, w, h, filled(op.colour));
        return rectElement(r.left + 0.5, r.top + 0.5, w - 1, h - 1, outlined(op.colour));
    case DrawOp::Kind::Line:
        // Pixel centres, with square caps so that both end pixels are painted.
        return "<line x1=\"" + svgNumber(op.from.h + 0.5, kPixels) + "\" y1=\"" +
               svgNumber(op.from.v + 0.5, kPixels) + "\" x2=\"" + svgNumber(op.to.h + 0.5, kPixels) +
               "\" y2=\"" + svgNumber(op.to.v + 0.5, kPixels) + "\" stroke=\"" + cssColour(op.colour) +
               "\" stroke-width=\"1\" stroke-linecap=\"square\"/>\n";
    case DrawOp::Kind::Text: return textElement(op.text, op.from.h, op.from.v, op.font, op.colour);
    case DrawOp::Kind::TextCentred:
        return textElement(op.text, (r.left + r.right) / 2.0, baselineFor((r.top + r.bottom) / 2.0, op.font),
                           op.font, op.colour, "middle");
    case DrawOp::Kind::Icon: return iconElement(*op.icon, op.from, icons);
    }
    return "";
}

std::string renderOps(const DrawOps &ops, IconCounter &icons) {
    std::string out;
    for (const auto &op : ops)
        out += renderOp(op, icons);
    return out;
}

// ---- items drawn by the host ---------------------------------------------

ADMRGBColor textColour(const DialogItem &item) { return item.enabled ? look::kText : look::kDimmedText; }

std::string justifiedText(const DialogItem &item, double inset) {
    const int w = item.width();
    const double y = baselineFor(item.height() / 2.0, item.font);
    switch (item.justify) {
    case kADMCenterJustify: return textElement(item.text, w / 2.0, y, item.font, textColour(item), "middle");
    case kADMRightJustify: return textElement(item.text, w - inset, y, item.font, textColour(item), "end");
    default: return textElement(item.text, inset, y, item.font, textColour(item));
    }
}

std::string pushButton(const DialogItem &item, bool withText) {
    // The default button (id 1) wears the highlight colour around it.
    ADMRGBColor edge = item.id == kADMDefaultItemID && item.enabled ? look::kHighlight : look::kBorder;
    std::string out = rectElement(0.5, 0.5, item.width() - 1, item.height() - 1,
                                  "rx=\"4\" " + filled(look::kButtonFace) + " stroke=\"" + cssColour(edge) +
                                      "\" stroke-width=\"1\"");
    if (withText) out += justifiedText(item, 6);
    return out;
}

// Text that must stay within `room` pixels from `x`: narrowed as a field
// narrows what it cannot scroll in a picture, so that it stays whole.
std::string fittedText(const std::string &text, double x, double y, double room, int font,
                       ADMRGBColor colour) {
    const double width = textWidth(text, font);
    if (width <= room || room <= 0) return textElement(text, x, y, font, colour);
    // Rounded down, so that the narrowed text never passes `room`.
    const double narrowing = std::floor(room / width * 100) / 100;
    return "<g transform=\"translate(" + svgNumber(x, kPixels) + "," + svgNumber(y, kPixels) + ") scale(" +
           svgNumber(narrowing, kPixels) + ",1)\">" + textElement(text, 0, 0, font, colour) + "</g>\n";
}

// A white field with its text and, at its right, a strip of `strip` pixels
// holding the arrows.
std::string field(const DialogItem &item, int strip) {
    const int w = item.width(), h = item.height(), inset = 4;
    std::string out = rectElement(0.5, 0.5, w - 1, h - 1,
                                  filled(look::kField) + " " + "stroke=\"" + cssColour(look::kBorder) +
                                      "\" stroke-width=\"1\"");
    out += fittedText(item.shownText(), inset, baselineFor(h / 2.0, item.font), w - strip - 2 * inset,
                      item.font, textColour(item));
    const double x = w - strip;
    out += "<line x1=\"" + svgNumber(x + 0.5, kPixels) + "\" y1=\"1\" x2=\"" + svgNumber(x + 0.5, kPixels) +
           "\" y2=\"" + svgNumber(h - 1, kPixels) + "\" stroke=\"" + cssColour(look::kBorder) +
           "\" stroke-width=\"1\"/>\n";
    return out;
}

std::string triangle(double cx, double cy, bool up, ADMRGBColor colour) {
    const double d = up ? -2.5 : 2.5;
    return "<path d=\"M" + svgNumber(cx - 3.5, kPixels) + " " + svgNumber(cy - d, kPixels) + " L" +
           svgNumber(cx + 3.5, kPixels) + " " + svgNumber(cy - d, kPixels) + " L" + svgNumber(cx, kPixels) +
           " " + svgNumber(cy + d, kPixels) + " Z\" " + filled(colour) + "/>\n";
}

std::string spinEdit(const DialogItem &item) {
    const int strip = 12, w = item.width(), h = item.height();
    ADMRGBColor arrows = textColour(item);
    return field(item, strip) + triangle(w - strip / 2.0, h / 4.0 + 1, true, arrows) +
           triangle(w - strip / 2.0, h * 3 / 4.0 - 1, false, arrows);
}

std::string popup(const DialogItem &item) {
    const int strip = 16;
    return field(item, strip) +
           triangle(item.width() - strip / 2.0, item.height() / 2.0, false, textColour(item));
}

std::string checkBox(const DialogItem &item) {
    const int box = 12;
    const double top = (item.height() - box) / 2.0;
    // A dimmed box is greyed inside as well as in its tick and text.
    std::string out = rectElement(0.5, top + 0.5, box - 1, box - 1,
                                  filled(item.enabled ? look::kField : look::kBackground) + " stroke=\"" +
                                      cssColour(look::kBorder) + "\" stroke-width=\"1\"");
    if (item.checked)
        out += "<path d=\"M2.5 " + svgNumber(top + 6.5, kPixels) + " L5 " + svgNumber(top + 9, kPixels) +
               " L9.5 " + svgNumber(top + 3, kPixels) + "\" fill=\"none\" stroke=\"" +
               cssColour(textColour(item)) +
               "\" stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n";
    return out + textElement(item.text, box + 4, baselineFor(item.height() / 2.0, item.font), item.font,
                             textColour(item));
}

std::string hostDrawnItem(const DialogItem &item) {
    switch (item.kind) {
    case ItemKind::TextPushButton: return pushButton(item, true);
    case ItemKind::PicturePushButton: return pushButton(item, false);
    case ItemKind::SpinEdit: return spinEdit(item);
    case ItemKind::TextCheckBox: return checkBox(item);
    case ItemKind::TextEditPopup: return popup(item);
    }
    return "";
}

std::string clipPath(const std::string &id, int width, int height) {
    return "<clipPath id=\"" + id + "\"><rect x=\"0\" y=\"0\" width=\"" + svgNumber(width, kPixels) +
           "\" height=\"" + svgNumber(height, kPixels) + "\"/></clipPath>\n";
}

std::string renderItem(const DialogModel &dialog, const DialogDrawings &drawings, std::size_t index,
                       IconCounter &icons) {
    const DialogItem &item = dialog.items[index];
    const std::string clip = "clip-item-" + std::to_string(index);
    std::string out = "<g id=\"item-" + std::to_string(index) + "\" class=\"" + itemKindWord(item.kind) +
                      "\" transform=\"translate(" + svgNumber(item.rect.left, kPixels) + "," +
                      svgNumber(item.rect.top, kPixels) + ")\">\n";
    if (!item.tooltip.empty())
        out += "<title>" + xmlEscaped(item.tooltip, XmlEscaping::Lenient) + "</title>\n";
    out += clipPath(clip, item.width(), item.height());
    out += "<g clip-path=\"url(#" + clip + ")\">\n";
    if (item.drawProc) {
        auto it = drawings.items.find(index);
        if (it != drawings.items.end()) out += renderOps(it->second, icons);
    } else {
        out += hostDrawnItem(item);
    }
    out += "</g>\n";
    if (dialog.focus == index)
        out += rectElement(-1.5, -1.5, item.width() + 3, item.height() + 3, outlined(look::kHighlight, 2));
    return out + "</g>\n";
}

} // namespace

std::string renderDialogSvg(const DialogModel &dialog, const DialogDrawings &drawings) {
    const int w = std::max(dialog.width(), 0), h = std::max(dialog.height(), 0);
    const int totalW = w + 2 * kFrameWidth, totalH = h + kTitleBarHeight + 2 * kFrameWidth;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\""
                      " width=\"" +
                      svgNumber(totalW, kPixels) + "\" height=\"" + svgNumber(totalH, kPixels) +
                      "\" viewBox=\"0 0 " + svgNumber(totalW, kPixels) + " " + svgNumber(totalH, kPixels) +
                      "\">\n";
    svg += "<title>" + xmlEscaped(dialog.title.empty() ? dialog.name : dialog.title, XmlEscaping::Lenient) +
           "</title>\n";
    svg += "<g id=\"frame\">\n" + rectElement(0, 0, totalW, totalH, filled(look::kFrame)) +
           rectElement(kFrameWidth, kFrameWidth, w, kTitleBarHeight, filled(look::kTitleBar)) +
           textElement(dialog.title, totalW / 2.0,
                       baselineFor(kFrameWidth + kTitleBarHeight / 2.0, kADMBoldDialogFont),
                       kADMBoldDialogFont, look::kText, "middle") +
           "</g>\n";
    svg += "<g id=\"content\" transform=\"translate(" + svgNumber(kFrameWidth, kPixels) + "," +
           svgNumber(kFrameWidth + kTitleBarHeight, kPixels) + ")\">\n" + clipPath("clip-content", w, h) +
           "<g clip-path=\"url(#clip-content)\">\n";
    svg += rectElement(0, 0, w, h, filled(look::kBackground));
    IconCounter icons;
    if (dialog.drawProc && drawings.dialogDrawn) svg += renderOps(drawings.dialog, icons);
    for (std::size_t i = 0; i < dialog.items.size(); ++i)
        svg += renderItem(dialog, drawings, i, icons);
    svg += "</g>\n</g>\n</svg>\n";
    return svg;
}

} // namespace vyn::host
