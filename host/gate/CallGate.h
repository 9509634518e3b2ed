// CallGate.h — the one gate every suite entry point passes through.
//
// Entry points are short noexcept trampolines: recover the model object from
// its handle, run the body through the gate, forward the result. The gate
// does what cuts across all suites, in one place, in this order: the trace,
// the call-context check, fault injection, and turning whatever the body
// throws into a result code. No exception of any kind leaves it.
//
// What goes wrong is told apart by whose fault it is
// (docs/host-behaviour.md, "Misbehaving plug-ins and host faults"):
//   - misuse by the plug-in (a bad parameter, a stale handle, a call out of
//     its context: 'PARM', 'CTX?') goes to the host's misbehaviour record;
//   - a fault of the host itself (an operation it does not offer, 'CANT', or
//     any other exception from a body) goes to the host-fault record;
//   - any other HostError is an ordinary result of the operation.
#pragma once

#include <cstdint>
#include <exception>
#include <new>
#include <optional>
#include <type_traits>

#include "ASTypes.h"
#include "gate/HostError.h"

namespace vyn::host {

class Host;
class Document;

// When an operation may be called: the bracketed tags of the interface's
// contracts (illustratorapi/ASConfig.h).
enum class CallContext : std::uint8_t {
    AnyTime,                // [any time]
    DuringMessage,          // [during a message]
    DocumentOpen,           // [document open]
    InsideDialogProcedure,  // [inside a dialog procedure]
    InsideDrawingProcedure, // [inside a drawing procedure]
};

// One suite operation: names for the trace and fault injection (string
// literals, compared by address on the hot path), and its context.
struct Operation {
    const char *suite;
    const char *name;
    CallContext context = CallContext::AnyTime;
};

namespace gate_detail {
// The running host, or null.
Host *runningHost() noexcept;
// Records the trace line, checks the context (throws
// HostError(kBadContextErr)) and says whether an injected fault replaces
// this call.
std::optional<ASErr> enter(Host &host, const Operation &op);
// The open document, for a [document open] body.
Document &openDocument(Host &host);
// Files what went wrong under misuse or host fault. Never throws.
void failed(Host &host, const Operation &op, ASErr code, const char *why) noexcept;
void hostFault(Host &host, const Operation &op, ASErr code, const char *why) noexcept;
} // namespace gate_detail

// For operations that return a result code. The body takes (Host &), or
// (Host &, Document &) for an operation that needs the open document.
template <class Body> ASErr gate(const Operation &op, Body &&body) noexcept {
    Host *host = gate_detail::runningHost();
    if (!host) return kBadContextErr;
    try {
        if (std::optional<ASErr> fault = gate_detail::enter(*host, op)) return *fault;
        if constexpr (std::is_invocable_v<Body, Host &, Document &>)
            return body(*host, gate_detail::openDocument(*host));
        else
            return body(*host);
    } catch (const HostError &e) {
        gate_detail::failed(*host, op, e.code(), e.what());
        return e.code();
    } catch (const std::bad_alloc &) {
        gate_detail::hostFault(*host, op, kOutOfMemoryErr, "the host ran out of memory");
        return kOutOfMemoryErr;
    } catch (const std::exception &e) {
        gate_detail::hostFault(*host, op, kCantHappenErr, e.what());
        return kCantHappenErr;
    } catch (...) {
        gate_detail::hostFault(*host, op, kCantHappenErr, "an exception of unknown type");
        return kCantHappenErr;
    }
}

// For operations that return a value (or nothing) instead of a code: an
// injected fault or an error yields `fallback`.
template <class T, class Body> T gateValue(const Operation &op, T fallback, Body &&body) noexcept {
    T result = fallback;
    ASErr code;
    if constexpr (std::is_invocable_v<Body, Host &, Document &>)
        code = gate(op, [&](Host &host, Document &document) {
            result = body(host, document);
            return ASErr(kNoErr);
        });
    else
        code = gate(op, [&](Host &host) {
            result = body(host);
            return ASErr(kNoErr);
        });
    return code == kNoErr ? result : fallback;
}

template <class Body> void gateVoid(const Operation &op, Body &&body) noexcept {
    (void)gate(op, [&](Host &host) {
        body(host);
        return ASErr(kNoErr);
    });
}

} // namespace vyn::host
