// SystemFonts.h — the fonts installed on this machine, as the system's font
// configuration library (fontconfig) lists them.
//
// One name per face, its full name "Family Style" in UTF-8 ("DejaVu Sans
// Bold"; a regular face is often just "DejaVu Sans"), in a stable order:
// family, then style, then file and face index as tiebreak, each compared
// byte for byte. Two faces may share a name; both are listed. See
// docs/host-behaviour.md, "Fonts".
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vyn::host {

// Nothing when fontconfig cannot list the fonts.
std::optional<std::vector<std::string>> systemFontNames();

// The name, as systemFontNames() gives it, of the face fontconfig matches
// for "sans-serif": the system's default sans-serif face. Nothing when it
// matches none.
std::optional<std::string> systemSansSerifName();

} // namespace vyn::host
