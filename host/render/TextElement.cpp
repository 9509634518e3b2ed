#include "render/TextElement.h"

#include <algorithm>

#include "MacRoman.h"
#include "render/CssFont.h"
#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

std::string attribute(const char *name, const std::string &value) {
    return std::string(" ") + name + "=\"" + value + "\"";
}

// A CSS string, so that a family with any characters stays one name.
std::string quotedFamily(const std::string &family) {
    std::string quoted = "'";
    for (char c : family) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

std::string fontAttributes(const std::string &fontName) {
    if (fontName.empty()) return {};
    const CssFont font = cssFontNamed(fontName);
    std::string out = attribute("font-family", xmlEscaped(quotedFamily(font.family), true));
    if (font.weight != 400) out += attribute("font-weight", std::to_string(font.weight));
    if (font.style != "normal") out += attribute("font-style", font.style);
    if (font.stretch != "normal") out += attribute("font-stretch", font.stretch);
    return out;
}

std::string runElement(const TextRun &run, PaintServers &paints) {
    const CharFeatures &f = run.features;
    const double size = std::max(0.0f, f.size.value_or(kDefaultTextSize));
    std::string out = "<tspan" + fontAttributes(f.font) + attribute("font-size", svgNumber(size));
    if (f.baselineShift && *f.baselineShift != 0)
        out += attribute("baseline-shift", svgNumber(*f.baselineShift));
    // Tracking is in thousandths of an em.
    if (f.tracking && *f.tracking != 0)
        out += attribute("letter-spacing", svgNumber(*f.tracking * size / 1000));
    out += attribute("fill", paints.paintValue(f.fill.value_or(GrayPaint{0})));
    return out + ">" + xmlEscaped(utf16ToUtf8(run.text)) + "</tspan>";
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

std::string textElement(const TextFrame &frame, const std::string &attributes, PaintServers &paints) {
    std::string out = "<text" + attribute("x", svgNumber(frame.anchor.h)) +
                      attribute("y", svgNumber(-double(frame.anchor.v))) + attributes +
                      attribute("xml:space", "preserve");
    const char *anchor = anchorWord(frame.story.paragraph.justification.value_or(Justification::Left));
    if (std::string_view(anchor) != "start") out += attribute("text-anchor", anchor);
    if (frame.orientation == TextOrientation::Vertical) out += attribute("writing-mode", "tb");
    out += ">";
    for (const TextRun &run : frame.story.runs)
        if (!run.text.empty()) out += runElement(run, paints);
    return out + "</text>";
}

} // namespace vyn::host
