#include "generator/generate_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <memory>
#include <set>

#include "generator_test_project.h"
#include "model/program_state.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::addImageButton;
using test::readBytes;
using test::startProject;
using test::TempDir;
using test::writeBytes;

struct Asked {
    std::string text;
    std::string caption;
    unsigned flags;

    bool operator==(const Asked& other) const {
        return text == other.text && caption == other.caption && flags == other.flags;
    }
};

std::ostream& operator<<(std::ostream& out, const Asked& asked) {
    return out << "\"" << asked.text << "\" / \"" << asked.caption << "\" / 0x" << std::hex
               << asked.flags << std::dec;
}

// Answers from a script and records every question.
class ScriptedPrompts : public UserPrompts {
  public:
    int ask(const std::string& text, const std::string& caption, unsigned flags) override {
        asked.push_back({text, caption, flags});
        if (answers.empty())
            return 1; // IDOK
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int nameDialog(NameDialogKind kind, std::string& chosenName) override {
        dialogs.push_back(kind);
        chosenName = dialogName;
        // The real dialog lists FORTRAN PROGRAMS from inside it.
        std::error_code ec;
        fs::current_path(programDirectory / "FORTRAN PROGRAMS", ec);
        return dialogResult;
    }
    void refreshProjectView() override { ++viewRefreshes; }
    void rebuildStructureTree() override { ++treeRebuilds; }

    int dialogResult = 1;
    std::string dialogName;
    std::deque<int> answers;
    std::vector<NameDialogKind> dialogs;
    std::vector<Asked> asked;
    int viewRefreshes = 0;
    int treeRebuilds = 0;
};

constexpr unsigned stopBox = 0x10 | 0x2000;           // MB_ICONHAND | MB_TASKMODAL
constexpr unsigned informationBox = 0x40 | 0x2000;    // MB_ICONINFORMATION | MB_TASKMODAL
constexpr unsigned questionBox = 0x4 | 0x20 | 0x2000; // MB_YESNO | MB_ICONQUESTION | ...
constexpr int yes = 6;
constexpr int no = 7;

const std::string caption = "Create Fortran Project...";
const std::string cancelled = "Operation was cancelled...";
const std::string created = "Fortran Project was created...";
const std::string overwrite = "The FORTRAN project, you selected, already exists...\r"
                              "Would you like to overwrite this project by new one?";

std::set<std::string> entriesOf(const fs::path& directory) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

std::vector<char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

class GenerateCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        startCwd = fs::current_path();
        programDirectory = temp.path();
        projectToLoad = "Demo";
        projectDirectory = temp / "Projects" / "Demo";
        fs::create_directories(projectDirectory);
        fs::create_directories(programs);
        fs::create_directories(temp / "LIBRARIES");
        for (const char* file : {"MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                                 "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "ZIM_W.ico"})
            writeBytes(temp / "LIBRARIES" / file, bytesOf(file));
        writeBytes(projectDirectory / "Wallpaper.bmp", bytesOf("wallpaper"));
        startProject("Demo");
        fs::current_path(temp.path());
    }
    void TearDown() override {
        fs::current_path(startCwd);
        programDirectory.clear();
        projectDirectory.clear();
        projectToLoad.clear();
    }

    void run() { generateCommand(prompts); }
    bool backInProjectDirectory() const {
        return fs::equivalent(fs::current_path(), projectDirectory);
    }
    // An earlier compiler project with a file of the user's and a subfolder.
    void existingAlpha() {
        fs::create_directories(alpha / "keep");
        writeBytes(alpha / "notes.txt", bytesOf("my notes"));
        writeBytes(alpha / "Alpha.rc", bytesOf("old script"));
        writeBytes(alpha / "keep" / "inner.txt", bytesOf("kept"));
    }

    TempDir temp;
    fs::path startCwd;
    const fs::path programs = temp / "FORTRAN PROGRAMS";
    const fs::path alpha = programs / "Alpha";
    ScriptedPrompts prompts;
};

TEST_F(GenerateCommand, ACancelledDialogCreatesNothing) {
    prompts.dialogResult = 0;
    prompts.dialogName = "Alpha";
    run();
    EXPECT_EQ(prompts.dialogs, std::vector<NameDialogKind>{NameDialogKind::generator});
    EXPECT_EQ(prompts.asked, (std::vector<Asked>{{cancelled, caption, stopBox}}));
    EXPECT_TRUE(entriesOf(programs).empty());
    EXPECT_TRUE(backInProjectDirectory());
}

