#include "generator/generation_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "generator/button_action_source.h"
#include "generator/resource_script.h"
#include "generator/text_sink.h"
#include "generator_test_project.h"
#include "model/project_file.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::addImageButton;
using test::bytesOf;
using test::readBytes;
using test::startProject;
using test::TempDir;
using test::writeBytes;

std::set<std::string> filesIn(const fs::path& directory) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

struct Produced {
    std::string file;
    ProducedFile::How how;
    std::string failure;
};

// A real archive folder and libraries folder with some files missing.
class GenerationDriver : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(archive);
        fs::create_directories(libraries);
        fs::create_directories(output);
        for (const char* file : {"resource.h", "resource.fd", "ZIM_User_On_Init.f90",
                                 "ZIM_User_On_Exit.f90", "ZIM_W.ico"})
            writeBytes(libraries / file, bytesOf(std::string("library file ") + file));
        for (const char* file : {"Wallpaper.bmp", "Wnd_001.ico", "Button_001_001.bmp"})
            writeBytes(archive / file, bytesOf(std::string("archive file ") + file));
        // A stale stored project file, and an image beside the archive folder that a name
        // with a path in it would reach.
        writeBytes(archive / "Demo.zim", bytesOf("stored long ago"));
        writeBytes(temp / "Projects" / "escape.bmp", bytesOf("outside"));
    }

    GenerationReport generate() {
        return generateCompilerProject(project(), {output, libraries, archive, "Fortran Demo"});
    }

    TempDir temp;
    const fs::path archive = temp / "Projects" / "Demo";
    const fs::path libraries = temp / "LIBRARIES";
    const fs::path output = temp / "FORTRAN PROGRAMS" / "Fortran Demo";
};

TEST_F(GenerationDriver, ProducesTheFilesInOrderAndGoesOnPastMissingSources) {
    startProject("Demo");
    project().wallpaper.imagePresent = 1;
    project().wallpaper.imageFromResource = 1;
    window(1).iconSource = 0;   // Wnd_001.ico is there
    window(1).cursorSource = 0; // Wnd_001.cur is not
    window(1).buttonCount = 0;
    addImageButton(1, 1, 2, 0, "Button_001_001");
    addImageButton(1, 1, 2, 0, "../escape");
    addImageButton(1, 1, 2, 0, "Button_001_001");
    writeBytes(output / "resource.h", bytesOf("an older copy"));

    const GenerationReport report = generate();

    const std::string noLibrary = "not found in the LIBRARIES folder";
    const std::string noArchive = "not found in the project's folder";
    const std::string badName = "the name can't be used for a file: it contains the character '/'";
    const ProducedFile::How written = ProducedFile::written, copied = ProducedFile::copied;
    const std::vector<Produced> expected = {
        {"ZIM_GUI.zim", written, ""},
        {"MSImg32.Lib", copied, noLibrary},
        {"ZIM.lib", copied, noLibrary},
        {"resource.h", copied, ""},
        {"resource.fd", copied, ""},
        {"ZIM_User_On_Init.f90", copied, ""},
        {"ZIM_User_On_Exit.f90", copied, ""},
        {"Fortran Demo.rc", written, ""},
        {"ZIM_W.ico", copied, ""},
        {"Wallpaper.bmp", copied, ""},
        {"Wnd_001.ico", copied, ""},
        {"Wnd_001.cur", copied, noArchive},
        {"Button_001_001.bmp", copied, ""},
        {"../escape.bmp", copied, badName},
        {"Button_001_001.bmp", copied, ""},
        {"ZIM_ButtonDefinedAction.f90", written, ""},
    };
    ASSERT_EQ(report.files.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(report.files[k].file, expected[k].file) << k;
        EXPECT_EQ(report.files[k].how, expected[k].how) << k;
        EXPECT_EQ(report.files[k].failure, expected[k].failure) << k;
    }
    EXPECT_TRUE(report.allWritten());
    EXPECT_FALSE(report.complete());
    const std::vector<FileFailure> notCopied = report.failures(ProducedFile::copied);
    EXPECT_EQ(notCopied, (std::vector<FileFailure>{{"MSImg32.Lib", noLibrary},
                                                   {"ZIM.lib", noLibrary},
                                                   {"Wnd_001.cur", noArchive},
                                                   {"../escape.bmp", badName}}));

    EXPECT_EQ(filesIn(output),
              (std::set<std::string>{"ZIM_GUI.zim", "resource.h", "resource.fd",
                                     "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90",
                                     "Fortran Demo.rc", "ZIM_W.ico", "Wallpaper.bmp", "Wnd_001.ico",
                                     "Button_001_001.bmp", "ZIM_ButtonDefinedAction.f90"}));
    for (const char* file : {"resource.h", "ZIM_User_On_Exit.f90", "ZIM_W.ico"})
        EXPECT_EQ(readBytes(output / file), readBytes(libraries / file)) << file;
    for (const char* file : {"Wallpaper.bmp", "Wnd_001.ico", "Button_001_001.bmp"})
        EXPECT_EQ(readBytes(output / file), readBytes(archive / file)) << file;
    EXPECT_FALSE(fs::exists(temp / "FORTRAN PROGRAMS" / "escape.bmp"));

    // The design data is the Project in memory, saved; the stored file is neither read nor
    // changed.
    ASSERT_TRUE(saveProjectFileAs(project(), temp / "saved.zim"));
    EXPECT_EQ(readBytes(output / "ZIM_GUI.zim"), readBytes(temp / "saved.zim"));
    EXPECT_EQ(readBytes(archive / "Demo.zim"), bytesOf("stored long ago"));

    StringSink script, source;
    writeResourceScript(script, project(), [](const std::string&, ImageSource) {});
    writeButtonActionSource(source, project());
    EXPECT_EQ(readBytes(output / "Fortran Demo.rc"), bytesOf(script.text()));
    EXPECT_EQ(readBytes(output / "ZIM_ButtonDefinedAction.f90"), bytesOf(source.text()));
}

