// SvgDocumentBuilder.h — the document made from a parsed SVG tree: layers
// from the top-level groups, groups, shapes, text and expanded <use>, with
// their paints, hidden and locked states, tags and the selection; and beside
// it the map from art to the bytes of the elements it came from.
#pragma once

#include <optional>
#include <string_view>

#include <pugixml.hpp>

#include "model/Document.h"
#include "svg/SvgDiagnostics.h"
#include "svg/SvgDocumentReader.h"
#include "svg/SvgElementSpans.h"
#include "svg/SvgSource.h"

namespace vyn::host::svg {

struct ParsedSvg {
    pugi::xml_node root;
    const char *buffer = nullptr; // what the parser parsed in place: offsets count from here
    const ElementSpans &spans;
};

struct BuiltSvg {
    std::optional<Document> document; // none: `error` says why
    SvgReadError error;
    std::vector<SourceElement> elements;
    std::vector<ArtId> elementArt; // the elements' art (SvgSource::art)
    std::optional<ByteSpan> chartLayer;
    PaintServerElements paintServers; // SvgSource::paintServers
    SvgRootSize rootSize;             // the first size and its artboard (the reader adds where it stands)
    std::size_t selected = 0;
};

BuiltSvg buildSvgDocument(const ParsedSvg &parsed, const SvgReadOptions &options,
                          SvgDiagnostics &diagnostics);

} // namespace vyn::host::svg
