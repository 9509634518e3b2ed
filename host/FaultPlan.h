// FaultPlan.h — makes chosen suite operations fail, for tests.
//
// A fault names a suite and an operation and the call at which it strikes
// (1 is the first call); the gate then returns the chosen code instead of
// running the operation. Allocation failures live in the block allocator and
// unavailable suites in the registry, beside the state they change.
#pragma once

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
};

} // namespace vyn::host
