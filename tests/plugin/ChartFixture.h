// ChartFixture.h — a chart build through the real loaded module: a document
// written as JSON, stored settings, the menu command and OK, and the chart
// read back from the document.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "text/Utf.h"
#include "preferences/Preferences.h"
#include "dialog/DialogEngine.h"
#include "PluginHarness.h"
#include "document/JsonDocumentReader.h"

namespace vyn::test {

inline const std::string kChartLayerTitle = "Vyn•Colors";

// A closed square path at (x, y) with the style given as JSON.
inline std::string pathJson(const std::string &style, float x = 100, float y = 700,
                            const std::string &extra = "") {
    const std::string l = std::to_string(x), r = std::to_string(x + 50), t = std::to_string(y),
                      b = std::to_string(y - 50);
    return R"({"type": "path", "closed": true, )" + extra + R"("segments": [{"anchor": [)" + l + "," + t +
           "]}, {\"anchor\": [" + r + "," + t + "]}, {\"anchor\": [" + r + "," + b + "]}, {\"anchor\": [" +
           l + "," + b + "]}], \"style\": " + style + "}";
}

// A document of one artboard (0, 800, 600, 0) and one layer holding `art`
// (JSON objects, comma-separated), with the swatches every test uses.
inline std::string documentJson(const std::string &art, const std::string &moreLayers = "") {
    return R"({"format": "vyncolors-document", "version": 1, "colorModel": "cmyk",
  "artboards": [{"name": "A", "bounds": [0, 800, 600, 0]}], "activeArtboard": 0,
  "swatches": {
    "customColors": [
      {"name": "Brand red", "kind": "spot", "color": {"cmyk": [0, 0.9, 0.85, 0]}},
      {"name": "Leaf green", "kind": "process", "color": {"rgb": [0.2, 0.6, 0.25]}},
      {"name": "[Registration]", "kind": "registration", "color": {"cmyk": [1, 1, 1, 1]}}
    ],
    "patterns": [{"name": "Dots"}, {"name": "Café"}, {"name": "漢字"}],
    "gradients": [
      {"name": "Sunset", "type": "radial", "stops": [{"position": 0, "color": {"gray": 0}}, {"position": 1, "color": {"gray": 1}}]},
      {"name": "Fade", "type": "linear", "stops": [{"position": 0, "color": {"gray": 0}}, {"position": 1, "color": {"gray": 1}}]}
    ]},
  "layers": [)" +
           moreLayers + R"({"title": "Artwork", "art": [)" + art + "]}]}";
}

struct ChartRow {
    std::string label;
    const Art *box = nullptr;
    const Art *text = nullptr;
};

class ChartFixture {
  public:
    explicit ChartFixture(const std::string &documentJson, std::filesystem::path plugins = kPluginsFolder)
        : h_(options(std::move(plugins), prefs_ / "preferences.json")) {
        open(documentJson);
        EXPECT_TRUE(h_.start().empty());
    }

    // Replaces the open document by the one `documentJson` describes.
    void open(const std::string &documentJson) {
        auto read = readJsonDocument(documentJson);
        EXPECT_TRUE(read.document) << read.error.message("document", documentJson);
        if (read.document) h_.host().documents().open(std::move(*read.document));
    }

    PluginHarness &harness() { return h_; }
    Host &host() { return h_.host(); }
    Document &document() { return *h_.host().documents().current(); }

    void setBoolean(const char *key, bool value) { h_.host().preferences().put("VynColors", key, value); }
    void setReal(const char *key, double value) { h_.host().preferences().put("VynColors", key, value); }
    // Every kind sought, tints listed separately, the whole document.
    void seekEverything() {
        for (const char *key : {"CaseMotifs", "CaseDegrades", "CaseGlobales", "CaseTeintes", "CaseAutres"})
            setBoolean(key, true);
        setBoolean("CaseSelection", false);
    }

    // Chooses "Vyn•Colors…" and presses OK.
    void build() {
        h_.host().dialogs().user().pressOK();
        EXPECT_EQ(h_.host().chooseMenuItem({"Vyn•Tools", "Vyn•Colors…"}), kNoErr);
    }

    const Layer *chartLayer() {
        for (const auto &layer : document().layers())
            if (layer.title == kChartLayerTitle) return &layer;
        return nullptr;
    }
    // The chart groups in the chart layer, bottom first.
    std::vector<ArtId> chartGroups() {
        const Layer *layer = chartLayer();
        if (!layer) return {};
        return document().art(layer->group)->group()->children.inOrder();
    }
    // The rows of the latest chart: its group's boxes and labels in the order
    // they were made.
    std::vector<ChartRow> rows() {
        std::vector<ChartRow> rows;
        auto groups = chartGroups();
        if (groups.empty()) return rows;
        for (ArtId id : document().art(groups.back())->group()->children) {
            const Art *art = document().art(id);
            if (art->path()) rows.push_back({"", art, nullptr});
            if (const TextFrame *frame = art->textFrame(); frame && !rows.empty()) {
                rows.back().text = art;
                rows.back().label = utf8(frame->story.text());
            }
        }
        return rows;
    }
    std::vector<std::string> labels() {
        std::vector<std::string> labels;
        for (const auto &row : rows())
            labels.push_back(row.label);
        return labels;
    }
    std::vector<std::string> alerts() {
        std::vector<std::string> texts;
        for (const auto &e : h_.host().frontend().events())
            if (e.kind == FrontendEvent::Kind::Alert || e.kind == FrontendEvent::Kind::ErrorAlert)
                texts.push_back(e.text);
        return texts;
    }

    static std::string utf8(const std::u16string &text) { return utf16ToUtf8(text); }

  private:
    static HostOptions options(std::filesystem::path plugins, std::filesystem::path prefs) {
        HostOptions o;
        o.pluginsFolder = std::move(plugins);
        o.preferencesFile = std::move(prefs);
        o.fonts = std::vector<std::string>{"DejaVu Sans", "DejaVu Serif"};
        return o;
    }

    // Every build saves the settings: keep them where saving costs nothing.
    TempFolder prefs_{TempFolder::inMemory()};
    PluginHarness h_;
};

} // namespace vyn::test
