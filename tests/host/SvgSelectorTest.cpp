// CSS selectors as the style sheets and --select match them: descendant and
// child combinators, where the nearest candidate ancestor is not always the
// one that matches, and no time exponential in the selector's length.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <chrono>
#include <string>

#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {
namespace {

bool selects(const std::string &svg, const std::string &selector, const char *id) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(svg.c_str()));
    const pugi::xml_node element =
        doc.find_node([&](pugi::xml_node n) { return std::string(n.attribute("id").value()) == id; });
    EXPECT_TRUE(element) << id;
    const auto list = parseSelectorList(selector);
    EXPECT_TRUE(list) << selector;
    for (const Selector &s : *list)
        if (matches(s, element)) return true;
    return false;
}

TEST(SvgSelector, CombinatorsMatchWhereverTheAncestorsAllow) {
    // The nearest .q above #t is not below a .p; the one further up is.
    const std::string deep =
        R"(<svg><g class="p"><g class="q"><g><g class="q"><rect id="t"/></g></g></g></g></svg>)";
    const std::string apart =
        R"(<svg><g class="p"><g><g class="q"><g><g class="q"><rect id="t"/></g></g></g></g></g></svg>)";
    struct Case {
        const std::string &svg;
        const char *selector;
        bool selected;
    } cases[] = {
        {deep, ".p > .q #t", true},
        {apart, ".p > .q #t", false},
        {deep, ".p .q .q rect", true},
        {deep, ".q > rect", true},
        {deep, ".p > rect", false},
        {deep, "svg g rect", true},
        {deep, ".p > .q > g > .q > #t", true},
        {deep, ".q .p rect", false},
        {apart, ".p g .q > rect", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(selects(c.svg, c.selector, "t"), c.selected) << c.selector;
}

// 40 nested groups and a selector of many descendant steps that fails only
// at its leftmost: a backtracking matcher tries every way of placing the
// steps on the ancestors.
TEST(SvgSelector, ALongSelectorOverDeepGroupsTakesLinearTime) {
    std::string svg = "<svg>";
    for (int k = 0; k < 40; ++k)
        svg += "<g>";
    svg += R"(<rect id="t"/>)";
    for (int k = 0; k < 40; ++k)
        svg += "</g>";
    svg += "</svg>";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(selects(svg, ".no g g g g g g g g g g g g rect", "t"));
    EXPECT_TRUE(selects(svg, "svg g g g g g g g g g g g g rect", "t"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

} // namespace
} // namespace vyn::host::svg
