// JsonDocumentFuzz.cpp — libFuzzer target: any bytes given to the JSON
// document reader give a document or an error that says why, never a crash,
// a hang or a leak; and a document read is one the writer writes, whose
// written bytes read again into a document that writes the same bytes
// (docs/document-format.md: writing what was read gives the same bytes).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/JsonDocumentReader.h"
#include "document/JsonDocumentWriter.h"
#include "files/ByteSink.h"

namespace {

[[noreturn]] void fail(const char *what, const std::string &detail) {
    std::fprintf(stderr, "json_document_fuzz: %s: %s\n", what, detail.substr(0, 2000).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace vyn::host;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const JsonDocumentRead read = readJsonDocument(text);
    if (!read.document) {
        // A refusal says why, and where when it has a place.
        if (sentenceOf(read.error.status).empty() && read.error.detail.empty())
            fail("a refusal without a reason", read.error.message("fuzz.json", text));
        if (read.error.offset && *read.error.offset > text.size())
            fail("a refusal placed past the text", read.error.message("fuzz.json", text));
        return 0;
    }
    StringSink first;
    if (const auto error = writeJsonDocument(*read.document, first))
        fail("a document read cannot be written", error->message("fuzz.json"));
    const JsonDocumentRead again = readJsonDocument(first.bytes());
    if (!again.document)
        fail("the written bytes do not read", again.error.message("written.json", first.bytes()));
    StringSink second;
    if (const auto error = writeJsonDocument(*again.document, second))
        fail("the document read back cannot be written", error->message("written.json"));
    if (second.bytes() != first.bytes()) fail("writing what was written gives other bytes", first.bytes());
    return 0;
}
