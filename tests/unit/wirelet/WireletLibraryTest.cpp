// The library files as plug-ins use them: loaded by path through the platform layer and bound by name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListenerProbe.h"
#include "pendrake/PanelEvent.h"
#include "platform/Platform.h"
#include "wirelet/PanelBus.h"

namespace {

using wirelet::EventRecord;
using wirelet::PanelBus;
using Strings = std::vector<std::string>;

const std::string kAppDir = MARKPLUG_APP_DIR;
const std::string kTestLibsDir = MARKPLUG_TEST_LIBS_DIR;

const std::vector<std::string> kEntryPoints{kWireletLoadExtensionName, kWireletUnloadExtensionName,
                                            kWireletAddEventListenerName, kWireletRemoveEventListenerName,
                                            kWireletDispatchEventName};

// The five entry points of one loaded file; the file is unloaded at the end.
class BoundLibrary {
public:
    explicit BoundLibrary(const std::string& path) : fModule(platform::LoadModule(path))
    {
        fLoad = reinterpret_cast<WireletLoadExtensionFn>(Find(kWireletLoadExtensionName));
        fUnload = reinterpret_cast<WireletUnloadExtensionFn>(Find(kWireletUnloadExtensionName));
        fAdd = reinterpret_cast<WireletAddEventListenerFn>(Find(kWireletAddEventListenerName));
        fRemove = reinterpret_cast<WireletRemoveEventListenerFn>(Find(kWireletRemoveEventListenerName));
        fDispatch = reinterpret_cast<WireletDispatchEventFn>(Find(kWireletDispatchEventName));
    }
    ~BoundLibrary()
    {
        if (fModule != nullptr) {
            platform::FreeModule(fModule);
        }
    }
    BoundLibrary(const BoundLibrary&) = delete;
    BoundLibrary& operator=(const BoundLibrary&) = delete;

    bool IsComplete() const { return fLoad && fUnload && fAdd && fRemove && fDispatch; }

    platform::ModuleHandle fModule;
    WireletLoadExtensionFn fLoad = nullptr;
    WireletUnloadExtensionFn fUnload = nullptr;
    WireletAddEventListenerFn fAdd = nullptr;
    WireletRemoveEventListenerFn fRemove = nullptr;
    WireletDispatchEventFn fDispatch = nullptr;

private:
    void* Find(const char* name) const { return fModule != nullptr ? platform::FindSymbol(fModule, name) : nullptr; }
};

// Every test starts and ends with an empty shared bus.
class WireletLibrary : public ::testing::Test {
protected:
    void SetUp() override { PanelBus::Shared().Reset(); }
    void TearDown() override { PanelBus::Shared().Reset(); }
};

TEST_F(WireletLibrary, BothNamesReachOneBus)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    BoundLibrary plain(kAppDir + "/Wirelet.dll");
    ASSERT_TRUE(fenn.IsComplete()) << platform::LastModuleError();
    ASSERT_TRUE(plain.IsComplete()) << platform::LastModuleError();
    ASSERT_NE(fenn.fModule, plain.fModule);

    Strings log;
    Probe probe{"p", &log, {}};
    ASSERT_EQ(fenn.fAdd("ns.OperationClicked", ProbeListener, &probe), 0);
    EXPECT_EQ(PanelBus::Shared().ListenerCount("ns.OperationClicked"), 1u);

    TrmlEvent event = MakeEvent("ns.OperationClicked", "<op>2</op>", nullptr, "OperationClicked", 0);
    ASSERT_EQ(plain.fDispatch(&event), 0);
    EXPECT_EQ(log, (Strings{"p ns.OperationClicked|0|OperationClicked|(null)|<op>2</op>"}));
    const std::vector<EventRecord> expected{
        {"ns.OperationClicked", 0, "OperationClicked", std::nullopt, "<op>2</op>", false}};
    EXPECT_EQ(PanelBus::Shared().Events(), expected);

    // A registration made through one name is removed through the other.
    EXPECT_EQ(plain.fRemove("ns.OperationClicked", ProbeListener, &probe), 0);
    EXPECT_EQ(PanelBus::Shared().ListenerCount(), 0u);
}

