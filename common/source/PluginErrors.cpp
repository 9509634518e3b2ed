// PluginErrors.cpp — the alert shown for a failure that no plug-in object is
// left to report (a failed start-up, or an error from the shut-down).
//
// The message comes from string list 16050: pairs of a code line (a decimal
// number, or four characters packed into a code) and a message template with
// at most one "%s", which receives the code as text. The last pair's message
// serves every code without a pair of its own. Fixed buffers only: this runs
// when memory may be exhausted.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ADMBasic.h"
#include "ErrorCodeText.h"
#include "Plugin.h"
#include "Suites.h"

namespace {

constexpr ASInt32 kCodeEntrySize = 10;
constexpr int kTemplateSize = 128;
// Templates this long or longer are shown as they are.
constexpr std::size_t kLongestFormattedTemplate = 119;

// The value a code line stands for.
long CodeOfEntry(const char *entry) {
    if (entry[0] == '-' || (entry[0] >= '0' && entry[0] <= '9')) return std::strtol(entry, nullptr, 10);
    ASUInt32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = value * 256 + static_cast<ASUInt32>(static_cast<signed char>(entry[i]));
    return static_cast<ASInt32>(value);
}

// Reads entry `index` of the error list into `buffer`; the buffer is
// returned when the read succeeded and the text is not empty.
char *ReadMessage(SPPluginRef pluginRef, ASInt32 index, char *buffer, int bufferSize) {
    if (sADMBasic->GetIndexString(pluginRef, kErrorStringListID, index, buffer, bufferSize) != kNoErr)
        return nullptr;
    return buffer[0] != '\0' ? buffer : nullptr;
}

// Writes `pattern` into `out` with its first "%s" replaced by `argument`.
// Nothing else in the template is interpreted.
void Substitute(const char *pattern, const char *argument, char *out, std::size_t size) {
    const char *placeholder = std::strstr(pattern, "%s");
    if (placeholder == nullptr) {
        std::snprintf(out, size, "%s", pattern);
        return;
    }
    std::snprintf(out, size, "%.*s%s%s", static_cast<int>(placeholder - pattern), pattern, argument,
                  placeholder + 2);
}

} // namespace

bool Plugin::FilterError(long error) {
    static const long errors[] = {AS_FOURCC('F', 'M', 'T', '?'),
                                  AS_FOURCC('R', 'F', 'S', 'E'),
                                  AS_FOURCC('A', 'F', 'T', 'R'),
                                  AS_FOURCC('V', 'A', 'L', 'D'),
                                  AS_FOURCC('M', 'O', 'O', 'T'),
                                  AS_FOURCC('T', 'R', 'S', 'H'),
                                  AS_FOURCC('C', 'H', 'E', 'K'),
                                  AS_FOURCC('C', 'H', 'I', 'T'),
                                  AS_FOURCC('T', 'L', 'T', 'K'),
                                  AS_FOURCC('p', 'F', 'l', 's'),
                                  AS_FOURCC('S', '!', 'F', 'd'),
                                  AS_FOURCC('!', 'A', 'c', 'q'),
                                  AS_FOURCC('d', 's', 'R', 'P'),
                                  AS_FOURCC('s', 'k', 'p', 'E'),
                                  AS_FOURCC('D', 'O', 'N', 'E'),
                                  AS_FOURCC('S', 'T', 'O', 'P'),
                                  361,
                                  0};
    for (const long *e = errors; *e != 0; ++e) {
        if (*e == error) return true;
    }
    return false;
}

char *Plugin::FindMsg(SPPluginRef pluginRef, long error, char *buffer, int bufferSize) {
    ASInt32 index = 1;
    for (;;) {
        char entry[kCodeEntrySize] = {};
        if (sADMBasic->GetIndexString(pluginRef, kErrorStringListID, index, entry, kCodeEntrySize) !=
                kNoErr ||
            entry[0] == '\0')
            break;
        if (CodeOfEntry(entry) == error) return ReadMessage(pluginRef, index + 1, buffer, bufferSize);
        index += 2;
    }
    if (index == 1) return nullptr;
    return ReadMessage(pluginRef, index - 1, buffer, bufferSize);
}

void Plugin::DefaultError(SPPluginRef pluginRef, long error) {
    if (FilterError(error)) return;

    // Start-up may have failed before the ADM Basic suite was acquired, or
    // released it on the way out: borrow it for the alert.
    bool borrowed = false;
    if (sADMBasic == nullptr) {
        if (sSPBasic == nullptr) return;
        if (sSPBasic->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion11,
                                   static_cast<const void **>(static_cast<void *>(&sADMBasic))) != kNoErr ||
            sADMBasic == nullptr) {
            sADMBasic = nullptr;
            return;
        }
        borrowed = true;
    }

    char messageTemplate[kTemplateSize];
    if (const char *found = FindMsg(pluginRef, error, messageTemplate, kTemplateSize)) {
        if (std::strlen(found) <= kLongestFormattedTemplate) {
            char code[16];
            char text[kTemplateSize + sizeof code];
            ErrorCodeText(error, code, sizeof code);
            Substitute(found, code, text, sizeof text);
            sADMBasic->ErrorAlert(text);
        } else {
            sADMBasic->ErrorAlert(found);
        }
    }

    if (borrowed) {
        sSPBasic->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteVersion11);
        sADMBasic = nullptr;
    }
}
