// Path preparation (operations 0, 2, 3, 4): the host actions played, with their dialog status and parameter
// blocks, and what OutlinePath does to the selection before its action.
#include <gtest/gtest.h>

#include <sstream>

#include "CutDocuments.h"
#include "CutOutputSandbox.h"
#include "host/Actions.h"

using testing_support::AddPath;
using testing_support::CutOutputSandbox;
using testing_support::MarkplugHost;
using testing_support::OpenPage;
using testing_support::Payload;
using testing_support::Select;

namespace {

using Texts = std::vector<std::string>;

std::string FourCC(int32_t code)
{
    const auto u = static_cast<uint32_t>(code);
    return {static_cast<char>(u >> 24), static_cast<char>((u >> 16) & 0xFF), static_cast<char>((u >> 8) & 0xFF),
            static_cast<char>(u & 0xFF)};
}

// Each play as "name dialog", then its entries as "key type value [unit]", "(no block)" without one.
Texts Plays(MarkplugHost& h)
{
    Texts plays;
    for (const host::ActionPlay& play : h.Host().ActionPlays()) {
        std::ostringstream text;
        text << play.name << " dialog " << play.dialogStatus;
        if (!play.hadParams) text << " (no block)";
        for (const host::ActionEntry& entry : play.params) {
            text << " " << FourCC(entry.key) << ":" << entry.type << ":";
            if (entry.type == 2 || entry.type == 3) text << entry.real;
            if (entry.type == 3) text << ":" << FourCC(entry.unit);
            if (entry.type == 4) text << entry.text << "=" << entry.integer;
        }
        plays.push_back(text.str());
    }
    return plays;
}

class PathPreparation : public testing::TestWithParam<std::string> {
protected:
    CutOutputSandbox fSandbox;
    MarkplugHost fHost{GetParam()};
    host::Document& fDocument = OpenPage(fHost);

    void Start(int32_t majorVersion = 27)
    {
        fHost.Host().SetAppMajorVersion(majorVersion);
        ASSERT_EQ(fHost.StartAndConnect(), kNoErr);
        fHost.Bus().ClearEvents();
    }

    void TearDown() override
    {
        EXPECT_EQ(testing_support::SentEvents(fHost), Texts{});  // path preparation answers nothing
        EXPECT_TRUE(fHost.Host().GetChecks().Violations().empty());
        EXPECT_EQ(testing_support::LeftoversAfterShutdown(fHost), "");
    }
};

}  // namespace

TEST_P(PathPreparation, CreateOutlinePlaysTheTextActionWithoutItsDialog)
{
    Start();
    fHost.Click(Payload(0));
    EXPECT_EQ(Plays(fHost), Texts{"velisto_createOutline dialog 0 (no block)"});
}

TEST_P(PathPreparation, OutlinePathKeepsOnlyStrokedPathsSelectedWithoutTheirFill)
{
    host::Art& stroked = AddPath(fDocument, {{0, 0}, {10, 10}});  // filled and stroked
    stroked.style.strokePaint = true;
    stroked.id = "stroked";
    host::Art& filled = AddPath(fDocument, {{0, 0}, {20, 0}}, true);
    filled.id = "filled";
    host::Art* text = fDocument.NewArt(host::ArtKind::Text, host::PaintOrder::AboveAll, nullptr);
    host::Art* group = fDocument.NewArt(host::ArtKind::Group, host::PaintOrder::AboveAll, nullptr);
    for (host::Art* art : {&stroked, &filled, text, group}) Select(*art);
    Start();
    fHost.Click(Payload(2));
    EXPECT_EQ(Plays(fHost), Texts{"pd_plugin_outline dialog 0 (no block)"});
    // The stroked path lost its fill before the action, so the host replaced it by its outline alone; a path
    // still filled would have become a group of the shape and the outline.
    EXPECT_EQ(fDocument.FindById("stroked"), nullptr);
    Texts kinds;
    for (const host::Art* art : fDocument.AllArt()) {
        std::string kind = art->kind == host::ArtKind::Path   ? "path"
                           : art->kind == host::ArtKind::Text ? "text"
                                                              : "group";
        if (art->kind == host::ArtKind::Path)
            kind += std::string(art->style.fillPaint ? " filled" : "") + (art->style.strokePaint ? " stroked" : "");
        if (!art->id.empty()) kind += " " + art->id;
        kinds.push_back(kind + ((art->attributes & host::kAttrSelected) ? " selected" : ""));
    }
    // The filled path without a stroke and the text dropped out of the selection and stayed as they were;
    // other art stayed selected.
    EXPECT_EQ(kinds, (Texts{"path filled selected", "path filled filled", "text", "group selected"}));
}

TEST_P(PathPreparation, OutlinePathWithNothingSelectedStillPlays)
{
    Start();
    fHost.Click(Payload(2));
    EXPECT_EQ(Plays(fHost), Texts{"pd_plugin_outline dialog 0 (no block)"});
}

TEST_P(PathPreparation, OffsetPathOpensTheDialogWithFiveMillimetres)
{
    Start();
    fHost.Click(Payload(3));
    EXPECT_EQ(Plays(fHost), Texts{"pd_plugin_offset dialog 1 ofst:3:14.1732:#Pxl mitr:3:14.1732:#Pxl jntp:4:Miter=2"});
}

TEST_P(PathPreparation, UnitePathPlaysTwiceExceptOnVersionsEightAndNine)
{
    Start();
    fHost.Click(Payload(4));
    EXPECT_EQ(Plays(fHost),
              (Texts{"pd_plugin_pathfinder dialog 0 (no block)", "pd_plugin_pathfinder dialog 0 xpnd:2:0"}));
    for (const int32_t version : {8, 9}) {
        fHost.Host().SetAppMajorVersion(version);
        fHost.Host().ClearActionPlays();
        fHost.Click(Payload(4));
        EXPECT_EQ(Plays(fHost), Texts{"pd_plugin_pathfinder dialog 0 (no block)"}) << version;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, PathPreparation, testing::Values("windows", "macos"));
