// The panel's crop settings (operation 10) as the crop corner (operation 11) reports them back: rounding to
// hundredths of a millimetre, values the settings cannot hold, the layouts, and a frame without a page.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "PanelTraffic.h"
#include "host/NumberText.h"
#include "host/Utf.h"
#include "pendrake/PDStringFormatUtils.h"

using testing_support::CornerPayload;
using testing_support::CropCorner;
using testing_support::LeftoversAfterShutdown;
using testing_support::MarkplugHost;
using testing_support::Payload;

namespace {

using Corner = std::vector<std::string>;

const Corner kDefaultCorner = {CornerPayload("56.6929", "666.142", "538.583", "70.8661", "-42.5197", "-56.6929")};

// Operation 10 with every setting.
std::string Settings(const char* w, const char* l, const char* x, const char* y, const char* machineType,
                     const char* cropCount)
{
    return Payload(10,
                   {{"W", w}, {"L", l}, {"X", x}, {"Y", y}, {"MachineType", machineType}, {"CropCount", cropCount}});
}

// Operation 10 with the TR-1 distances.
std::string WithMargins(const char* x, const char* y, const char* machineType = "3", const char* cropCount = "0")
{
    return Settings("170", "210", x, y, machineType, cropCount);
}

// A host whose number format also reads "nan", "inf" and "-inf".
ZBErr LenientToInteger(PDNumberFormatRef, PDUnicodeStringRef text, int32_t* value)
{
    const auto* string = host::Host::Current()->FindString(text);
    return string && host::ParseDecimalInteger(host::EncodeUtf8(string->text), *value) ? kNoErr : kBadFormatErr;
}
ZBErr LenientToReal(PDNumberFormatRef, PDUnicodeStringRef text, double* value)
{
    const auto* string = host::Host::Current()->FindString(text);
    if (!string) return kBadParameterErr;
    const std::string bytes = host::EncodeUtf8(string->text);
    const double infinity = std::numeric_limits<double>::infinity();
    if (bytes == "nan")
        *value = std::numeric_limits<double>::quiet_NaN();
    else if (bytes == "inf")
        *value = infinity;
    else if (bytes == "-inf")
        *value = -infinity;
    else
        return host::ParseDecimalReal(bytes, *value) ? kNoErr : kBadFormatErr;
    return kNoErr;
}
ZBErr NoIntegerText(PDNumberFormatRef, int32_t, PDUnicodeStringRef) { return kBadParameterErr; }
ZBErr NoRealText(PDNumberFormatRef, double, int32_t, PDUnicodeStringRef) { return kBadParameterErr; }
const PDStringFormatUtilsSuite3 kLenientFormat = {LenientToInteger, LenientToReal, NoIntegerText, NoRealText};

}  // namespace

TEST(CropSettings, LengthsGoToTheNearestHundredthHalvesUpward)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(WithMargins("10", "30.004"));  // 1000 and 3000
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("42.5197", "694.488", "524.409", "99.2126", "-28.3465", "-85.0394")});
    h.Click(WithMargins("12.345", "20"));  // 1235
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("49.1811", "666.142", "531.071", "70.8661", "-35.0079", "-56.6929")});
    h.Click(WithMargins("12.344", "20"));  // 1234
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("49.1528", "666.142", "531.043", "70.8661", "-34.9795", "-56.6929")});
    h.Click(WithMargins("0.005", "20"));  // 1
    EXPECT_EQ(CropCorner(h),
              Corner{CornerPayload("14.2016", "666.142", "496.091", "70.8661", "-0.0283465", "-56.6929")});
    h.Click(WithMargins("0.004", "20"));  // 0
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("14.1732", "666.142", "496.063", "70.8661", "-0", "-56.6929")});
}

TEST(CropSettings, AMissingElementSetsItsSettingToZero)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Payload(10, {{"MachineType", "3"}}));
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("14.1732", "14.1732", "14.1732", "14.1732", "-0", "-0")});
}

