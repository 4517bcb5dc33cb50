// The window's "Background Images" page through its real controls: add, replace, move and
// delete with the image files following their places, the limit, the tree built again, and
// the selected image's area edited and saved.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "editor_test_fixture.h"
#include "editors/window/list_messages.h"
#include "live/edit_windows.h"
#include "shell/object_code.h"
#include "shell/structure_tree.h"

namespace zim {
namespace {

namespace fs = std::filesystem;

class WindowImagesPageTest : public test::EditorTest {
  protected:
    // The window's item in the tree, with the page of its fourth tab shown.
    void openImagesTab() {
        window(1).sizeMode = 2;
        buildStructureTree(tree_, 300100);
        SendMessageA(control(43), TCM_SETCURFOCUS, 3, 0);
    }
    static HWND on(int id) { return GetDlgItem(page(), id); }
    static void pressOn(int id) { test::click(on(id)); }
    static LRESULT selectedItem() { return SendMessageA(on(33), LB_GETCURSEL, 0, 0); }
    static void chooseItem(int item) {
        SendMessageA(on(33), LB_SETCURSEL, item, 0);
        SendMessageA(page(), WM_COMMAND, MAKEWPARAM(33, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(on(33)));
    }
    // A 4 x 4 bitmap of one colour, 24 bits per pixel, in the pickers' folder.
    static std::string bitmap(const char* name, uint8_t r, uint8_t g, uint8_t b) {
        const fs::path file = programDirectory / "Picked" / name;
        fs::create_directories(file.parent_path());
        std::string bytes(54 + 48, '\0');
        auto put = [&bytes](int at, uint32_t value, int size) {
            for (int k = 0; k < size; ++k)
                bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
        };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put(2, static_cast<uint32_t>(bytes.size()), 4);
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, 4, 4);
        put(22, 4, 4);
        put(26, 1, 2);
        put(28, 24, 2);
        for (int p = 0; p < 16; ++p) {
            bytes[54 + 3 * p] = static_cast<char>(b);
            bytes[55 + 3 * p] = static_cast<char>(g);
            bytes[56 + 3 * p] = static_cast<char>(r);
        }
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    // The file picked and the question answered Yes, then `command` pressed.
    static void pick(test::ScriptedQuestions& questions, const std::string& file, int command) {
        questions.planFile(file);
        questions.planAnswer(IDYES);
        pressOn(command);
    }
    static std::string contents(const char* name) {
        std::ifstream file(projectDirectory / name, std::ios::binary);
        return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "(none)";
    }
    static std::string picked(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // The colour in the middle of the preview panel as it shows on the screen.
    static COLORREF previewCentre() {
        HWND preview = FindWindowExA(page(), nullptr, "WizardPreviewWindowClass", nullptr);
        UpdateWindow(preview);
        RECT box;
        GetClientRect(preview, &box);
        HDC dc = GetDC(preview);
        const COLORREF colour = GetPixel(dc, box.right / 2, box.bottom / 2);
        ReleaseDC(preview, dc);
        return colour;
    }
};

TEST_F(WindowImagesPageTest, ImagesAreAddedReplacedMovedAndDeletedWithTheirFiles) {
    test::ScriptedQuestions questions;
    showEditView();
    openImagesTab();
    const std::string red = bitmap("red.bmp", 255, 0, 0);
    const std::string green = bitmap("green.bmp", 0, 255, 0);
    const std::string blue = bitmap("blue.bmp", 0, 0, 255);
    const std::string yellow = bitmap("yellow.bmp", 255, 255, 0);
    pick(questions, red, 68);
    EXPECT_EQ(questions.last().text, listText::imageAdded);
    pick(questions, green, 68);
    pick(questions, blue, 68);
    ASSERT_EQ(window(1).imageCount, 3);
    EXPECT_EQ(projectUnsaved, 1);
    EXPECT_EQ(test::selectedCode(tree_), 300100);
    EXPECT_NE(test::itemWithCode(tree_, imageCode(1, 3)), nullptr);
    EXPECT_EQ(selectedItem(), 2) << "the new image is selected on the page shown again";
    EXPECT_EQ(test::windowText(on(106)), " Selected Image - Wnd_001_03.bmp");
    EXPECT_EQ(test::windowText(on(107)), "Image dimensions - 4 x 4");
    EXPECT_EQ(contents("Wnd_001_01.bmp"), picked(red));

    pick(questions, yellow, 67);
    EXPECT_EQ(questions.last().text, listText::imageReplaced);
    EXPECT_EQ(contents("Wnd_001_03.bmp"), picked(yellow));

    questions.planFile(red);
    questions.planAnswer(IDNO);
    pressOn(67);
    EXPECT_EQ(questions.last().caption, "Saving...");
    EXPECT_EQ(contents("Wnd_001_03.bmp"), picked(yellow)) << "a refused replacement";

    image(1, 3).placement = 5;
    pressOn(70);
    EXPECT_EQ(image(1, 2).placement, 5) << "the record moves with its file";
    EXPECT_EQ(shown(image(1, 3).fileName), "Wnd_001_03");
    EXPECT_EQ(contents("Wnd_001_02.bmp") + contents("Wnd_001_03.bmp"),
              picked(yellow) + picked(green));
    EXPECT_EQ(selectedItem(), 1);
    EXPECT_EQ(previewCentre(), RGB(255, 255, 0));

    pressOn(69); // the yellow image goes; the green one and its file take place 2
    ASSERT_EQ(window(1).imageCount, 2);
    EXPECT_EQ(contents("Wnd_001_02.bmp"), picked(green));
    EXPECT_FALSE(fs::exists(projectDirectory / "Wnd_001_03.bmp"));
    EXPECT_EQ(test::itemWithCode(tree_, imageCode(1, 3)), nullptr);
    chooseItem(0);
    pressOn(69);
    EXPECT_EQ(window(1).imageCount, 1);
    EXPECT_EQ(contents("Wnd_001_01.bmp"), picked(green));

    window(1).sizeMode = 1; // the last image sizes the window: deleting it fixes that size
    questions.planAnswer(IDYES);
    pressOn(69);
    EXPECT_EQ(window(1).imageCount, 0);
    EXPECT_EQ(std::vector<int>({window(1).sizeMode, window(1).width, window(1).height}),
              std::vector<int>({2, 4, 4}));

    window(1).imageCount = 10;
    pressOn(68);
    EXPECT_EQ(questions.last().text, listText::imageLimit);
    EXPECT_EQ(window(1).imageCount, 10);
}

TEST_F(WindowImagesPageTest, TheAreaIsSavedOnlyWhenItsFieldsHold) {
    test::ScriptedQuestions questions;
    showEditView();
    openImagesTab();
    pressOn(15);
    EXPECT_EQ(questions.last().text, "There is no image for edit...");
    pick(questions, bitmap("red.bmp", 255, 0, 0), 68);
    window(1).sizeMode = 1;
    pressOn(15);
    EXPECT_EQ(questions.last().text, "You can't edit parameters of the image, which defines the "
                                     "current window dimensions...");
    EXPECT_FALSE(IsWindowEnabled(on(17)));

    window(1).sizeMode = 2;
    pressOn(15);
    ASSERT_TRUE(IsWindowEnabled(on(17)));
    EXPECT_FALSE(IsWindowEnabled(on(68))) << "no list operation while the fields are open";
    pressOn(28);
    SetWindowTextA(on(101), "0");
    pressOn(17);
    EXPECT_EQ(questions.last().text, "Check out the field for width value, please...");
    EXPECT_EQ(GetFocus(), on(101));
    SetWindowTextA(on(101), "-10");
    SetWindowTextA(on(102), "30");
    pressOn(50);
    SetWindowTextA(on(104), "");
    pressOn(17);
    EXPECT_EQ(questions.last().text, "Fill the field for y_top value, please...");
    EXPECT_EQ(image(1, 1).useImageSize, 1) << "a refused Save writes nothing";
    SetWindowTextA(on(104), "-7");
    pressOn(17);
    EXPECT_FALSE(IsWindowEnabled(on(17)));
    const BackgroundImage& saved = image(1, 1);
    EXPECT_EQ(std::vector<int>({saved.useImageSize, saved.rectWidth, saved.rectHeight,
                                saved.placement, saved.y}),
              std::vector<int>({0, -10, 30, 10, -7}));

    // The area sized in the edit window comes back into the fields.
    pressOn(15);
    SetWindowTextA(on(101), "40");
    SetWindowTextA(on(103), "12");
    SetWindowTextA(on(104), "20");
    pressOn(51);
    ASSERT_NE(editWindow(), nullptr);
    // The bottom edge of the area (12, 20, 52, 50) dragged 20 pixels down.
    const std::pair<UINT, int> drag[] = {
        {WM_MOUSEMOVE, 49}, {WM_LBUTTONDOWN, 49}, {WM_MOUSEMOVE, 70}, {WM_LBUTTONUP, 70}};
    for (const auto& [message, y] : drag)
        PostMessageA(editWindow(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(30, y));
    test::pumpMessages();
    closeEditWindow();
    ASSERT_TRUE(test::pumpUntil([] { return test::windowText(on(102)) == "50"; }));
    EXPECT_EQ(test::windowText(on(103)) + "," + test::windowText(on(101)), "12,40");

    pressOn(30);
    pressOn(51);
    EXPECT_EQ(questions.last().text,
              "Sorry, but you select full screen drawing option for this image...");
    pressOn(16);
    EXPECT_EQ(SendMessageA(on(50), BM_GETCHECK, 0, 0), BST_CHECKED)
        << "Restore shows the saved corner again";
}

} // namespace
} // namespace zim
