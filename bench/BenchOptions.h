// BenchOptions.h — the options every benchmark takes: the drawing sizes,
// how many runs, and the generator's seed.
#pragma once

#include <CLI/CLI.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace vyn::bench {

struct SizeOptions {
    std::vector<std::size_t> shapes{10000, 50000};
    std::vector<std::size_t> paints{10, 1000};
    int runs = 3; // the median of this many runs is shown
    std::uint64_t seed = 1;
};

// "1e4,5e4" -> {10000, 50000}: sizes are easier to read in powers of ten.
inline std::vector<std::size_t> sizeList(const std::string &text) {
    std::vector<std::size_t> out;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');) {
        char *end = nullptr;
        const double value = std::strtod(item.c_str(), &end);
        if (end == item.c_str() || *end != '\0' || !(value >= 1 && value <= 1e9))
            throw CLI::ValidationError("a size", "\"" + item + "\" is no number from 1 to 1e9");
        out.push_back(static_cast<std::size_t>(value));
    }
    return out;
}

// Adds --full, --shapes N,..., --paints P,..., --runs K and --seed S. An
// explicit list wins over --full's.
inline void addSizeOptions(CLI::App &app, SizeOptions &options) {
    app.add_flag_callback(
        "--full",
        [&options] {
            options.shapes = {10000, 50000, 100000, 200000};
            options.paints = {10, 1000, 10000, 50000};
        },
        "every size: N in {1e4, 5e4, 1e5, 2e5} x P in {10, 1e3, 1e4, 5e4}");
    app.add_option_function<std::string>(
           "--shapes", [&options](const std::string &text) { options.shapes = sizeList(text); },
           "shapes per drawing, a list: 1e4,1e5")
        ->type_name("N,...");
    app.add_option_function<std::string>(
           "--paints", [&options](const std::string &text) { options.paints = sizeList(text); },
           "distinct paints per drawing, a list: 10,1e4")
        ->type_name("P,...");
    app.add_option("--runs", options.runs, "runs per size; the median is shown")
        ->check(CLI::Range(1, 1000))
        ->capture_default_str();
    app.add_option("--seed", options.seed, "the generator's seed")->capture_default_str();
}

// Parses the command line, or prints the help (status 0) or why it cannot
// (status 2) and exits.
inline void parseOrExit(CLI::App &app, int argc, char **argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &e) {
        std::exit(app.exit(e) == 0 ? 0 : 2);
    }
}

} // namespace vyn::bench
