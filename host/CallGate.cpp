#include "CallGate.h"

#include "FaultPlan.h"
#include "Host.h"
#include "Trace.h"

namespace vyn::host::gate_detail {

Host *enter(const char *suite, const char *operation, std::optional<ASErr> &fault) {
    Host *host = Host::current();
    if (!host) return nullptr;
    if (host->trace().enabled()) host->trace().record(std::string("call ") + suite + "." + operation);
    fault = host->faults().onCall(suite, operation);
    if (fault && host->trace().enabled())
        host->trace().record(std::string("fault ") + suite + "." + operation + " " + describeCode(*fault));
    return host;
}

void failed(Host *host, const char *suite, const char *operation, ASErr code, const char *why) {
    if (!host) return;
    if (code == kBadParameterErr || code == kBadContextErr || code == kCantHappenErr)
        host->misbehaving(std::string(suite) + "." + operation + ": " + why);
}

} // namespace vyn::host::gate_detail
