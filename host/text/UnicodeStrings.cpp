#include "text/UnicodeStrings.h"

#include "gate/HostError.h"

namespace vyn::host {

const std::u16string &UnicodeStrings::text(AIUnicodeStringRef ref) const {
    static const std::u16string empty;
    if (!ref) return empty;
    const std::u16string *s = find(ref);
    require(s != nullptr, "stale Unicode string");
    return *s;
}

} // namespace vyn::host
