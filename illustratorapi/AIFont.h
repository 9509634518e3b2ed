/*
 * AIFont.h — AI Font: the host's list of installed fonts, their names, and
 * the text-engine font that stands for each.
 *
 * A font is named by an AIFontKey, an opaque handle owned by the host. The
 * font list has a fixed order for the whole run of the host: position n
 * names the same font every time it is asked for.
 */
#ifndef VYN_ILLUSTRATORAPI_AIFONT_H
#define VYN_ILLUSTRATORAPI_AIFONT_H

#include "ASTypes.h"
#include "ATESuites.h"

#define kAIFontSuite "AI Font Suite"
#define kAIFontSuiteVersion 1004

/* The platform font number that always names a font: the host's default. */
enum { kAIDefaultPlatformFont = 0 };

typedef struct AIFontSuite {
    /* The number of fonts in the host's font list.
     * Returns 0, or kCantHappenErr when the host cannot list its fonts; on
     * failure *count is left as it was. [any time] */
    AIErr(ASAPI *CountFonts)(ASInt32 *count);

    /* The key of the font at `index` (from 0) of the font list.
     * Returns 0, or kBadParameterErr when index is out of range, in which
     * case *key is null. The key stays valid while the host runs. [any time] */
    AIErr(ASAPI *IndexFontList)(ASInt32 index, AIFontKey *key);

    /* The key of the font that the platform knows by the number
     * `platformFont`; kAIDefaultPlatformFont (0) names the host's default
     * font, which is one of the fonts of the font list.
     * Returns 0, or kNotFoundErr for a number the host does not know, in
     * which case *key is null. [any time]
     * See docs/host-behaviour.md, "Fonts". */
    AIErr(ASAPI *FontKeyFromPlatformFont)(ASInt32 platformFont, AIFontKey *key);

    /* Copies the font's name into `name` as 8-bit text in the platform
     * encoding (Mac Roman). `name` holds `capacity` bytes including the
     * terminating NUL; a longer name is cut to capacity - 1 bytes.
     * Every font is named in the same one of its name forms; two fonts may
     * share a name.
     * Returns 0, or kBadParameterErr for a stale key, a null buffer or a
     * capacity below 1; on failure `name` is left as it was. [any time]
     * See docs/host-behaviour.md, "Fonts". */
    AIErr(ASAPI *GetFontName)(AIFontKey key, char *name, ASInt32 capacity);

    /* The text-engine font for `key`, with one count that the caller gives
     * back through the ATE Font suite's Release.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale key; on
     * failure *font is null. [any time] */
    AIErr(ASAPI *ATEFontFromFontKey)(AIFontKey key, ATE_NS FontRef *font);
} AIFontSuite;

#endif /* VYN_ILLUSTRATORAPI_AIFONT_H */
