// The window commands of the program page through the real page, and the generator's output
// for the design they made.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor_test_fixture.h"
#include "generator/button_action_source.h"
#include "generator/resource_script.h"
#include "shell/object_code.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

enum : int { windowList = 206, addWindow, duplicateWindow, deleteWindow, moveUp, moveDown };

class ProgramWindowsTest : public test::EditorTest {
  protected:
    std::string content(const std::string& name) const {
        std::ifstream in(root_.defaultDirectory() / name, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(none)";
    }
    // The program page in edit state with window `w` chosen in the list.
    void editWithWindow(int w) {
        select(programCode);
        press(15);
        SendMessageA(control(windowList), LB_SETCURSEL, w - 1, 0);
        SendMessageA(parametersWindow, WM_COMMAND, MAKEWPARAM(windowList, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(control(windowList)));
    }
    // Presses a command, then lets the rebuild it asked for run.
    void command(int id) {
        press(id);
        test::pumpMessages();
    }

    test::ScriptedQuestions questions;
};

TEST_F(ProgramWindowsTest, CommandsChangeTheWindowsWithTheirFilesAndOpenTheChosenOne) {
    fs::create_directories(root_ / "Templates");
    for (const char* name :
         {"BUTTON_BITMAP.bmp", "BUTTON_ICON.ico", "STATIC_BITMAP.bmp", "STATIC_ICON.ico"})
        std::ofstream(root_ / "Templates" / name) << "template";
    // Window 1 takes its icon and its button's bitmap from files.
    std::ofstream(root_.defaultDirectory() / "Wnd_001.ico") << "icon 1";
    std::ofstream(root_.defaultDirectory() / "Button_001_001.bmp") << "button 1";
    showEditView();
    project().program.wallpaperPresent = 0;
    window(1).iconSource = 0;
    button(1, 1).kind = 1;
    EXPECT_FALSE(enabled(windowList) || enabled(addWindow) || enabled(moveDown));

    // The refusals of a design of one window; the page stays in edit state.
    editWithWindow(1);
    EXPECT_TRUE(enabled(windowList) && enabled(addWindow) && enabled(moveDown));
    command(deleteWindow);
    EXPECT_EQ(questions.last().text + questions.last().caption,
              "There is only one window...Delete Window...");
    command(moveUp);
    EXPECT_EQ(questions.last().text, "There is no windows for moving...");

    // Unsaved corrections: No keeps them and the windows; Yes drops them and adds "Tools".
    questions.clear();
    SetWindowTextA(control(10), "typed but not saved");
    questions.planAnswer(IDNO);
    command(addWindow);
    EXPECT_EQ(project().program.windowCount, 1);
    questions.planAnswer(IDYES);
    test::onNextDialog([](HWND prompt) {
        EXPECT_EQ(test::windowText(prompt), "Add New Window Now...");
        SetWindowTextA(FindWindowExA(prompt, nullptr, "Edit", nullptr), "Tools");
        test::click(GetDlgItem(prompt, 25));
    });
    command(addWindow);
    EXPECT_EQ(questions.asked().size(), 3u);
    EXPECT_EQ(questions.last().caption, "Add New Window...");
    EXPECT_EQ(project().program.windowCount, 2);
    EXPECT_NE(shown(project().program.description), "typed but not saved");
    EXPECT_EQ(content("Button_002_001.bmp"), "template");
    EXPECT_EQ(test::selectedCode(tree_), 300200);
    EXPECT_EQ(projectUnsaved, 1);

    // Window 1 copied to the end, then moved up one place; a move says nothing.
    editWithWindow(1);
    char item[64] = {};
    SendMessageA(control(windowList), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Window_002 - Tools");
    command(duplicateWindow);
    EXPECT_EQ(test::selectedCode(tree_), 300300);
    editWithWindow(3);
    command(moveUp);
    EXPECT_EQ(questions.asked().size(), 4u);
    EXPECT_EQ(shown(window(3).title), "Tools");
    EXPECT_EQ(test::selectedCode(tree_), 300200);
    EXPECT_EQ(content("Wnd_002.ico") + content("Button_002_001.bmp"), "icon 1button 1");
    EXPECT_EQ(content("Button_003_001.bmp"), "template");

    // The generator declares windows 1 to 3 by their own files and gives each its cases.
    StringSink script, skeleton;
    std::vector<std::string> copied;
    writeResourceScript(script, project(), [&](const std::string& file, ImageSource) {
        copied.push_back(file + ":" + content(file));
    });
    writeButtonActionSource(skeleton, project());
    EXPECT_EQ(copied,
              (std::vector<std::string>{"Wnd_001.ico:icon 1", "Button_001_001.bmp:button 1",
                                        "Wnd_002.ico:icon 1", "Button_002_001.bmp:button 1"}));
    EXPECT_NE(script.text().find(resourceLine("Button_002_001", "BITMAP", "Button_002_001.bmp")),
              std::string::npos);
    for (const char* w : {"1", "2", "3"}) {
        EXPECT_NE(skeleton.text().find(std::string(" \t\tcase(") + w +
                                       ")\r\n \t\t\tselect case(ButtonNumber)\r\n \t\t\t\tcase(1)"),
                  std::string::npos);
    }
    EXPECT_EQ(skeleton.text().find("case(4)\r\n \t\t\tselect"), std::string::npos);

    // Deleting window 2, after a question, takes its files; window 3 and its files move up
    // and lose their owner, which is told once.
    window(3).hasOwner = 1;
    window(3).ownerWindow = 2;
    questions.clear();
    editWithWindow(2);
    questions.planAnswer(IDYES);
    command(deleteWindow);
    ASSERT_EQ(questions.asked().size(), 2u);
    EXPECT_EQ(questions.last().text, "Window 2 lost its owner window and has no owner now...");
    EXPECT_EQ(shown(window(2).title), "Tools");
    EXPECT_EQ(window(2).hasOwner, 0);
    EXPECT_EQ(content("Button_002_001.bmp") + content("Wnd_002.ico"), "template(none)");
    EXPECT_EQ(test::selectedCode(tree_), 300200);
    EXPECT_EQ(test::itemWithCode(tree_, 300300), nullptr);
}

} // namespace
} // namespace zim
