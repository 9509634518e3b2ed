// InputDocument.h — the document a chart is built for, read from its file.
#pragma once

#include <iosfwd>
#include <optional>

#include "CommandLine.h"
#include "model/Document.h"
#include "svg/SvgSource.h"

namespace vyn::app {

struct InputDocument {
    host::Document document;
    // Read from SVG: the file's text, into which the chart is written back.
    std::optional<host::svg::SvgSource> svg;
};

// Reads `job.input` in its format, marking what `job.select` selects. The
// reader's warnings go to `err`; when the file is unusable, its error too,
// and there is no document.
std::optional<InputDocument> readInput(const DocumentJob &job, std::ostream &err);

} // namespace vyn::app