TEST_F(WireletLibrary, FrameworkBundleReachesTheSameBus)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    ASSERT_TRUE(fenn.IsComplete());
    platform::BundleRef bundle = platform::CreateBundle(kAppDir + "/Frameworks/Wirelet.framework");
    ASSERT_NE(bundle, nullptr);
    auto dispatch =
        reinterpret_cast<WireletDispatchEventFn>(platform::BundleFunctionPointer(bundle, kWireletDispatchEventName));
    ASSERT_NE(dispatch, nullptr) << platform::LastModuleError();

    Strings log;
    Probe probe{"p", &log, {}};
    fenn.fAdd("ns.Redraw", ProbeListener, &probe);
    TrmlEvent event = MakeEvent("ns.Redraw", "", nullptr, "Redraw", 1);
    EXPECT_EQ(dispatch(&event), 0);
    EXPECT_EQ(log, (Strings{"p ns.Redraw|1|Redraw|(null)|"}));
    EXPECT_EQ(PanelBus::Shared().Events().size(), 1u);
    platform::ReleaseBundle(bundle);
}

TEST_F(WireletLibrary, HostInjectionReachesAListenerAddedThroughTheLibrary)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    ASSERT_TRUE(fenn.IsComplete());
    Strings log;
    Probe probe{"p", &log, {}};
    fenn.fAdd("ns.OperationClicked", ProbeListener, &probe);
    EXPECT_EQ(PanelBus::Shared().InjectEvent("ns.OperationClicked", "<op>1</op>", "panel.ext", "click", 1), 0);
    EXPECT_EQ(log, (Strings{"p ns.OperationClicked|1|click|panel.ext|<op>1</op>"}));
    ASSERT_EQ(PanelBus::Shared().Events().size(), 1u);
    EXPECT_TRUE(PanelBus::Shared().Events()[0].fFromHost);
}

TEST_F(WireletLibrary, ListenerAnswersThroughTheOtherNameWhileItIsCalled)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    BoundLibrary plain(kAppDir + "/Wirelet.dll");
    ASSERT_TRUE(fenn.IsComplete() && plain.IsComplete());
    Strings log;
    Probe answering{"answering", &log, [&](const TrmlEvent& request) {
                        TrmlEvent answer = MakeEvent("ns.Answer", request.data, nullptr, "reply", 1);
                        EXPECT_EQ(plain.fDispatch(&answer), 0);
                    }};
    Probe panel{"panel", &log, {}};
    fenn.fAdd("ns.Ask", ProbeListener, &answering);
    plain.fAdd("ns.Answer", ProbeListener, &panel);
    PanelBus::Shared().InjectEvent("ns.Ask", "7");
    EXPECT_EQ(log, (Strings{"answering ns.Ask|0|(null)|(null)|7", "panel ns.Answer|1|reply|(null)|7"}));
    const std::vector<EventRecord> expected{{"ns.Ask", 0, std::nullopt, std::nullopt, "7", true},
                                            {"ns.Answer", 1, "reply", std::nullopt, "7", false}};
    EXPECT_EQ(PanelBus::Shared().Events(), expected);
}

TEST_F(WireletLibrary, SameRegistrationThroughBothNamesIsKeptOnce)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    BoundLibrary plain(kAppDir + "/Wirelet.dll");
    ASSERT_TRUE(fenn.IsComplete() && plain.IsComplete());
    Strings log;
    Probe probe{"p", &log, {}};
    EXPECT_EQ(fenn.fAdd("ns.Op", ProbeListener, &probe), 0);
    EXPECT_EQ(plain.fAdd("ns.Op", ProbeListener, &probe), 0);
    TrmlEvent event = MakeEvent("ns.Op", "x");
    fenn.fDispatch(&event);
    EXPECT_EQ(log, (Strings{"p ns.Op|1|word|(null)|x"}));
    EXPECT_EQ(plain.fRemove("ns.Op", ProbeListener, &probe), 0);
    EXPECT_EQ(fenn.fRemove("ns.Op", ProbeListener, &probe), wirelet::kNotRegistered);
    log.clear();
    fenn.fDispatch(&event);
    EXPECT_TRUE(log.empty());
}

