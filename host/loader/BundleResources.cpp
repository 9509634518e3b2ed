#include "loader/BundleResources.h"

#include <sstream>

#include <pugixml.hpp>

#include "files/SmallFile.h"

namespace vyn::host {
namespace {

// The value of a length attribute of the root <svg> element, in pixels
// (a bare number or one in px; anything else counts as 0).
int svgLength(const std::string &svg, const char *attribute) {
    pugi::xml_document doc;
    if (!doc.load_string(svg.c_str())) return 0;
    std::string value = doc.child("svg").attribute(attribute).as_string();
    if (value.size() > 2 && value.compare(value.size() - 2, 2, "px") == 0) value.resize(value.size() - 2);
    try {
        std::size_t used = 0;
        double v = std::stod(value, &used);
        return used == value.size() && v > 0 ? static_cast<int>(v + 0.5) : 0;
    } catch (const std::exception &) {
        return 0;
    }
}

} // namespace

std::optional<std::string> BundleResources::string(int listId, int index) const {
    if (index < 1 || folder_.empty()) return std::nullopt;
    auto text = read(folder_ / "StringLists" / (std::to_string(listId) + ".txt"));
    if (!text) return std::nullopt;
    std::istringstream lines(*text);
    std::string line;
    for (int i = 1; std::getline(lines, line); ++i) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (i == index) return line;
    }
    return std::nullopt;
}

std::optional<IconResource> BundleResources::icon(int iconId) const {
    if (folder_.empty()) return std::nullopt;
    auto file = folder_ / "Icons" / (std::to_string(iconId) + ".svg");
    auto svg = read(file);
    if (!svg) return std::nullopt;
    return IconResource{file, *svg, svgLength(*svg, "width"), svgLength(*svg, "height")};
}

std::optional<std::string> BundleResources::read(const std::filesystem::path &file) const {
    SmallFileRead result = readSmallRegularFile(file, kMaxResourceBytes);
    if (!result.refusal.empty() && refused_)
        refused_("cannot read resource " + file.string() + ": " + result.refusal);
    return std::move(result.bytes);
}

} // namespace vyn::host
