#include "render/DocumentPicture.h"

#include <algorithm>

#include "picture/Picture.h"
#include "render/ArtElement.h"
#include "render/PaintServers.h"
#include "render/SvgMarkup.h"

namespace vyn::host {
namespace {

// Every artboard: the artwork's and the chart's when the chart has a page of
// its own.
Rect pictureBounds(const Document &document) {
    const auto &boards = document.artboards;
    if (boards.empty()) return Document::emptyA4().artboards.front().bounds;
    Rect all = boards.front().bounds;
    for (const Artboard &board : boards)
        all = united(all, board.bounds);
    return all;
}

} // namespace

std::string documentSvg(const Document &document) {
    const Rect page = pictureBounds(document);
    // A renderer refuses an image without area.
    const double width = std::max(1.0, double(page.right) - page.left);
    const double height = std::max(1.0, double(page.top) - page.bottom);

    PaintServers paints(document, "");
    SvgArtWriting writing{.paints = paints};
    std::string layers;
    // Layer 0 is the topmost: it is drawn last.
    for (auto layer = document.layers().rbegin(); layer != document.layers().rend(); ++layer) {
        std::string art;
        writeLayerArt(document, *layer, art, writing.indentUnit, writing);
        if (art.empty()) continue;
        layers += "<g" + layerAttributes(document, *layer, writing) + ">\n" + art + "</g>\n";
    }

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"" +
                      std::string(kSvgNamespace) + "\" xmlns:inkscape=\"" + kInkscapeNamespace +
                      "\" width=\"" + svgNumber(width) + "\" height=\"" + svgNumber(height) +
                      "\" viewBox=\"" + svgNumber(page.left) + " " + svgNumber(-double(page.top)) + " " +
                      svgNumber(width) + " " + svgNumber(height) + "\">\n";
    if (!paints.empty()) {
        svg += "<defs>\n";
        paints.writeDefinitions(svg, writing.indentUnit, writing.indentUnit, "\n");
        svg += "</defs>\n";
    }
    // The paper, one sheet per artboard.
    const std::vector<Artboard> sheets =
        document.artboards.empty() ? Document::emptyA4().artboards : document.artboards;
    for (const Artboard &sheet : sheets) {
        const Rect &b = sheet.bounds;
        svg += "<rect x=\"" + svgNumber(b.left) + "\" y=\"" + svgNumber(-double(b.top)) + "\" width=\"" +
               svgNumber(std::max(0.0, double(b.right) - b.left)) + "\" height=\"" +
               svgNumber(std::max(0.0, double(b.top) - b.bottom)) + "\" fill=\"#ffffff\"/>\n";
    }
    return svg + layers + "</svg>\n";
}

std::optional<FileWriteError> writeDocumentPicture(const Document &document, const std::filesystem::path &file,
                                                   double pixelsPerPoint) {
    return writePicture(documentSvg(document), file, pixelsPerPoint);
}

} // namespace vyn::host
