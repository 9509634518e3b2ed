#include "svg/SvgDocumentReader.h"

#include <pugixml.hpp>

#include "files/SmallFile.h"
#include "svg/SvgDiagnostics.h"
#include "svg/SvgDocumentBuilder.h"
#include "svg/SvgElementSpans.h"
#include "svg/SvgFileBytes.h"
#include "svg/SvgLimits.h"
#include "svg/SvgStyleSheet.h"

namespace vyn::host::svg {
namespace {

constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";

// The offset of the root's end tag: its last '<', or its "/>" when it has
// no end tag.
// Where the root's size attributes' values stand in the file's bytes (the
// parser's copy has its closing quotes overwritten, so they are found in the
// file itself), and where an absent one would go.
void rootSizeSpans(SvgRootSize &size, pugi::xml_node root, const char *buffer, std::string_view text,
                   std::size_t rootAt) {
    auto value = [&](const char *name) -> std::optional<ByteSpan> {
        const pugi::xml_attribute a = root.attribute(name);
        if (!a) return std::nullopt;
        const std::size_t begin = static_cast<std::size_t>(a.value() - buffer);
        if (begin == 0 || begin > text.size()) return std::nullopt;
        const char quote = text[begin - 1];
        if (quote != '"' && quote != '\'') return std::nullopt;
        const std::size_t end = text.find(quote, begin);
        if (end == std::string_view::npos) return std::nullopt;
        return ByteSpan{begin, end};
    };
    size.viewBoxValue = value("viewBox");
    size.widthValue = value("width");
    size.heightValue = value("height");
    size.attributesAt = rootAt + 1 + std::string_view(root.name()).size();
}

std::size_t rootEndTag(std::string_view text, ByteSpan root) {
    if (root.end >= 2 && text.substr(root.end - 2, 2) == "/>") return root.end - 2;
    const std::size_t at = text.rfind('<', root.end - 1);
    return at == std::string_view::npos ? root.end : at;
}

// Why the root is not SVG's root, after "this is not an SVG file: ".
std::string notSvgReason(pugi::xml_node root) {
    const std::string_view name = root.name();
    if (localName(root) != "svg") return "its root element is <" + std::string(name) + ">";
    const std::size_t colon = name.find(':');
    const std::string xmlns =
        colon == std::string_view::npos ? "xmlns" : "xmlns:" + std::string(name.substr(0, colon));
    const pugi::xml_attribute ns = root.attribute(xmlns.c_str());
    if (ns && std::string_view(ns.value()) != kSvgNamespace)
        return "its root element is in the namespace \"" + std::string(ns.value()) + "\"";
    return {};
}

// Reads the decompressed text held by read.source.bytes.
void readText(SvgDocumentRead &read, std::string_view name, const SvgReadOptions &options) {
    const std::string_view text = read.source.bytes;
    if (const auto problem = encodingProblem(text)) {
        read.error = SvgDiagnostics::errorAt(SvgReadStatus::BadEncoding, problem->offset, problem->reason);
        return;
    }
    // The parser works in place on a copy, so the source keeps the bytes
    // as they were; names and values point into the copy, at the offsets
    // they have in the file.
    std::string buffer(text);
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed = xml.load_buffer_inplace(
        buffer.data(), buffer.size(), pugi::parse_cdata | pugi::parse_escapes, pugi::encoding_utf8);
    if (!parsed) {
        const std::size_t at = static_cast<std::size_t>(std::max<std::ptrdiff_t>(parsed.offset, 0));
        read.error = parsed.status == pugi::status_no_document_element
                         ? SvgDiagnostics::errorAt(SvgReadStatus::NotXml, at, "it holds no element")
                         : SvgDiagnostics::errorAt(SvgReadStatus::NotWellFormed, at, parsed.description());
        return;
    }
    const pugi::xml_node root = xml.document_element();
    if (const std::string reason = notSvgReason(root); !reason.empty()) {
        read.error = SvgDiagnostics::errorAt(
            SvgReadStatus::NotSvg,
            static_cast<std::size_t>(std::max<std::ptrdiff_t>(root.offset_debug() - 1, 0)), reason);
        return;
    }
    const ElementSpans spans = scanElementSpans(text);
    SvgDiagnostics diagnostics(name, text);
    BuiltSvg built = buildSvgDocument({root, buffer.data(), spans}, options, diagnostics);
    if (!built.document) {
        read.error = std::move(built.error);
        return;
    }
    read.document = std::move(built.document);
    read.selected = built.selected;
    read.source.elements = std::move(built.elements);
    read.source.art = std::move(built.elementArt);
    read.source.chart = options.chart;
    read.source.chartLayer = built.chartLayer;
    read.source.paintServers = std::move(built.paintServers);
    const std::size_t rootAt = static_cast<std::size_t>(root.offset_debug() - 1);
    read.source.rootEndTag = rootEndTag(text, spans.at(rootAt));
    read.source.rootSize = std::move(built.rootSize);
    rootSizeSpans(read.source.rootSize, root, buffer.data(), text, rootAt);
    read.source.newline = lineEnding(text);
    read.source.indent = indentation(text, spans);
    read.warnings = diagnostics.takeWarnings();
}

// Takes the file's bytes over, so that a big file is held once besides the
// parser's copy.
SvgDocumentRead readOwnedBytes(std::string bytes, std::string_view name, const SvgReadOptions &options) {
    SvgDocumentRead read;
    read.name = name;
    read.source.gzipped = isGzip(bytes);
    if (read.source.gzipped) {
        std::string reason;
        auto text = gunzip(bytes, kMaxSvgBytes, reason);
        if (!text) {
            read.error = SvgDiagnostics::error(SvgReadStatus::BadCompression, std::move(reason));
            return read;
        }
        read.source.bytes = std::move(*text);
    } else {
        read.source.bytes = std::move(bytes);
    }
    readText(read, name, options);
    if (!read.document) {
        // Only the text stays, for the error's position.
        std::string text = std::move(read.source.bytes);
        read.source = SvgSource{};
        read.source.bytes = std::move(text);
    }
    return read;
}

} // namespace

SvgDocumentRead readSvgDocument(std::string_view bytes, std::string_view name,
                                const SvgReadOptions &options) {
    if (bytes.size() > kMaxSvgBytes) {
        SvgDocumentRead read;
        read.name = name;
        read.error = SvgDiagnostics::error(SvgReadStatus::TooLarge);
        return read;
    }
    return readOwnedBytes(std::string(bytes), name, options);
}

SvgDocumentRead readSvgDocumentFile(const std::filesystem::path &file, const SvgReadOptions &options) {
    const std::string name = file.string();
    SmallFileRead bytes = readSmallRegularFile(file, kMaxSvgBytes);
    if (!bytes.bytes) {
        SvgDocumentRead read;
        read.name = name;
        read.error =
            SvgDiagnostics::error(SvgReadStatus::Unreadable,
                                  bytes.missing() ? std::string("there is no such file") : bytes.refusal);
        return read;
    }
    return readOwnedBytes(std::move(*bytes.bytes), name, options);
}

} // namespace vyn::host::svg
