#include "archive/name_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "archive/name_dialog_rules.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project_file.h"
#include "model/text_field.h"
#include "shell/shell_state.h"
#include "ui_harness.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

// An archive with three projects and one generated project in a fresh program directory.
class NameDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fontControl)
            createSharedResources();
        hInstance = GetModuleHandleA(nullptr);
        previousDirectory_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("zim-names-" + std::to_string(GetTickCount()));
        programDirectory = root_;
        for (const char* name : {"Default project", "Alpha", "Beta"}) {
            fs::create_directories(root_ / "Projects" / name);
            buildDefaultProject();
            setText(project().program.applicationName, name);
            setText(project().program.description, std::string("About ") + name);
            saveProjectFile(root_ / "Projects" / name);
        }
        fs::create_directories(root_ / "FORTRAN PROGRAMS" / "Alpha");
        projectToLoad = "Alpha";
        projectDirectory = root_ / "Projects" / "Alpha";
        fs::current_path(projectDirectory);
    }
    void TearDown() override {
        fs::current_path(previousDirectory_);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    static int position(NameDialogKind kind, const std::string& name) {
        return findName(nameDialogListing(kind), name);
    }

    fs::path root_;
    fs::path previousDirectory_;
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

TEST_F(NameDialogs, NewProjectDialogRefusesAnEmptyNameAndReportsListedNames) {
    test::ScriptedQuestions script;
    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(control(dialog, 25)), "Create");
        EXPECT_EQ(test::windowText(control(dialog, 34)), "");
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCOUNT, 0, 0), 3);
        EXPECT_TRUE(GetWindowLongA(control(dialog, 33), GWL_STYLE) & LBS_NOSEL);
        EXPECT_NE(test::findChildByText(dialog, " Current Projects List : "), nullptr);
        EXPECT_NE(test::findChildByText(dialog, " Enter New Project Name : "), nullptr);
        RECT r;
        GetWindowRect(dialog, &r);
        EXPECT_EQ(r.right - r.left, 500);
        EXPECT_EQ(r.bottom - r.top, 400);
        typeName(dialog, "   ");
        test::click(control(dialog, 25)); // refused: the dialog stays
        typeName(dialog, "beta  ");
        test::click(control(dialog, 25));
    });
    std::string chosen;
    EXPECT_EQ(nameDialog(NameDialogKind::newProject, chosen),
              position(NameDialogKind::newProject, "Beta") + 2);
    EXPECT_EQ(chosen, "beta");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "Sorry, but you forgot to enter the project name...");
    EXPECT_EQ(script.last().caption, "Create New Project...");
    EXPECT_EQ(script.last().flags, static_cast<UINT>(MB_ICONHAND | MB_TASKMODAL));

    test::onNextDialog([](HWND dialog) {
        typeName(dialog, std::string(120, 'n'));
        test::click(control(dialog, 25));
    });
    EXPECT_EQ(nameDialog(NameDialogKind::newProject, chosen), 1);
    EXPECT_EQ(chosen, std::string(98, 'n'));

    test::onNextDialog([](HWND dialog) { test::click(control(dialog, 26)); });
    chosen = "unchanged";
    EXPECT_EQ(nameDialog(NameDialogKind::newProject, chosen), 0);
    EXPECT_EQ(chosen, "unchanged");
    EXPECT_EQ(fs::current_path(), projectDirectory);
}

TEST_F(NameDialogs, LoadDialogPreselectsTheOpenProjectAndPreviewsDescriptions) {
    test::ScriptedQuestions script;
    // A foreign file in the archive shows no description and does no harm.
    fs::create_directories(root_ / "Projects" / "Junk");
    std::ofstream(root_ / "Projects" / "Junk" / "Junk.zim") << "not a project";
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
    EXPECT_TRUE(script.asked().empty());

    // Nothing selected: the refusal of the other dialogs, with the load caption.
    projectToLoad = "Gone";
    test::onNextDialog([](HWND dialog) {
        test::click(control(dialog, 25));
        test::click(control(dialog, 26));
    });
    EXPECT_EQ(nameDialog(NameDialogKind::load, chosen), 0);
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().text, "Sorry,but you forgot to enter the project name...");
    EXPECT_EQ(script.last().caption, "Load Project...");
}

TEST_F(NameDialogs, SaveAndGeneratorDialogsStartFromTheOpenProjectsName) {
    test::ScriptedQuestions script;
    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(control(dialog, 25)), "Save");
        EXPECT_EQ(test::windowText(control(dialog, 34)), "Alpha");
        RECT r;
        GetWindowRect(dialog, &r);
        EXPECT_EQ(r.right - r.left, 300);
        typeName(dialog, "");
        test::click(control(dialog, 25));
        typeName(dialog, "Delta");
        test::click(control(dialog, 25));
    });
    std::string chosen;
    EXPECT_EQ(nameDialog(NameDialogKind::save, chosen), 1);
    EXPECT_EQ(chosen, "Delta");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.last().caption, "Save Project...");

    test::onNextDialog([](HWND dialog) {
        EXPECT_EQ(test::windowText(dialog), "Create FORTRAN Project Directory...");
        EXPECT_EQ(test::windowText(control(dialog, 25)), "Create Project");
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(SendMessageA(control(dialog, 33), LB_GETCURSEL, 0, 0), 0);
        typeName(dialog, "");
        test::click(control(dialog, 25));
        test::click(control(dialog, 26));
    });
    EXPECT_EQ(nameDialog(NameDialogKind::generator, chosen), 0);
    EXPECT_EQ(script.last().caption, "Create Fortran Project...");
    EXPECT_EQ(script.last().text, "Sorry,but you forgot to enter the project name...");

    test::onNextDialog([](HWND dialog) { test::click(control(dialog, 25)); });
    EXPECT_EQ(nameDialog(NameDialogKind::generator, chosen), 2);
    EXPECT_EQ(chosen, "Alpha");
}

// Pictures of the four dialogs for review, when ZIM_SCREENSHOT_DIR names a folder.
TEST_F(NameDialogs, Screenshots) {
    const std::string folder = test::screenshotFolder();
    if (folder.empty())
        return;
    const struct {
        NameDialogKind kind;
        const char* name;
    } dialogs[] = {{NameDialogKind::newProject, "name_new_project"},
                   {NameDialogKind::load, "name_load"},
                   {NameDialogKind::save, "name_save"},
                   {NameDialogKind::generator, "name_generator"}};
    for (const auto& d : dialogs) {
        test::onNextDialog([path = folder + "/" + d.name + ".bmp"](HWND dialog) {
            RECT area;
            GetWindowRect(dialog, &area);
            test::captureScreen(dialog, area, path);
            test::click(control(dialog, 26));
        });
        std::string chosen;
        EXPECT_EQ(nameDialog(d.kind, chosen), 0);
    }
}

} // namespace
} // namespace zim
