#include "zimtool/zimtool_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "model/project_file.h"
#include "temp_dir.h"

namespace zim {
namespace {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

ToolRun zimtool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = runZimtool(args, out, err);
    return {code, out.str(), err.str()};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Zimtool, WritesChecksAndDumpsTheDefaultProject) {
    test::TempDir dir;
    const std::string file = (dir / "Default project.zim").string();
    ASSERT_EQ(zimtool({"default", file}).code, 0);
    EXPECT_EQ(std::filesystem::file_size(file), 6232u);
    EXPECT_EQ(zimtool({"check", file}).code, 0);

    const ToolRun dump = zimtool({"dump", file});
    ASSERT_EQ(dump.code, 0) << dump.err;
    const std::string& json = dump.out;
    EXPECT_TRUE(contains(json, "\"version\": \"3.01\""));
    EXPECT_TRUE(contains(json, "\"applicationName\": \"Default project\""));
    EXPECT_TRUE(contains(json, "\"created\": \"01 December 2001\""));
    EXPECT_TRUE(contains(json, "\"frameColour\": \"#FFFF00\""));
    EXPECT_TRUE(contains(json, "\"transparentColour\": \"#FFFFFF\""));
    EXPECT_TRUE(contains(json, "\"drawingArea\": [100, 100, 500, 500]"));
    EXPECT_TRUE(contains(json, "\"imageFile\": \"Wallpaper\""));
    EXPECT_TRUE(contains(json, "\"title\": \"First Application Window\""));
    EXPECT_TRUE(contains(json, "\"classStyles\": [\"CS_HREDRAW\", \"CS_OWNDC\", \"CS_SAVEBITS\", "
                               "\"CS_VREDRAW\"]"));
    EXPECT_TRUE(contains(json, "\"windowStyles\": [\"WS_CAPTION\", \"WS_CLIPSIBLINGS\", "
                               "\"WS_SYSMENU\", \"WS_VISIBLE\"]"));
    EXPECT_TRUE(contains(json, "\"buttonStyles\": [\"BS_PUSHBUTTON\", \"BS_CENTER\", "
                               "\"BS_VCENTER\"]"));
    EXPECT_TRUE(contains(json, "\"staticStyles\": [\"SS_CENTER\"]"));
    EXPECT_TRUE(contains(json, "\"images\": []"));
    EXPECT_TRUE(contains(json, "\"text\": \"Start\""));
    EXPECT_TRUE(contains(json, "\"pitchAndFamily\": 34"));
    EXPECT_TRUE(contains(json, "\"faceName\": \"Arial\""));
    EXPECT_TRUE(contains(json, "\"backgroundValue\": 65280"));
    EXPECT_TRUE(contains(json, "\"reservedRect\": [10, 0, 40, 20]"));
}

TEST(Zimtool, RefusesBadFilesAndBadCommandLines) {
    test::TempDir dir;
    const std::string file = (dir / "Short.zim").string();
    test::writeBytes(file, std::vector<char>(700, ' '));
    const ToolRun check = zimtool({"check", file});
    EXPECT_EQ(check.code, 1);
    EXPECT_TRUE(contains(check.err, "\"Short.zim\" is damaged")) << check.err;
    EXPECT_EQ(zimtool({"dump", file}).code, 1);
    EXPECT_EQ(zimtool({"check", (dir / "missing.zim").string()}).code, 1);
    EXPECT_EQ(zimtool({"dump"}).code, 2);
    EXPECT_EQ(zimtool({"frobnicate", file}).code, 2);
    EXPECT_TRUE(contains(zimtool({}).err, "usage: zimtool"));
}

TEST(Zimtool, TheProgramReturnsTheCommandsExitCodes) {
    test::TempDir dir;
    const std::string file = (dir / "d.zim").string();
    const std::string tool = ZIMTOOL_PATH;
    EXPECT_EQ(std::system(("\"" + tool + "\" default \"" + file + "\"").c_str()), 0);
    EXPECT_EQ(std::system(("\"" + tool + "\" check \"" + file + "\"").c_str()), 0);
    EXPECT_NE(std::system(("\"" + tool + "\" check \"" + file + ".none\" 2>/dev/null").c_str()),
              0);
}

} // namespace
} // namespace zim
