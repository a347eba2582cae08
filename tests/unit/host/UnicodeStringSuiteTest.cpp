// The Unicode String, File Path and String Format Utils suites as a plug-in sees them, reached through the
// Basic suite of a running host.
#include <gtest/gtest.h>

#include "../../../host/src/suites/CoreSuites.h"
#include "host/Host.h"
#include "pendrake/PDSuites.h"

namespace {

class HostSuites : public testing::Test {
protected:
    void SetUp() override
    {
        const ZBBasicSuite4* basic = host::BasicSuite();
        ASSERT_EQ(basic->AcquireSuite(kPDUnicodeStringSuite, 8, reinterpret_cast<const void**>(&fStrings)), kNoErr);
        ASSERT_EQ(basic->AcquireSuite(kPDStringFormatUtilsSuite, 3, reinterpret_cast<const void**>(&fFormat)), kNoErr);
        ASSERT_EQ(basic->AcquireSuite(kPDFilePathSuite, 4, reinterpret_cast<const void**>(&fPaths)), kNoErr);
    }

    PDUnicodeStringRef Make(const char* text)
    {
        PDUnicodeStringRef string = nullptr;
        EXPECT_EQ(fStrings->NewString(text, -1, kPDPlatformEncoding, &string), kNoErr);
        return string;
    }

    std::string Text(PDUnicodeStringRef string)
    {
        char buffer[256];
        int32_t length = 0;
        EXPECT_EQ(fStrings->Export(string, kPDUTF8Encoding, buffer, sizeof buffer, &length), kNoErr);
        return std::string(buffer, static_cast<std::size_t>(length));
    }

    host::Host fHost;
    const PDUnicodeStringSuite8* fStrings = nullptr;
    const PDStringFormatUtilsSuite3* fFormat = nullptr;
    const PDFilePathSuite4* fPaths = nullptr;
};

}  // namespace

TEST_F(HostSuites, FindAndSubstringCountUtf16Units)
{
    PDUnicodeStringRef payload = Make("<payload>\xE2\x82\xAC<operation>13</operation></payload>");
    PDUnicodeStringRef tag = Make("<operation>");
    int32_t position = 0;
    ASSERT_EQ(fStrings->Find(payload, tag, 0, &position), kNoErr);
    EXPECT_EQ(position, 10);
    PDUnicodeStringRef part = nullptr;
    ASSERT_EQ(fStrings->Substring(payload, 21, 2, &part), kNoErr);
    EXPECT_EQ(Text(part), "13");
    ASSERT_EQ(fStrings->Find(payload, tag, 11, &position), kNoErr);
    EXPECT_EQ(position, kPDStringNotFound);
    for (auto s : {payload, tag, part}) EXPECT_EQ(fStrings->Dispose(s), kNoErr);
    EXPECT_EQ(fHost.LiveStrings(), 0u);
}

TEST_F(HostSuites, ExportIntoASmallBufferTruncatesAtACharacterAndSaysSo)
{
    PDUnicodeStringRef string = Make("ab\xE2\x82\xAC");
    char buffer[4] = {'x', 'x', 'x', 'x'};
    int32_t length = 0;
    EXPECT_EQ(fStrings->Export(string, kPDUTF8Encoding, buffer, sizeof buffer, &length), kBadParameterErr);
    EXPECT_EQ(length, 5);
    EXPECT_STREQ(buffer, "ab");
    fStrings->Dispose(string);
}

TEST_F(HostSuites, DisposedStringIsRefusedAndRecorded)
{
    PDUnicodeStringRef string = Make("x");
    ASSERT_EQ(fStrings->Dispose(string), kNoErr);
    int32_t length = 0;
    EXPECT_EQ(fStrings->Length(string, &length), kBadObjectErr);
    EXPECT_EQ(fStrings->Dispose(string), kBadObjectErr);
    const auto& violations = fHost.GetChecks().Violations();
    EXPECT_NE(std::find(violations.begin(), violations.end(), "Length with an unknown string"), violations.end());
}

TEST_F(HostSuites, NumbersFromTextLeaveTheValueOnFailure)
{
    PDUnicodeStringRef abc = Make("abc");
    PDUnicodeStringRef five = Make("5");
    int32_t value = 0;
    EXPECT_EQ(fFormat->StringToInteger(nullptr, abc, &value), kBadFormatErr);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(fFormat->StringToInteger(nullptr, five, &value), kNoErr);
    EXPECT_EQ(value, 5);
    fStrings->Dispose(abc);
    fStrings->Dispose(five);
}

TEST_F(HostSuites, FilePathJoinsComponentsAndTestsExistence)
{
    PDFilePathRef path = nullptr;
    ASSERT_EQ(fPaths->NewFilePath(&path), kNoErr);
    PDUnicodeStringRef folder = Make("/tmp");
    PDUnicodeStringRef name = Make("/Frameworks/Wirelet.framework");
    PDUnicodeStringRef full = Make("");
    ASSERT_EQ(fPaths->AddComponent(path, folder), kNoErr);
    ASSERT_EQ(fPaths->AddComponent(path, name), kNoErr);
    ASSERT_EQ(fPaths->GetFullPath(path, full), kNoErr);
    EXPECT_EQ(Text(full), "/tmp/Frameworks/Wirelet.framework");
    ZBBoolean exists = 1;
    ASSERT_EQ(fPaths->Exists(path, 0, &exists), kNoErr);
    EXPECT_EQ(exists, 0);
    for (auto s : {folder, name, full}) fStrings->Dispose(s);
    EXPECT_EQ(fPaths->DisposeFilePath(path), kNoErr);
    EXPECT_EQ(fPaths->DisposeFilePath(path), kBadObjectErr);
}
