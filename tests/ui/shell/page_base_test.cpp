// A small page on the page base, in a window of its own: its controls come from its table, data
// goes both ways between them and a working copy, and commands, notifications and keys reach
// it through the real message routing.
#include "editors/frame/page_base.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "shell/message_loop.h"
#include "ui_harness.h"

namespace zim {
namespace {

struct Settings {
    std::string caption;
    bool framed = false;
};

enum SettingsControl : int {
    captionLabel = 40,
    captionEdit = 41,
    framedCheck = 42,
    notesEdit = 43,
    applyButton = IDOK, // Enter in an edit must not press it

};

struct Command {
    int id;
    int code;
    HWND control;
};

class SettingsPage : public PageBase {
  public:
    SettingsPage(Settings& copy, std::vector<Command>& commands, int& deleted)
        : copy_(copy), commands_(commands), deleted_(deleted) {}
    ~SettingsPage() override { ++deleted_; }

    void loadControls() override {
        setText(window(), captionEdit, copy_.caption);
        setChecked(window(), framedCheck, copy_.framed);
    }
    void storeControls() override {
        copy_.caption = textOf(window(), captionEdit);
        copy_.framed = isChecked(window(), framedCheck);
    }

  private:
    std::vector<ControlDescription> controls(int width, int) const override {
        const LayoutBox caption{100, 10, width - 110, 20}, notes{10, 100, 200, 60};
        return {
            {"STATIC", "Caption", SS_LEFT, {10, 10, 80, 20}, captionLabel},
            {"EDIT", "", WS_TABSTOP, caption, captionEdit, ControlFont::control, WS_EX_CLIENTEDGE},
            {"BUTTON", "Framed", WS_TABSTOP | BS_AUTOCHECKBOX, {10, 40, 120, 20}, framedCheck},
            {"BUTTON", "Apply", WS_TABSTOP, {10, 70, 80, 25}, applyButton},
            {"EDIT", "", ES_MULTILINE, notes, notesEdit, ControlFont::control, WS_EX_CLIENTEDGE},
        };
    }
    // "Apply" needs a caption.
    void onEnableControls(bool enabled) override {
        if (enabled && textOf(window(), captionEdit).empty())
            enable(window(), {applyButton}, false);
    }
    void onCommand(int id, int code, HWND control) override {
        commands_.push_back({id, code, control});
    }
    LRESULT onNotify(const NMHDR& header) override {
        return header.code == static_cast<UINT>(NM_CLICK) ? 77 : 0;
    }

