// The panel folder's files: read with their content type, never from outside the folder.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "PanelFiles.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;
using pendrake::ContentTypeOf;
using pendrake::PanelFiles;

TEST(PanelFiles, ContentTypesGoByTheNamesEnding)
{
    EXPECT_EQ(ContentTypeOf("index.html"), "text/html; charset=utf-8");
    EXPECT_EQ(ContentTypeOf("a/panel.js"), "text/javascript");
    EXPECT_EQ(ContentTypeOf("panel.css"), "text/css");
    EXPECT_EQ(ContentTypeOf("mark.svg"), "image/svg+xml");
    EXPECT_EQ(ContentTypeOf("shot.png"), "image/png");
    EXPECT_EQ(ContentTypeOf("notes.txt"), "application/octet-stream");
    EXPECT_EQ(ContentTypeOf("html"), "application/octet-stream");
}

TEST(PanelFiles, ReadsRegularFilesInsideTheFolderOnly)
{
    TempFolder temp;
    const fs::path folder = temp.Path() / "panel";
    fs::create_directories(folder / "pages");
    std::ofstream(folder / "pages" / "a.js") << "let a;";
    std::ofstream(temp.Path() / "secret.txt") << "secret";
    fs::create_symlink(temp.Path() / "secret.txt", folder / "leak.txt");
    fs::create_symlink(folder / "pages" / "a.js", folder / "inside.js");

    const PanelFiles files(folder);
    EXPECT_TRUE(files.Exists());
    const auto script = files.Read("pages/a.js");
    ASSERT_TRUE(script);
    EXPECT_EQ(script->bytes, "let a;");
    EXPECT_EQ(script->contentType, "text/javascript");
    ASSERT_TRUE(files.Read("inside.js"));
    EXPECT_FALSE(files.Read("leak.txt"));
    EXPECT_FALSE(files.Read("pages"));
    EXPECT_FALSE(files.Read("missing.html"));
    EXPECT_FALSE(PanelFiles(temp.Path() / "none").Exists());
    EXPECT_FALSE(PanelFiles(temp.Path() / "none").Read("a.js"));
}

}  // namespace
