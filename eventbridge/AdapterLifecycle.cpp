#include "AdapterLifecycle.h"

#include "AdapterState.h"
#include "HostEventNames.h"
#include "pendrake/PDWrapperSuites.h"
#include "pendrake/ZBBasic.h"

namespace {

template <typename Suite>
ZBErr Acquire(const ZBBasicSuite4& basic, const char* name, int32_t version, const Suite*& slot)
{
    const void* suite = nullptr;
    const ZBErr error = basic.AcquireSuite(name, version, &suite);
    slot = error == kNoErr ? static_cast<const Suite*>(suite) : nullptr;
    return error;
}

template <typename Suite>
void Release(const ZBBasicSuite4& basic, const char* name, int32_t version, const Suite*& slot)
{
    if (slot) basic.ReleaseSuite(name, version);
    slot = nullptr;
}

// The lock keeps the module loaded for the rest of the host's run; it is never given back. The Access suite
// is given back also when the lock is refused, so that no acquisition is left over.
ZBErr LockAdapter(const ZBBasicSuite4& basic)
{
    const ZBAccessSuite3* access = nullptr;
    if (const ZBErr error = Acquire(basic, kZBAccessSuite, kZBAccessSuiteVersion3, access)) return error;
    const ZBErr locked = access->AcquirePlugin(gAdapter.fPlugin, &gAdapter.fAccess);
    const ZBErr released = basic.ReleaseSuite(kZBAccessSuite, kZBAccessSuiteVersion3);
    return locked != kNoErr ? locked : released;
}

ZBErr AddSetupNotifier()
{
    return gAdapter.fNotifierSuite->AddNotifier(gAdapter.fPlugin, HostEventNamespace, kPDWireletSetupCompleteNotifier,
                                                &gAdapter.fSetupNotifier);
}

// The suites that building the library's path needs are held only for the binding.
void BindPanelLibrary(const ZBBasicSuite4& basic)
{
    const PDFoldersSuite4* folders = nullptr;
    Acquire(basic, kPDFoldersSuite, kPDFoldersSuiteVersion4, folders);
    Acquire(basic, kPDUnicodeStringSuite, kPDUnicodeStringSuiteVersion7, sPDUnicodeString);
    Acquire(basic, kZBBlocksSuite, kZBBlocksSuiteVersion2, sZBBlocks);
    Acquire(basic, kPDStringFormatUtilsSuite, kPDStringFormatUtilsSuiteVersion2, sPDStringFormatUtils);
    Acquire(basic, kPDFilePathSuite, kPDFilePathSuiteVersion3, sPDFilePath);

    gAdapter.fWirelet.Load(folders);

    Release(basic, kPDFoldersSuite, kPDFoldersSuiteVersion4, folders);
    Release(basic, kPDUnicodeStringSuite, kPDUnicodeStringSuiteVersion7, sPDUnicodeString);
    Release(basic, kZBBlocksSuite, kZBBlocksSuiteVersion2, sZBBlocks);
    Release(basic, kPDStringFormatUtilsSuite, kPDStringFormatUtilsSuiteVersion2, sPDStringFormatUtils);
    Release(basic, kPDFilePathSuite, kPDFilePathSuiteVersion3, sPDFilePath);
}

}  // namespace

ZBErr AdapterStartup(const ZBInterfaceMessage& message)
{
    const ZBBasicSuite4& basic = *message.d.basic;
    gAdapter.fPlugin = message.d.self;
    ZBErr error = Acquire(basic, kPDNotifierSuite, kPDNotifierSuiteVersion3, gAdapter.fNotifierSuite);
    if (error == kNoErr) {
        gAdapter.fRegistry.emplace(gAdapter.fPlugin, kAdapterOwnerName, gAdapter.fNotifierSuite);
        gAdapter.fSetupNotifier = nullptr;
        error = LockAdapter(basic);
        if (error == kNoErr) error = AddSetupNotifier();
    }
    BindPanelLibrary(basic);
    return error;
}

void AdapterShutdown(const ZBInterfaceMessage& message)
{
    if (!gAdapter.fNotifierSuite) return;
    if (gAdapter.fRegistry) {
        gAdapter.fRegistry->UnregisterAll();
        gAdapter.fRegistry->ForgetNotifierSuite();
    }
    message.d.basic->ReleaseSuite(kPDNotifierSuite, kPDNotifierSuiteVersion3);
    gAdapter.fNotifierSuite = nullptr;
}
