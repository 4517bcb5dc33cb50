// What the live-window tests share: the shell started on the default project in a fresh
// directory, image files written pixel by pixel, the preview's windows found and waited for,
// and the program's count of GDI and USER objects.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>

#include "live/pixel_geometry.h"
#include "shell_test_fixture.h"

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator!=(const RECT& a, const RECT& b) {
    return !(a == b);
}

inline void PrintTo(const RECT& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace zim {

inline void PrintTo(const PixelRect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

} // namespace zim

namespace zim::test {

// The rectangle of `size` centred in the client area of `owner`, in screen coordinates.
RECT centredInClient(HWND owner, SIZE size);

// A 24-bit bitmap file whose pixel (x, y) is `colour(x, y)`.
void writeBitmap(const std::string& path, int width, int height,
                 const std::function<COLORREF(int, int)>& colour);
// A 16 x 16 icon (or, with `cursor`, a cursor with its hot spot at 0, 0) of one colour.
void writeIcon(const std::string& path, COLORREF colour, bool cursor = false);

// The objects the program holds now. Where GetGuiResources answers 0 (Wine does), the GDI
// objects are counted in the process's GDI handle table and the USER objects are this thread's
// windows.
struct GuiObjects {
    DWORD gdi;
    DWORD user;
};
GuiObjects guiObjects();

// The shell started on the default project, with the preview and edit windows at hand.
class LiveTest : public ShellTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The live window of window w, 0 while it is not shown.
    static HWND liveWindow(int w);
    static HWND wallpaperWindow();
    // Waits until window 1 of the preview is shown (the wallpaper's timer opens it).
    static HWND waitForFirstWindow();
    // Presses the switching window's "Back" and waits until the designer is back and the
    // preview's classes are gone.
    static void pressBack();
    // Waits until the preview has ended and the backdrop has handled its command 111.
    static void waitForPreviewEnd();
    // Whether the designer shows its main window (enabled) and hides the switching window.
    static bool designerShown();

    HWND mainWindow_ = nullptr;
    ScriptedQuestions questions_;
};

} // namespace zim::test
