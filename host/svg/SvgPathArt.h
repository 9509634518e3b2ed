// SvgPathArt.h — outlines and their computed style as path art: the style's
// fields, the segments with their handles in document coordinates, and a
// group of paths for an outline of several subpaths (one path each, all in
// the outline's style, as a compound path's members are).
#pragma once

#include <vector>

#include "model/Document.h"
#include "svg/SvgPathData.h"
#include "svg/SvgStyle.h"

namespace vyn::host::svg {

// `lineScale` multiplies widths and dash lengths: the element's transform
// scales its stroke.
PathStyle pathStyleOf(const ComputedStyle &style, Paint fill, Paint stroke, double lineScale);

// The segments of one subpath, mapped by `toDocument`.
PathShape pathShapeOf(const Subpath &subpath, const Affine &toDocument, const PathStyle &style);

// Adds the art of `outline` to `parent`: none when no subpath has a
// segment, one path, or a group of paths. The first id is the topmost art.
std::vector<ArtId> addOutlineArt(Document &document, ArtId parent, const Outline &outline,
                                 const Affine &toDocument, const PathStyle &style);

} // namespace vyn::host::svg
