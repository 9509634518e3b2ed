// SuiteRegistry.h — the one table of (suite name, version) → suite table.
//
// Every version a suite is offered at is its own row; an acquisition of a
// version that has no row fails, there is no fallback to a neighbour.
// Acquisition counts and "make this suite unavailable" live here and nowhere
// else.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ASTypes.h"

namespace vyn::host {

class SuiteRegistry {
  public:
    void add(const std::string &name, ASInt32 version, const void *table);

    // The table for (name, version) with its count raised by one; throws
    // HostError(kSPSuiteNotFoundError) when no such row exists or the row has
    // been made unavailable.
    const void *acquire(const std::string &name, ASInt32 version);
    // Lowers the count; throws HostError(kSPSuiteNotFoundError) when the row
    // has no outstanding acquisition.
    void release(const std::string &name, ASInt32 version);

    // Makes a row refuse acquisition (a suite the host "cannot supply").
    void setUnavailable(const std::string &name, ASInt32 version, bool unavailable = true);

    bool offers(const std::string &name, ASInt32 version) const;
    int outstanding(const std::string &name, ASInt32 version) const;
    // Sum of all outstanding acquisitions.
    int outstanding() const;
    // The rows with outstanding acquisitions, as "name (version) xN".
    std::vector<std::string> outstandingRows() const;
    std::size_t size() const { return rows_.size(); }

  private:
    using Key = std::pair<std::string, ASInt32>;
    struct Row {
        const void *table;
        int count = 0;
        bool unavailable = false;
    };
    std::map<Key, Row> rows_;
};

} // namespace vyn::host
