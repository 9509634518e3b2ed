#include "document/JsonDocumentWriter.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include <nlohmann/json.hpp>

#include "document/DocumentFormatWords.h"
#include "files/AtomicFile.h"
#include "text/Utf.h"

namespace vyn::host {
namespace {

using Json = nlohmann::ordered_json;
namespace words = documentformat;

// A document the format cannot hold; caught once, at the top.
struct Unwritable {
    std::string why;
};

Json number(float value) {
    if (std::isnan(value)) return words::kNotANumber;
    if (std::isinf(value)) return value > 0 ? words::kInfinity : words::kMinusInfinity;
    // The shortest decimal of the float, held as the double it reads as:
    // the library writes that double's shortest decimal, which is the same.
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits - 1, value).ptr;
    *end = '\0';
    return std::strtod(digits, nullptr);
}

bool sameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

void putNumber(Json &object, const char *name, float value, float byDefault) {
    if (!sameBits(value, byDefault)) object[name] = number(value);
}

void putFlag(Json &object, const char *name, bool value) {
    if (value) object[name] = true;
}

template <std::size_t N, class Enum>
std::string_view word(const std::array<std::string_view, N> &table, Enum value) {
    return table.at(static_cast<std::size_t>(value));
}

Json point(Point p) { return Json::array({number(p.h), number(p.v)}); }
Json matrix(const Matrix &m) {
    return Json::array({number(m.a), number(m.b), number(m.c), number(m.d), number(m.tx), number(m.ty)});
}

// Swatch ids to their names, checking that no name repeats within a kind.
template <class Id> class SwatchNames {
  public:
    void add(Id id, const std::string &name, const char *kind) {
        if (!taken_.insert(name).second)
            throw Unwritable{std::string("two ") + kind + " swatches are named " + name};
        names_.emplace(id, name);
    }
    const std::string &of(Id id) const {
        auto it = names_.find(id);
        if (it == names_.end()) throw Unwritable{"a paint refers to a swatch the document does not have"};
        return it->second;
    }

  private:
    std::unordered_map<Id, std::string> names_;
    std::unordered_set<std::string> taken_; // the names, to refuse a second of one kind at once
};

class Writer {
  public:
    explicit Writer(const Document &document) : document_(document) {}

    // The document, streamed to `sink`: the head and swatches whole, then
    // each layer and group piece by piece, so that no more than one path or
    // text frame is held as JSON at a time. Everything that can refuse the
    // document is checked before the first byte.
    void write(ByteSink &sink) {
        Json head = Json::object();
        head["format"] = words::kFormatName;
        head["version"] = words::kFormatVersion;
        head["colorModel"] = word(words::kColorModels, document_.colorModel);
        head["artboards"] = Json::array();
        for (const Artboard &board : document_.artboards)
            head["artboards"].push_back(artboard(board));
        if (document_.activeArtboard != 0) head["activeArtboard"] = document_.activeArtboard;
        head["swatches"] = swatches();
        rankFullySelected();
        for (const Layer &l : document_.layers())
            checkPaints(l.group);

        BufferedSink out(sink);
        openObject(out, head, "");
        out.write(",\n  \"layers\": ");
        streamArray(out, document_.layers(), "  ", [&](const Layer &l, const std::string &indent) {
            Json own = {{"title", l.title}};
            putFlag(own, "locked", !l.editable);
            putFlag(own, "hidden", !l.visible);
            const Art &group = *document_.art(l.group);
            Json common_ = Json::object();
            common(group, common_);
            if (!common_.empty()) own["group"] = std::move(common_);
            streamWithArt(out, own, *group.group(), indent);
        });
        out.write("\n}\n");
    }

  private:
    static Json artboard(const Artboard &board) {
        Json out = Json::object();
        out["name"] = board.name;
        const Rect &r = board.bounds;
        out["bounds"] = Json::array({number(r.left), number(r.top), number(r.right), number(r.bottom)});
        return out;
    }

