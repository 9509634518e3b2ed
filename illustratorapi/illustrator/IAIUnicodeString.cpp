// IAIUnicodeString.cpp — ai::UnicodeString over the AI Unicode String suite.
#include "IAIUnicodeString.h"

#include <cstring>

extern AIUnicodeStringSuite *sAIUnicodeString;

namespace ai {

void check_result(long result) {
    if (result != 0) throw Error(result);
}

UnicodeString::UnicodeString(const char *text, AICharacterEncoding encoding) : fString(nullptr) {
    if (text == nullptr) return;
    check_result(
        sAIUnicodeString->Initialize(&fString, text, static_cast<ASInt32>(std::strlen(text)), encoding));
}

UnicodeString &UnicodeString::operator=(const UnicodeString &source) {
    if (this != &source) check_result(sAIUnicodeString->Copy(&fString, source.fString));
    return *this;
}

UnicodeString::~UnicodeString() {
    // The release result is dropped: a destructor must not throw. Without the
    // suite (the plug-in's suites already released) there is nothing to call.
    if (fString != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Dispose(&fString);
}

ASUInt16 UnicodeString::operator[](unsigned long index) const {
    ASUInt16 codeUnit = 0xFFFF;
    if (sAIUnicodeString->GetCodeUnit(fString, static_cast<ASUInt32>(index), &codeUnit) != kNoErr)
        return 0xFFFF;
    return codeUnit;
}

} // namespace ai
