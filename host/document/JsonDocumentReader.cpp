#include "document/JsonDocumentReader.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <map>

#include <nlohmann/json.hpp>

#include "text/Utf.h"
#include "files/SmallFile.h"
#include "document/DocumentFormatWords.h"
#include "document/JsonLocation.h"

namespace vyn::host {
namespace {

using Json = nlohmann::json;
namespace words = documentformat;

// A fault found while reading; caught once, at the top, and turned into the
// result. Nothing built before it is returned.
struct Fault {
    DocumentReadStatus status;
    JsonPath path;
    std::string detail;
    bool atName = false;
};

// A value and where it is: the step from its parent, whose Node is alive
// while this one is (each is a local of the walk one level up), so the
// position costs one step a level and the path is made only for a fault.
struct Node {
    const Json &json;
    const Node *parent = nullptr;
    std::variant<std::monostate, std::string, std::size_t> step = {};

    JsonPath path() const {
        std::size_t levels = 0;
        for (const Node *n = this; n && n->parent; n = n->parent)
            ++levels;
        JsonPath p(levels);
        for (const Node *n = this; n && n->parent; n = n->parent) {
            --levels;
            if (const auto *name = std::get_if<std::string>(&n->step))
                p[levels] = *name;
            else
                p[levels] = std::get<std::size_t>(n->step);
        }
        return p;
    }
    [[noreturn]] void fail(DocumentReadStatus status, std::string detail) const {
        JsonPath p = path();
        if (!p.empty()) detail += " (" + pathText(p) + ")";
        throw Fault{status, std::move(p), std::move(detail)};
    }
    Node at(std::size_t index) const { return {json.at(index), this, index}; }
    Node member(const std::string &name) const { return {json.at(name), this, name}; }
    std::optional<Node> optional(const std::string &name) const {
        if (!json.contains(name)) return std::nullopt;
        return member(name);
    }
    Node required(const std::string &name) const {
        if (!json.contains(name)) fail(DocumentReadStatus::MissingMember, "\"" + name + "\"");
        return member(name);
    }

    void expectObject(std::initializer_list<std::string_view> members) const {
        if (!json.is_object()) fail(DocumentReadStatus::WrongType, "expected an object");
        for (const auto &item : json.items())
            if (std::find(members.begin(), members.end(), item.key()) == members.end()) {
                JsonPath p = path();
                p.emplace_back(item.key());
                throw Fault{DocumentReadStatus::UnknownMember, p,
                            "\"" + item.key() + "\" (" + pathText(p) + ")", true};
            }
    }
    const Json::array_t &array() const {
        if (!json.is_array()) fail(DocumentReadStatus::WrongType, "expected an array");
        return json.get_ref<const Json::array_t &>();
    }
    const std::string &string() const {
        if (!json.is_string()) fail(DocumentReadStatus::WrongType, "expected a string");
        return json.get_ref<const std::string &>();
    }
    bool boolean() const {
        if (!json.is_boolean()) fail(DocumentReadStatus::WrongType, "expected true or false");
        return json.get<bool>();
    }

    float number() const {
        if (json.is_string()) {
            const std::string &s = json.get_ref<const std::string &>();
            if (s == words::kNotANumber) return std::numeric_limits<float>::quiet_NaN();
            if (s == words::kInfinity) return std::numeric_limits<float>::infinity();
            if (s == words::kMinusInfinity) return -std::numeric_limits<float>::infinity();
        }
        if (!json.is_number()) fail(DocumentReadStatus::WrongType, "expected a number");
        const float value = static_cast<float>(json.get<double>());
        if (std::isinf(value))
            fail(DocumentReadStatus::BadValue, "beyond the range of a single-precision number");
        return value;
    }

