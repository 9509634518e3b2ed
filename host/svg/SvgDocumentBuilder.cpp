#include "svg/SvgDocumentBuilder.h"

#include <cmath>
#include <unordered_map>

#include "svg/SvgLimits.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPaintServers.h"
#include "svg/SvgPathArt.h"
#include "svg/SvgShapes.h"
#include "svg/SvgStyle.h"
#include "svg/SvgStyleSheet.h"
#include "svg/SvgText.h"
#include "svg/SvgUseBounds.h"

namespace vyn::host::svg {
namespace {

constexpr std::string_view kChartTitle = "Vyn\xE2\x80\xA2"
                                         "Colors";
constexpr std::string_view kDefaultLayerTitle = "Default layer";
// SVG user space (y down) to the document (points, y up).
constexpr Affine kFlip{1, 0, 0, -1, 0, 0};

bool isNonRendering(std::string_view kind) {
    static constexpr std::string_view kKinds[] = {
        "defs",           "symbol",    "clipPath", "mask",  "marker", "pattern",  "linearGradient",
        "radialGradient", "filter",    "style",    "title", "desc",   "metadata", "script",
        "font",           "font-face", "cursor",   "view",  "stop",   "mpath",    "feImage"};
    for (std::string_view k : kKinds)
        if (k == kind) return true;
    return false;
}

std::optional<NotModelled> notModelledElement(std::string_view kind) {
    if (kind == "image") return NotModelled::Image;
    if (kind == "foreignObject") return NotModelled::ForeignObject;
    if (kind == "animate" || kind == "animateTransform" || kind == "animateMotion" || kind == "set" ||
        kind == "animateColor")
        return NotModelled::Animation;
    if (kind == "video" || kind == "audio" || kind == "iframe" || kind == "canvas") return NotModelled::Media;
    return std::nullopt;
}

bool isSet(std::string_view value) { return !value.empty() && !equalsIgnoringCase(trimmed(value), "none"); }

bool isInsensitive(pugi::xml_node element) {
    const pugi::xml_attribute a = element.attribute("sodipodi:insensitive");
    if (!a) return false;
    const std::string_view v = trimmed(a.value());
    return v != "false" && v != "0";
}

class Builder {
  public:
    Builder(const ParsedSvg &parsed, const SvgReadOptions &options, SvgDiagnostics &diagnostics)
        : parsed_(parsed), options_(options), diagnostics_(diagnostics),
          styles_(sheet_,
                  [this](std::string_view value, std::string_view reason) { reportValue(value, reason); }),
          bounds_([this](std::string_view id) { return find(id); },
                  [this](pugi::xml_node n) { return offsetOf(n); }) {}

    BuiltSvg run();

  private:
    void survey();
    void readArtboard();
    void walkTop();
    void makeLayer(pugi::xml_node element, const ComputedStyle &rootStyle, bool selectedAbove);
    void walk(pugi::xml_node element, ArtId parent, const ComputedStyle &parentStyle, const Affine &ctm,
              std::size_t depth, bool selectedAbove, bool inUse);
    void walkShape(pugi::xml_node element, std::string_view kind, ArtId parent, const ComputedStyle &style,
                   const Affine &ctm, bool selected);
    void walkText(pugi::xml_node element, ArtId parent, const ComputedStyle &style, const Affine &ctm,
                  bool selected);
    void walkUse(pugi::xml_node element, ArtId parent, const ComputedStyle &style, const Affine &ctm,
                 std::size_t depth, bool selected, bool inUse);
    void walkContainer(pugi::xml_node element, std::string_view kind, ArtId parent,
                       const ComputedStyle &style, Affine ctm, std::size_t depth, bool selected, bool inUse);

    // Marks art made from `element`: hidden, locked, tags, selected.
    void finish(ArtId id, pugi::xml_node element, bool hidden, bool selected);
    void select(ArtId id);
    bool selectedBySelector(pugi::xml_node element) const;
    void applyTags(Art &art, pugi::xml_node element) const;
    bool carriesChartAttributes(pugi::xml_node element) const;
    void tally(const SpecifiedStyle &style);

