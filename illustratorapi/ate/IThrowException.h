// IThrowException.h — ATE::Exception, the exception the text-engine wrappers
// throw when an engine call fails.
//
// It is distinct from ai::Error on purpose: a handler that catches ai::Error
// does not catch a text-engine failure, which reaches the message boundary as
// a generic "cannot complete".
#pragma once

#include <exception>

#include "ATESuites.h"

namespace ATE {

class Exception : public std::exception {
  public:
    explicit Exception(ATEErr code) noexcept : error(code) {}

    // The engine's code, unchanged.
    ATEErr error;
};

// Throws ATE::Exception holding `error`.
[[noreturn]] void Throw_ATE_Exception(ATEErr error);

} // namespace ATE
