/*
 * AITag.h — AI Tag: named values a plug-in attaches to art. A tag has a name
 * (8-bit text, unique on its art), a type and a value; the host keeps tags
 * with the art, in the document.
 */
#ifndef VYN_ILLUSTRATORAPI_AITAG_H
#define VYN_ILLUSTRATORAPI_AITAG_H

#include "ASTypes.h"

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 1002

/* The one tag type offered: the value is a NUL-terminated 8-bit string. */
#define kTagString "string"

typedef struct AITagSuite {
    /* Sets the tag `name` on `art` to the type `type` and the value `value`,
     * replacing a tag of that name. For kTagString, `value` is a
     * `const char *` to the text, copied by the host.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale art, a null
     * or empty name, a null value or a type other than kTagString; on failure
     * the art's tags are as they were. [document open]
     * See docs/host-behaviour.md, "Tags". */
    AIErr(ASAPI *SetTag)(AIArtHandle art, const char *name, const char *type, const void *value);

    /* Looks up the tag `name` on `art`. When `value` is not null it receives
     * the tag's value: for a string tag, `value` is the address of a
     * `const char *` that receives the host's copy of the text, valid until
     * the tag is changed or the art disposed of. A null `value` only asks
     * whether the tag is there.
     * Returns 0 when the art bears a tag of that name, kNotFoundErr when it
     * does not, or kBadParameterErr for a stale art or a null name; on
     * failure what `value` points to is left as it was. [document open] */
    AIErr(ASAPI *GetTag)(AIArtHandle art, const char *name, void *value);
} AITagSuite;

#endif /* VYN_ILLUSTRATORAPI_AITAG_H */
