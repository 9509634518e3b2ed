#include "svg/SvgDocumentBuilder.h"

#include <algorithm>
#include <cmath>

#include "svg/SvgBuilder.h"
#include "svg/SvgLimits.h"
#include "svg/SvgNumbers.h"
#include "svg/SvgPathArt.h"
#include "svg/SvgText.h"
#include "svg/SvgTransform.h"

namespace vyn::host::svg {
namespace {

bool isSet(std::string_view value) { return !value.empty() && !equalsIgnoringCase(trimmed(value), "none"); }

} // namespace

SvgBuilder::SvgBuilder(const ParsedSvg &parsed, const SvgReadOptions &options, SvgDiagnostics &diagnostics)
    : parsed_(parsed), options_(options), diagnostics_(diagnostics),
      styles_(sheet_,
              [this](std::string_view value, std::string_view reason) { reportValue(value, reason); }),
      bounds_([this](std::string_view id) { return find(id); },
              [this](pugi::xml_node n) { return offsetOf(n); }) {}

std::size_t SvgBuilder::offsetOf(const char *p) const {
    if (const auto original = sheet_.original(p)) p = *original;
    return p >= parsed_.buffer ? static_cast<std::size_t>(p - parsed_.buffer) : 0;
}

// At most this many bytes of a value are quoted in a warning: a file may
// hold a value of megabytes.
constexpr std::size_t kQuotedValueBytes = 60;

void SvgBuilder::reportValue(std::string_view value, std::string_view reason) {
    if (!reported_.emplace(value.data(), true).second) return;
    std::string message = "\"";
    if (value.size() <= kQuotedValueBytes) {
        message += value;
    } else {
        // Cut before a character's continuation bytes, never inside it.
        std::size_t end = kQuotedValueBytes;
        while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
            --end;
        message += value.substr(0, end);
        message += "\xE2\x80\xA6"; // …
    }
    message += "\": ";
    message += reason;
    diagnostics_.warn(WarningKind::Paint, offsetOf(value.data()), message);
}

pugi::xml_node SvgBuilder::find(std::string_view id) {
    if (id.empty()) return {};
    // Only the ids the file refers to are indexed, in one pass at the first
    // look-up; one it does not refer to in a way the survey saw (never, but
    // it costs nothing to be sure) indexes every id.
    const bool named = referenced_.count(id) > 0;
    if (!idsIndexed_ || (!named && !allIdsIndexed_)) {
        idsIndexed_ = true;
        allIdsIndexed_ = !named;
        forEachElement(parsed_.root, [&](pugi::xml_node n, std::size_t) {
            if (const pugi::xml_attribute a = n.attribute("id"))
                if (allIdsIndexed_ || referenced_.count(a.value())) ids_.try_emplace(a.value(), n);
        });
    }
    const auto it = ids_.find(id);
    return it == ids_.end() ? pugi::xml_node{} : it->second;
}

// The ids `text` names in url(#id) (or url('#id')).
void SvgBuilder::noteUrlReferences(std::string_view text) {
    for (std::size_t at = text.find("url("); at != std::string_view::npos; at = text.find("url(", at + 4)) {
        std::string_view rest = trimmed(text.substr(at + 4));
        if (!rest.empty() && (rest.front() == '"' || rest.front() == '\'')) rest.remove_prefix(1);
        if (rest.empty() || rest.front() != '#') continue;
        rest.remove_prefix(1);
        const std::size_t end = rest.find_first_of(")\"' \t\r\n");
        referenced_.insert(rest.substr(0, end));
    }
}

// One pass over every element before building: nesting depth, the style
// sheets, the prefixes of the tag namespace.
void SvgBuilder::survey() {
    forEachElement(parsed_.root, [&](pugi::xml_node n, std::size_t depth) {
        if (depth > kMaxSvgDepth)
            throw SvgRefusal{offsetOf(n),
                             "elements nest deeper than " + std::to_string(kMaxSvgDepth) + " levels"};
        for (pugi::xml_attribute a = n.first_attribute(); a; a = a.next_attribute()) {
            const std::string_view name = a.name(), value = a.value();
            if (name.starts_with("xmlns:") && isTagNamespace(value)) tagPrefixes_.push_back(name.substr(6));
            // What an element may refer to: another by href, a paint server
            // (or a filter, a clip path) by url().
            if ((name == "href" || name.ends_with(":href")) && value.starts_with('#'))
                referenced_.insert(value.substr(1));
            else if (value.find("url(") != std::string_view::npos)
                noteUrlReferences(value);
        }
        if (localName(n) == "style") {
            const std::string_view type = n.attribute("type").value();
            if (type.empty() || type == "text/css")
                for (pugi::xml_node text : n.children())
                    if (text.type() == pugi::node_pcdata || text.type() == pugi::node_cdata) {
                        sheet_.add(text.value());
                        noteUrlReferences(text.value());
                    }
        }
    });
    sheet_.finish();
}

void SvgBuilder::readArtboard() {
    readFirstRootSize();
    const SvgRootSize &first = built_.rootSize;
    Rect bounds;
    std::optional<std::array<double, 4>> viewBox;
    if (first.viewBox) {
        viewBox = parseViewBox(*first.viewBox);
        if (!viewBox)
            diagnostics_.warn(WarningKind::Value,
                              first.recorded ? offsetOf(parsed_.root) : offsetOf(parsed_.root.attribute("viewBox").value()),
                              "the viewBox is not four numbers with a positive size; it is ignored");
    }
    auto size = [&](const std::optional<std::string> &given, double fallback) {
        const std::string_view text = trimmed(given ? std::string_view(*given) : std::string_view());
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
        viewportWidth_ = size(first.width, 300);
        viewportHeight_ = size(first.height, 150);
        bounds = {0, 0, static_cast<float>(viewportWidth_), static_cast<float>(-viewportHeight_)};
    }
    built_.rootSize.left = bounds.left;
    built_.rootSize.top = bounds.top;
    built_.rootSize.right = bounds.right;
    built_.rootSize.bottom = bounds.bottom;
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

Affine SvgBuilder::transformOf(pugi::xml_node element) {
    const pugi::xml_attribute a = element.attribute("transform");
    if (!a) return {};
    if (const auto t = parseTransform(a.value())) return *t;
    diagnostics_.warn(WarningKind::Value, offsetOf(a.value()),
                      "this transform is not understood; it is ignored");
    return {};
}

bool SvgBuilder::selectedBySelector(pugi::xml_node element) const {
    for (const Selector &s : selectors_)
        if (matches(s, element)) return true;
    return false;
}

void SvgBuilder::select(ArtId id) {
    Art *art = document_.art(id);
    if (!art || (art->attributes & kSelected)) return;
    document_.setAttributes(*art, kSelected, kSelected);
    ++built_.selected;
}

void SvgBuilder::applyTags(Art &art, pugi::xml_node element) const {
    if (tagPrefixes_.empty()) return;
    const std::string_view tagAttribute = options_.chart.tagAttributePrefix;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        const std::size_t colon = name.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string_view prefix = name.substr(0, colon), local = name.substr(colon + 1);
        if (!local.starts_with(tagAttribute) || local.size() == tagAttribute.size()) continue;
        if (std::find(tagPrefixes_.begin(), tagPrefixes_.end(), prefix) == tagPrefixes_.end()) continue;
        art.tags[std::string(local.substr(tagAttribute.size()))] = Tag{"string", a.value()};
    }
}

void SvgBuilder::finish(ArtId id, pugi::xml_node element, bool hidden, bool selected) {
    Art *art = document_.art(id);
    if (!art) return;
    std::uint32_t attributes = 0;
    if (hidden) attributes |= kHidden;
    if (isInsensitive(element)) attributes |= kLocked;
    if (attributes) document_.setAttributes(*art, kHidden | kLocked, attributes);
    applyTags(*art, element);
    if (selected) select(id);
}

void SvgBuilder::tally(const SpecifiedStyle &style) {
    if (isSet(style[Property::Filter])) diagnostics_.notModelled(NotModelled::Filter);
    if (isSet(style[Property::Mask])) diagnostics_.notModelled(NotModelled::Mask);
    if (isSet(style[Property::ClipPath])) diagnostics_.notModelled(NotModelled::ClipPath);
    if (isSet(style[Property::MarkerStart]) || isSet(style[Property::MarkerMid]) ||
        isSet(style[Property::MarkerEnd]))
        diagnostics_.notModelled(NotModelled::Marker);
}

void SvgBuilder::walk(pugi::xml_node element, const ElementType &type, const WalkState &above) {
    if (type.kind == ElementKind::Nameless || type.nonRendering()) return;
    if (type.kind == ElementKind::NotModelled) {
        diagnostics_.notModelled(type.notModelled);
        return;
    }
    if (type.kind == ElementKind::Unknown) return;
    if (above.depth > kMaxSvgDepth)
        throw SvgRefusal{offsetOf(element), "elements (with <use> expanded) nest deeper than " +
                                                std::to_string(kMaxSvgDepth) + " levels"};
    if (above.inUse && !bounds_.spend()) {
        if (!useCutReported_)
            diagnostics_.warn(WarningKind::Use, offsetOf(element),
                              "<use> expansion stops here, past " + std::to_string(kUseArtBudget) +
                                  " art objects or its time; the rest of the <use> references is not read");
        useCutReported_ = true;
        return;
    }
    const SpecifiedStyle specified = styles_.specified(element);
    const ComputedStyle style = styles_.compute(specified, above.style, viewportSize_);
    tally(specified);
    const WalkState here{above.parent,
                         style,
                         above.ctm * transformOf(element),
                         above.depth,
                         above.selected || (!selectors_.empty() && selectedBySelector(element)),
                         above.inUse};
    switch (type.kind) {
    case ElementKind::Text: walkText(element, here); break;
    case ElementKind::Use: walkUse(element, here); break;
    case ElementKind::Shape: walkShape(element, type.name, here); break;
    default: walkContainer(element, type.kind, here); break;
    }
}

void SvgBuilder::walkContainer(pugi::xml_node element, ElementKind kind, const WalkState &here) {
    Affine ctm = here.ctm;
    if (kind == ElementKind::Svg) {
        const double x = parseLength(element.attribute("x").value(), viewportWidth_).value_or(0);
        const double y = parseLength(element.attribute("y").value(), viewportHeight_).value_or(0);
        ctm = ctm * Affine::translate(x, y);
        const double w =
            parseLength(element.attribute("width").value(), viewportWidth_).value_or(viewportWidth_);
        const double h =
            parseLength(element.attribute("height").value(), viewportHeight_).value_or(viewportHeight_);
        if (const auto viewBox = parseViewBox(element.attribute("viewBox").value()))
            ctm = ctm * viewBoxTransform(viewBox->data(), 0, 0, w, h,
                                         element.attribute("preserveAspectRatio").value());
    }
    const ArtId group = document_.addArt(here.parent, Group{}).id;
    record(group);
    finish(group, element, here.style.displayNone, here.selected);
    const WalkState inside = here.below(group, here.style, ctm);
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const ElementType type = elementType(child);
        if (kind == ElementKind::Switch) {
            // A switch draws its first child whose conditions hold; this
            // reader meets no required extension or feature.
            if (child.attribute("requiredExtensions") || child.attribute("requiredFeatures") ||
                type.nonRendering())
                continue;
            walk(child, type, inside);
            break;
        }
        walk(child, type, inside);
    }
}