    Settings& copy_;
    std::vector<Command>& commands_;
    int& deleted_;
};

class PageBaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent_ = CreateWindowExA(0, "STATIC", "Pages", WS_POPUP | WS_VISIBLE, 100, 100, 420, 260,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        copy_ = {"Wallpaper", true};
        page_ =
            createPage(std::make_unique<SettingsPage>(copy_, commands_, deleted_), parent_, area_);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override {
        setParameterPageFilter(nullptr);
        if (IsWindow(parent_))
            DestroyWindow(parent_);
    }

    HWND control(int id) const { return GetDlgItem(page_, id); }
    // Commands from control `id`: clicks of a button, notifications of an edit.
    std::size_t commandsFrom(int id) const {
        return std::count_if(commands_.begin(), commands_.end(),
                             [id](const Command& command) { return command.id == id; });
    }

    const LayoutBox area_{15, 20, 380, 200};
    HWND parent_ = nullptr;
    HWND page_ = nullptr;
    Settings copy_;
    std::vector<Command> commands_;
    int deleted_ = 0;
};

LayoutBox boxIn(HWND parent, HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

TEST_F(PageBaseTest, BuildsItsControlsOnItsRectangleAndMovesDataBothWays) {
    EXPECT_EQ(boxIn(parent_, page_), area_);
    EXPECT_TRUE(IsWindowVisible(page_));
    // Placed from the page's own width.
    EXPECT_EQ(boxIn(page_, control(captionEdit)), (LayoutBox{100, 10, area_.width - 110, 20}));

    // Shown with the working copy; the user's changes reach it only when stored.
    EXPECT_EQ(test::windowText(control(captionEdit)), "Wallpaper");
    EXPECT_TRUE(isChecked(page_, framedCheck));
    SetWindowTextA(control(captionEdit), "Window 2");
    test::click(control(framedCheck));
    EXPECT_EQ(copy_.caption, "Wallpaper");
    PageBase* settings = PageBase::pageOf(page_);
    ASSERT_NE(settings, nullptr);
    settings->storeControls();
    EXPECT_EQ(copy_.caption, "Window 2");
    EXPECT_FALSE(copy_.framed);
    copy_ = {"", true};
    settings->loadControls();
    EXPECT_EQ(test::windowText(control(captionEdit)), "");
    EXPECT_TRUE(isChecked(page_, framedCheck));

    // The whole page at once, then the page's own rule.
    settings->enableControls(false);
    for (int id : {captionLabel, captionEdit, framedCheck, applyButton})
        EXPECT_FALSE(IsWindowEnabled(control(id))) << id;
    settings->enableControls(true);
    EXPECT_TRUE(IsWindowEnabled(control(captionEdit)));
    EXPECT_TRUE(IsWindowEnabled(control(framedCheck)));
    EXPECT_FALSE(IsWindowEnabled(control(applyButton)));

    // The page goes with its parent, and its object with it.
    EXPECT_EQ(PageBase::pageOf(parent_), nullptr);
    DestroyWindow(parent_);
    EXPECT_EQ(deleted_, 1);
}

TEST_F(PageBaseTest, CommandsAndNotificationsReachThePage) {
    test::click(control(applyButton));
    ASSERT_EQ(commandsFrom(applyButton), 1u);
    EXPECT_EQ(commands_.back().code, BN_CLICKED);
    EXPECT_EQ(commands_.back().control, control(applyButton));

    NMHDR click{control(framedCheck), framedCheck, static_cast<UINT>(NM_CLICK)};
    EXPECT_EQ(SendMessageA(page_, WM_NOTIFY, framedCheck, reinterpret_cast<LPARAM>(&click)), 77);
    NMHDR other{control(framedCheck), framedCheck, static_cast<UINT>(NM_DBLCLK)};
    EXPECT_EQ(SendMessageA(page_, WM_NOTIFY, framedCheck, reinterpret_cast<LPARAM>(&other)), 0);
}

// Keys as a user presses them, through the program's message loop and the parameter pages'
// filter, which hands them to the page on show.
TEST_F(PageBaseTest, KeysMoveThroughThePageAndEnterPressesOnlyTheFocusedButton) {
    static PageBase* shown;
    shown = PageBase::pageOf(page_);
    setParameterPageFilter([](MSG& message) { return shown->routeKeyboard(message); });
    ASSERT_TRUE(SetForegroundWindow(parent_));
    SetFocus(control(captionEdit));
    test::pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), control(framedCheck));
    test::pressKey(VK_SPACE);
    EXPECT_FALSE(isChecked(page_, framedCheck));
    test::pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), control(applyButton));
    test::pressKey(VK_RETURN);
    EXPECT_EQ(commandsFrom(applyButton), 1u);
    test::pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), control(captionEdit)) << "Tab goes round the page";

    // An edit would hand Enter to the default button, and a multi-line one close its dialog on
    // Escape, once a key through the dialog manager told it that it is in a dialog.
    SetFocus(control(notesEdit));
    test::pressKey(VK_DOWN);
    test::pressKey(VK_ESCAPE);
    test::pressKey(VK_RETURN);
    EXPECT_EQ(commandsFrom(applyButton), 1u);
    EXPECT_EQ(commandsFrom(IDCANCEL), 0u);
}

} // namespace
} // namespace zim