    // The element whose art is being made, if it is one the writer may cut.
    bool openSource(pugi::xml_node element);
    void closeSource(bool opened);
    void record(ArtId id) {
        if (!source_) return;
        built_.elementArt.push_back(id);
        ++built_.elements[*source_].artCount;
    }

    pugi::xml_node find(std::string_view id);
    std::size_t offsetOf(pugi::xml_node element) const {
        const std::ptrdiff_t at = element.offset_debug();
        return at > 0 ? static_cast<std::size_t>(at - 1) : 0;
    }
    std::size_t offsetOf(const char *p) const;
    void reportValue(std::string_view value, std::string_view reason);
    Affine transformOf(pugi::xml_node element);
    LengthBase lengthBase(const ComputedStyle &style) const {
        return {viewportWidth_, viewportHeight_, style.fontSize};
    }

    const ParsedSvg &parsed_;
    const SvgReadOptions &options_;
    SvgDiagnostics &diagnostics_;
    BuiltSvg built_;
    Document document_;
    StyleSheet sheet_;
    StyleResolver styles_;
    UseBounds bounds_;
    std::optional<PaintServers> paints_;
    std::vector<Selector> selectors_;
    std::vector<std::string_view> vynPrefixes_;
    std::unordered_map<std::string_view, pugi::xml_node> ids_;
    bool idsIndexed_ = false;
    std::unordered_map<const char *, bool> reported_; // values already warned about
    double viewportWidth_ = 0, viewportHeight_ = 0, viewportSize_ = 0;
    std::optional<ArtId> defaultLayerGroup_;
    std::optional<std::size_t> source_;
    bool inChartLayer_ = false;
    bool useCutReported_ = false;
};

std::size_t Builder::offsetOf(const char *p) const {
    if (const auto original = sheet_.original(p)) p = *original;
    return p >= parsed_.buffer ? static_cast<std::size_t>(p - parsed_.buffer) : 0;
}

void Builder::reportValue(std::string_view value, std::string_view reason) {
    if (!reported_.emplace(value.data(), true).second) return;
    std::string message = "\"";
    message += value;
    message += "\": ";
    message += reason;
    diagnostics_.warn(WarningKind::Paint, offsetOf(value.data()), message);
}

pugi::xml_node Builder::find(std::string_view id) {
    if (!idsIndexed_) {
        idsIndexed_ = true;
        for (pugi::xml_node n = parsed_.root; n;) {
            if (n.type() == pugi::node_element)
                if (const pugi::xml_attribute a = n.attribute("id")) ids_.try_emplace(a.value(), n);
            if (n.first_child()) {
                n = n.first_child();
                continue;
            }
            while (n && n != parsed_.root && !n.next_sibling())
                n = n.parent();
            n = n == parsed_.root ? pugi::xml_node{} : n.next_sibling();
        }
    }
    if (id.empty()) return {};
    const auto it = ids_.find(id);
    return it == ids_.end() ? pugi::xml_node{} : it->second;
}

// One pass over every element before building: nesting depth, the style
// sheets, the prefixes of the chart's namespace.
void Builder::survey() {
    std::size_t depth = 0;
    for (pugi::xml_node n = parsed_.root; n;) {
        if (n.type() == pugi::node_element) {
            if (depth > kMaxSvgDepth)
                throw SvgRefusal{offsetOf(n),
                                 "elements nest deeper than " + std::to_string(kMaxSvgDepth) + " levels"};
            for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
                const std::string_view name = a.name();
                if (name.starts_with("xmlns:") && std::string_view(a.value()) == kVynNamespace)
                    vynPrefixes_.push_back(name.substr(6));
            }
            if (localName(n) == "style") {
                const std::string_view type = n.attribute("type").value();
                if (type.empty() || type == "text/css")
                    for (pugi::xml_node text : n.children())
                        if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata)
                            sheet_.add(text.value());
            }
        }
        if (n.first_child()) {
            n = n.first_child();
            ++depth;
            continue;
        }
        while (n && n != parsed_.root && !n.next_sibling()) {
            n = n.parent();
            --depth;
        }
        n = n == parsed_.root ? pugi::xml_node{} : n.next_sibling();
    }
}