TEST_F(GenerationDriver, AMissingOutputFolderFailsEveryFileAndCreatesNothing) {
    startProject("Demo");
    fs::remove(output);
    const GenerationReport report = generate();
    EXPECT_FALSE(report.allWritten());
    const std::vector<FileFailure> notWritten = report.failures(ProducedFile::written);
    ASSERT_EQ(notWritten.size(), 3u);
    EXPECT_EQ(notWritten[0].file, "ZIM_GUI.zim");
    EXPECT_EQ(notWritten[1].file, "Fortran Demo.rc");
    EXPECT_EQ(notWritten[2].file, "ZIM_ButtonDefinedAction.f90");
    for (const FileFailure& failure : notWritten)
        EXPECT_FALSE(failure.reason.empty());
    EXPECT_FALSE(report.failures(ProducedFile::copied).empty());
    EXPECT_FALSE(fs::exists(output));
}

TEST(TextSink, LinesStartWithABlankAndEndWithCarriageReturnAndLineFeed) {
    StringSink sink;
    sink.line("one");
    sink.line("");
    sink.write("raw");
    EXPECT_EQ(sink.text(), " one\r\n \r\nraw");

    TempDir temp;
    {
        FileSink file(temp / "out.txt");
        file.line("first");
        file.write(std::string(100000, 'x')); // larger than the sink's buffer
        file.line("last");
        EXPECT_EQ(file.close(), "");
    }
    const std::vector<char> bytes = readBytes(temp / "out.txt");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              " first\r\n" + std::string(100000, 'x') + " last\r\n");

    FileSink nowhere(temp / "missing" / "out.txt");
    nowhere.line("lost");
    EXPECT_NE(nowhere.close(), "");
}

} // namespace
} // namespace zim
