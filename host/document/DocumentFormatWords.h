// DocumentFormatWords.h — the words the JSON document format uses for the
// model's enumerations, shared by the reader and the writer so that the two
// can never disagree. Each table is in the order of its enumeration.
#pragma once

#include <array>
#include <string_view>

#include "model/Art.h"
#include "model/Document.h"
#include "model/Swatches.h"

namespace vyn::host::documentformat {

inline constexpr std::string_view kFormatName = "vyncolors-document";
inline constexpr int kFormatVersion = 1;

inline constexpr std::array<std::string_view, 2> kColorModels{"rgb", "cmyk"};
inline constexpr std::array<std::string_view, 3> kCustomColorKinds{"process", "spot", "registration"};
inline constexpr std::array<std::string_view, 2> kGradientKinds{"linear", "radial"};
inline constexpr std::array<std::string_view, 3> kLineCaps{"butt", "round", "projecting"};
inline constexpr std::array<std::string_view, 3> kLineJoins{"miter", "round", "bevel"};
inline constexpr std::array<std::string_view, 7> kJustifications{"left",
                                                                 "right",
                                                                 "center",
                                                                 "fullLastLineLeft",
                                                                 "fullLastLineRight",
                                                                 "fullLastLineCenter",
                                                                 "fullLastLineFull"};
inline constexpr std::array<std::string_view, 2> kLeadings{"roman", "japanese"};

// The user attribute bits that have their own boolean member; any other bit
// goes into "otherAttributes".
inline constexpr std::array<std::pair<std::string_view, ArtAttribute>, 4> kAttributeNames{{
    {"selected", kSelected},
    {"locked", kLocked},
    {"hidden", kHidden},
    {"fullySelected", kFullySelected},
}};

// Non-finite numbers, which JSON has no number for, are written as these
// strings wherever a number goes.
inline constexpr std::string_view kNotANumber = "NaN";
inline constexpr std::string_view kInfinity = "Infinity";
inline constexpr std::string_view kMinusInfinity = "-Infinity";

} // namespace vyn::host::documentformat
