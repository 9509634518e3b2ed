// JsonDocumentWriter.h — a document as the JSON document format
// (docs/document-format.md).
//
// Every float is written as the shortest decimal that reads back as the same
// float, bit for bit (-0.0 and subnormals included); infinities and NaN,
// which JSON has no number for, as the strings "Infinity", "-Infinity" and
// "NaN". A member whose value is its default is left out, so writing what
// was read gives the same bytes. Text that is not valid Unicode (an unpaired
// surrogate, a byte that is not UTF-8) is written with U+FFFD in its place.
#pragma once

#include "files/ByteSink.h"
#include "model/Document.h"

namespace vyn::host {

// Throws std::invalid_argument for a document the format cannot hold: two
// swatches of one kind with the same name, a paint whose swatch the
// document does not have, or a gradient stop holding a pattern or gradient. The host never makes such a
// document.
void writeJsonDocument(const Document &document, ByteSink &sink);

} // namespace vyn::host