void Builder::readArtboard() {
    const pugi::xml_node root = parsed_.root;
    Rect bounds;
    std::optional<std::vector<double>> viewBox;
    if (const pugi::xml_attribute a = root.attribute("viewBox")) {
        viewBox = parseNumberList(a.value());
        if (!viewBox || viewBox->size() != 4 || (*viewBox)[2] <= 0 || (*viewBox)[3] <= 0) {
            diagnostics_.warn(WarningKind::Value, offsetOf(a.value()),
                              "the viewBox is not four numbers with a positive size; it is ignored");
            viewBox.reset();
        }
    }
    auto size = [&](const char *name, double fallback) {
        const std::string_view text = trimmed(root.attribute(name).value());
        if (text.empty() || text.back() == '%') return fallback;
        const auto v = parseLength(text);
        return v && *v > 0 ? *v : fallback;
    };
    if (viewBox) {
        const auto &v = *viewBox;
        bounds = {static_cast<float>(v[0]), static_cast<float>(-v[1]), static_cast<float>(v[0] + v[2]),
                  static_cast<float>(-(v[1] + v[3]))};
        viewportWidth_ = v[2];
        viewportHeight_ = v[3];
    } else {
        // Without a viewBox, user units are CSS pixels and the size is the
        // width and height; a browser's default size when they are absent.
        viewportWidth_ = size("width", 300);
        viewportHeight_ = size("height", 150);
        bounds = {0, 0, static_cast<float>(viewportWidth_), static_cast<float>(-viewportHeight_)};
    }
    viewportSize_ = std::hypot(viewportWidth_, viewportHeight_) / std::sqrt(2.0);
    document_.artboards.push_back({"Artboard 1", bounds});
    document_.colorModel = ColorModel::RGB;
    paints_.emplace(
        document_, [this](std::string_view id) { return find(id); }, styles_,
        [this](std::string_view value, std::string_view reason) {
            if (reported_.emplace(value.data(), true).second)
                diagnostics_.warn(WarningKind::Paint, offsetOf(value.data()), reason);
        },
        Point{bounds.left, bounds.top}, viewportWidth_, viewportHeight_);
}

Affine Builder::transformOf(pugi::xml_node element) {
    const pugi::xml_attribute a = element.attribute("transform");
    if (!a) return {};
    if (const auto t = parseTransform(a.value())) return *t;
    diagnostics_.warn(WarningKind::Value, offsetOf(a.value()),
                      "this transform is not understood; it is ignored");
    return {};
}

bool Builder::selectedBySelector(pugi::xml_node element) const {
    for (const Selector &s : selectors_)
        if (matches(s, element)) return true;
    return false;
}

void Builder::select(ArtId id) {
    Art *art = document_.art(id);
    if (!art || (art->attributes & kSelected)) return;
    document_.setAttributes(*art, kSelected, kSelected);
    ++built_.selected;
}

void Builder::applyTags(Art &art, pugi::xml_node element) const {
    if (vynPrefixes_.empty()) return;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        const std::size_t colon = name.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view prefix = name.substr(0, colon), local = name.substr(colon + 1);
        if (!local.starts_with(kVynTagAttributePrefix) || local.size() == sizeof kVynTagAttributePrefix - 1)
            continue;
        if (std::find(vynPrefixes_.begin(), vynPrefixes_.end(), prefix) == vynPrefixes_.end()) continue;
        art.tags[std::string(local.substr(sizeof kVynTagAttributePrefix - 1))] = Tag{"string", a.value()};
    }
}

bool Builder::carriesChartAttributes(pugi::xml_node element) const {
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        if (name.starts_with("xmlns:") && std::string_view(a.value()) == kVynNamespace) return true;
        const std::size_t colon = name.find(':');
        if (colon != std::string_view::npos &&
            std::find(vynPrefixes_.begin(), vynPrefixes_.end(), name.substr(0, colon)) != vynPrefixes_.end())
            return true;
    }
    return false;
}

void Builder::finish(ArtId id, pugi::xml_node element, bool hidden, bool selected) {
    Art *art = document_.art(id);
    if (!art) return;
    std::uint32_t attributes = 0;
    if (hidden) attributes |= kHidden;
    if (isInsensitive(element)) attributes |= kLocked;
    if (attributes) document_.setAttributes(*art, kHidden | kLocked, attributes);
    applyTags(*art, element);
    if (selected) select(id);
}

