// DocumentReadError.h — why a document file was refused, and where.
//
// A reader keeps the byte offset of the fault; line and column are worked
// out only when the error is printed, in the form compilers use:
//
//     input.json:12:7: error: expected a number: layers[0].art[3].style.fill.paint.gray
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vyn::host {

enum class DocumentReadStatus {
    Unreadable,      // the file could not be read at all
    NotJson,         // the text is not JSON
    NotThisFormat,   // JSON, but not a document of this format or version
    WrongType,       // a value of the wrong JSON type
    MissingMember,   // a member the format requires is absent
    UnknownMember,   // a member the format does not have
    BadValue,        // the right type, but a value the format does not allow
    UnknownSwatch,   // a paint names a swatch the document does not define
    DuplicateSwatch, // two swatches of one kind share a name
};

// The fixed sentence of a status, e.g. "the text is not JSON".
std::string_view sentenceOf(DocumentReadStatus status);

struct DocumentReadError {
    DocumentReadStatus status = DocumentReadStatus::Unreadable;
    std::size_t offset = 0; // byte offset of the fault in the text
    std::string detail;     // the offending token, member or path

    // "NAME:LINE:COLUMN: error: SENTENCE: DETAIL" with the line and column
    // (both from 1, the column counted in bytes) of `offset` in `text`; an
    // Unreadable error has no position: "NAME: error: SENTENCE: DETAIL".
    std::string message(std::string_view name, std::string_view text) const;
};

} // namespace vyn::host
