// RowsReport.h — the chart's rows as the command prints them: one label a
// line, or a JSON array (its shape is in docs/vyncolors.md).
#pragma once

#include <iosfwd>
#include <vector>

#include "chart/ChartRows.h"
#include "chart/PaintUsage.h"

namespace vyn::app {

void printRowLabels(const std::vector<ChartRow> &rows, std::ostream &out);

// Each row's kind, values, label, and how many art objects of the document
// use its paint under `rules`.
void printRowsJson(const host::Document &document, const std::vector<ChartRow> &rows,
                   const PaintUsageRules &rules, std::ostream &out);

} // namespace vyn::app
