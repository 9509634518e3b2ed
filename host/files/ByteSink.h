// ByteSink.h — where a writer puts the bytes it produces.
//
// Writers (pictures, preferences, documents) write to a sink and never check
// for errors: a sink that fails remembers its first failure, ignores what
// follows, and its owner asks once at the end. Tests write to a StringSink;
// the program writes to an AtomicFile (AtomicFile.h).
#pragma once

#include <cstddef>
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

// Gathers small writes into large ones for `to`: writers that stream many
// small pieces, to a file that takes each write as a system call.
class BufferedSink final : public ByteSink {
  public:
    explicit BufferedSink(ByteSink &to, std::size_t capacity = 1 << 16) : to_(to), capacity_(capacity) {}
    ~BufferedSink() override { flush(); }
    BufferedSink(const BufferedSink &) = delete;
    BufferedSink &operator=(const BufferedSink &) = delete;

    void write(std::string_view bytes) override {
        if (buffer_.size() + bytes.size() > capacity_) flush();
        if (bytes.size() >= capacity_)
            to_.write(bytes);
        else
            buffer_.append(bytes);
    }
    void flush() {
        if (!buffer_.empty()) to_.write(buffer_);
        buffer_.clear();
    }

  private:
    ByteSink &to_;
    std::size_t capacity_;
    std::string buffer_;
};

} // namespace vyn::host
