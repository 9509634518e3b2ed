#include "svg/SvgUseBounds.h"

#include <algorithm>

#include "svg/SvgLimits.h"
#include "svg/SvgPaintServers.h"
#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {
namespace {

constexpr std::uint64_t kInProgress = UINT64_MAX;
constexpr std::uint64_t kSaturated = UINT64_MAX / 4;

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) { return std::min(kSaturated, a + b); }

} // namespace

std::uint64_t UseBounds::expansion(pugi::xml_node element, std::size_t depth, std::size_t chain) {
    if (depth > kMaxSvgDepth)
        throw SvgRefusal{offsetOf_(element), "elements (with <use> expanded) nest deeper than " +
                                                 std::to_string(kMaxSvgDepth) + " levels"};
    std::uint64_t count = 1;
    if (localName(element) == "use") {
        const pugi::xml_node target = find_(hrefOf(element));
        if (!target) return count;
        if (chain >= kMaxUseChain)
            throw SvgRefusal{offsetOf_(element),
                             "<use> references chain deeper than " + std::to_string(kMaxUseChain)};
        const auto [it, fresh] = counted_.try_emplace(target.internal_object(), kInProgress);
        if (!fresh && it->second == kInProgress)
            throw SvgRefusal{offsetOf_(element), "this <use> refers to itself through the elements it draws"};
        if (fresh) {
            const std::uint64_t made = expansion(target, depth + 1, chain + 1);
            counted_[target.internal_object()] = made;
        }
        return saturatingAdd(count, counted_[target.internal_object()]);
    }
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element)
            count = saturatingAdd(count, expansion(child, depth + 1, chain));
    return count;
}

void UseBounds::admit(pugi::xml_node use, std::size_t depth) {
    // A <use> inside its own target is a cycle too: mark the ancestors.
    std::vector<const void *> ancestors;
    for (pugi::xml_node up = use.parent(); up.type() == pugi::node_element; up = up.parent())
        if (counted_.try_emplace(up.internal_object(), kInProgress).second)
            ancestors.push_back(up.internal_object());
    std::uint64_t made = 0;
    try {
        made = expansion(use, depth, 0);
    } catch (...) {
        for (const void *a : ancestors)
            counted_.erase(a);
        throw;
    }
    for (const void *a : ancestors)
        counted_.erase(a);
    total_ = saturatingAdd(total_, made);
    if (total_ > kUseBombThreshold)
        throw SvgRefusal{offsetOf_(use), "<use> references multiply into more than " +
                                             std::to_string(kUseBombThreshold) + " elements"};
}

bool UseBounds::spend() {
    if (cut_) return false;
    if (!started_) started_ = std::chrono::steady_clock::now();
    if (++spent_ > kUseArtBudget) {
        cut_ = true;
    } else if (spent_ % 256 == 0) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - *started_;
        cut_ = elapsed.count() > kUseSeconds;
    }
    return !cut_;
}

} // namespace vyn::host::svg
