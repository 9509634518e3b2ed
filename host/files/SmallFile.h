// SmallFile.h — reading a small file that a person or a plug-in bundle put in
// the host's way, without letting it hang or exhaust the host.
//
// Only a regular file of a bounded size is read. It is opened without
// waiting, so that a FIFO in its place is refused rather than waited on;
// symbolic links are followed, and what they lead to must pass the same
// test. A missing file is neither read nor refused.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace vyn::host {

struct SmallFileRead {
    std::optional<std::string> bytes; // the whole file, when it was read
    std::string refusal;              // why it was not, e.g. "it is a FIFO, not a regular file"
    bool missing() const { return !bytes && refusal.empty(); }
};

SmallFileRead readSmallRegularFile(const std::filesystem::path &file, std::size_t maxBytes);

} // namespace vyn::host
