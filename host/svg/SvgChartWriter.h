// SvgChartWriter.h — the original SVG file with the document's chart in it.
//
// The bytes of the file are copied as they stand, except: elements whose art
// the document no longer holds are cut out, an earlier chart layer is
// replaced, and the chart layer (the document's first layer titled
// "Vyn•Colors") is written as the last top-level layer.
#pragma once

#include <filesystem>
#include <string>

#include "model/Document.h"
#include "svg/SvgSource.h"

namespace vyn::host::svg {

std::string svgWithChart(const SvgSource &source, const Document &document);

// Writes svgWithChart() to `file` through the host's safe writer,
// gzip-compressed when the source was or the name ends in ".svgz". Throws
// std::runtime_error with a sentence naming the file when it cannot.
void writeSvgWithChart(const SvgSource &source, const Document &document, const std::filesystem::path &file);

} // namespace vyn::host::svg
