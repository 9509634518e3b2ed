// Frontend.h — what the host shows a person: alerts, warnings and beeps.
//
// The host keeps every event so tests can read them; a sink, when set, gets
// each one as it happens (the command line prints them on standard error).
// The front end of the running host also hears the platform's beep, which a
// plug-in sounds with SysBeep (Platform.h) outside every suite.
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

    // Hears the platform's beep from construction to destruction: exactly one
    // host, and so one front end, exists at a time.
    Frontend();
    ~Frontend();
    Frontend(const Frontend &) = delete;
    Frontend &operator=(const Frontend &) = delete;

    void setSink(Sink sink) { sink_ = std::move(sink); }

    void show(FrontendEvent::Kind kind, std::string text);
    // One beep, whoever sounds it (the ADM beep, a refused field, SysBeep).
    void beep() { show(FrontendEvent::Kind::Beep, ""); }
    const std::vector<FrontendEvent> &events() const { return events_; }
    std::vector<std::string> texts(FrontendEvent::Kind kind) const;
    // How many events of `kind` were shown (the beeps heard, for instance).
    std::size_t count(FrontendEvent::Kind kind) const;
    void clear() { events_.clear(); }

  private:
    Sink sink_;
    std::vector<FrontendEvent> events_;
};

} // namespace vyn::host
