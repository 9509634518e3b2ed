#include "svg/SvgStyleSheet.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "svg/SvgNumbers.h"

namespace vyn::host::svg {

std::optional<Declaration> declarationOf(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    Declaration d;
    d.name = trimmed(text.substr(0, colon));
    d.value = trimmed(text.substr(colon + 1));
    if (d.name.empty()) return std::nullopt;
    const std::size_t bang = d.value.rfind('!');
    if (bang != std::string_view::npos &&
        equalsIgnoringCase(trimmed(d.value.substr(bang + 1)), "important")) {
        d.important = true;
        d.value = trimmed(d.value.substr(0, bang));
    }
    return d;
}

std::vector<Declaration> parseDeclarations(std::string_view block) {
    std::vector<Declaration> all;
    forEachDeclaration(block, [&](const Declaration &d) { all.push_back(d); });
    return all;
}

namespace {

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

std::optional<Selector> parseSelector(std::string_view text) {
    text = trimmed(text);
    Selector selector;
    std::size_t i = 0;
    unsigned ids = 0, classes = 0, types = 0;
    auto name = [&]() {
        const std::size_t start = i;
        while (i < text.size() && isNameChar(text[i]))
            ++i;
        return text.substr(start, i - start);
    };
    while (i < text.size()) {
        CompoundSelector compound;
        bool any = false;
        if (text[i] == '*') {
            ++i;
            any = true;
        } else if (isNameChar(text[i])) {
            compound.type = name();
            ++types;
            any = true;
        }
        while (i < text.size() && (text[i] == '#' || text[i] == '.')) {
            const char kind = text[i++];
            const std::string_view n = name();
            if (n.empty()) return std::nullopt;
            if (kind == '#') {
                compound.id = n;
                ++ids;
            } else {
                // A class said twice counts twice for specificity, and is
                // looked for once.
                if (std::find(compound.classes.begin(), compound.classes.end(), n) == compound.classes.end())
                    compound.classes.push_back(n);
                ++classes;
            }
            any = true;
        }
        if (!any) return std::nullopt;
        selector.compounds.push_back(std::move(compound));
        char combinator = 0;
        while (i < text.size() && isSpace(text[i])) {
            combinator = ' ';
            ++i;
        }
        if (i < text.size() && text[i] == '>') {
            combinator = '>';
            ++i;
            while (i < text.size() && isSpace(text[i]))
                ++i;
        }
        if (i >= text.size()) {
            if (combinator == '>') return std::nullopt;
            break;
        }
        if (!combinator) return std::nullopt; // '[', ':', '+', '~' and the like
        selector.combinators.push_back(combinator);
    }
    if (selector.compounds.empty()) return std::nullopt;
    selector.specificity =
        std::min(ids, 1023u) << 20 | std::min(classes, 1023u) << 10 | std::min(types, 1023u);
    return selector;
}

template <class Visit> void forEachClass(pugi::xml_node element, Visit &&visit) {
    std::string_view classes = element.attribute("class").value();
    while (!classes.empty()) {
        std::size_t start = 0;
        while (start < classes.size() && isSpace(classes[start]))
            ++start;
        std::size_t end = start;
        while (end < classes.size() && !isSpace(classes[end]))
            ++end;
        if (end > start) visit(classes.substr(start, end - start));
        classes.remove_prefix(end);
    }
}

bool matchesCompound(const CompoundSelector &compound, pugi::xml_node element) {
    if (!compound.type.empty() && localName(element) != compound.type) return false;
    if (!compound.id.empty() && compound.id != element.attribute("id").value()) return false;
    if (compound.classes.empty()) return true;
    // A few classes are looked for in the attribute; many, in a set of the
    // element's classes made once, so that the cost stays the sum of the
    // two lists, not their product.
    constexpr std::size_t kFewClasses = 8;
    if (compound.classes.size() <= kFewClasses) {
        for (std::string_view wanted : compound.classes) {
            bool found = false;
            forEachClass(element, [&](std::string_view c) { found = found || c == wanted; });
            if (!found) return false;
        }
        return true;
    }
    std::unordered_set<std::string_view> has;
    forEachClass(element, [&](std::string_view c) { has.insert(c); });
    return std::all_of(compound.classes.begin(), compound.classes.end(),
                       [&](std::string_view wanted) { return has.count(wanted) > 0; });
}

// Skips an at-rule: up to its ';', or its whole block.
std::size_t endOfAtRule(std::string_view css, std::size_t i) {
    for (; i < css.size(); ++i) {
        if (css[i] == ';') return i + 1;
        if (css[i] == '{') {
            int depth = 0;
            for (; i < css.size(); ++i) {
                if (css[i] == '{') ++depth;
                if (css[i] == '}' && --depth == 0) return i + 1;
            }
        }
    }
    return css.size();
}

} // namespace

std::string_view localName(pugi::xml_node element) {
    std::string_view name = element.name();
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) return name;
    return name.substr(0, colon) == "svg" ? name.substr(colon + 1) : std::string_view{};
}

