// UnicodeStrings.h — the host strings plug-ins hold through AI Unicode String.
#pragma once

#include <string>

#include "gate/HandleTable.h"
#include "ASTypes.h"

namespace vyn::host {

class UnicodeStrings {
  public:
    AIUnicodeStringRef make(std::u16string text) {
        return table_.add(std::make_unique<std::u16string>(std::move(text)));
    }
    // Null for a stale reference. A null reference is the empty string; use
    // text() to read either.
    std::u16string *find(AIUnicodeStringRef ref) const { return table_.find(ref); }
    // The text itself, not a copy: reading a code unit or comparing two
    // strings costs no allocation. Valid until the string is changed or
    // disposed of. Throws HostError(kBadParameterErr) for a stale, non-null
    // reference.
    const std::u16string &text(AIUnicodeStringRef ref) const;
    void dispose(AIUnicodeStringRef ref) { table_.erase(ref); }
    // Strings plug-ins have not disposed of.
    std::size_t live() const { return table_.size(); }

  private:
    OwningHandleTable<std::u16string, AIUnicodeStringRef> table_;
};

} // namespace vyn::host
