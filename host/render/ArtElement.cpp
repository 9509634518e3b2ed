#include "render/ArtElement.h"

#include "render/PathElement.h"
#include "render/SvgMarkup.h"
#include "render/TextElement.h"

namespace vyn::host {
namespace {

std::string attribute(std::string_view name, const std::string &value) {
    return " " + std::string(name) + "=\"" + value + "\"";
}

std::string tagAttributes(const Art &art, SvgArtWriting &writing) {
    std::string out;
    for (const auto &[name, tag] : art.tags) {
        if (!isPlainXmlNamePart(name)) continue;
        out += attribute(writing.tagAttributePrefix + name, xmlEscaped(tag.value, true));
        writing.usedTags = true;
    }
    return out;
}

std::string stateAttributes(bool hidden, bool locked, SvgArtWriting &writing) {
    std::string out;
    if (hidden) out += attribute("style", "display:none");
    if (locked && writing.markLocks) {
        out += attribute("sodipodi:insensitive", "true");
        writing.usedSodipodi = true;
    }
    return out;
}

std::string markAttributes(const Art &art, SvgArtWriting &writing) {
    std::string out = stateAttributes(art.attributes & kHidden, art.attributes & kLocked, writing);
    return writing.tagAttributePrefix.empty() ? out : out + tagAttributes(art, writing);
}

void writeGroup(const Document &document, const Art &art, const Group &group, std::string &out,
                const std::string &indent, SvgArtWriting &writing) {
    const std::string attributes = markAttributes(art, writing);
    std::string children;
    for (ArtId child : group.children)
        writeArtElement(document, child, children, indent + writing.indentUnit, writing);
    // An empty group draws nothing. Leaving it out matters in the chart
    // layer: a build in a new process cannot dispose of the group an earlier
    // run emptied, and it would otherwise pile up, run after run.
    if (children.empty()) {
        if (!art.tags.empty()) out += indent + "<g" + attributes + "/>" + writing.newline;
        return;
    }
    out += indent + "<g" + attributes + ">" + writing.newline + children + indent + "</g>" + writing.newline;
}

} // namespace

void writeArtElement(const Document &document, ArtId id, std::string &out, const std::string &indent,
                     SvgArtWriting &writing) {
    const Art *art = document.art(id);
    if (!art || ((art->attributes & kHidden) && !writing.keepHidden)) return;
    if (const Group *group = art->group()) {
        writeGroup(document, *art, *group, out, indent, writing);
    } else if (const PathShape *path = art->path()) {
        out += indent + "<path" + attribute("d", pathData(*path)) +
               pathStyleAttributes(path->style, writing.paints) + markAttributes(*art, writing) + "/>" +
               writing.newline;
    } else if (const TextFrame *text = art->textFrame()) {
        out += indent + textElement(*text, markAttributes(*art, writing), writing.paints) + writing.newline;
    }
}

std::string layerAttributes(const Document &document, const Layer &layer, SvgArtWriting &writing) {
    std::string out =
        attribute("inkscape:groupmode", "layer") + attribute("inkscape:label", xmlEscaped(layer.title, true));
    // The layer's own group has no element of its own: its marks are the
    // layer's.
    const Art *group = document.art(layer.group);
    const std::uint32_t marks = group ? group->attributes : 0;
    out +=
        stateAttributes(!layer.visible || (marks & kHidden), !layer.editable || (marks & kLocked), writing);
    if (group && !writing.tagAttributePrefix.empty()) out += tagAttributes(*group, writing);
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
