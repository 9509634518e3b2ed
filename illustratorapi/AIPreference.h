/*
 * AIPreference.h — AI Preference: values a plug-in keeps from one run of the
 * host to the next, each stored under a (prefix, key) pair.
 *
 * A value has one of three kinds (boolean, real, string); a get only finds a
 * value stored with the put of the same kind. Prefix and key are 8-bit text
 * compared byte for byte.
 */
#ifndef VYN_ILLUSTRATORAPI_AIPREFERENCE_H
#define VYN_ILLUSTRATORAPI_AIPREFERENCE_H

#include "ASTypes.h"

#define kAIPreferenceSuite "AI Preference Suite"
#define kAIPreferenceSuiteVersion 1004

typedef struct AIPreferenceSuite {
    /* Reads the boolean stored under (prefix, key) into *value (0 or 1).
     * Returns 0, kNotFoundErr when no boolean is stored there, or
     * kBadParameterErr for a null argument; on failure *value is left as it
     * was, so a caller may assign its default first. [any time]
     * See docs/host-behaviour.md, "Preferences". */
    AIErr(ASAPI *GetBooleanPreference)(const char *prefix, const char *key, ASBoolean *value);

    /* Stores a boolean under (prefix, key), replacing whatever was stored
     * there, of any kind. Any non-zero value is stored as 1.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a null prefix or
     * key. [any time] */
    AIErr(ASAPI *PutBooleanPreference)(const char *prefix, const char *key, ASBoolean value);

    /* Reads the real stored under (prefix, key) into *value, in double
     * precision. Returns 0, kNotFoundErr when no real is stored there, or
     * kBadParameterErr for a null argument; on failure *value is left as it
     * was. [any time] */
    AIErr(ASAPI *GetRealPreference)(const char *prefix, const char *key, AIDouble *value);

    /* Stores a real under (prefix, key), replacing whatever was stored there.
     * The value is kept in double precision and read back unchanged.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a null prefix or
     * key or for a NaN or infinite value, which nothing stores. [any time]
     * See docs/host-behaviour.md, "Preferences". */
    AIErr(ASAPI *PutRealPreference)(const char *prefix, const char *key, AIDouble value);

    /* Copies the string stored under (prefix, key) into `value`, which holds
     * `capacity` bytes including the terminating NUL; a longer string is cut
     * to capacity - 1 bytes and still NUL-terminated. The text is the 8-bit
     * text that was put, unchanged.
     * Returns 0, kNotFoundErr when no string is stored there, or
     * kBadParameterErr for a null argument or a capacity below 1; on failure
     * `value` is left as it was. [any time] */
    AIErr(ASAPI *GetStringPreference)(const char *prefix, const char *key, char *value, ASInt32 capacity);

    /* Stores a copy of the NUL-terminated string `value` under (prefix, key),
     * replacing whatever was stored there. An empty string is a stored value.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a null argument.
     * [any time] */
    AIErr(ASAPI *PutStringPreference)(const char *prefix, const char *key, const char *value);
} AIPreferenceSuite;

#endif /* VYN_ILLUSTRATORAPI_AIPREFERENCE_H */
