// DocumentReadError.h — why a JSON document file was refused: the kinds of
// failure of the JSON document reader and their sentences, in the reader
// error of every document reader (files/ReadError.h):
//
//     input.json:12:7: error: expected a number: layers[0].art[3].style.fill.paint.gray
#pragma once

#include <cstddef>
#include <string_view>

#include "files/ReadError.h"

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
    TooDeep,         // values nest deeper than the reader follows (kMaxDocumentNesting)
};

// How deep values may nest in a document: the JSON levels of art nested as
// deep as the SVG reader allows elements to (two a group: its object and
// its art array), and those above the art.
inline constexpr std::size_t kMaxDocumentNesting = 2 * 400 + 8;

// The fixed sentence of a status, e.g. "the text is not JSON".
std::string_view sentenceOf(DocumentReadStatus status);

// An Unreadable error has no offset; every other one has.
using DocumentReadError = ReadError<DocumentReadStatus>;

} // namespace vyn::host
