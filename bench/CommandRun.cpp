#include "CommandRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace vyn::bench {

CommandRun runCommand(const std::vector<std::string> &argv, const std::filesystem::path &errorsFile,
                      const CommandRunOptions &options) {
    using Clock = std::chrono::steady_clock;
    const bool limited = std::isfinite(options.limit);
    CommandRun run;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (limited) setpgid(0, 0); // so that stopping it stops what it started
        const int null = open("/dev/null", O_WRONLY);
        const int errors = open(errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(null, 1);
        dup2(errors, 2);
        if (options.config) setenv("XDG_CONFIG_HOME", options.config->c_str(), 1);
        std::vector<char *> args;
        for (const auto &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    bool stopped = false;
    if (!limited) {
        wait4(child, &status, 0, &usage);
    } else {
        while (wait4(child, &status, WNOHANG, &usage) != child) {
            if (!stopped && std::chrono::duration<double>(Clock::now() - start).count() > options.limit) {
                kill(-child, SIGKILL);
                kill(child, SIGKILL);
                stopped = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.status = stopped ? -2 : WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errorsFile);
    run.errors.assign(std::istreambuf_iterator<char>(in), {});
    return run;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace vyn::bench
