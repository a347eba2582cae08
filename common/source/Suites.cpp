#include "Suites.h"

#include <cstring>

#include "Edition.h"

const ZBBasicSuite4* sZBBasic = nullptr;

const ZBAccessSuite3* sZBAccess = nullptr;
const ZBPluginsSuite4* sZBPlugins = nullptr;
const PDNotifierSuite4* sPDNotifier = nullptr;
const PDContextSuite7* sPDContext = nullptr;
const PDUserSuite11* sPDUser = nullptr;
const PDFilePathSuite4* sPDFilePath = nullptr;
const PDFoldersSuite5* sPDFolders = nullptr;

ImportSuite gBasicSuites[kBasicSuiteCount] = {
    {kZBAccessSuite, kZBAccessSuiteVersion3, &sZBAccess},
    {kZBPluginsSuite, kZBPluginsSuiteVersion4, &sZBPlugins},
    {kPDNotifierSuite, EditionSuiteVersion(kPDNotifierSuiteVersion4, kPDNotifierSuiteVersion1003), &sPDNotifier},
    {kPDContextSuite, EditionSuiteVersion(kPDContextSuiteVersion7, kPDContextSuiteVersion1006), &sPDContext},
    {kPDUserSuite, EditionSuiteVersion(kPDUserSuiteVersion11, kPDUserSuiteVersion1010), &sPDUser},
    {kPDFilePathSuite, EditionSuiteVersion(kPDFilePathSuiteVersion4, kPDFilePathSuiteVersion1003), &sPDFilePath},
    {kPDFoldersSuite, EditionSuiteVersion(kPDFoldersSuiteVersion5, kPDFoldersSuiteVersion1004), &sPDFolders},
};

uint16_t Suites::fAcquiredCount = 0;

namespace {

// A slot is a `const XSuite*` variable known to the table only by its address. Every object pointer has the
// representation of `const void*` here, so a slot is read and written by copying that representation, which
// needs no cast between unrelated pointer types.
static_assert(sizeof(const void*) == sizeof(const ZBAccessSuite3*));

const void* ReadSlot(const ImportSuite& entry) noexcept
{
    const void* suite = nullptr;
    std::memcpy(&suite, entry.suite, sizeof suite);
    return suite;
}

void WriteSlot(const ImportSuite& entry, const void* suite) noexcept { std::memcpy(entry.suite, &suite, sizeof suite); }

ZBErr Acquire(const ImportSuite& entry) noexcept
{
    const void* suite = nullptr;
    const ZBErr error = sZBBasic->AcquireSuite(entry.name, entry.version, &suite);
    if (error == kNoErr) WriteSlot(entry, suite);
    return error;
}

// The entry that ends the required import suites.
ImportSuite* RequiredEnd() noexcept
{
    ImportSuite* entry = gImportSuites;
    while (entry->name) ++entry;
    return entry;
}

// The first optional suite, or null when the table lists none.
ImportSuite* OptionalBegin() noexcept
{
    ImportSuite* end = RequiredEnd();
    return end->version == kOptionalSuitesMarker ? end + 1 : nullptr;
}

int16_t CountUntilEnd(const ImportSuite* entry) noexcept
{
    int16_t count = 0;
    for (; entry && entry->name; ++entry) ++count;
    return count;
}

bool BasicSuiteUsable() noexcept { return sZBBasic && sZBBasic->AcquireSuite && sZBBasic->ReleaseSuite; }

}  // namespace

Suites::Suites() noexcept
    : fError(kNoErr),
      fRequiredSuiteCount(static_cast<int16_t>(kBasicSuiteCount + CountUntilEnd(gImportSuites))),
      fOptionalSuiteCount(CountUntilEnd(OptionalBegin())),
      fAcquiredOptionalSuiteCount(0)
{
    if (fAcquiredCount == 0) fError = AcquireRequiredSuites();
    if (fError == kNoErr) {
        ++fAcquiredCount;
        AcquireOptionalSuites();
    }
}

Suites::~Suites()
{
    if (fAcquiredCount > 0) --fAcquiredCount;
    if (fAcquiredCount == 0) ReleaseSuites();
}

ZBErr Suites::AcquireRequiredSuites() noexcept
{
    if (!BasicSuiteUsable()) return kBadParameterErr;
    for (const ImportSuite& entry : gBasicSuites) {
        if (const ZBErr error = Acquire(entry)) return error;
    }
    for (const ImportSuite* entry = gImportSuites; entry->name; ++entry) {
        if (const ZBErr error = Acquire(*entry)) return error;
    }
    return kNoErr;
}

void Suites::AcquireOptionalSuites() noexcept
{
    if (!BasicSuiteUsable()) return;
    int16_t acquired = 0;
    for (const ImportSuite* entry = OptionalBegin(); entry && entry->name; ++entry) {
        if (!ReadSlot(*entry)) Acquire(*entry);
        if (ReadSlot(*entry)) ++acquired;
    }
    fAcquiredOptionalSuiteCount = acquired;
}

void Suites::ReleaseSuites() noexcept
{
    auto release = [](const ImportSuite& entry) {
        if (!ReadSlot(entry)) return true;
        if (!BasicSuiteUsable() || sZBBasic->ReleaseSuite(entry.name, entry.version) != kNoErr) return false;
        WriteSlot(entry, nullptr);
        return true;
    };
    for (const ImportSuite& entry : gBasicSuites) {
        if (!release(entry)) return;
    }
    for (const ImportSuite* entry = gImportSuites; entry->name; ++entry) {
        if (!release(*entry)) return;
    }
    for (const ImportSuite* entry = OptionalBegin(); entry && entry->name; ++entry) {
        if (!release(*entry)) return;
    }
}
