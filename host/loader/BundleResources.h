// BundleResources.h — the resources of a plug-in bundle, read on its behalf.
//
// Resources/StringLists/ID.txt holds string list ID, one entry per line in
// UTF-8 (entry 1 is the first line); the host hands entries to the plug-in in
// the platform encoding. Resources/Icons/ID.svg holds icon ID; its size is the
// SVG's width and height in pixels. Only regular files of at most
// kMaxResourceBytes are read; any other file in a resource's place is refused
// and reported. See docs/host-behaviour.md, "Resources".
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ASTypes.h"

namespace vyn::host {

inline constexpr std::size_t kMaxResourceBytes = 1 << 20;

struct IconResource {
    std::filesystem::path file;
    std::string svg; // the file's text
    int width = 0;
    int height = 0;
};

class BundleResources {
  public:
    // Told the sentence for each resource refused: "cannot read resource
    // FILE: it is a FIFO, not a regular file".
    using Refusal = std::function<void(const std::string &)>;

    BundleResources() = default;
    BundleResources(std::filesystem::path folder, Refusal refused)
        : folder_(std::move(folder)), refused_(std::move(refused)) {}

    // Entry `index` (from 1) of string list `listId`, in UTF-8; nothing when
    // the list or the entry does not exist or the list is refused.
    std::optional<std::string> string(int listId, int index) const;
    // Nothing when the icon does not exist or is refused.
    std::optional<IconResource> icon(int iconId) const;
    const std::filesystem::path &folder() const { return folder_; }

  private:
    std::optional<std::string> read(const std::filesystem::path &file) const;

    std::filesystem::path folder_;
    Refusal refused_;
};

} // namespace vyn::host
