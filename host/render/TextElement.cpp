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

void setFont(Presentation &p, const std::string &fontName) {
    if (fontName.empty()) return;
    const CssFont font = cssFontNamed(fontName);
    p.set("font-family", quotedFamily(font.family));
    const bool all = p.important();
    if (font.weight != 400 || all) p.set("font-weight", std::to_string(font.weight));
    if (font.style != "normal" || all) p.set("font-style", font.style);
    if (font.stretch != "normal" || all) p.set("font-stretch", font.stretch);
}

void appendRunElement(std::string &out, const TextRun &run, PaintServers &paints, bool important) {
    const CharFeatures &f = run.features;
    const double size = std::max(0.0f, f.size.value_or(kDefaultTextSize));
    out += "<tspan";
    Presentation p(out, important);
    p.setShown(false); // a run is shown as its frame is
    setFont(p, f.font);
    p.setNumber("font-size", size);
    if (f.baselineShift && *f.baselineShift != 0)
        p.setNumber("baseline-shift", *f.baselineShift);
    else if (important)
        p.set("baseline-shift", "baseline");
    // Tracking is in thousandths of an em.
    if (f.tracking && *f.tracking != 0)
        p.setNumber("letter-spacing", *f.tracking * size / 1000);
    else if (important)
        p.set("letter-spacing", "normal");
    p.setPaint("fill", paints.paintValue(f.fill.value_or(GrayPaint{0})));
    if (important) {
        p.set("fill-opacity", "1");
        p.set("stroke", "none");
    }
    p.end();
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

void appendTextElement(std::string &out, const TextFrame &frame, const TextElementWriting &writing,
                       PaintServers &paints) {
    out += "<text";
    appendNumberAttribute(out, "x", frame.anchor.h);
    appendNumberAttribute(out, "y", -double(frame.anchor.v));
    out += writing.marks;
    appendAttribute(out, "xml:space", "preserve");
    const char *anchor = anchorWord(frame.story.paragraph.justification.value_or(Justification::Left));
    const bool vertical = frame.orientation == TextOrientation::Vertical;
    Presentation p(out, writing.important);
    p.setShown(writing.hidden);
    if (std::string_view(anchor) != "start" || writing.important) p.set("text-anchor", anchor);
    if (vertical || writing.important) p.set("writing-mode", vertical ? "tb" : "horizontal-tb");
    p.end();
    out += '>';
    for (const TextRun &run : frame.story.runs)
        if (!run.text.empty()) appendRunElement(out, run, paints, writing.important);
    out += "</text>";
}

} // namespace vyn::host
