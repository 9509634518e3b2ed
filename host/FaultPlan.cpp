#include "FaultPlan.h"

namespace vyn::host {

void FaultPlan::failCall(const std::string &suite, const std::string &operation, int nth, ASErr code,
                         bool andAfter) {
    faults_[{suite, operation}] = Fault{nth, code, andAfter};
}

void FaultPlan::failNthCall(int nth, ASErr code, CallFilter counts) {
    sweep_ = SweepFault{nth, code, std::move(counts)};
}

void FaultPlan::clear() {
    faults_.clear();
    counts_.clear();
    sweep_.reset();
}

std::optional<ASErr> FaultPlan::onCall(const char *suite, const char *operation) {
    Key key{suite, operation};
    int n = ++counts_[key];
    if (sweep_ && sweep_->counts(suite, operation) && ++sweep_->seen == sweep_->nth) return sweep_->code;
    auto it = faults_.find(key);
    if (it == faults_.end()) return std::nullopt;
    const Fault &f = it->second;
    if (n == f.nth || (f.andAfter && n > f.nth)) return f.code;
    return std::nullopt;
}

int FaultPlan::calls(const std::string &suite, const std::string &operation) const {
    auto it = counts_.find({suite, operation});
    return it == counts_.end() ? 0 : it->second;
}

} // namespace vyn::host
