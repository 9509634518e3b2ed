#include "svg/SvgElementSpans.h"

#include <algorithm>

namespace vyn::host::svg {
namespace {

std::size_t after(std::string_view text, std::size_t from, std::string_view end) {
    const std::size_t at = text.find(end, from);
    return at == std::string_view::npos ? text.size() : at + end.size();
}

// The end of a tag or declaration starting at `from`: just past its '>',
// skipping quoted values and, in a DOCTYPE, the internal subset.
std::size_t endOfTag(std::string_view text, std::size_t from, bool &selfClosing) {
    char quote = 0;
    int brackets = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '[') {
            ++brackets;
        } else if (c == ']') {
            --brackets;
        } else if (c == '>' && brackets <= 0) {
            selfClosing = i > from && text[i - 1] == '/';
            return i + 1;
        }
    }
    selfClosing = false;
    return text.size();
}

} // namespace

ByteSpan ElementSpans::at(std::size_t begin) const {
    const auto it = std::lower_bound(spans.begin(), spans.end(), begin,
                                     [](const ByteSpan &s, std::size_t b) { return s.begin < b; });
    if (it == spans.end() || it->begin != begin) return {begin, begin};
    return *it;
}

ElementSpans scanElementSpans(std::string_view text) {
    ElementSpans result;
    std::vector<std::size_t> open;
    std::size_t i = 0;
    while ((i = text.find('<', i)) != std::string_view::npos) {
        const std::string_view rest = text.substr(i);
        bool selfClosing = false;
        if (rest.starts_with("<!--")) {
            i = after(text, i + 4, "-->");
        } else if (rest.starts_with("<![CDATA[")) {
            i = after(text, i + 9, "]]>");
        } else if (rest.starts_with("<?")) {
            i = after(text, i + 2, "?>");
        } else if (rest.starts_with("<!")) {
            i = endOfTag(text, i + 2, selfClosing);
        } else if (rest.starts_with("</")) {
            i = endOfTag(text, i + 2, selfClosing);
            if (!open.empty()) {
                result.spans[open.back()].end = i;
                open.pop_back();
            }
        } else {
            const std::size_t start = i;
            i = endOfTag(text, i + 1, selfClosing);
            result.spans.push_back({start, selfClosing ? i : text.size()});
            result.depths.push_back(open.size());
            if (!selfClosing) open.push_back(result.spans.size() - 1);
        }
    }
    return result;
}

std::string lineEnding(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos || text[at] == '\n') return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

std::string indentation(std::string_view text, const ElementSpans &spans) {
    // The white space before `begin` back to its line's start, if only
    // white space stands there.
    auto leading = [&](std::size_t begin) -> std::optional<std::string_view> {
        std::size_t start = begin;
        while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t'))
            --start;
        if (start > 0 && text[start - 1] != '\n' && text[start - 1] != '\r') return std::nullopt;
        return text.substr(start, begin - start);
    };
    std::vector<std::optional<std::string_view>> byDepth;
    for (std::size_t e = 0; e < spans.spans.size(); ++e) {
        const std::size_t depth = spans.depths[e];
        const auto own = leading(spans.spans[e].begin);
        if (depth > 0 && depth - 1 < byDepth.size() && byDepth[depth - 1] && own) {
            const std::string_view parent = *byDepth[depth - 1];
            if (own->size() > parent.size() && own->starts_with(parent))
                return std::string(own->substr(parent.size()));
        }
        byDepth.resize(depth + 1);
        byDepth[depth] = own;
    }
    return "  ";
}

} // namespace vyn::host::svg
