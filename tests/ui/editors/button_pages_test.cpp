// The button pages driven through their real controls: edits reach the working copy only until
// Save, tab switches keep them, the preview button carries the working copy's styles, image
// buttons start from the template images and take new ones, the edit window places the button,
// and what the pages save generates as the same records set directly do.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "editor_test_fixture.h"
#include "generator/button_action_source.h"
#include "generator/resource_script.h"
#include "generator/text_sink.h"
#include "live/edit_windows.h"
#include "model/style_lists.h"
#include "shell/switching_window.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

constexpr int previewButton = 191;

class ButtonPagesTest : public test::EditorTest {
  protected:
    static DWORD previewStyle() { return GetWindowLongA(item(previewButton), GWL_STYLE); }
    static bool savedIs(const ButtonControl& record) {
        return std::memcmp(&button(1, 1), &record, sizeof record) == 0;
    }
    static bool style(const char* name) {
        return buttonWorkCopy.buttonStyles[styleEntry(buttonStyleList, name) - 1] != 0;
    }

    // The preview shows the working copy's button and window styles.
    static void expectPreviewOfWorkingCopy() {
        const DWORD expected = WS_CHILD | WS_VISIBLE |
                               styleWord(buttonWorkCopy.buttonStyles, buttonStyleList) |
                               styleWord(buttonWorkCopy.windowStyles, windowStyleList);
        EXPECT_EQ(previewStyle(), expected);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(item(previewButton), GWL_EXSTYLE)),
                  styleWord(buttonWorkCopy.extendedStyles, extendedStyleList));
    }

    static std::string generated(const Project& source) {
        StringSink script;
        writeResourceScript(script, source, [](const std::string&, ImageSource) {});
        StringSink skeleton;
        writeButtonActionSource(skeleton, source);
        return script.text() + skeleton.text();
    }

    fs::path projectFile(const char* name) const { return root_.defaultDirectory() / name; }

    void addTemplates() const {
        fs::create_directories(root_ / "Templates");
        for (const char* name : {"BUTTON_BITMAP.bmp", "BUTTON_ICON.ico"})
            fs::copy_file(fs::path(ZIM_TEMPLATES) / name, root_ / "Templates" / name);
    }

    test::ScriptedQuestions questions_;
};

