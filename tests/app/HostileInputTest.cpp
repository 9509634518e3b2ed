// The command on the hostile corpus (common/hostile/HostileInputs.h): each
// input made to cost more than its size — a backtracking selector, nesting
// past the readers' bounds, the chart's own id prefixes, 100,000 swatches,
// rules that match every shape, a picture past the cap, a stored size no
// field holds, entities, a decompression bomb, chains of <use> — ends, with
// the exit status it should, and says why when it refuses.
//
// Only the ending is checked here, not the time: these tests run under the
// sanitizers on a loaded machine too. bench/HostileBench.cpp measures the
// same inputs (docs/performance.md, "Hostile input").
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <ostream>
#include <sstream>
#include <string>

#include "HostileInputs.h"
#include "app/VyncolorsRun.h"

namespace vyn::hostile {

// How a test names its input (gtest would print its bytes).
void PrintTo(const HostileInput &input, std::ostream *out) { *out << input.name << " x" << input.scale; }

} // namespace vyn::hostile

namespace vyn::test {
namespace {

std::string quoted(const std::string &text) {
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

class HostileInputs : public VyncolorsTest, public ::testing::WithParamInterface<hostile::HostileInput> {};

TEST_P(HostileInputs, EndAsTheyShould) {
    const hostile::HostileInput &input = GetParam();
    input.write(dir);
    std::string args;
    for (const std::string &argument : input.arguments)
        args += quoted(hostile::inFolder(argument, dir)) + " ";
    const Outcome o = run(args);
    std::string statuses;
    for (int s : input.statuses)
        statuses += (statuses.empty() ? "" : " or ") + std::to_string(s);
    EXPECT_NE(std::find(input.statuses.begin(), input.statuses.end(), o.status), input.statuses.end())
        << input.about << ": exit status " << o.status << ", not " << statuses << "\n"
        << o.err.substr(0, 2000);
    if (!input.says.empty()) {
        EXPECT_NE(o.err.find(input.says), std::string::npos)
            << input.about << ": standard error does not say \"" << input.says << "\"\n"
            << o.err.substr(0, 2000);
    }
}

std::string nameOf(const ::testing::TestParamInfo<hostile::HostileInput> &info) {
    std::ostringstream scale;
    scale << info.param.scale;
    std::string name = info.param.name + "_x" + scale.str();
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// Every input at its first size.
std::vector<hostile::HostileInput> atFirstSize() { return hostile::hostileInputs(1); }
INSTANTIATE_TEST_SUITE_P(AtFirstSize, HostileInputs, ::testing::ValuesIn(atFirstSize()), nameOf);

// Ten times the size, for the inputs where that stays cheap under the
// sanitizers: those refused at a bound, and the selectors.
std::vector<hostile::HostileInput> cheapAtTenTimes() {
    std::vector<hostile::HostileInput> cheap;
    for (hostile::HostileInput &input : hostile::hostileInputs(10))
        if (input.name.rfind("json-depth", 0) == 0 || input.name == "use-chain" ||
            input.name == "style-selector" || input.name == "select-option")
            cheap.push_back(std::move(input));
    return cheap;
}
INSTANTIATE_TEST_SUITE_P(AtTenTimes, HostileInputs, ::testing::ValuesIn(cheapAtTenTimes()), nameOf);

} // namespace
} // namespace vyn::test
