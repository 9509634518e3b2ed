#include "OutputDocument.h"

#include <exception>
#include <stdexcept>

#include "files/AtomicFile.h"
#include "document/JsonDocumentWriter.h"
#include "render/DocumentPicture.h"
#include "svg/SvgChartWriter.h"

namespace vyn::app {
namespace {

std::optional<std::string> writeJson(const host::Document &document, const std::filesystem::path &file) {
    host::AtomicFile out(file);
    try {
        host::writeJsonDocument(document, out);
    } catch (const std::invalid_argument &e) {
        return "cannot write " + file.string() + ": " + e.what();
    }
    if (auto failure = out.commit()) return "cannot write " + file.string() + ": " + failure->reason();
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeOutput(const host::Document &document, const host::svg::SvgSource *svg,
                                       const DocumentJob &job) {
    // The writers throw with a sentence naming the file; a writer that
    // cannot do its work yet throws too. Either is a failed write.
    try {
        switch (job.outputFormat) {
        case FileFormat::Json: return writeJson(document, job.output);
        case FileFormat::Svg:
        case FileFormat::Svgz:
            if (svg) {
                host::svg::writeSvgWithChart(*svg, document, job.output);
                return std::nullopt;
            }
            break;
        case FileFormat::Png: break;
        }
        if (auto failure = host::writeDocumentPicture(document, job.output))
            return failure->message(job.output);
        return std::nullopt;
    } catch (const std::exception &e) {
        return e.what();
    }
}

} // namespace vyn::app
