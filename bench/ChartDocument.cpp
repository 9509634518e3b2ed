#include "ChartDocument.h"

#include <string>
#include <vector>

#include "PaintMix.h"
#include "SeededRandom.h"

namespace vyn::bench {
namespace {

using namespace vyn::host;

// The swatches the paints refer to, made as the palette needs them.
class Swatches {
  public:
    explicit Swatches(Document &document) : document_(document) {}

    CustomColorId customColor(std::uint32_t number) {
        while (customColors_.size() <= number) {
            const std::size_t n = customColors_.size();
            CustomColor color;
            color.name = "Spot " + std::to_string(n);
            color.kind = n % 3 == 2 ? CustomColorKind::Process : CustomColorKind::Spot;
            color.color = ProcessPaint{0.1f, static_cast<float>(n % 100) / 100.0f, 0.5f, 0};
            customColors_.push_back(document_.addCustomColor(std::move(color)));
        }
        return customColors_[number];
    }
    GradientId gradient(std::uint32_t rank) {
        while (gradients_.size() <= rank) {
            const std::size_t n = gradients_.size();
            Gradient g{"Ramp " + std::to_string(n), n % 2 ? GradientKind::Radial : GradientKind::Linear, {}};
            g.stops = {{0, 0.5f, GrayPaint{0}},
                       {1, 0.5f, ProcessPaint{0, 0, 0, static_cast<float>(n % 10) / 10}}};
            gradients_.push_back(document_.addGradient(std::move(g)));
        }
        return gradients_[rank];
    }
    PatternId pattern(std::uint32_t rank) {
        while (patterns_.size() <= rank)
            patterns_.push_back(document_.addPattern({"Tile " + std::to_string(patterns_.size())}));
        return patterns_[rank];
    }

  private:
    Document &document_;
    std::vector<CustomColorId> customColors_;
    std::vector<GradientId> gradients_;
    std::vector<PatternId> patterns_;
};

Paint paintOf(std::uint32_t i, Swatches &swatches) {
    const PaintSlot slot = paintSlot(i);
    switch (slot.kind) {
    case PaintKind::Process: {
        float c[4];
        processComponents(slot.rank, c);
        return ProcessPaint{c[0], c[1], c[2], c[3]};
    }
    case PaintKind::Rgb: {
        unsigned b[3];
        rgbBytes(slot.rank, b);
        return RgbPaint{b[0] / 255.0f, b[1] / 255.0f, b[2] / 255.0f};
    }
    case PaintKind::Gray: return GrayPaint{static_cast<float>(slot.rank % 65536) / 65535.0f};
    case PaintKind::Custom: {
        const float tint = static_cast<float>(slot.rank % kTintsPerCustomColor) * 0.2f;
        return Paint(std::in_place_type<CustomPaint>, swatches.customColor(slot.rank / kTintsPerCustomColor),
                     tint);
    }
    case PaintKind::Gradient: {
        GradientPaint g;
        g.gradient = swatches.gradient(slot.rank);
        g.angle = static_cast<float>(slot.rank % 360);
        g.length = 100;
        return g;
    }
    case PaintKind::Pattern: {
        PatternPaint p;
        p.pattern = swatches.pattern(slot.rank);
        return p;
    }
    }
    return NoPaint{};
}

PathShape square(SeededRandom &random) {
    const float x = random.unit() * 550, y = 50 + random.unit() * 750, side = 2 + random.unit() * 20;
    PathShape shape;
    shape.closed = true;
    for (Point p : {Point{x, y}, Point{x + side, y}, Point{x + side, y - side}, Point{x, y - side}})
        shape.segments.push_back({p, p, p, true});
    return shape;
}

class Generator {
  public:
    Generator(const DrawingSize &size, Document &document)
        : size_(size), document_(document), swatches_(document), random_(size.seed) {
        palette_.reserve(size.paints);
        for (std::size_t i = 0; i < size.paints; ++i)
            palette_.push_back(paintOf(static_cast<std::uint32_t>(i), swatches_));
        for (int i = 0; i < 4; ++i)
            layers_.push_back(document_.insertLayer(99, "Layer " + std::to_string(i + 1)).id);
    }

    void run() {
        ArtId group;
        for (std::size_t k = 0; k < size_.shapes; ++k) {
            if (k % 25 == 0) group = newGroup(group);
            Art &art =
                random_.percent(6) ? document_.addArt(group, textFrame(k)) : document_.addArt(group, path(k));
            if (random_.percent(2)) document_.setAttributes(art, kHidden, kHidden);
            if (random_.percent(2)) document_.setAttributes(art, kLocked, kLocked);
        }
        // Locked last: art cannot be added to a locked layer's groups later.
        document_.layer(layers_[2])->editable = false;
    }

  private:
    // A new group for the next art: one time in four inside the current one,
    // else at the top of a layer (the locked one one time in twenty).
    ArtId newGroup(ArtId current) {
        ArtId parent;
        if (current && random_.percent(25))
            parent = current;
        else
            parent = document_.layer(layers_[random_.percent(5) ? 2 : random_.below(2) * 3])->group;
        return document_.addArt(parent, Group{}).id;
    }

    const Paint &anyPaint() { return palette_[random_.below(palette_.size())]; }
    const Paint &fillPaint(std::size_t k) { return k < palette_.size() ? palette_[k] : anyPaint(); }

    PathShape path(std::size_t k) {
        PathShape shape = square(random_);
        PathStyle &style = shape.style;
        style.fillPainted = !random_.percent(10);
        style.fill.paint = fillPaint(k); // an unpainted fill keeps it as a leftover
        style.fill.overprint = random_.percent(3);
        style.evenOdd = random_.percent(3);
        style.strokePainted = random_.percent(60);
        style.stroke.paint = anyPaint();
        style.stroke.width = 0.5f + static_cast<float>(random_.below(4));
        return shape;
    }

    TextFrame textFrame(std::size_t k) {
        TextFrame frame;
        frame.anchor = {random_.unit() * 500, 50 + random_.unit() * 700};
        TextRun run;
        run.text = u"Label " + std::u16string(1, static_cast<char16_t>(u'A' + k % 26));
        const Paint &paint = fillPaint(k);
        // Text takes solid colours only: a swatch paint goes to a path.
        const bool solid =
            !std::holds_alternative<GradientPaint>(paint) && !std::holds_alternative<PatternPaint>(paint);
        run.features.fill = solid ? paint : Paint{GrayPaint{0}};
        frame.story.runs.push_back(std::move(run));
        return frame;
    }

    const DrawingSize &size_;
    Document &document_;
    Swatches swatches_;
    SeededRandom random_;
    std::vector<Paint> palette_;
    std::vector<LayerId> layers_;
};

} // namespace

host::Document makeChartDocument(const DrawingSize &size) {
    Document document = Document::emptyA4();
    Generator(size, document).run();
    return document;
}

} // namespace vyn::bench
