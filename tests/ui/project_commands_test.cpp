// The File view's project commands, driven as a user drives them: a click on the command
// button, the name dialog answered, the message boxes scripted.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

#include "shell/project_view.h"
#include "shell_test_fixture.h"

namespace zim::test {
namespace {

namespace fs = std::filesystem;

class ProjectCommands : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        fs::create_directories(root_ / "FORTRAN PROGRAMS");
        fs::create_directories(root_ / "LIBRARIES");
        for (const char* name : {"MSImg32.Lib", "ZIM.lib", "resource.h", "resource.fd",
                                 "ZIM_User_On_Init.f90", "ZIM_User_On_Exit.f90", "ZIM_W.ico"})
            std::ofstream(root_ / "LIBRARIES" / name) << name;
        std::ofstream(defaultDirectory() / "Wallpaper.bmp") << "wallpaper";
        start();
        chooseView(1);
    }

    // Presses a command button of the File view; `answer` acts on the name dialog.
    static void press(int id, std::function<void(HWND)> answer) {
        if (answer)
            onNextDialog(std::move(answer));
        click(GetDlgItem(viewDialog, id));
        EXPECT_TRUE(dialogActionsDone());
    }

    static std::function<void(HWND)> typeAndAccept(const std::string& name) {
        return [name](HWND dialog) {
            SetDlgItemTextA(dialog, 34, name.c_str());
            click(GetDlgItem(dialog, 25));
        };
    }

    static std::string shownName() { return windowText(GetDlgItem(viewDialog, 102)); }
};

std::string todayCreated() {
    static const char* months[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[64];
    snprintf(text, sizeof text, "%02d %s %d", now.wDay, months[now.wMonth - 1], now.wYear);
    return text;
}

TEST_F(ProjectCommands, CreateNewProjectCopiesTheDefaultProjectUnderTheNewName) {
    ScriptedQuestions script;
    press(1, typeAndAccept("Mine"));
    const fs::path mine = root_ / "Projects" / "Mine";
    EXPECT_TRUE(fs::exists(mine / "Mine.zim"));
    EXPECT_TRUE(fs::exists(mine / "Wallpaper.bmp"));
    EXPECT_FALSE(fs::exists(mine / "Default project.zim"));
    EXPECT_EQ(fs::current_path(), mine);
    EXPECT_EQ(projectToLoad, "Mine");
    EXPECT_EQ(projectUnsaved, 1);
    EXPECT_EQ(shownName(), "Mine");
    EXPECT_EQ(windowText(GetDlgItem(viewDialog, 105)), todayCreated());
    EXPECT_EQ(windowText(GetDlgItem(viewDialog, 103)), "No description yet...");
    EXPECT_TRUE(script.asked().empty());

    // The same name again is refused after the dialog.
    press(1, typeAndAccept("MINE"));
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text,
              "The project you selected already exists. Operation was cancelled...");
    EXPECT_EQ(script.last().caption, "Create New Project...");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));

    press(1, [](HWND dialog) { click(GetDlgItem(dialog, 26)); });
    EXPECT_EQ(script.last().text, "Operation was cancelled...");
    EXPECT_EQ(fs::current_path(), mine);
}

