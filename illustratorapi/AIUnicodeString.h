/*
 * AIUnicodeString.h — AI Unicode String: host-owned strings of UTF-16 code
 * units, made from 8-bit text in a stated encoding.
 */
#ifndef VYN_ILLUSTRATORAPI_AIUNICODESTRING_H
#define VYN_ILLUSTRATORAPI_AIUNICODESTRING_H

#include "ASTypes.h"

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 1006

typedef struct AIUnicodeStringSuite {
    /* Makes a new string from `length` bytes of `text` in `encoding`
     * (0: the platform encoding, Mac Roman). `str` receives it; the caller
     * owns it until Dispose. Returns 0, kOutOfMemoryErr, or kBadParameterErr
     * for an encoding the host does not know. [any time]
     * See docs/host-behaviour.md, "Text encodings". */
    AIErr(ASAPI *Initialize)(AIUnicodeStringRef *str, const char *text, ASInt32 length,
                             AICharacterEncoding encoding);

    /* Makes *dest a copy of `src`. A null *dest receives a new string; an
     * existing one is overwritten in place. A null `src` copies as empty.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale string;
     * on failure *dest is left as it was. [any time] */
    AIErr(ASAPI *Copy)(AIUnicodeStringRef *dest, AIUnicodeStringRef src);

    /* The UTF-16 code unit at `index` (from 0). Returns 0, or
     * kBadParameterErr for a stale string or an index past the end, in which
     * case *codeUnit is 0xFFFF. [any time] */
    AIErr(ASAPI *GetCodeUnit)(AIUnicodeStringRef str, ASUInt32 index, ASUInt16 *codeUnit);

    /* The number of UTF-16 code units (0 for a null string). Returns 0 or
     * kBadParameterErr for a stale string. [any time] */
    AIErr(ASAPI *Length)(AIUnicodeStringRef str, ASUInt32 *length);

    /* Compares code unit by code unit: *result is negative, 0 or positive as
     * `a` sorts before, equal to or after `b`; null compares as empty.
     * Returns 0 or kBadParameterErr for a stale string. [any time] */
    AIErr(ASAPI *Compare)(AIUnicodeStringRef a, AIUnicodeStringRef b, ASInt32 *result);

    /* Frees the string and sets *str to null. A null *str is ignored.
     * Returns 0 or kBadParameterErr for a stale string. [any time] */
    AIErr(ASAPI *Dispose)(AIUnicodeStringRef *str);
} AIUnicodeStringSuite;

#endif /* VYN_ILLUSTRATORAPI_AIUNICODESTRING_H */
