// StandardStreams.h — a document read from standard input or written to
// standard output, for "-" in place of a file name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vyn::app {

// The name messages give standard input by, as compilers do.
inline constexpr const char *kStandardInputName = "<stdin>";

struct StandardInputRead {
    std::optional<std::string> bytes; // all of it, when it was read
    std::string refusal;              // otherwise why not
};

// Reads standard input to its end, refusing more than `maxBytes` (the rest
// is left unread) and a terminal, which would wait for typing.
StandardInputRead readStandardInput(std::size_t maxBytes);

// Writes `bytes` whole to standard output (a pipe may take them in pieces).
// Nothing when that worked; otherwise the sentence saying why not.
std::optional<std::string> writeStandardOutput(std::string_view bytes);

} // namespace vyn::app
