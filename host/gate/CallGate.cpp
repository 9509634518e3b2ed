#include "gate/CallGate.h"

#include <string>

#include "gate/FaultPlan.h"
#include "Host.h"
#include "loader/PluginSet.h"
#include "gate/Trace.h"
#include "dialog/DialogEngine.h"
#include "model/Document.h"

namespace vyn::host::gate_detail {
namespace {

std::string where(const Operation &op) { return std::string(op.suite) + "." + op.name; }

// Why `op` may not run now, or null when it may.
const char *outOfContext(Host &host, const Operation &op) {
    switch (op.context) {
    case CallContext::AnyTime: return nullptr;
    case CallContext::DuringMessage:
        return host.plugins().inMessage() ? nullptr : "called outside a message to the plug-in";
    case CallContext::DocumentOpen: return host.documents().current() ? nullptr : "no document is open";
    case CallContext::InsideDialogProcedure:
        return host.dialogs().inProcedure() ? nullptr : "called outside a dialog procedure";
    case CallContext::InsideDrawingProcedure:
        return host.dialogs().inDrawingProcedure() ? nullptr : "called outside a drawing procedure";
    }
    return nullptr;
}

} // namespace

Host *runningHost() noexcept { return Host::current(); }

std::optional<ASErr> enter(Host &host, const Operation &op) {
    if (host.trace().enabled()) host.trace().record("call " + where(op));
    if (const char *why = outOfContext(host, op)) throw HostError(kBadContextErr, why);
    std::optional<ASErr> fault = host.faults().onCall(op.suite, op.name);
    if (fault && host.trace().enabled())
        host.trace().record("fault " + where(op) + " " + describeCode(*fault));
    return fault;
}

Document &openDocument(Host &host) {
    Document *document = host.documents().current();
    if (!document) throw HostError(kBadContextErr, "no document is open");
    return *document;
}

void failed(Host &host, const Operation &op, ASErr code, const char *why) noexcept {
    if (code == kCantHappenErr) return hostFault(host, op, code, why);
    if (code != kBadParameterErr && code != kBadContextErr) return;
    try {
        host.misbehaving(where(op) + ": " + why);
    } catch (...) {
        // Out of memory while reporting: the code still reaches the plug-in.
    }
}

void hostFault(Host &host, const Operation &op, ASErr code, const char *why) noexcept {
    try {
        host.hostFault(where(op) + ": " + why + " (" + describeCode(code) + ")");
    } catch (...) {
        // As above.
    }
}

} // namespace vyn::host::gate_detail
