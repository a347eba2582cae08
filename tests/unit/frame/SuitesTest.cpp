#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Edition.h"
#include "FakeHost.h"
#include "FrameTestNames.h"
#include "RecordingPlugin.h"
#include "Suites.h"

namespace {

const std::vector<std::string> kBasicNames = {"ZB Access Suite",  "ZB Plug-ins Suite", "PD Notifier Suite",
                                              "PD Context Suite", "PD User Suite",     "PD File Path Suite",
                                              "PD Folders Suite"};

std::vector<std::string> ExpectedLines(const std::string& verb)
{
    const std::vector<std::string> versions =
        kMacEdition ? std::vector<std::string>{"3", "4", "1003", "1006", "1010", "1003", "1004"}
                    : std::vector<std::string>{"3", "4", "4", "7", "11", "4", "5"};
    std::vector<std::string> lines;
    for (size_t i = 0; i < kBasicNames.size(); ++i) lines.push_back(verb + " " + kBasicNames[i] + " " + versions[i]);
    lines.push_back(verb + " Test First Suite 1");
    lines.push_back(verb + " Test Second Suite 2");
    lines.push_back(verb + " Test Optional Suite 3");
    return lines;
}

std::vector<std::string> FirstLines(std::vector<std::string> lines, size_t count)
{
    lines.resize(count);
    return lines;
}

class FRAME_SUITE(FrameSuites) : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        sZBBasic = fake::Basic();
        Suites::fAcquiredCount = 0;
        sZBAccess = nullptr;
        sZBPlugins = nullptr;
        sPDNotifier = nullptr;
        sPDContext = nullptr;
        sPDUser = nullptr;
        sPDFilePath = nullptr;
        sPDFolders = nullptr;
        sTestFirst = nullptr;
        sTestSecond = nullptr;
        sTestOptional = nullptr;
    }
};

}  // namespace

TEST_F(FRAME_SUITE(FrameSuites), AcquiresTheBasicThenTheImportedSuitesInTableOrder)
{
    auto* suites = new Suites;
    EXPECT_EQ(suites->Error(), kNoErr);
    EXPECT_EQ(fake::LogLines("acquire "), ExpectedLines("acquire"));
    EXPECT_EQ(Suites::fAcquiredCount, 1);
    EXPECT_EQ(suites->RequiredSuiteCount(), 9);
    EXPECT_EQ(suites->OptionalSuiteCount(), 1);
    EXPECT_EQ(suites->AcquiredOptionalSuiteCount(), 1);
    EXPECT_NE(sPDFolders, nullptr);
    EXPECT_NE(sTestSecond, nullptr);

    delete suites;
    EXPECT_EQ(fake::LogLines("release "), ExpectedLines("release"));
    EXPECT_EQ(Suites::fAcquiredCount, 0);
    EXPECT_EQ(sZBAccess, nullptr);
    EXPECT_EQ(sPDFolders, nullptr);
    EXPECT_EQ(sTestOptional, nullptr);
}

TEST_F(FRAME_SUITE(FrameSuites), TheFirstAcquisitionErrorStopsAndIsKept)
{
    fake::State().acquireErrors["PD Context Suite"] = kSuiteNotFoundErr;
    auto* suites = new Suites;
    EXPECT_EQ(suites->Error(), kSuiteNotFoundErr);
    EXPECT_EQ(fake::LogLines("acquire "), FirstLines(ExpectedLines("acquire"), 4));
    EXPECT_EQ(Suites::fAcquiredCount, 0);
    EXPECT_NE(sPDNotifier, nullptr);
    EXPECT_EQ(sPDContext, nullptr);
    EXPECT_EQ(sPDFolders, nullptr);

    // What was acquired before the failure is given back.
    delete suites;
    EXPECT_EQ(fake::LogLines("release "), FirstLines(ExpectedLines("release"), 3));
    EXPECT_EQ(sPDNotifier, nullptr);
}

TEST_F(FRAME_SUITE(FrameSuites), TheFirstReleaseErrorStopsTheRelease)
{
    auto* suites = new Suites;
    fake::State().releaseErrors["PD Notifier Suite"] = kCantHappenErr;
    delete suites;
    EXPECT_EQ(fake::LogLines("release "), FirstLines(ExpectedLines("release"), 3));
    EXPECT_EQ(sZBPlugins, nullptr);
    EXPECT_NE(sPDNotifier, nullptr);
    EXPECT_NE(sTestFirst, nullptr);
}

TEST_F(FRAME_SUITE(FrameSuites), ASecondSetSharesTheSuitesAndTheLastOneReleasesThem)
{
    auto* first = new Suites;
    auto* second = new Suites;
    EXPECT_EQ(second->Error(), kNoErr);
    EXPECT_EQ(Suites::fAcquiredCount, 2);
    EXPECT_EQ(fake::LogLines("acquire ").size(), 10u);

    delete first;
    EXPECT_TRUE(fake::LogLines("release ").empty());
    EXPECT_NE(sZBAccess, nullptr);
    delete second;
    EXPECT_EQ(fake::LogLines("release ").size(), 10u);
}

TEST_F(FRAME_SUITE(FrameSuites), AMissingOptionalSuiteIsNoErrorAndIsTriedAgain)
{
    fake::State().acquireErrors["Test Optional Suite"] = kSuiteNotFoundErr;
    auto* suites = new Suites;
    EXPECT_EQ(suites->Error(), kNoErr);
    EXPECT_EQ(suites->AcquiredOptionalSuiteCount(), 0);

    fake::State().acquireErrors.clear();
    suites->AcquireOptionalSuites();
    EXPECT_EQ(suites->AcquiredOptionalSuiteCount(), 1);
    EXPECT_EQ(fake::LogLines("acquire Test Optional"),
              (std::vector<std::string>{"acquire Test Optional Suite 3", "acquire Test Optional Suite 3"}));
    // A held optional suite is not asked for again.
    suites->AcquireOptionalSuites();
    EXPECT_EQ(fake::LogLines("acquire Test Optional").size(), 2u);
    delete suites;
}

TEST_F(FRAME_SUITE(FrameSuites), WithoutABasicSuiteNothingIsAcquired)
{
    sZBBasic = nullptr;
    auto* suites = new Suites;
    EXPECT_EQ(suites->Error(), kBadParameterErr);
    EXPECT_TRUE(fake::State().log.empty());
    delete suites;
    EXPECT_TRUE(fake::State().log.empty());
}
