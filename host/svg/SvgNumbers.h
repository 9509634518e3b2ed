// SvgNumbers.h — numbers, lengths and lists as SVG attributes and CSS
// values write them.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace vyn::host::svg {

std::string_view trimmed(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool isSpace(char c);

// Reads numbers one after another from a list or path data, where commas
// and white space separate them and a sign or a second point may too.
class NumberCursor {
  public:
    explicit NumberCursor(std::string_view text) : text_(text) {}
    void skipSpaces();
    void skipSeparator(); // white space with at most one comma
    bool atEnd() {
        skipSpaces();
        return pos_ >= text_.size();
    }
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void advance() { ++pos_; }
    std::size_t position() const { return pos_; }
    std::optional<double> number();
    std::optional<bool> flag(); // an arc flag: one '0' or '1'
    std::string_view rest() const { return text_.substr(pos_); }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The whole text is one finite number (white space around it allowed).
std::optional<double> parseNumber(std::string_view text);
// Finite numbers separated by commas or white space; empty when one is not.
std::optional<std::vector<double>> parseNumberList(std::string_view text);

// A length in user units: a number with no unit or px is user units, the
// absolute units convert at 96 per inch, em and ex go by `fontSize`, and a
// percentage is of `percentBase`.
std::optional<double> parseLength(std::string_view text, double percentBase = 0, double fontSize = 16);

} // namespace vyn::host::svg
