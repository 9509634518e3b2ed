#include "OutputDocument.h"

#include <exception>

#include "document/JsonDocumentWriter.h"
#include "picture/Picture.h"
#include "render/DocumentPicture.h"
#include "svg/SvgChartWriter.h"

namespace vyn::app {

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
        case FileFormat::Png:
            // An SVG input is drawn as the file it would be written as, by
            // librsvg (96 CSS pixels an inch), so that it looks as in a
            // browser; a JSON document exists only in the model (one user
            // unit a point).
            failure = svg ? host::writePicture(host::svg::svgWithChart(*svg, document), job.output, job.dpi / 96)
                          : host::writeDocumentPicture(document, job.output, job.dpi / 72);
            break;
        }
        if (failure) return failure->message(job.output);
        return std::nullopt;
    } catch (const std::exception &e) {
        return e.what();
    }
}

} // namespace vyn::app
