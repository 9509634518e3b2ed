// chart_bench — times the real plug-in's chart build, through the stand-in
// host, on generated documents of N shapes and P distinct paints.
//
// Each size runs in a child process of its own, so that its peak memory
// (the child's maximum resident set, from wait4) is its own, and so that a
// size that takes longer than the time limit can be stopped. A size is
// skipped once a size no bigger in both N and P has run out of time.
//
//   chart_bench [--shapes N,N,...] [--paints P,P,...] [--full] [--runs K]
//               [--seed S] [--limit SECONDS] [--calls]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "AIArt.h"
#include "BenchOptions.h"
#include "AIPathStyle.h"
#include "ChartDocument.h"
#include "chart/ChartRows.h"
#include "gate/DocumentHandles.h"
#include "gate/SuiteRegistry.h"
#include "gate/FaultPlan.h"
#include "Host.h"
#include "preferences/Preferences.h"
#include "dialog/DialogEngine.h"
#include "model/Document.h"

namespace {

using namespace vyn;
using Clock = std::chrono::steady_clock;

struct Options : bench::SizeOptions {
    Options() { runs = 1; }
    unsigned limit = 120; // seconds per size
    bool calls = false;   // list the host calls of each build
};

// What one build measured, passed from the child to the parent.
struct Figures {
    double generateSeconds = 0;
    double buildSeconds = 0; // the median of the runs
    std::int64_t hostCalls = 0;
    std::size_t rows = 0;
    std::size_t artCount = 0;
};

Options parse(int argc, char **argv) {
    Options o;
    CLI::App app{"Times the chart build on generated drawings, each size in a child process of its own."};
    bench::addSizeOptions(app, o);
    app.add_option("--limit", o.limit, "seconds a size may take before it is stopped")->capture_default_str();
    app.add_flag("--calls", o.calls, "list the host calls of each build, per operation");
    bench::parseOrExit(app, argc, argv);
    return o;
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The chart group's children: a box and a label per row.
std::size_t chartRows(host::Document &document) {
    const host::Art *group = document.art(app::chartGroup(document));
    return group ? group->group()->children.size() / 2 : 0;
}

// One build of a fresh document in a fresh host: the plug-in started, every
// kind of paint sought over the whole document, OK pressed.
double buildOnce(const Options &options, const bench::DrawingSize &size, Figures &figures, bool last) {
    const Clock::time_point generated = Clock::now();
    host::Document document = bench::makeChartDocument(size);
    figures.generateSeconds = seconds(Clock::now() - generated);
    figures.artCount = document.artCount();

    const std::filesystem::path preferences =
        std::filesystem::temp_directory_path() / ("chart_bench-" + std::to_string(getpid()) + ".json");
    host::HostOptions hostOptions;
    hostOptions.pluginsFolder = VYN_PLUGINS_DIR;
    hostOptions.preferencesFile = preferences;
    hostOptions.fonts = std::vector<std::string>{"DejaVu Sans"};
    host::Host host(hostOptions);
    host.documents().open(std::move(document));
    if (const auto failures = host.start(); !failures.empty()) {
        std::fprintf(stderr, "the plug-in did not start: %s\n", failures.front().c_str());
        std::exit(3);
    }
    for (const char *key : {"CaseMotifs", "CaseDegrades", "CaseGlobales", "CaseTeintes", "CaseAutres"})
        host.preferences().put("VynColors", key, true);
    host.preferences().put("VynColors", "CaseSelection", false);

    host.faults().clear(); // count the build's calls alone
    host.dialogs().user().pressOK();
    const Clock::time_point start = Clock::now();
    host.chooseMenuItem({"Vyn•Tools", "Vyn•Colors…"});
    const double elapsed = seconds(Clock::now() - start);

    figures.hostCalls = 0;
    for (const auto &count : host.faults().callCounts())
        figures.hostCalls += count.calls;
    figures.rows = chartRows(*host.documents().current());
    if (last && options.calls)
        for (const auto &count : host.faults().callCounts())
            std::fprintf(stderr, "    %12lld  %s.%s\n", static_cast<long long>(count.calls),
                         count.suite.c_str(), count.operation.c_str());
    host.shutdown();
    std::filesystem::remove(preferences);
    return elapsed;
}

[[noreturn]] void runChild(const Options &options, const bench::DrawingSize &size, int out) {
    alarm(options.limit);
    Figures figures;
    std::vector<double> times;
    for (int run = 0; run < options.runs; ++run)
        times.push_back(buildOnce(options, size, figures, run + 1 == options.runs));
    std::sort(times.begin(), times.end());
    figures.buildSeconds = times[times.size() / 2];
    if (write(out, &figures, sizeof figures) != static_cast<ssize_t>(sizeof figures)) _exit(4);
    _exit(0);
}

// Runs one size in a child; false when it ran out of time or failed.
bool runSize(const Options &options, const bench::DrawingSize &size) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        runChild(options, size, pipeEnds[1]);
    }
    close(pipeEnds[1]);
    Figures figures;
    const bool received = read(pipeEnds[0], &figures, sizeof figures) == static_cast<ssize_t>(sizeof figures);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const bool timedOut = WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM;
        std::printf("%8zu %7zu  %s\n", size.shapes, size.paints,
                    timedOut ? ("> " + std::to_string(options.limit) + " s: stopped").c_str() : "failed");
        return false;
    }
    const double perShape = figures.buildSeconds / static_cast<double>(size.shapes) * 1e6;
    const double callsPerShape = static_cast<double>(figures.hostCalls) / static_cast<double>(size.shapes);
    std::printf("%8zu %7zu %6zu %10.3f %9.2f %14lld %9.1f %10.0f %9.1f %8.2f\n", size.shapes, size.paints,
                figures.rows, figures.buildSeconds, perShape, static_cast<long long>(figures.hostCalls),
                callsPerShape, static_cast<double>(figures.hostCalls) / figures.buildSeconds / 1e6 * 1e3,
                peakMB, figures.generateSeconds);
    return true;
}

