// The four name dialogs run for real on an archive with three projects and one compiler
// project; the rules behind them (listing, preselection, result codes, refusals) are checked
// natively.
#include "archive/name_dialog.h"

#include <gtest/gtest.h>

#include <fstream>

#include "archive/name_dialog_rules.h"
#include "model/program_state.h"
#include "program_directory.h"
#include "shell/shell_state.h"
#include "ui_harness.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

class NameDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fontControl)
            createSharedResources();
        hInstance = GetModuleHandleA(nullptr);
        for (const char* name : {"Alpha", "Beta"})
            directory_.storeProject(name, std::string("About ") + name);
        fs::create_directories(directory_ / "FORTRAN PROGRAMS" / "Alpha");
        projectToLoad = "Alpha";
        projectDirectory = directory_ / "Projects" / "Alpha";
        fs::current_path(projectDirectory);
    }

    static int position(NameDialogKind kind, const std::string& name) {
        return findName(nameDialogListing(kind), name);
    }

    test::ProgramDirectory directory_;
    test::ScriptedQuestions script_;
};

HWND control(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

void typeName(HWND dialog, const std::string& text) {
    SetWindowTextA(control(dialog, 34), text.c_str());
}

void selectEntry(HWND dialog, int k) {
    SendMessageA(control(dialog, 33), LB_SETCURSEL, static_cast<WPARAM>(k), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(33, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control(dialog, 33)));
}

// The new-project dialog lists the archive without selection and refuses an empty name, which
// keeps it open; Cancel gives 0 and leaves the name alone.
TEST_F(NameDialogs, NewProjectDialogRefusesAnEmptyNameAndCancels) {
    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCOUNT, 0, 0), 3);
        EXPECT_TRUE(GetWindowLongA(control(dialog, 33), GWL_STYLE) & LBS_NOSEL);
        typeName(dialog, "   ");
        test::click(control(dialog, 25));
        EXPECT_TRUE(IsWindowVisible(dialog));
        test::click(control(dialog, 26));
    });
    std::string chosen = "unchanged";
    EXPECT_EQ(nameDialog(NameDialogKind::newProject, chosen), 0);
    EXPECT_EQ(chosen, "unchanged");
    ASSERT_EQ(script_.asked().size(), 1u);
    EXPECT_EQ(script_.last().caption, "Create New Project...");
    EXPECT_EQ(fs::current_path(), projectDirectory);
}

// The load dialog preselects the open project and shows the description of each entry it
// selects; a file that is no project shows none.
TEST_F(NameDialogs, LoadDialogPreselectsTheOpenProjectAndPreviewsDescriptions) {
    fs::create_directories(directory_ / "Projects" / "Junk");
    std::ofstream(directory_ / "Projects" / "Junk" / "Junk.zim") << "not a project";
    const int alpha = position(NameDialogKind::load, "Alpha");
    const int beta = position(NameDialogKind::load, "Beta");
    const int junk = position(NameDialogKind::load, "Junk");
    test::onNextDialog([=](HWND dialog) {
        EXPECT_EQ(test::windowText(control(dialog, 25)), "Load");
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCURSEL, 0, 0), alpha);
        EXPECT_EQ(test::windowText(control(dialog, 34)), "Alpha");
        EXPECT_EQ(test::windowText(control(dialog, 35)), "About Alpha");
        selectEntry(dialog, junk);
        EXPECT_EQ(test::windowText(control(dialog, 34)), "Junk");
        EXPECT_EQ(test::windowText(control(dialog, 35)), "");
        selectEntry(dialog, beta);
        EXPECT_EQ(test::windowText(control(dialog, 35)), "About Beta");
        test::click(control(dialog, 25));
    });
    std::string chosen;
    EXPECT_EQ(nameDialog(NameDialogKind::load, chosen), beta + 2);
    EXPECT_EQ(chosen, "Beta");
    EXPECT_TRUE(script_.asked().empty());
}

// The save dialog starts from the open project's name; the generator's lists the compiler
// projects with the open project's one selected.
TEST_F(NameDialogs, SaveAndGeneratorDialogsStartFromTheOpenProjectsName) {
    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(control(dialog, 25)), "Save");
        EXPECT_EQ(test::windowText(control(dialog, 34)), "Alpha");
        typeName(dialog, "Delta");
        test::click(control(dialog, 25));
    });
    std::string chosen;
    EXPECT_EQ(nameDialog(NameDialogKind::save, chosen), 1);
    EXPECT_EQ(chosen, "Delta");

    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Create FORTRAN Project Directory...");
        EXPECT_EQ(test::windowText(control(dialog, 25)), "Create Project");
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCURSEL, 0, 0), 0);
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(nameDialog(NameDialogKind::generator, chosen), 2);
    EXPECT_EQ(chosen, "Alpha");
    EXPECT_TRUE(script_.asked().empty());
}

} // namespace
} // namespace zim
