#include "files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <random>

#include "files/FileType.h"

namespace vyn::host {
namespace {

// Ten random letters or digits: too many to guess, and short enough that
// the folder can still hold a target whose name has the longest legal length.
std::string temporaryName() {
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string name = ".vyn-";
    for (int i = 0; i < 10; ++i)
        name += kAlphabet[random() % (sizeof kAlphabet - 1)];
    return name + ".tmp";
}

} // namespace

AtomicFile::AtomicFile(const std::filesystem::path &target) { open(target); }

AtomicFile::~AtomicFile() {
    if (!committed_) discard();
    if (folder_ >= 0) ::close(folder_);
}

void AtomicFile::open(const std::filesystem::path &target) {
    std::filesystem::path destination = target;
    struct stat status {};
    // A symbolic link stays a link: the file it leads to is the one replaced.
    if (::lstat(target.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.c_str(), nullptr), &std::free);
        if (!real) return fail(errno, "it is a symbolic link that cannot be followed");
        destination = real.get();
    }
    name_ = destination.filename().string();
    if (name_.empty() || name_ == "." || name_ == "..") return fail(EISDIR);
    const std::filesystem::path folder = destination.has_parent_path() ? destination.parent_path() : ".";
    folder_ = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) return fail(errno);

    if (::fstatat(folder_, name_.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        // Never rename over a device, a FIFO or a folder.
        if (!S_ISREG(status.st_mode)) return fail(0, notARegularFile(status.st_mode));
        // A read-only file is not replaced behind its owner's back.
        if (::faccessat(folder_, name_.c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);
        replaced_ = Replaced{status.st_mode & 0777, status.st_uid, status.st_gid};
    } else if (errno != ENOENT) {
        return fail(errno);
    }

    // 0666: a new file gets what the umask leaves, as any program's would.
    // A file without a name, where the file system makes one, vanishes
    // with the process that was writing it, killed or not; it gets a name
    // only when it is whole. Naming it goes through /proc.
    if (::access("/proc/self/fd", X_OK) == 0) {
        file_ = ::openat(folder_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (file_ >= 0) return;
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string name = temporaryName();
        file_ = ::openat(folder_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file_ >= 0) {
            temporary_ = std::move(name);
            return;
        }
        if (errno != EEXIST) break;
    }
    fail(errno);
}

bool AtomicFile::nameUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(file_);
    // A new target is linked in place at once: nothing else is ever seen.
    if (!replaced_) {
        if (::linkat(AT_FDCWD, self.c_str(), folder_, name_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            linkedInPlace_ = true;
            return true;
        }
        if (errno != EEXIST) {
            fail(errno);
            return false;
        }
    }
    // A file to replace: a name beside it, then renamed over it.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::string name = temporaryName();
        if (::linkat(AT_FDCWD, self.c_str(), folder_, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary_ = std::move(name);
            return true;
        }
        if (errno != EEXIST) break;
    }
    fail(errno);
    return false;
}

void AtomicFile::write(std::string_view bytes) {
    while (!failure_ && !committed_ && !bytes.empty()) {
        ssize_t n = ::write(file_, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno != EINTR) fail(errno);
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::optional<FileWriteError> AtomicFile::commit() {
    if (committed_ || failure_) return failure_;
    if (replaced_) {
        if (replaced_->owner != ::geteuid() || replaced_->group != ::getegid()) {
            // Only a privileged writer can give the file back to its owner;
            // for anyone else the new file is theirs, as after any save.
            [[maybe_unused]] int given = ::fchown(file_, replaced_->owner, replaced_->group);
        }
        if (::fchmod(file_, replaced_->permissions) != 0) fail(errno);
    }
    if (!failure_ && ::fsync(file_) != 0) fail(errno);
    if (failure_) return failure_;
    if (temporary_.empty() && !nameUnnamed()) return failure_;
    int closing = ::close(file_);
    file_ = -1;
    if (closing != 0) fail(errno);
    if (!failure_ && !linkedInPlace_ && ::renameat(folder_, temporary_.c_str(), folder_, name_.c_str()) != 0)
        fail(errno);
    if (failure_) return failure_;
    committed_ = true;
    // The rename itself reaches the disk when the folder is synced; the file
    // is whole either way, so a folder that cannot be synced is no failure.
    int folder = ::openat(folder_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return std::nullopt;
}

void AtomicFile::fail(int error, std::string detail) {
    if (!failure_)
        failure_ = FileWriteError{std::error_code(error, std::generic_category()), std::move(detail)};
    discard();
}

void AtomicFile::discard() {
    if (file_ >= 0) ::close(file_);
    file_ = -1;
    if (!temporary_.empty()) ::unlinkat(folder_, temporary_.c_str(), 0);
    // A file linked in place already was new: no file stood there before.
    if (linkedInPlace_ && !committed_) ::unlinkat(folder_, name_.c_str(), 0);
    linkedInPlace_ = false;
    temporary_.clear();
}

std::optional<FileWriteError> writeFileAtomically(const std::filesystem::path &target,
                                                  std::string_view bytes) {
    AtomicFile file(target);
    file.write(bytes);
    return file.commit();
}

} // namespace vyn::host
