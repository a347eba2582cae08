// The crop settings the host's preference store holds at start-up, overlaid on the TR-1 defaults.
#include <gtest/gtest.h>

#include "PanelTraffic.h"

using testing_support::CornerPayload;
using testing_support::CropCorner;
using testing_support::MarkplugHost;
using testing_support::OpenPage;

namespace {

using Corner = std::vector<std::string>;

const Corner kDefaultCorner = {CornerPayload("56.6929", "666.142", "538.583", "70.8661", "-42.5197", "-56.6929")};
const Corner kShiftedDefaultCorner = {
    CornerPayload("70.8661", "680.315", "552.756", "85.0394", "-42.5197", "-56.6929")};

void Store(MarkplugHost& h, const char* key, const char* value)
{
    h.Host().GetPreferences().Set("TalvexPluginDialog", key, value);
}

}  // namespace

TEST(CropPreferences, EveryStoredSettingIsTaken)
{
    MarkplugHost h("windows");
    Store(h, "kQRW_cropLeftMargin", "1000");
    Store(h, "kQRW_cropBottomMargin", "2000");
    Store(h, "kQRW_cropHorzDistance", "17000");
    Store(h, "kQRW_cropVertDistance", "20000");
    Store(h, "kQRW_cropMachineType", "8");
    Store(h, "kQRW_cropCount", "4");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("56.6929", "651.969", "538.583", "85.0394", "-28.3465", "-56.6929")});
}

TEST(CropPreferences, AStoredMachineTypeKeepsTheTrOneLengths)
{
    MarkplugHost h("windows");
    Store(h, "kQRW_cropMachineType", "0");
    OpenPage(h);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("56.6929", "771.024", "538.583", "175.748", "-42.5197", "56.6929")});
}

TEST(CropPreferences, AStoredMachineTypeOutsideTheTableIsIgnored)
{
    for (const char* type : {"9", "-1", "2147483647"}) {
        MarkplugHost h("windows");
        Store(h, "kQRW_cropMachineType", type);
        Store(h, "kQRW_cropCount", "4");
        ASSERT_EQ(h.StartAndConnect(), kNoErr);
        // Type 3 with four marks chosen.
        EXPECT_EQ(CropCorner(h), kShiftedDefaultCorner) << "machine type " << type;
    }
}

TEST(CropPreferences, AValueThatIsNoIntegerLeavesTheDefault)
{
    MarkplugHost h("windows");
    Store(h, "kQRW_cropLeftMargin", "15.5");
    Store(h, "kQRW_cropBottomMargin", "abc");
    Store(h, "kQRW_cropMachineType", "");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(CropCorner(h), kDefaultCorner);
}

TEST(CropPreferences, MacTakesNoCropCountAndItsLayoutFollowsTheMachineType)
{
    MarkplugHost h("macos");
    Store(h, "kQRW_cropMachineType", "7");
    Store(h, "kQRW_cropCount", "3");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    // TR-5 with the TR-1 lengths (not the TR-5 defaults): four marks, so the frame moves 5 mm.
    EXPECT_EQ(CropCorner(h), kShiftedDefaultCorner);
}
