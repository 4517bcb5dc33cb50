// Windows on the window base: each object gets its own window's messages, what it leaves goes
// to the default procedure, and the object goes with its window.
#include "shell/window_base.h"

#include <gtest/gtest.h>

#include <memory>

#include "ui_harness.h"

namespace zim {
namespace {

constexpr const char* testClass = "ZimWindowBaseTest";
constexpr UINT tagMessage = WM_APP + 1;

class TaggedWindow : public WindowBase {
  public:
    TaggedWindow(int tag, int& deleted) : tag_(tag), deleted_(deleted) {}
    ~TaggedWindow() override { deleted_ += tag_; }

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == tagMessage)
            return tag_ + static_cast<int>(wParam);
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    int tag_;
    int& deleted_;
};

TEST(WindowBase, EachObjectHandlesItsWindowAndGoesWithIt) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowBase::procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = testClass;
    ASSERT_NE(RegisterClassExA(&wc), 0);

    int deleted = 0;
    HWND first = createWindow(std::make_unique<TaggedWindow>(1, deleted),
                              {testClass, "First", WS_POPUP, {0, 0, 100, 100}});
    ASSERT_NE(first, nullptr);
    HWND second = createWindow(std::make_unique<TaggedWindow>(10, deleted),
                               {testClass, "Second", WS_CHILD, {0, 0, 50, 50}, first});
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(SendMessageA(first, tagMessage, 5, 0), 6);
    EXPECT_EQ(SendMessageA(second, tagMessage, 5, 0), 15);
    EXPECT_EQ(test::windowText(second), "Second"); // WM_GETTEXT by the default procedure

    DestroyWindow(first); // takes its child with it
    EXPECT_EQ(deleted, 11);

    // No window, no owner: the object is deleted at once.
    EXPECT_EQ(createWindow(std::make_unique<TaggedWindow>(100, deleted),
                           {"ZimNoSuchClass", "", WS_POPUP}),
              nullptr);
    EXPECT_EQ(deleted, 111);
    UnregisterClassA(testClass, GetModuleHandleA(nullptr));
}

} // namespace
} // namespace zim
