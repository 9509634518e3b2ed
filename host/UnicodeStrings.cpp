#include "UnicodeStrings.h"

#include "HostError.h"

namespace vyn::host {

std::u16string UnicodeStrings::text(AIUnicodeStringRef ref) const {
    if (!ref) return {};
    const std::u16string *s = find(ref);
    require(s != nullptr, "stale Unicode string");
    return *s;
}

} // namespace vyn::host