    Json swatches() {
        Json out = Json::object();
        Json &customs = out["customColors"] = Json::array();
        for (CustomColorId id : document_.customColorIds()) {
            const CustomColor &c = *document_.customColor(id);
            customNames_.add(id, c.name, "custom colour");
            Json entry = {{"name", c.name}, {"kind", word(words::kCustomColorKinds, c.kind)}};
            entry["color"] = std::visit([this](const auto &p) { return paint(Paint{p}); }, c.color);
            customs.push_back(std::move(entry));
        }
        Json &patterns = out["patterns"] = Json::array();
        for (PatternId id : document_.patternIds()) {
            patternNames_.add(id, document_.pattern(id)->name, "pattern");
            patterns.push_back(Json{{"name", document_.pattern(id)->name}});
        }
        // Gradient stops may name custom colours, never gradients, so every
        // name a stop can use is known by now.
        Json &gradients = out["gradients"] = Json::array();
        for (GradientId id : document_.gradientIds()) {
            const Gradient &g = *document_.gradient(id);
            gradientNames_.add(id, g.name, "gradient");
            Json entry = {{"name", g.name}, {"type", word(words::kGradientKinds, g.kind)}};
            entry["stops"] = Json::array();
            for (const GradientStop &stop : g.stops) {
                if (std::holds_alternative<PatternPaint>(stop.color) ||
                    std::holds_alternative<GradientPaint>(stop.color))
                    throw Unwritable{"a gradient stop holds a pattern or a gradient"};
                Json s = {{"position", number(stop.position)}};
                putNumber(s, "midpoint", stop.midpoint, 0.5f);
                s["color"] = paint(stop.color);
                entry["stops"].push_back(std::move(s));
            }
            gradients.push_back(std::move(entry));
        }
        return out;
    }

    Json paint(const Paint &p) const {
        Json out = Json::object();
        switch (p.index()) {
        case 0: out["gray"] = number(std::get<GrayPaint>(p).gray); break;
        case 1: {
            const auto &c = std::get<ProcessPaint>(p);
            out["cmyk"] = Json::array({number(c.cyan), number(c.magenta), number(c.yellow), number(c.black)});
            break;
        }
        case 2: {
            const auto &pp = std::get<PatternPaint>(p);
            out["pattern"] = patternNames_.of(pp.pattern);
            putNumber(out, "shiftDistance", pp.shiftDistance, 0);
            putNumber(out, "shiftAngle", pp.shiftAngle, 0);
            if (!sameBits(pp.scale.h, 1) || !sameBits(pp.scale.v, 1)) out["scale"] = point(pp.scale);
            putNumber(out, "rotate", pp.rotate, 0);
            putFlag(out, "reflect", pp.reflect);
            putNumber(out, "reflectAngle", pp.reflectAngle, 0);
            putNumber(out, "shearAngle", pp.shearAngle, 0);
            putNumber(out, "shearAxis", pp.shearAxis, 0);
            if (matrix(pp.transform) != matrix(Matrix{})) out["transform"] = matrix(pp.transform);
            break;
        }
        case 3: {
            const auto &c = std::get<CustomPaint>(p);
            out["custom"] = customNames_.of(c.color);
            putNumber(out, "tint", c.tint, 0);
            break;
        }
        case 4: {
            const auto &g = std::get<GradientPaint>(p);
            out["gradient"] = gradientNames_.of(g.gradient);
            if (point(g.frame) != point(Point{})) out["frame"] = point(g.frame);
            if (point(g.origin) != point(Point{})) out["origin"] = point(g.origin);
            putNumber(out, "angle", g.angle, 0);
            putNumber(out, "length", g.length, 0);
            if (matrix(g.matrix) != matrix(Matrix{})) out["matrix"] = matrix(g.matrix);
            putNumber(out, "highlightAngle", g.highlightAngle, 0);
            putNumber(out, "highlightLength", g.highlightLength, 0);
            break;
        }
        case 5: {
            const auto &c = std::get<RgbPaint>(p);
            out["rgb"] = Json::array({number(c.red), number(c.green), number(c.blue)});
            break;
        }
        default: return "none";
        }
        return out;
    }

