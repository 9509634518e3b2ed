#include "files/FileWriteError.h"

namespace vyn::host {

std::string FileWriteError::reason() const {
    if (detail.empty()) return cause.message();
    return cause ? detail + " (" + cause.message() + ")" : detail;
}

std::string FileWriteError::message(const std::filesystem::path &file) const {
    std::string out = "cannot write ";
    if (!subject.empty()) {
        out += subject;
        out += ' ';
    }
    out += file.string();
    out += ": ";
    out += reason();
    return out;
}

} // namespace vyn::host
