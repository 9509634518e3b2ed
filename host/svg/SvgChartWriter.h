// SvgChartWriter.h — the original SVG file with the document's chart in it.
//
// The bytes of the file are copied as they stand, except: elements whose art
// the document no longer holds are cut out, an earlier chart layer is
// replaced, and the chart layer (the document's first layer with the title
// of the source's chart marks, SvgSource.h) is written as the last
// top-level layer.
//
// - An element cut out that stands alone on its lines takes those lines
//   with it, so no blank line is left; one that shares a line goes alone.
// - The chart layer is an Inkscape layer in the file's own indentation and
//   line breaks, declaring on itself the namespaces it uses (so the root's
//   start tag is never touched): its art as the document picture draws it
//   (render/ArtElement.h), but with every presentation property in an
//   !important style (render/Presentation.h), so that no rule of the file's
//   style sheets restyles or hides it; hidden art kept with display:none,
//   locked art and a locked layer marked sodipodi:insensitive, tags as
//   attributes in the marks' tag namespace, and the gradients and pattern
//   tiles it uses in a <defs> of its own. Its ids start with "vyn-" (or
//   "vyn2-", ... when the rest of the file already mentions that), so they
//   cannot collide with the file's.
// - A document without a chart layer loses the earlier chart layer, if any.
// - The same source and document always give the same bytes, so writing
//   over the writer's own output changes nothing.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "files/ByteSink.h"
#include "files/FileWriteError.h"
#include "model/Document.h"
#include "svg/SvgSource.h"

namespace vyn::host::svg {

std::string svgWithChart(const SvgSource &source, const Document &document);
// The same bytes, written piece by piece to `sink`: the copied stretches of
// the file go straight from the source.
void writeSvgWithChart(const SvgSource &source, const Document &document, ByteSink &sink);

// Writes svgWithChart() to `file` through the host's safe writer,
// gzip-compressed with `gzip` (the caller decides: a file's name, not the
// source's form, says what a new file holds): nothing when it was written,
// otherwise why not.
[[nodiscard]] std::optional<FileWriteError> writeSvgWithChart(const SvgSource &source, const Document &document,
                                                              const std::filesystem::path &file, bool gzip);

} // namespace vyn::host::svg
