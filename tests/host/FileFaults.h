// FileFaults.h — a scratch folder and an unprivileged child process, for
// tests of what the host does with hostile files.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace vyn::host::testing {

class ScratchFolder {
  public:
    ScratchFolder() {
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() / ("vyn-files-" + std::to_string(stamp));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline std::string contentOf(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeText(const std::filesystem::path &file, const std::string &text) {
    std::ofstream(file, std::ios::binary) << text;
}

// Runs `body` in a child process that file permissions bind, and returns
// what it returned. The tests run as root in CI, and root reads and writes
// through any permission; the child therefore drops to "nobody" first.
inline std::string asUnprivileged(const std::function<std::string()> &body) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "pipe failed";
    pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        const std::string result = body();
        [[maybe_unused]] ssize_t written = ::write(pipeEnds[1], result.data(), result.size());
        ::_exit(0); // no test framework clean-up in the child
    }
    ::close(pipeEnds[1]);
    std::string result;
    char chunk[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
        result.append(chunk, static_cast<std::size_t>(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the unprivileged child failed";
    return result;
}

} // namespace vyn::host::testing
