// FileWriteError.h — why a file could not be written, the one failure every
// writer of files returns.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace vyn::host {

struct FileWriteError {
    std::error_code cause; // the system's reason, when there is one
    std::string detail;    // our own reason, when the system's alone would puzzle
    // What the file was to hold, when the sentence names it ("picture").
    std::string_view subject = {};

    // The clause after "cannot write X: ": the detail, the system's reason,
    // or "DETAIL (REASON)" with both.
    std::string reason() const;
    // "cannot write FILE: REASON", or "cannot write SUBJECT FILE: REASON".
    std::string message(const std::filesystem::path &file) const;
};

} // namespace vyn::host
