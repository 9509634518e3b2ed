#include "StandardStreams.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>

namespace vyn::app {

StandardInputRead readStandardInput(std::size_t maxBytes) {
    if (::isatty(STDIN_FILENO))
        return {std::nullopt, "standard input is a terminal: give the document through a pipe or < FILE"};
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return {std::nullopt, std::string("cannot read standard input: ") + std::strerror(errno)};
        }
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            return {std::nullopt, "standard input holds more than " + std::to_string(maxBytes >> 20) +
                                      " MiB, more than a document may"};
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return {std::move(bytes), {}};
}

std::optional<std::string> writeStandardOutput(std::string_view bytes) {
    // Whatever the streams hold goes first, so that the order is kept.
    std::cout.flush();
    while (!bytes.empty()) {
        const ssize_t put = ::write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return std::string("cannot write standard output: ") + std::strerror(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return std::nullopt;
}

} // namespace vyn::app