TEST_F(WireletLibrary, EntryPointsRefuseNullArguments)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    ASSERT_TRUE(fenn.IsComplete());
    Probe probe;
    TrmlEvent untyped = MakeEvent(nullptr, "x");
    EXPECT_EQ(fenn.fDispatch(nullptr), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fDispatch(&untyped), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fAdd(nullptr, ProbeListener, &probe), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fAdd("ns.Op", nullptr, &probe), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fRemove(nullptr, ProbeListener, &probe), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fRemove("ns.Op", nullptr, &probe), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fLoad(nullptr), wirelet::kNullArgument);
    EXPECT_EQ(fenn.fUnload(nullptr), wirelet::kNullArgument);
    EXPECT_TRUE(PanelBus::Shared().Events().empty());
    EXPECT_EQ(PanelBus::Shared().ListenerCount(), 0u);
}

TEST_F(WireletLibrary, ExtensionCallsThroughTheLibraryAreRecorded)
{
    BoundLibrary plain(kAppDir + "/Wirelet.dll");
    ASSERT_TRUE(plain.IsComplete());
    EXPECT_EQ(plain.fLoad("panel.ext"), 0);
    EXPECT_EQ(plain.fUnload("panel.ext"), 0);
    const std::vector<wirelet::ExtensionCall> expected{{wirelet::ExtensionCall::Kind::kLoad, "panel.ext"},
                                                       {wirelet::ExtensionCall::Kind::kUnload, "panel.ext"}};
    EXPECT_EQ(PanelBus::Shared().ExtensionCalls(), expected);
}

TEST_F(WireletLibrary, ModuleFileNameOfTheLoadedLibraryIsItsPath)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    ASSERT_NE(fenn.fModule, nullptr);
    EXPECT_EQ(platform::ModuleFileName(fenn.fModule), kAppDir + "/WireletFenn.dll");
}

TEST_F(WireletLibrary, EachTestVariantLacksExactlyItsOneEntryPoint)
{
    for (const std::string& omitted : kEntryPoints) {
        const std::string folder = kTestLibsDir + "/no-" + omitted;
        for (const char* file : {"/WireletFenn.dll", "/Wirelet.dll"}) {
            platform::ModuleHandle module = platform::LoadModule(folder + file);
            ASSERT_NE(module, nullptr) << platform::LastModuleError();
            for (const std::string& name : kEntryPoints) {
                EXPECT_EQ(platform::FindSymbol(module, name.c_str()) == nullptr, name == omitted)
                    << folder << file << " " << name;
            }
            EXPECT_TRUE(platform::FreeModule(module));
        }
        platform::BundleRef bundle = platform::CreateBundle(folder + "/Frameworks/Wirelet.framework");
        ASSERT_NE(bundle, nullptr) << folder;
        for (const std::string& name : kEntryPoints) {
            EXPECT_EQ(platform::BundleFunctionPointer(bundle, name.c_str()) == nullptr, name == omitted)
                << folder << " framework " << name;
        }
        platform::ReleaseBundle(bundle);
    }
}

TEST_F(WireletLibrary, TestVariantReachesTheSameBus)
{
    BoundLibrary fenn(kAppDir + "/WireletFenn.dll");
    BoundLibrary noDispatch(kTestLibsDir + "/no-WireletDispatchEvent/Wirelet.dll");
    ASSERT_TRUE(fenn.IsComplete());
    ASSERT_EQ(noDispatch.fDispatch, nullptr);
    ASSERT_NE(noDispatch.fAdd, nullptr);
    Strings log;
    Probe probe{"p", &log, {}};
    EXPECT_EQ(noDispatch.fAdd("ns.Op", ProbeListener, &probe), 0);
    TrmlEvent event = MakeEvent("ns.Op", "x");
    fenn.fDispatch(&event);
    EXPECT_EQ(log, (Strings{"p ns.Op|1|word|(null)|x"}));
}

}  // namespace
