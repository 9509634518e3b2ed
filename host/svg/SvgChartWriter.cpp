#include "svg/SvgChartWriter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "files/AtomicFile.h"
#include "render/ArtElement.h"
#include "render/PaintServers.h"
#include "render/SvgMarkup.h"
#include "svg/SvgzCompression.h"

namespace vyn::host::svg {
namespace {

// One change to the original bytes: [begin, end) becomes the pieces of
// `text`, in order. The chart layer is a few pieces, its art the biggest,
// so that the art is written where it was made and never copied.
struct Splice {
    std::size_t begin, end;
    std::vector<std::string> text;
};

bool blank(std::string_view bytes, std::size_t begin, std::size_t end) {
    return std::all_of(bytes.begin() + std::ptrdiff_t(begin), bytes.begin() + std::ptrdiff_t(end),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

std::size_t lineStart(std::string_view bytes, std::size_t at) {
    const std::size_t newline = at == 0 ? std::string_view::npos : bytes.rfind('\n', at - 1);
    return newline == std::string_view::npos ? 0 : newline + 1;
}

// Cutting `span` out: an element alone on its line takes its line with it,
// so that no blank line is left; one that shares its line goes alone.
Splice cut(std::string_view bytes, ByteSpan span) {
    const std::size_t start = lineStart(bytes, span.begin);
    const std::size_t newline = bytes.find('\n', span.end);
    const std::size_t end = newline == std::string::npos ? bytes.size() : newline;
    if (!blank(bytes, start, span.begin) || !blank(bytes, span.end, end)) return {span.begin, span.end, {}};
    if (newline != std::string::npos) return {start, newline + 1, {}};
    // The last line of a file without a final line break: the break before it goes.
    std::size_t before = start;
    if (before > 0) --before;
    if (before > 0 && bytes[before - 1] == '\r') --before;
    return {before, end, {}};
}

bool inside(ByteSpan outer, ByteSpan inner) { return outer.begin <= inner.begin && inner.end <= outer.end; }

bool anyArtLeft(const Document &document, const SvgSource &source, const SourceElement &element) {
    // An element that made no art is none of the writer's business, nor is
    // one whose stretch of the art is not all there.
    if (element.artCount == 0 || std::size_t{element.firstArt} + element.artCount > source.art.size())
        return true;
    const std::span<const ArtId> art = source.artOf(element);
    return std::any_of(art.begin(), art.end(), [&](ArtId id) { return document.art(id) != nullptr; });
}

const Layer *chartLayerOf(const Document &document, const SvgChartMarks &chart) {
    if (chart.layerTitle.empty()) return nullptr;
    for (const Layer &layer : document.layers())
        if (layer.title == chart.layerTitle) return &layer;
    return nullptr;
}

// Tags are written only where there is a namespace to write them in.
std::string tagAttributePrefix(const SvgChartMarks &chart) {
    if (chart.tagNamespace.empty() || chart.tagPrefix.empty()) return {};
    return chart.tagPrefix + ":" + chart.tagAttributePrefix;
}

// The start of ids of the chart's own elements: "vyn-", or "vyn2-", ...,
// the first that the file, outside an earlier chart, never mentions.
// Adds to `used` every n up to `bound` whose prefix ("vyn-" for 1,
// "vynN-" for N >= 2) occurs in `text`.
void prefixesIn(std::string_view text, std::size_t bound, std::vector<bool> &used) {
    for (std::size_t at = text.find("vyn"); at != std::string_view::npos; at = text.find("vyn", at + 1)) {
        std::size_t i = at + 3, n = 0;
        bool digits = false, tooBig = false;
        if (i < text.size() && text[i] == '0') continue; // no prefix has a leading zero
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            digits = true;
            if (!tooBig) n = n * 10 + std::size_t(text[i] - '0');
            tooBig = tooBig || n > bound;
            ++i;
        }
        if (i >= text.size() || text[i] != '-' || tooBig) continue;
        if (!digits) n = 1;
        if (digits && n < 2) continue; // "vyn1-" is no prefix: the first is "vyn-"
        used[n] = true;
    }
}

std::string idPrefix(const SvgSource &source) {
    // The file without its earlier chart is searched where it stands, in
    // the part before the chart, the part after it, and the few bytes that
    // meet across the cut: a big file is not copied for this. One pass
    // finds every prefix the file mentions; the first unused one is at most
    // one more than the file has mentions of "vyn".
    const std::string_view bytes = source.bytes;
    std::string_view before = bytes, after;
    if (source.chartLayer && source.chartLayer->begin <= source.chartLayer->end &&
        source.chartLayer->end <= bytes.size()) {
        before = bytes.substr(0, source.chartLayer->begin);
        after = bytes.substr(source.chartLayer->end);
    }
    std::size_t mentions = 0;
    for (std::string_view part : {before, after})
        for (std::size_t at = part.find("vyn"); at != std::string_view::npos; at = part.find("vyn", at + 1))
            ++mentions;
    const std::size_t bound = mentions + 2;
    std::vector<bool> used(bound + 1, false);
    prefixesIn(before, bound, used);
    prefixesIn(after, bound, used);
    // A prefix is at most "vyn" and the digits of `bound` and "-" long.
    const std::size_t reach = 4 + std::to_string(bound).size();
    prefixesIn(std::string(before.substr(before.size() - std::min(reach, before.size()))) +
                   std::string(after.substr(0, reach)),
               bound, used);
    std::size_t n = 1;
    while (used[n])
        ++n;
    return n == 1 ? "vyn-" : "vyn" + std::to_string(n) + "-";
}

// The root's size the document asks for: its artboards together, when
// they reach past the page the file first had (a page added beside it for
// the chart); then the pages beyond the first get white paper in the chart
// layer, and the layer records the first size, so that the next run reads
// the file at that size and gives the same bytes.
struct RootChange {
    bool grown = false;
    Rect all;                // the artboards together
    std::vector<Rect> pages; // the artboards that are not the first page
};

bool near(float a, float b) { return std::fabs(double(a) - b) < 1e-3; }

RootChange rootChange(const SvgSource &source, const Document &document) {
    RootChange change;
    const SvgRootSize &first = source.rootSize;
    // A source that knows no root start tag (made by hand) keeps its size.
    if (document.artboards.empty() || first.attributesAt == 0) return change;
    Rect all = document.artboards.front().bounds;
    for (const Artboard &board : document.artboards) {
        all = united(all, board.bounds);
        const Rect &b = board.bounds;
        if (!(near(b.left, first.left) && near(b.top, first.top) && near(b.right, first.right) &&
              near(b.bottom, first.bottom)))
            change.pages.push_back(b);
    }
    change.all = all;
    change.grown = all.left < first.left - 1e-3f || all.top > first.top + 1e-3f ||
                   all.right > first.right + 1e-3f || all.bottom < first.bottom - 1e-3f;
    if (!change.grown) change.pages.clear();
    return change;
}

// A length as the file wrote it ("210mm", "595.3", "100%"), scaled by
// `factor` in its own unit; a percentage or what does not start with a
// number stays as it is.
std::string scaledLength(const std::string &text, double factor) {
    std::size_t end = 0;
    double value = 0;
    try {
        value = std::stod(text, &end);
    } catch (const std::exception &) {
        return text;
    }
    const std::string unit = text.substr(end);
    if (unit.find('%') != std::string::npos || !std::isfinite(value)) return text;
    return svgNumber(value * factor) + unit;
}

// The splices that set the root's viewBox, width and height to `values`
// (none: the attribute is absent).
void setRootSize(const SvgSource &source, const std::optional<std::string> (&values)[3],
                 std::vector<Splice> &out) {
    const SvgRootSize &size = source.rootSize;
    const char *names[3] = {"viewBox", "width", "height"};
    const std::optional<ByteSpan> spans[3] = {size.viewBoxValue, size.widthValue, size.heightValue};
    std::string inserted;
    for (int i = 0; i < 3; ++i) {
        if (spans[i]) {
            const ByteSpan value = *spans[i];
            if (values[i]) {
                out.push_back({value.begin, value.end, {xmlEscaped(*values[i], true)}});
                continue;
            }
            // Absent at first: an attribute a run put right after the name goes again.
            const std::string written = std::string(" ") + names[i] + "=\"";
            if (value.begin >= written.size() && value.begin - written.size() >= size.attributesAt &&
                source.bytes.compare(value.begin - written.size(), written.size(), written) == 0)
                out.push_back({value.begin - written.size(), value.end + 1, {}});
            continue;
        }
        if (values[i]) inserted += std::string(" ") + names[i] + "=\"" + xmlEscaped(*values[i], true) + "\"";
    }
    if (!inserted.empty()) out.push_back({size.attributesAt, size.attributesAt, {inserted}});
}

void rootSizeSplices(const SvgSource &source, const RootChange &change, std::vector<Splice> &out) {
    const SvgRootSize &first = source.rootSize;
    if (!change.grown) {
        // Back to the first size, where an earlier run grew it.
        if (first.recorded) setRootSize(source, {first.viewBox, first.width, first.height}, out);
        return;
    }
    const Rect &all = change.all;
    const double width = double(all.right) - all.left, height = double(all.top) - all.bottom;
    const double firstWidth = double(first.right) - first.left,
                 firstHeight = double(first.top) - first.bottom;
    const std::string viewBox = svgNumber(all.left) + " " + svgNumber(-double(all.top)) + " " +
                                svgNumber(width) + " " + svgNumber(height);
    // Without a viewBox the width and height were the user units; they now
    // come from the viewBox, so the page keeps its scale.
    const std::optional<std::string> w = first.width && firstWidth > 0
                                             ? std::optional(scaledLength(*first.width, width / firstWidth))
                                         : first.viewBox ? std::nullopt
                                                         : std::optional(svgNumber(width));
    const std::optional<std::string> h =
        first.height && firstHeight > 0 ? std::optional(scaledLength(*first.height, height / firstHeight))
        : first.viewBox                 ? std::nullopt
                                        : std::optional(svgNumber(height));
    setRootSize(source, {viewBox, w, h}, out);
}

// The chart layer's element, its first line without indentation and its
// last line without a line break; every other line starts with `indent`.
// `lead` and `trail` go before and after it.
std::vector<std::string> chartLayerElement(const SvgSource &source, const Document &document,
                                           const Layer &layer, const RootChange &root,
                                           const std::string &indent, std::string lead, std::string trail) {
    const std::string prefix = idPrefix(source);
    PaintServers paints(document, prefix, &source.paintServers);
    SvgArtWriting writing{.paints = paints,
                          .newline = source.newline,
                          .indentUnit = source.indent,
                          .keepHidden = true,
                          .importantStyle = true,
                          .markLocks = true,
                          .tagAttributePrefix = tagAttributePrefix(source.chart)};
    const std::string inner = indent + source.indent;
    std::vector<std::string> art;
    writing.pieces = &art;
    std::string rest;
    writeLayerArt(document, layer, rest, inner, writing);
    art.push_back(std::move(rest));
    // The white paper of the pages beside the file's own, under the chart.
    std::string ground;
    const std::string tagPrefix = tagAttributePrefix(source.chart);
    for (const Rect &page : root.pages) {
        ground += inner + "<rect";
        appendNumberAttribute(ground, "x", page.left);
        appendNumberAttribute(ground, "y", -double(page.top));
        appendNumberAttribute(ground, "width", std::max(0.0, double(page.right) - page.left));
        appendNumberAttribute(ground, "height", std::max(0.0, double(page.top) - page.bottom));
        appendAttribute(ground, "style",
                        "fill:#ffffff !important;stroke:none !important;display:inline !important;"
                        "visibility:visible !important;opacity:1 !important");
        if (!tagPrefix.empty() && !source.chart.ownTag.empty()) {
            appendAttribute(ground, tagPrefix + source.chart.ownTag, "ground");
            writing.usedTags = true;
        }
        ground += "/>" + source.newline;
    }
    if (!ground.empty()) art.insert(art.begin(), std::move(ground));
    const bool noArt = std::all_of(art.begin(), art.end(), [](const std::string &s) { return s.empty(); });

    // The namespaces are known once the art and the layer's own marks are
    // written.
    std::string attributes = layerAttributes(document, layer, writing);
    if (root.grown && !source.chart.tagPrefix.empty() && !source.chart.tagNamespace.empty()) {
        const SvgRootSize &first = source.rootSize;
        const std::string p = source.chart.tagPrefix + ":";
        appendAttribute(attributes, p + "root-viewBox", xmlEscaped(first.viewBox.value_or(""), true));
        appendAttribute(attributes, p + "root-width", xmlEscaped(first.width.value_or(""), true));
        appendAttribute(attributes, p + "root-height", xmlEscaped(first.height.value_or(""), true));
        writing.usedTags = true;
    }
    std::string start = std::move(lead);
    start += "<g xmlns:inkscape=\"";
    start += kInkscapeNamespace;
    start += '"';
    if (writing.usedSodipodi) appendAttribute(start, "xmlns:sodipodi", kSodipodiNamespace);
    if (paints.usedXlink()) appendAttribute(start, "xmlns:xlink", kXlinkNamespace);
    if (writing.usedTags)
        appendAttribute(start, "xmlns:" + source.chart.tagPrefix, source.chart.tagNamespace);
    start += attributes;
    appendAttribute(start, "id", prefix + "chart");
    if (noArt && paints.empty()) return {start + "/>" + trail};

    const std::string &nl = source.newline;
    start += ">";
    start += nl;
    if (!paints.empty()) {
        start += inner + "<defs>" + nl;
        paints.writeDefinitions(start, inner + source.indent, source.indent, nl);
        start += inner + "</defs>" + nl;
    }
    art.insert(art.begin(), std::move(start));
    art.push_back(indent + "</g>" + trail);
    return art;
}

// The new chart layer, where the old one stood or as the root's last child.
Splice chartLayerSplice(const SvgSource &source, const Document &document, const Layer &layer,
                        const RootChange &root) {
    const std::string &bytes = source.bytes;
    if (source.chartLayer) {
        const ByteSpan old = *source.chartLayer;
        const std::size_t start = lineStart(bytes, old.begin);
        const std::string indent =
            blank(bytes, start, old.begin) ? bytes.substr(start, old.begin - start) : source.indent;
        return {old.begin, old.end, chartLayerElement(source, document, layer, root, indent, "", "")};
    }
    const std::size_t end = std::min(source.rootEndTag, bytes.size());
    const std::size_t start = lineStart(bytes, end);
    if (blank(bytes, start, end))
        return {
            start, start,
            chartLayerElement(source, document, layer, root, source.indent, source.indent, source.newline)};
    return {end, end,
            chartLayerElement(source, document, layer, root, source.indent, source.newline + source.indent,
                              source.newline)};
}

} // namespace

void writeSvgWithChart(const SvgSource &source, const Document &document, ByteSink &sink) {
    const std::string_view bytes = source.bytes;
    const auto within = [&](ByteSpan s) { return s.begin <= s.end && s.end <= bytes.size(); };
    std::vector<Splice> splices;
    for (const SourceElement &element : source.elements) {
        if (!within(element.span) || anyArtLeft(document, source, element)) continue;
        // The old chart layer goes whole.
        if (source.chartLayer && inside(*source.chartLayer, element.span)) continue;
        splices.push_back(cut(bytes, element.span));
    }
    const bool oldChart = source.chartLayer && within(*source.chartLayer);
    const Layer *layer = chartLayerOf(document, source.chart);
    RootChange root = layer ? rootChange(source, document) : RootChange{};
    rootSizeSplices(source, root, splices);
    if (layer)
        splices.push_back(chartLayerSplice(source, document, *layer, root));
    else if (oldChart)
        splices.push_back(cut(bytes, *source.chartLayer));

    // An insertion goes before a cut that starts where it stands.
    std::sort(splices.begin(), splices.end(), [](const Splice &a, const Splice &b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
    });
    std::size_t copied = 0;
    for (const Splice &splice : splices) {
        // A map whose spans overlap is not followed into the overlap.
        if (splice.begin < copied) continue;
        sink.write(bytes.substr(copied, splice.begin - copied));
        for (const std::string &piece : splice.text)
            sink.write(piece);
        copied = splice.end;
    }
    sink.write(bytes.substr(copied));
}

std::string svgWithChart(const SvgSource &source, const Document &document) {
    StringSink out;
    writeSvgWithChart(source, document, out);
    return out.bytes();
}

std::optional<FileWriteError> writeSvgWithChart(const SvgSource &source, const Document &document,
                                                const std::filesystem::path &file, bool gzip) {
    if (gzip) {
        std::string bytes;
        try {
            bytes = gzipCompressedForSvgz(svgWithChart(source, document));
        } catch (const std::runtime_error &e) {
            return FileWriteError{{}, e.what()};
        }
        return writeFileAtomically(file, bytes);
    }
    AtomicFile out(file);
    writeSvgWithChart(source, document, out);
    return out.commit();
}

} // namespace vyn::host::svg
