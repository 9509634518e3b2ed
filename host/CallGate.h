// CallGate.h — the one gate every suite entry point passes through.
//
// Entry points are short noexcept trampolines: recover the model object from
// its handle, run the body through the gate, forward the result. The gate
// does what cuts across all suites, in one place: the trace, fault
// injection, and turning an escaping exception into a result code. A
// HostError with kBadParameterErr or kBadContextErr is misuse by the plug-in
// and is also reported to the host's misbehaviour hook.
#pragma once

#include <exception>
#include <new>
#include <optional>

#include "ASTypes.h"
#include "HostError.h"

namespace vyn::host {

class Host;

namespace gate_detail {
// Null when no host is running. Records the trace line and says whether an
// injected fault replaces this call.
Host *enter(const char *suite, const char *operation, std::optional<ASErr> &fault);
void failed(Host *host, const char *suite, const char *operation, ASErr code, const char *why);
} // namespace gate_detail

// For operations that return a result code.
template <class Body> ASErr gate(const char *suite, const char *operation, Body &&body) noexcept {
    std::optional<ASErr> fault;
    Host *host = nullptr;
    try {
        host = gate_detail::enter(suite, operation, fault);
        if (!host) return kBadContextErr;
        if (fault) return *fault;
        return body(*host);
    } catch (const HostError &e) {
        gate_detail::failed(host, suite, operation, e.code(), e.what());
        return e.code();
    } catch (const std::bad_alloc &) {
        return kOutOfMemoryErr;
    } catch (const std::exception &e) {
        gate_detail::failed(host, suite, operation, kCantHappenErr, e.what());
        return kCantHappenErr;
    }
}

// For operations that return a value (or nothing) instead of a code: an
// injected fault or an error yields `fallback`.
template <class T, class Body>
T gateValue(const char *suite, const char *operation, T fallback, Body &&body) noexcept {
    T result = fallback;
    ASErr code = gate(suite, operation, [&](Host &host) {
        result = body(host);
        return ASErr(kNoErr);
    });
    return code == kNoErr ? result : fallback;
}

template <class Body> void gateVoid(const char *suite, const char *operation, Body &&body) noexcept {
    (void)gate(suite, operation, [&](Host &host) {
        body(host);
        return ASErr(kNoErr);
    });
}

} // namespace vyn::host
