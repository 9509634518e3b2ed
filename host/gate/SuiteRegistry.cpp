#include "gate/SuiteRegistry.h"

#include "gate/HostError.h"

namespace vyn::host {

void SuiteRegistry::add(const std::string &name, ASInt32 version, const void *table) {
    rows_[{name, version}] = Row{table};
}

const void *SuiteRegistry::acquire(const std::string &name, ASInt32 version) {
    auto it = rows_.find({name, version});
    if (it == rows_.end() || it->second.unavailable)
        throw HostError(kSPSuiteNotFoundError,
                        "suite \"" + name + "\" version " + std::to_string(version) + " is not offered");
    ++it->second.count;
    return it->second.table;
}

void SuiteRegistry::release(const std::string &name, ASInt32 version) {
    auto it = rows_.find({name, version});
    if (it == rows_.end() || it->second.count == 0)
        throw HostError(kSPSuiteNotFoundError, "release of suite \"" + name + "\" version " +
                                                   std::to_string(version) + " that is not acquired");
    --it->second.count;
}

void SuiteRegistry::setUnavailable(const std::string &name, ASInt32 version, bool unavailable) {
    auto it = rows_.find({name, version});
    if (it == rows_.end())
        throw HostError(kSPSuiteNotFoundError,
                        "no suite \"" + name + "\" version " + std::to_string(version));
    it->second.unavailable = unavailable;
}

bool SuiteRegistry::offers(const std::string &name, ASInt32 version) const {
    auto it = rows_.find({name, version});
    return it != rows_.end() && !it->second.unavailable;
}

int SuiteRegistry::outstanding(const std::string &name, ASInt32 version) const {
    auto it = rows_.find({name, version});
    return it == rows_.end() ? 0 : it->second.count;
}

int SuiteRegistry::outstanding() const {
    int total = 0;
    for (const auto &[key, row] : rows_)
        total += row.count;
    return total;
}

std::vector<std::string> SuiteRegistry::outstandingRows() const {
    std::vector<std::string> rows;
    for (const auto &[key, row] : rows_)
        if (row.count > 0)
            rows.push_back(key.first + " (" + std::to_string(key.second) + ") x" + std::to_string(row.count));
    return rows;
}

} // namespace vyn::host
