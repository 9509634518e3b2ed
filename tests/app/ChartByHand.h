// ChartByHand.h — a document holding a chart made by hand
// (fixtures/chart-by-hand.json): an earlier chart's group below the chart,
// an untagged path inside the chart, a tagged path above both groups, a
// second layer of the chart's title, and the art whose paints the rows
// stand for, locked, hidden, selected and unpainted.
#pragma once

#include <filesystem>
#include <stdexcept>

#include "document/JsonDocumentReader.h"

namespace vyn::app {

inline const std::filesystem::path kChartByHand =
    std::filesystem::path(VYN_SOURCE_DIR) / "tests" / "app" / "fixtures" / "chart-by-hand.json";

inline host::Document chartByHand() {
    host::JsonDocumentFileRead read = host::readJsonDocumentFile(kChartByHand);
    if (!read.document) throw std::runtime_error(read.error.message(kChartByHand.string(), read.text));
    return std::move(*read.document);
}

} // namespace vyn::app
