// AI Layer through the table the registry hands out: the chart layer found
// by its title or made above all others, the current layer, and what makes a
// layer editable.
#include <gtest/gtest.h>

#include "AILayer.h"
#include "gate/DocumentHandles.h"
#include "Host.h"
#include "text/UnicodeStrings.h"
#include "model/Document.h"
#include "support/SuiteLease.h"

namespace vyn::host {
namespace {

using vyn::test::SuiteLease;

class LayerSuite : public ::testing::Test {
  protected:
    LayerSuite() { host.documents().open(Document::emptyA4()); }
    Document &doc() { return *host.documents().current(); }
    AILayerHandle handle(const Layer &layer) { return host.documentHandles().layers.handleOf(layer.id); }
    AILayerHandle nth(ASInt32 n) {
        AILayerHandle layer = nullptr;
        EXPECT_EQ(suite->GetNthLayer(n, &layer), kNoErr);
        return layer;
    }
    std::u16string title(AILayerHandle layer) {
        AIUnicodeStringRef text = nullptr;
        EXPECT_EQ(suite->GetLayerTitle(layer, &text), kNoErr);
        std::u16string out = host.strings().text(text);
        host.strings().dispose(text);
        return out;
    }

    Host host;
    SuiteLease<const AILayerSuite> suite{host.registry(), kAILayerSuite, kAILayerSuiteVersion};
};

TEST_F(LayerSuite, ANewLayerGoesAboveAllBecomesCurrentAndTakesItsTitle) {
    ASInt32 count = -1;
    AILayerHandle current = reinterpret_cast<AILayerHandle>(std::uintptr_t{0x10});
    ASSERT_EQ(suite->CountLayers(&count), kNoErr);
    EXPECT_EQ(count, 0);
    ASSERT_EQ(suite->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, nullptr) << "a document without layers has no current layer";

    doc().insertLayer(0, "Artwork");
    doc().insertLayer(1, "Background");
    ASSERT_EQ(suite->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, nth(0)) << "without a choice, the topmost layer is current";

    AILayerHandle made = nullptr;
    ASSERT_EQ(suite->InsertLayer(current, kPlaceAboveAll, &made), kNoErr);
    ASSERT_EQ(suite->CountLayers(&count), kNoErr);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(nth(0), made);
    EXPECT_EQ(title(made), u"Layer 3");
    ASSERT_EQ(suite->GetCurrentLayer(&current), kNoErr);
    EXPECT_EQ(current, made);

    AIUnicodeStringRef name = host.strings().make(u"Vyn\u2022Colors");
    ASSERT_EQ(suite->SetLayerTitle(made, name), kNoErr);
    EXPECT_EQ(doc().layers()[0].title, "Vyn\u2022Colors");
    EXPECT_EQ(title(nth(0)), u"Vyn\u2022Colors");
    ASSERT_EQ(suite->GetLayerTitle(nth(1), &name), kNoErr);
    EXPECT_EQ(host.strings().text(name), u"Artwork") << "a string passed in is overwritten in place";
    ASSERT_EQ(suite->SetLayerTitle(nth(2), nullptr), kNoErr);
    EXPECT_EQ(doc().layers()[2].title, "") << "a null title is the empty one";

    ASSERT_EQ(suite->InsertLayer(nullptr, kPlaceAboveAll, &made), kNoErr) << "no reference is needed";
    EXPECT_EQ(nth(0), made);
    host.strings().dispose(name);
    EXPECT_EQ(host.strings().live(), 0u);
    EXPECT_TRUE(host.misbehaviour().empty());
}

TEST_F(LayerSuite, ALayerIsEditableWhenNeitherLockedNorHidden) {
    const struct {
        bool unlocked, visible;
        ASBoolean editable;
    } cases[] = {{true, true, 1}, {false, true, 0}, {true, false, 0}, {false, false, 0}};
    for (const auto &c : cases) {
        Layer &layer = doc().insertLayer(0, "L");
        layer.editable = c.unlocked;
        layer.visible = c.visible;
        ASBoolean editable = 9;
        ASSERT_EQ(suite->GetLayerEditable(handle(layer), &editable), kNoErr);
        EXPECT_EQ(editable, c.editable) << "unlocked " << c.unlocked << ", visible " << c.visible;
    }
}

TEST_F(LayerSuite, StaleLayersIndicesAndOrdersAreRefused) {
    const AILayerHandle layer = handle(doc().insertLayer(0, "L"));
    AIUnicodeStringRef title = host.strings().make(u"kept");
    AIUnicodeStringRef staleString = host.strings().make(u"");
    host.strings().dispose(staleString);

    AILayerHandle out = layer;
    for (ASInt32 n : {-1, 1}) {
        EXPECT_EQ(suite->GetNthLayer(n, &out), kBadParameterErr) << n;
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(suite->InsertLayer(layer, kPlaceInsideOnTop, &out), kBadParameterErr);
    EXPECT_EQ(suite->GetLayerTitle(layer, &staleString), kBadParameterErr);
    EXPECT_EQ(suite->SetLayerTitle(layer, staleString), kBadParameterErr);

    host.documents().open(Document::emptyA4());
    ASBoolean editable = 1;
    EXPECT_EQ(suite->GetLayerEditable(layer, &editable), kBadParameterErr) << "a layer of another document";
    EXPECT_EQ(editable, 0);
    EXPECT_EQ(suite->GetLayerTitle(layer, &title), kBadParameterErr);
    EXPECT_EQ(host.strings().text(title), u"kept");
    EXPECT_EQ(suite->InsertLayer(layer, kPlaceAboveAll, &out), kBadParameterErr);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(host.misbehaviour().size(), 8u);

    host.documents().close();
    ASInt32 count = 5;
    EXPECT_EQ(suite->CountLayers(&count), kBadContextErr);
    EXPECT_EQ(count, 0);
    host.strings().dispose(title);
}

} // namespace
} // namespace vyn::host
