// The index of listed paints against the literal walk it replaces: many
// generated documents, each built both ways by the same loaded module, must
// end as the same document, with the same alerts.
#include <cstdint>

#include "files/ByteSink.h"
#include "ChartFixture.h"
#include "document/JsonDocumentWriter.h"
#include "SeededRandom.h"

namespace vyn::test {
namespace {

// The documents' chance, drawn in the terms the generator below uses.
class Draw : public SeededRandom {
  public:
    using SeededRandom::SeededRandom;
    int below(int n) { return static_cast<int>(SeededRandom::below(static_cast<std::uint64_t>(n))); }
    bool chance(int percent) { return SeededRandom::percent(static_cast<unsigned>(percent)); }
    template <class T, std::size_t N> const T &pick(const T (&items)[N]) { return items[below(N)]; }
};

// Few values, so that paints repeat and meet every comparison: equal,
// differing in one component, -0 against 0, NaN.
std::string component(Draw &d) {
    static const char *const values[] = {"0", "0.5", "1", "-0.0", "0.25", R"("NaN")"};
    return d.chance(3) ? values[5] : values[d.below(5)];
}

std::string paint(Draw &d) {
    static const char *const customs[] = {"Brand red", "Leaf green", "[Registration]"};
    static const char *const tints[] = {"0", "0.2", "0.5", R"("NaN")"};
    switch (d.below(8)) {
    case 0: return R"({"gray": )" + component(d) + "}";
    case 1: return R"({"cmyk": [)" + component(d) + ", " + component(d) + ", 0, " + component(d) + "]}";
    case 2: return R"({"rgb": [)" + component(d) + ", " + component(d) + ", " + component(d) + "]}";
    case 3:
    case 4: return std::string(R"({"custom": ")") + d.pick(customs) + R"(", "tint": )" + d.pick(tints) + "}";
    case 5:
        return std::string(R"({"pattern": ")") + (d.chance(50) ? "Dots" : "Café") + R"(", "rotate": )" +
               std::to_string(d.below(3)) + "}";
    case 6:
        return std::string(R"({"gradient": ")") + (d.chance(50) ? "Fade" : "Sunset") + R"(", "angle": )" +
               std::to_string(d.below(3) * 45) + "}";
    default: return R"("none")";
    }
}

std::string style(Draw &d) {
    std::string s = R"({"fill": {"painted": )" + std::string(d.chance(75) ? "true" : "false") +
                    R"(, "paint": )" + paint(d) + R"(, "overprint": )" + (d.chance(10) ? "true" : "false") +
                    R"(}, "stroke": {"painted": )" + (d.chance(60) ? "true" : "false") + R"(, "paint": )" +
                    paint(d) + "}";
    if (d.chance(10)) s += R"(, "evenOdd": true)";
    if (d.chance(5)) s += R"(, "clip": true)";
    if (d.chance(5)) s += R"(, "lockClip": true)";
    if (d.chance(5)) s += std::string(R"(, "resolution": )") + (d.chance(50) ? "300" : R"("NaN")");
    return s + "}";
}

std::string attributes(Draw &d) {
    std::string a;
    if (d.chance(35)) a += R"("selected": true, )";
    if (d.chance(10)) a += R"("locked": true, )";
    if (d.chance(10)) a += R"("hidden": true, )";
    return a;
}

std::string text(Draw &d) {
    return "{" + attributes(d) + R"("type": "text", "anchor": [300, )" + std::to_string(100 + d.below(600)) +
           R"(], "runs": [{"text": "x", "font": "DejaVu Sans", "size": 10, "fill": )" + paint(d) + "}]}";
}

std::string art(Draw &d, int count) {
    std::string all;
    for (int i = 0; i < count; ++i) {
        std::string one;
        if (d.chance(12)) {
            one = text(d);
        } else if (d.chance(8)) {
            one = R"({"type": "group", "art": [)" + pathJson(style(d), 20, 700, attributes(d)) + "," +
                  pathJson(style(d), 40, 600, attributes(d)) + "]}";
        } else {
            one = pathJson(style(d), static_cast<float>(d.below(500)), static_cast<float>(100 + d.below(600)),
                           attributes(d));
        }
        all += (all.empty() ? "" : ",") + one;
    }
    return all;
}

struct Outcome {
    std::string document;
    std::vector<std::string> alerts;
};

Outcome build(ChartFixture &f, const std::string &json, const char *walk, std::uint64_t seed) {
    Draw settings(seed * 7919 + 1);
    f.open(json);
    for (const char *key :
         {"CaseSelection", "CaseMotifs", "CaseDegrades", "CaseGlobales", "CaseTeintes", "CaseAutres"})
        f.setBoolean(key, settings.chance(key == std::string("CaseSelection") ? 25 : 75));
    EXPECT_EQ(f.harness().notify(walk), kNoErr);
    f.host().frontend().clear();
    f.build();
    StringSink sink;
    writeJsonDocument(f.document(), sink);
    return {sink.bytes(), f.alerts()};
}

TEST(ChartIndex, GivesTheLiteralWalksChartOnThousandsOfDocuments) {
    ChartFixture f(documentJson(""), kProbePluginsFolder);
    for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
        Draw d(seed);
        const std::string json = documentJson(art(d, 1 + d.below(30)));
        const Outcome indexed = build(f, json, "Probe Indexed Walk", seed);
        const Outcome literal = build(f, json, "Probe Literal Walk", seed);
        ASSERT_EQ(indexed.alerts, literal.alerts) << "seed " << seed;
        ASSERT_EQ(indexed.document, literal.document) << "seed " << seed << "\n" << json;
    }
    EXPECT_EQ(f.host().frontend().count(FrontendEvent::Kind::Beep), 0u);
}

} // namespace
} // namespace vyn::test
