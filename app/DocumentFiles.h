// DocumentFiles.h — the files a chart build reads and writes: their format
// by name, the output's default name, and whether two names are one file.
#pragma once

#include <filesystem>
#include <optional>

namespace vyn::app {

enum class FileFormat { Json, Svg, Svgz, Png };

// The format a name's extension stands for, in any letter case.
std::optional<FileFormat> formatOf(const std::filesystem::path &file);

// The format's name, which is also its extension without the dot: "svgz".
const char *formatName(FileFormat format);

// NAME-colors.EXT beside NAME.EXT, or NAME-colors.FORMAT for another format.
std::filesystem::path defaultOutputFor(const std::filesystem::path &input,
                                       std::optional<FileFormat> format = std::nullopt);

// Whether both names lead to one existing file (the same device and inode,
// through symbolic and hard links alike).
bool sameFile(const std::filesystem::path &a, const std::filesystem::path &b);

} // namespace vyn::app
