#include "zimtool/zimtool_commands.h"

#include <gtest/gtest.h>

#include <sstream>

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

// The project is loaded from its folder, named by it unless --name says otherwise, and
// generated with the libraries beside the tool unless --libraries names others.
TEST_F(ZimtoolGenerate, GeneratesAsTheDesignerDoesAndExitsWithZero) {
    const ToolRun run = zimtool({"generate", projectFolder.string() + "/", out.string()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readBytes(out / "ZIM_GUI.zim"), readBytes(projectFolder / "Demo.zim"));
    EXPECT_EQ(readBytes(out / "ZIM.lib"), bytesOf("ZIM.lib"));
    EXPECT_EQ(readBytes(out / "Wallpaper.bmp"), bytesOf("wallpaper"));
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

// Exit code 2 lists the files that could not be copied; 1 is a project, name or folder that
// cannot be used, and nothing is generated.
TEST_F(ZimtoolGenerate, FailuresGiveTheirExitCodesAndMessages) {
    fs::remove(libraries / "ZIM.lib");
    fs::remove(projectFolder / "Wallpaper.bmp");
    ToolRun run = zimtool({"generate", projectFolder.string(), out.string()});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err, "zimtool: ZIM.lib could not be copied: not found in the LIBRARIES folder\n"
                       "zimtool: Wallpaper.bmp could not be copied: not found in the project's "
                       "folder\n");
    EXPECT_TRUE(fs::exists(out / "Demo.rc"));

    writeBytes(temp / "file", bytesOf("not a folder"));
    fs::remove(out / "Demo.rc");
    fs::create_directories(out / "Demo.rc"); // keeps the script from being written
    const struct {
        std::vector<std::string> args;
        std::string err;
    } unusable[] = {
        {{(temp / "Projects" / "Missing").string(), (temp / "new").string()}, "Missing.zim"},
        {{projectFolder.string(), (temp / "new").string(), "--name", "CON"},
         "zimtool: the name <<CON>> can't be used: it is the name of a device\n"},
        {{projectFolder.string(), (temp / "file").string()}, "could not be made"},
        {{projectFolder.string(), out.string()}, "zimtool: Demo.rc could not be written: "},
    };
    for (const auto& [args, err] : unusable) {
        std::vector<std::string> line{"generate"};
        line.insert(line.end(), args.begin(), args.end());
        run = zimtool(line);
        EXPECT_EQ(run.code, 1) << err;
        EXPECT_NE(run.err.find(err), std::string::npos) << run.err;
    }
    EXPECT_FALSE(fs::exists(temp / "new"));
}

// An output folder from an earlier run may hold links; the files are never written through
// them.
TEST_F(ZimtoolGenerate, GeneratedAndCopiedFilesAreNeverWrittenThroughLinks) {
    fs::create_directories(out);
    writeBytes(temp / "victim", bytesOf("victim"));
    const char* files[] = {"Demo.rc", "ZIM.lib", "Wallpaper.bmp", "ZIM_GUI.zim",
                           "ZIM_ButtonDefinedAction.f90"};
    for (const char* file : files)
        if (!test::makeLink(temp / "victim", out / file))
            GTEST_SKIP() << "this system does not let the tests make links";
    const ToolRun run = zimtool({"generate", projectFolder.string(), out.string()});
    EXPECT_EQ(run.code, 1);
    for (const char* file : files)
        EXPECT_NE(run.err.find(std::string("zimtool: ") + file + " could not be"),
                  std::string::npos)
            << file << ": " << run.err;
    EXPECT_EQ(readBytes(temp / "victim"), bytesOf("victim"));
}

TEST_F(ZimtoolGenerate, BadCommandLinesShowTheUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"generate"},
                                                 {"generate", projectFolder.string()},
                                                 {"generate", "a", "b", "--name"},
                                                 {"generate", "a", "b", "--colour", "red"}}) {
        const ToolRun run = zimtool(args);
        EXPECT_EQ(run.code, 2);
        EXPECT_NE(run.err.find("zimtool generate PROJECT_DIR OUT_DIR [--name NAME] "
                               "[--libraries DIR]"),
                  std::string::npos);
    }
}

} // namespace
} // namespace zim
