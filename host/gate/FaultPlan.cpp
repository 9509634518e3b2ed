#include "gate/FaultPlan.h"

#include <algorithm>

namespace vyn::host {

void FaultPlan::failCall(const std::string &suite, const std::string &operation, int nth, ASErr code,
                         bool andAfter) {
    counters_[{suite, operation}].fault = Fault{nth, code, andAfter};
}

void FaultPlan::failNthCall(int nth, ASErr code, CallFilter counts) {
    sweep_ = SweepFault{nth, code, std::move(counts)};
}

void FaultPlan::clear() {
    recent_.fill({});
    sites_.clear();
    counters_.clear();
    sweep_.reset();
}

FaultPlan::Counter &FaultPlan::counterOf(const char *suite, const char *operation) {
    CachedSite &cached = recent_[(reinterpret_cast<std::uintptr_t>(operation) >> 3) % recent_.size()];
    if (cached.operation == operation && cached.suite == suite) return *cached.counter;
    // The same name may be spelled by literals at several addresses (one per
    // translation unit); each address is looked up by name once.
    auto [it, added] = sites_.try_emplace(Site{suite, operation}, nullptr);
    if (added) it->second = &counters_[{suite, operation}];
    cached = {suite, operation, it->second};
    return *it->second;
}

std::optional<ASErr> FaultPlan::onCall(const char *suite, const char *operation) {
    Counter &counter = counterOf(suite, operation);
    const std::int64_t n = ++counter.calls;
    if (sweep_ && sweep_->counts(suite, operation) && ++sweep_->seen == sweep_->nth) return sweep_->code;
    if (!counter.fault) return std::nullopt;
    const Fault &f = *counter.fault;
    if (n == f.nth || (f.andAfter && n > f.nth)) return f.code;
    return std::nullopt;
}

std::int64_t FaultPlan::calls(const std::string &suite, const std::string &operation) const {
    auto it = counters_.find({suite, operation});
    return it == counters_.end() ? 0 : it->second.calls;
}

std::vector<FaultPlan::CallCount> FaultPlan::callCounts() const {
    std::vector<CallCount> counts;
    for (const auto &[name, counter] : counters_)
        if (counter.calls > 0) counts.push_back({name.first, name.second, counter.calls});
    std::stable_sort(counts.begin(), counts.end(),
                     [](const CallCount &a, const CallCount &b) { return a.calls > b.calls; });
    return counts;
}

} // namespace vyn::host
