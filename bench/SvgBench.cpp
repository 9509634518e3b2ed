// svg_bench — times `vyncolors FILE -o OUT.svg` on generated SVG drawings of
// N shapes and P distinct paints, against `xmllint --noout` on the same file
// in the same run.
//
// Each command runs K times per size; the table shows medians. Peak memory
// is the child's maximum resident set (wait4). When vyncolors prints
// "timing: PHASE SECONDS" lines on standard error (its --timings
// flag), their medians are shown per phase. When vyncolors cannot read the
// drawing, the table says so and shows xmllint alone.
//
//   svg_bench [--shapes N,...] [--paints P,...] [--full] [--runs K] [--seed S]
//             [--vyncolors PATH] [--keep DIR]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "BenchOptions.h"
#include "CommandRun.h"
#include "SvgDrawing.h"

namespace {

namespace fs = std::filesystem;
using vyn::bench::CommandRun;
using vyn::bench::median;
using vyn::bench::runCommand;
using Clock = std::chrono::steady_clock;

struct Options : vyn::bench::SizeOptions {
    std::string vyncolors = VYNCOLORS_EXE;
    std::string keep; // a folder to leave the drawings in; empty: a temporary one, removed
};

Options parse(int argc, char **argv) {
    Options o;
    CLI::App app{"Times vyncolors FILE -o OUT.svg against xmllint --noout FILE on generated drawings."};
    vyn::bench::addSizeOptions(app, o);
    app.add_option("--vyncolors", o.vyncolors, "the program to time")->capture_default_str();
    app.add_option("--keep", o.keep, "a folder to leave the drawings in (default: a temporary one, removed)");
    vyn::bench::parseOrExit(app, argc, argv);
    return o;
}

// "timing: PHASE SECONDS" lines, the proposed --timings output.
std::map<std::string, double> phases(const std::string &errors) {
    std::map<std::string, double> out;
    std::stringstream in(errors);
    for (std::string line; std::getline(in, line);) {
        const auto at = line.find("timing: ");
        if (at == std::string::npos) continue;
        std::stringstream fields(line.substr(at + 8));
        std::string phase;
        double seconds = 0;
        if (fields >> phase >> seconds) out[phase] = seconds;
    }
    return out;
}

bool offersTimings(const std::string &vyncolors) {
    const std::string command = "'" + vyncolors + "' --help 2>/dev/null | grep -q -- --timings";
    return std::system(command.c_str()) == 0;
}

std::string firstLine(const std::string &text) { return text.substr(0, text.find('\n')); }

} // namespace

int main(int argc, char **argv) {
    const Options options = parse(argc, argv);
    const fs::path folder = options.keep.empty()
                                ? fs::temp_directory_path() / ("svg_bench-" + std::to_string(getpid()))
                                : fs::path(options.keep);
    fs::create_directories(folder);
    const bool timings = offersTimings(options.vyncolors);

    std::printf(
        "# vyncolors FILE -o OUT.svg against xmllint --noout FILE: median of %d run(s), seed %llu%s\n",
        options.runs, static_cast<unsigned long long>(options.seed),
        timings ? "" : " (vyncolors offers no --timings: no phases)");
    std::printf("%8s %7s %8s %9s %9s %9s %9s %8s %8s  %s\n", "shapes", "paints", "file MB", "xmllint s",
                "xml MB", "vync s", "vync MB", "time x", "mem x", "phases / notes");
    bool cannotRead = false;
    for (std::size_t n : options.shapes)
        for (std::size_t p : options.paints) {
            const fs::path file =
                folder / ("drawing-" + std::to_string(n) + "-" + std::to_string(p) + ".svg");
            const fs::path out = folder / "out.svg";
            {
                const std::string svg = vyn::bench::makeSvgDrawing({n, p, options.seed});
                std::ofstream(file, std::ios::binary)
                    .write(svg.data(), static_cast<std::streamsize>(svg.size()));
            }
            const double fileMB = static_cast<double>(fs::file_size(file)) / 1e6;
            std::vector<double> xmlTimes, xmlMemory, vynTimes, vynMemory;
            std::map<std::string, std::vector<double>> phaseTimes;
            std::string note;
            for (int r = 0; r < options.runs; ++r) {
                const CommandRun xml = runCommand({"xmllint", "--noout", file.string()}, folder / "xmllint.txt");
                xmlTimes.push_back(xml.seconds);
                xmlMemory.push_back(xml.peakMB);
                if (cannotRead) continue;
                std::vector<std::string> command = {options.vyncolors, file.string(), "-o", out.string()};
                if (timings) command.push_back("--timings");
                const CommandRun vyn = runCommand(command, folder / "vyncolors.txt");
                if (vyn.status != 0) {
                    note = "vyncolors cannot read it (status " + std::to_string(vyn.status) +
                           "): " + firstLine(vyn.errors);
                    cannotRead = vyn.status == 2;
                    break;
                }
                vynTimes.push_back(vyn.seconds);
                vynMemory.push_back(vyn.peakMB);
                for (const auto &[phase, seconds] : phases(vyn.errors))
                    phaseTimes[phase].push_back(seconds);
            }
            const double xmlS = median(xmlTimes), xmlMB = median(xmlMemory);
            if (vynTimes.empty()) {
                std::printf("%8zu %7zu %8.1f %9.3f %9.1f %9s %9s %8s %8s  %s\n", n, p, fileMB, xmlS, xmlMB,
                            "-", "-", "-", "-",
                            cannotRead && note.empty() ? "vyncolors cannot read SVG yet" : note.c_str());
                continue;
            }
            const double vynS = median(vynTimes), vynMB = median(vynMemory);
            std::string phaseText;
            for (const auto &[phase, values] : phaseTimes) {
                char text[64];
                std::snprintf(text, sizeof text, "%s %.3f ", phase.c_str(), median(values));
                phaseText += text;
            }
            std::printf("%8zu %7zu %8.1f %9.3f %9.1f %9.3f %9.1f %8.2f %8.2f  %s\n", n, p, fileMB, xmlS,
                        xmlMB, vynS, vynMB, vynS / xmlS, vynMB / xmlMB, phaseText.c_str());
            std::fflush(stdout);
        }
    if (options.keep.empty()) fs::remove_all(folder);
    return 0;
}
