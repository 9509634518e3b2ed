#include "HostileInputs.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "document/DocumentReadError.h"
#include "document/JsonDocumentReader.h"
#include "svg/SvgLimits.h"

namespace vyn::hostile {
namespace {

namespace fs = std::filesystem;

// The command's exit statuses (app/ExitStatus.h), as a user sees them.
constexpr int kDone = 0;
constexpr int kBadInput = 2;

constexpr const char *kSvgStart = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\">\n";

std::size_t writeFile(const fs::path &file, const std::string &bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return bytes.size();
}

// `base` times `scale`, at least 1.
std::size_t scaled(std::size_t base, double scale) {
    const double n = std::round(static_cast<double>(base) * scale);
    return n < 1 ? 1 : static_cast<std::size_t>(n);
}

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A JSON document of the host's format around `layerArt`, the art of its
// one layer.
std::string jsonDocument(const std::string &swatches, const std::string &layerArt,
                         const char *bounds = "[0, 100, 100, 0]") {
    std::string text = "{\"format\": \"vyncolors-document\", \"version\": 1,\n"
                       "\"artboards\": [{\"name\": \"Page\", \"bounds\": ";
    text += bounds;
    text += "}],\n";
    if (!swatches.empty()) text += "\"swatches\": {\"customColors\": [\n" + swatches + "]},\n";
    text += "\"layers\": [{\"title\": \"Artwork\", \"art\": [\n" + layerArt + "]}]}\n";
    return text;
}

std::string jsonSquare(const std::string &paint) {
    return "{\"type\": \"path\", \"closed\": true, \"segments\": [{\"anchor\": [10, 90]}, {\"anchor\": [30, "
           "90]}, "
           "{\"anchor\": [30, 70]}], \"style\": {\"fill\": {\"paint\": " +
           paint + "}}}";
}

// --- the inputs ----------------------------------------------------------

// A descendant selector of `gs` type compounds after a class no element has,
// over groups nested 40 deep: a matcher that backtracks tries every way of
// placing the compounds on the ancestors (this one, of 486 bytes, ran for
// minutes). Matching right to left costs the selector's length times the
// depth.
std::string longSelector(std::size_t gs) { return ".no" + repeated(" g", gs) + " rect"; }

std::string nestedGroupsSvg(const std::string &style) {
    std::string svg = kSvgStart;
    if (!style.empty()) svg += "<style>" + style + "</style>\n";
    svg += repeated("<g>", 40) + "<rect width=\"10\" height=\"10\" fill=\"#0000ff\"/>" +
           repeated("</g>", 40) + "\n</svg>\n";
    return svg;
}

HostileInput styleSelector(double scale) {
    const std::size_t gs = scaled(239, scale);
    return {"style-selector",
            "a <style> rule of a " + std::to_string(longSelector(gs).size()) +
                "-byte descendant selector (.no g g ... rect) over 40 nested groups",
            scale,
            [gs](const fs::path &folder) {
                return writeFile(folder / "selector.svg",
                                 nestedGroupsSvg(longSelector(gs) + " { fill: #ff0000 }"));
            },
            {"{dir}/selector.svg", "-o", "{dir}/out.svg"},
            {kDone},
            ""};
}

HostileInput selectOption(double scale) {
    const std::size_t gs = scaled(239, scale);
    return {"select-option",
            "the same selector given to --select (in a list with `rect`, which selects the rect), over the "
            "same groups",
            scale,
            [gs](const fs::path &folder) {
                return writeFile(folder / "groups.svg", nestedGroupsSvg("")) + longSelector(gs).size();
            },
            {"{dir}/groups.svg", "--select", longSelector(gs) + ", rect", "-o", "{dir}/out.svg"},
            {kDone},
            ""};
}

// Groups nested `depth` deep in a JSON document, a path in the innermost:
// refused at the first bracket past kMaxDocumentNesting, with its line and
// column.
HostileInput jsonDepth(std::size_t base, double scale) {
    const std::size_t depth = scaled(base, scale);
    // The document's object, its layers, the layer and its art; then an
    // object and an array a group; then the path, its segments, a segment
    // and its anchor.
    const bool tooDeep = 4 + 2 * depth + 4 > host::kMaxDocumentNesting;
    const std::string name = "deep-" + std::to_string(depth) + ".json";
    return {"json-depth-" + std::to_string(base),
            "a JSON document of groups nested " + std::to_string(depth) + " deep" +
                (tooDeep ? ": refused with its line:column" : ""),
            scale,
            [name, depth](const fs::path &folder) {
                return writeFile(folder / name,
                                 jsonDocument("", repeated("{\"type\":\"group\",\"art\":[", depth) +
                                                      jsonSquare("{\"gray\": 0.5}") + repeated("]}", depth)));
            },
            {"{dir}/" + name, "-o", "{dir}/out.json"},
            {tooDeep ? kBadInput : kDone},
            // "deep-N.json:4:COLUMN: error: ..., deeper than 808 levels": the art is line 4.
            tooDeep ? name + ":4:" : ""};
}

// Ids that use the chart's prefixes "vyn-", "vyn2-", ... "vynN-": the writer
// must find the first free one, vyn(N+1)-, without a search of the file per
// candidate.
HostileInput chartPrefixes(double scale) {
    const std::size_t ids = scaled(20'000, scale);
    return {"chart-prefix-ids",
            "an SVG whose " + std::to_string(ids) + " ids use the chart's prefixes vyn-, vyn2-, ... vyn" +
                std::to_string(ids) + "-",
            scale,
            [ids](const fs::path &folder) {
                std::string svg = kSvgStart;
                svg.reserve(ids * 40);
                for (std::size_t i = 1; i <= ids; ++i) {
                    svg += "<rect id=\"vyn";
                    if (i > 1) svg += std::to_string(i);
                    svg += "-r\" width=\"1\" height=\"1\"/>\n";
                }
                svg += "</svg>\n";
                return writeFile(folder / "prefixes.svg", svg);
            },
            {"{dir}/prefixes.svg", "-o", "{dir}/out.svg"},
            {kDone},
            ""};
}

// The name of swatch `i`, 60 bytes.
std::string swatchName(std::size_t i) {
    char name[80];
    std::snprintf(name, sizeof name, "Swatch %08zu of the hostile corpus, as long as a catalogue's", i);
    return name;
}

// Swatch `i` as a line of the customColors list: 180 bytes, the comma
// after it included, whatever `i` (up to 10^8).
std::string swatchLine(std::size_t i) {
    const unsigned c = i % 101, m = (i / 101) % 101, y = (i / 10201) % 101;
    char line[256];
    std::snprintf(line, sizeof line,
                  "    {\"name\": \"%s\", \"kind\": \"%s\",%s\n"
                  "     \"color\": {\"cmyk\": [%u.%02u, %u.%02u, %u.%02u, 0.125]}},      \n",
                  swatchName(i).c_str(), i % 2 ? "process" : "spot", i % 2 ? "" : "   ", c / 100, c % 100,
                  m / 100, m % 100, y / 100, y % 100);
    return line;
}

// 100,000 custom colours (the writer checks each name against the others)
// and art painted with a few of them, written back as JSON: 18 MB. Ten
// times that is past the JSON file bound.
HostileInput swatches(double scale) {
    const std::size_t count = scaled(100'000, scale);
    const std::size_t bytes = count * swatchLine(0).size() + 4096;
    const bool tooLarge = bytes > host::kMaxDocumentBytes;
    return {"json-swatches",
            "a JSON document of " + std::to_string(count) + " custom colours, written as JSON" +
                (tooLarge ? " (past the JSON file bound: refused)" : ""),
            scale,
            [count, bytes](const fs::path &folder) {
                std::string list;
                list.reserve(bytes);
                for (std::size_t i = 0; i < count; ++i)
                    list += swatchLine(i);
                list.erase(list.rfind(','), 1); // none after the last
                std::string art;
                for (std::size_t i = 0; i < 10 && i < count; ++i)
                    art += (i ? ",\n" : "") + jsonSquare("{\"custom\": \"" + swatchName(i) + "\"}");
                return writeFile(folder / "swatches.json", jsonDocument(list, art));
            },
            {"{dir}/swatches.json", "-o", "{dir}/out.json"},
            {tooLarge ? kBadInput : kDone},
            tooLarge ? "a JSON document may hold" : ""};
}

// A style sheet of 20,000 rules that match every rect, over 20,000 rects:
// each element's cascade meets every rule.
HostileInput emptyRules(double scale) {
    const std::size_t count = scaled(20'000, scale);
    return {"style-rules",
            std::to_string(count) + " rules `rect {}` over " + std::to_string(count) + " rects",
            scale,
            [count](const fs::path &folder) {
                std::string svg = kSvgStart;
                svg += "<style>\n" + repeated("rect {}\n", count) + "</style>\n";
                svg += repeated("<rect width=\"1\" height=\"1\"/>\n", count);
                svg += "</svg>\n";
                return writeFile(folder / "rules.svg", svg);
            },
            {"{dir}/rules.svg", "-o", "{dir}/out.svg"},
            {kDone},
            ""};
}

// A rule of one compound of 1,000 classes, all the same, over a rect of
// those 1,000 classes: the sheet looks the rule up once per class of the
// element (1,000 times) and checks each wanted class against every class of
// the element each time, a cost of the classes cubed for a 4 KB file.
HostileInput classRepeats(double scale) {
    const std::size_t count = scaled(1'000, scale);
    return {"class-repeats",
            "a rule `.a.a.a...` of " + std::to_string(count) +
                " classes over a rect of class \"a a a ...\" (" + std::to_string(count) + " times)",
            scale,
            [count](const fs::path &folder) {
                std::string svg = kSvgStart;
                svg += "<style>" + repeated(".a", count) + " { fill: #ff0000 }</style>\n";
                svg += "<rect class=\"" + repeated("a ", count) + "\" width=\"10\" height=\"10\"/>\n</svg>\n";
                return writeFile(folder / "classes.svg", svg);
            },
            {"{dir}/classes.svg", "-o", "{dir}/out.svg"},
            {kDone},
            ""};
}

// An artboard of 16,000 points a side drawn as PNG: 32,000 pixels a side at
// the default 144 dpi, refused before any pixel is allocated.
HostileInput hugeArtboard() {
    return {
        "png-artboard-16000",
        "a JSON document whose artboard is 16,000 points a side, drawn as PNG: refused by the picture cap",
        1,
        [](const fs::path &folder) {
            return writeFile(folder / "artboard.json",
                             jsonDocument("", jsonSquare("{\"gray\": 0.5}"), "[0, 16000, 16000, 0]"));
        },
        {"{dir}/artboard.json", "-o", "{dir}/out.png"},
        {kBadInput},
        "pixels a side"};
}

// A stored box height no field can hold: loads as the default.
HostileInput storedHeight() {
    return {"prefs-box-height-1e308",
            "a preferences file storing a box height of 1e308 (--prefs): the default height is used",
            1,
            [](const fs::path &folder) {
                writeFile(folder / "prefs.json",
                          "{\"VynColors\": {\"HauteurCase\": 1e308, \"LongueurCase\": -1e308}}\n");
                return writeFile(folder / "two.svg",
                                 std::string(kSvgStart) +
                                     "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/>\n"
                                     "<rect x=\"20\" width=\"10\" height=\"10\" fill=\"#00ff00\"/>\n"
                                     "</svg>\n");
            },
            {"{dir}/two.svg", "--prefs", "{dir}/prefs.json", "-o", "{dir}/out.svg"},
            {kDone},
            ""};
}

// Elements nested `depth` levels below the root: refused past
// kMaxSvgDepth, read at it.
HostileInput svgDepth(std::size_t depth) {
    const bool tooDeep = depth > host::svg::kMaxSvgDepth;
    return {"svg-depth-" + std::to_string(depth),
            "an SVG whose elements nest " + std::to_string(depth) + " levels below the root" +
                (tooDeep ? ": refused" : ": read, the deepest there may be"),
            1,
            [depth](const fs::path &folder) {
                std::string svg = kSvgStart;
                svg += repeated("<g>", depth - 1) + "<rect width=\"1\" height=\"1\" fill=\"#ff0000\"/>" +
                       repeated("</g>", depth - 1);
                svg += "</svg>\n";
                return writeFile(folder / "deep.svg", svg);
            },
            {"{dir}/deep.svg", "-o", "{dir}/out.svg"},
            {tooDeep ? kBadInput : kDone},
            tooDeep ? "deeper than " + std::to_string(host::svg::kMaxSvgDepth) + " levels" : ""};
}

// Ten entities, each ten of the one before, in the internal subset, used in
// text and in an attribute: 10^9 "lol"s to a reader that expands them. The
// reader takes the file or refuses it; either way it ends at once.
HostileInput billionLaughs() {
    return {"billion-laughs",
            "an SVG whose internal DTD subset defines nine entities each ten of the one before",
            1,
            [](const fs::path &folder) {
                std::string svg = "<?xml version=\"1.0\"?>\n<!DOCTYPE svg [\n <!ENTITY lol \"lol\">\n";
                for (int i = 1; i <= 9; ++i) {
                    const std::string before = i == 1 ? "lol" : "lol" + std::to_string(i - 1);
                    svg += " <!ENTITY lol" + std::to_string(i) + " \"" + repeated("&" + before + ";", 10) +
                           "\">\n";
                }
                svg += "]>\n";
                svg += kSvgStart;
                svg += "<title>&lol9;</title>\n<text x=\"0\" y=\"10\" fill=\"#ff0000\">&lol9;</text>\n"
                       "<rect id=\"&lol9;\" class=\"&lol9;\" width=\"10\" height=\"10\" "
                       "fill=\"#00ff00\"/>\n</svg>\n";
                return writeFile(folder / "laughs.svg", svg);
            },
            {"{dir}/laughs.svg", "-o", "{dir}/out.svg"},
            {kDone, kBadInput},
            ""};
}

// One gzip member of `bytes`.
std::string gzipMember(const std::string &bytes) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("zlib cannot start compressing");
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (status != Z_STREAM_END) throw std::runtime_error("zlib cannot compress");
    return out;
}

// A .svgz that decompresses to more than kMaxSvgBytes: gzip members of a
// mebibyte each (the first starts an SVG and a comment), about a kilobyte
// compressed. Refused once the bound is passed, not when all is inflated.
HostileInput gzipBomb() {
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    const std::size_t members = host::svg::kMaxSvgBytes / kMiB + 16;
    return {"svgz-bomb",
            "a .svgz of " + std::to_string(members) + " gzip members of a MiB each: refused past " +
                std::to_string(host::svg::kMaxSvgBytes / kMiB) + " MiB",
            1,
            [members](const fs::path &folder) {
                std::string first = std::string(kSvgStart) + "<!--";
                first += std::string(kMiB - first.size(), ' ');
                std::string bytes = gzipMember(first);
                const std::string spaces = gzipMember(std::string(kMiB, ' '));
                bytes.reserve(bytes.size() + spaces.size() * members);
                for (std::size_t i = 1; i < members; ++i)
                    bytes += spaces;
                return writeFile(folder / "bomb.svgz", bytes);
            },
            {"{dir}/bomb.svgz", "-o", "{dir}/out.svg"},
            {kBadInput},
            "MiB"};
}

// A chain of <use> as long as the reader follows (each one drawing the one
// before), then a long run of <use> of its end: each draws the whole chain,
// 65 art objects, so the run expands to its length times that: past the art
// budget (cut short, with a warning) from about 3,100 <use>, and past the
// bomb threshold (refused) at 100 times the run.
HostileInput useRun(double scale) {
    const std::size_t chain = host::svg::kMaxUseChain - 1;
    const std::size_t run = scaled(10'000, scale);
    const std::size_t made = run * (chain + 2); // each <use> of the run, the chain, and the rect
    const bool bomb = made > host::svg::kUseBombThreshold, cut = made > host::svg::kUseArtBudget;
    return {"use-run",
            "a chain of " + std::to_string(chain) + " <use>, then " + std::to_string(run) +
                " <use> of its end" +
                (bomb  ? ": a bomb, refused"
                 : cut ? ": expansion cut short by the budget"
                       : ""),
            scale,
            [chain, run](const fs::path &folder) {
                std::string svg =
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"100\" height=\"100\">\n<defs>"
                    "<rect id=\"u0\" width=\"1\" height=\"1\" fill=\"#ff0000\"/>\n";
                for (std::size_t i = 1; i <= chain; ++i)
                    svg += "<use id=\"u" + std::to_string(i) + "\" xlink:href=\"#u" + std::to_string(i - 1) +
                           "\"/>\n";
                svg += "</defs>\n";
                const std::string use = "<use xlink:href=\"#u" + std::to_string(chain) + "\"/>\n";
                svg += repeated(use, run);
                svg += "</svg>\n";
                return writeFile(folder / "use-run.svg", svg);
            },
            {"{dir}/use-run.svg", "-o", "{dir}/out.svg"},
            {bomb ? kBadInput : kDone},
            bomb  ? "multiply into more than"
            : cut ? "<use> expansion stops here"
                  : ""};
}

// A chain of <use> longer than the reader follows, each drawing the one
// after it: refused at the chain bound, whatever its length past it.
HostileInput useChain(double scale) {
    const std::size_t chain = scaled(10'000, scale);
    const bool tooLong = chain > host::svg::kMaxUseChain;
    return {"use-chain",
            "a chain of " + std::to_string(chain) + " <use>, each drawing the next" +
                (tooLong ? ": refused" : ""),
            scale,
            [chain](const fs::path &folder) {
                std::string svg =
                    "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                    "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"100\" height=\"100\">\n";
                for (std::size_t i = 0; i < chain; ++i)
                    svg += "<use id=\"u" + std::to_string(i) + "\" xlink:href=\"#u" + std::to_string(i + 1) +
                           "\"/>\n";
                svg += "<rect id=\"u" + std::to_string(chain) +
                       "\" width=\"1\" height=\"1\" fill=\"#ff0000\"/>\n</svg>\n";
                return writeFile(folder / "use-chain.svg", svg);
            },
            {"{dir}/use-chain.svg", "-o", "{dir}/out.svg"},
            {tooLong ? kBadInput : kDone},
            tooLong ? "chain deeper than" : ""};
}

} // namespace

std::vector<HostileInput> hostileInputs(double scale) {
    if (!(scale >= 0.001 && scale <= 1000))
        throw std::invalid_argument("a hostile input's scale is from 0.001 to 1000");
    std::vector<HostileInput> inputs;
    inputs.push_back(styleSelector(scale));
    inputs.push_back(selectOption(scale));
    inputs.push_back(jsonDepth(3'200, scale));
    inputs.push_back(jsonDepth(10'000, scale));
    inputs.push_back(chartPrefixes(scale));
    if (scale <= 10) inputs.push_back(swatches(scale)); // 100 times is 1.8 GB, far past the 64 MiB bound
    inputs.push_back(emptyRules(scale));
    inputs.push_back(classRepeats(scale));
    inputs.push_back(useRun(scale));
    inputs.push_back(useChain(scale));
    if (scale == 1) {
        inputs.push_back(hugeArtboard());
        inputs.push_back(storedHeight());
        inputs.push_back(svgDepth(host::svg::kMaxSvgDepth));
        inputs.push_back(svgDepth(host::svg::kMaxSvgDepth + 1));
        inputs.push_back(billionLaughs());
        inputs.push_back(gzipBomb());
    }
    return inputs;
}

std::string inFolder(const std::string &argument, const std::filesystem::path &folder) {
    std::string out = argument;
    for (std::size_t at; (at = out.find("{dir}")) != std::string::npos;)
        out.replace(at, 5, folder.string());
    return out;
}

} // namespace vyn::hostile
