// FaultPlan.h — makes chosen suite operations fail, for tests, and counts
// every call.
//
// A fault names a suite and an operation and the call at which it strikes
// (1 is the first call); the gate then returns the chosen code instead of
// running the operation. Allocation failures live in the block allocator and
// unavailable suites in the registry, beside the state they change.
//
// The gate calls onCall() for every suite call, millions of times on a big
// document: it finds the operation's counter by the addresses of its name
// literals and allocates nothing once an operation has been seen.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ASTypes.h"

namespace vyn::host {

class FaultPlan {
  public:
    // The `nth` call of suite.operation returns `code`; with `andAfter` every
    // later call does too.
    void failCall(const std::string &suite, const std::string &operation, int nth, ASErr code,
                  bool andAfter = false);
    // The `nth` call of any operation that `counts` accepts returns `code`:
    // a sweep over n reaches every failure point of a protocol in turn.
    using CallFilter = std::function<bool(const char *suite, const char *operation)>;
    void failNthCall(int nth, ASErr code, CallFilter counts);
    // Whether the call of failNthCall has come (false: there were fewer).
    bool sweepStruck() const { return sweep_ && sweep_->seen >= sweep_->nth; }
    void clear();

    // Counts one call and says whether it must fail, and with what.
    std::optional<ASErr> onCall(const char *suite, const char *operation);
    // How many times suite.operation has been called since the last clear().
    std::int64_t calls(const std::string &suite, const std::string &operation) const;
    struct CallCount {
        std::string suite, operation;
        std::int64_t calls;
    };
    // Every operation called since the last clear(), the most called first.
    std::vector<CallCount> callCounts() const;

  private:
    struct Fault {
        int nth;
        ASErr code;
        bool andAfter;
    };
    // Everything known of one operation, by name. The count has 64 bits: a
    // build over a big document can make billions of calls.
    struct Counter {
        std::int64_t calls = 0;
        std::optional<Fault> fault;
    };
    using Name = std::pair<std::string, std::string>;
    using Site = std::pair<const char *, const char *>;
    struct SiteHash {
        std::size_t operator()(const Site &s) const noexcept {
            return std::hash<const void *>{}(s.first) * 31u ^ std::hash<const void *>{}(s.second);
        }
    };
    Counter &counterOf(const char *suite, const char *operation);

    std::map<Name, Counter> counters_; // nodes stay put: sites_ points into them
    std::unordered_map<Site, Counter *, SiteHash> sites_;
    // The counters of the sites met last, by the address of the operation's
    // name: most calls end here, without hashing a pair.
    struct CachedSite {
        const char *suite = nullptr;
        const char *operation = nullptr;
        Counter *counter = nullptr;
    };
    std::array<CachedSite, 256> recent_{};
    struct SweepFault {
        int nth;
        ASErr code;
        CallFilter counts;
        std::int64_t seen = 0;
    };
    std::optional<SweepFault> sweep_;
};

} // namespace vyn::host
