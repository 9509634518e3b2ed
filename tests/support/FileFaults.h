// FileFaults.h — writing a small file and running a child process as an
// unprivileged user, for tests of what the host does with hostile files.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace vyn::test {

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

} // namespace vyn::test
