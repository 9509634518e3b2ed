// SeededRandom.h — the one source of chance of the generated documents
// (the randomized tests and the benchmarks): a small seeded generator
// (SplitMix64), so that a document of a given seed is the same on every
// machine and every run, and a failing case can be rebuilt from its seed.
// Header only, and part of neither the plug-in nor the host: the tests and
// the benchmarks reach it through the vyn_seeded_random target.
#pragma once

#include <cstdint>

namespace vyn {

class SeededRandom {
  public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, bound); bound > 0. The slight bias of the modulo does not
    // matter for drawings.
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }
    // Uniform in [0, 1), on a grid of 2^-24: exact as a float.
    float unit() { return static_cast<float>(next() >> 40) / 16777216.0f; }
    // True with probability `percent` / 100.
    bool percent(unsigned percent) { return below(100) < percent; }

  private:
    std::uint64_t state_;
};

} // namespace vyn
