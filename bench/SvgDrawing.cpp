#include "SvgDrawing.h"

#include <cstdio>
#include <string>

#include "PaintMix.h"
#include "SeededRandom.h"

namespace vyn::bench {
namespace {

// url(#g12): a reference to gradient ('g') or pattern ('p') number `rank`.
std::string serverReference(char kind, std::uint32_t rank) {
    std::string text = "url(#";
    text += kind;
    text += std::to_string(rank);
    return text += ')';
}

void append(std::string &out, const char *format, auto... values) {
    char buffer[256];
    const int n = std::snprintf(buffer, sizeof buffer, format, values...);
    out.append(buffer, static_cast<std::size_t>(n));
}

std::string hex(const unsigned b[3]) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", b[0], b[1], b[2]);
    return text;
}

// How a paint is written on an element: a property value, or a class.
struct SvgPaint {
    std::string value;     // for an attribute or a declaration; empty with a class
    std::string className; // a class of the sheet that sets the fill
    bool inStyle = false;  // written in `style` rather than as an attribute
};

// RGB paints alternate between attributes and `style`; gray paints become
// classes (colours of their own byte range, so that every paint stays
// distinct); process and custom colours are device-cmyk() with different
// blacks.
SvgPaint svgPaint(std::uint32_t i) {
    const PaintSlot slot = paintSlot(i);
    char text[96];
    switch (slot.kind) {
    case PaintKind::Process: {
        float c[4];
        processComponents(slot.rank, c);
        std::snprintf(text, sizeof text, "device-cmyk(%g %g %g %g)", c[0], c[1], c[2], c[3]);
        return {text, "", slot.rank % 2 == 1};
    }
    case PaintKind::Rgb: {
        unsigned b[3];
        rgbBytes(slot.rank, b);
        if (slot.rank % 2 == 0) return {hex(b), "", false};
        std::snprintf(text, sizeof text, "rgb(%u,%u,%u)", b[0], b[1], b[2]);
        return {text, "", true};
    }
    case PaintKind::Gray: return {"", std::string(1, 'k') += std::to_string(slot.rank), false};
    case PaintKind::Custom: {
        const float tint = static_cast<float>(slot.rank % kTintsPerCustomColor) * 0.2f;
        const std::uint32_t color = slot.rank / kTintsPerCustomColor;
        std::snprintf(text, sizeof text, "device-cmyk(%g %g 0.5 %g)", static_cast<float>(color % 100) / 100,
                      static_cast<float>(color / 100 % 100) / 100, 0.5f + tint / 2);
        return {text, "", false};
    }
    case PaintKind::Gradient: return {serverReference('g', slot.rank), "", false};
    case PaintKind::Pattern: return {serverReference('p', slot.rank), "", false};
    }
    return {"none", "", false};
}

class Writer {
  public:
    Writer(const DrawingSize &size, std::string &out) : size_(size), out_(out), random_(size.seed) {}

    void run() {
        out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"\n"
                "     xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"\n"
                "     xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\"\n"
                "     width=\"210mm\" height=\"297mm\" viewBox=\"0 0 595.28 841.89\">\n";
        sheetAndDefinitions();
        const char *layers[4] = {"<g inkscape:groupmode=\"layer\" inkscape:label=\"Layer 1\" id=\"layer1\">",
                                 "<g inkscape:groupmode=\"layer\" inkscape:label=\"Layer 2\" id=\"layer2\">",
                                 "<g inkscape:groupmode=\"layer\" inkscape:label=\"Locked\" id=\"layer3\" "
                                 "sodipodi:insensitive=\"true\">",
                                 "<g id=\"plain\">"};
        // Shapes are dealt to the layers in runs of groups, so each layer is
        // written once, in order.
        const std::size_t perLayer = (size_.shapes + 3) / 4;
        for (std::size_t layer = 0, k = 0; layer < 4; ++layer) {
            out_ += layers[layer];
            out_ += '\n';
            const std::size_t end = std::min(size_.shapes, k + perLayer);
            while (k < end)
                k = group(k, end, 1);
            out_ += "</g>\n";
        }
        out_ += "</svg>\n";
    }