    template <class Int> Int integer() const {
        if (!json.is_number_integer()) fail(DocumentReadStatus::WrongType, "expected a whole number");
        const bool fits = json.is_number_unsigned()
                              ? json.get<std::uint64_t>() <= std::uint64_t(std::numeric_limits<Int>::max())
                              : json.get<std::int64_t>() >= std::int64_t(std::numeric_limits<Int>::min()) &&
                                    json.get<std::int64_t>() <= std::int64_t(std::numeric_limits<Int>::max());
        if (!fits) fail(DocumentReadStatus::BadValue, "out of range");
        return json.get<Int>();
    }

    template <std::size_t N> std::array<float, N> numbers() const {
        if (array().size() != N)
            fail(DocumentReadStatus::BadValue, "expected " + std::to_string(N) + " numbers");
        std::array<float, N> values{};
        for (std::size_t k = 0; k < N; ++k)
            values[k] = at(k).number();
        return values;
    }

    template <std::size_t N> std::size_t word(const std::array<std::string_view, N> &table) const {
        const std::string &s = string();
        for (std::size_t k = 0; k < N; ++k)
            if (table[k] == s) return k;
        std::string allowed;
        for (std::size_t k = 0; k < N; ++k)
            allowed += std::string(k == 0       ? ""
                                   : k + 1 == N ? " or "
                                                : ", ") +
                       "\"" + std::string(table[k]) + "\"";
        fail(DocumentReadStatus::BadValue, "\"" + s + "\" is not " + allowed);
    }
};

float numberOr(const Node &object, const char *name, float byDefault) {
    auto n = object.optional(name);
    return n ? n->number() : byDefault;
}
bool flagOr(const Node &object, const char *name, bool byDefault) {
    auto n = object.optional(name);
    return n ? n->boolean() : byDefault;
}
Point point(const Node &n) {
    auto v = n.numbers<2>();
    return {v[0], v[1]};
}
Matrix matrix(const Node &n) {
    auto v = n.numbers<6>();
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

// Swatch names of one kind to their ids.
template <class Id> class SwatchIndex {
  public:
    void add(const Node &name, Id id) {
        if (!ids_.emplace(name.string(), id).second)
            name.fail(DocumentReadStatus::DuplicateSwatch, "\"" + name.string() + "\"");
    }
    Id find(const Node &name) const {
        auto it = ids_.find(name.string());
        if (it == ids_.end()) name.fail(DocumentReadStatus::UnknownSwatch, "\"" + name.string() + "\"");
        return it->second;
    }

  private:
    std::map<std::string, Id, std::less<>> ids_;
};

enum PaintKinds : unsigned { kSolid = 1, kCustom = 2, kSwatchArt = 4, kNone = 8, kAnyPaint = 15 };

class Reader {
  public:
    Document read(const Node &root) {
        root.expectObject(
            {"format", "version", "colorModel", "artboards", "activeArtboard", "swatches", "layers"});
        const Node format = root.required("format");
        if (!format.json.is_string() || format.string() != words::kFormatName)
            format.fail(DocumentReadStatus::NotThisFormat,
                        "the format must be \"" + std::string(words::kFormatName) + "\"");
        const Node version = root.required("version");
        if (!version.json.is_number_integer() || version.json.get<std::int64_t>() != words::kFormatVersion)
            version.fail(DocumentReadStatus::NotThisFormat,
                         "this program reads version " + std::to_string(words::kFormatVersion));
        if (auto model = root.optional("colorModel"))
            document_.colorModel = static_cast<ColorModel>(model->word(words::kColorModels));
        readArtboards(root);
        if (auto swatches = root.optional("swatches")) readSwatches(*swatches);
        if (auto layers = root.optional("layers"))
            for (std::size_t k = 0; k < layers->array().size(); ++k)
                readLayer(layers->at(k));
        replayFullySelected();
        return std::move(document_);
    }

  private:
    void readArtboards(const Node &root) {
        const Node boards = root.required("artboards");
        if (boards.array().empty())
            boards.fail(DocumentReadStatus::BadValue, "a document has at least one artboard");
        for (std::size_t k = 0; k < boards.array().size(); ++k) {
            const Node board = boards.at(k);
            board.expectObject({"name", "bounds"});
            const auto b = board.required("bounds").numbers<4>();
            std::string name = board.optional("name") ? board.member("name").string() : std::string();
            document_.artboards.push_back({std::move(name), Rect{b[0], b[1], b[2], b[3]}});
        }
        if (auto active = root.optional("activeArtboard")) {
            const int index = active->integer<int>();
            if (index < 0 || std::size_t(index) >= document_.artboards.size())
                active->fail(DocumentReadStatus::BadValue, "there is no artboard " + std::to_string(index));
            document_.activeArtboard = index;
        }
    }

    void readSwatches(const Node &swatches) {
        swatches.expectObject({"customColors", "patterns", "gradients"});
        if (auto customs = swatches.optional("customColors"))
            for (std::size_t k = 0; k < customs->array().size(); ++k) {
                const Node c = customs->at(k);
                c.expectObject({"name", "kind", "color"});
                CustomColor color;
                color.name = c.required("name").string();
                if (auto kind = c.optional("kind"))
                    color.kind = static_cast<CustomColorKind>(kind->word(words::kCustomColorKinds));
                const Paint definition = paint(c.required("color"), kSolid);
                if (const auto *cmyk = std::get_if<ProcessPaint>(&definition))
                    color.color = *cmyk;
                else if (const auto *rgb = std::get_if<RgbPaint>(&definition))
                    color.color = *rgb;
                else
                    c.member("color").fail(DocumentReadStatus::BadValue,
                                           "a custom colour is a CMYK or RGB colour");
                customs_.add(c.member("name"), document_.addCustomColor(std::move(color)));
            }
        if (auto patterns = swatches.optional("patterns"))
            for (std::size_t k = 0; k < patterns->array().size(); ++k) {
                const Node p = patterns->at(k);
                p.expectObject({"name"});
                patterns_.add(p.required("name"), document_.addPattern(Pattern{p.member("name").string()}));
            }
        if (auto gradients = swatches.optional("gradients"))
            for (std::size_t k = 0; k < gradients->array().size(); ++k)
                readGradient(gradients->at(k));
    }

    void readGradient(const Node &g) {
        g.expectObject({"name", "type", "stops"});
        Gradient gradient;
        gradient.name = g.required("name").string();
        if (auto type = g.optional("type"))
            gradient.kind = static_cast<GradientKind>(type->word(words::kGradientKinds));
        const Node stops = g.required("stops");
        for (std::size_t k = 0; k < stops.array().size(); ++k) {
            const Node s = stops.at(k);
            s.expectObject({"position", "midpoint", "color"});
            gradient.stops.push_back({s.required("position").number(), numberOr(s, "midpoint", 0.5f),
                                      paint(s.required("color"), kSolid | kCustom | kNone)});
        }
        gradients_.add(g.member("name"), document_.addGradient(std::move(gradient)));
    }

    Paint paint(const Node &n, unsigned allowed = kAnyPaint) const {
        if (n.json.is_string() && n.string() == "none" && (allowed & kNone)) return NoPaint{};
        if (!n.json.is_object())
            n.fail(DocumentReadStatus::WrongType, "expected a colour object or \"none\"");
        static constexpr std::array<std::pair<const char *, unsigned>, 6> kinds{{{"gray", kSolid},
                                                                                 {"cmyk", kSolid},
                                                                                 {"rgb", kSolid},
                                                                                 {"custom", kCustom},
                                                                                 {"pattern", kSwatchArt},
                                                                                 {"gradient", kSwatchArt}}};
        const char *kind = nullptr;
        for (const auto &[name, group] : kinds)
            if (n.json.contains(name)) {
                if (kind)
                    n.fail(DocumentReadStatus::BadValue,
                           "a colour has one kind, not both " + std::string(kind) + " and " + name);
                if (!(allowed & group))
                    n.fail(DocumentReadStatus::BadValue,
                           std::string("a ") + name + " colour is not allowed here");
                kind = name;
            }
        if (!kind)
            n.fail(DocumentReadStatus::BadValue,
                   "a colour needs one of gray, cmyk, rgb, custom, pattern or gradient");
        const std::string k = kind;
        if (k == "gray") {
            n.expectObject({"gray"});
            return GrayPaint{n.member("gray").number()};
        }
        if (k == "cmyk") {
            n.expectObject({"cmyk"});
            const auto v = n.member("cmyk").numbers<4>();
            return ProcessPaint{v[0], v[1], v[2], v[3]};
        }
        if (k == "rgb") {
            n.expectObject({"rgb"});
            const auto v = n.member("rgb").numbers<3>();
            return RgbPaint{v[0], v[1], v[2]};
        }
        if (k == "custom") {
            n.expectObject({"custom", "tint"});
            return CustomPaint{customs_.find(n.member("custom")), numberOr(n, "tint", 0)};
        }
        if (k == "pattern") return patternPaint(n);
        return gradientPaint(n);
    }

    PatternPaint patternPaint(const Node &n) const {
        n.expectObject({"pattern", "shiftDistance", "shiftAngle", "scale", "rotate", "reflect",
                        "reflectAngle", "shearAngle", "shearAxis", "transform"});
        PatternPaint p;
        p.pattern = patterns_.find(n.member("pattern"));
        p.shiftDistance = numberOr(n, "shiftDistance", 0);
        p.shiftAngle = numberOr(n, "shiftAngle", 0);
        if (auto scale = n.optional("scale")) p.scale = point(*scale);
        p.rotate = numberOr(n, "rotate", 0);
        p.reflect = flagOr(n, "reflect", false);
        p.reflectAngle = numberOr(n, "reflectAngle", 0);
        p.shearAngle = numberOr(n, "shearAngle", 0);
        p.shearAxis = numberOr(n, "shearAxis", 0);
        if (auto transform = n.optional("transform")) p.transform = matrix(*transform);
        return p;
    }

    GradientPaint gradientPaint(const Node &n) const {
        n.expectObject({"gradient", "frame", "origin", "angle", "length", "matrix", "highlightAngle",
                        "highlightLength"});
        GradientPaint g;
        g.gradient = gradients_.find(n.member("gradient"));
        if (auto frame = n.optional("frame")) g.frame = point(*frame);
        if (auto origin = n.optional("origin")) g.origin = point(*origin);
        g.angle = numberOr(n, "angle", 0);
        g.length = numberOr(n, "length", 0);
        if (auto m = n.optional("matrix")) g.matrix = matrix(*m);
        g.highlightAngle = numberOr(n, "highlightAngle", 0);
        g.highlightLength = numberOr(n, "highlightLength", 0);
        return g;
    }

    PathStyle style(const Node &n) const {
        n.expectObject({"fill", "stroke", "clip", "lockClip", "evenOdd", "resolution"});
        PathStyle s;
        if (auto fill = n.optional("fill")) {
            fill->expectObject({"painted", "paint", "overprint"});
            s.fill.paint = fill->optional("paint") ? paint(fill->member("paint")) : Paint{GrayPaint{}};
            s.fillPainted = flagOr(*fill, "painted", true);
            s.fill.overprint = flagOr(*fill, "overprint", false);
        }
        if (auto stroke = n.optional("stroke")) readStroke(*stroke, s);
        s.clip = flagOr(n, "clip", false);
        s.lockClip = flagOr(n, "lockClip", false);
        s.evenOdd = flagOr(n, "evenOdd", false);
        s.resolution = numberOr(n, "resolution", 800);
        return s;
    }

    void readStroke(const Node &n, PathStyle &s) const {
        n.expectObject({"painted", "paint", "overprint", "width", "dash", "cap", "join", "miterLimit"});
        Stroke &stroke = s.stroke;
        stroke.paint = n.optional("paint") ? paint(n.member("paint")) : Paint{GrayPaint{}};
        s.strokePainted = flagOr(n, "painted", true);
        stroke.overprint = flagOr(n, "overprint", false);
        stroke.width = numberOr(n, "width", 1);
        if (auto dash = n.optional("dash")) {
            dash->expectObject({"count", "offset", "lengths"});
            const Node lengths = dash->required("lengths");
            if (lengths.array().size() > stroke.dash.lengths.size())
                lengths.fail(DocumentReadStatus::BadValue, "at most 6 dash lengths");
            for (std::size_t k = 0; k < lengths.array().size(); ++k)
                stroke.dash.lengths[k] = lengths.at(k).number();
            stroke.dash.count = dash->optional("count") ? dash->member("count").integer<std::int16_t>()
                                                        : static_cast<std::int16_t>(lengths.array().size());
            stroke.dash.offset = numberOr(*dash, "offset", 0);
        }
        if (auto cap = n.optional("cap")) stroke.cap = static_cast<LineCap>(cap->word(words::kLineCaps));
        if (auto join = n.optional("join"))
            stroke.join = static_cast<LineJoin>(join->word(words::kLineJoins));
        stroke.miterLimit = numberOr(n, "miterLimit", 4);
    }

    // The members every art has, the layer's own group included.
    void readCommon(const Node &n, ArtId id) {
        std::uint32_t attributes = 0;
        for (const auto &[name, bit] : words::kAttributeNames)
            if (flagOr(n, std::string(name).c_str(), false)) attributes |= bit;
        if (auto other = n.optional("otherAttributes")) {
            const auto bits = other->integer<std::uint32_t>();
            for (const auto &[name, bit] : words::kAttributeNames)
                if (bits & bit)
                    other->fail(DocumentReadStatus::BadValue,
                                "the " + std::string(name) + " bit has its own member");
            attributes |= bits;
        }
        // Through the document, which keeps its selection and its marks in
        // order; the fully-selected mark is given at the end, in its order.
        Art &art = *document_.art(id);
        document_.setAttributes(art, ~std::uint32_t(kFullySelected), attributes);
        const bool carriesMark = (attributes & kFullySelected) != 0;
        std::optional<std::uint64_t> rank;
        if (auto order = n.optional("fullySelectedOrder")) {
            rank = order->integer<std::uint64_t>();
            if (*rank == 0) order->fail(DocumentReadStatus::BadValue, "the order counts from 1");
        }
        if (rank || carriesMark)
            marked_.emplace_back(rank.value_or(std::numeric_limits<std::uint64_t>::max()), marked_.size(), id,
                                 carriesMark);
        if (auto tags = n.optional("tags")) {
            if (!tags->json.is_object()) tags->fail(DocumentReadStatus::WrongType, "expected an object");
            for (const auto &item : tags->json.items()) {
                const Node tag = tags->member(item.key());
                if (tag.json.is_string()) {
                    art.tags[item.key()] = Tag{"string", tag.string()};
                } else {
                    tag.expectObject({"type", "value"});
                    art.tags[item.key()] = Tag{tag.required("type").string(), tag.required("value").string()};
                }
            }
        }
    }

    void readLayer(const Node &n) {
        n.expectObject({"title", "locked", "hidden", "group", "art"});
        Layer &layer = document_.insertLayer(document_.layers().size(), n.required("title").string());
        layer.editable = !flagOr(n, "locked", false);
        layer.visible = !flagOr(n, "hidden", false);
        const ArtId group = layer.group;
        if (auto own = n.optional("group")) {
            own->expectObject({"selected", "locked", "hidden", "fullySelected", "otherAttributes",
                               "fullySelectedOrder", "tags"});
            readCommon(*own, group);
        }
        if (auto art = n.optional("art")) readChildren(*art, group);
    }

    void readChildren(const Node &list, ArtId group) {
        for (std::size_t k = 0; k < list.array().size(); ++k)
            readArt(list.at(k), group);
    }

    void readArt(const Node &n, ArtId parent) {
        if (!n.json.is_object()) n.fail(DocumentReadStatus::WrongType, "expected an object");
        static constexpr std::array<std::string_view, 3> kTypes{"group", "path", "text"};
        const std::size_t type = n.required("type").word(kTypes);
        if (type == 0) {
            n.expectObject({"type", "selected", "locked", "hidden", "fullySelected", "otherAttributes",
                            "fullySelectedOrder", "tags", "art"});
            const ArtId id = document_.addArt(parent, Group{}).id;
            readCommon(n, id);
            if (auto art = n.optional("art")) readChildren(*art, id);
        } else if (type == 1) {
            n.expectObject({"type", "selected", "locked", "hidden", "fullySelected", "otherAttributes",
                            "fullySelectedOrder", "tags", "closed", "centerPointVisible", "segments",
                            "style"});
            PathShape shape;
            shape.closed = flagOr(n, "closed", false);
            shape.centerPointVisible = flagOr(n, "centerPointVisible", shape.centerPointVisible);
            if (auto segments = n.optional("segments"))
                for (std::size_t k = 0; k < segments->array().size(); ++k)
                    shape.segments.push_back(segment(segments->at(k)));
            if (auto s = n.optional("style")) shape.style = style(*s);
            readCommon(n, document_.addArt(parent, std::move(shape)).id);
        } else {
            n.expectObject({"type", "selected", "locked", "hidden", "fullySelected", "otherAttributes",
                            "fullySelectedOrder", "tags", "anchor", "runs", "paragraph"});
            TextFrame frame;
            frame.anchor = point(n.required("anchor"));
            if (auto runs = n.optional("runs"))
                for (std::size_t k = 0; k < runs->array().size(); ++k)
                    frame.story.runs.push_back(textRun(runs->at(k)));
            if (auto p = n.optional("paragraph")) frame.story.paragraph = paragraph(*p);
            readCommon(n, document_.addArt(parent, std::move(frame)).id);
        }
    }

    static PathSegment segment(const Node &n) {
        n.expectObject({"anchor", "in", "out", "corner"});
        PathSegment s;
        s.anchor = point(n.required("anchor"));
        s.in = n.optional("in") ? point(n.member("in")) : s.anchor;
        s.out = n.optional("out") ? point(n.member("out")) : s.anchor;
        s.corner = flagOr(n, "corner", false);
        return s;
    }

    TextRun textRun(const Node &n) const {
        n.expectObject({"text", "font", "size", "tracking", "baselineShift", "fill"});
        TextRun run;
        run.text = utf8ToUtf16(n.required("text").string());
        CharFeatures &f = run.features;
        if (auto font = n.optional("font")) f.font = font->string();
        if (auto size = n.optional("size")) f.size = size->number();
        if (auto tracking = n.optional("tracking")) f.tracking = tracking->integer<std::int32_t>();
        if (auto shift = n.optional("baselineShift")) f.baselineShift = shift->number();
        if (auto fill = n.optional("fill")) f.fill = paint(*fill);
        return run;
    }

    static ParagraphFeatures paragraph(const Node &n) {
        n.expectObject({"justification", "firstLineIndent", "startIndent", "leading"});
        ParagraphFeatures p;
        if (auto j = n.optional("justification"))
            p.justification = static_cast<Justification>(j->word(words::kJustifications));
        if (auto first = n.optional("firstLineIndent")) p.firstLineIndent = first->number();
        if (auto start = n.optional("startIndent")) p.startIndent = start->number();
        if (auto l = n.optional("leading")) p.leading = static_cast<Leading>(l->word(words::kLeadings));
        return p;
    }

    // Gives the fully-selected mark again in the recorded order, so that the
    // document's notion of the most recently marked art is what was saved.
    void replayFullySelected() {
        std::sort(marked_.begin(), marked_.end());
        for (const auto &[rank, sequence, id, carriesMark] : marked_) {
            Art &art = *document_.art(id);
            document_.setAttributes(art, kFullySelected, kFullySelected);
            // A mark since cleared keeps its moment, not its place in the index.
            if (!carriesMark) document_.setAttributes(art, kFullySelected, 0);
        }
    }

    Document document_;
    SwatchIndex<CustomColorId> customs_;
    SwatchIndex<PatternId> patterns_;
    SwatchIndex<GradientId> gradients_;
    std::vector<std::tuple<std::uint64_t, std::size_t, ArtId, bool>> marked_;
};

// Collects the parsed value like the library's own parser, but keeps the
// byte offset of a syntax error instead of throwing.
class PositionedParser : public nlohmann::detail::json_sax_dom_parser<Json> {
  public:
    explicit PositionedParser(Json &result) : json_sax_dom_parser(result, false) {}
    std::optional<DocumentReadError> error;
    bool tooDeep = false; // stopped where values nest deeper than kMaxDocumentNesting

    bool start_object(std::size_t elements) { return enter() && json_sax_dom_parser::start_object(elements); }
    bool start_array(std::size_t elements) { return enter() && json_sax_dom_parser::start_array(elements); }
    bool end_object() {
        --depth_;
        return json_sax_dom_parser::end_object();
    }
    bool end_array() {
        --depth_;
        return json_sax_dom_parser::end_array();
    }

    // `position` counts the bytes read: for a syntax error the offending
    // byte is the last of them; a number too large for a double is reported
    // once it has been read whole, so it starts `token` bytes earlier.
    bool parse_error(std::size_t position, const std::string &token, const nlohmann::detail::exception &e) {
        const bool wholeToken = dynamic_cast<const nlohmann::detail::out_of_range *>(&e) != nullptr;
        const std::size_t offset = wholeToken ? position - std::min(position, token.size())
                                              : position - std::min<std::size_t>(position, 1);
        error = DocumentReadError{DocumentReadStatus::NotJson, offset, reasonOf(e.what())};
        return false;
    }

  private:
    bool enter() {
        if (++depth_ <= kMaxDocumentNesting) return true;
        tooDeep = true;
        return false;
    }
    std::size_t depth_ = 0;

    // "[json.exception.parse_error.101] parse error at line 1, column 6:
    // syntax error while parsing object - unexpected '}'; expected ':'"
    // becomes "unexpected '}'; expected ':'".
    static std::string reasonOf(std::string message) {
        if (auto end = message.find("] "); message.front() == '[' && end != std::string::npos)
            message.erase(0, end + 2);
        if (message.rfind("parse error", 0) == 0)
            if (auto colon = message.find(": "); colon != std::string::npos) message.erase(0, colon + 2);
        if (auto dash = message.find(" - ");
            message.rfind("syntax error", 0) == 0 && dash != std::string::npos)
            message.erase(0, dash + 3);
        return message;
    }
};

} // namespace

JsonDocumentRead readJsonDocument(std::string_view text) {
    Json json;
    PositionedParser parser(json);
    Json::sax_parse(text, &parser);
    if (parser.tooDeep)
        return {std::nullopt,
                {DocumentReadStatus::TooDeep, firstDeeperThan(text, kMaxDocumentNesting).value_or(0),
                 "deeper than " + std::to_string(kMaxDocumentNesting) + " levels"}};
    if (parser.error) return {std::nullopt, *parser.error};
    try {
        return {Reader().read(Node{json}), {}};
    } catch (const Fault &fault) {
        return {std::nullopt, {fault.status, offsetOf(text, fault.path, fault.atName), fault.detail}};
    }
}

JsonDocumentFileRead readJsonDocumentFile(const std::filesystem::path &file, std::size_t maxBytes) {
    JsonDocumentFileRead result;
    SmallFileRead read = readSmallRegularFile(file, maxBytes);
    if (!read.bytes) {
        result.error = {DocumentReadStatus::Unreadable, std::nullopt,
                        read.missing() ? "there is no such file" : read.refusal};
        return result;
    }
    result.text = std::move(*read.bytes);
    static_cast<JsonDocumentRead &>(result) = readJsonDocument(result.text);
    return result;
}

} // namespace vyn::host