// A million calls of two cheap operations on one path of a document of
// `shapes` shapes, without the plug-in: what the host's own per-call work
// costs, the gate's included.
void perCallCost(std::size_t shapes) {
    host::Host host;
    host.documents().open(bench::makeChartDocument({shapes, 1000, 1}));
    host::Document &document = *host.documents().current();
    AIArtHandle path = nullptr;
    for (const host::Layer &layer : document.layers())
        for (host::ArtId group : document.art(layer.group)->group()->children)
            for (host::ArtId id : document.art(group)->group()->children)
                if (!path && document.art(id)->path()) path = host.documentHandles().art.handleOf(id);
    const auto *art =
        static_cast<const AIArtSuite *>(host.registry().acquire(kAIArtSuite, kAIArtSuiteVersion));
    const auto *styles = static_cast<const AIPathStyleSuite *>(
        host.registry().acquire(kAIPathStyleSuite, kAIPathStyleSuiteVersion));
    constexpr int kCalls = 1000000;
    Clock::time_point start = Clock::now();
    int valid = 0;
    for (int i = 0; i < kCalls; ++i)
        valid += art->ValidArt(path, true);
    const double validArt = seconds(Clock::now() - start) * 1e3;
    AIPathStyle style;
    start = Clock::now();
    for (int i = 0; i < kCalls; ++i)
        styles->GetPathStyle(path, &style);
    const double getPathStyle = seconds(Clock::now() - start) * 1e3;
    std::printf(
        "# a million host calls on a document of %zu shapes: ValidArt %.0f ms, GetPathStyle %.0f ms%s\n",
        shapes, validArt, getPathStyle, valid == kCalls ? "" : " (the art was not valid!)");
    host.registry().release(kAIArtSuite, kAIArtSuiteVersion);
    host.registry().release(kAIPathStyleSuite, kAIPathStyleSuiteVersion);
}

} // namespace

int main(int argc, char **argv) {
    const Options options = parse(argc, argv);
    std::printf("# chart build: median of %d run(s), seed %llu, limit %u s per size\n", options.runs,
                static_cast<unsigned long long>(options.seed), options.limit);
    std::printf("%8s %7s %6s %10s %9s %14s %9s %10s %9s %8s\n", "shapes", "paints", "rows", "build s",
                "us/shape", "host calls", "calls/sh", "kcalls/s", "peak MB", "gen s");
    std::vector<std::pair<std::size_t, std::size_t>> stopped;
    for (std::size_t n : options.shapes)
        for (std::size_t p : options.paints) {
            const bool hopeless = std::any_of(stopped.begin(), stopped.end(),
                                              [&](const auto &s) { return s.first <= n && s.second <= p; });
            if (hopeless) {
                std::printf("%8zu %7zu  skipped: a smaller size ran out of time\n", n, p);
                continue;
            }
            if (!runSize(options, {n, p, options.seed})) stopped.emplace_back(n, p);
        }
    perCallCost(*std::max_element(options.shapes.begin(), options.shapes.end()));
    return 0;
}