TEST_F(GenerateCommand, ANewNameGetsItsFolderAndEveryFile) {
    prompts.dialogResult = 1;
    prompts.dialogName = "  Alpha ";
    const auto before = std::make_unique<Project>(project());
    const std::set<std::string> archiveBefore = entriesOf(projectDirectory);

    run();

    EXPECT_EQ(prompts.asked, (std::vector<Asked>{{created, caption, informationBox}}));
    EXPECT_EQ(entriesOf(programs), std::set<std::string>{"Alpha"});
    EXPECT_EQ(
        entriesOf(alpha),
        (std::set<std::string>{"ZIM_GUI.zim", "MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                               "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "Alpha.rc",
                               "ZIM_W.ico", "Wallpaper.bmp", "ZIM_ButtonDefinedAction.f90"}));
    EXPECT_EQ(readBytes(alpha / "ZIM.lib"), bytesOf("ZIM.lib"));
    EXPECT_EQ(std::memcmp(before.get(), &project(), sizeof(Project)), 0);
    EXPECT_EQ(entriesOf(projectDirectory), archiveBefore);
    EXPECT_EQ(prompts.viewRefreshes + prompts.treeRebuilds, 0);
    EXPECT_TRUE(backInProjectDirectory());
}

TEST_F(GenerateCommand, FilesThatCouldNotBeCopiedAreListedAfterTheCompletionMessage) {
    fs::remove(temp / "LIBRARIES" / "ZIM.lib");
    fs::remove(temp / "LIBRARIES" / "MSImg32.Lib");
    prompts.dialogName = "Alpha";
    run();
    EXPECT_EQ(prompts.asked,
              (std::vector<Asked>{{"Fortran Project was created...\r"
                                   "These files could not be copied:\r"
                                   "MSImg32.Lib - not found in the LIBRARIES folder\r"
                                   "ZIM.lib - not found in the LIBRARIES folder",
                                   caption, informationBox}}));
    EXPECT_FALSE(fs::exists(alpha / "ZIM.lib"));
    EXPECT_TRUE(fs::exists(alpha / "ZIM_ButtonDefinedAction.f90"));
}

TEST_F(GenerateCommand, ALongListOfFailuresIsCutAfterTwentyFiles) {
    window(1).buttonCount = 0;
    for (int b = 1; b <= 30; ++b)
        addImageButton(1, 1, 2, 0, "Missing_" + std::to_string(100 + b));
    prompts.dialogName = "Alpha";
    run();
    ASSERT_EQ(prompts.asked.size(), 1u);
    std::string expected = "Fortran Project was created...\rThese files could not be copied:";
    for (int b = 1; b <= 20; ++b)
        expected +=
            "\rMissing_" + std::to_string(100 + b) + ".bmp - not found in the project's folder";
    expected += "\r... and 10 more";
    EXPECT_EQ(prompts.asked[0].text, expected);
}

TEST_F(GenerateCommand, OverwritingDeletesTheFilesButKeepsSubfolders) {
    existingAlpha();
    prompts.dialogResult = 2;
    prompts.dialogName = "Alpha";
    prompts.answers = {yes};
    run();
    EXPECT_EQ(prompts.asked, (std::vector<Asked>{{overwrite, caption, questionBox},
                                                 {created, caption, informationBox}}));
    EXPECT_FALSE(fs::exists(alpha / "notes.txt"));
    EXPECT_EQ(readBytes(alpha / "keep" / "inner.txt"), bytesOf("kept"));
    const std::vector<char> script = readBytes(alpha / "Alpha.rc");
    EXPECT_EQ(std::string(script.begin(), script.begin() + 12), " //Microsoft");
    EXPECT_TRUE(fs::exists(alpha / "ZIM_GUI.zim"));
    EXPECT_TRUE(backInProjectDirectory());
}

TEST_F(GenerateCommand, AnsweringNoTouchesNothing) {
    existingAlpha();
    prompts.dialogResult = 3;
    prompts.dialogName = "Alpha";
    prompts.answers = {no};
    run();
    EXPECT_EQ(prompts.asked, (std::vector<Asked>{{overwrite, caption, questionBox},
                                                 {cancelled, caption, stopBox}}));
    EXPECT_EQ(entriesOf(alpha), (std::set<std::string>{"Alpha.rc", "keep", "notes.txt"}));
    EXPECT_EQ(readBytes(alpha / "Alpha.rc"), bytesOf("old script"));
    EXPECT_TRUE(backInProjectDirectory());
}

