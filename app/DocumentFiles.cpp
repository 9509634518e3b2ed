#include "DocumentFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace vyn::app {

std::optional<FileFormat> formatOf(const std::filesystem::path &file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".json") return FileFormat::Json;
    if (ext == ".svg") return FileFormat::Svg;
    if (ext == ".svgz") return FileFormat::Svgz;
    if (ext == ".png") return FileFormat::Png;
    return std::nullopt;
}

const char *formatName(FileFormat format) {
    switch (format) {
    case FileFormat::Json: return "json";
    case FileFormat::Svg: return "svg";
    case FileFormat::Svgz: return "svgz";
    case FileFormat::Png: return "png";
    }
    return "json";
}

std::filesystem::path defaultOutputFor(const std::filesystem::path &input, std::optional<FileFormat> format) {
    std::filesystem::path output = input;
    const std::string extension = format ? std::string(".") + formatName(*format) : input.extension().string();
    output.replace_filename(input.stem().string() + "-colors" + extension);
    return output;
}

bool sameFile(const std::filesystem::path &a, const std::filesystem::path &b) {
    struct stat first {
    }, second{};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) return false;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace vyn::app
