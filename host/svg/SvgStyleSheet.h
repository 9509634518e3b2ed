// SvgStyleSheet.h — the CSS of <style> elements as exporters write it: rules
// of type, class, id and '*' selectors, joined by descendant (or child)
// combinators, in selector lists; and declaration blocks.
//
// Rules are indexed by the key of their rightmost compound (id, else a
// class, else the type), so finding the rules of an element looks at the
// few rules that can match it, not at every rule of the sheet; each index
// holds its rules in cascade order, so an element's rules are merged, not
// sorted. A selector
// this reader does not know (attributes, pseudo-classes, siblings) never
// matches; the rest of its list still does. At-rules are skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <pugixml.hpp>

namespace vyn::host::svg {

struct Declaration {
    std::string_view name;
    std::string_view value; // without "!important"
    bool important = false;
};

// The declarations of a block (`name: value; …`), in order; empty or
// nameless ones are skipped.
std::vector<Declaration> parseDeclarations(std::string_view block);
// The same without building a list, for the style attribute of every
// element.
template <class Visit> void forEachDeclaration(std::string_view block, Visit &&visit);

struct CompoundSelector {
    std::string_view type; // empty: any element
    std::string_view id;
    std::vector<std::string_view> classes;
};

struct Selector {
    std::vector<CompoundSelector> compounds; // left to right
    std::vector<char> combinators;           // between them: ' ' descendant, '>' child
    std::uint32_t specificity = 0;           // ids, classes, types in 10-bit fields
};

// A selector list as --select or a rule writes it; none when a selector in
// it is not one this reader knows.
std::optional<std::vector<Selector>> parseSelectorList(std::string_view text);

// The element's name without a namespace prefix ("svg:rect" is "rect").
std::string_view localName(pugi::xml_node element);
bool matches(const Selector &selector, pugi::xml_node element);

// Rules are kept only for what they can still decide: a rule without
// declarations is dropped, and so is a declaration that a later rule of the
// same selector text (which matches the same elements, and wins) declares
// again with at least its importance.
class StyleSheet {
  public:
    struct Rule {
        Selector selector;
        std::string_view text; // the selector as written, trimmed
        std::uint32_t order = 0;
        std::vector<Declaration> declarations;
        std::uint32_t rank = 0; // the place in cascade order, once finished
    };

    // Adds the rules of one stretch of CSS, the text of a <style> element,
    // which must outlive the sheet.
    void add(std::string_view css);
    // After the last add(), before matchingRules() (which finds nothing
    // before it): puts the rules in cascade order once, so that no
    // element's rules are sorted again.
    void finish();
    bool empty() const { return rules_.empty(); }
    std::size_t size() const { return ranked_.size(); }

    // The rules that match, in cascade order: lower specificity first, then
    // earlier first (their ranks ascending). `out` is cleared first.
    void matchingRules(pugi::xml_node element, std::vector<const Rule *> &out) const;

    // Whether `p` points into CSS this sheet copied to blank out comments,
    // and if so where that is in the text it was copied from.
    std::optional<const char *> original(const char *p) const;

  private:
    void index(const Rule &rule);

    std::deque<Rule> rules_;
    std::vector<Rule *> ranked_; // in cascade order, after finish()
    std::deque<std::string> copies_; // CSS with comments blanked out, same length
    std::vector<std::pair<const char *, const char *>> copiedFrom_; // copy, original
    // Ranks, ascending, by the key of each rule's rightmost compound.
    std::unordered_map<std::string_view, std::vector<std::uint32_t>> byId_, byClass_, byType_;
    std::vector<std::uint32_t> universal_;
};

std::optional<Declaration> declarationOf(std::string_view text);

template <class Visit> void forEachDeclaration(std::string_view block, Visit &&visit) {
    while (!block.empty()) {
        std::size_t end = 0;
        char quote = 0;
        int parentheses = 0;
        for (; end < block.size(); ++end) {
            const char c = block[end];
            if (quote) {
                if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '(') {
                ++parentheses;
            } else if (c == ')') {
                --parentheses;
            } else if (c == ';' && parentheses <= 0) {
                break;
            }
        }
        if (const auto declaration = declarationOf(block.substr(0, end))) visit(*declaration);
        block.remove_prefix(end < block.size() ? end + 1 : end);
    }
}

} // namespace vyn::host::svg
