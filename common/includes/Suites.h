// Suites: the host suites a plug-in holds, acquired into global slots through the Basic suite. The frame's own
// table gBasicSuites comes first, then the plug-in's gImportSuites. An import table lists its required suites up
// to an entry with a null name; when that entry's version is kOptionalSuitesMarker, optional suites follow up to
// the next null name.
#ifndef MARKPLUG_SUITES_H
#define MARKPLUG_SUITES_H

#include <cstdint>

#include "pendrake/PDSuites.h"

// One table entry. suite is the address of the slot (a `const XSuite*` variable) that receives the suite.
struct ImportSuite {
    const char* name;
    int32_t version;
    void* suite;
};

inline constexpr int32_t kOptionalSuitesMarker = PD_FOURCC('O', 'P', 'T', 'S');

inline constexpr int kBasicSuiteCount = 7;
extern ImportSuite gBasicSuites[kBasicSuiteCount];
// Defined by the plug-in.
extern ImportSuite gImportSuites[];

// The Basic suite of the latest host message.
extern const ZBBasicSuite4* sZBBasic;

// The slots of gBasicSuites; sPDFilePath is also one of the wrappers' slots.
extern const ZBAccessSuite3* sZBAccess;
extern const ZBPluginsSuite4* sZBPlugins;
extern const PDNotifierSuite4* sPDNotifier;
extern const PDContextSuite7* sPDContext;
extern const PDUserSuite11* sPDUser;
extern const PDFilePathSuite4* sPDFilePath;
extern const PDFoldersSuite5* sPDFolders;

class Suites {
public:
    // Acquires every required suite when none are held yet; the first failure stops and is kept as Error().
    Suites() noexcept;
    // Gives one hold back; the last one releases every held suite in table order and clears the slots.
    ~Suites();
    Suites(const Suites&) = delete;
    Suites& operator=(const Suites&) = delete;

    ZBErr Error() const noexcept { return fError; }
    // Tries the optional suites still missing; their absence is no error.
    void AcquireOptionalSuites() noexcept;

    int16_t RequiredSuiteCount() const noexcept { return fRequiredSuiteCount; }
    int16_t OptionalSuiteCount() const noexcept { return fOptionalSuiteCount; }
    int16_t AcquiredOptionalSuiteCount() const noexcept { return fAcquiredOptionalSuiteCount; }

    // How many suite sets hold the suites; a plug-in sets it to 1 after making its set, so that destroying a
    // set whose acquisition failed still releases what was acquired.
    static uint16_t fAcquiredCount;

private:
    ZBErr AcquireRequiredSuites() noexcept;
    void ReleaseSuites() noexcept;

    ZBErr fError;
    int16_t fRequiredSuiteCount;
    int16_t fOptionalSuiteCount;
    int16_t fAcquiredOptionalSuiteCount;
};

#endif
