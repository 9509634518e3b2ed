// SvgSource.h — what the SVG reader remembers of a file so that the writer
// can put the chart back into the very same bytes.
//
// The reader turns an SVG file into a document and, beside it, this map from
// the document's art and layers to the byte ranges of the elements they came
// from. The writer copies the original bytes and changes only what the map
// names: elements whose art is gone are cut out, an earlier chart layer is
// replaced, and the new chart layer goes in just before the root's end tag.
// Everything else is copied as it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <optional>
#include <string>
#include <vector>

#include "model/Ids.h"
#include "render/PaintServers.h"

namespace vyn::host::svg {

// Half-open byte range [begin, end) of the decompressed file.
struct ByteSpan {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// How a program marks its own layer (the chart) in the files it writes, so
// that a later run finds it again: the reader takes the first top-level
// layer with this title, or one that declares or uses the tag namespace, as
// the chart layer, and the writer replaces it with the document's layer of
// this title. Art tags are written, and read back, as attributes in the tag
// namespace: a tag NAME with value VALUE is PREFIX:ATTRIBUTE-PREFIXNAME="VALUE"
// (names that are not XML names are not written). Without marks no layer is
// the chart and no tags are read.
struct SvgChartMarks {
    std::string layerTitle;         // UTF-8
    std::string tagNamespace;       // a URI
    std::string tagPrefix;          // the prefix written for the namespace
    std::string tagAttributePrefix; // what comes before the tag's name
    std::string ownTag;             // the tag on the program's own art (the page's ground)
};

// The root's size: its viewBox, width and height attributes as the file
// stood before any run grew it to hold a chart beside the drawing (each the
// attribute's text; none where it is absent), and where the attributes
// stand now, so that the writer can set them anew.
struct SvgRootSize {
    std::optional<std::string> viewBox, width, height; // as the file first had them
    bool recorded = false; // taken from an earlier chart layer's record, not the root
    std::optional<ByteSpan> viewBoxValue, widthValue, heightValue; // the values' bytes now
    std::size_t attributesAt = 0; // where an absent attribute goes: right after the root's name
    // The artboard the first size gives, in document coordinates (y up).
    float left = 0, top = 0, right = 0, bottom = 0;
};

// One element of the file that became art. An element may become several
// art objects (a <use> of a group, a text with differently painted tspans);
// the writer removes the element only when all of them are gone. Its art
// is a stretch of SvgSource::art: one array for the whole file, not one per
// element.
struct SourceElement {
    ByteSpan span;              // the whole element, start tag to end tag
    std::uint32_t firstArt = 0; // where its art starts in SvgSource::art
    std::uint32_t artCount = 0; // how many art objects were made from it
};

struct SvgSource {
    std::string bytes;                   // the file, decompressed
    bool gzipped = false;                // read from .svgz: write back compressed
    std::vector<SourceElement> elements; // in document order, spans never overlap
    std::vector<ArtId> art;              // the elements' art, element after element
    SvgChartMarks chart;                 // how the file was read, how it is written
    std::optional<ByteSpan> chartLayer;  // an earlier run's chart layer, whole
    PaintServerElements paintServers;    // the file's gradients and patterns the document holds
    std::size_t rootEndTag = 0;          // offset of the root's "</svg>"
    SvgRootSize rootSize;
    std::string newline = "\n";          // the file's own line ending
    std::string indent = "  ";           // one level of the file's indentation

    std::span<const ArtId> artOf(const SourceElement &element) const {
        return std::span<const ArtId>(art).subspan(element.firstArt, element.artCount);
    }
    // Adds an element made of `made`, after every other.
    void addElement(ByteSpan span, std::span<const ArtId> made) {
        elements.push_back(
            {span, static_cast<std::uint32_t>(art.size()), static_cast<std::uint32_t>(made.size())});
        art.insert(art.end(), made.begin(), made.end());
    }
};

} // namespace vyn::host::svg
