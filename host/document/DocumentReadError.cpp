#include "document/DocumentReadError.h"

#include <algorithm>

namespace vyn::host {

std::string_view sentenceOf(DocumentReadStatus status) {
    switch (status) {
    case DocumentReadStatus::Unreadable: return "the document cannot be read";
    case DocumentReadStatus::NotJson: return "the text is not JSON";
    case DocumentReadStatus::NotThisFormat:
        return "this is not a Vyn document of a version this program reads";
    case DocumentReadStatus::WrongType: return "a value has the wrong type";
    case DocumentReadStatus::MissingMember: return "a required member is missing";
    case DocumentReadStatus::UnknownMember: return "the format has no such member";
    case DocumentReadStatus::BadValue: return "the value is not allowed here";
    case DocumentReadStatus::UnknownSwatch: return "no swatch of that name is defined";
    case DocumentReadStatus::DuplicateSwatch: return "a swatch of that name is already defined";
    }
    return "the document is damaged";
}

std::string DocumentReadError::message(std::string_view name, std::string_view text) const {
    std::string out(name);
    if (status != DocumentReadStatus::Unreadable) {
        const std::size_t end = std::min(offset, text.size());
        const std::string_view before = text.substr(0, end);
        const std::size_t line = 1 + static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n'));
        const std::size_t lineStart = before.rfind('\n');
        const std::size_t column = lineStart == std::string_view::npos ? end + 1 : end - lineStart;
        out += ':';
        out += std::to_string(line);
        out += ':';
        out += std::to_string(column);
    }
    out += ": error: ";
    out += sentenceOf(status);
    if (!detail.empty()) out += ": " + detail;
    return out;
}

} // namespace vyn::host
