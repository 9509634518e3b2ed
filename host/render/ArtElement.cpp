#include "render/ArtElement.h"

#include "render/PathElement.h"
#include "render/Presentation.h"
#include "render/SvgMarkup.h"
#include "render/TextElement.h"

namespace vyn::host {
namespace {

void appendTagAttributes(std::string &out, const Art &art, SvgArtWriting &writing) {
    for (const auto &[name, tag] : art.tags) {
        if (!isPlainXmlNamePart(name)) continue;
        out += ' ';
        out += writing.tagAttributePrefix;
        out += name;
        out += "=\"";
        appendXmlEscaped(out, tag.value, true);
        out += '"';
        writing.usedTags = true;
    }
}

void appendStateAttributes(std::string &out, bool hidden, bool locked, SvgArtWriting &writing) {
    // Important presentation states it with the rest (Presentation::setShown).
    if (hidden && !writing.importantStyle) appendAttribute(out, "style", "display:none");
    if (locked && writing.markLocks) {
        appendAttribute(out, "sodipodi:insensitive", "true");
        writing.usedSodipodi = true;
    }
}

void appendMarkAttributes(std::string &out, const Art &art, SvgArtWriting &writing) {
    appendStateAttributes(out, art.attributes & kHidden, art.attributes & kLocked, writing);
    if (!writing.tagAttributePrefix.empty()) appendTagAttributes(out, art, writing);
}

void appendShown(std::string &out, bool hidden, const SvgArtWriting &writing) {
    Presentation p(out, writing.importantStyle);
    p.setShown(hidden);
    p.end();
}

bool shown(const Art *art, const SvgArtWriting &writing) {
    return art && (!(art->attributes & kHidden) || writing.keepHidden);
}

// Whether a group writes an element. An empty group draws nothing, and
// leaving it out matters in the chart layer: a build in a new process
// cannot dispose of the group an earlier run emptied, and it would
// otherwise pile up, run after run. A tagged one stays, as an empty
// element, so its tags are not lost. Asked before anything of the group is
// written, so that what is written is never taken back.
bool groupHasContent(const Document &document, const Group &group, const SvgArtWriting &writing) {
    for (ArtId child : group.children) {
        const Art *art = document.art(child);
        if (!shown(art, writing)) continue;
        const Group *inner = art->group();
        if (!inner || !art->tags.empty() || groupHasContent(document, *inner, writing)) return true;
    }
    return false;
}

void writeGroup(const Document &document, const Art &art, const Group &group, std::string &out,
                const std::string &indent, SvgArtWriting &writing) {
    const bool content = groupHasContent(document, group, writing);
    if (!content && art.tags.empty()) {
        // Nothing is written, but the namespaces its marks would use are
        // declared all the same, as for every group.
        writing.scratch.clear();
        appendMarkAttributes(writing.scratch, art, writing);
        return;
    }
    out += indent;
    out += "<g";
    appendShown(out, art.attributes & kHidden, writing);
    appendMarkAttributes(out, art, writing);
    if (!content) {
        out += "/>";
        out += writing.newline;
        return;
    }
    out += '>';
    out += writing.newline;
    const std::string childIndent = indent + writing.indentUnit;
    for (ArtId child : group.children)
        writeArtElement(document, child, out, childIndent, writing);
    out += indent;
    out += "</g>";
    out += writing.newline;
}

// Moves what is written so far to the writer's pieces once it is big
// enough: a layer of tens of megabytes is then held once, in pieces, and
// never copied as one string grows.
void spillIfBig(std::string &out, SvgArtWriting &writing) {
    constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
    if (!writing.pieces || out.size() < kPieceBytes) return;
    writing.pieces->push_back(std::move(out));
    out.clear();
}

} // namespace

void writeArtElement(const Document &document, ArtId id, std::string &out, const std::string &indent,
                     SvgArtWriting &writing) {
    const Art *art = document.art(id);
    if (!shown(art, writing)) return;
    if (const Group *group = art->group()) {
        writeGroup(document, *art, *group, out, indent, writing);
    } else if (const PathShape *path = art->path()) {
        out += indent;
        out += "<path d=\"";
        appendPathData(out, *path);
        out += '"';
        Presentation p(out, writing.importantStyle);
        setPathStyle(p, path->style, writing.paints);
        p.setShown(art->attributes & kHidden);
        p.end();
        appendMarkAttributes(out, *art, writing);
        out += "/>";
        out += writing.newline;
    } else if (const TextFrame *text = art->textFrame()) {
        std::string &marks = writing.scratch;
        marks.clear();
        appendMarkAttributes(marks, *art, writing);
        out += indent;
        appendTextElement(out, *text,
                          {.marks = marks,
                           .important = writing.importantStyle,
                           .hidden = (art->attributes & kHidden) != 0},
                          writing.paints);
        out += writing.newline;
    }
    spillIfBig(out, writing);
}

std::string layerAttributes(const Document &document, const Layer &layer, SvgArtWriting &writing) {
    std::string out;
    appendAttribute(out, "inkscape:groupmode", "layer");
    out += " inkscape:label=\"";
    appendXmlEscaped(out, layer.title, true);
    out += '"';
    // The layer's own group has no element of its own: its marks are the
    // layer's.
    const Art *group = document.art(layer.group);
    const std::uint32_t marks = group ? group->attributes : 0;
    const bool hidden = !layer.visible || (marks & kHidden);
    appendShown(out, hidden, writing);
    appendStateAttributes(out, hidden, !layer.editable || (marks & kLocked), writing);
    if (group && !writing.tagAttributePrefix.empty()) appendTagAttributes(out, *group, writing);
    return out;
}

void writeLayerArt(const Document &document, const Layer &layer, std::string &out, const std::string &indent,
                   SvgArtWriting &writing) {
    const Art *group = document.art(layer.group);
    if (!group || !group->group()) return;
    if ((!layer.visible || (group->attributes & kHidden)) && !writing.keepHidden) return;
    for (ArtId child : group->group()->children)
        writeArtElement(document, child, out, indent, writing);
}

} // namespace vyn::host
