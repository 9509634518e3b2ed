#include "document/DocumentReadError.h"

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
    case DocumentReadStatus::TooDeep: return "the values nest too deeply";
    }
    return "the document is damaged";
}

} // namespace vyn::host
