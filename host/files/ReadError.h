// ReadError.h — why a reader refused a file, and where: the one failure
// every document reader returns.
//
// A reader keeps the byte offset of the fault; line and column are worked
// out only when the error is printed, in the form compilers use:
//
//     input.json:12:7: error: expected a number: layers[0].art[3].style.fill.paint.gray
//
// Each reader has its own list of statuses, one per kind of failure, and a
// fixed sentence for each, found beside the list as sentenceOf(status). A
// status whose failures are too varied for one sentence has none: its
// detail then says it all.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/TextPosition.h"

namespace vyn::host {

// "NAME:LINE:COLUMN: error: SENTENCE: DETAIL", without ":LINE:COLUMN" when
// there is no position, without ": DETAIL" when there is no detail and
// without "SENTENCE: " when there is no sentence.
std::string readErrorMessage(std::string_view name, std::optional<TextPosition> at, std::string_view sentence,
                             std::string_view detail);

template <class Status> struct ReadError {
    Status status{};
    // Byte offset of the fault in the text read; none for a fault that is
    // not at a place in it (a file that cannot be read at all).
    std::optional<std::size_t> offset;
    std::string detail; // the offending token, member, path or reason

    // The sentence for standard error, placed in `text`, the text read
    // from the file called `name`.
    std::string message(std::string_view name, std::string_view text) const {
        std::optional<TextPosition> at;
        if (offset) at = textPositionOf(text, *offset);
        return readErrorMessage(name, at, sentenceOf(status), detail);
    }
};

} // namespace vyn::host
