// InputDocument.h — the document a chart is built for, read from its file
// or from standard input.
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

// Reads `job.input` in its format (standard input in the format its first
// bytes tell), marking what `job.select` selects. The reader's warnings go
// to `warnings`; when the file is unusable, its error to `err`, and there
// is no document.
std::optional<InputDocument> readInput(const DocumentJob &job, std::ostream &err, std::ostream &warnings);

// The format of a document's bytes: JSON when the first character past
// white space (and a byte order mark) is "{", otherwise SVG.
FileFormat formatOfBytes(std::string_view bytes);

} // namespace vyn::app
