#include "text/TextEngine.h"

#include "gate/HostError.h"

namespace vyn::host {

void *TextEngine::add(Object object) {
    return table_.add(std::make_unique<Entry>(Entry{std::move(object), 1}));
}

void TextEngine::addRef(const void *ref) {
    Entry *e = table_.find(const_cast<void *>(ref));
    require(e != nullptr, "stale text-engine reference");
    ++e->count;
}

void TextEngine::release(const void *ref) {
    Entry *e = table_.find(const_cast<void *>(ref));
    require(e != nullptr, "stale text-engine reference");
    if (--e->count == 0) table_.erase(const_cast<void *>(ref));
}

} // namespace vyn::host
