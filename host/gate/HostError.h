// HostError.h — the one exception type suite bodies throw; the call gate turns
// it into the result code the plug-in sees.
#pragma once

#include <stdexcept>
#include <string>

#include "ASTypes.h"

namespace vyn::host {

class HostError : public std::runtime_error {
  public:
    HostError(ASErr code, const std::string &why) : std::runtime_error(why), code_(code) {}
    ASErr code() const noexcept { return code_; }

  private:
    ASErr code_;
};

// Throws kBadParameterErr with `why` unless `ok`.
inline void require(bool ok, const char *why) {
    if (!ok) throw HostError(kBadParameterErr, why);
}

// "MEM!" for a four-character code, the decimal value otherwise.
std::string describeCode(ASErr code);

} // namespace vyn::host
