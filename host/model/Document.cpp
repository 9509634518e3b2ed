#include "model/Document.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace vyn::host {

std::uint64_t nextModelId() {
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

std::u16string TextStory::text() const {
    std::u16string all;
    for (const auto &run : runs)
        all += run.text;
    return all;
}

Paint TextStory::paint() const {
    if (!runs.empty() && runs.front().features.fill) return *runs.front().features.fill;
    return GrayPaint{0};
}

PathStyle Document::defaultNewArtStyle() {
    PathStyle style;
    style.fillPainted = true;
    style.fill.paint = GrayPaint{1};
    style.strokePainted = true;
    style.stroke.paint = GrayPaint{0};
    return style;
}

Document Document::emptyA4() {
    Document d;
    d.artboards.push_back({"Artboard 1", Rect{0.0f, 841.89f, 595.28f, 0.0f}});
    return d;
}

// ---- layers ------------------------------------------------------------------

Layer &Document::insertLayer(std::size_t index, std::string title) {
    Layer layer{newId<LayerTag>(), std::move(title), true, true, ArtId{}};
    layer.group = makeArt(layer.id, ArtId{}, Group{}).id;
    index = std::min(index, layers_.size());
    layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(index), std::move(layer));
    for (std::size_t i = index; i < layers_.size(); ++i)
        layerIndex_[layers_[i].id] = i;
    return layers_[index];
}

void Document::reverseLayers() {
    std::reverse(layers_.begin(), layers_.end());
    for (std::size_t i = 0; i < layers_.size(); ++i)
        layerIndex_[layers_[i].id] = i;
}

Layer *Document::layer(LayerId id) {
    auto it = layerIndex_.find(id);
    return it == layerIndex_.end() ? nullptr : &layers_[it->second];
}

Layer *Document::currentLayer() {
    if (Layer *current = layer(currentLayer_)) return current;
    return layers_.empty() ? nullptr : &layers_.front();
}

const Layer *Document::layer(LayerId id) const { return const_cast<Document *>(this)->layer(id); }

// ---- art -----------------------------------------------------------------------

void ChildList::push_back(ArtId id) {
    slots_.push_back(id);
    ++live_;
    if (indexed_) position_.emplace(id, slots_.size() - 1);
}

const std::unordered_map<ArtId, std::size_t> &ChildList::indexed() const {
    if (!indexed_) {
        position_.reserve(live_);
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i]) position_.emplace(slots_[i], i);
        indexed_ = true;
    }
    return position_;
}

void ChildList::erase(ArtId id) {
    indexed();
    auto it = position_.find(id);
    if (it == position_.end()) return;
    slots_[it->second] = ArtId{};
    position_.erase(it);
    --live_;
    while (!slots_.empty() && !slots_.back())
        slots_.pop_back();
    if (slots_.size() - live_ > live_) closeUpHoles();
}

void ChildList::closeUpHoles() {
    std::erase(slots_, ArtId{});
    for (std::size_t i = 0; i < slots_.size(); ++i)
        position_[slots_[i]] = i;
}

Art *Document::art(ArtId id) {
    auto it = art_.find(id);
    return it == art_.end() ? nullptr : &it->second;
}

const Art *Document::art(ArtId id) const { return const_cast<Document *>(this)->art(id); }

void Document::reserveArt(std::size_t count) { art_.reserve(count); }

Art &Document::makeArt(LayerId layer, ArtId parent, std::variant<Group, PathShape, TextFrame> &&content) {
    // Made in its place in the table: an Art is big, and moving it costs.
    const ArtId id = newId<ArtTag>();
    Art &art = art_.try_emplace(id).first->second;
    art.id = id;
    art.layer = layer;
    art.parent = parent;
    art.content = std::move(content);
    return art;
}

Art &Document::addArt(ArtId group, std::variant<Group, PathShape, TextFrame> content) {
    Art *parent = art(group);
    if (!parent || !parent->group()) throw std::invalid_argument("new art must go inside a group");
    const LayerId layer = parent->layer;
    Art &child = makeArt(layer, group, std::move(content));
    art(group)->group()->children.push_back(child.id); // the emplace may have moved the parent
    return child;
}

void Document::removeArt(ArtId id) {
    Art *a = art(id);
    if (!a) return;
    if (!a->parent) throw std::invalid_argument("a layer's own group goes only with its layer");
    art(a->parent)->group()->children.erase(id);
    eraseTree(id);
}

void Document::eraseTree(ArtId id) {
    Art *a = art(id);
    if (!a) return;
    if (a->group())
        for (ArtId child : a->group()->children)
            eraseTree(child);
    if (a->attributes & kFullySelected) fullySelectedByEvent_.erase(a->fullySelectedAt);
    selected_.erase(id);
    art_.erase(id);
}

void Document::setAttributes(Art &art, std::uint32_t mask, std::uint32_t values) {
    if (mask & kFullySelected) {
        if (art.attributes & kFullySelected) fullySelectedByEvent_.erase(art.fullySelectedAt);
        if (values & kFullySelected) {
            art.fullySelectedAt = ++markEvents_;
            fullySelectedByEvent_.emplace(art.fullySelectedAt, art.id);
        }
    }
    if (mask & kSelected) {
        if (values & kSelected)
            selected_.insert(art.id);
        else
            selected_.erase(art.id);
    }
    art.attributes = (art.attributes & ~mask) | (values & mask);
}

const Art *Document::lastFullySelected() const {
    return fullySelectedByEvent_.empty() ? nullptr : art(fullySelectedByEvent_.rbegin()->second);
}

bool Document::inLockedLayer(const Art &art) const {
    const Layer *l = layer(art.layer);
    return l && !l->editable;
}

// ---- swatches ------------------------------------------------------------------

namespace {
template <class Id, class T> const T *findIn(const std::unordered_map<Id, T> &map, Id id) {
    auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}

// Ids grow with every new object, so their order is the order of addition.
template <class Id, class T> std::vector<Id> idsIn(const std::unordered_map<Id, T> &map) {
    std::vector<Id> ids;
    for (const auto &entry : map)
        ids.push_back(entry.first);
    std::sort(ids.begin(), ids.end());
    return ids;
}
} // namespace

PatternId Document::addPattern(Pattern pattern) {
    PatternId id = newId<PatternTag>();
    patterns_.emplace(id, std::move(pattern));
    return id;
}

GradientId Document::addGradient(Gradient gradient) {
    GradientId id = newId<GradientTag>();
    gradients_.emplace(id, std::move(gradient));
    return id;
}

CustomColorId Document::addCustomColor(CustomColor color) {
    CustomColorId id = newId<CustomColorTag>();
    customColors_.emplace(id, std::move(color));
    return id;
}

const Pattern *Document::pattern(PatternId id) const { return findIn(patterns_, id); }
const Gradient *Document::gradient(GradientId id) const { return findIn(gradients_, id); }
const CustomColor *Document::customColor(CustomColorId id) const { return findIn(customColors_, id); }
std::vector<PatternId> Document::patternIds() const { return idsIn(patterns_); }
std::vector<GradientId> Document::gradientIds() const { return idsIn(gradients_); }
std::vector<CustomColorId> Document::customColorIds() const { return idsIn(customColors_); }

} // namespace vyn::host
