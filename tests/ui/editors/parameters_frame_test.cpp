// The parameters window as the structure tree opens it: the editor of each object kind, the
// kind selector of buttons and statics, their tabs and pages, and Edit / Restore / Save on the
// working copy.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "editor_test_fixture.h"
#include "editors/frame/tab_pages.h"

namespace zim {
namespace {

class ParametersFrameTest : public test::EditorTest {
  protected:
    void TearDown() override {
        // The real pages come back for the tests that follow.
        for (const auto& [page, factory] : replaced_)
            setTabPageFactory(page, factory);
        EditorTest::TearDown();
    }

    void replacePage(EditorPage page, TabPageFactory factory) {
        replaced_.emplace_back(page, setTabPageFactory(page, factory));
    }

    static HWND tabControl() { return control(43); }
    static HWND tabPage() {
        ParametersFrame* frame = ParametersFrame::current();
        return frame && frame->editor() ? frame->editor()->tabPage() : nullptr;
    }
    static std::string tabTooltip(int position) {
        HWND tooltips = reinterpret_cast<HWND>(SendMessageA(tabControl(), TCM_GETTOOLTIPS, 0, 0));
        NMTTDISPINFOA request = {};
        request.hdr = {tooltips, static_cast<UINT_PTR>(position), TTN_GETDISPINFOA};
        SendMessageA(parametersWindow, WM_NOTIFY, position, reinterpret_cast<LPARAM>(&request));
        return request.lpszText ? request.lpszText : "";
    }
    static bool buttonRecordIs(const ButtonControl& saved) {
        return std::memcmp(&button(1, 1), &saved, sizeof saved) == 0;
    }