  private:
    void sheetAndDefinitions() {
        out_ += "<style>\n";
        for (std::uint32_t i = 0; i < size_.paints; ++i) {
            const PaintSlot slot = paintSlot(i);
            if (slot.kind != PaintKind::Gray) continue;
            unsigned b[3];
            rgbBytes(slot.rank | 0x800000u, b);
            append(out_, ".k%u { fill: %s }\n", slot.rank, hex(b).c_str());
        }
        out_ += "</style>\n<defs>\n";
        for (std::uint32_t i = 0; i < size_.paints; ++i) {
            const PaintSlot slot = paintSlot(i);
            if (slot.kind == PaintKind::Gradient) gradient(slot.rank);
            if (slot.kind == PaintKind::Pattern)
                append(out_,
                       "<pattern id=\"p%u\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
                       "<rect width=\"4\" height=\"4\" fill=\"#%06x\"/></pattern>\n",
                       slot.rank, slot.rank * 0x0F0F0Fu & 0xFFFFFFu);
        }
        out_ += "</defs>\n";
    }

    // Every fourth gradient takes its stops from the one before it (href).
    void gradient(std::uint32_t rank) {
        const bool radial = rank % 2 == 1;
        const char *element = radial ? "radialGradient" : "linearGradient";
        if (rank % 4 == 3) {
            append(out_, "<%s id=\"g%u\" xlink:href=\"#g%u\" gradientTransform=\"rotate(%u)\"/>\n", element,
                   rank, rank - 1, rank % 360);
            return;
        }
        append(out_, "<%s id=\"g%u\"><stop offset=\"0\" stop-color=\"#000000\"/>", element, rank);
        append(out_, "<stop offset=\"1\" stop-color=\"#%06x\"/></%s>\n", (rank * 2654435761u) & 0xFFFFFFu,
               element);
    }

    // A group holding shapes from k, and one time in four a nested group;
    // returns where the next group starts.
    std::size_t group(std::size_t k, std::size_t end, int depth) {
        out_ += random_.percent(2) ? "<g style=\"display:none\">\n" : "<g>\n";
        const std::size_t stop = std::min(end, k + 25);
        while (k < stop) {
            if (depth < 4 && random_.percent(1)) {
                k = group(k, stop, depth + 1);
                continue;
            }
            shape(k++);
        }
        out_ += "</g>\n";
        return k;
    }

    std::uint32_t fillIndex(std::size_t k) {
        return static_cast<std::uint32_t>(k < size_.paints ? k : random_.below(size_.paints));
    }

    void shape(std::size_t k) {
        const bool text = random_.percent(6);
        const bool fillNone = random_.percent(10);
        const bool stroked = random_.percent(60);
        const SvgPaint fill = svgPaint(fillIndex(k));
        const SvgPaint stroke = svgPaint(static_cast<std::uint32_t>(random_.below(size_.paints)));
        const float x = random_.unit() * 550, y = 20 + random_.unit() * 800;
        if (text)
            append(out_, "<text x=\"%.2f\" y=\"%.2f\" font-size=\"9\"", x, y);
        else
            pathStart(x, y);
        std::string style;
        if (fillNone) {
            out_ += " fill=\"none\"";
        } else if (!fill.className.empty()) {
            out_ += " class=\"" + fill.className + "\"";
        } else if (fill.inStyle) {
            style += "fill:" + fill.value + ";";
        } else {
            out_ += " fill=\"" + fill.value + "\"";
        }
        if (stroked && stroke.className.empty()) {
            if (stroke.inStyle)
                style += "stroke:" + stroke.value + ";stroke-width:1.5;";
            else
                out_ += " stroke=\"" + stroke.value + "\" stroke-width=\"1.5\"";
        }
        if (!style.empty()) out_ += " style=\"" + style + "\"";
        if (random_.percent(2)) out_ += " sodipodi:insensitive=\"true\"";
        if (random_.percent(2)) out_ += " visibility=\"hidden\"";
        if (text)
            append(out_, ">Label %zu</text>\n", k);
        else
            out_ += "/>\n";
    }

    void pathStart(float x, float y) {
        append(out_, "<path d=\"M%.2f %.2f", x, y);
        for (int i = 0; i < 9; ++i)
            append(out_, " l%.2f %.2f", random_.unit() * 8 - 4, random_.unit() * 8 - 4);
        out_ += "z\"";
    }

    const DrawingSize &size_;
    std::string &out_;
    SeededRandom random_;
};

} // namespace

std::string makeSvgDrawing(const DrawingSize &size) {
    std::string out;
    out.reserve(size.shapes * 240 + size.paints * 60 + 1024);
    Writer(size, out).run();
    return out;
}

} // namespace vyn::bench