// Right to left, without backtracking: the element's ancestors are walked
// once, and for each compound, from the leftmost on, the ancestors it may
// stand at (with everything left of it matched above) are found from the
// previous compound's, so a selector costs its length times the depth,
// where trying each ancestor anew cost the depth to the power of its length.
bool matches(const Selector &selector, pugi::xml_node element) {
    const std::size_t n = selector.compounds.size();
    if (n == 0 || !matchesCompound(selector.compounds[n - 1], element)) return false;
    if (n == 1) return true;
    std::vector<pugi::xml_node> above; // nearest first
    for (pugi::xml_node up = element.parent(); up.type() == pugi::node_element; up = up.parent())
        above.push_back(up);
    const std::size_t depth = above.size();
    // at[k]: the compounds so far match with the current one at above[k].
    std::vector<char> at(depth, 0), next(depth, 0);
    for (std::size_t k = 0; k < depth; ++k)
        at[k] = matchesCompound(selector.compounds[0], above[k]);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const char combinator = selector.combinators[i - 1];
        // Whether some ancestor above k matches what is left of compound i.
        bool anyAbove = false;
        for (std::size_t k = depth; k-- > 0;) {
            const bool linked = combinator == '>' ? k + 1 < depth && at[k + 1] : anyAbove;
            next[k] = linked && matchesCompound(selector.compounds[i], above[k]);
            anyAbove = anyAbove || at[k];
        }
        std::swap(at, next);
    }
    const char last = selector.combinators[n - 2];
    if (last == '>') return depth > 0 && at[0];
    for (std::size_t k = 0; k < depth; ++k)
        if (at[k]) return true;
    return false;
}

std::optional<std::vector<Selector>> parseSelectorList(std::string_view text) {
    std::vector<Selector> list;
    while (true) {
        const std::size_t comma = text.find(',');
        auto selector = parseSelector(text.substr(0, comma));
        if (!selector) return std::nullopt;
        list.push_back(std::move(*selector));
        if (comma == std::string_view::npos) return list;
        text.remove_prefix(comma + 1);
    }
}

void StyleSheet::add(std::string_view css) {
    if (css.find("/*") != std::string_view::npos) {
        std::string &copy = copies_.emplace_back(css);
        for (std::size_t open = copy.find("/*"); open != std::string::npos; open = copy.find("/*", open)) {
            const std::size_t close = copy.find("*/", open + 2);
            const std::size_t end = close == std::string::npos ? copy.size() : close + 2;
            std::fill(copy.begin() + static_cast<std::ptrdiff_t>(open),
                      copy.begin() + static_cast<std::ptrdiff_t>(end), ' ');
            open = end;
        }
        copiedFrom_.emplace_back(copy.data(), css.data());
        css = copy;
    }
    std::size_t i = 0;
    while (i < css.size()) {
        while (i < css.size() && isSpace(css[i]))
            ++i;
        if (css.substr(i, 4) == "<!--") {
            i += 4;
            continue;
        }
        if (css.substr(i, 3) == "-->") {
            i += 3;
            continue;
        }
        if (i >= css.size()) break;
        if (css[i] == '@') {
            i = endOfAtRule(css, i);
            continue;
        }
        const std::size_t open = css.find('{', i);
        if (open == std::string_view::npos) break;
        const std::size_t close = std::min(css.find('}', open), css.size());
        const std::vector<Declaration> declarations =
            parseDeclarations(css.substr(open + 1, close - open - 1));
        std::string_view selectors = css.substr(i, open - i);
        while (!declarations.empty()) {
            const std::size_t comma = selectors.find(',');
            const std::string_view text = trimmed(selectors.substr(0, comma));
            if (auto selector = parseSelector(text))
                rules_.push_back({std::move(*selector), text, static_cast<std::uint32_t>(rules_.size()),
                                  declarations});
            if (comma == std::string_view::npos) break;
            selectors.remove_prefix(comma + 1);
        }
        i = close == css.size() ? close : close + 1;
    }
}