    Json style(const PathStyle &s) const {
        Json out = Json::object();
        Json &fill = out["fill"] = Json::object();
        fill["painted"] = s.fillPainted;
        fill["paint"] = paint(s.fill.paint);
        putFlag(fill, "overprint", s.fill.overprint);

        Json &stroke = out["stroke"] = Json::object();
        stroke["painted"] = s.strokePainted;
        stroke["paint"] = paint(s.stroke.paint);
        putFlag(stroke, "overprint", s.stroke.overprint);
        putNumber(stroke, "width", s.stroke.width, 1);
        const Dash &dash = s.stroke.dash;
        const bool plainDash = dash.count == 0 && sameBits(dash.offset, 0) &&
                               std::all_of(dash.lengths.begin(), dash.lengths.end(),
                                           [](float length) { return sameBits(length, 0); });
        if (!plainDash) {
            Json &d = stroke["dash"] = Json::object();
            d["count"] = dash.count;
            putNumber(d, "offset", dash.offset, 0);
            std::size_t used = dash.lengths.size();
            while (used > 0 && sameBits(dash.lengths[used - 1], 0))
                --used;
            d["lengths"] = Json::array();
            for (std::size_t k = 0; k < used; ++k)
                d["lengths"].push_back(number(dash.lengths[k]));
        }
        if (s.stroke.cap != LineCap::Butt) stroke["cap"] = word(words::kLineCaps, s.stroke.cap);
        if (s.stroke.join != LineJoin::Miter) stroke["join"] = word(words::kLineJoins, s.stroke.join);
        putNumber(stroke, "miterLimit", s.stroke.miterLimit, 4);

        putFlag(out, "clip", s.clip);
        putFlag(out, "lockClip", s.lockClip);
        putFlag(out, "evenOdd", s.evenOdd);
        putNumber(out, "resolution", s.resolution, 800);
        return out;
    }

    // The order in which art was last given the fully-selected mark, as
    // ranks 1, 2, …: the model's own counter is not kept.
    void rankFullySelected() {
        std::vector<std::pair<std::uint64_t, ArtId>> marked;
        for (const Layer &l : document_.layers())
            collectMarked(l.group, marked);
        std::sort(marked.begin(), marked.end());
        for (std::size_t k = 0; k < marked.size(); ++k)
            fullySelectedRank_[marked[k].second] = k + 1;
    }

    void collectMarked(ArtId id, std::vector<std::pair<std::uint64_t, ArtId>> &marked) const {
        const Art &a = *document_.art(id);
        if (a.fullySelectedAt != 0) marked.emplace_back(a.fullySelectedAt, id);
        if (const Group *g = a.group())
            for (ArtId child : g->children)
                collectMarked(child, marked);
    }

    // The members every art has, the layer's own group included.
    void common(const Art &a, Json &out) const {
        std::uint32_t other = a.attributes;
        for (const auto &[name, bit] : words::kAttributeNames) {
            putFlag(out, name.data(), (a.attributes & bit) != 0);
            other &= ~static_cast<std::uint32_t>(bit);
        }
        if (other != 0) out["otherAttributes"] = other;
        if (auto it = fullySelectedRank_.find(a.id); it != fullySelectedRank_.end())
            out["fullySelectedOrder"] = it->second;
        if (!a.tags.empty()) {
            Json &tags = out["tags"] = Json::object();
            for (const auto &[name, tag] : a.tags)
                tags[name] =
                    tag.type == "string" ? Json(tag.value) : Json{{"type", tag.type}, {"value", tag.value}};
        }
    }

    Json art(ArtId id) const {
        const Art &a = *document_.art(id);
        Json out = Json::object();
        if (const PathShape *p = a.path()) {
            out["type"] = "path";
            common(a, out);
            putFlag(out, "closed", p->closed);
            if (p->centerPointVisible != PathShape{}.centerPointVisible)
                out["centerPointVisible"] = p->centerPointVisible;
            out["segments"] = Json::array();
            for (const PathSegment &s : p->segments)
                out["segments"].push_back(segment(s));
            out["style"] = style(p->style);
        } else {
            const TextFrame &t = *a.textFrame();
            out["type"] = "text";
            common(a, out);
            out["anchor"] = point(t.anchor);
            out["runs"] = Json::array();
            for (const TextRun &run : t.story.runs)
                out["runs"].push_back(textRun(run));
            Json paragraph = paragraphFeatures(t.story.paragraph);
            if (!paragraph.empty()) out["paragraph"] = std::move(paragraph);
        }
        return out;
    }

    // `object` (not empty) dumped at `indent`, without its closing brace.
    static void openObject(ByteSink &out, const Json &object, const std::string &indent) {
        std::string text = object.dump(2, ' ', false, Json::error_handler_t::replace);
        text.resize(text.size() - 2); // "\n}"
        out.write(indented(text, indent));
    }

