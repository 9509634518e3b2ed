#include "render/TextElement.h"

#include <algorithm>

#include "text/Utf.h"
#include "render/CssFont.h"
#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

// A CSS string, so that a family with any characters stays one name.
std::string quotedFamily(const std::string &family) {
    std::string quoted = "'";
    for (char c : family) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

void appendFontAttributes(std::string &out, const std::string &fontName) {
    if (fontName.empty()) return;
    const CssFont font = cssFontNamed(fontName);
    out += " font-family=\"";
    appendXmlEscaped(out, quotedFamily(font.family), true);
    out += '"';
    if (font.weight != 400) appendAttribute(out, "font-weight", std::to_string(font.weight));
    if (font.style != "normal") appendAttribute(out, "font-style", font.style);
    if (font.stretch != "normal") appendAttribute(out, "font-stretch", font.stretch);
}

void appendRunElement(std::string &out, const TextRun &run, PaintServers &paints) {
    const CharFeatures &f = run.features;
    const double size = std::max(0.0f, f.size.value_or(kDefaultTextSize));
    out += "<tspan";
    appendFontAttributes(out, f.font);
    appendNumberAttribute(out, "font-size", size);
    if (f.baselineShift && *f.baselineShift != 0)
        appendNumberAttribute(out, "baseline-shift", *f.baselineShift);
    // Tracking is in thousandths of an em.
    if (f.tracking && *f.tracking != 0)
        appendNumberAttribute(out, "letter-spacing", *f.tracking * size / 1000);
    appendAttribute(out, "fill", paints.paintValue(f.fill.value_or(GrayPaint{0})));
    out += '>';
    appendXmlEscaped(out, utf16ToUtf8(run.text));
    out += "</tspan>";
}

const char *anchorWord(Justification justification) {
    switch (justification) {
    case Justification::Center:
    case Justification::FullLastLineCenter: return "middle";
    case Justification::Right:
    case Justification::FullLastLineRight: return "end";
    default: return "start";
    }
}

} // namespace

void appendTextElement(std::string &out, const TextFrame &frame, std::string_view attributes,
                       PaintServers &paints) {
    out += "<text";
    appendNumberAttribute(out, "x", frame.anchor.h);
    appendNumberAttribute(out, "y", -double(frame.anchor.v));
    out += attributes;
    appendAttribute(out, "xml:space", "preserve");
    const char *anchor = anchorWord(frame.story.paragraph.justification.value_or(Justification::Left));
    if (std::string_view(anchor) != "start") appendAttribute(out, "text-anchor", anchor);
    if (frame.orientation == TextOrientation::Vertical) appendAttribute(out, "writing-mode", "tb");
    out += '>';
    for (const TextRun &run : frame.story.runs)
        if (!run.text.empty()) appendRunElement(out, run, paints);
    out += "</text>";
}

} // namespace vyn::host
