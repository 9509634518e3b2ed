// SuiteLease.h — one suite acquired from the host's registry for the life of
// the object, as a plug-in holds it between start-up and shut-down.
#pragma once

#include <string>

#include "ASTypes.h"
#include "gate/SuiteRegistry.h"

namespace vyn::test {

// `Suite` is the suite table's type, const-qualified or not to match the
// pointer the caller keeps. With `global`, the lease also fills that pointer
// and sets it back to null on release, like a plug-in's suite global.
template <class Suite> class SuiteLease {
  public:
    SuiteLease(host::SuiteRegistry &registry, std::string name, ASInt32 version, Suite **global = nullptr)
        : registry_(registry), name_(std::move(name)), version_(version), global_(global),
          suite_(static_cast<Suite *>(const_cast<void *>(registry.acquire(name_, version_)))) {
        if (global_) *global_ = suite_;
    }
    ~SuiteLease() {
        if (global_) *global_ = nullptr;
        registry_.release(name_, version_);
    }
    SuiteLease(const SuiteLease &) = delete;
    SuiteLease &operator=(const SuiteLease &) = delete;

    Suite *get() const { return suite_; }
    Suite *operator->() const { return suite_; }

  private:
    host::SuiteRegistry &registry_;
    std::string name_;
    ASInt32 version_;
    Suite **global_;
    Suite *suite_;
};

} // namespace vyn::test
