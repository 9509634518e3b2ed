// PhaseTimings.h — how long each phase of a run took (read, build, write),
// printed on request as "timing: PHASE SECONDS" lines.
#pragma once

#include <chrono>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vyn::app {

class PhaseTimings {
  public:
    using Clock = std::chrono::steady_clock;

    // Times `phase` from now until the returned stopwatch goes out of scope.
    class Stopwatch {
      public:
        Stopwatch(PhaseTimings &timings, std::string phase)
            : timings_(timings), phase_(std::move(phase)), start_(Clock::now()) {}
        Stopwatch(const Stopwatch &) = delete;
        Stopwatch &operator=(const Stopwatch &) = delete;
        ~Stopwatch() { timings_.record(phase_, Clock::now() - start_); }

      private:
        PhaseTimings &timings_;
        std::string phase_;
        Clock::time_point start_;
    };

    Stopwatch time(std::string phase) { return Stopwatch(*this, std::move(phase)); }

    // One line per phase that ran, in the order they ended.
    void print(std::ostream &out) const {
        for (const auto &[phase, seconds] : phases_)
            out << "timing: " << phase << " " << seconds << "\n";
    }

  private:
    void record(const std::string &phase, Clock::duration took) {
        phases_.emplace_back(phase, std::chrono::duration<double>(took).count());
    }

    std::vector<std::pair<std::string, double>> phases_;
};

} // namespace vyn::app
