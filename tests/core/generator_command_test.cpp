#include "generator/generate_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <memory>
#include <set>
#include <tuple>

#include "generator_test_project.h"
#include "model/program_state.h"
#include "temp_dir.h"

namespace zim {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::readBytes;
using test::writeBytes;
using Asked = std::tuple<std::string, std::string, unsigned>; // text, caption, flags
using Names = std::set<std::string>;

constexpr unsigned stopBox = 0x10 | 0x2000;           // MB_ICONHAND | MB_TASKMODAL
constexpr unsigned informationBox = 0x40 | 0x2000;    // MB_ICONINFORMATION | MB_TASKMODAL
constexpr unsigned questionBox = 0x4 | 0x20 | 0x2000; // MB_YESNO | MB_ICONQUESTION | ...
constexpr int yes = box::answerYes;
constexpr int no = box::answerNo;

const std::string caption = "Create Fortran Project...";
const Asked cancelled{"Operation was cancelled...", caption, stopBox};
const Asked created{"Fortran Project was created...", caption, informationBox};
const Asked overwrite{"The FORTRAN project, you selected, already exists...\r"
                      "Would you like to overwrite this project by new one?",
                      caption, questionBox};
const std::string notCreated = "Sorry, but the Fortran Project could not be created...\r"
                               "This folder can't be used:\r";

// Answers from a script and records every question.
class ScriptedPrompts : public UserPrompts {
  public:
    int ask(const std::string& text, const std::string& caption, unsigned flags) override {
        asked.emplace_back(text, caption, flags);
        const int answer = answers.empty() ? 1 : answers.front(); // IDOK
        if (!answers.empty())
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

    int dialogResult = 1;
    std::string dialogName;
    std::deque<int> answers;
    std::vector<NameDialogKind> dialogs;
    std::vector<Asked> asked;
};

Names entriesOf(const fs::path& directory) {
    Names names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

class GenerateCommand : public ::testing::Test {
  protected:
    void SetUp() override {
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
        test::startProject("Demo");
        fs::current_path(temp.path());
    }
    void TearDown() override {
        fs::current_path(startCwd);
        programDirectory.clear();
        projectDirectory.clear();
        projectToLoad.clear();
    }

    // Runs the command with the dialog's result and name and the answers to its questions;
    // every run ends back in the project's directory.
    const std::vector<Asked>& run(int dialogResult, const std::string& name,
                                  std::deque<int> answers = {}) {
        prompts = ScriptedPrompts();
        prompts.dialogResult = dialogResult;
        prompts.dialogName = name;
        prompts.answers = std::move(answers);
        generateCommand(prompts);
        EXPECT_TRUE(fs::equivalent(fs::current_path(), projectDirectory));
        return prompts.asked;
    }
    // An earlier compiler project with a file of the user's and a subfolder.
    void existingAlpha() {
        fs::create_directories(alpha / "keep");
        writeBytes(alpha / "notes.txt", bytesOf("my notes"));
        writeBytes(alpha / "Alpha.rc", bytesOf("old script"));
        writeBytes(alpha / "keep" / "inner.txt", bytesOf("kept"));
    }

    test::TempDir temp;
    fs::path startCwd = fs::current_path();
    const fs::path programs = temp / "FORTRAN PROGRAMS";
    const fs::path alpha = programs / "Alpha";
    ScriptedPrompts prompts;
};

TEST_F(GenerateCommand, ANewNameGetsItsFolderAndEveryFile) {
    const auto before = std::make_unique<Project>(project());
    const Names archiveBefore = entriesOf(projectDirectory);

    EXPECT_EQ(run(1, "Alpha  "), std::vector<Asked>{created});
    EXPECT_EQ(prompts.dialogs, std::vector<NameDialogKind>{NameDialogKind::generator});
    EXPECT_EQ(entriesOf(programs), Names{"Alpha"});
    EXPECT_EQ(entriesOf(alpha),
              (Names{"ZIM_GUI.zim", "MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                     "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "Alpha.rc", "ZIM_W.ico",
                     "Wallpaper.bmp", "ZIM_ButtonDefinedAction.f90"}));
    EXPECT_EQ(readBytes(alpha / "ZIM.lib"), bytesOf("ZIM.lib"));
    EXPECT_EQ(std::memcmp(before.get(), &project(), sizeof(Project)), 0);
    EXPECT_EQ(entriesOf(projectDirectory), archiveBefore);
}

// A cancel, or No to the question, leaves everything as it was. The dialog's result says
// whether the name was listed; "Alpha " was not, but names the same folder.
TEST_F(GenerateCommand, ACancelOrNoTouchesNothing) {
    EXPECT_EQ(run(0, "Alpha"), std::vector<Asked>{cancelled});
    EXPECT_TRUE(entriesOf(programs).empty());
    existingAlpha();
    for (const auto& [result, name] : {std::pair{3, "Alpha"}, std::pair{1, "Alpha "}}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(run(result, name, {no}), (std::vector<Asked>{overwrite, cancelled}));
        EXPECT_EQ(entriesOf(alpha), (Names{"Alpha.rc", "keep", "notes.txt"}));
        EXPECT_EQ(readBytes(alpha / "Alpha.rc"), bytesOf("old script"));
    }
}

TEST_F(GenerateCommand, OverwritingDeletesTheFilesAndKeepsSubfolders) {
    existingAlpha();
    EXPECT_EQ(run(2, "Alpha", {yes}), (std::vector<Asked>{overwrite, created}));
    EXPECT_FALSE(fs::exists(alpha / "notes.txt"));
    EXPECT_EQ(readBytes(alpha / "keep" / "inner.txt"), bytesOf("kept"));
    const std::vector<char> script = readBytes(alpha / "Alpha.rc");
    EXPECT_EQ(std::string(script.begin(), script.begin() + 12), " //Microsoft");
    EXPECT_TRUE(fs::exists(alpha / "ZIM_GUI.zim"));
}

// The files that could not be made follow the completion message; one message lists twenty
// files at most, whatever their lists.
TEST_F(GenerateCommand, FilesThatCouldNotBeMadeAreListedAfterTheCompletionMessage) {
    fs::remove(temp / "LIBRARIES" / "ZIM.lib");
    fs::remove(temp / "LIBRARIES" / "MSImg32.Lib");
    fs::create_directories(alpha / "Alpha.rc"); // a subfolder survives the overwrite
    window(1).buttonCount = 0;
    for (int b = 1; b <= 30; ++b)
        test::addImageButton(1, 1, 2, 0, "Missing_" + std::to_string(100 + b));
    std::string copied = "\rThese files could not be copied:"
                         "\rMSImg32.Lib - not found in the LIBRARIES folder"
                         "\rZIM.lib - not found in the LIBRARIES folder";
    for (int b = 1; b <= 17; ++b)
        copied +=
            "\rMissing_" + std::to_string(100 + b) + ".bmp - not found in the project's folder";
    ASSERT_EQ(run(2, "Alpha", {yes}).size(), 2u);
    const auto& [text, shownCaption, flags] = prompts.asked[1];
    EXPECT_EQ(text.rfind("Sorry, but the Fortran Project could not be created completely...\r"
                         "These files could not be written:\rAlpha.rc - ",
                         0),
              0u)
        << text;
    const std::size_t tail = text.find("\rThese files could not be copied:");
    ASSERT_NE(tail, std::string::npos) << text;
    EXPECT_EQ(text.substr(tail), copied + "\r... and 13 more");
    EXPECT_EQ(shownCaption, caption);
    EXPECT_EQ(flags, stopBox);
    EXPECT_FALSE(fs::exists(alpha / "ZIM.lib"));
    EXPECT_TRUE(fs::exists(alpha / "ZIM_ButtonDefinedAction.f90"));
}

TEST_F(GenerateCommand, UnsafeNamesAreRefusedBeforeAnythingIsTouched) {
    writeBytes(programs / "user file.txt", bytesOf("mine"));
    const std::pair<std::string, std::string> refused[] = {
        {"lpt1.txt", "<<lpt1.txt>> can't be used: it is the name of a device..."},
        {"   ", "<<>> can't be used: it is empty..."},
        {"..", "<<..>> can't be used: it names a folder itself..."},
        {"a\\b", "<<a\\b>> can't be used: it contains the character '\\'..."},
    };
    for (const auto& [name, message] : refused)
        EXPECT_EQ(run(2, name, {yes, yes}),
                  (std::vector<Asked>{{"Sorry, but the name " + message, caption, stopBox}}));
    EXPECT_EQ(entriesOf(programs), Names{"user file.txt"});
    EXPECT_EQ(entriesOf(temp.path()), (Names{"FORTRAN PROGRAMS", "LIBRARIES", "Projects"}));
}

TEST_F(GenerateCommand, AFolderThatCannotBeMadeOrUsedIsReportedAndNothingIsGenerated) {
    writeBytes(alpha, bytesOf("a file, not a folder"));
    EXPECT_EQ(run(2, "Alpha", {yes}),
              (std::vector<Asked>{overwrite,
                                  {notCreated + alpha.string() + " - it is a file, not a folder",
                                   caption, stopBox}}));
    EXPECT_EQ(readBytes(alpha), bytesOf("a file, not a folder"));

    // Without FORTRAN PROGRAMS the command does not make it: it makes nothing outside the
    // compiler project's own folder.
    fs::remove_all(programs);
    ASSERT_EQ(run(1, "Alpha").size(), 1u);
    const auto& [text, shownCaption, flags] = prompts.asked[0];
    EXPECT_EQ(text.rfind(notCreated + alpha.string() + " - ", 0), 0u) << text;
    EXPECT_GT(text.size(), (notCreated + alpha.string() + " - ").size());
    EXPECT_EQ(flags, stopBox);
    EXPECT_FALSE(fs::exists(programs));
}

} // namespace
} // namespace zim
