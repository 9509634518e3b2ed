#include "InputDocument.h"

#include <algorithm>
#include <ostream>

#include "StandardStreams.h"
#include "chart/ChartConventions.h"
#include "document/JsonDocumentReader.h"
#include "svg/SvgDocumentReader.h"
#include "svg/SvgLimits.h"

namespace vyn::app {
namespace {

std::optional<InputDocument> fromJson(host::JsonDocumentRead &read, const std::string &name, std::string_view text,
                                      std::ostream &err) {
    if (!read.document) {
        err << read.error.message(name, text) << "\n";
        return std::nullopt;
    }
    return InputDocument{std::move(*read.document), std::nullopt};
}

std::optional<InputDocument> fromSvg(host::svg::SvgDocumentRead read, const DocumentJob &job, std::ostream &err,
                                     std::ostream &warnings) {
    for (const std::string &warning : read.warnings)
        warnings << warning << "\n";
    if (!read.document) {
        err << read.errorMessage() << "\n";
        return std::nullopt;
    }
    if (!job.select.empty() && read.selected == 0)
        warnings << "vyncolors: warning: --select \"" << job.select << "\" selects no art of " << read.name << "\n";
    return InputDocument{std::move(*read.document), std::move(read.source)};
}

host::svg::SvgReadOptions svgOptions(const DocumentJob &job) {
    return {.select = job.select, .chart = svgChartMarks()};
}

} // namespace

FileFormat formatOfBytes(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    const auto first = std::find_if_not(bytes.begin(), bytes.end(),
                                        [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
    return first != bytes.end() && *first == '{' ? FileFormat::Json : FileFormat::Svg;
}

std::optional<InputDocument> readInput(const DocumentJob &job, std::ostream &err, std::ostream &warnings) {
    const std::string name = job.input.string();
    if (job.fromStandardInput) {
        StandardInputRead read =
            readStandardInput(std::max(host::kMaxDocumentBytes, host::svg::kMaxSvgBytes));
        if (!read.bytes) {
            err << "vyncolors: " << read.refusal << "\n";
            return std::nullopt;
        }
        const FileFormat format = formatOfBytes(*read.bytes);
        if (auto why = formatConflict(job, format)) {
            err << "vyncolors: " << name << ": " << *why << "\n";
            return std::nullopt;
        }
        if (format == FileFormat::Json) {
            if (read.bytes->size() > host::kMaxDocumentBytes) {
                err << "vyncolors: " << name << ": a JSON document may hold " << (host::kMaxDocumentBytes >> 20)
                    << " MiB at most\n";
                return std::nullopt;
            }
            host::JsonDocumentRead parsed = host::readJsonDocument(*read.bytes);
            return fromJson(parsed, name, *read.bytes, err);
        }
        return fromSvg(host::svg::readSvgDocument(*read.bytes, name, svgOptions(job)), job, err, warnings);
    }
    if (job.inputFormat == FileFormat::Json) {
        host::JsonDocumentFileRead read = host::readJsonDocumentFile(job.input);
        return fromJson(read, name, read.text, err);
    }
    return fromSvg(host::svg::readSvgDocumentFile(job.input, svgOptions(job)), job, err, warnings);
}

} // namespace vyn::app
