#include "document/JsonLocation.h"

#include <nlohmann/json.hpp>

namespace vyn::host {
namespace {

class Walker {
  public:
    explicit Walker(std::string_view text) : text_(text) {}

    std::size_t skipSpace(std::size_t i) const {
        while (i < text_.size() &&
               (text_[i] == ' ' || text_[i] == '\t' || text_[i] == '\n' || text_[i] == '\r'))
            ++i;
        return i;
    }

    // From an opening quote to just past the closing one.
    std::size_t skipString(std::size_t i) const {
        for (++i; i < text_.size() && text_[i] != '"'; ++i)
            if (text_[i] == '\\') ++i;
        return std::min(i + 1, text_.size());
    }

    std::size_t skipValue(std::size_t i) const {
        if (i >= text_.size()) return i;
        if (text_[i] == '"') return skipString(i);
        if (text_[i] == '{' || text_[i] == '[') {
            int depth = 0;
            for (; i < text_.size(); ++i) {
                const char c = text_[i];
                if (c == '"')
                    i = skipString(i) - 1;
                else if (c == '{' || c == '[')
                    ++depth;
                else if ((c == '}' || c == ']') && --depth == 0)
                    return i + 1;
            }
            return i;
        }
        while (i < text_.size() && std::string_view(",}] \t\r\n").find(text_[i]) == std::string_view::npos)
            ++i;
        return i;
    }

    struct Found {
        std::size_t name = std::string_view::npos, value = std::string_view::npos;
    };

    // The last member called `name` of the object at `i`.
    Found member(std::size_t i, const std::string &name) const {
        Found found;
        i = skipSpace(i + 1);
        while (i < text_.size() && text_[i] == '"') {
            const std::size_t nameStart = i;
            i = skipString(i);
            const auto key = nlohmann::json::parse(text_.substr(nameStart, i - nameStart));
            i = skipSpace(skipSpace(i) + 1); // past the ':'
            if (key.get<std::string>() == name) found = {nameStart, i};
            i = skipSpace(skipValue(i));
            if (i < text_.size() && text_[i] == ',') i = skipSpace(i + 1);
        }
        return found;
    }

    std::size_t element(std::size_t i, std::size_t index) const {
        i = skipSpace(i + 1);
        for (std::size_t k = 0; k < index && i < text_.size() && text_[i] != ']'; ++k) {
            i = skipSpace(skipValue(i));
            if (i < text_.size() && text_[i] == ',') i = skipSpace(i + 1);
        }
        return i < text_.size() && text_[i] != ']' ? i : std::string_view::npos;
    }

  private:
    std::string_view text_;
};

} // namespace

std::string pathText(const JsonPath &path) {
    std::string text;
    for (const auto &step : path) {
        if (const auto *name = std::get_if<std::string>(&step)) {
            if (!text.empty()) text += '.';
            text += *name;
        } else {
            text += '[';
            text += std::to_string(std::get<std::size_t>(step));
            text += ']';
        }
    }
    return text;
}

std::size_t offsetOf(std::string_view text, const JsonPath &path, bool atName) {
    const Walker walker(text);
    std::size_t at = walker.skipSpace(0);
    for (std::size_t k = 0; k < path.size() && at < text.size(); ++k) {
        const auto &step = path[k];
        if (const auto *name = std::get_if<std::string>(&step)) {
            if (text[at] != '{') break;
            const auto found = walker.member(at, *name);
            if (found.value == std::string_view::npos) break;
            at = atName && k + 1 == path.size() ? found.name : found.value;
        } else {
            if (text[at] != '[') break;
            const std::size_t next = walker.element(at, std::get<std::size_t>(step));
            if (next == std::string_view::npos) break;
            at = next;
        }
    }
    return at;
}

std::optional<std::size_t> firstDeeperThan(std::string_view text, std::size_t levels) {
    std::size_t depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > levels) return i;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return std::nullopt;
}

} // namespace vyn::host
