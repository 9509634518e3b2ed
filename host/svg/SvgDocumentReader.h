// SvgDocumentReader.h — a document from an SVG file (.svg, or .svgz).
//
// The file is parsed once; the document is built aside and returned only
// when the file is usable, with the map the writer needs to put the chart
// back into the same bytes (SvgSource.h).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Document.h"
#include "svg/SvgReadError.h"
#include "svg/SvgSource.h"

namespace vyn::host::svg {

struct SvgReadOptions {
    // Simple CSS selectors (ids, classes, types, descendants, lists): the
    // art made from matching elements is marked selected. Empty: none.
    std::string select;
    // Which layer is the chart, and the namespace of art tags; kept in the
    // read source for the writer. Empty: none.
    SvgChartMarks chart;
};

struct SvgDocumentRead {
    std::optional<Document> document;
    // Without a document, only the text read, which the error's offset is in.
    SvgSource source;
    std::string name; // the file's name, as the messages give it
    // Why there is no document, when there is none.
    SvgReadError error;
    // One line each, for standard error: paints that did not parse, bounds
    // that cut <use> short, the summary of what is not modelled.
    std::vector<std::string> warnings;
    std::size_t selected = 0; // art objects that options.select marked

    // The error as it is printed: "NAME:LINE:COLUMN: error: REASON", or
    // "NAME: error: REASON" where there is no position.
    std::string errorMessage() const { return error.message(name, source.bytes); }
};

SvgDocumentRead readSvgDocument(std::string_view bytes, std::string_view name,
                                const SvgReadOptions &options = {});

// Reads a regular file (gzip-compressed when it starts with the gzip magic);
// anything else (missing, a folder, a FIFO, too large) is an error.
SvgDocumentRead readSvgDocumentFile(const std::filesystem::path &file, const SvgReadOptions &options = {});

} // namespace vyn::host::svg
