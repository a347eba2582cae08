// The Action Manager suite through the registry's pointers: parameter blocks in both precisions, refused
// handles, and the record of every play.
#include <algorithm>
#include <limits>
#include <string>

#include "DocumentSuitesFixture.h"

using suitetest::DocumentSuites;

namespace {

// Keys of the host's actions, short: the block store takes any key.
constexpr int32_t kOffset = kPDOffsetPathOffsetKey;
constexpr int32_t kMiter = kPDOffsetPathMiterLimitKey;
constexpr int32_t kJoin = kPDOffsetPathJoinKey;
constexpr int32_t kExpand = kPDPathfinderExpandKey;
constexpr int32_t kAbsent = PD_FOURCC('n', 'o', 'n', 'e');

class ActionManager : public DocumentSuites {
protected:
    const PDActionManagerSuite5* fAm =
        Acquire<PDActionManagerSuite5>(kPDActionManagerSuite, kPDActionManagerSuiteVersion5);
    const host::ActionManagerSuiteLayout<float>* fSingle =
        Acquire<host::ActionManagerSuiteLayout<float>>(kPDActionManagerSuite, kPDActionManagerSuiteVersion1004);

    PDActionParamValueRef NewBlock()
    {
        PDActionParamValueRef block = nullptr;
        EXPECT_EQ(fAm->NewActionParamValue(&block), kNoErr);
        return block;
    }
    std::vector<int32_t> Keys(PDActionParamValueRef block)
    {
        int32_t count = 0;
        EXPECT_EQ(fAm->CountActionParamValues(block, &count), kNoErr);
        std::vector<int32_t> keys(static_cast<std::size_t>(count));
        for (int32_t i = 0; i < count; ++i)
            EXPECT_EQ(fAm->GetNthActionParamKey(block, i, &keys[static_cast<std::size_t>(i)]), kNoErr);
        return keys;
    }
};

}  // namespace

TEST_F(ActionManager, EntriesKeepTheirTypeValueAndFirstSetOrder)
{
    const PDActionParamValueRef block = NewBlock();
    ASSERT_EQ(fAm->SetUnitReal(block, kOffset, kPDUnitPixels, 14.1732), kNoErr);
    ASSERT_EQ(fAm->SetUnitReal(block, kMiter, kPDUnitPixels, 4), kNoErr);
    ASSERT_EQ(fAm->SetEnumerated(block, kJoin, "Miter", 2), kNoErr);
    ASSERT_EQ(fAm->SetReal(block, kExpand, 0.0), kNoErr);
    ASSERT_EQ(fAm->SetBoolean(block, 'b', 7), kNoErr);
    ASSERT_EQ(fAm->SetString(block, 's', "text"), kNoErr);
    ASSERT_EQ(fAm->SetInteger(block, kOffset, -3), kNoErr);  // replaces in place, with another type
    EXPECT_EQ(Keys(block), (std::vector<int32_t>{kOffset, kMiter, kJoin, kExpand, 'b', 's'}));

    int32_t type = 0;
    ASSERT_EQ(fAm->GetActionParamType(block, kOffset, &type), kNoErr);
    EXPECT_EQ(type, kPDActionTypeInteger);
    ASSERT_EQ(fAm->GetActionParamType(block, kMiter, &type), kNoErr);
    EXPECT_EQ(type, kPDActionTypeUnitReal);
    EXPECT_EQ(fAm->GetActionParamType(block, kAbsent, &type), kNoSuchKeyErr);

    int32_t integer = 0;
    EXPECT_EQ(fAm->GetInteger(block, kOffset, &integer), kNoErr);
    EXPECT_EQ(integer, -3);
    int32_t unit = 0;
    PDReal real = 0;
    EXPECT_EQ(fAm->GetUnitReal(block, kMiter, &unit, &real), kNoErr);
    EXPECT_EQ(unit, kPDUnitPixels);
    EXPECT_EQ(real, 4.0);
    const char* name = nullptr;
    EXPECT_EQ(fAm->GetEnumerated(block, kJoin, &name, &integer), kNoErr);
    EXPECT_STREQ(name, "Miter");
    EXPECT_EQ(integer, 2);
    ZBBoolean flag = 0;
    EXPECT_EQ(fAm->GetBoolean(block, 'b', &flag), kNoErr);
    EXPECT_EQ(flag, 1);
    const char* text = nullptr;
    EXPECT_EQ(fAm->GetString(block, 's', &text), kNoErr);
    EXPECT_STREQ(text, "text");

    // Absent keys, other types, missing slots, indexes out of range, texts that are not there.
    EXPECT_EQ(fAm->GetReal(block, kOffset, &real), kWrongTypeErr);
    EXPECT_EQ(fAm->GetReal(block, kMiter, &real), kWrongTypeErr);
    EXPECT_EQ(fAm->GetString(block, kJoin, &text), kWrongTypeErr);
    EXPECT_EQ(fAm->GetInteger(block, kAbsent, &integer), kNoSuchKeyErr);
    EXPECT_EQ(fAm->GetUnitReal(block, kMiter, nullptr, &real), kBadParameterErr);
    EXPECT_EQ(fAm->GetEnumerated(block, kJoin, &name, nullptr), kBadParameterErr);
    EXPECT_EQ(fAm->GetNthActionParamKey(block, 6, &integer), kBadParameterErr);
    EXPECT_EQ(fAm->GetNthActionParamKey(block, -1, &integer), kBadParameterErr);
    EXPECT_EQ(fAm->SetString(block, 's', nullptr), kBadParameterErr);
    EXPECT_EQ(fAm->SetEnumerated(block, kJoin, nullptr, 1), kBadParameterErr);
    EXPECT_EQ(fAm->SetReal(block, kExpand, std::numeric_limits<double>::quiet_NaN()), kBadParameterErr);
    EXPECT_EQ(fAm->SetUnitReal(block, kMiter, kPDUnitPixels, std::numeric_limits<double>::infinity()),
              kBadParameterErr);
    EXPECT_EQ(fAm->GetUnitReal(block, kMiter, &unit, &real), kNoErr);
    EXPECT_EQ(real, 4.0);

    // A got text stays where it is while more entries are added.
    EXPECT_EQ(fAm->GetEnumerated(block, kJoin, &name, &integer), kNoErr);
    for (int32_t key = 1000; key < 1100; ++key) ASSERT_EQ(fAm->SetString(block, key, "a longer text than SSO"), kNoErr);
    EXPECT_STREQ(name, "Miter");

    EXPECT_EQ(fHost.LiveActionParams(), 1u);
    EXPECT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
    EXPECT_EQ(fHost.LiveActionParams(), 0u);
    EXPECT_TRUE(Violations().empty());
}