void StyleSheet::finish() {
    // Latest first: what a rule of the same text declares later is seen
    // before the earlier declaration it overrides.
    std::unordered_map<std::string_view, std::unordered_set<std::string_view>> normal, important;
    for (auto rule = rules_.rbegin(); rule != rules_.rend(); ++rule) {
        auto &laterNormal = normal[rule->text], &laterImportant = important[rule->text];
        std::vector<Declaration> live;
        for (auto d = rule->declarations.rbegin(); d != rule->declarations.rend(); ++d) {
            const bool overridden = laterImportant.count(d->name) || (!d->important && laterNormal.count(d->name));
            if (!overridden) live.push_back(*d);
            (d->important ? laterImportant : laterNormal).insert(d->name);
        }
        std::reverse(live.begin(), live.end());
        rule->declarations = std::move(live);
    }
    ranked_.clear();
    byId_.clear();
    byClass_.clear();
    byType_.clear();
    universal_.clear();
    for (Rule &rule : rules_)
        if (!rule.declarations.empty()) ranked_.push_back(&rule);
    std::stable_sort(ranked_.begin(), ranked_.end(), [](const Rule *x, const Rule *y) {
        return x->selector.specificity < y->selector.specificity;
    });
    for (std::size_t r = 0; r < ranked_.size(); ++r) {
        ranked_[r]->rank = static_cast<std::uint32_t>(r);
        index(*ranked_[r]);
    }
}

void StyleSheet::index(const Rule &rule) {
    const CompoundSelector &key = rule.selector.compounds.back();
    if (!key.id.empty())
        byId_[key.id].push_back(rule.rank);
    else if (!key.classes.empty())
        byClass_[key.classes.front()].push_back(rule.rank);
    else if (!key.type.empty())
        byType_[key.type].push_back(rule.rank);
    else
        universal_.push_back(rule.rank);
}

void StyleSheet::matchingRules(pugi::xml_node element, std::vector<const Rule *> &out) const {
    out.clear();
    if (ranked_.empty()) return;
    // Each index's matches are in cascade order already: merging each run
    // into those before it keeps the whole in order.
    auto consider = [&](const std::vector<std::uint32_t> &candidates) {
        const auto before = static_cast<std::ptrdiff_t>(out.size());
        for (std::uint32_t r : candidates)
            if (matches(ranked_[r]->selector, element)) out.push_back(ranked_[r]);
        std::inplace_merge(out.begin(), out.begin() + before, out.end(),
                           [](const Rule *x, const Rule *y) { return x->rank < y->rank; });
    };
    auto lookUp = [&](const std::unordered_map<std::string_view, std::vector<std::uint32_t>> &map,
                      std::string_view key) {
        if (map.empty() || key.empty()) return;
        if (const auto it = map.find(key); it != map.end()) consider(it->second);
    };
    lookUp(byId_, element.attribute("id").value());
    if (!byClass_.empty()) {
        // Each class once, however often the attribute says it.
        std::unordered_set<std::string_view> seen;
        forEachClass(element, [&](std::string_view c) {
            if (seen.insert(c).second) lookUp(byClass_, c);
        });
    }
    lookUp(byType_, localName(element));
    consider(universal_);
}

std::optional<const char *> StyleSheet::original(const char *p) const {
    for (std::size_t i = 0; i < copiedFrom_.size(); ++i) {
        const std::string &copy = copies_[i];
        if (p >= copy.data() && p <= copy.data() + copy.size())
            return copiedFrom_[i].second + (p - copy.data());
    }
    return std::nullopt;
}

} // namespace vyn::host::svg