void Builder::tally(const SpecifiedStyle &style) {
    if (isSet(style[Property::Filter])) diagnostics_.notModelled(NotModelled::Filter);
    if (isSet(style[Property::Mask])) diagnostics_.notModelled(NotModelled::Mask);
    if (isSet(style[Property::ClipPath])) diagnostics_.notModelled(NotModelled::ClipPath);
    if (isSet(style[Property::MarkerStart]) || isSet(style[Property::MarkerMid]) ||
        isSet(style[Property::MarkerEnd]))
        diagnostics_.notModelled(NotModelled::Marker);
}

bool Builder::openSource(pugi::xml_node element) {
    if (source_ || inChartLayer_) return false;
    const std::size_t begin = offsetOf(element);
    built_.elements.push_back(
        {parsed_.spans.at(begin), static_cast<std::uint32_t>(built_.elementArt.size()), 0});
    source_ = built_.elements.size() - 1;
    return true;
}

void Builder::closeSource(bool opened) {
    if (!opened) return;
    if (built_.elements.back().artCount == 0) built_.elements.pop_back();
    source_.reset();
}

void Builder::walk(pugi::xml_node element, ArtId parent, const ComputedStyle &parentStyle, const Affine &ctm,
                   std::size_t depth, bool selectedAbove, bool inUse) {
    const std::string_view kind = localName(element);
    if (kind.empty() || isNonRendering(kind)) return;
    if (const auto skipped = notModelledElement(kind)) {
        diagnostics_.notModelled(*skipped);
        return;
    }
    const bool container = kind == "g" || kind == "a" || kind == "switch" || kind == "svg";
    if (!container && !isShape(kind) && kind != "text" && kind != "use") return;
    if (depth > kMaxSvgDepth)
        throw SvgRefusal{offsetOf(element), "elements (with <use> expanded) nest deeper than " +
                                                std::to_string(kMaxSvgDepth) + " levels"};
    if (inUse && !bounds_.spend()) {
        if (!useCutReported_)
            diagnostics_.warn(WarningKind::Use, offsetOf(element),
                              "<use> expansion stops here, past " + std::to_string(kUseArtBudget) +
                                  " art objects or its time; the rest of the <use> references is not read");
        useCutReported_ = true;
        return;
    }
    const SpecifiedStyle specified = styles_.specified(element);
    const ComputedStyle style = styles_.compute(specified, parentStyle, viewportSize_);
    tally(specified);
    const Affine local = ctm * transformOf(element);
    const bool selected = selectedAbove || (!selectors_.empty() && selectedBySelector(element));
    if (container)
        walkContainer(element, kind, parent, style, local, depth, selected, inUse);
    else if (kind == "text")
        walkText(element, parent, style, local, selected);
    else if (kind == "use")
        walkUse(element, parent, style, local, depth, selected, inUse);
    else
        walkShape(element, kind, parent, style, local, selected);
}

void Builder::walkContainer(pugi::xml_node element, std::string_view kind, ArtId parent,
                            const ComputedStyle &style, Affine ctm, std::size_t depth, bool selected,
                            bool inUse) {
    if (kind == "svg") {
        const double x = parseLength(element.attribute("x").value(), viewportWidth_).value_or(0);
        const double y = parseLength(element.attribute("y").value(), viewportHeight_).value_or(0);
        ctm = ctm * Affine::translate(x, y);
        const auto viewBox = parseNumberList(element.attribute("viewBox").value());
        const double w =
            parseLength(element.attribute("width").value(), viewportWidth_).value_or(viewportWidth_);
        const double h =
            parseLength(element.attribute("height").value(), viewportHeight_).value_or(viewportHeight_);
        if (viewBox && viewBox->size() == 4 && (*viewBox)[2] > 0 && (*viewBox)[3] > 0)
            ctm = ctm * viewBoxTransform(viewBox->data(), 0, 0, w, h,
                                         element.attribute("preserveAspectRatio").value());
    }
    const ArtId group = document_.addArt(parent, Group{}).id;
    record(group);
    finish(group, element, style.displayNone, selected);
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        if (kind == "switch") {
            // A switch draws its first child whose conditions hold; this
            // reader meets no required extension or feature.
            if (child.attribute("requiredExtensions") || child.attribute("requiredFeatures") ||
                isNonRendering(localName(child)))
                continue;
            walk(child, group, style, ctm, depth + 1, selected, inUse);
            break;
        }
        walk(child, group, style, ctm, depth + 1, selected, inUse);
    }
}

