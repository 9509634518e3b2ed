// ErrorCodeText.h — a host result code as an alert shows it.
#pragma once

#include <cstddef>

// Writes `code` into `text` (at least 12 bytes): its four characters for a
// four-character code ('CANT' as CANT), its decimal form otherwise.
void ErrorCodeText(long code, char *text, std::size_t size);
