// ChartConventions.h — how the command finds the plug-in's chart in a
// document and marks it in the files it writes.
//
// The plug-in draws its chart into the first layer titled "Vyn•Colors" and
// tags every box and label it makes with VYNCOL. The plug-in is a module of
// its own and states these in its own sources; this is the command's one
// statement of them, for the SVG reader and writer (which learn from it
// which layer is the chart) and for the read-backs of the chart (ChartRows.h,
// PaintUsage.h).
#pragma once

#include "svg/SvgSource.h"

namespace vyn::app {

// The title of the chart's layer (UTF-8).
inline constexpr char kChartLayerTitle[] = "Vyn\xE2\x80\xA2"
                                           "Colors";
// The tag on the chart's boxes and labels, and the value the plug-in gives
// it; only the name is looked at.
inline constexpr char kChartTag[] = "VYNCOL";
inline constexpr char kChartTagValue[] = "jj";

// The namespace of the attributes the chart's art carries in SVG, so that a
// second run finds the first run's chart: a tag NAME with value VALUE is
// written as vyn:tag-NAME="VALUE".
inline constexpr char kChartNamespace[] = "https://vyncolors.dev/ns/chart/1";
inline constexpr char kChartNamespacePrefix[] = "vyn";
inline constexpr char kChartTagAttributePrefix[] = "tag-";

// The marks above, as the SVG reader and writer take them.
inline host::svg::SvgChartMarks svgChartMarks() {
    return {.layerTitle = kChartLayerTitle,
            .tagNamespace = kChartNamespace,
            .tagPrefix = kChartNamespacePrefix,
            .tagAttributePrefix = kChartTagAttributePrefix,
            .ownTag = kChartTag};
}

} // namespace vyn::app
