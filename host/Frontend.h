// Frontend.h — what the host shows a person: alerts, warnings and beeps.
//
// The host keeps every event so tests can read them; a sink, when set, gets
// each one as it happens (the command line prints them on standard error).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vyn::host {

struct FrontendEvent {
    enum class Kind { ErrorAlert, Alert, Warning, Beep, AboutBox };
    Kind kind;
    std::string text; // UTF-8
};

const char *kindName(FrontendEvent::Kind kind);

class Frontend {
  public:
    using Sink = std::function<void(const FrontendEvent &)>;
    void setSink(Sink sink) { sink_ = std::move(sink); }

    void show(FrontendEvent::Kind kind, std::string text);
    const std::vector<FrontendEvent> &events() const { return events_; }
    std::vector<std::string> texts(FrontendEvent::Kind kind) const;
    void clear() { events_.clear(); }

  private:
    Sink sink_;
    std::vector<FrontendEvent> events_;
};

} // namespace vyn::host