TEST_F(ActionManager, SinglePrecisionLayoutSharesTheBlocks)
{
    const PDActionParamValueRef block = NewBlock();
    ASSERT_EQ(fSingle->SetUnitReal(block, kOffset, kPDUnitPixels, 14.1732f), kNoErr);
    ASSERT_EQ(fAm->SetReal(block, kExpand, 0.1), kNoErr);
    ASSERT_EQ(fAm->SetReal(block, kMiter, 1e300), kNoErr);

    int32_t unit = 0;
    double wide = 0;
    ASSERT_EQ(fAm->GetUnitReal(block, kOffset, &unit, &wide), kNoErr);
    EXPECT_EQ(wide, static_cast<double>(14.1732f));
    float narrow = 0;
    ASSERT_EQ(fSingle->GetReal(block, kExpand, &narrow), kNoErr);
    EXPECT_EQ(narrow, 0.1f);
    ASSERT_EQ(fSingle->GetReal(block, kMiter, &narrow), kNoErr);
    EXPECT_EQ(narrow, std::numeric_limits<float>::max());
    EXPECT_EQ(fSingle->SetReal(block, kExpand, std::numeric_limits<float>::quiet_NaN()), kBadParameterErr);
    EXPECT_EQ(fSingle->DeleteActionParamValue(block), kNoErr);
}

TEST_F(ActionManager, UnknownAndDeletedBlocksAreRefusedAndRecorded)
{
    const PDActionParamValueRef block = NewBlock();
    ASSERT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
    int32_t count = 0;
    EXPECT_EQ(fAm->CountActionParamValues(block, &count), kBadObjectErr);
    EXPECT_EQ(fAm->SetInteger(block, kOffset, 1), kBadObjectErr);
    EXPECT_EQ(fAm->DeleteActionParamValue(block), kBadObjectErr);
    int made = 0;
    EXPECT_EQ(fAm->GetString(reinterpret_cast<PDActionParamValueRef>(&made), 's', nullptr), kBadObjectErr);
    EXPECT_EQ(fAm->GetString(nullptr, 's', nullptr), kBadParameterErr);
    EXPECT_EQ(fAm->DeleteActionParamValue(nullptr), kBadParameterErr);
    EXPECT_EQ(fAm->NewActionParamValue(nullptr), kBadParameterErr);
    const std::string suffix = " with an unknown or deleted parameter block";
    EXPECT_EQ(Violations(), (std::vector<std::string>{"CountActionParamValues" + suffix, "SetInteger" + suffix,
                                                      "DeleteActionParamValue" + suffix, "GetString" + suffix}));
    EXPECT_EQ(fHost.LiveActionParams(), 0u);
}

