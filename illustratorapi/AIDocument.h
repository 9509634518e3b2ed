/*
 * AIDocument.h — AI Document: properties of the current document.
 */
#ifndef VYN_ILLUSTRATORAPI_AIDOCUMENT_H
#define VYN_ILLUSTRATORAPI_AIDOCUMENT_H

#include "ASTypes.h"

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 1012

/* The colour model a document is made in (16-bit). */
typedef ASInt16 AIDocumentColorModel;
enum { kDocRGBColor = 1, kDocCMYKColor = 2 };

typedef struct AIDocumentSuite {
    /* The colour model of the current document: kDocRGBColor or
     * kDocCMYKColor. Returns 0, or kBadContextErr when no document is open,
     * in which case *model is left as it was. [document open] */
    AIErr(ASAPI *GetDocumentColorModel)(AIDocumentColorModel *model);
} AIDocumentSuite;

#endif /* VYN_ILLUSTRATORAPI_AIDOCUMENT_H */