TEST_F(ProjectCommands, SaveAsAsksBeforeOverwritingAndRefusesTheDefaultProject) {
    ScriptedQuestions script;
    press(3, typeAndAccept("Other"));
    EXPECT_TRUE(fs::exists(root_ / "Projects" / "Other" / "Other.zim"));
    EXPECT_EQ(projectUnsaved, 0);
    EXPECT_EQ(shownName(), "Other");
    EXPECT_TRUE(script.asked().empty());

    press(3, typeAndAccept("Default project"));
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "Sorry, but you can't overwrite the default project...");
    EXPECT_EQ(script.last().caption, "Save Current Project...");

    // Back in the default project, saving as "Other" asks first; No keeps "Other" as it was.
    fs::create_directories(root_ / "Projects" / "Third");
    std::ofstream(root_ / "Projects" / "Third" / "keep.bmp") << "keep";
    script.clear();
    press(3, typeAndAccept("Third"));
    ASSERT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.asked()[0].text, "The project <<Third>>\ralready exists. Would you like to "
                                      "overwrite existing project?");
    EXPECT_EQ(script.asked()[0].caption, "Save As...");
    EXPECT_EQ(script.asked()[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONHAND | MB_TASKMODAL));
    EXPECT_EQ(script.asked()[1].text, "Operation was cancelled...");
    EXPECT_EQ(script.asked()[1].caption, "Save Current Project...");
    EXPECT_TRUE(fs::exists(root_ / "Projects" / "Third" / "keep.bmp"));
    EXPECT_FALSE(fs::exists(root_ / "Projects" / "Third" / "Third.zim"));

    script.clear();
    script.planAnswer(IDYES);
    press(3, typeAndAccept("Third"));
    EXPECT_FALSE(fs::exists(root_ / "Projects" / "Third" / "keep.bmp"));
    EXPECT_TRUE(fs::exists(root_ / "Projects" / "Third" / "Third.zim"));
    EXPECT_FALSE(fs::exists(root_ / "Projects" / "Third" / "Other.zim"));
    EXPECT_EQ(shownName(), "Third");
}

TEST_F(ProjectCommands, LoadShowsWhyADamagedProjectIsRefusedAndKeepsTheOpenOne) {
    ScriptedQuestions script;
    press(3, typeAndAccept("Good"));
    fs::create_directories(root_ / "Projects" / "Broken");
    std::ofstream(root_ / "Projects" / "Broken" / "Broken.zim") << "short";
    const fs::path good = root_ / "Projects" / "Good";

    press(2, [](HWND dialog) {
        const LRESULT k =
            SendDlgItemMessageA(dialog, 33, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>("Broken"));
        SendDlgItemMessageA(dialog, 33, LB_SETCURSEL, static_cast<WPARAM>(k), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(33, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, 33)));
        click(GetDlgItem(dialog, 25));
    });
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().caption, "Load Project...");
    EXPECT_NE(script.last().text.find("Broken.zim"), std::string::npos) << script.last().text;
    EXPECT_EQ(projectToLoad, "Good");
    EXPECT_EQ(fs::current_path(), good);
    EXPECT_EQ(shownName(), "Good");

    press(2, [](HWND dialog) { click(GetDlgItem(dialog, 26)); });
    EXPECT_EQ(script.last().text, "Operation was canceled...");
    EXPECT_EQ(script.last().caption, "Load Project...");
}

TEST_F(ProjectCommands, GenerateWritesTheCompilerProjectAndAsksBeforeOverwriting) {
    ScriptedQuestions script;
    press(4, typeAndAccept("Gen"));
    const fs::path out = root_ / "FORTRAN PROGRAMS" / "Gen";
    for (const char* file : {"ZIM_GUI.zim", "ZIM.lib", "Gen.rc", "ZIM_W.ico", "Wallpaper.bmp",
                             "ZIM_ButtonDefinedAction.f90"})
        EXPECT_TRUE(fs::exists(out / file)) << file;
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "Fortran Project was created...");
    EXPECT_EQ(script.last().caption, "Create Fortran Project...");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONINFORMATION | MB_TASKMODAL));
    EXPECT_EQ(fs::current_path(), projectDirectory);

    std::ofstream(out / "mine.txt") << "user file";
    script.clear();
    press(4, typeAndAccept("gen"));
    ASSERT_EQ(script.asked().size(), 2u);
    EXPECT_EQ(script.asked()[0].text, "The FORTRAN project, you selected, already exists...\r"
                                      "Would you like to overwrite this project by new one?");
    EXPECT_EQ(script.asked()[0].flags,
              static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL));
    EXPECT_EQ(script.asked()[1].text, "Operation was cancelled...");
    EXPECT_TRUE(fs::exists(out / "mine.txt"));
}

} // namespace
} // namespace zim::test
