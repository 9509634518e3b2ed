// SelectorFuzz.cpp — libFuzzer target: the CSS the SVG reader knows, a
// selector list as --select gives it (the input's first line) and a style
// sheet as a <style> element holds it (the rest), matched against every
// element of a fixed document: groups nested 60 deep, siblings, an element
// of hundreds of classes, namespaced names. Never a crash, a hang or a
// leak; and
// - the matcher agrees with a plain one that walks the ancestors top down
//   (memoized, so that it stays cheap), for every selector it is given;
// - the rules the sheet finds for an element each match it, once, in
//   cascade order (specificity, then order);
// - every declaration the sheet keeps lies in the CSS it was given, or in
//   the copy it made without comments, which maps back into the CSS.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "svg/SvgNumbers.h"
#include "svg/SvgStyleSheet.h"

namespace {

using namespace vyn::host::svg;

[[noreturn]] void fail(const char *what) {
    std::fprintf(stderr, "selector_fuzz: %s\n", what);
    std::abort();
}

std::string repeated(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const pugi::xml_document &fixedDocument() {
    static pugi::xml_document *document = [] {
        std::string svg =
            "<svg xmlns='http://www.w3.org/2000/svg' xmlns:svg='http://www.w3.org/2000/svg' "
            "xmlns:foo='urn:foo' id='root' class='top'>"
            "<g id='a' class='x y'><g class='b'><g><rect id='d' class='c x'/><svg:rect class='c'/>"
            "<text class='t x'>text</text><foo:rect class='c'/></g></g></g>"
            "<g class='x'>";
        for (int i = 0; i < 60; ++i)
            svg += "<g class='g" + std::to_string(i % 3) + (i % 7 == 0 ? " x" : "") + "'" +
                   (i % 10 == 0 ? " id='n" + std::to_string(i) + "'" : "") + ">";
        svg += "<rect class='c deep'/><circle/>";
        svg += repeated("</g>", 60);
        svg += "</g><g class='many'><rect class='" + repeated("a b ", 200) + "c'/></g><g id='siblings'>";
        for (int i = 0; i < 20; ++i)
            svg += "<rect class='r" + std::to_string(i % 10) + "' id='s" + std::to_string(i) + "'/>";
        svg += "</g><defs><linearGradient id='lg'><stop/></linearGradient></defs></svg>";
        auto *d = new pugi::xml_document;
        if (!d->load_buffer(svg.data(), svg.size())) fail("the fixed document does not parse");
        return d;
    }();
    return *document;
}

// Every element of the fixed document in document order, with its index
// and its classes, found once.
struct Elements {
    std::vector<pugi::xml_node> nodes;
    std::unordered_map<const void *, std::size_t> index;
    std::vector<std::vector<std::string_view>> classes;
};

const Elements &elements() {
    static const Elements all = [] {
        Elements out;
        struct Walker : pugi::xml_tree_walker {
            std::vector<pugi::xml_node> *nodes;
            bool for_each(pugi::xml_node &node) override {
                if (node.type() == pugi::node_element) nodes->push_back(node);
                return true;
            }
        } walker;
        walker.nodes = &out.nodes;
        const_cast<pugi::xml_document &>(fixedDocument()).traverse(walker);
        for (std::size_t i = 0; i < out.nodes.size(); ++i) {
            out.index[out.nodes[i].internal_object()] = i;
            std::vector<std::string_view> &classes = out.classes.emplace_back();
            const std::string_view text = out.nodes[i].attribute("class").value();
            for (std::size_t at = 0; at < text.size();) {
                while (at < text.size() && isSpace(text[at]))
                    ++at;
                const std::size_t start = at;
                while (at < text.size() && !isSpace(text[at]))
                    ++at;
                if (at > start) classes.push_back(text.substr(start, at - start));
            }
        }
        return out;
    }();
    return all;
}

// The plain matcher: compound by compound, from the rightmost, over the
// ancestors, remembering each (compound, element) answer.
bool plainCompound(const CompoundSelector &compound, std::size_t e) {
    const pugi::xml_node element = elements().nodes[e];
    if (!compound.type.empty() && localName(element) != compound.type) return false;
    if (!compound.id.empty() && compound.id != std::string_view(element.attribute("id").value()))
        return false;
    for (std::string_view wanted : compound.classes) {
        bool found = false;
        for (std::string_view c : elements().classes[e])
            found = found || c == wanted;
        if (!found) return false;
    }
    return true;
}

struct PlainMatcher {
    explicit PlainMatcher(const Selector &s)
        : selector(s), known(s.compounds.size() * elements().nodes.size(), -1) {}

    bool at(std::size_t i, pugi::xml_node node) {
        const std::size_t e = elements().index.at(node.internal_object());
        signed char &answer = known[i * elements().nodes.size() + e];
        if (answer >= 0) return answer;
        bool result = plainCompound(selector.compounds[i], e);
        if (result && i > 0) {
            result = false;
            if (selector.combinators[i - 1] == '>') {
                const pugi::xml_node parent = node.parent();
                result = parent.type() == pugi::node_element && at(i - 1, parent);
            } else {
                for (pugi::xml_node up = node.parent(); up.type() == pugi::node_element && !result;
                     up = up.parent())
                    result = at(i - 1, up);
            }
        }
        answer = result;
        return result;
    }

    const Selector &selector;
    std::vector<signed char> known;
};

bool inside(const char *p, std::string_view text) {
    return p >= text.data() && p <= text.data() + text.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view selectorText = input.substr(0, newline);
    const std::string_view css =
        newline == std::string_view::npos ? std::string_view{} : input.substr(newline + 1);

    if (const auto list = parseSelectorList(selectorText)) {
        std::size_t compared = 0;
        for (const Selector &selector : *list) {
            if (selector.compounds.empty() || selector.combinators.size() + 1 != selector.compounds.size())
                fail("a selector whose compounds and combinators do not pair up");
            // The plain matcher costs the compounds times the elements times
            // the depth: it checks the first few selectors of a list.
            const bool compare = compared < 8 && selector.compounds.size() <= 200;
            compared += compare;
            if (!compare) {
                for (pugi::xml_node element : elements().nodes)
                    matches(selector, element);
                continue;
            }
            PlainMatcher plain(selector);
            for (pugi::xml_node element : elements().nodes)
                if (matches(selector, element) != plain.at(selector.compounds.size() - 1, element))
                    fail("the matcher and the plain matcher disagree");
        }
    }

    // The sheet keeps pointers into the CSS: give it bytes of their own, as
    // the reader gives it a <style> element's text that outlives the sheet.
    const std::string cssText(css);
    StyleSheet sheet;
    sheet.add(cssText);
    std::vector<const StyleSheet::Rule *> rules;
    for (pugi::xml_node element : elements().nodes) {
        sheet.matchingRules(element, rules);
        for (std::size_t i = 0; i < rules.size(); ++i) {
            const StyleSheet::Rule &rule = *rules[i];
            if (!matches(rule.selector, element)) fail("a rule found for an element does not match it");
            if (i > 0) {
                const StyleSheet::Rule &before = *rules[i - 1];
                const bool ordered = before.selector.specificity != rule.selector.specificity
                                         ? before.selector.specificity < rule.selector.specificity
                                         : before.order < rule.order;
                if (!ordered) fail("the rules of an element are not in cascade order, or one is there twice");
            }
            for (const Declaration &d : rule.declarations)
                for (const char *p : {d.name.data(), d.value.data()}) {
                    if (inside(p, cssText)) continue;
                    const auto original = sheet.original(p);
                    if (!original || !inside(*original, cssText))
                        fail("a declaration that is neither in the CSS nor in its copy");
                }
        }
    }
    // A style attribute's declarations, from the same text.
    std::size_t count = 0;
    forEachDeclaration(css, [&](const Declaration &d) {
        if (d.name.empty() || !inside(d.name.data(), css)) fail("a declaration outside its block");
        ++count;
    });
    if (parseDeclarations(css).size() != count) fail("the list and the visit of declarations differ");
    return 0;
}
