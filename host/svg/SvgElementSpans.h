// SvgElementSpans.h — where each element of a well-formed XML text starts
// and ends, and the text's own line ending and indentation.
//
// One pass over the bytes finds the tags (skipping comments, CDATA,
// processing instructions, the DOCTYPE and quoted attribute values) and
// pairs start and end tags. Run it only on text the XML parser accepted:
// then the tags pair up, and the spans come in document order, as the
// parser's elements do.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "svg/SvgSource.h"

namespace vyn::host::svg {

struct ElementSpans {
    // Start of '<' to the end of the end tag or of "/>", in document order.
    std::vector<ByteSpan> spans;
    std::vector<std::size_t> depths; // the root is at depth 0

    // The span of the element whose start tag begins at `begin`; an empty
    // span there when there is none.
    ByteSpan at(std::size_t begin) const;
};

ElementSpans scanElementSpans(std::string_view text);

// "\r\n", "\r" or "\n": the first line ending of the text ("\n" if none).
std::string lineEnding(std::string_view text);
// One level of indentation: the first step by which an element starting its
// own line is indented more than its parent starting its own; "  " if none.
std::string indentation(std::string_view text, const ElementSpans &spans);

} // namespace vyn::host::svg
