// ModelRecords.h — the one place where the interface's C records become
// model values and back: colours and path styles, geometry, text features.
//
// Swatch handles inside a colour are resolved through the document handles;
// a handle that names no live swatch of the open document, an unknown colour
// kind or an out-of-range enumeration is the plug-in's error and throws
// HostError(kBadParameterErr).
#pragma once

#include "AIArt.h"
#include "AICustomColor.h"
#include "AIDocument.h"
#include "AIGradient.h"
#include "AIPath.h"
#include "AIPathStyle.h"
#include "ATESuites.h"
#include "ASTypes.h"
#include "model/Art.h"
#include "model/Geometry.h"
#include "model/CurrentStyle.h"
#include "model/Paint.h"
#include "model/Swatches.h"

namespace vyn::host {

class Document;
class DocumentHandles;
enum class ColorModel;

Point toModel(const AIRealPoint &p);
Rect toModel(const AIRealRect &r);
Matrix toModel(const AIRealMatrix &m);
AIRealPoint toRecord(const Point &p);
AIRealRect toRecord(const Rect &r);
AIRealMatrix toRecord(const Matrix &m);
AIDocumentColorModel toRecord(ColorModel model);
PathSegment toModel(const AIPathSegment &segment);
AIPathSegment toRecord(const PathSegment &segment);
// kGroupArt, kPathArt or kTextFrameArt.
AIArtType artTypeOf(const Art &art);

// `document` is where swatch handles must name a live swatch; null when no
// document is open (then only swatch-free colours convert). A gradient's
// placement crosses the interface measured from the top-left corner of the
// document's active artboard (docs/host-behaviour.md, "Gradient placement").
Paint toModel(const AIColor &color, DocumentHandles &handles, const Document *document);
AIColor toRecord(const Paint &paint, DocumentHandles &handles, const Document &document);
PathStyle toModel(const AIPathStyle &style, DocumentHandles &handles, const Document *document);
AIPathStyle toRecord(const PathStyle &style, DocumentHandles &handles, const Document &document);
AIPathStyleMap toRecord(const StyleSharing &shared);

AICustomColor toRecord(const CustomColor &color);
AIGradientType toRecord(GradientKind kind);

Justification toModel(ATE::ParagraphJustification justification);
Leading toModel(ATE::LeadingType leading);

} // namespace vyn::host
