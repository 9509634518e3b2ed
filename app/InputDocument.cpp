#include "InputDocument.h"

#include <ostream>

#include "chart/ChartConventions.h"
#include "document/JsonDocumentReader.h"
#include "svg/SvgDocumentReader.h"

namespace vyn::app {

std::optional<InputDocument> readInput(const DocumentJob &job, std::ostream &err) {
    const std::string name = job.input.string();
    if (job.inputFormat == FileFormat::Json) {
        host::JsonDocumentFileRead read = host::readJsonDocumentFile(job.input);
        if (!read.document) {
            err << read.error.message(name, read.text) << "\n";
            return std::nullopt;
        }
        return InputDocument{std::move(*read.document), std::nullopt};
    }
    host::svg::SvgDocumentRead read =
        host::svg::readSvgDocumentFile(job.input, {.select = job.select, .chart = svgChartMarks()});
    for (const std::string &warning : read.warnings)
        err << warning << "\n";
    if (!read.document) {
        err << read.errorMessage() << "\n";
        return std::nullopt;
    }
    if (!job.select.empty() && read.selected == 0)
        err << "vyncolors: warning: --select \"" << job.select << "\" selects no art of " << name << "\n";
    return InputDocument{std::move(*read.document), std::move(read.source)};
}

} // namespace vyn::app
