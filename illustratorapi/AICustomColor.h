/*
 * AICustomColor.h — AI Custom Color: the document's named (global) colours,
 * which paints use at a tint (AICustomColorStyle in AIPathStyle.h).
 *
 * Names are host Unicode strings; a plug-in written in C++ passes the
 * reference held by its ai::UnicodeString.
 */
#ifndef VYN_ILLUSTRATORAPI_AICUSTOMCOLOR_H
#define VYN_ILLUSTRATORAPI_AICUSTOMCOLOR_H

#include "ASTypes.h"
#include "AIPathStyle.h"

#define kAICustomColorSuite "AI Custom Color Suite"
#define kAICustomColorSuiteVersion 1006

/* How a custom colour is defined (32-bit). */
typedef enum AICustomColorTag { kCustomFourColor = 0, kCustomThreeColor = 1 } AICustomColorTag;

/* What kind of custom colour it is, as a 16-bit signed word. Any value other
 * than these two is a process (global) colour. */
typedef ASInt16 AICustomColorFlags;
enum { kCustomProcessColor = 0, kCustomSpotColor = 1, kCustomRegistrationColor = 2 };

typedef union AICustomColorUnion {
    AIFourColorStyle f;
    AIThreeColorStyle rgb;
} AICustomColorUnion;

/* The definition of a custom colour at full strength. */
typedef struct AICustomColor {
    ASInt32 kind; /* an AICustomColorTag */
    AICustomColorUnion c;
    AICustomColorFlags flag;
} AICustomColor;

AS_STATIC_ASSERT(offsetof(AICustomColor, c) == 4, "a 32-bit kind, then the components");
AS_STATIC_ASSERT(offsetof(AICustomColor, flag) == 20, "the flags follow the four components");
AS_STATIC_ASSERT(sizeof(AICustomColor) == 24, "AICustomColor ends with a padded 16-bit word");

typedef struct AICustomColorSuite {
    /* Copies the custom colour's definition into *color. Returns 0, or
     * kBadParameterErr for a stale handle; on failure *color is left as it
     * was. [document open] */
    AIErr(ASAPI *GetCustomColor)(AICustomColorHandle customColor, AICustomColor *color);

    /* Copies the custom colour's name into *name. A null *name receives a
     * new string, which the caller owns until the Unicode String suite's
     * Dispose; an existing one is overwritten in place.
     * Returns 0, kOutOfMemoryErr, or kBadParameterErr for a stale handle or
     * string; on failure *name is left as it was. [document open] */
    AIErr(ASAPI *GetCustomColorName)(AICustomColorHandle customColor, AIUnicodeStringRef *name);
} AICustomColorSuite;

#endif /* VYN_ILLUSTRATORAPI_AICUSTOMCOLOR_H */
