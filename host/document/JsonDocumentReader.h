// JsonDocumentReader.h — a document from the JSON document format
// (docs/document-format.md).
//
// The whole text is checked while the document is built aside; a document
// is returned only when nothing in the text is wrong, otherwise the first
// fault with its status, position and detail. Numbers are narrowed to the
// model's single-precision floats (the nearest float; one beyond the float
// range is refused).
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/DocumentReadError.h"
#include "model/Document.h"

namespace vyn::host {

struct JsonDocumentRead {
    std::optional<Document> document;
    DocumentReadError error; // when there is no document
};

JsonDocumentRead readJsonDocument(std::string_view text);

// A document file larger than this is refused unread.
inline constexpr std::size_t kMaxDocumentBytes = 64 * 1024 * 1024;

struct JsonDocumentFileRead : JsonDocumentRead {
    std::string text; // what was read, to place an error in: error.message(name, text)
};

// Reads a regular file of at most `maxBytes`; anything else (missing, a
// folder, a FIFO, too large) is Unreadable, with the reason as the detail.
JsonDocumentFileRead readJsonDocumentFile(const std::filesystem::path &file,
                                          std::size_t maxBytes = kMaxDocumentBytes);

} // namespace vyn::host