void Builder::walkShape(pugi::xml_node element, std::string_view kind, ArtId parent,
                        const ComputedStyle &style, const Affine &ctm, bool selected) {
    const Outline outline = shapeOutline(element, kind, lengthBase(style));
    if (outline.errorAt) {
        const char *data = element.attribute("d").value();
        diagnostics_.warn(WarningKind::Value, offsetOf(data) + *outline.errorAt,
                          "the path data is not understood from here on; the path is drawn up to here");
    }
    // Only a paint server can be measured in the box (objectBoundingBox):
    // the box of a shape painted with colours is never needed.
    const bool server =
        style.fill.kind == PaintValue::Kind::Url || style.stroke.kind == PaintValue::Kind::Url;
    const std::optional<Box> box = server ? boundingBox(outline) : std::nullopt;
    const Affine toDocument = kFlip * ctm;
    Paint fill = paints_->paint(style.fill, style.color, box, toDocument);
    Paint stroke = paints_->paint(style.stroke, style.color, box, toDocument);
    const double lineScale = std::sqrt(std::fabs(ctm.determinant()));
    const bool opened = openSource(element);
    const std::vector<ArtId> made =
        addOutlineArt(document_, parent, outline, toDocument,
                      pathStyleOf(style, std::move(fill), std::move(stroke), lineScale));
    for (ArtId id : made) {
        record(id);
        if (selected) select(id);
    }
    if (!made.empty()) finish(made.front(), element, style.displayNone || !style.visible, selected);
    closeSource(opened);
}

void Builder::walkText(pugi::xml_node element, ArtId parent, const ComputedStyle &style, const Affine &ctm,
                       bool selected) {
    const bool opened = openSource(element);
    TextContext context{document_, styles_, *paints_, lengthBase(style), viewportSize_};
    for (const TextFrameMade &frame : addTextArt(context, parent, element, style, kFlip * ctm)) {
        record(frame.art);
        const bool frameSelected =
            selected || (frame.owner != element && !selectors_.empty() && selectedBySelector(frame.owner));
        finish(frame.art, element, style.displayNone || frame.hidden, frameSelected);
        if (frame.owner != element)
            if (Art *art = document_.art(frame.art)) applyTags(*art, frame.owner);
    }
    closeSource(opened);
}

void Builder::walkUse(pugi::xml_node element, ArtId parent, const ComputedStyle &style, const Affine &ctm,
                      std::size_t depth, bool selected, bool inUse) {
    const pugi::xml_node target = find(hrefOf(element));
    if (!target) {
        diagnostics_.warn(WarningKind::Use, offsetOf(element),
                          "this <use> refers to no element; it draws nothing");
        return;
    }
    if (!inUse) bounds_.admit(element, depth);
    const double x = parseLength(element.attribute("x").value(), viewportWidth_).value_or(0);
    const double y = parseLength(element.attribute("y").value(), viewportHeight_).value_or(0);
    Affine local = ctm * Affine::translate(x, y);
    const bool opened = openSource(element);
    const ArtId group = document_.addArt(parent, Group{}).id;
    record(group);
    finish(group, element, style.displayNone, selected);
    const std::string_view kind = localName(target);
    if (kind == "symbol" || kind == "svg") {
        // The symbol's viewBox fits into the use's width and height.
        const auto viewBox = parseNumberList(target.attribute("viewBox").value());
        auto length = [&](const char *name, double whole) {
            const pugi::xml_attribute own = element.attribute(name);
            return parseLength(own ? own.value() : target.attribute(name).value(), whole).value_or(whole);
        };
        if (viewBox && viewBox->size() == 4 && (*viewBox)[2] > 0 && (*viewBox)[3] > 0)
            local = local * viewBoxTransform(viewBox->data(), 0, 0, length("width", viewportWidth_),
                                             length("height", viewportHeight_),
                                             target.attribute("preserveAspectRatio").value());
        const ComputedStyle symbolStyle = styles_.compute(styles_.specified(target), style, viewportSize_);
        const Affine symbolLocal = kind == "svg" ? local : local * transformOf(target);
        for (pugi::xml_node child = target.first_child(); child; child = child.next_sibling())
            if (child.type() == pugi::node_element)
                walk(child, group, symbolStyle, symbolLocal, depth + 2, selected, true);
    } else {
        walk(target, group, style, local, depth + 1, selected, true);
    }
    closeSource(opened);
}

