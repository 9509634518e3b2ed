// hostile_bench — runs the built vyncolors on the hostile corpus
// (common/hostile/HostileInputs.h) at several sizes and prints, per input,
// its size, how the run ended, its wall time and its peak memory, as a
// Markdown table (docs/performance.md, "Hostile input").
//
// Each input is generated into a temporary folder, run K times (the median
// is shown), then removed. Peak memory is the child's maximum resident set
// (wait4). A run past --limit seconds is killed and shown as such. The
// target: an input of a MiB or less ends within a second and 256 MB; a
// bigger one costs time and memory in proportion to its size (the growth
// lines under the table compare each input's sizes).
//
//   hostile_bench [--scales 0.1,1,10,100] [--only NAME,...] [--runs K] [--limit S]
//                 [--vyncolors PATH] [--keep DIR] [--list]
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <sstream>
#include <string>
#include <vector>

#include "BenchOptions.h"
#include "CommandRun.h"
#include "HostileInputs.h"

namespace {

namespace fs = std::filesystem;
using vyn::bench::CommandRun;
using vyn::bench::median;
using vyn::bench::runCommand;
using Clock = std::chrono::steady_clock;

// The target for an input of at most kSmallInput bytes.
constexpr std::size_t kSmallInput = std::size_t{1} << 20;
constexpr double kSmallSeconds = 1.0;
constexpr double kSmallMB = 256.0;

struct Options {
    std::vector<double> scales{0.1, 1, 10, 100};
    std::vector<std::string> only;
    int runs = 1;
    double limit = 60;
    std::string vyncolors = VYNCOLORS_EXE;
    std::string keep;
    bool list = false;
};

std::vector<std::string> splitList(const std::string &text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        if (!item.empty()) out.push_back(item);
    return out;
}

Options parse(int argc, char **argv) {
    Options o;
    CLI::App app{"Runs vyncolors on the hostile corpus and measures each run's time and memory."};
    app.add_option_function<std::string>(
           "--scales",
           [&o](const std::string &text) {
               o.scales.clear();
               for (const std::string &item : splitList(text)) {
                   char *end = nullptr;
                   const double scale = std::strtod(item.c_str(), &end);
                   if (end == item.c_str() || *end != '\0' || !(scale >= 0.001 && scale <= 1000))
                       throw CLI::ValidationError("--scales",
                                                  "\"" + item + "\" is no scale from 0.001 to 1000");
                   o.scales.push_back(scale);
               }
           },
           "the sizes, as multiples of each input's first size (default 0.1,1,10,100)")
        ->type_name("S,...");
    app.add_option_function<std::string>(
           "--only", [&o](const std::string &text) { o.only = splitList(text); },
           "only these inputs, by name")
        ->type_name("NAME,...");
    app.add_option("--runs", o.runs, "runs per input; the median is shown")
        ->check(CLI::Range(1, 100))
        ->capture_default_str();
    app.add_option("--limit", o.limit, "seconds after which a run is stopped")
        ->check(CLI::Range(0.1, 3600.0))
        ->capture_default_str();
    app.add_option("--vyncolors", o.vyncolors, "the program to run")->capture_default_str();
    app.add_option("--keep", o.keep, "a folder to leave the inputs in (default: a temporary one, removed)");
    app.add_flag("--list", o.list, "list the inputs and exit");
    vyn::bench::parseOrExit(app, argc, argv);
    return o;
}

std::string sizeText(std::size_t bytes) {
    char text[32];
    if (bytes < 10'000)
        std::snprintf(text, sizeof text, "%zu B", bytes);
    else if (bytes < 10'000'000)
        std::snprintf(text, sizeof text, "%.0f KB", static_cast<double>(bytes) / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f MB", static_cast<double>(bytes) / 1e6);
    return text;
}

// The program's first line on standard error, shortened, for the table.
std::string firstLine(const std::string &errors, const fs::path &folder) {
    std::string line = errors.substr(0, errors.find('\n'));
    for (std::size_t at; (at = line.find(folder.string() + "/")) != std::string::npos;)
        line.erase(at, folder.string().size() + 1);
    if (line.size() > 90) line = line.substr(0, 87) + "...";
    for (std::size_t at = 0; (at = line.find('|', at)) != std::string::npos; at += 2)
        line.replace(at, 1, "\\|");
    return line;
}

// Writes the input's files in a child process and answers their size, so
// that this process stays small: the kernel carries a process's resident
// high-water mark over exec, so each run's peak would count what this one
// held when it forked (the inputs it had generated).
std::size_t writeApart(const vyn::hostile::HostileInput &input, const fs::path &dir) {
    int ends[2];
    if (pipe(ends) != 0) throw std::runtime_error("no pipe");
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        std::size_t bytes = 0;
        try {
            bytes = input.write(dir);
        } catch (const std::exception &e) {
            std::fprintf(stderr, "hostile_bench: %s\n", e.what());
            _exit(1);
        }
        _exit(write(ends[1], &bytes, sizeof bytes) == sizeof bytes ? 0 : 1);
    }
    close(ends[1]);
    std::size_t bytes = 0;
    const bool read = ::read(ends[0], &bytes, sizeof bytes) == sizeof bytes;
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("cannot write the input " + input.name);
    return bytes;
}

std::string statusText(int status, double limit) {
    if (status == -2) return "stopped after " + std::to_string(static_cast<int>(limit)) + " s";
    if (status == -1) return "killed";
    return std::to_string(status);
}

struct Row {
    std::string name;
    double scale;
    std::size_t bytes;
    double seconds, cpuSeconds, peakMB;
    bool finished;
};

} // namespace

int main(int argc, char **argv) {
    const Options options = parse(argc, argv);
    if (options.list) {
        for (const auto &input : vyn::hostile::hostileInputs(1))
            std::printf("%-24s %s\n", input.name.c_str(), input.about.c_str());
        return 0;
    }
    const fs::path folder = options.keep.empty()
                                ? fs::temp_directory_path() / ("hostile_bench-" + std::to_string(getpid()))
                                : fs::path(options.keep);
    fs::create_directories(folder / "config");

    std::printf("vyncolors on the hostile corpus: median of %d run(s), runs stopped after %.0f s\n\n",
                options.runs, options.limit);
    std::printf("| input | scale | size | exit (expected) | wall s | cpu s | peak MB | target | standard "
                "error, first line |\n");
    std::printf("|---|---:|---:|---|---:|---:|---:|---|---|\n");
    std::fflush(stdout);
    std::vector<Row> rows;
    std::vector<std::string> stopped; // inputs stopped past the limit: not run at larger scales
    int misses = 0;
    for (double scale : options.scales)
        for (const vyn::hostile::HostileInput &input : vyn::hostile::hostileInputs(scale)) {
            if (!options.only.empty() &&
                std::find(options.only.begin(), options.only.end(), input.name) == options.only.end())
                continue;
            if (std::find(stopped.begin(), stopped.end(), input.name) != stopped.end()) {
                std::printf("| %s | %g | | not run: stopped at a smaller scale | | | | | |\n",
                            input.name.c_str(), scale);
                continue;
            }
            char scaleText[32];
            std::snprintf(scaleText, sizeof scaleText, "%g", scale);
            const fs::path dir = folder / (input.name + "-x" + scaleText);
            fs::create_directories(dir);
            const std::size_t bytes = writeApart(input, dir);
            std::vector<std::string> command{options.vyncolors};
            for (const std::string &argument : input.arguments)
                command.push_back(vyn::hostile::inFolder(argument, dir));
            std::vector<double> times, cpu, memory;
            CommandRun last;
            for (int r = 0; r < options.runs; ++r) {
                last = runCommand(command, folder / "errors.txt", {folder / "config", options.limit});
                times.push_back(last.seconds);
                cpu.push_back(last.cpuSeconds);
                memory.push_back(last.peakMB);
                if (last.status == -2) break; // once is enough
            }
            if (last.status == -2) stopped.push_back(input.name);
            const double seconds = median(times), cpuSeconds = median(cpu), peakMB = median(memory);
            const bool expected =
                std::find(input.statuses.begin(), input.statuses.end(), last.status) != input.statuses.end();
            std::string expectedText;
            for (int s : input.statuses)
                expectedText += (expectedText.empty() ? "" : " or ") + std::to_string(s);
            std::string target;
            if (bytes <= kSmallInput) {
                const bool met = last.status != -2 && seconds <= kSmallSeconds && peakMB <= kSmallMB;
                target = met ? "met" : "**missed**";
                misses += !met;
            } else {
                char text[64];
                std::snprintf(text, sizeof text, "%.3f cpu s/MB, %.1f MB/MB", cpuSeconds / (bytes / 1e6),
                              peakMB / (bytes / 1e6));
                target = text;
            }
            std::printf("| %s | %g | %s | %s%s%s (%s) | %.3f | %.3f | %.1f | %s | %s |\n", input.name.c_str(),
                        scale, sizeText(bytes).c_str(), expected ? "" : "**",
                        statusText(last.status, options.limit).c_str(), expected ? "" : "**",
                        expectedText.c_str(), seconds, cpuSeconds, peakMB, target.c_str(),
                        firstLine(last.errors, dir).c_str());
            std::fflush(stdout);
            rows.push_back({input.name, scale, bytes, seconds, cpuSeconds, peakMB, last.status != -2});
            if (!expected) ++misses;
            if (options.keep.empty()) fs::remove_all(dir);
        }

    // Growth: from each size of an input to the next, how time and memory grew
    // against the input's size.
    std::map<std::string, std::vector<const Row *>> byName;
    for (const Row &row : rows)
        byName[row.name].push_back(&row);
    bool heading = false;
    for (const auto &[name, sizes] : byName)
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            if (!heading) {
                std::printf(
                    "\n| input | scales | size x | cpu time x | peak x |\n|---|---|---:|---:|---:|\n");
                heading = true;
            }
            const Row &a = *sizes[i - 1], &b = *sizes[i];
            std::printf("| %s | %g to %g | %.1f | %s%.1f | %.1f |\n", name.c_str(), a.scale, b.scale,
                        static_cast<double>(b.bytes) / static_cast<double>(a.bytes), b.finished ? "" : "> ",
                        b.cpuSeconds / std::max(a.cpuSeconds, 1e-3), b.peakMB / a.peakMB);
        }
    if (options.keep.empty()) fs::remove_all(folder);
    std::printf("\n%d row(s) missed the target or ended with another exit status than expected\n", misses);
    return 0;
}
