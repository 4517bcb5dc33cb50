#include "zimtool/zimtool_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <sys/wait.h>

#include "generator_test_project.h"
#include "model/project_file.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

struct ToolRun {
    int code;
    std::string err;
};

// A stored project "Demo" with its wallpaper image, and a complete libraries folder beside a
// pretend zimtool in `tool`.
class ZimtoolGenerate : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(projectFolder);
        fs::create_directories(libraries);
        test::startProject("Demo");
        ASSERT_TRUE(saveProjectFileAs(project(), projectFolder / "Demo.zim"));
        writeBytes(projectFolder / "Wallpaper.bmp", bytesOf("wallpaper"));
        for (const char* file : {"MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                                 "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "ZIM_W.ico"})
            writeBytes(libraries / file, bytesOf(file));
        buildDefaultProject(); // the tool must load the project itself
    }

    ToolRun zimtool(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int code = runZimtool(args, out, err, tool);
        return {code, err.str()};
    }

    TempDir temp;
    const fs::path projectFolder = temp / "Projects" / "Demo";
    const fs::path tool = temp / "bin";
    const fs::path libraries = tool / "LIBRARIES";
    const fs::path out = temp / "out" / "Demo";
};

TEST_F(ZimtoolGenerate, GeneratesAsTheDesignerDoesAndExitsWithZero) {
    setText(project().program.applicationName, "Something else");
    const ToolRun run = zimtool({"generate", projectFolder.string() + "/", out.string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readBytes(out / "ZIM_GUI.zim"), readBytes(projectFolder / "Demo.zim"));
    EXPECT_EQ(readBytes(out / "ZIM.lib"), bytesOf("ZIM.lib"));
    EXPECT_EQ(readBytes(out / "Wallpaper.bmp"), bytesOf("wallpaper"));
    EXPECT_TRUE(fs::exists(out / "Demo.rc"));
    const std::vector<char> source = readBytes(out / "ZIM_ButtonDefinedAction.f90");
    EXPECT_NE(std::string(source.begin(), source.end()).find("!  <<Start>>"), std::string::npos);

    const fs::path other = temp / "other";
    EXPECT_EQ(zimtool({"generate", projectFolder.string(), other.string(), "--name", "Other ",
                       "--libraries", libraries.string()})
                  .code,
              0);
    EXPECT_TRUE(fs::exists(other / "Other.rc"));
    EXPECT_FALSE(fs::exists(other / "Demo.rc"));
}

TEST_F(ZimtoolGenerate, FilesThatCouldNotBeCopiedGiveExitCodeTwo) {
    fs::remove(libraries / "ZIM.lib");
    fs::remove(projectFolder / "Wallpaper.bmp");
    const ToolRun run = zimtool({"generate", projectFolder.string(), out.string()});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "zimtool: ZIM.lib could not be copied: not found in the LIBRARIES folder\n"
                       "zimtool: Wallpaper.bmp could not be copied: not found in the project's "
                       "folder\n");
    EXPECT_TRUE(fs::exists(out / "Demo.rc"));

    // Another libraries folder than the one beside the tool.
    EXPECT_EQ(zimtool({"generate", projectFolder.string(), out.string(), "--libraries",
                       (temp / "nowhere").string()})
                  .code,
              2);
}

TEST_F(ZimtoolGenerate, AProjectOrFolderThatCannotBeUsedGivesExitCodeOne) {
    ToolRun run = zimtool({"generate", (temp / "Projects" / "Missing").string(), out.string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("Missing.zim"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));

    run = zimtool({"generate", projectFolder.string(), out.string(), "--name", "CON"});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err, "zimtool: the name <<CON>> can't be used: it is the name of a device\n");
    EXPECT_FALSE(fs::exists(out));

    writeBytes(temp / "file", bytesOf("not a folder"));
    run = zimtool({"generate", projectFolder.string(), (temp / "file").string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("could not be made"), std::string::npos) << run.err;

    // A folder named like the resource script keeps the script from being written.
    fs::create_directories(out / "Demo.rc");
    run = zimtool({"generate", projectFolder.string(), out.string()});
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.err.rfind("zimtool: Demo.rc could not be written: ", 0), 0u) << run.err;
}

// An output folder from an earlier run may hold links; the files are never written through
// them.
TEST_F(ZimtoolGenerate, GeneratedAndCopiedFilesAreNeverWrittenThroughLinks) {
    fs::create_directories(out);
    writeBytes(temp / "victim", bytesOf("victim"));
    for (const char* file :
         {"Demo.rc", "ZIM.lib", "Wallpaper.bmp", "ZIM_GUI.zim", "ZIM_ButtonDefinedAction.f90"})
        fs::create_symlink(temp / "victim", out / file);
    const ToolRun run = zimtool({"generate", projectFolder.string(), out.string()});
    EXPECT_EQ(run.code, 1);
    for (const char* file :
         {"Demo.rc", "ZIM.lib", "Wallpaper.bmp", "ZIM_GUI.zim", "ZIM_ButtonDefinedAction.f90"})
        EXPECT_NE(run.err.find(std::string("zimtool: ") + file + " could not be"),
                  std::string::npos)
            << file << ": " << run.err;
    EXPECT_EQ(readBytes(temp / "victim"), bytesOf("victim"));
}

TEST_F(ZimtoolGenerate, BadCommandLinesShowTheUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"generate"},
                                                 {"generate", projectFolder.string()},
                                                 {"generate", "a", "b", "c"},
                                                 {"generate", "a", "b", "--name"},
                                                 {"generate", "a", "b", "--colour", "red"}}) {
        const ToolRun run = zimtool(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("zimtool generate PROJECT_DIR OUT_DIR [--name NAME] "
                               "[--libraries DIR]"),
                  std::string::npos);
    }
}

TEST_F(ZimtoolGenerate, TheProgramReturnsTheExitCodes) {
    const std::string command = "\"" + std::string(ZIMTOOL_PATH) + "\" generate \"" +
                                projectFolder.string() + "\" \"" + out.string() + "\"";
    auto exitCode = [](int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; };
    EXPECT_EQ(
        exitCode(std::system((command + " --libraries \"" + libraries.string() + "\"").c_str())),
        0);
    fs::remove(libraries / "MSImg32.Lib");
    EXPECT_EQ(exitCode(std::system(
                  (command + " --libraries \"" + libraries.string() + "\" 2>/dev/null").c_str())),
              2);
    EXPECT_EQ(exitCode(std::system((command + " --name \"a:b\" 2>/dev/null").c_str())), 1);
}

} // namespace
} // namespace zim
