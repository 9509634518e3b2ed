// svg_read_bench — how long the SVG reader takes on a big drawing, beside
// the time the XML library alone needs to parse it, and the peak memory.
//
//   svg_read_bench [PATHS [PAINTS]]     (default 200000 paths, 10000 paints)
//
// The drawing is generated here, deterministically: layers of groups of
// paths whose paints come from CSS classes, style attributes, presentation
// attributes, a few gradients and device-cmyk colours.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <pugixml.hpp>

#include "svg/SvgDocumentReader.h"

namespace {

std::string hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", value & 0xFFFFFF);
    return text;
}

std::string drawing(std::size_t paths, std::size_t paints) {
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/"
        "inkscape\" viewBox=\"0 0 1000 1000\">\n  <style>\n";
    for (std::size_t p = 0; p < paints; ++p)
        svg +=
            "    .c" + std::to_string(p) + " { fill: " + hex(static_cast<unsigned>(p * 2654435761u)) + " }\n";
    svg += "  </style>\n  <defs>\n";
    for (int g = 0; g < 8; ++g)
        svg += "    <linearGradient id=\"g" + std::to_string(g) + "\"><stop offset=\"0\" stop-color=\"" +
               hex(static_cast<unsigned>(g * 40503u)) +
               "\"/><stop offset=\"1\" stop-color=\"#fff\"/></linearGradient>\n";
    svg += "  </defs>\n";
    const std::size_t layers = 10, perGroup = 100;
    for (std::size_t i = 0; i < paths; ++i) {
        if (i % (paths / layers + 1) == 0) {
            if (i) svg += "    </g>\n  </g>\n";
            svg += "  <g inkscape:groupmode=\"layer\" inkscape:label=\"Layer " + std::to_string(i) +
                   "\">\n    <g>\n";
        } else if (i % perGroup == 0) {
            svg += "    </g>\n    <g transform=\"translate(1 1)\">\n";
        }
        const double x = static_cast<double>(i % 1000), y = static_cast<double>((i / 1000) % 1000);
        char d[160];
        std::snprintf(d, sizeof d, "M%.1f %.1fc1.5 0 3 1.5 3 3s-1.5 3-3 3-3-1.5-3-3 1.5-3 3-3zm0 1h1v1h-1z",
                      x, y);
        svg += "      <path d=\"";
        svg += d;
        switch (i % 5) {
        case 0:
        case 1: svg += "\" class=\"c" + std::to_string((i * 7919) % paints) + "\"/>\n"; break;
        case 2:
            svg += "\" style=\"fill:" + hex(static_cast<unsigned>(i % paints) * 977u) + ";stroke:none\"/>\n";
            break;
        case 3:
            svg += "\" fill=\"" + hex(static_cast<unsigned>(i % paints) * 31u) +
                   "\" stroke=\"device-cmyk(0 0.5 1 0)\"/>\n";
            break;
        default: svg += "\" fill=\"url(#g" + std::to_string(i % 8) + ")\"/>\n"; break;
        }
    }
    svg += "    </g>\n  </g>\n</svg>\n";
    return svg;
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv) {
    const std::size_t paths = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 200'000;
    const std::size_t paints = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 10'000;
    const std::string svg = drawing(paths, paints);
    const long base = peakKilobytes();
    std::printf("drawing: %zu paths, %zu paints, %.1f MB\n", paths, paints,
                static_cast<double>(svg.size()) / 1e6);

    double parse = 1e9, read = 1e9;
    for (int run = 0; run < 3; ++run) {
        std::string copy = svg;
        auto start = std::chrono::steady_clock::now();
        pugi::xml_document xml;
        xml.load_buffer_inplace(copy.data(), copy.size(), pugi::parse_cdata | pugi::parse_escapes,
                                pugi::encoding_utf8);
        parse = std::min(parse, seconds(start));
    }
    const long afterParse = peakKilobytes();
    std::size_t art = 0;
    for (int run = 0; run < 3; ++run) {
        auto start = std::chrono::steady_clock::now();
        const vyn::host::svg::SvgDocumentRead result = vyn::host::svg::readSvgDocument(svg, "bench.svg");
        read = std::min(read, seconds(start));
        if (!result.document) {
            std::fprintf(stderr, "%s\n", result.errorMessage().c_str());
            return 1;
        }
        art = result.document->artCount();
    }
    const long afterRead = peakKilobytes();
    std::printf("art objects: %zu\n", art);
    std::printf("pugixml parse (in place, best of 3): %.3f s\n", parse);
    std::printf("SVG read      (best of 3):           %.3f s  (%.2f x the parse)\n", read, read / parse);
    std::printf("peak RSS: file and generator %.0f MB, with the parse %.0f MB, with the read %.0f MB (%.1f x "
                "the file)\n",
                base / 1024.0, afterParse / 1024.0, afterRead / 1024.0,
                static_cast<double>(afterRead - base) * 1024 / static_cast<double>(svg.size()));
    return 0;
}
