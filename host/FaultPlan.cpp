#include "FaultPlan.h"

namespace vyn::host {

void FaultPlan::failCall(const std::string &suite, const std::string &operation, int nth, ASErr code,
                         bool andAfter) {
    counters_[{suite, operation}].fault = Fault{nth, code, andAfter};
}

void FaultPlan::failNthCall(int nth, ASErr code, CallFilter counts) {
    sweep_ = SweepFault{nth, code, std::move(counts)};
}

void FaultPlan::clear() {
    sites_.clear();
    counters_.clear();
    sweep_.reset();
}

FaultPlan::Counter &FaultPlan::counterOf(const char *suite, const char *operation) {
    // The same name may be spelled by literals at several addresses (one per
    // translation unit); each address is looked up by name once.
    auto [it, added] = sites_.try_emplace(Site{suite, operation}, nullptr);
    if (added) it->second = &counters_[{suite, operation}];
    return *it->second;
}

std::optional<ASErr> FaultPlan::onCall(const char *suite, const char *operation) {
    Counter &counter = counterOf(suite, operation);
    const int n = ++counter.calls;
    if (sweep_ && sweep_->counts(suite, operation) && ++sweep_->seen == sweep_->nth) return sweep_->code;
    if (!counter.fault) return std::nullopt;
    const Fault &f = *counter.fault;
    if (n == f.nth || (f.andAfter && n > f.nth)) return f.code;
    return std::nullopt;
}

int FaultPlan::calls(const std::string &suite, const std::string &operation) const {
    auto it = counters_.find({suite, operation});
    return it == counters_.end() ? 0 : it->second.calls;
}

} // namespace vyn::host
