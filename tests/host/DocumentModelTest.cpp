// The document model and the one place that turns interface records into
// its values.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "AIPathStyle.h"
#include "gate/DocumentHandles.h"
#include "gate/HostError.h"
#include "model/Document.h"
#include "suites/ModelRecords.h"

using namespace vyn::host;

namespace {

TEST(Document, ArtIdsAreNeverReusedAndRemovalTakesTheWholeTree) {
    Document doc = Document::emptyA4();
    Layer &layer = doc.insertLayer(0, "Layer 1");
    const ArtId root = layer.group;
    const ArtId group = doc.addArt(root, Group{}).id;
    const ArtId path = doc.addArt(group, PathShape{}).id;
    const ArtId text = doc.addArt(root, TextFrame{}).id;
    EXPECT_EQ(doc.art(root)->group()->children, (std::vector<ArtId>{group, text}))
        << "paint order, bottom first";
    EXPECT_EQ(doc.art(path)->layer, layer.id);

    doc.removeArt(group);
    EXPECT_EQ(doc.art(group), nullptr);
    EXPECT_EQ(doc.art(path), nullptr) << "the group's contents go with it";
    EXPECT_EQ(doc.art(root)->group()->children, (std::vector<ArtId>{text}));
    const ArtId next = doc.addArt(root, PathShape{}).id;
    EXPECT_NE(next, group);
    EXPECT_NE(next, path);
    EXPECT_THROW(doc.removeArt(root), std::invalid_argument) << "a layer's own group goes with its layer";
    EXPECT_THROW(doc.addArt(text, PathShape{}), std::invalid_argument) << "only groups hold art";

    Document other = Document::emptyA4();
    EXPECT_EQ(other.art(text), nullptr) << "ids of one document mean nothing in another";
}

// A group's children against a plain vector through removals from the top,
// the bottom and the middle, removals of what is not there, additions after
// removals, and a list emptied and filled again: order, size, top and
// membership stay those of the vector.
TEST(ChildList, KeepsOrderTopAndMembershipThroughRemovals) {
    ChildList list;
    std::vector<ArtId> expected;
    std::uint64_t next = 1;
    auto add = [&](int n) {
        for (int i = 0; i < n; ++i) {
            list.push_back(ArtId{next});
            expected.push_back(ArtId{next++});
        }
    };
    auto remove = [&](std::size_t at) {
        const ArtId id = expected[at];
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
        list.erase(id);
        list.erase(id); // again: nothing happens
    };
    auto check = [&](const char *step) {
        EXPECT_EQ(list, expected) << step;
        EXPECT_EQ(list.size(), expected.size()) << step;
        EXPECT_EQ(list.empty(), expected.empty()) << step;
        EXPECT_EQ(list.top(), expected.empty() ? ArtId{} : expected.back()) << step;
        for (ArtId id : expected)
            EXPECT_TRUE(list.contains(id)) << step;
        EXPECT_FALSE(list.contains(ArtId{next})) << step;
    };
    add(10);
    check("added");
    remove(9);
    remove(0);
    remove(4);
    check("top, bottom and middle removed");
    add(3);
    check("added after removals");
    while (expected.size() > 2)
        remove(expected.size() / 2); // holes outnumber the children: closed up
    check("most removed");
    remove(1);
    remove(0);
    check("emptied");
    add(2);
    check("filled again");
    list.erase(ArtId{});
    check("no id removes nothing");
}

TEST(Document, TheFullySelectedMarkRemembersItsOrderAndLeavesTheSelection) {
    Document doc = Document::emptyA4();
    const ArtId root = doc.insertLayer(0, "L").group;
    Art &a = doc.addArt(root, PathShape{});
    Art &b = doc.addArt(root, PathShape{});
    doc.setAttributes(b, kFullySelected, kFullySelected);
    doc.setAttributes(a, kFullySelected | kLocked, kFullySelected);
    EXPECT_GT(a.fullySelectedAt, b.fullySelectedAt);
    EXPECT_EQ(a.attributes, std::uint32_t(kFullySelected)) << "the selected mark is not touched";
}

AIColor colorOf(ASInt32 kind) {
    AIColor c{};
    c.kind = kind;
    return c;
}

// Bit for bit, field by field: padding bytes and the union's unused bytes
// carry nothing.
bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool sameBits(const AIRealMatrix &a, const AIRealMatrix &b) {
    return sameBits(a.a, b.a) && sameBits(a.b, b.b) && sameBits(a.c, b.c) && sameBits(a.d, b.d) &&
           sameBits(a.tx, b.tx) && sameBits(a.ty, b.ty);
}

bool sameGradient(const AIGradientStyle &a, const AIGradientStyle &b) {
    return a.gradient == b.gradient && sameBits(a.gradientOrigin.h, b.gradientOrigin.h) &&
           sameBits(a.gradientOrigin.v, b.gradientOrigin.v) && sameBits(a.gradientAngle, b.gradientAngle) &&
           sameBits(a.gradientLength, b.gradientLength) && sameBits(a.matrix, b.matrix) &&
           sameBits(a.hiliteAngle, b.hiliteAngle) && sameBits(a.hiliteLength, b.hiliteLength);
}

bool sameProcess(const AIFourColorStyle &a, const AIFourColorStyle &b) {
    return sameBits(a.cyan, b.cyan) && sameBits(a.magenta, b.magenta) && sameBits(a.yellow, b.yellow) &&
           sameBits(a.black, b.black);
}

bool sameDash(const AIDashStyle &a, const AIDashStyle &b) {
    if (a.length != b.length || !sameBits(a.offset, b.offset)) return false;
    for (int i = 0; i < kMaxDashComponents; ++i)
        if (!sameBits(a.array[i], b.array[i])) return false;
    return true;
}

TEST(ModelRecords, StylesRoundTripBitForBit) {
    Document doc = Document::emptyA4();
    DocumentHandles handles;
    const GradientId sunset = doc.addGradient({"Sunset", GradientKind::Radial, {}});

    AIPathStyle style{};
    style.fillPaint = 0; // an unpainted fill keeps its colour
    style.fill.color = colorOf(kGradient);
    style.fill.color.c.b.gradient = handles.gradients.handleOf(sunset);
    style.fill.color.c.b.gradientOrigin = {12.5f, -3.0f};
    style.fill.color.c.b.matrix = {1, 0, 0, 1, 0, 0};
    style.fill.color.c.b.hiliteLength = std::nanf("");
    style.strokePaint = 1;
    style.stroke.color = colorOf(kFourColor);
    style.stroke.color.c.f = {0.02f, 0.66f, 0.96f, -0.0f};
    style.stroke.width = 0.1f;
    style.stroke.dash = {2, 1.5f, {3, 1, 7, 7, 7, 7}}; // unused lengths kept too
    style.evenOdd = 1;
    style.resolution = 800;

    const PathStyle model = toModel(style, handles, &doc);
    EXPECT_FALSE(model.fillPainted);
    EXPECT_EQ(std::get<GradientPaint>(model.fill.paint).gradient, sunset);
    const AIPathStyle back = toRecord(model, handles, doc);
    EXPECT_EQ(back.fillPaint, style.fillPaint);
    EXPECT_EQ(back.fill.color.kind, kGradient);
    EXPECT_TRUE(sameGradient(back.fill.color.c.b, style.fill.color.c.b));
    EXPECT_EQ(back.stroke.color.kind, kFourColor);
    EXPECT_TRUE(sameProcess(back.stroke.color.c.f, style.stroke.color.c.f)) << "-0.0 stays -0.0";
    EXPECT_TRUE(sameBits(back.stroke.width, style.stroke.width));
    EXPECT_TRUE(sameDash(back.stroke.dash, style.stroke.dash));
    EXPECT_EQ(back.evenOdd, 1);
    EXPECT_TRUE(sameBits(back.resolution, style.resolution));
}

TEST(ModelRecords, RefusesWhatNamesNothing) {
    Document doc = Document::emptyA4();
    DocumentHandles handles;
    AIColor custom = colorOf(kCustomColor);
    custom.c.c.color = reinterpret_cast<AICustomColorHandle>(0x1230);
    EXPECT_THROW(toModel(custom, handles, &doc), HostError) << "a handle the host never gave";

    Document other = Document::emptyA4();
    custom.c.c.color = handles.customColors.handleOf(other.addCustomColor({"Brand red"}));
    EXPECT_THROW(toModel(custom, handles, &doc), HostError) << "a swatch of another document";
    EXPECT_THROW(toModel(colorOf(7), handles, &doc), HostError) << "an unknown kind";
    EXPECT_NO_THROW(toModel(colorOf(kNoneColor), handles, nullptr));

    AIPathStyle style{};
    style.stroke.cap = 3;
    EXPECT_THROW(toModel(style, handles, &doc), HostError) << "an unknown line cap";
}

} // namespace