TEST(CropSettings, LengthsWithoutThirtyTwoBitHundredthsKeepTheFieldAsItWas)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    // 1e308 × 100 is no finite number; the others are finite but beyond 32 bits.
    h.Click(Payload(10, {{"W", "1e308"}, {"L", "1e300"}, {"X", "21474837"}, {"Y", "-21474837"}, {"MachineType", "3"}}));
    EXPECT_EQ(CropCorner(h), kDefaultCorner);
    // The largest length that fits is taken.
    h.Click(Payload(10, {{"W", "170"}, {"L", "210"}, {"X", "15"}, {"Y", "21474830"}, {"MachineType", "3"}}));
    EXPECT_EQ(CropCorner(h),
              Corner{CornerPayload("56.6929", "6.08741e+07", "538.583", "6.08735e+07", "-42.5197", "-6.08735e+07")});
}

TEST(CropSettings, NotANumberOrInfinityKeepsTheFieldAsItWas)
{
    MarkplugHost h("windows");
    h.Host().Suites().Offer(kPDStringFormatUtilsSuite, kPDStringFormatUtilsSuiteVersion3, &kLenientFormat);
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Payload(10, {{"W", "nan"}, {"L", "inf"}, {"X", "-inf"}, {"Y", "nan"}, {"MachineType", "3"}}));
    EXPECT_EQ(CropCorner(h), kDefaultCorner);
    EXPECT_TRUE(h.Host().GetChecks().Violations().empty());
}

TEST(CropSettings, AMachineTypeOutsideTheModelTableKeepsThePreviousType)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    const Corner tsOneFour = {CornerPayload("56.6929", "651.969", "538.583", "85.0394", "-28.3465", "-56.6929")};
    h.Click(Settings("170", "200", "10", "20", "8", "4"));
    EXPECT_EQ(CropCorner(h), tsOneFour);
    for (const char* type : {"9", "-1", "2147483647", "-2147483648"}) {
        h.Click(Settings("170", "200", "10", "20", type, "4"));
        EXPECT_EQ(CropCorner(h), tsOneFour) << "machine type " << type;
    }
}

TEST(CropSettings, TheCropCountChoosesTheLayoutOfBottomStandingModelsOnly)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    const auto tsOne = [](const char* count) { return Settings("170", "200", "10", "20", "8", count); };
    // Four marks: the frame moves 5 mm right and up for the brackets.
    h.Click(tsOne("4"));
    EXPECT_EQ(CropCorner(h), Corner{CornerPayload("56.6929", "651.969", "538.583", "85.0394", "-28.3465", "-56.6929")});
    const Corner unshifted = {CornerPayload("42.5197", "637.795", "524.409", "70.8661", "-28.3465", "-56.6929")};
    h.Click(tsOne("3"));
    EXPECT_EQ(CropCorner(h), unshifted);
    h.Click(tsOne("5"));  // neither 3 nor 4: three marks at the top, no shift
    EXPECT_EQ(CropCorner(h), unshifted);
    // TR-2 offers four marks only, yet three are taken as chosen.
    h.Click(Settings("170", "200", "10", "20", "4", "3"));
    EXPECT_EQ(CropCorner(h), unshifted);
}

TEST(CropSettings, AFrameHungFromThePageTopNeedsAnOpenDocument)
{
    MarkplugHost h("windows");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    h.Click(Settings("150", "250", "25", "6", "0", "4"));
    EXPECT_EQ(CropCorner(h), Corner{});
    EXPECT_EQ(LeftoversAfterShutdown(h), "");
}

TEST(CropSettings, MacLayoutFollowsTheMachineTypeAndIgnoresTheCropCount)
{
    MarkplugHost h("macos");
    ASSERT_EQ(h.StartAndConnect(), kNoErr);
    EXPECT_EQ(CropCorner(h), kDefaultCorner);  // TR-1: three marks at the bottom, no shift
    h.Click(WithMargins("15", "20", "3", "4"));
    EXPECT_EQ(CropCorner(h), kDefaultCorner);
    const Corner shifted = {CornerPayload("70.8661", "680.315", "552.756", "85.0394", "-42.5197", "-56.6929")};
    h.Click(WithMargins("15", "20", "4", "3"));
    EXPECT_EQ(CropCorner(h), shifted);
    h.Click(WithMargins("15", "20", "8"));  // no TS-1 here: the type stays 4
    EXPECT_EQ(CropCorner(h), shifted);
}
