#include "fonts/FontList.h"

#include <algorithm>

#include "gate/HandleTable.h"
#include "gate/HostError.h"
#include "fonts/SystemFonts.h"

namespace vyn::host {

FontList::FontList(std::optional<std::vector<std::string>> fixed) : names_(std::move(fixed)) {
    if (names_) load();
}

void FontList::load() {
    if (!names_) {
        names_ = systemFontNames();
        if (!names_) throw HostError(kCantHappenErr, "the system's font configuration cannot list the fonts");
        if (const std::optional<std::string> sans = systemSansSerifName())
            if (const auto it = std::find(names_->begin(), names_->end(), *sans); it != names_->end())
                defaultIndex_ = static_cast<std::size_t>(it - names_->begin());
    }
    keys_.reserve(names_->size());
    for (std::size_t i = 0; i < names_->size(); ++i) {
        keys_.push_back(HandleSpace::nextAs<AIFontKey>());
        indexOfKey_.emplace(reinterpret_cast<std::uintptr_t>(keys_.back()), i);
    }
}

std::size_t FontList::count() {
    if (!names_) load();
    return names_->size();
}

AIFontKey FontList::key(std::size_t index) {
    if (!names_) load();
    return keys_.at(index);
}

std::size_t FontList::defaultIndex() {
    if (!names_) load();
    return defaultIndex_;
}

const std::string *FontList::name(AIFontKey key) {
    if (!names_) load();
    auto it = indexOfKey_.find(reinterpret_cast<std::uintptr_t>(key));
    return it == indexOfKey_.end() ? nullptr : &(*names_)[it->second];
}

} // namespace vyn::host