TEST_F(GenerateCommand, AnExistingFolderIsNeverOverwrittenWithoutTheQuestion) {
    existingAlpha();
    prompts.dialogResult = 1; // " Alpha" was not in the listing, but names the same folder
    prompts.dialogName = " Alpha";
    prompts.answers = {no};
    run();
    EXPECT_EQ(prompts.asked, (std::vector<Asked>{{overwrite, caption, questionBox},
                                                 {cancelled, caption, stopBox}}));
    EXPECT_EQ(readBytes(alpha / "notes.txt"), bytesOf("my notes"));
}

TEST_F(GenerateCommand, UnsafeNamesAreRefusedBeforeAnythingIsTouched) {
    writeBytes(programs / "user file.txt", bytesOf("mine"));
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"CON", "Sorry, but the name <<CON>> can't be used: it is the name of a device..."},
        {"lpt1.txt",
         "Sorry, but the name <<lpt1.txt>> can't be used: it is the name of a device..."},
        {"   ", "Sorry, but the name <<>> can't be used: it is empty..."},
        {"..", "Sorry, but the name <<..>> can't be used: it names a folder itself..."},
        {"../Projects",
         "Sorry, but the name <<../Projects>> can't be used: it contains the character '/'..."},
        {"a\\b", "Sorry, but the name <<a\\b>> can't be used: it contains the character '\\'..."},
        {"name.", "Sorry, but the name <<name.>> can't be used: it ends with a dot..."},
    };
    for (const auto& [name, message] : refused) {
        ScriptedPrompts script;
        script.dialogResult = 2;
        script.dialogName = name;
        script.answers = {yes, yes};
        generateCommand(script);
        EXPECT_EQ(script.asked, (std::vector<Asked>{{message, caption, stopBox}})) << name;
        EXPECT_TRUE(backInProjectDirectory());
    }
    EXPECT_EQ(entriesOf(programs), std::set<std::string>{"user file.txt"});
    EXPECT_EQ(entriesOf(temp.path()),
              (std::set<std::string>{"FORTRAN PROGRAMS", "LIBRARIES", "Projects"}));
}

TEST_F(GenerateCommand, AFolderThatCannotBeMadeOrUsedIsReportedAndNothingIsGenerated) {
    writeBytes(alpha, bytesOf("a file, not a folder"));
    prompts.dialogResult = 2;
    prompts.dialogName = "Alpha";
    prompts.answers = {yes};
    run();
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1], (Asked{"Sorry, but the Fortran Project could not be created...\r"
                                       "This folder can't be used:\r" +
                                           alpha.string() + " - it is a file, not a folder",
                                       caption, stopBox}));
    EXPECT_EQ(readBytes(alpha), bytesOf("a file, not a folder"));

    // Without FORTRAN PROGRAMS the command does not make it: it makes nothing outside the
    // compiler project's own folder.
    fs::remove_all(programs);
    ScriptedPrompts second;
    second.dialogName = "Alpha";
    generateCommand(second);
    ASSERT_EQ(second.asked.size(), 1u);
    const std::string heading = "Sorry, but the Fortran Project could not be created...\r"
                                "This folder can't be used:\r" +
                                alpha.string() + " - ";
    EXPECT_EQ(second.asked[0].text.rfind(heading, 0), 0u) << second.asked[0].text;
    EXPECT_GT(second.asked[0].text.size(), heading.size());
    EXPECT_EQ(second.asked[0].flags, stopBox);
    EXPECT_FALSE(fs::exists(programs));
    EXPECT_TRUE(backInProjectDirectory());
}

TEST_F(GenerateCommand, AGeneratedFileThatCannotBeWrittenIsNotReportedAsSuccess) {
    existingAlpha();
    fs::remove(alpha / "Alpha.rc");
    fs::create_directories(alpha / "Alpha.rc"); // a subfolder survives the overwrite
    prompts.dialogResult = 2;
    prompts.dialogName = "Alpha";
    prompts.answers = {yes};
    run();
    ASSERT_EQ(prompts.asked.size(), 2u);
    const std::string heading = "Sorry, but the Fortran Project could not be created "
                                "completely...\rThese files could not be written:\rAlpha.rc - ";
    EXPECT_EQ(prompts.asked[1].text.rfind(heading, 0), 0u) << prompts.asked[1].text;
    EXPECT_EQ(prompts.asked[1].text.find('\r', heading.size()), std::string::npos);
    EXPECT_EQ(prompts.asked[1].flags, stopBox);
    EXPECT_TRUE(fs::exists(alpha / "ZIM_ButtonDefinedAction.f90"));
}

} // namespace
} // namespace zim
