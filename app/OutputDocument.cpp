#include "OutputDocument.h"

#include <exception>

#include "StandardStreams.h"
#include "document/JsonDocumentWriter.h"
#include "picture/Picture.h"
#include "render/DocumentPicture.h"
#include "svg/SvgChartWriter.h"
#include "svg/SvgzCompression.h"

namespace vyn::app {

namespace {

// The picture a PNG is drawn from, and its pixels per user unit. An SVG
// input is drawn as the file it would be written as, by librsvg (96 CSS
// pixels an inch), so that it looks as in a browser; a JSON document
// exists only in the model (one user unit a point). Throws
// std::runtime_error when the picture cannot be measured.
std::pair<std::string, double> pngSource(const host::Document &document, const host::svg::SvgSource *svg,
                                         const DocumentJob &job) {
    std::string picture = svg ? host::svg::svgWithChart(*svg, document) : host::documentSvg(document);
    const double pixelsPerUnit =
        job.width ? *job.width / host::svgPixelSize(picture).first : job.dpi / (svg ? 96 : 72);
    return {std::move(picture), pixelsPerUnit};
}

std::optional<host::FileWriteError> writePng(const host::Document &document, const host::svg::SvgSource *svg,
                                             const DocumentJob &job) {
    std::pair<std::string, double> png;
    try {
        png = pngSource(document, svg, job);
    } catch (const std::runtime_error &e) {
        return host::FileWriteError{{}, e.what(), "picture"};
    }
    return host::writePicture(png.first, job.output, png.second);
}

std::optional<host::FileWriteError> writeFile(const host::Document &document, const host::svg::SvgSource *svg,
                                              const DocumentJob &job, FileFormat format) {
    switch (format) {
    case FileFormat::Json: return host::writeJsonDocumentFile(document, job.output);
    case FileFormat::Svg:
    case FileFormat::Svgz: {
        // An SVG input takes its chart into its own text; any other is
        // drawn as a picture. The output's name says whether it is
        // compressed, but a file rewritten in place keeps its form.
        if (!svg) return host::writeDocumentPicture(document, job.output);
        const bool gzip = format == FileFormat::Svgz || (job.inPlace && svg->gzipped);
        return host::svg::writeSvgWithChart(*svg, document, job.output, gzip);
    }
    case FileFormat::Png: return writePng(document, svg, job);
    }
    return std::nullopt;
}

// The bytes of the output in `format`, for standard output; throws
// std::runtime_error with the reason they cannot be made.
std::string outputBytes(const host::Document &document, const host::svg::SvgSource *svg, const DocumentJob &job,
                        FileFormat format) {
    switch (format) {
    case FileFormat::Json: {
        host::StringSink sink;
        if (auto failure = host::writeJsonDocument(document, sink)) throw std::runtime_error(failure->reason());
        return sink.bytes();
    }
    case FileFormat::Svg: return svg ? host::svg::svgWithChart(*svg, document) : host::documentSvg(document);
    case FileFormat::Svgz: return host::svg::gzipCompressedForSvgz(host::svg::svgWithChart(*svg, document));
    case FileFormat::Png: {
        const auto [picture, pixelsPerUnit] = pngSource(document, svg, job);
        const std::vector<unsigned char> png = host::svgToPng(picture, pixelsPerUnit);
        return {png.begin(), png.end()};
    }
    }
    return {};
}

} // namespace

std::optional<std::string> writeOutput(const host::Document &document, const host::svg::SvgSource *svg,
                                       const DocumentJob &job) {
    // Standard output without --format takes the input's own format.
    const FileFormat format = job.outputFormat.value_or(svg ? FileFormat::Svg : FileFormat::Json);
    // A writer that cannot do its work yet throws: that too is a failed
    // write, said in its own words.
    try {
        if (job.toStandardOutput) {
            std::string bytes;
            try {
                bytes = outputBytes(document, svg, job, format);
            } catch (const std::runtime_error &e) {
                return std::string("cannot write standard output: ") + e.what();
            }
            return writeStandardOutput(bytes);
        }
        if (auto failure = writeFile(document, svg, job, format)) return failure->message(job.output);
        return std::nullopt;
    } catch (const std::exception &e) {
        return e.what();
    }
}

} // namespace vyn::app