void Builder::makeLayer(pugi::xml_node element, const ComputedStyle &rootStyle, bool selectedAbove) {
    const SpecifiedStyle specified = styles_.specified(element);
    const ComputedStyle style = styles_.compute(specified, rootStyle, viewportSize_);
    tally(specified);
    const bool inkscapeLayer = std::string_view(element.attribute("inkscape:groupmode").value()) == "layer";
    std::string_view title = element.attribute(inkscapeLayer ? "inkscape:label" : "id").value();
    if (title.empty()) title = element.attribute(inkscapeLayer ? "id" : "inkscape:label").value();
    std::string name =
        title.empty() ? "Layer " + std::to_string(document_.layers().size() + 1) : std::string(title);
    const bool chart = !built_.chartLayer && (name == kChartTitle || carriesChartAttributes(element));
    Layer &layer = document_.insertLayer(0, std::move(name));
    layer.visible = !style.displayNone;
    layer.editable = !isInsensitive(element);
    const ArtId group = layer.group;
    applyTags(*document_.art(group), element);
    if (chart) built_.chartLayer = parsed_.spans.at(offsetOf(element));
    inChartLayer_ = chart;
    const Affine local = transformOf(element);
    const bool selected = selectedAbove || (!selectors_.empty() && selectedBySelector(element));
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) walk(child, group, style, local, 2, selected, false);
    inChartLayer_ = false;
}

void Builder::walkTop() {
    const ComputedStyle rootStyle =
        styles_.compute(styles_.specified(parsed_.root), ComputedStyle{}, viewportSize_);
    const bool rootSelected = !selectors_.empty() && selectedBySelector(parsed_.root);
    for (pugi::xml_node child = parsed_.root.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const std::string_view kind = localName(child);
        if (kind == "g") {
            makeLayer(child, rootStyle, rootSelected);
            continue;
        }
        if (kind.empty() || isNonRendering(kind)) continue;
        if (!defaultLayerGroup_)
            defaultLayerGroup_ = document_.insertLayer(0, std::string(kDefaultLayerTitle)).group;
        walk(child, *defaultLayerGroup_, rootStyle, Affine{}, 1, rootSelected, false);
    }
}

BuiltSvg Builder::run() {
    if (!options_.select.empty()) {
        auto selectors = parseSelectorList(options_.select);
        if (!selectors) {
            built_.error = diagnostics_.error(
                SvgReadStatus::BadSelector,
                "the selector \"" + options_.select +
                    "\" is not one this reader knows (types, #ids, .classes, descendants, lists)");
            return std::move(built_);
        }
        selectors_ = std::move(*selectors);
    }
    // About one art object, and at most one source element, per element.
    document_.reserveArt(parsed_.spans.spans.size());
    built_.elements.reserve(parsed_.spans.spans.size());
    built_.elementArt.reserve(parsed_.spans.spans.size());
    try {
        survey();
        readArtboard();
        walkTop();
    } catch (const SvgRefusal &refusal) {
        built_.error = diagnostics_.errorAt(SvgReadStatus::Refused, refusal.offset, refusal.reason);
        built_.elements.clear();
        built_.elementArt.clear();
        built_.chartLayer.reset();
        return std::move(built_);
    }
    built_.document = std::move(document_);
    return std::move(built_);
}

} // namespace

BuiltSvg buildSvgDocument(const ParsedSvg &parsed, const SvgReadOptions &options,
                          SvgDiagnostics &diagnostics) {
    return Builder(parsed, options, diagnostics).run();
}

} // namespace vyn::host::svg