    std::vector<std::pair<EditorPage, TabPageFactory>> replaced_;
};

TEST_F(ParametersFrameTest, EachObjectKindOpensItsOwnEditor) {
    showEditView();
    // The program: its page straight in the frame, no kind selector and no tabs.
    EXPECT_GT(titlePixels(), 20);
    EXPECT_EQ(test::windowText(control(16)), "Restore Previous Parameters");
    EXPECT_EQ(control(43), nullptr);
    EXPECT_EQ(control(80), nullptr);
    const FrameMenus menus = ParametersFrame::current()->menus();
    ASSERT_TRUE(IsMenu(menus.colour));
    EXPECT_EQ(GetMenuItemCount(menus.colour), 5) << "three items and two separators";
    EXPECT_EQ(GetMenuItemID(menus.cursor, 4), 109u);

    // A classic button: its kind checked, the two radios that cannot be chosen disabled, and
    // in view state the tabs closed and only the first page shown.
    projectUnsaved = 0;
    select(500101);
    EXPECT_FALSE(IsMenu(menus.colour)) << "the menus go with their frame";
    EXPECT_EQ(projectUnsaved, 1);
    EXPECT_GT(titlePixels(), 20);
    EXPECT_NE(test::findChildByText(parametersWindow, "Select button type :"), nullptr);
    EXPECT_EQ(test::windowText(control(126)), " Owner-Drawn Button ( supported by Windows )");
    EXPECT_TRUE(checked(80));
    EXPECT_FALSE(checked(126));
    EXPECT_FALSE(enabled(127));
    EXPECT_FALSE(enabled(128));
    EXPECT_TRUE(enabled(80));
    EXPECT_EQ(tabCaptions(tabControl()),
              (std::vector<std::string>{"Standard Parameters", "Styles"}));
    EXPECT_FALSE(IsWindowEnabled(tabControl()));
    EXPECT_EQ(commandButtons(), viewState());
    ASSERT_NE(tabPage(), nullptr);
    EXPECT_EQ(GetParent(tabPage()), tabControl());
    EXPECT_TRUE(IsWindowVisible(tabPage()));
    RECT display;
    GetClientRect(tabControl(), &display);
    SendMessageA(tabControl(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const RECT page = test::rectIn(tabControl(), tabPage());
    EXPECT_GE(page.top, display.top) << "the page lies below the tabs";
    EXPECT_LE(page.bottom, display.bottom);
    EXPECT_EQ(tabTooltip(1), "Here you can select additional styles for the button...");

    // An image static: the static kinds, and its own second tab.
    staticControl(1, 1).kind = 2;
    select(600101);
    EXPECT_NE(test::findChildByText(parametersWindow, "Select Static Control Type :"), nullptr);
    EXPECT_TRUE(checked(140));
    EXPECT_FALSE(checked(138));
    EXPECT_FALSE(enabled(141));
    EXPECT_EQ(tabCaptions(tabControl()),
              (std::vector<std::string>{"Standard Parameters", "Background Image"}));
    EXPECT_EQ(tabTooltip(1),
              "Here you can insert background image to be displayed on the static control...");

    // A window: its header, whose pages carry their own command buttons.
    select(300100);
    EXPECT_GT(titlePixels(), 20);
    EXPECT_EQ(control(15), nullptr);
    EXPECT_EQ(tabCaptions(tabControl()).size(), 5u);
}

// A kind chosen on the selector changes the working copy and its tabs, never the Project; the
// tree stays disabled until Restore gives the record back.
TEST_F(ParametersFrameTest, AButtonKindChangeStaysInTheWorkingCopyUntilSaved) {
    showEditView();
    select(500101);
    const ButtonControl saved = button(1, 1);

    press(15);
    EXPECT_EQ(commandButtons(), editState());
    EXPECT_FALSE(IsWindowEnabled(tree_));
    EXPECT_TRUE(IsWindowEnabled(tabControl()));
    press(126);
    EXPECT_TRUE(checked(126));
    EXPECT_FALSE(checked(80));
    EXPECT_EQ(tabCaptions(tabControl()),
              (std::vector<std::string>{"Standard Parameters", "Styles", "Extended Styles",
                                        "Misc. Parameters"}));
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_FALSE(IsWindowEnabled(tabControl()));
    EXPECT_FALSE(IsWindowEnabled(tree_)) << "a kind change in edit state keeps the tree closed";
    EXPECT_TRUE(buttonRecordIs(saved));

    press(15);
    press(16);
    EXPECT_TRUE(checked(80));
    EXPECT_FALSE(checked(126));
    EXPECT_EQ(tabCaptions(tabControl()),
              (std::vector<std::string>{"Standard Parameters", "Styles"}));
    EXPECT_EQ(commandButtons(), viewState());
    EXPECT_TRUE(IsWindowEnabled(tree_));
    EXPECT_EQ(buttonWorkCopy.kind, 0);
    EXPECT_TRUE(buttonRecordIs(saved));

    // Saved, the record becomes an image button.
    press(126);
    press(15);
    press(17);
    EXPECT_EQ(button(1, 1).kind, 1);
    EXPECT_TRUE(IsWindowEnabled(tree_));
    EXPECT_EQ(commandButtons(), viewState());
}

// A page that edits the button's caption (first tab) and description (second tab).
class FieldPage : public PageBase {
  public:
    explicit FieldPage(char (&field)[260]) : field_(field) {}
    void loadControls() override { setText(window(), 1, shown(field_)); }
    void storeControls() override { setText(field_, textOf(window(), 1)); }

  private:
    std::vector<ControlDescription> controls(int width, int) const override {
        return {{"EDIT", "", WS_TABSTOP, {10, 10, width - 20, 22}, 1},
                {"EDIT", "", WS_TABSTOP, {10, 40, width - 20, 22}, 2}};
    }
    char (&field_)[260];
};

TEST_F(ParametersFrameTest, SwitchingTabsInEditStateKeepsWhatEachPageHolds) {
    replacePage(EditorPage::classicButtonBasic, [](ParametersFrame& frame) {
        return std::unique_ptr<PageBase>(new FieldPage(frame.session().buttonCopy().text));
    });
    replacePage(EditorPage::classicButtonStyles, [](ParametersFrame& frame) {
        return std::unique_ptr<PageBase>(new FieldPage(frame.session().buttonCopy().description));
    });
    showEditView();
    select(500101);
    const ButtonControl saved = button(1, 1);
    HWND field = GetDlgItem(tabPage(), 1);
    EXPECT_EQ(test::windowText(field), shown(saved.text));
    EXPECT_FALSE(IsWindowEnabled(field)) << "view state";

    press(15);
    EXPECT_TRUE(IsWindowEnabled(field));
    SetWindowTextA(field, "Start");
    // Keys reach the page on show through the program's message loop: Tab goes round it.
    ASSERT_TRUE(SetForegroundWindow(mainWindow));
    SetFocus(GetDlgItem(tabPage(), 2));
    test::pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), field);
    // TCM_SETCURFOCUS selects the tab and notifies the frame as a click on it does.
    SendMessageA(tabControl(), TCM_SETCURFOCUS, 1, 0);
    field = GetDlgItem(tabPage(), 1);
    EXPECT_EQ(test::windowText(field), shown(saved.description));
    EXPECT_TRUE(IsWindowEnabled(field)) << "a page opened in edit state is open for editing";
    SetWindowTextA(field, "Starts the calculation");
    SendMessageA(tabControl(), TCM_SETCURFOCUS, 0, 0);
    EXPECT_EQ(test::windowText(GetDlgItem(tabPage(), 1)), "Start");
    EXPECT_TRUE(buttonRecordIs(saved));

    SendMessageA(tabControl(), TCM_SETCURFOCUS, 1, 0);
    press(17);
    EXPECT_EQ(shown(button(1, 1).text), "Start");
    EXPECT_EQ(shown(button(1, 1).description), "Starts the calculation");
}

} // namespace
} // namespace zim
