// The settings dialog as a person sees it: a dialog with the settings
// dialog's items (ModelSettingsDialog.h), changed by the user, drawn.
// Set VYN_PICTURES to a folder to keep the pictures for a look.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "ModelSettingsDialog.h"
#include "dialog/DialogRenderer.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::host::testing {
namespace {

class SettingsDialogPicture : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        model::gSettings = {};
    }

    // The dialog's SVG after `actions`, kept as NAME.svg and NAME.png when
    // VYN_PICTURES names a folder.
    std::string draw(const std::string &name) {
        std::string svg;
        user().inspect("picture", [&](const DialogSnapshot &s) { svg = s.svg(); });
        if (const char *keep = std::getenv("VYN_PICTURES")) {
            user().render(std::filesystem::path(keep) / (name + ".svg"));
            user().render(std::filesystem::path(keep) / (name + ".png"));
        }
        user().pressCancel();
        run(model::settingsDialogInit);
        return svg;
    }

    // The group of the item with `id` (the first such), up to its end.
    static std::string itemGroup(const std::string &svg, std::size_t index) {
        const std::string start = "<g id=\"item-" + std::to_string(index) + "\"";
        const std::size_t at = svg.find(start);
        if (at == std::string::npos) return "";
        return svg.substr(at, svg.find("<g id=\"item-", at + start.size()) - at);
    }
};

TEST_F(SettingsDialogPicture, ShowsTheOpeningStateOfEveryItem) {
    const std::string svg = draw("settings-opening");
    SCOPED_TRACE(replayed());
    for (const char *fragment : {
             "Vyn\u2022Colors (Settings)</text>", // the title
             ">DejaVu Sans</text>",               // the chosen font in its field
             ">12 pt</text>", ">30 mm</text>", ">2 pt</text>", ">15 mm</text>", ">Patterns</text>",
             ">Tints</text>", ">Selection</text>", // check boxes with their texts
             "<title>Choice of font.</title>", "<title>All colors of the document.</title>",
             ">C:2 M:66 Y:96 K:0</text>", // the preview drawn by its procedure
             "text-anchor=\"middle\">Cancel</text>", "text-anchor=\"middle\">OK</text>", // centred
         })
        EXPECT_NE(svg.find(fragment), std::string::npos) << fragment;
    // Items 16 to 20 are ticked, "Selection" (the first check box) is not.
    const DialogModel &m = engine().lastFinished()->model;
    for (std::size_t i = 0; i < m.items.size(); ++i) {
        if (m.items[i].kind != ItemKind::TextCheckBox) continue;
        EXPECT_EQ(itemGroup(svg, i).find("<path d=\"M") != std::string::npos, m.items[i].id != 15)
            << "check mark of item " << m.items[i].id;
    }
}

TEST_F(SettingsDialogPicture, ShowsWhatTheUserChanged) {
    user()
        .type(2, "DejaVu Serif")
        .type(4, "20")
        .type(5, "5")   // held at the new minimum, 20 pt
        .type(7, "100") // the preview shows a gap of 8 at most
        .setCheckBox(18, false)
        .setCheckBox(16, false)
        .clickIcon(8); // the focus goes to the gap field
    const std::string svg = draw("settings-changed");
    SCOPED_TRACE(replayed());
    const DialogModel &m = engine().lastFinished()->model;
    const std::size_t tints = *m.find(20), gap = *m.find(7), custom = *m.find(18), preview = *m.find(21);
    EXPECT_NE(svg.find(">DejaVu Serif</text>"), std::string::npos);
    EXPECT_NE(svg.find(">20 pt</text>"), std::string::npos);
    const std::string length = itemGroup(svg, *m.find(5));
    EXPECT_LT(length.find(" scale(0."), length.find(">7.06 mm</text>"))
        << "narrowed to fit beside the arrows";
    EXPECT_NE(itemGroup(svg, tints).find("fill=\"#9a9a9a\" xml:space=\"preserve\">Tints"), std::string::npos)
        << "Tints is dimmed";
    EXPECT_NE(itemGroup(svg, gap).find("stroke=\"#3875d7\" stroke-width=\"2\""), std::string::npos)
        << "the gap field has the focus";
    EXPECT_NE(itemGroup(svg, custom).find("<title>Custom colors used will not be sought</title>"),
              std::string::npos);
    const std::string drawn = itemGroup(svg, preview);
    EXPECT_GT(drawn.find("<rect x=\"0\" y=\"0\" width=\"130\" height=\"15\" fill=\"#ececec\"/>"),
              drawn.find(">Pattern</text>"))
        << "the pattern row is erased";
    EXPECT_NE(drawn.find("<text x=\"32\" y=\"35\""), std::string::npos) << "row 1 after a gap of 8";
}

} // namespace
} // namespace vyn::host::testing
