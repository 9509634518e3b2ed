// ChartRows.h — the rows of the colour chart a document holds.
//
// The plug-in keeps its chart in the first layer titled "Vyn•Colors"
// (ChartConventions.h): each build makes a new group on top inside that
// layer, and each row's box (a path) and then its label (a point-text frame)
// on top inside that group, both carrying the chart tag. The chart is therefore the topmost group of
// that layer, and its rows are its tagged boxes in paint order, each with the
// tagged label made right after it.
#pragma once

#include <string>
#include <vector>

#include "chart/ChartConventions.h"
#include "model/Document.h"

namespace vyn::app {

struct ChartRow {
    std::string label; // the label's text, UTF-8; empty when the box has no label
    host::Paint paint; // the box's fill paint: the paint the row stands for
    // The box's fill overprints: a row of its own beside the same paint without.
    bool overprint = false;
    host::ArtId box;
    host::ArtId labelFrame; // none when the box has no label
};

bool isChartArt(const host::Art &art);

// The chart's group: the topmost group inside the first layer titled
// "Vyn•Colors"; none when there is no such layer or it holds no group.
host::ArtId chartGroup(const host::Document &document);

// The rows of the chart group, the first made first. A tagged box not
// followed by its tagged label (a build stopped between the two) is a row
// with an empty label.
std::vector<ChartRow> chartRows(const host::Document &document);

// Removes the groups of the chart layer that hold no art and carry no tag:
// the group a build emptied when it took the earlier chart's rows away. A
// build in a process of its own cannot dispose of it, and it would
// otherwise pile up in the document, one more each run.
void removeEmptyChartGroups(host::Document &document);

} // namespace vyn::app
