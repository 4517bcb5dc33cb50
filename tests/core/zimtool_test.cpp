#include "zimtool/zimtool_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#ifndef _WIN32
#include <sys/wait.h>
#endif

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
    // One item of each kind the dump writes: trimmed text, caption up to its zero, colour as
    // #RRGGBB, byte as a number, number list, style names, empty record list.
    for (const char* item :
         {"\"applicationName\": \"Default project\"", "\"text\": \"Start\"",
          "\"frameColour\": \"#FFFF00\"", "\"pitchAndFamily\": 34",
          "\"drawingArea\": [100, 100, 500, 500]", "\"staticStyles\": [\"SS_CENTER\"]",
          "\"images\": []", "\"buttonStyles\": [\"BS_PUSHBUTTON\", \"BS_CENTER\", \"BS_VCENTER\"]"})
        EXPECT_TRUE(contains(json, item)) << item;
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

// The built program, run as a shell runs it with its error output discarded: its exit code.
int exitCodeOf(const std::vector<std::string>& args) {
    std::string line = "\"" + std::filesystem::path(ZIMTOOL_PATH).make_preferred().string() + "\"";
    for (const std::string& arg : args)
        line += " \"" + arg + "\"";
#ifdef _WIN32
    // cmd /c takes away the first and the last quote of a line that starts with one.
    return std::system(("\"" + line + " 2>NUL\"").c_str());
#else
    const int status = std::system((line + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

TEST(Zimtool, TheProgramReturnsTheCommandsExitCodes) {
    test::TempDir dir;
    const std::string file = (dir / "d.zim").string();
    EXPECT_EQ(exitCodeOf({"default", file}), 0);
    EXPECT_EQ(exitCodeOf({"check", file}), 0);
    EXPECT_EQ(exitCodeOf({"check", file + ".none"}), 1);
    EXPECT_EQ(exitCodeOf({"generate", file}), 2);
}

} // namespace
} // namespace zim
