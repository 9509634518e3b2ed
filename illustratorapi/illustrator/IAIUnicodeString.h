// IAIUnicodeString.h — ai::UnicodeString, a value holder for a host Unicode
// string, and ai::Error, the exception that carries a failing host code.
//
// A string holds one host reference, null for the empty string, and disposes
// of it when destroyed. Its only field is that reference, so its layout is the
// one of AIUnicodeStringRef wherever a record embeds a string (the menu item
// record does). Every failing suite call is turned into ai::Error through
// check_result; a destructor never throws.
#pragma once

#include <exception>

#include "AIUnicodeString.h"

namespace ai {

// A host error code travelling as an exception. Converting it to long yields
// the code unchanged, which is how a message handler turns it back into its
// result.
class Error : public std::exception {
  public:
    explicit Error(long code) noexcept : fCode(code) {}
    operator long() const noexcept { return fCode; }

  private:
    long fCode;
};

// Throws ai::Error holding `result` unless it is 0.
void check_result(long result);

class UnicodeString {
  public:
    // The empty string; no host call.
    UnicodeString() noexcept : fString(nullptr) {}

    // A string made from the NUL-terminated 8-bit `text` in `encoding`
    // (0: the platform encoding, Mac Roman). A null text gives the empty
    // string without a host call. Throws ai::Error when the host fails.
    explicit UnicodeString(const char *text, AICharacterEncoding encoding = kAIPlatformCharacterEncoding);

    // Makes this string a copy of `source` through the host; throws ai::Error
    // when the copy fails, leaving this string as the host left it.
    UnicodeString &operator=(const UnicodeString &source);

    // Copying would dispose of one host string twice.
    UnicodeString(const UnicodeString &) = delete;

    ~UnicodeString();

    // The UTF-16 code unit at `index` (from 0); 0xFFFF when the host cannot
    // give it (index past the end, stale string).
    ASUInt16 operator[](unsigned long index) const;

    // The host reference, still owned by this string; null when empty.
    AIUnicodeStringRef GetRef() const noexcept { return fString; }

    // The address of the reference, for a host call that fills the string in
    // place (it replaces or reuses the reference this string owns).
    AIUnicodeStringRef *RefAddress() noexcept { return &fString; }

  private:
    AIUnicodeStringRef fString;
};

} // namespace ai
