// PreferencesFile.h — the text of the preferences file: a JSON object with
// one member per prefix, each an object with one member per key, whose
// value is a JSON boolean, number or string.
//
//     {
//       "VynColors": {
//         "CaseMotifs": true,
//         "CorpsCase": 12.0,
//         "PoliceCase": "DejaVu Sans"
//       }
//     }
//
// Numbers are written in the shortest form that reads back as the same
// double, bit for bit (-0.0 and subnormals included). See
// docs/host-behaviour.md, "Preferences".
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vyn::host {

// A stored value; text is UTF-8.
using PreferenceValue = std::variant<bool, double, std::string>;
// prefix → key → value, prefixes and keys in UTF-8.
using PreferenceValues =
    std::map<std::string, std::map<std::string, PreferenceValue, std::less<>>, std::less<>>;

struct ParsedPreferences {
    std::optional<PreferenceValues> values;
    std::string problem; // when there are no values: "it is not valid JSON: ..."
};

ParsedPreferences parsePreferences(std::string_view text);
// Reals must be finite: JSON has no form for the others.
std::string formatPreferences(const PreferenceValues &values);

} // namespace vyn::host
