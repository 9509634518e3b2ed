// ArtElement.h — one art object of a document, or one layer, as SVG text.
//
// Model coordinates are points with y growing upwards; SVG's y grows
// downwards, so a point (h, v) is written (h, -v) and one user unit is one
// point. Groups nest; paths are cubic béziers with their fill, stroke, rule
// and line style; point text is a text element whose runs are tspans with
// their font, size, shift, tracking and fill. Paints are display colours or
// servers of a PaintServers (docs/display-colours.md). Each element is
// written on lines of its own, starting with `indent`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/Document.h"
#include "render/PaintServers.h"

namespace vyn::host {

struct SvgArtWriting {
    PaintServers &paints;
    std::string newline = "\n";
    std::string indentUnit = "  "; // one more level of nesting
    // Hidden art and layers are left out of a picture. Writing a document
    // back, they are kept, with display:none.
    bool keepHidden = false;
    // Art put into a document with style sheets of its own (the chart)
    // carries its presentation as !important style (Presentation.h), so
    // that no rule of the document restyles or hides it.
    bool importantStyle = false;
    // Writing a document back, locked art and layers are marked insensitive
    // (the sodipodi namespace), and tags are written as attributes named
    // `tagAttributePrefix` + the tag's name (none when it is empty). The
    // flags below are set as soon as either is used, so that the caller can
    // declare the namespaces.
    bool markLocks = false;
    std::string tagAttributePrefix = {};
    bool usedSodipodi = false;
    bool usedTags = false;
    // Room for an element's attributes while it is written, reused from
    // one element to the next.
    std::string scratch = {};
    // When set, the text written so far is moved here, in pieces of about a
    // mebibyte, as it grows: the whole text is then these pieces followed by
    // what is left in the output string.
    std::vector<std::string> *pieces = nullptr;
};

inline constexpr char kSvgNamespace[] = "http://www.w3.org/2000/svg";
inline constexpr char kInkscapeNamespace[] = "http://www.inkscape.org/namespaces/inkscape";
inline constexpr char kXlinkNamespace[] = "http://www.w3.org/1999/xlink";
inline constexpr char kSodipodiNamespace[] = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";

// Appends the element of art `id` and everything inside it; nothing for art
// the document does not hold, or hidden art a picture leaves out.
void writeArtElement(const Document &document, ArtId id, std::string &out, const std::string &indent,
                     SvgArtWriting &writing);

// The attributes of `layer` as an Inkscape layer, each with its leading
// space: its mode and title; hidden, locked and tags as for art.
std::string layerAttributes(const Document &document, const Layer &layer, SvgArtWriting &writing);

// Appends the art of `layer`, in paint order, each element starting with
// `indent`. Nothing for a hidden layer a picture leaves out.
void writeLayerArt(const Document &document, const Layer &layer, std::string &out, const std::string &indent,
                   SvgArtWriting &writing);

} // namespace vyn::host
