// FaultPlan.h — makes chosen suite operations fail, for tests.
//
// A fault names a suite and an operation and the call at which it strikes
// (1 is the first call); the gate then returns the chosen code instead of
// running the operation. Allocation failures live in the block allocator and
// unavailable suites in the registry, beside the state they change.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

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
    int calls(const std::string &suite, const std::string &operation) const;

  private:
    struct Fault {
        int nth;
        ASErr code;
        bool andAfter;
    };
    using Key = std::pair<std::string, std::string>;
    std::map<Key, Fault> faults_;
    std::map<Key, int> counts_;
    struct SweepFault {
        int nth;
        ASErr code;
        CallFilter counts;
        int seen = 0;
    };
    std::optional<SweepFault> sweep_;
};

} // namespace vyn::host