TEST_F(ButtonPagesTest, ClassicButtonIsEditedInItsWorkingCopyUntilSaved) {
    showEditView();
    select(500101);
    const ButtonControl saved = button(1, 1);
    auto expected = std::make_unique<Project>(project());
    press(15);

    // A push button refuses the check-box styles.
    showTab(1);
    clickItem(108);
    EXPECT_EQ(questions_.last().text,
              "You can't select this style, because your button\r is not radiobutton ( or "
              "checkbox )...");
    EXPECT_FALSE(style("BS_LEFTTEXT"));
    EXPECT_FALSE(IsWindowEnabled(item(137))) << "no initial state but for three-state boxes";
    EXPECT_FALSE(IsWindowEnabled(item(125)));

    showTab(0);
    typeAsUser(96, "Begin");
    typeAsUser(97, "Starts the run");
    typeAsUser(98, "0");
    typeAsUser(100, "");
    clickItem(91);
    clickItem(86);
    EXPECT_EQ(previewStyle() & BS_TYPEMASK, static_cast<DWORD>(BS_AUTO3STATE));
    EXPECT_FALSE(IsWindowEnabled(item(94)));
    clickItem(93);
    EXPECT_TRUE(IsWindowEnabled(item(94)));
    clickItem(94);
    EXPECT_EQ(questions_.last().caption, "New Button Text Color Selection");
    questions_.planFont("Courier New", RGB(200, 0, 0));
    clickItem(94);
    EXPECT_EQ(test::windowText(item(192)), "Courier New");

    showTab(1);
    clickItem(137);
    clickItem(108);
    clickItem(104);
    clickItem(113);
    clickItem(119);
    EXPECT_TRUE(itemChecked(137));
    EXPECT_TRUE(itemChecked(104));
    EXPECT_EQ(SendMessageA(item(previewButton), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    expectPreviewOfWorkingCopy();
    EXPECT_TRUE(savedIs(saved));

    showTab(0);
    EXPECT_EQ(test::windowText(item(96)), "Begin");
    EXPECT_TRUE(itemChecked(86));
    press(17);

    // The same record set directly generates the same resource script and skeleton.
    ButtonControl& direct = expected->windows[0].buttons[0];
    setCaption(direct.text, "Begin");
    setCaption(direct.description, "Starts the run");
    direct.x = 0;
    direct.width = 50;
    direct.descriptionAsTooltip = 0;
    direct.customFont = 1;
    std::strcpy(direct.font.faceName, "Courier New");
    direct.textColour = RGB(200, 0, 0);
    direct.checkState = 2;
    direct.buttonStyles[styleEntry(buttonStyleList, "BS_PUSHBUTTON") - 1] = 0;
    direct.buttonStyles[styleEntry(buttonStyleList, "BS_CENTER") - 1] = 0;
    chooseStyles(direct.buttonStyles, buttonStyleList,
                 {"BS_AUTO3STATE", "BS_LEFTTEXT", "BS_RIGHT"});
    chooseStyles(direct.windowStyles, windowStyleList, {"WS_BORDER"});
    chooseStyles(direct.extendedStyles, extendedStyleList, {"WS_EX_CLIENTEDGE"});
    EXPECT_EQ(std::memcmp(&button(1, 1), &direct, sizeof direct), 0);
    EXPECT_EQ(generated(project()), generated(*expected));

    // Restore gives the saved record back.
    press(15);
    typeAsUser(96, "Stop");
    press(16);
    EXPECT_EQ(test::windowText(item(96)), "Begin");
    EXPECT_EQ(shown(button(1, 1).text), "Begin");
}

TEST_F(ButtonPagesTest, ImageButtonStartsFromTheTemplatesAndTakesNewImages) {
    addTemplates();
    std::ofstream(projectFile("Button_001_001.ico"), std::ios::binary) << "own icon";
    showEditView();
    select(500101);
    press(15);
    press(126);
    press(15);

    // The missing bitmap is copied from its template; the icon that exists stays.
    EXPECT_EQ(fs::file_size(projectFile("Button_001_001.bmp")),
              fs::file_size(root_ / "Templates" / "BUTTON_BITMAP.bmp"));
    EXPECT_EQ(fs::file_size(projectFile("Button_001_001.ico")), 8u);
    EXPECT_TRUE(previewStyle() & BS_BITMAP);

    showTab(3);
    EXPECT_EQ(test::windowText(item(194)), "bitmap");
    EXPECT_EQ(test::windowText(item(195)), "100(width) x 40(height)");
    clickItem(132);
    EXPECT_EQ(buttonWorkCopy.height, 40);
    EXPECT_EQ(test::placeIn(page(), item(previewButton))[3], 40);

    // A new bitmap, confirmed, replaces the button's file.
    questions_.planFile((fs::path(ZIM_TEMPLATES) / "STATIC_BITMAP.bmp").string());
    questions_.planAnswer(IDYES);
    clickItem(27);
    EXPECT_EQ(questions_.last().text, "Button image was replaced...");
    EXPECT_EQ(test::windowText(item(195)), "120(width) x 80(height)");
    clickItem(131);
    EXPECT_EQ(buttonWorkCopy.width, 120);

    // An icon button takes a standard icon from the small icon menu and the icon picker.
    showTab(0);
    clickItem(130);
    showTab(3);
    test::onNextDialog([](HWND dialog) {
        SendDlgItemMessageA(dialog, 33, CB_SETCURSEL, 2, 0);
        test::click(GetDlgItem(dialog, 25));
    });
    PostMessageA(page(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(page(), WM_KEYDOWN, VK_RETURN, 0);
    clickItem(27);
    EXPECT_EQ(buttonWorkCopy.standardImage, 3);
    EXPECT_EQ(test::windowText(item(194)), "icon");
    EXPECT_EQ(test::windowText(item(195)), "32(width) x 32(height)");
    press(17);
    EXPECT_EQ(button(1, 1).kind, 1);
    EXPECT_EQ(button(1, 1).imageKind, 1);

    // Opening the page again copies nothing over the button's own images.
    select(500101);
    EXPECT_EQ(fs::file_size(projectFile("Button_001_001.bmp")),
              fs::file_size(fs::path(ZIM_TEMPLATES) / "STATIC_BITMAP.bmp"));
    EXPECT_EQ(fs::file_size(projectFile("Button_001_001.ico")), 8u);
}

TEST_F(ButtonPagesTest, EditWindowPlacesTheButtonOfTheWorkingCopy) {
    showEditView();
    select(500101);
    press(15);
    const ButtonControl saved = button(1, 1); // at (10, 10), 50 x 35
    clickItem(95);
    HWND edit = editWindow();
    ASSERT_NE(edit, nullptr);
    const auto drag = [edit](int fromX, int fromY, int toX, int toY) {
        PostMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(fromX, fromY));
        PostMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(fromX, fromY));
        PostMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(toX, toY));
        PostMessageA(edit, WM_LBUTTONUP, 0, MAKELPARAM(toX, toY));
        test::pumpMessages();
    };
    drag(30, 25, 40, 50);  // moved to (40, 50)
    drag(88, 70, 120, 70); // right edge to 120
    drag(70, 83, 70, 100); // bottom edge to 100
    test::click(GetDlgItem(switchingWindow, backButtonId));
    test::pumpUntil([] { return test::windowText(item(98)) == "40"; });
    EXPECT_EQ(editWindow(), nullptr);
    EXPECT_EQ(test::windowText(item(98)), "40");
    EXPECT_EQ(test::windowText(item(99)), "50");
    EXPECT_EQ(test::windowText(item(100)), "80");
    EXPECT_EQ(test::windowText(item(101)), "50");
    EXPECT_TRUE(savedIs(saved));
    press(17);
    EXPECT_EQ(button(1, 1).width, 80);
}

} // namespace
} // namespace zim
