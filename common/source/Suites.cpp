// Suites.cpp — walks the plug-in's suite tables through the SP Basic suite.
#include "Suites.h"

#include <cstring>

ASInt32 Suites::fAcquiredCount = 0;

namespace {

// The row's global, read and written as an untyped pointer: the globals have
// their suites' own pointer types, and copying the bytes keeps these accesses
// well defined whatever that type is.
const void *GlobalOf(const ImportSuite *row) {
    const void *suite = nullptr;
    std::memcpy(&suite, row->suite, sizeof suite);
    return suite;
}

void ClearGlobalOf(ImportSuite *row) {
    const void *none = nullptr;
    std::memcpy(row->suite, &none, sizeof none);
}

constexpr int kBasicSuiteCount = 5;

} // namespace

Suites::Suites() : fError(kNoErr), fOptionalCount(0), fRequiredCount(0), fOptionalAcquired(0) {
    fError = AcquireSuites();

    const ImportSuite *row = gImportSuites;
    while (row->name != nullptr) {
        ++fRequiredCount;
        ++row;
    }
    if (row->version == kOptionalSuitesMarker) {
        for (++row; row->name != nullptr; ++row)
            ++fOptionalCount;
    }

    if (fError == kNoErr) acquire_Optional_Suites();
}

Suites::~Suites() { ReleaseSuites(); }

ASErr Suites::AcquireSuites() {
    if (fAcquiredCount == 0) {
        for (int i = 0; i < kBasicSuiteCount; ++i) {
            if (ASErr error = AcquireSuite(&gBasicSuites[i])) return error;
        }
        for (ImportSuite *row = gImportSuites; row->name != nullptr; ++row) {
            if (ASErr error = AcquireSuite(row)) return error;
        }
    }
    ++fAcquiredCount;
    return kNoErr;
}

ASErr Suites::ReleaseSuites() {
    --fAcquiredCount;
    if (fAcquiredCount != 0) return kNoErr;

    for (int i = 0; i < kBasicSuiteCount; ++i) {
        if (ASErr error = ReleaseSuite(&gBasicSuites[i])) return error;
    }
    ImportSuite *row = gImportSuites;
    for (; row->name != nullptr; ++row) {
        if (ASErr error = ReleaseSuite(row)) return error;
    }
    if (row->version == kOptionalSuitesMarker) {
        for (++row; row->name != nullptr && fOptionalAcquired > 0; ++row) {
            if (row->suite == nullptr || GlobalOf(row) == nullptr) continue;
            if (ASErr error = ReleaseSuite(row)) return error;
            --fOptionalAcquired;
        }
    }
    return kNoErr;
}

void Suites::acquire_Optional_Suites() {
    if (fOptionalAcquired == fOptionalCount) return;
    ImportSuite *row = gImportSuites + fRequiredCount + 1;
    for (int i = 0; i < fOptionalCount && row->suite != nullptr; ++i, ++row) {
        if (GlobalOf(row) == nullptr && AcquireSuite(row) == kNoErr) ++fOptionalAcquired;
    }
}

ASErr Suites::AcquireSuite(ImportSuite *row) {
    if (row->suite == nullptr) return kNoErr;
    return sSPBasic->AcquireSuite(row->name, row->version, static_cast<const void **>(row->suite));
}

ASErr Suites::ReleaseSuite(ImportSuite *row) {
    if (row->suite == nullptr || GlobalOf(row) == nullptr) return kNoErr;
    ASErr error = sSPBasic->ReleaseSuite(row->name, row->version);
    ClearGlobalOf(row);
    return error;
}
