// AI Font over the host's font list. Names cross the interface in the
// platform encoding; text-engine fonts hold them in UTF-8.
#include <algorithm>
#include <cstring>

#include "AIFont.h"
#include "gate/CallGate.h"
#include "fonts/FontList.h"
#include "Host.h"
#include "text/MacRoman.h"
#include "gate/SuiteRegistry.h"
#include "text/TextEngine.h"

namespace vyn::host {
namespace {

constexpr const char *kSuite = kAIFontSuite;

const std::string &nameOf(Host &host, AIFontKey key) {
    const std::string *name = host.fonts().name(key);
    require(name != nullptr, "stale font key");
    return *name;
}

AIErr ASAPI countFonts(ASInt32 *count) {
    return gate({kSuite, "CountFonts"}, [&](Host &host) {
        require(count != nullptr, "null count address");
        *count = static_cast<ASInt32>(host.fonts().count());
        return kNoErr;
    });
}

AIErr ASAPI indexFontList(ASInt32 index, AIFontKey *key) {
    if (key) *key = nullptr;
    return gate({kSuite, "IndexFontList"}, [&](Host &host) {
        require(key != nullptr, "null key address");
        require(index >= 0 && static_cast<std::size_t>(index) < host.fonts().count(),
                "font index out of range");
        *key = host.fonts().key(static_cast<std::size_t>(index));
        return kNoErr;
    });
}

AIErr ASAPI fontKeyFromPlatformFont(ASInt32 platformFont, AIFontKey *key) {
    if (key) *key = nullptr;
    return gate({kSuite, "FontKeyFromPlatformFont"}, [&](Host &host) {
        require(key != nullptr, "null key address");
        // The default font is the system's sans-serif face (FontList.h); a
        // host without fonts has none.
        if (platformFont != kAIDefaultPlatformFont || host.fonts().count() == 0) return kNotFoundErr;
        *key = host.fonts().key(host.fonts().defaultIndex());
        return kNoErr;
    });
}

AIErr ASAPI getFontName(AIFontKey key, char *name, ASInt32 capacity) {
    return gate({kSuite, "GetFontName"}, [&](Host &host) {
        const std::string &utf8 = nameOf(host, key);
        require(name != nullptr && capacity >= 1, "null name buffer or a capacity below 1");
        const std::string text = utf8ToMacRoman(utf8);
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
        std::memcpy(name, text.data(), length);
        name[length] = '\0';
        return kNoErr;
    });
}

AIErr ASAPI ateFontFromFontKey(AIFontKey key, ATE::FontRef *font) {
    if (font) *font = nullptr;
    return gate({kSuite, "ATEFontFromFontKey"}, [&](Host &host) {
        const std::string &name = nameOf(host, key);
        require(font != nullptr, "null font address");
        *font = host.textEngine().make<ATE::FontRef>(TextFont{name});
        return kNoErr;
    });
}

const AIFontSuite kTable = {
    .CountFonts = countFonts,
    .IndexFontList = indexFontList,
    .FontKeyFromPlatformFont = fontKeyFromPlatformFont,
    .GetFontName = getFontName,
    .ATEFontFromFontKey = ateFontFromFontKey,
};

} // namespace

void registerFontSuite(SuiteRegistry &registry) { registry.add(kAIFontSuite, kAIFontSuiteVersion, &kTable); }

} // namespace vyn::host
