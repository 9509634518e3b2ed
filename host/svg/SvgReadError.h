// SvgReadError.h — why an SVG file was refused: the kinds of failure of the
// SVG reader and their sentences, in the reader error of every document
// reader (files/ReadError.h):
//
//     poster.svg:3:1: error: this is not an SVG file: its root element is <html>
#pragma once

#include <string>

#include "files/ReadError.h"

namespace vyn::host::svg {

// Which have an offset is said for each.
enum class SvgReadStatus {
    Unreadable,     // the file could not be read at all (no offset)
    TooLarge,       // the file is past the reader's size limit (no offset)
    BadCompression, // the gzip data cannot be decompressed (no offset)
    BadEncoding,    // the bytes are not text the reader takes
    NotXml,         // the text holds no element
    NotWellFormed,  // the text is not well-formed XML
    NotSvg,         // the root element is not SVG's
    BadSelector,    // the selection asked for is not one the reader knows (no offset)
    Refused,        // the drawing is past what the reader will build
};

// The fixed sentence of a status, e.g. "this is not an SVG file"; none for
// BadCompression, BadEncoding, BadSelector and Refused, whose details say
// what went wrong in sentences of their own.
std::string sentenceOf(SvgReadStatus status);

using SvgReadError = ReadError<SvgReadStatus>;

} // namespace vyn::host::svg
