// SvgModelDump.h — a document read from SVG as short lines of text, for
// tests that compare what the reader made with what a fixture should give:
// the artboard, the swatches, each layer and its art (kind, paints, geometry
// bounds, attributes, tags), then the warnings or the error.
#pragma once

#include <string>

#include "svg/SvgDocumentReader.h"

namespace vyn::host::svg {

std::string dumpSvgRead(const SvgDocumentRead &read);
std::string describePaint(const Paint &paint, const Document &document);

} // namespace vyn::host::svg
