// RowsReport.h — the chart's rows as the command prints them: one label a
// line, or a JSON document (docs/vyncolors.md, "The rows as JSON"; its
// schema is docs/vyncolors-rows.schema.json).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "chart/ChartRows.h"
#include "chart/RowFacts.h"

namespace vyn::app {

void printRowLabels(const std::vector<ChartRow> &rows, std::ostream &out);

// The "vyncolors-rows" document of version 1: `document` (the input's name
// as given) and each row's facts.
void printRowsJson(const std::vector<RowFacts> &rows, std::string_view document, std::ostream &out);

// The rows of several such documents (as printRowsJson printed them) as
// one list, in order: a row that is the same in all but its uses appears
// once, its uses summed, and the rows are numbered anew. Throws
// std::runtime_error for text that is no such document.
std::vector<RowFacts> mergedRows(const std::vector<std::string> &reports);

} // namespace vyn::app
