// Pictures of dialogs: the SVG renderer as a pure function of a model and
// its recorded drawings, and SVG and PNG files written from the queue.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "DialogFixture.h"
#include "dialog/DialogRenderer.h"
#include "picture/Picture.h"
#include "support/FileText.h"
#include "support/TempFolder.h"

namespace vyn::host::testing {
namespace {

namespace fs = std::filesystem;
using vyn::test::readFile;
using vyn::test::TempFolder;

DialogModel smallDialog() {
    DialogModel model;
    model.name = "Sample";
    model.title = "Fish & Chips";
    model.bounds = {0, 0, 100, 200};
    std::size_t box = model.add(ItemKind::TextCheckBox, 16, {10, 10, 25, 90});
    model.items[box].text = "Patterns";
    model.items[box].checked = true;
    std::size_t dimmed = model.add(ItemKind::TextCheckBox, 20, {30, 10, 45, 90});
    model.items[dimmed].text = "Tints";
    model.items[dimmed].enabled = false;
    std::size_t field = model.add(ItemKind::SpinEdit, 5, {50, 10, 72, 80});
    model.items[field].unit = Unit::Millimetres;
    model.items[field].value = 12;
    std::size_t picture = model.add(ItemKind::PicturePushButton, 21, {10, 120, 60, 180});
    model.items[picture].drawProc = [](ADMItemRef, ADMDrawerRef) {};
    return model;
}

DialogDrawings pictureDrawings() {
    RecordingDrawer drawer(60, 50);
    drawer.setColour({0xFFFF, 0, 0});
    drawer.fill({0, 0, 10, 10});
    drawer.setInterfaceColour(kADMBlackColor);
    drawer.setFont(kADMBoldDialogFont);
    drawer.textCentred("P<", {0, 0, 15, 24});
    drawer.line({0, 20}, {9, 20}); // points are vertical first
    // Two drawings of one icon whose parts refer to each other by id, and
    // one icon that is not SVG at all.
    auto icon = std::make_shared<IconPicture>(
        IconPicture{"<?xml version='1.0'?><svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                    "<linearGradient id='g'/><rect fill='url(#g)' width='16' height='16'/></svg>",
                    16, 16});
    drawer.icon(icon, {2, 30});
    drawer.icon(icon, {20, 30});
    drawer.icon(std::make_shared<IconPicture>(IconPicture{"GIF89a", 8, 8}), {40, 0});
    DialogDrawings drawings;
    drawings.items[3] = drawer.take();
    return drawings;
}

TEST(DialogRenderer, DrawsEveryItemByItsKindAndThePluginsOperations) {
    const std::string svg = renderDialogSvg(smallDialog(), pictureDrawings());
    const char *expected[] = {
        "width=\"202\" height=\"124\"",                  // content plus frame and title bar
        "Fish &amp; Chips</text>",                       // the title, escaped
        "<path d=\"M2.5 ",                               // the check mark of item 16 ...
        "fill=\"#9a9a9a\" xml:space=\"preserve\">Tints", // ... and the dimmed text of 20
        ">4.23 mm</text>",                               // the field in its display unit
        "translate(120,10)",                             // the picture item at its place
        "<rect x=\"0\" y=\"0\" width=\"10\" height=\"10\" fill=\"#ff0000\"/>",
        "text-anchor=\"middle\">P&lt;</text>",
        "<line x1=\"20.5\" y1=\"0.5\" x2=\"20.5\" y2=\"9.5\"",
        "viewBox=\"0 0 16 16\" x=\"30\" y=\"2\" width=\"16\" height=\"16\"", // icons stay vector
        "<linearGradient id=\"icon0-g\"",
        "fill=\"url(#icon0-g)\"",
        "<linearGradient id=\"icon1-g\"",
        "fill=\"url(#icon1-g)\"",
        "xlink:href=\"data:image/svg+xml;base64,R0lGODlh\"",
    };
    for (const char *fragment : expected)
        EXPECT_NE(svg.find(fragment), std::string::npos) << fragment;
    EXPECT_EQ(svg.find("Patterns</text>") < svg.find("Tints</text>"), true); // creation order
    EXPECT_NO_THROW(svgToPng(svg, 1.0));
}

TEST(DialogRenderer, RefusesPictureNamesItCannotWriteAndLeavesNothingBehind) {
    TempFolder folder;
    const std::string svg = renderDialogSvg(smallDialog(), {});
    EXPECT_TRUE(writePicture(svg, folder / "dialog.jpg", kDialogPngScale));
    EXPECT_TRUE(writePicture(svg, folder / "missing" / "dialog.svg", kDialogPngScale));
    EXPECT_TRUE(writePicture("<svg", folder / "broken.png", kDialogPngScale));
    EXPECT_TRUE(fs::is_empty(folder / ""));
}

// A dialog with one check box and a picture item that paints a red square.
void drawRed(ADMItemRef, ADMDrawerRef drawer) {
    ADMRGBColor red{0xFFFF, 0, 0};
    ADMRect square{0, 0, 10, 10};
    gADM.drawer->Clear(drawer);
    gADM.drawer->SetRGBColor(drawer, &red);
    gADM.drawer->FillRect(drawer, &square);
}

ADMErr ASAPI pictureInit(ADMDialogRef d) {
    ADMRect bounds{100, 100, 200, 300};
    gADM.dialog->SetBoundsRect(d, &bounds);
    gADM.dialog->SetText(d, "Picture");
    ADMRect boxRect{10, 10, 25, 120};
    ADMItemRef box = gADM.item->Create(d, 16, kADMTextCheckBoxType, &boxRect, nullptr, nullptr, 0);
    gADM.item->SetText(box, "Patterns");
    ADMRect pictureRect{40, 100, 80, 160};
    ADMItemRef picture =
        gADM.item->Create(d, 21, kADMPicturePushButtonType, &pictureRect, nullptr, nullptr, 0);
    gADM.item->SetDrawProc(picture, drawRed);
    return kNoErr;
}

TEST_F(DialogTest, RenderActionsWriteTheDialogAsItStandsToSvgAndPng) {
    TempFolder folder;
    user().clickCheckBox(16).render(folder / "dialog.svg").render(folder / "dialog.png").close();
    run(pictureInit);
    SCOPED_TRACE(replayed());
    EXPECT_TRUE(engine().problems().empty());

    const std::string svg = readFile(folder / "dialog.svg");
    EXPECT_NE(svg.find("Picture</text>"), std::string::npos);
    EXPECT_NE(svg.find("<path d=\"M2.5 "), std::string::npos); // the ticked box

    std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> png(
        cairo_image_surface_create_from_png((folder / "dialog.png").c_str()), cairo_surface_destroy);
    ASSERT_EQ(cairo_surface_status(png.get()), CAIRO_STATUS_SUCCESS);
    // Twice the size of the content (200 x 100) with its frame and title bar.
    EXPECT_EQ(cairo_image_surface_get_width(png.get()), 2 * (200 + 2));
    EXPECT_EQ(cairo_image_surface_get_height(png.get()), 2 * (100 + kTitleBarHeight + 2));
    // The red square sits at the picture item's corner: content (1, 23),
    // item (100, 40), square 10 x 10; sample its middle at scale 2.
    cairo_surface_flush(png.get());
    const unsigned char *data = cairo_image_surface_get_data(png.get());
    const int stride = cairo_image_surface_get_stride(png.get());
    auto pixel = [&](int x, int y) { return *reinterpret_cast<const uint32_t *>(data + y * stride + x * 4); };
    EXPECT_EQ(pixel(2 * 106, 2 * 68) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(pixel(2 * 116, 2 * 68) & 0xFFFFFF, 0xFF0000u); // beside it, the cleared item
}

} // namespace
} // namespace vyn::host::testing
