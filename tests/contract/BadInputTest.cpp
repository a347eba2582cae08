// Bad input at markplug's entry point never crashes the host.
#include <gtest/gtest.h>

#include "ElfDynamicSymbols.h"
#include "MarkplugHost.h"
#include "pendrake/PDSuites.h"

using testing_support::MarkplugHost;

TEST(EntryPoint, NullMessageAndNullNamesAreAnsweredWithoutCrashing)
{
    MarkplugHost h("windows");
    EXPECT_EQ(h.Host().SendRaw(h.Plugin(), kZBInterfaceCaller, kZBStartupSelector, nullptr), kBadParameterErr);
    EXPECT_EQ(h.Host().SendRaw(h.Plugin(), nullptr, nullptr, nullptr), kBadParameterErr);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(h.Host().Send(h.Plugin(), nullptr, kZBStartupSelector), kNoErr);
    EXPECT_EQ(h.Host().Send(h.Plugin(), kPDNotifierCaller, nullptr), kNoErr);
    PDNotifierMessage unknownNotifier{};
    unknownNotifier.type = nullptr;
    EXPECT_EQ(h.Host().Send(h.Plugin(), kPDNotifierCaller, kPDNotifySelector, &unknownNotifier), kNoErr);
    ZBInterfaceMessage noBasic{};
    noBasic.d.self = h.Plugin();
    noBasic.d.globals = h.Plugin()->globals;
    EXPECT_EQ(h.Host().SendRaw(h.Plugin(), kZBCacheCaller, kZBPurgeCacheSelector, &noBasic), kNoErr);
    EXPECT_EQ(h.Host().Shutdown(h.Plugin()), kNoErr);
    EXPECT_EQ(h.Leftovers(), "");
}

TEST(EntryPoint, ModuleExportsOnlyItsEntryPoint)
{
    for (const char* edition : {"windows", "macos"}) {
        EXPECT_EQ(DefinedDynamicSymbols(testing_support::MarkplugModule(edition)), std::set<std::string>{"PluginMain"})
            << edition;
    }
}
