#include "OutputDocument.h"

#include <exception>

#include "document/JsonDocumentWriter.h"
#include "picture/Picture.h"
#include "render/DocumentPicture.h"
#include "svg/SvgChartWriter.h"

namespace vyn::app {

namespace {

// An SVG input is drawn as the file it would be written as, by librsvg (96
// CSS pixels an inch), so that it looks as in a browser; a JSON document
// exists only in the model (one user unit a point).
std::optional<host::FileWriteError> writePng(const host::Document &document, const host::svg::SvgSource *svg,
                                             const DocumentJob &job) {
    const std::string picture = svg ? host::svg::svgWithChart(*svg, document) : host::documentSvg(document);
    double pixelsPerUnit = job.dpi / (svg ? 96 : 72);
    if (job.width) {
        try {
            pixelsPerUnit = *job.width / host::svgPixelSize(picture).first;
        } catch (const std::runtime_error &e) {
            return host::FileWriteError{{}, e.what(), "picture"};
        }
    }
    return host::writePicture(picture, job.output, pixelsPerUnit);
}

} // namespace

std::optional<std::string> writeOutput(const host::Document &document, const host::svg::SvgSource *svg,
                                       const DocumentJob &job) {
    // A writer that cannot do its work yet throws: that too is a failed
    // write, said in its own words.
    try {
        std::optional<host::FileWriteError> failure;
        switch (job.outputFormat) {
        case FileFormat::Json: failure = host::writeJsonDocumentFile(document, job.output); break;
        case FileFormat::Svg:
        case FileFormat::Svgz:
            // An SVG input takes its chart into its own text; any other is
            // drawn as a picture.
            failure = svg ? host::svg::writeSvgWithChart(*svg, document, job.output)
                          : host::writeDocumentPicture(document, job.output);
            break;
        case FileFormat::Png: failure = writePng(document, svg, job); break;
        }
        if (failure) return failure->message(job.output);
        return std::nullopt;
    } catch (const std::exception &e) {
        return e.what();
    }
}

} // namespace vyn::app
