#include "zimtool/build_tool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::TempDir;
using test::writeBytes;

struct BuildRun {
    int code;
    std::string out;
    std::string err;
};

BuildRun build(std::vector<std::string> args, const fs::path& tools) {
    std::ostringstream out, err;
    const int code = buildTool(args, out, err, tools.string());
    return {code, out.str(), err.str()};
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A generated compiler project as zimtool generate leaves it, plus a source of the user's own.
class ZimtoolBuild : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(project);
        fs::create_directories(tools);
        for (const char* file : {"Demo.rc", "ZIM.lib", "MSImg32.Lib", "ZIM_ButtonDefinedAction.f90",
                                 "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "Mine.F90"})
            writeBytes(project / file, std::vector<char>{'x'});
    }

    TempDir temp;
    const fs::path project = temp / "FORTRAN PROGRAMS" / "Demo";
    const fs::path tools = temp / "tools";
};

TEST_F(ZimtoolBuild, RefusesWhatItCannotBuildAndNamesTheMissingTools) {
    EXPECT_EQ(build({}, tools).code, buildNotPossible);
    EXPECT_EQ(build({project.string(), "--speed"}, tools).code, buildNotPossible);

    fs::remove(project / "MSImg32.Lib");
    BuildRun run = build({project.string()}, tools);
    EXPECT_EQ(run.code, buildNotPossible);
    EXPECT_TRUE(contains(run.err, "is not a generated compiler project: MSImg32.Lib is missing"))
        << run.err;
    writeBytes(project / "MSImg32.Lib", std::vector<char>{'x'});
    fs::rename(project / "Demo.rc", project / "Other.rc");
    writeBytes(project / "Another.rc", std::vector<char>{'x'});
    run = build({project.string()}, tools);
    EXPECT_TRUE(contains(run.err, "several resource scripts and none named after its folder"))
        << run.err;

    // With one named after the folder, the build goes on to look for its tools.
    writeBytes(project / "Demo.rc", std::vector<char>{'x'});
    run = build({project.string()}, tools);
    EXPECT_EQ(run.code, buildNotPossible);
    EXPECT_TRUE(contains(run.err, resourceCompilerNeed().provider)) << run.err;
    EXPECT_TRUE(contains(run.err, fortranCompilerNeed().provider)) << run.err;
    EXPECT_TRUE(run.out.empty()) << "nothing runs: " << run.out;
}

#ifndef _WIN32
// Stand-ins for the tools: each logs its command line and makes the file named after -o; the
// compiler fails on a source named Broken.f90 with a message of its own.
void writeFakeTool(const fs::path& file, const fs::path& log) {
    std::ofstream script(file);
    script << "#!/bin/sh\n"
              "echo \"$(basename \"$0\") $*\" >> '"
           << log.string()
           << "'\n"
              "for arg; do case \"$arg\" in *Broken.f90) echo \"Broken.f90:1: Error: bad\"; "
              "exit 3;; esac; done\n"
              "while [ $# -gt 0 ]; do [ \"$1\" = -o ] && : > \"$2\"; shift; done\n"
              "echo \"$(basename \"$0\") says hello\"\n";
    script.close();
    fs::permissions(file, fs::perms::owner_all);
}

std::vector<std::string> linesOf(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(ZimtoolBuild, RunsWindresEveryFortranSourceAndTheLinkInTheProjectFolder) {
    const fs::path log = temp / "log.txt";
    writeFakeTool(tools / "x86_64-w64-mingw32-windres", log);
    writeFakeTool(tools / "x86_64-w64-mingw32-gfortran-posix", log);
    const fs::path program = temp / "out" / "My demo.exe";
    fs::create_directories(program.parent_path());

    const BuildRun run = build({project.string(), "--out", program.string()}, tools);
    ASSERT_EQ(run.code, buildComplete) << run.err << run.out;
    EXPECT_TRUE(fs::exists(program));
    const std::vector<std::string> commands = linesOf(log);
    ASSERT_EQ(commands.size(), 6u) << run.out;
    EXPECT_EQ(commands[0].rfind("x86_64-w64-mingw32-windres Demo.rc -O coff -o ", 0), 0u);
    // Sources in name order, the user's own among them; then the link of a GUI program with
    // the runtime library, its WinMain and the system libraries.
    EXPECT_TRUE(contains(commands[1], " Mine.F90"));
    EXPECT_TRUE(contains(commands[2], " ZIM_ButtonDefinedAction.f90"));
    EXPECT_TRUE(contains(commands[4], " ZIM_User_On_Init.f90"));
    EXPECT_TRUE(contains(commands[5], "-mwindows -static -o " + program.string()));
    EXPECT_TRUE(contains(commands[5], "-Wl,--undefined=WinMain ZIM.lib MSImg32.Lib -lstdc++"));
    // Each command is shown before it runs, with its output after it.
    EXPECT_TRUE(contains(run.out, "\"" + program.string() + "\"")) << run.out;
    EXPECT_TRUE(contains(run.out, "x86_64-w64-mingw32-gfortran-posix says hello")) << run.out;

    fs::remove(log);
    writeBytes(project / "Broken.f90", std::vector<char>{'x'});
    const BuildRun failed = build({project.string()}, tools);
    EXPECT_EQ(failed.code, buildToolFailed);
    EXPECT_TRUE(contains(failed.err, "Broken.f90:1: Error: bad")) << failed.err;
    EXPECT_TRUE(contains(failed.err, "x86_64-w64-mingw32-gfortran-posix failed with exit code 3"))
        << failed.err;
    EXPECT_EQ(linesOf(log).size(), 2u) << "nothing runs after the failure";
    EXPECT_FALSE(fs::exists(project / "Demo.exe"));
}
#endif

} // namespace
} // namespace zim
