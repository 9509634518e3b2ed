#include "loader/ModuleFile.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <system_error>
#include <vector>

#include "files/FileType.h"

namespace vyn::host {
namespace {

#if defined(__x86_64__)
constexpr int kThisMachine = EM_X86_64;
#elif defined(__aarch64__)
constexpr int kThisMachine = EM_AARCH64;
#elif defined(__i386__)
constexpr int kThisMachine = EM_386;
#elif defined(__arm__)
constexpr int kThisMachine = EM_ARM;
#elif defined(__riscv)
constexpr int kThisMachine = EM_RISCV;
#elif defined(__powerpc64__)
constexpr int kThisMachine = EM_PPC64;
#elif defined(__s390x__)
constexpr int kThisMachine = EM_S390;
#else
#error "name this machine's ELF machine number here"
#endif

constexpr unsigned char kThisClass = sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32;
constexpr unsigned char kThisByteOrder =
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? ELFDATA2LSB : ELFDATA2MSB;

ModuleFileCheck notLoadable(std::string why) {
    return {ModuleFileCheck::Verdict::NotLoadable, std::move(why)};
}

ModuleFileCheck unreadable(int error) {
    return {ModuleFileCheck::Verdict::Unreadable, std::error_code(error, std::generic_category()).message()};
}

// Reads `length` bytes at `offset`; false when the file ends first.
bool readAt(int fd, void *buffer, std::size_t length, off_t offset) {
    auto *bytes = static_cast<char *>(buffer);
    while (length > 0) {
        ssize_t n = ::pread(fd, bytes, length, offset);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        length -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

// Whether [offset, offset + length) lies inside a file of `size` bytes.
bool inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
    return offset <= size && length <= size - offset;
}

ModuleFileCheck checkHeader(const ElfW(Ehdr) & header) {
    const unsigned char *ident = header.e_ident;
    if (ident[EI_CLASS] != kThisClass)
        return notLoadable(ident[EI_CLASS] == ELFCLASS32 ? "it is a 32-bit object" : "it is a 64-bit object");
    if (ident[EI_DATA] != kThisByteOrder) return notLoadable("its byte order is not this machine's");
    if (ident[EI_VERSION] != EV_CURRENT || header.e_version != EV_CURRENT)
        return notLoadable("its ELF version is unknown");
    if (header.e_machine != kThisMachine)
        return notLoadable("it is built for another machine (ELF machine " +
                           std::to_string(header.e_machine) + ")");
    if (header.e_type != ET_DYN) return notLoadable("it is not a shared object");
    if (header.e_phentsize != sizeof(ElfW(Phdr)) || header.e_phnum == 0 || header.e_phnum == PN_XNUM)
        return notLoadable("its program header table is malformed");
    return {ModuleFileCheck::Verdict::Loadable, {}};
}

ModuleFileCheck checkOpened(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return unreadable(errno);
    if (!S_ISREG(status.st_mode)) return notLoadable(notARegularFile(status.st_mode));
    const auto size = static_cast<std::uint64_t>(status.st_size);

    ElfW(Ehdr) header{};
    const bool whole = readAt(fd, &header, sizeof header, 0);
    if (size < SELFMAG || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return notLoadable("it is not an ELF file");
    if (!whole) return notLoadable("it is cut short inside its ELF header");
    if (auto verdict = checkHeader(header); verdict.verdict != ModuleFileCheck::Verdict::Loadable)
        return verdict;

    const std::uint64_t tableSize = std::uint64_t(header.e_phnum) * sizeof(ElfW(Phdr));
    if (!inside(header.e_phoff, tableSize, size))
        return notLoadable("it is cut short inside its program headers");
    std::vector<ElfW(Phdr)> segments(header.e_phnum);
    if (!readAt(fd, segments.data(), tableSize, static_cast<off_t>(header.e_phoff)))
        return notLoadable("it is cut short inside its program headers");
    for (const auto &segment : segments)
        if (segment.p_type == PT_LOAD && !inside(segment.p_offset, segment.p_filesz, size))
            return notLoadable("it is cut short: a loadable segment ends at byte " +
                               std::to_string(segment.p_offset + segment.p_filesz) + " of a file of " +
                               std::to_string(size) + " bytes");
    return {ModuleFileCheck::Verdict::Loadable, {}};
}

} // namespace

ModuleFileCheck checkModuleFile(const std::filesystem::path &file) {
    // O_NONBLOCK: a FIFO in the module's place is refused, not waited on.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT) return {ModuleFileCheck::Verdict::Missing, {}};
        return unreadable(errno);
    }
    ModuleFileCheck check = checkOpened(fd);
    ::close(fd);
    return check;
}

} // namespace vyn::host
