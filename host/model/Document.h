// Document.h — the open document as the host models it: artboards, layers
// and their art, swatches, and the colour model.
//
// Knows nothing of suites, handles or C types; the suites convert their
// records to these values in one place (suites/ModelRecords.h). Every lookup
// by id is a hash lookup that finds nothing for an id that is gone.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/Art.h"
#include "model/Geometry.h"
#include "model/Ids.h"
#include "model/Swatches.h"

namespace vyn::host {

struct Artboard {
    std::string name;
    Rect bounds;
};

enum class ColorModel { RGB, CMYK };

struct Layer {
    LayerId id;
    std::string title; // UTF-8
    bool editable = true;
    bool visible = true;
    ArtId group; // the layer's own group, the root of its art
};

class Document {
  public:
    std::vector<Artboard> artboards;
    int activeArtboard = 0;
    ColorModel colorModel = ColorModel::CMYK;
    // The style new art receives: a white fill and a black 1 point stroke.
    PathStyle newArtStyle = defaultNewArtStyle();

    // An empty A4 portrait page (595.28 × 841.89 points) with no layer.
    static Document emptyA4();
    static PathStyle defaultNewArtStyle();

    // ---- layers, index 0 the topmost ------------------------------------
    const std::vector<Layer> &layers() const { return layers_; }
    // A new layer with its own empty group, at `index` (clamped to the end).
    Layer &insertLayer(std::size_t index, std::string title);
    // Turns the order of the layers over, at the cost of one pass: a reader
    // that meets the topmost layer last adds each layer at the end, then
    // turns them over, instead of inserting each at the top.
    void reverseLayers();
    Layer *layer(LayerId id);
    const Layer *layer(LayerId id) const;
    // The layer new art goes to: the one last made current while it exists,
    // else the topmost; null when there is no layer.
    Layer *currentLayer();
    void setCurrentLayer(LayerId id) { currentLayer_ = id; }

    // ---- art ---------------------------------------------------------------
    Art *art(ArtId id);
    const Art *art(ArtId id) const;
    // New art inside `group`, above its other children. Throws
    // std::invalid_argument when `group` is not a group of this document.
    Art &addArt(ArtId group, std::variant<Group, PathShape, TextFrame> content);
    // Removes the art and everything inside it; a layer's own group goes
    // only with its layer (std::invalid_argument).
    void removeArt(ArtId id);
    // Sets the attribute bits in `mask` to their values in `values`.
    void setAttributes(Art &art, std::uint32_t mask, std::uint32_t values);
    // Art whose paint a layer's state hides from matching (locked or hidden
    // layer) still exists; this says whether its layer is locked.
    bool inLockedLayer(const Art &art) const;
    // Of the art carrying the fully-selected mark now, the one that received
    // it most recently; null when none carries it. O(log n).
    const Art *lastFullySelected() const;
    // The art carrying the selected mark, oldest art first.
    const std::set<ArtId> &selection() const { return selected_; }
    std::size_t artCount() const { return art_.size(); }
    // Room for `count` art objects in all, so that a reader that knows
    // roughly how many it makes does not grow the table step by step.
    void reserveArt(std::size_t count);

    // ---- swatches ----------------------------------------------------------
    PatternId addPattern(Pattern pattern);
    GradientId addGradient(Gradient gradient);
    CustomColorId addCustomColor(CustomColor color);
    const Pattern *pattern(PatternId id) const;
    const Gradient *gradient(GradientId id) const;
    const CustomColor *customColor(CustomColorId id) const;
    // Every swatch of a kind, in the order it was added.
    std::vector<PatternId> patternIds() const;
    std::vector<GradientId> gradientIds() const;
    std::vector<CustomColorId> customColorIds() const;

  private:
    Art &makeArt(LayerId layer, ArtId parent, std::variant<Group, PathShape, TextFrame> &&content);
    void eraseTree(ArtId id);

    std::vector<Layer> layers_;
    std::unordered_map<LayerId, std::size_t> layerIndex_; // id -> position in layers_
    LayerId currentLayer_;
    std::unordered_map<ArtId, Art> art_;
    std::unordered_map<PatternId, Pattern> patterns_;
    std::unordered_map<GradientId, Gradient> gradients_;
    std::unordered_map<CustomColorId, CustomColor> customColors_;
    std::uint64_t markEvents_ = 0;
    std::map<std::uint64_t, ArtId> fullySelectedByEvent_; // the art carrying mark 8 now
    std::set<ArtId> selected_;
};

// The host's one open document, or none.
class DocumentModel {
  public:
    Document *current() { return current_ ? &*current_ : nullptr; }
    void open(Document document) { current_ = std::move(document); }
    void close() { current_.reset(); }

  private:
    std::optional<Document> current_;
};

} // namespace vyn::host