TEST_F(ActionManager, EveryPlayIsRecordedWithACopyOfItsBlock)
{
    const PDActionParamValueRef block = NewBlock();
    ASSERT_EQ(fAm->SetUnitReal(block, kOffset, kPDUnitPixels, 2), kNoErr);
    ASSERT_EQ(fAm->SetEnumerated(block, kJoin, "Round", 1), kNoErr);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_offset", kPDDialogOn, block), kNoErr);
    ASSERT_EQ(fAm->SetUnitReal(block, kOffset, kPDUnitPixels, 3), kNoErr);  // after the play: not in its record
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_outline", kPDDialogOff, nullptr), kNoErr);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_unknown", kPDDialogOff, block), kNotFoundErr);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_outline", 7, nullptr), kBadParameterErr);
    EXPECT_EQ(fAm->PlayActionEvent(nullptr, kPDDialogOff, nullptr), kBadParameterErr);
    ASSERT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_offset", kPDDialogOn, block), kBadObjectErr);
    EXPECT_EQ(Violations(), std::vector<std::string>{"PlayActionEvent with an unknown or deleted parameter block"});
    fHost.CloseDocument();
    EXPECT_EQ(fAm->PlayActionEvent("velisto_createOutline", kPDDialogOff, nullptr), kNoDocumentErr);

    const auto& plays = fHost.ActionPlays();
    ASSERT_EQ(plays.size(), 7u);
    EXPECT_EQ(plays[0].name, "pd_plugin_offset");
    EXPECT_EQ(plays[0].dialogStatus, kPDDialogOn);
    EXPECT_TRUE(plays[0].hadParams);
    ASSERT_EQ(plays[0].params.size(), 2u);
    EXPECT_EQ(plays[0].params[0].key, kOffset);
    EXPECT_EQ(plays[0].params[0].type, kPDActionTypeUnitReal);
    EXPECT_EQ(plays[0].params[0].unit, kPDUnitPixels);
    EXPECT_EQ(plays[0].params[0].real, 2.0);
    EXPECT_EQ(plays[0].params[1].text, "Round");
    EXPECT_EQ(plays[0].params[1].integer, 1);
    EXPECT_EQ(plays[0].result, kNoErr);
    EXPECT_FALSE(plays[1].hadParams);
    EXPECT_TRUE(plays[1].params.empty());
    EXPECT_EQ(plays[2].name, "pd_plugin_unknown");
    EXPECT_EQ(plays[2].params[0].real, 3.0);
    EXPECT_EQ(plays[2].result, kNotFoundErr);
    EXPECT_EQ(plays[3].dialogStatus, 7);
    EXPECT_EQ(plays[4].name, "");
    EXPECT_EQ(plays[4].result, kBadParameterErr);
    EXPECT_TRUE(plays[5].hadParams);
    EXPECT_TRUE(plays[5].params.empty());
    EXPECT_EQ(plays[5].result, kBadObjectErr);
    EXPECT_EQ(plays[6].result, kNoDocumentErr);
    fHost.ClearActionPlays();
    EXPECT_TRUE(fHost.ActionPlays().empty());
}

TEST_F(ActionManager, AnInjectedFaultIsRecordedAsAPlayWithItsCode)
{
    const PDActionParamValueRef block = NewBlock();
    ASSERT_EQ(fAm->SetReal(block, kExpand, 0.0), kNoErr);
    fHost.GetFaults().FailCall("PlayActionEvent", kCantHappenErr, 1);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, block), kCantHappenErr);
    EXPECT_EQ(fAm->PlayActionEvent("pd_plugin_pathfinder", kPDDialogOff, block), kNoErr);
    ASSERT_EQ(fHost.ActionPlays().size(), 2u);
    const host::ActionPlay& failed = fHost.ActionPlays()[0];
    EXPECT_EQ(failed.name, "pd_plugin_pathfinder");
    EXPECT_EQ(failed.result, kCantHappenErr);
    ASSERT_EQ(failed.params.size(), 1u);
    EXPECT_EQ(failed.params[0].key, kExpand);
    EXPECT_EQ(fHost.ActionPlays()[1].result, kNoErr);
    EXPECT_EQ(fAm->DeleteActionParamValue(block), kNoErr);
}
