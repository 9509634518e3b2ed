#include "svg/SvgNumbers.h"

#include <charconv>
#include <cmath>

namespace vyn::host::svg {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) return false;
    }
    return true;
}

void NumberCursor::skipSpaces() {
    while (pos_ < text_.size() && isSpace(text_[pos_]))
        ++pos_;
}

void NumberCursor::skipSeparator() {
    skipSpaces();
    if (pos_ < text_.size() && text_[pos_] == ',') {
        ++pos_;
        skipSpaces();
    }
}

std::optional<double> NumberCursor::number() {
    skipSpaces();
    std::size_t start = pos_;
    bool negative = false;
    if (start < text_.size() && (text_[start] == '+' || text_[start] == '-')) {
        negative = text_[start] == '-';
        ++start;
    }
    if (start >= text_.size()) return std::nullopt;
    const char first = text_[start];
    if (!(first >= '0' && first <= '9') && first != '.') return std::nullopt;
    double value = 0;
    const char *begin = text_.data() + start;
    const auto [end, ec] = std::from_chars(begin, text_.data() + text_.size(), value);
    if (ec != std::errc{} || !std::isfinite(value)) return std::nullopt;
    pos_ = static_cast<std::size_t>(end - text_.data());
    return negative ? -value : value;
}

std::optional<bool> NumberCursor::flag() {
    skipSpaces();
    if (pos_ >= text_.size() || (text_[pos_] != '0' && text_[pos_] != '1')) return std::nullopt;
    return text_[pos_++] == '1';
}

std::optional<double> parseNumber(std::string_view text) {
    NumberCursor cursor(text);
    const auto value = cursor.number();
    if (!value || !cursor.atEnd()) return std::nullopt;
    return value;
}

std::optional<std::vector<double>> parseNumberList(std::string_view text) {
    std::vector<double> values;
    NumberCursor cursor(text);
    while (!cursor.atEnd()) {
        const auto value = cursor.number();
        if (!value) return std::nullopt;
        values.push_back(*value);
        cursor.skipSeparator();
    }
    return values;
}

std::optional<double> parseLength(std::string_view text, double percentBase, double fontSize) {
    NumberCursor cursor(trimmed(text));
    const auto value = cursor.number();
    if (!value) return std::nullopt;
    const std::string_view unit = trimmed(cursor.rest());
    struct Unit {
        std::string_view name;
        double factor;
    };
    static constexpr Unit kUnits[] = {{"", 1},    {"px", 1},         {"pt", 96.0 / 72}, {"pc", 16},
                                      {"in", 96}, {"mm", 96 / 25.4}, {"cm", 96 / 2.54}, {"q", 96 / 101.6}};
    for (const Unit &u : kUnits)
        if (equalsIgnoringCase(unit, u.name)) return *value * u.factor;
    if (unit == "%") return *value * percentBase / 100;
    if (equalsIgnoringCase(unit, "em")) return *value * fontSize;
    if (equalsIgnoringCase(unit, "ex")) return *value * fontSize / 2;
    return std::nullopt;
}

} // namespace vyn::host::svg
