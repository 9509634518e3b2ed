// RowFacts.h — what the command says of each row of the chart, worked out
// once: its label, the kind and values of its paint, the colour its box
// shows, how many art objects use the paint (as fill, as stroke, in all),
// and whether it overprints. The JSON report (RowsReport.h) and every
// palette writer (palette/) read these facts and nothing else, so that no
// two outputs can tell a row differently.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartRows.h"
#include "chart/PaintUsage.h"
#include "model/Swatches.h"
#include "render/DisplayColour.h"

namespace vyn::app {

// The kinds of a row's paint, in the words of the JSON report.
enum class RowKind { Gray, Process, Rgb, Custom, Pattern, Gradient, None };

const char *kindName(RowKind kind);                     // "gray", "process", ...
const char *customKindName(host::CustomColorKind kind); // "spot", "process", "registration"
const char *gradientKindName(host::GradientKind kind);  // "linear", "radial"

// A colour's components as the document holds them (single precision, 0 to
// 1 when the document is sound): gray (one, 0 black to 1 white), CMYK
// (four) or RGB (three).
struct ColourValues {
    enum class Model { Gray, Cmyk, Rgb };
    Model model = Model::Gray;
    std::vector<float> components;
};

// A gradient's stop: where it stands on the ramp, where the ramp from the
// stop before it is an even mix, and the colour it shows (none for a stop
// that is not one colour).
struct StopFacts {
    float position = 0;
    float midpoint = 0.5f;
    std::optional<host::DisplayRgb> display;
};

struct RowFacts {
    std::size_t number = 0; // from 1, the first row made first
    std::string label;      // the label's text, UTF-8; empty when the box has none
    RowKind kind = RowKind::None;
    // Gray, process and RGB rows: the paint's own values. Custom rows: the
    // custom colour's, at full strength; none when the document lacks it.
    std::optional<ColourValues> values;
    // Custom, pattern and gradient rows: the swatch's name ("" when the
    // document lacks the swatch).
    std::string name;
    host::CustomColorKind customKind = host::CustomColorKind::Process; // custom
    float tint = 0; // custom: 0 full strength to 1 none of the colour
    host::GradientKind gradientKind = host::GradientKind::Linear; // gradient
    std::vector<StopFacts> stops;                                 // gradient: in order of position
    // The colour the row's box shows (docs/display-colours.md): none for a
    // pattern, a gradient, no paint, and a custom colour the document lacks.
    std::optional<host::DisplayRgb> display;
    bool overprint = false; // the box's fill overprints
    PaintUses uses;
};

// The facts of `rows`, their uses counted under `rules`.
std::vector<RowFacts> rowFacts(const host::Document &document, const std::vector<ChartRow> &rows,
                               const PaintUsageRules &rules);

// The shortest decimal that reads back as `value`; "NaN", "Infinity" and
// "-Infinity" for the values that are no number.
std::string floatText(float value);

} // namespace vyn::app
