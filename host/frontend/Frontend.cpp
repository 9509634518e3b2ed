#include "frontend/Frontend.h"

#include <algorithm>

#include "platform/PlatformReceiver.h"

namespace vyn::host {

namespace {

void hearPlatformBeep(void *frontend, ASInt16) {
    try {
        static_cast<Frontend *>(frontend)->beep();
    } catch (...) {
        // A beep that cannot be recorded (no memory left) is a beep not heard:
        // nothing may cross back into the plug-in's C call.
    }
}

} // namespace

Frontend::Frontend() { vyn_platform_set_beep_receiver(hearPlatformBeep, this); }

Frontend::~Frontend() {
    if (vyn_platform_beep_receiver_is(this)) vyn_platform_set_beep_receiver(nullptr, nullptr);
}

const char *kindName(FrontendEvent::Kind kind) {
    switch (kind) {
    case FrontendEvent::Kind::ErrorAlert: return "error";
    case FrontendEvent::Kind::Alert: return "alert";
    case FrontendEvent::Kind::Warning: return "warning";
    case FrontendEvent::Kind::Beep: return "beep";
    case FrontendEvent::Kind::AboutBox: return "about";
    }
    return "event";
}

void Frontend::show(FrontendEvent::Kind kind, std::string text) {
    events_.push_back({kind, std::move(text)});
    if (sink_) sink_(events_.back());
}

std::vector<std::string> Frontend::texts(FrontendEvent::Kind kind) const {
    std::vector<std::string> out;
    for (const auto &e : events_)
        if (e.kind == kind) out.push_back(e.text);
    return out;
}

std::size_t Frontend::count(FrontendEvent::Kind kind) const {
    return static_cast<std::size_t>(std::count_if(events_.begin(), events_.end(),
                                                  [&](const FrontendEvent &e) { return e.kind == kind; }));
}

} // namespace vyn::host
