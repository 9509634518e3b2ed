#include "files/SmallFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <system_error>

#include "files/FileType.h"

namespace vyn::host {
namespace {

std::string systemReason(int error) { return std::error_code(error, std::generic_category()).message(); }

std::string tooLarge(std::size_t maxBytes) {
    return "it is larger than " + std::to_string(maxBytes) + " bytes";
}

struct FileDescriptor {
    int fd;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

SmallFileRead readSmallRegularFile(const std::filesystem::path &file, std::size_t maxBytes) {
    FileDescriptor in{::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (in.fd < 0) return {std::nullopt, errno == ENOENT || errno == ENOTDIR ? "" : systemReason(errno)};
    struct stat status {};
    if (::fstat(in.fd, &status) != 0) return {std::nullopt, systemReason(errno)};
    if (!S_ISREG(status.st_mode)) return {std::nullopt, notARegularFile(status.st_mode)};
    if (static_cast<std::uint64_t>(status.st_size) > maxBytes) return {std::nullopt, tooLarge(maxBytes)};
    // Read to the end, not to the size seen: the file may be growing.
    std::string bytes;
    // Room for the size seen, and one byte more to meet the end without
    // growing: a big file is then never copied while it is read.
    bytes.reserve(static_cast<std::size_t>(status.st_size) + 1);
    char chunk[16384];
    for (;;) {
        ssize_t n = ::read(in.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {std::nullopt, systemReason(errno)};
        if (n == 0) return {std::move(bytes), {}};
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) return {std::nullopt, tooLarge(maxBytes)};
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

} // namespace vyn::host
