// ByteSink.h — where a writer puts the bytes it produces.
//
// Writers (pictures, preferences, documents) write to a sink and never check
// for errors: a sink that fails remembers its first failure, ignores what
// follows, and its owner asks once at the end. Tests write to a StringSink;
// the program writes to an AtomicFile (AtomicFile.h).
#pragma once

#include <string>
#include <string_view>

namespace vyn::host {

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void write(std::string_view bytes) = 0;
};

class StringSink final : public ByteSink {
  public:
    void write(std::string_view bytes) override { bytes_.append(bytes); }
    const std::string &bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

} // namespace vyn::host
