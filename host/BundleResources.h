// BundleResources.h — the resources of a plug-in bundle, read on its behalf.
//
// Resources/StringLists/ID.txt holds string list ID, one entry per line in
// UTF-8 (entry 1 is the first line); the host hands entries to the plug-in in
// the platform encoding. Resources/Icons/ID.svg holds icon ID; its size is the
// SVG's width and height in pixels. See docs/host-behaviour.md, "Resources".
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "ASTypes.h"

namespace vyn::host {

struct IconResource {
    std::filesystem::path file;
    std::string svg; // the file's text
    int width = 0;
    int height = 0;
};

class BundleResources {
  public:
    BundleResources() = default;
    explicit BundleResources(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Entry `index` (from 1) of string list `listId`, in UTF-8; nothing when
    // the list or the entry does not exist.
    std::optional<std::string> string(int listId, int index) const;
    std::optional<IconResource> icon(int iconId) const;
    const std::filesystem::path &folder() const { return folder_; }

  private:
    std::filesystem::path folder_;
};

} // namespace vyn::host
