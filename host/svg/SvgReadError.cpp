#include "svg/SvgReadError.h"

#include "svg/SvgLimits.h"

namespace vyn::host::svg {

std::string sentenceOf(SvgReadStatus status) {
    switch (status) {
    case SvgReadStatus::Unreadable: return "the file cannot be read";
    case SvgReadStatus::TooLarge:
        return "the file is larger than " + std::to_string(kMaxSvgBytes / (1024 * 1024)) + " MiB";
    case SvgReadStatus::NotXml: return "the file is not XML";
    case SvgReadStatus::NotWellFormed: return "the file is not well-formed XML";
    case SvgReadStatus::NotSvg: return "this is not an SVG file";
    case SvgReadStatus::BadCompression:
    case SvgReadStatus::BadEncoding:
    case SvgReadStatus::BadSelector:
    case SvgReadStatus::Refused: break;
    }
    return {};
}

} // namespace vyn::host::svg
