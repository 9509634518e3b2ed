#include "Frontend.h"

namespace vyn::host {

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

} // namespace vyn::host
