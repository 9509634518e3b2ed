// Suites.h — acquisition and release of the host suites a plug-in uses.
//
// The plug-in lists its suites in two tables: gBasicSuites (acquired first)
// and gImportSuites (the required rows, a terminating row, then optional rows
// when the terminator's version is 'OPTS'). Each row names a suite and the
// global that receives it; every global is null until its suite is acquired
// and null again once released. A Suites object acquires both tables when it
// is constructed and releases them when it is destroyed.
#pragma once

#include "ADMBasic.h"
#include "AINotifier.h"
#include "ASTypes.h"
#include "SPSuites.h"

// One row of a suite table. A null name ends a table; a null `suite` makes
// the row inert (neither acquired nor released).
struct ImportSuite {
    const char *name;
    ASInt32 version;
    void *suite; // address of the suite pointer global (e.g. &sAIMenu)
};

// The terminating row's version announcing optional rows after it.
constexpr ASInt32 kOptionalSuitesMarker = AS_FOURCC('O', 'P', 'T', 'S');

extern ImportSuite gBasicSuites[];
extern ImportSuite gImportSuites[];

// The SP Basic suite, copied from every message header by PluginMain.
extern SPBasicSuite *sSPBasic;

// The globals of gBasicSuites, which the framework itself calls.
extern SPAccessSuite *sSPAccess;
extern SPPluginsSuite *sSPPlugins;
extern AINotifierSuite *sAINotifier;
extern AIAppContextSuite *sAIAppContext;
extern ADMBasicSuite *sADMBasic;

class Suites {
  public:
    // Acquires every suite of both tables; Error() tells how it went.
    Suites();
    // Releases them (see ReleaseSuites).
    ~Suites();
    Suites(const Suites &) = delete;
    Suites &operator=(const Suites &) = delete;

    ASErr Error() const { return fError; }

    // Makes exactly one acquisition outstanding, whatever the construction
    // managed, so that destroying the object releases whatever was acquired.
    static void InitializeRefCount() { fAcquiredCount = 1; }

    // The first outstanding acquisition acquires the basic rows, then the
    // required rows, stopping at the first failure; later ones only count.
    ASErr AcquireSuites();
    // The last outstanding release releases the rows in acquisition order,
    // stopping at the first failure.
    ASErr ReleaseSuites();
    // Tries again the optional rows not yet acquired; failures are silent.
    void acquire_Optional_Suites();

  private:
    ASErr AcquireSuite(ImportSuite *row);
    ASErr ReleaseSuite(ImportSuite *row);

    ASErr fError;
    ASUInt16 fOptionalCount;
    ASUInt16 fRequiredCount;
    ASUInt16 fOptionalAcquired;

    static ASInt32 fAcquiredCount;
};
