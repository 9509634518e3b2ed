#include "BundleResources.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <sstream>
#include <system_error>

#include <pugixml.hpp>

#include "FileType.h"

namespace vyn::host {
namespace {

// A file's bytes, or why it may not be read; a missing file is neither.
struct FileRead {
    std::optional<std::string> bytes;
    std::string refusal;
};

std::string systemReason(int error) { return std::error_code(error, std::generic_category()).message(); }

std::string tooLarge() { return "it is larger than " + std::to_string(kMaxResourceBytes) + " bytes"; }

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

FileRead readSmallRegularFile(const std::filesystem::path &file) {
    // O_NONBLOCK: a FIFO in a resource's place is refused, not waited on.
    FileDescriptor in{::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (in.fd < 0) return {std::nullopt, errno == ENOENT || errno == ENOTDIR ? "" : systemReason(errno)};
    struct stat status {};
    if (::fstat(in.fd, &status) != 0) return {std::nullopt, systemReason(errno)};
    if (!S_ISREG(status.st_mode)) return {std::nullopt, notARegularFile(status.st_mode)};
    if (static_cast<std::uint64_t>(status.st_size) > kMaxResourceBytes) return {std::nullopt, tooLarge()};
    // Read to the end, not to the size seen: the file may be growing.
    std::string bytes;
    char chunk[16384];
    for (;;) {
        ssize_t n = ::read(in.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {std::nullopt, systemReason(errno)};
        if (n == 0) return {std::move(bytes), {}};
        if (bytes.size() + static_cast<std::size_t>(n) > kMaxResourceBytes) return {std::nullopt, tooLarge()};
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

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
    FileRead result = readSmallRegularFile(file);
    if (!result.refusal.empty() && refused_)
        refused_("cannot read resource " + file.string() + ": " + result.refusal);
    return std::move(result.bytes);
}

} // namespace vyn::host
