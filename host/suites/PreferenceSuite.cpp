// AI Preference over the host's preferences file. Prefix, key and string
// values cross the interface as 8-bit platform text and are kept as UTF-8.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <variant>

#include "AIPreference.h"
#include "gate/CallGate.h"
#include "Host.h"
#include "text/MacRoman.h"
#include "preferences/Preferences.h"
#include "gate/SuiteRegistry.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIPreferenceSuite;

// The value of kind T stored under (prefix, key), or null: a value of
// another kind is not found either.
template <class T> const T *stored(Host &host, const char *prefix, const char *key) {
    const PreferenceValue *value = host.preferences().find(macRomanToUtf8(prefix), macRomanToUtf8(key));
    return value ? std::get_if<T>(value) : nullptr;
}

void store(Host &host, const char *prefix, const char *key, PreferenceValue value) {
    host.preferences().put(macRomanToUtf8(prefix), macRomanToUtf8(key), std::move(value));
}

AIErr ASAPI getBooleanPreference(const char *prefix, const char *key, ASBoolean *value) {
    return gate({kSuite, "GetBooleanPreference"}, [&](Host &host) {
        require(prefix && key && value, "null prefix, key or value address");
        const bool *found = stored<bool>(host, prefix, key);
        if (!found) return kNotFoundErr;
        *value = *found ? 1 : 0;
        return kNoErr;
    });
}

AIErr ASAPI putBooleanPreference(const char *prefix, const char *key, ASBoolean value) {
    return gate({kSuite, "PutBooleanPreference"}, [&](Host &host) {
        require(prefix && key, "null prefix or key");
        store(host, prefix, key, value != 0);
        return kNoErr;
    });
}

AIErr ASAPI getRealPreference(const char *prefix, const char *key, AIDouble *value) {
    return gate({kSuite, "GetRealPreference"}, [&](Host &host) {
        require(prefix && key && value, "null prefix, key or value address");
        const double *found = stored<double>(host, prefix, key);
        if (!found) return kNotFoundErr;
        *value = *found;
        return kNoErr;
    });
}

AIErr ASAPI putRealPreference(const char *prefix, const char *key, AIDouble value) {
    return gate({kSuite, "PutRealPreference"}, [&](Host &host) {
        require(prefix && key, "null prefix or key");
        require(std::isfinite(value), "a real that is not a finite number cannot be stored");
        store(host, prefix, key, value);
        return kNoErr;
    });
}

AIErr ASAPI getStringPreference(const char *prefix, const char *key, char *value, ASInt32 capacity) {
    return gate({kSuite, "GetStringPreference"}, [&](Host &host) {
        require(prefix && key && value, "null prefix, key or buffer");
        require(capacity >= 1, "a string buffer needs room for its NUL");
        const std::string *found = stored<std::string>(host, prefix, key);
        if (!found) return kNotFoundErr;
        const std::string text = utf8ToMacRoman(*found);
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
        std::memcpy(value, text.data(), length);
        value[length] = '\0';
        return kNoErr;
    });
}

AIErr ASAPI putStringPreference(const char *prefix, const char *key, const char *value) {
    return gate({kSuite, "PutStringPreference"}, [&](Host &host) {
        require(prefix && key && value, "null prefix, key or string");
        store(host, prefix, key, macRomanToUtf8(value));
        return kNoErr;
    });
}

const AIPreferenceSuite kTable = {
    .GetBooleanPreference = getBooleanPreference,
    .PutBooleanPreference = putBooleanPreference,
    .GetRealPreference = getRealPreference,
    .PutRealPreference = putRealPreference,
    .GetStringPreference = getStringPreference,
    .PutStringPreference = putStringPreference,
};

} // namespace

void registerPreferenceSuite(SuiteRegistry &registry) {
    registry.add(kAIPreferenceSuite, kAIPreferenceSuiteVersion, &kTable);
}

} // namespace vyn::host