void SvgBuilder::walkShape(pugi::xml_node element, std::string_view name, const WalkState &here) {
    const ComputedStyle &style = here.style;
    const Outline outline = shapeOutline(element, name, lengthBase(style));
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
    const Affine toDocument = kFlip * here.ctm;
    Paint fill = paints_->paint(style.fill, style.color, box, toDocument);
    Paint stroke = paints_->paint(style.stroke, style.color, box, toDocument);
    const double lineScale = std::sqrt(std::fabs(here.ctm.determinant()));
    const bool opened = openSource(element);
    const std::vector<ArtId> made =
        addOutlineArt(document_, here.parent, outline, toDocument,
                      pathStyleOf(style, std::move(fill), std::move(stroke), lineScale));
    for (ArtId id : made) {
        record(id);
        if (here.selected) select(id);
    }
    if (!made.empty()) finish(made.front(), element, style.displayNone || !style.visible, here.selected);
    sourceMap_.close(opened);
}

void SvgBuilder::walkText(pugi::xml_node element, const WalkState &here) {
    const bool opened = openSource(element);
    TextContext context{document_, styles_, *paints_, lengthBase(here.style), viewportSize_};
    for (const TextFrameMade &frame :
         addTextArt(context, here.parent, element, here.style, kFlip * here.ctm)) {
        record(frame.art);
        const bool frameSelected = here.selected || (frame.owner != element && !selectors_.empty() &&
                                                     selectedBySelector(frame.owner));
        finish(frame.art, element, here.style.displayNone || frame.hidden, frameSelected);
        if (frame.owner != element)
            if (Art *art = document_.art(frame.art)) applyTags(*art, frame.owner);
    }
    sourceMap_.close(opened);
}

BuiltSvg SvgBuilder::run() {
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
    sourceMap_.reserve(parsed_.spans.spans.size());
    try {
        survey();
        readArtboard();
        walkTop();
    } catch (const SvgRefusal &refusal) {
        built_.error = diagnostics_.errorAt(SvgReadStatus::Refused, refusal.offset, refusal.reason);
        built_.chartLayer.reset();
        return std::move(built_);
    }
    built_.paintServers = paints_->elements();
    built_.elements = sourceMap_.takeElements();
    built_.elementArt = sourceMap_.takeArt();
    built_.document = std::move(document_);
    return std::move(built_);
}

BuiltSvg buildSvgDocument(const ParsedSvg &parsed, const SvgReadOptions &options,
                          SvgDiagnostics &diagnostics) {
    return SvgBuilder(parsed, options, diagnostics).run();
}

} // namespace vyn::host::svg