    // `json` dumped as a member at `indent`: a JSON string has no raw line
    // break, so every line break of the dump is one of the layout's.
    static std::string indented(const std::string &text, const std::string &indent) {
        if (indent.empty()) return text;
        std::string out;
        out.reserve(text.size());
        for (char c : text) {
            out += c;
            if (c == '\n') out += indent;
        }
        return out;
    }

    // An array of the `items` at `indent`, as the library lays one out;
    // `element(item, its indent)` writes each.
    template <class Items, class Element>
    static void streamArray(ByteSink &out, const Items &items, const std::string &indent, Element &&element) {
        if (items.begin() == items.end()) {
            out.write("[]");
            return;
        }
        const std::string inner = indent + "  ";
        out.write("[");
        bool first = true;
        for (const auto &item : items) {
            out.write(first ? "\n" : ",\n");
            first = false;
            out.write(inner);
            element(item, inner);
        }
        out.write("\n");
        out.write(indent);
        out.write("]");
    }

    // `own` with a last member "art": the children of `group`, streamed.
    void streamWithArt(ByteSink &out, const Json &own, const Group &group, const std::string &indent) const {
        openObject(out, own, indent);
        out.write(",\n");
        out.write(indent);
        out.write("  \"art\": ");
        streamArray(out, group.children, indent + "  ",
                    [&](ArtId child, const std::string &inner) { streamArt(out, child, inner); });
        out.write("\n");
        out.write(indent);
        out.write("}");
    }

    void streamArt(ByteSink &out, ArtId id, const std::string &indent) const {
        const Art &a = *document_.art(id);
        if (const Group *g = a.group()) {
            Json own = {{"type", "group"}};
            common(a, own);
            streamWithArt(out, own, *g, indent);
        } else {
            out.write(indented(art(id).dump(2, ' ', false, Json::error_handler_t::replace), indent));
        }
    }

    // Refuses, before anything is written, a paint that names a swatch the
    // document does not have.
    void checkPaints(ArtId id) const {
        const Art &a = *document_.art(id);
        if (const Group *g = a.group()) {
            for (ArtId child : g->children)
                checkPaints(child);
        } else if (const PathShape *p = a.path()) {
            paint(p->style.fill.paint);
            paint(p->style.stroke.paint);
        } else if (const TextFrame *t = a.textFrame()) {
            for (const TextRun &run : t->story.runs)
                if (run.features.fill) paint(*run.features.fill);
        }
    }

    static Json segment(const PathSegment &s) {
        Json out = {{"anchor", point(s.anchor)}};
        if (point(s.in) != point(s.anchor)) out["in"] = point(s.in);
        if (point(s.out) != point(s.anchor)) out["out"] = point(s.out);
        putFlag(out, "corner", s.corner);
        return out;
    }

    Json textRun(const TextRun &run) const {
        Json out = {{"text", utf16ToUtf8(run.text)}};
        const CharFeatures &f = run.features;
        if (!f.font.empty()) out["font"] = f.font;
        if (f.size) out["size"] = number(*f.size);
        if (f.tracking) out["tracking"] = *f.tracking;
        if (f.baselineShift) out["baselineShift"] = number(*f.baselineShift);
        if (f.fill) out["fill"] = paint(*f.fill);
        return out;
    }

    static Json paragraphFeatures(const ParagraphFeatures &p) {
        Json out = Json::object();
        if (p.justification) out["justification"] = word(words::kJustifications, *p.justification);
        if (p.firstLineIndent) out["firstLineIndent"] = number(*p.firstLineIndent);
        if (p.startIndent) out["startIndent"] = number(*p.startIndent);
        if (p.leading) out["leading"] = word(words::kLeadings, *p.leading);
        return out;
    }

    const Document &document_;
    SwatchNames<CustomColorId> customNames_;
    SwatchNames<PatternId> patternNames_;
    SwatchNames<GradientId> gradientNames_;
    std::map<ArtId, std::size_t> fullySelectedRank_;
};

} // namespace

std::optional<FileWriteError> writeJsonDocument(const Document &document, ByteSink &sink) {
    try {
        Writer(document).write(sink);
    } catch (const Unwritable &refused) {
        return FileWriteError{{}, refused.why};
    }
    return std::nullopt;
}

std::optional<FileWriteError> writeJsonDocumentFile(const Document &document,
                                                    const std::filesystem::path &file) {
    AtomicFile out(file);
    if (auto refused = writeJsonDocument(document, out)) return refused;
    return out.commit();
}

} // namespace vyn::host
