#include "render/ArtElement.h"

#include "render/PathElement.h"
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
    if (hidden) appendAttribute(out, "style", "display:none");
    if (locked && writing.markLocks) {
        appendAttribute(out, "sodipodi:insensitive", "true");
        writing.usedSodipodi = true;
    }
}

void appendMarkAttributes(std::string &out, const Art &art, SvgArtWriting &writing) {
    appendStateAttributes(out, art.attributes & kHidden, art.attributes & kLocked, writing);
    if (!writing.tagAttributePrefix.empty()) appendTagAttributes(out, art, writing);
}

void writeGroup(const Document &document, const Art &art, const Group &group, std::string &out,
                const std::string &indent, SvgArtWriting &writing) {
    const std::size_t start = out.size();
    out += indent;
    out += "<g";
    appendMarkAttributes(out, art, writing);
    const std::size_t startTagEnd = out.size();
    out += '>';
    out += writing.newline;
    const std::size_t childrenStart = out.size();
    const std::string childIndent = indent + writing.indentUnit;
    for (ArtId child : group.children)
        writeArtElement(document, child, out, childIndent, writing);
    // An empty group draws nothing. Leaving it out matters in the chart
    // layer: a build in a new process cannot dispose of the group an earlier
    // run emptied, and it would otherwise pile up, run after run. A tagged
    // one stays, as an empty element, so its tags are not lost.
    if (out.size() == childrenStart) {
        if (art.tags.empty()) {
            out.resize(start);
            return;
        }
        out.resize(startTagEnd);
        out += "/>";
        out += writing.newline;
        return;
    }
    out += indent;
    out += "</g>";
    out += writing.newline;
}

} // namespace

void writeArtElement(const Document &document, ArtId id, std::string &out, const std::string &indent,
                     SvgArtWriting &writing) {
    const Art *art = document.art(id);
    if (!art || ((art->attributes & kHidden) && !writing.keepHidden)) return;
    if (const Group *group = art->group()) {
        writeGroup(document, *art, *group, out, indent, writing);
    } else if (const PathShape *path = art->path()) {
        out += indent;
        out += "<path d=\"";
        appendPathData(out, *path);
        out += '"';
        appendPathStyleAttributes(out, path->style, writing.paints);
        appendMarkAttributes(out, *art, writing);
        out += "/>";
        out += writing.newline;
    } else if (const TextFrame *text = art->textFrame()) {
        std::string &marks = writing.scratch;
        marks.clear();
        appendMarkAttributes(marks, *art, writing);
        out += indent;
        appendTextElement(out, *text, marks, writing.paints);
        out += writing.newline;
    }
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
    appendStateAttributes(out, !layer.visible || (marks & kHidden), !layer.editable || (marks & kLocked),
                          writing);
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
