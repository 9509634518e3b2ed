#include "svg/SvgText.h"

#include <cmath>
#include <string>

#include "text/Utf.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {
namespace {

struct PendingRun {
    std::string text; // UTF-8, white space already collapsed
    ComputedStyle style;
};

struct PendingFrame {
    pugi::xml_node owner;
    XY anchor;
    ComputedStyle style;
    std::vector<PendingRun> runs;
};

// The first of a list of lengths (x="10 20 30" places the first character).
std::optional<double> firstLength(pugi::xml_node element, const char *name, double base) {
    const pugi::xml_attribute a = element.attribute(name);
    if (!a) return std::nullopt;
    const std::string_view list = trimmed(a.value());
    std::size_t end = 0;
    while (end < list.size() && !isSpace(list[end]) && list[end] != ',')
        ++end;
    return parseLength(list.substr(0, end), base);
}

class TextCollector {
  public:
    explicit TextCollector(TextContext &context) : context_(context) {}

    void collect(pugi::xml_node element, const ComputedStyle &style, std::size_t frame, XY anchor) {
        for (pugi::xml_node child : element.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                append(frame, child.value(), style);
                continue;
            }
            if (child.type() != pugi::node_element) continue;
            const std::string_view kind = localName(child);
            if (kind != "tspan" && kind != "textPath" && kind != "a") continue;
            const ComputedStyle own =
                context_.styles.compute(context_.styles.specified(child), style, context_.viewportSize);
            if (own.displayNone) continue;
            XY childAnchor = anchor;
            if (const auto x = firstLength(child, "x", context_.lengths.width)) childAnchor.x = *x;
            if (const auto y = firstLength(child, "y", context_.lengths.height)) childAnchor.y = *y;
            std::size_t target = frame;
            if (own.fillSetHere && kind != "a") {
                frames.push_back({child, childAnchor, own, {}});
                target = frames.size() - 1;
            }
            collect(child, own, target, childAnchor);
        }
    }

    void start(pugi::xml_node text, const ComputedStyle &style, XY anchor) {
        frames.push_back({text, anchor, style, {}});
    }

    std::vector<PendingFrame> frames;

  private:
    // Collapses white space as xml:space="default" does.
    void append(std::size_t frame, std::string_view text, const ComputedStyle &style) {
        std::string collapsed;
        collapsed.reserve(text.size());
        for (char c : text) {
            if (c == '\n' || c == '\r') continue;
            if (c == '\t') c = ' ';
            if (c == ' ' && (collapsed.empty() ? lastWasSpace(frame) : collapsed.back() == ' ')) continue;
            collapsed += c;
        }
        if (collapsed.empty()) return;
        frames[frame].runs.push_back({std::move(collapsed), style});
    }
    bool lastWasSpace(std::size_t frame) const {
        const auto &runs = frames[frame].runs;
        return runs.empty() || runs.back().text.back() == ' ';
    }

    TextContext &context_;
};

} // namespace

std::vector<TextFrameMade> addTextArt(TextContext &context, ArtId parent, pugi::xml_node text,
                                      const ComputedStyle &style, const Affine &toDocument) {
    TextCollector collector(context);
    const XY anchor{firstLength(text, "x", context.lengths.width).value_or(0),
                    firstLength(text, "y", context.lengths.height).value_or(0)};
    collector.start(text, style, anchor);
    collector.collect(text, style, 0, anchor);

    const double scale = std::sqrt(std::fabs(toDocument.determinant()));
    std::vector<TextFrameMade> made;
    for (PendingFrame &pending : collector.frames) {
        auto &runs = pending.runs;
        if (!runs.empty() && runs.back().text.back() == ' ') runs.back().text.pop_back();
        if (!runs.empty() && runs.back().text.empty()) runs.pop_back();
        if (runs.empty()) continue;
        TextFrame frame;
        const XY at = toDocument.apply(pending.anchor);
        frame.anchor = {static_cast<float>(at.x), static_cast<float>(at.y)};
        frame.orientation = pending.style.vertical ? TextOrientation::Vertical : TextOrientation::Horizontal;
        for (const PendingRun &run : runs) {
            TextRun r;
            r.text = utf8ToUtf16(run.text);
            r.features.size = static_cast<float>(run.style.fontSize * scale);
            // An approximate box, for paints measured by the text's box.
            const double width = 0.5 * run.style.fontSize * static_cast<double>(r.text.size());
            const Box box{pending.anchor.x, pending.anchor.y - run.style.fontSize, pending.anchor.x + width,
                          pending.anchor.y};
            r.features.fill = context.paints.paint(run.style.fill, run.style.color, box, toDocument);
            frame.story.runs.push_back(std::move(r));
        }
        const ArtId id = context.document.addArt(parent, std::move(frame)).id;
        made.push_back({id, pending.owner, !pending.style.visible});
    }
    return made;
}

} // namespace vyn::host::svg
