// SvgReaderFuzz.cpp — libFuzzer target: any bytes given to the SVG reader
// give a document or an error, never a crash, a hang or a leak, and a
// document's source map stays inside the bytes it was read from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "chart/ChartConventions.h"
#include "svg/SvgDocumentReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vyn::host::svg;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    SvgReadOptions options;
    options.select = "g rect, .a, #b";
    options.chart = vyn::app::svgChartMarks(); // as the command reads files
    const SvgDocumentRead read = readSvgDocument(bytes, "fuzz.svg", options);
    if (!read.document) {
        // A refusal says why.
        if (sentenceOf(read.error.status).empty() && read.error.detail.empty()) std::abort();
        return 0;
    }
    const SvgSource &source = read.source;
    std::size_t previousEnd = 0;
    for (const SourceElement &element : source.elements) {
        if (element.span.begin < previousEnd || element.span.end > source.bytes.size() ||
            element.span.begin >= element.span.end || source.bytes[element.span.begin] != '<' ||
            element.artCount == 0 || std::size_t{element.firstArt} + element.artCount > source.art.size())
            std::abort();
        previousEnd = element.span.end;
    }
    if (source.rootEndTag > source.bytes.size()) std::abort();
    return 0;
}
