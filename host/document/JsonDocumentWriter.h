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

#include <filesystem>
#include <optional>

#include "files/ByteSink.h"
#include "files/FileWriteError.h"
#include "model/Document.h"

namespace vyn::host {

// Nothing when the document was written. A document the format cannot hold
// (two swatches of one kind with the same name, a paint whose swatch the
// document does not have, or a gradient stop holding a pattern or gradient)
// is refused, with nothing written to `sink`, and the error says which. The
// host never makes such a document.
std::optional<FileWriteError> writeJsonDocument(const Document &document, ByteSink &sink);

// The same, written to `file` through the host's safe writer
// (files/AtomicFile.h): nothing when it was written, otherwise why not.
[[nodiscard]] std::optional<FileWriteError> writeJsonDocumentFile(const Document &document,
                                                                  const std::filesystem::path &file);

} // namespace vyn::host
