// OutputDocument.h — the document with its chart, written to the output.
#pragma once

#include <optional>
#include <string>

#include "CommandLine.h"
#include "model/Document.h"
#include "svg/SvgSource.h"

namespace vyn::app {

// Writes `document` to `job.output` in its format, through the host's safe
// writer: JSON as the document format; SVG into the input's own text when
// the input was SVG (`svg`), otherwise as a picture, like PNG. Nothing when
// it was written; otherwise the sentence saying why not, the old file left
// as it was.
std::optional<std::string> writeOutput(const host::Document &document, const host::svg::SvgSource *svg,
                                       const DocumentJob &job);

} // namespace vyn::app
