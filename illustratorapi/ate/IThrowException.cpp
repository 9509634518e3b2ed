// IThrowException.cpp — the one place a text-engine failure becomes an
// exception.
#include "IThrowException.h"

namespace ATE {

void Throw_ATE_Exception(ATEErr error) { throw Exception(error); }

} // namespace ATE
