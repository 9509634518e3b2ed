/*
 * AIArtboard.h — AI Artboard: the document's artboards and their bounds.
 */
#ifndef VYN_ILLUSTRATORAPI_AIARTBOARD_H
#define VYN_ILLUSTRATORAPI_AIARTBOARD_H

#include "ASTypes.h"

#define kAIArtboardSuite "AI Artboard Suite"
#define kAIArtboardSuiteVersion 1001

typedef struct AIArtboardSuite {
    /* A snapshot of the current document's artboards. `list` receives it;
     * the caller releases it with ReleaseArtboardList. Returns 0, or
     * kBadContextErr when no document is open (then *list is null).
     * [document open] */
    AIErr(ASAPI *GetArtboardList)(AIArtboardListRef *list);

    /* Frees a list and sets *list to null. Returns 0 or kBadParameterErr
     * for a stale list. [any time] */
    AIErr(ASAPI *ReleaseArtboardList)(AIArtboardListRef *list);

    /* The index (from 0) of the active artboard. Returns 0 or
     * kBadParameterErr for a stale list. [any time] */
    AIErr(ASAPI *GetActive)(AIArtboardListRef list, ASInt32 *index);

    /* Makes an empty properties object in *props, to be filled by
     * GetArtboardProperties. Returns 0 or kOutOfMemoryErr. [any time] */
    AIErr(ASAPI *InitArtboardProperties)(AIArtboardPropertiesRef *props);

    /* Frees a properties object and sets *props to null; a null *props is
     * ignored. Returns 0 or kBadParameterErr. [any time] */
    AIErr(ASAPI *DisposeArtboardProperties)(AIArtboardPropertiesRef *props);

    /* Copies the properties of artboard `index` of `list` into `props`.
     * Returns 0 or kBadParameterErr for a stale handle or an index out of
     * range. [any time] */
    AIErr(ASAPI *GetArtboardProperties)(AIArtboardListRef list, ASInt32 index, AIArtboardPropertiesRef props);

    /* The artboard's bounds in document points (top > bottom). Returns 0 or
     * kBadParameterErr for a stale or empty properties object. [any time] */
    AIErr(ASAPI *GetPosition)(AIArtboardPropertiesRef props, AIRealRect *bounds);
} AIArtboardSuite;

#endif /* VYN_ILLUSTRATORAPI_AIARTBOARD_H */
