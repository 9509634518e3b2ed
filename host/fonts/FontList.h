// FontList.h — the host's list of fonts, fixed for the whole run, and the
// keys that name them to plug-ins.
//
// The list is the system's installed fonts (SystemFonts.h), read once at
// first use, or a fixed list of names given instead (for tests). Each font
// has one key, a handle from the host's one handle space, valid while the
// host runs. See docs/host-behaviour.md, "Fonts".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ASTypes.h"

namespace vyn::host {

class FontList {
  public:
    // `fixed`: the names (UTF-8) to list instead of the system's fonts; an
    // empty list makes a host without fonts.
    explicit FontList(std::optional<std::vector<std::string>> fixed = std::nullopt);

    // Throw HostError(kCantHappenErr) when the system's fonts cannot be
    // listed.
    std::size_t count();
    // The key of the font at `index`, which must be below count().
    AIFontKey key(std::size_t index);
    // Where the default font is (count() must not be 0): the system's
    // sans-serif face (systemSansSerifName()) when it is listed, the first
    // font otherwise (and always for a fixed list).
    std::size_t defaultIndex();
    // The name (UTF-8) of the font `key` names, or null for a key this list
    // never gave.
    const std::string *name(AIFontKey key);

  private:
    void load();

    std::optional<std::vector<std::string>> names_;
    std::size_t defaultIndex_ = 0;
    std::vector<AIFontKey> keys_;
    std::unordered_map<std::uintptr_t, std::size_t> indexOfKey_;
};

} // namespace vyn::host
