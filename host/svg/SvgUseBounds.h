// SvgUseBounds.h — what keeps <use> expansion finite: a count, before
// expanding, of how many elements a reference would make (so that a few
// lines multiplying into billions are refused without being expanded, and
// cycles are found), and the budget of art and time the expansion itself
// may spend.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include <pugixml.hpp>

namespace vyn::host::svg {

// Thrown when a file cannot be read on: where, and why.
struct SvgRefusal {
    std::size_t offset = 0;
    std::string reason;
};

class UseBounds {
  public:
    using FindById = std::function<pugi::xml_node(std::string_view)>;
    using OffsetOf = std::function<std::size_t(pugi::xml_node)>;
    UseBounds(FindById find, OffsetOf offsetOf) : find_(std::move(find)), offsetOf_(std::move(offsetOf)) {}

    // Counts what expanding `use` (at nesting depth `depth`) would make and
    // adds it to the file's total; throws SvgRefusal for a cycle, a chain
    // too deep, or a total past kUseBombThreshold.
    void admit(pugi::xml_node use, std::size_t depth);

    // Called for each art made inside a <use>: false once the art budget or
    // the time is spent, from then on.
    bool spend();
    bool cutShort() const { return cut_; }

  private:
    std::uint64_t expansion(pugi::xml_node element, std::size_t depth, std::size_t chain);

    FindById find_;
    OffsetOf offsetOf_;
    std::unordered_map<const void *, std::uint64_t> counted_; // referenced element -> its expansion
    std::uint64_t total_ = 0;
    std::size_t spent_ = 0;
    bool cut_ = false;
    std::optional<std::chrono::steady_clock::time_point> started_;
};

} // namespace vyn::host::svg
