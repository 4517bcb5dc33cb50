// The window's "Buttons and Static Controls" page through its real controls: add with the prompt,
// move and delete with the image files following, the limit, the tree built again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "editor_test_fixture.h"
#include "editors/window/list_messages.h"
#include "shell/object_code.h"
#include "shell/structure_tree.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

class WindowControlsPageTest : public test::EditorTest {
  protected:
    // The window's item in the tree, with the page of its fifth tab shown.
    void openControlsTab() {
        buildStructureTree(tree_, 300100);
        SendMessageA(control(43), TCM_SETCURFOCUS, 4, 0);
        for (const char* name :
             {"BUTTON_BITMAP.bmp", "BUTTON_ICON.ico", "STATIC_BITMAP.bmp", "STATIC_ICON.ico"})
            write(programDirectory / "Templates" / name, "template");
    }
    static HWND on(int id) { return GetDlgItem(page(), id); }
    static void pressOn(int id) { test::click(on(id)); }
    static LRESULT selectedItem(int list) { return SendMessageA(on(list), LB_GETCURSEL, 0, 0); }
    static void chooseItem(int list, int item) {
        SendMessageA(on(list), LB_SETCURSEL, item, 0);
        SendMessageA(page(), WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(on(list)));
    }
    // The description prompt answered with `text`, then the command `add` pressed.
    static void addDescribed(int add, const char* text) {
        test::onNextDialog([text](HWND prompt) {
            SetWindowTextA(GetDlgItem(prompt, 41), text);
            test::click(GetDlgItem(prompt, 25));
        });
        pressOn(add);
    }
    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string contents(const char* name) {
        std::ifstream file(projectDirectory / name, std::ios::binary);
        return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "(none)";
    }
};

TEST_F(WindowControlsPageTest, ButtonsAreAddedMovedAndDeletedWithTheirImageFiles) {
    test::ScriptedQuestions questions;
    showEditView();
    openControlsTab();
    addDescribed(73, "Second");
    EXPECT_EQ(questions.last().text, listText::buttonAdded) << questions.last().caption;
    addDescribed(73, "Third");
    ASSERT_EQ(window(1).buttonCount, 3);
    EXPECT_EQ(projectUnsaved, 1);
    EXPECT_EQ(test::selectedCode(tree_), 300100);
    EXPECT_NE(test::itemWithCode(tree_, buttonCode(1, 3)), nullptr);
    EXPECT_EQ(selectedItem(78), 2) << "the new button is selected on the page shown again";
    EXPECT_EQ(test::windowText(on(82)), "Third");
    write(projectDirectory / "Button_001_002.bmp", "second");
    write(projectDirectory / "Button_001_003.bmp", "third");

    pressOn(70);
    EXPECT_EQ(shown(button(1, 2).description), "Third");
    EXPECT_EQ(button(1, 2).controlId, 2);
    EXPECT_EQ(shown(button(1, 3).imageName), "Button_001_003");
    EXPECT_EQ(contents("Button_001_002.bmp") + contents("Button_001_003.bmp"), "thirdsecond");
    EXPECT_EQ(selectedItem(78), 1);

    pressOn(72); // deletes "Third", now button 2; "Second" and its file take place 2
    ASSERT_EQ(window(1).buttonCount, 2);
    EXPECT_EQ(shown(button(1, 2).description), "Second");
    EXPECT_EQ(contents("Button_001_002.bmp"), "second");
    EXPECT_FALSE(fs::exists(projectDirectory / "Button_001_003.bmp"));
    EXPECT_EQ(test::itemWithCode(tree_, buttonCode(1, 3)), nullptr);

    window(1).buttonCount = 100;
    pressOn(73);
    EXPECT_EQ(questions.last().text, listText::buttonLimit);
    EXPECT_EQ(window(1).buttonCount, 100);
}

TEST_F(WindowControlsPageTest, StaticsAreAddedMovedAndDeletedWithTheirImageFiles) {
    test::ScriptedQuestions questions;
    showEditView();
    openControlsTab();
    addDescribed(77, "Second");
    addDescribed(77, "Third");
    ASSERT_EQ(window(1).staticCount, 3);
    EXPECT_EQ(test::windowText(on(81)), " Number of static controls for this window = 3 ");
    EXPECT_EQ(selectedItem(79), 2);
    write(projectDirectory / "Static_001_001.ico", "first");

    chooseItem(79, 0);
    pressOn(75);
    EXPECT_EQ(shown(staticControl(1, 1).description), "Second");
    EXPECT_EQ(contents("Static_001_002.ico"), "first");

    chooseItem(79, 0);
    pressOn(76);
    ASSERT_EQ(window(1).staticCount, 2);
    EXPECT_EQ(contents("Static_001_001.ico"), "first");
    EXPECT_EQ(contents("Static_001_002.bmp"), "template") << "the third static's bitmap";
}

} // namespace
} // namespace zim
