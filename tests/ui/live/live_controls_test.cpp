// Live controls made from their records, with their styles, fonts, check state, images, brushes
// and tooltips, and released when their window goes; and a generated program's way (designMode
// 0): images from the program's resources, the user's routine and the end of the program.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "live/live_classes.h"
#include "live/live_host.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "live_test_support.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/style_lists.h"

namespace zim::test {
namespace {

void choose(int32_t* set, const ValueList& list, std::initializer_list<const char*> names) {
    for (int k = 0; k < list.count; ++k)
        set[k] = 0;
    chooseStyles(set, list, names);
}

HWND tooltipOf(HWND window) {
    struct Search {
        HWND owner;
        HWND found;
    } search{window, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND candidate, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (className(candidate) == TOOLTIPS_CLASSA &&
                GetWindow(candidate, GW_OWNER) == s->owner)
                s->found = candidate;
            return s->found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class LiveControlsTest : public LiveTest {};

TEST_F(LiveControlsTest, ControlsAreMadeFromTheirRecordsAndReleasedWithTheirWindow) {
    writeBitmap("Button_001_004.bmp", 24, 18, [](int, int) { return RGB(0, 0, 255); });
    writeBitmap("Static_001_002.bmp", 10, 10, [](int, int) { return RGB(255, 0, 0); });
    project().program.wallpaperPresent = 0;
    AppWindow& first = window(1);
    first.animate = 0;
    first.buttonCount = 5;
    for (int b = 2; b <= 5; ++b) {
        buildNewButton(button(1, b), 1, b);
        button(1, b).y = 50 * b;
    }
    ButtonControl& own = button(1, 1);
    own.customFont = 1;
    own.font.height = -20;
    ButtonControl& threeState = button(1, 2);
    choose(threeState.buttonStyles, buttonStyleList, {"BS_AUTO3STATE"});
    threeState.checkState = 2;
    ButtonControl& standard = button(1, 3);
    standard.kind = 1;
    standard.imageKind = 1;
    standard.standardImage = 2; // IDI_ASTERISK
    choose(standard.buttonStyles, buttonStyleList, {"BS_ICON"});
    ButtonControl& bitmap = button(1, 4);
    bitmap.kind = 1;
    bitmap.imageKind = 2;
    choose(bitmap.buttonStyles, buttonStyleList, {"BS_BITMAP"});
    ButtonControl& group = button(1, 5);
    choose(group.buttonStyles, buttonStyleList, {"BS_GROUPBOX"});

    first.staticCount = 3;
    buildNewStatic(staticControl(1, 2), 1, 2);
    buildNewStatic(staticControl(1, 3), 1, 3);
    StaticControl& coloured = staticControl(1, 1);
    coloured.customColours = 1;
    coloured.backgroundKind = 1;
    coloured.backgroundValue = RGB(1, 2, 3);
    coloured.textColour = RGB(200, 100, 50);
    coloured.opaque = 1;
    coloured.descriptionAsTooltip = 1;
    StaticControl& picture = staticControl(1, 2);
    picture.kind = 2;
    picture.imageKind = 2;
    picture.standardImage = 0;
    choose(picture.staticStyles, staticStyleList, {"SS_BITMAP"});
    StaticControl& line = staticControl(1, 3);
    line.kind = 1;
    choose(line.staticStyles, staticStyleList, {"SS_ETCHEDHORZ"});
    line.descriptionAsTooltip = 1;

    ASSERT_TRUE(startPreview());
    HWND shown = liveWindow(1);
    ASSERT_NE(shown, nullptr);
    auto live = [](int32_t slot) { return loadHandle<HWND>(slot); };

    EXPECT_EQ(GetParent(live(own.hwnd)), shown);
    EXPECT_EQ(live(own.parentHwnd), shown);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(live(own.hwnd), WM_GETFONT, 0, 0));
    EXPECT_EQ(font, loadHandle<HFONT>(own.fontHandle));
    LOGFONTA description = {};
    ASSERT_NE(GetObjectA(font, sizeof description, &description), 0);
    EXPECT_EQ(description.lfHeight, -20);
    EXPECT_EQ(SendMessageA(live(threeState.hwnd), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    EXPECT_EQ(SendMessageA(live(standard.hwnd), BM_GETIMAGE, IMAGE_ICON, 0),
              reinterpret_cast<LRESULT>(LoadIconA(nullptr, IDI_ASTERISK)));
    auto bitmapSizeOf = [](LRESULT handle) {
        BITMAP info = {};
        GetObjectA(reinterpret_cast<HBITMAP>(handle), sizeof info, &info);
        return std::make_pair(info.bmWidth, info.bmHeight);
    };
    EXPECT_EQ(bitmapSizeOf(SendMessageA(live(bitmap.hwnd), BM_GETIMAGE, IMAGE_BITMAP, 0)),
              std::make_pair(24L, 18L));
    EXPECT_EQ(bitmapSizeOf(SendMessageA(live(picture.hwnd), STM_GETIMAGE, IMAGE_BITMAP, 0)),
              std::make_pair(10L, 10L));

    HDC dc = GetDC(live(coloured.hwnd));
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(shown, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(live(coloured.hwnd))));
    LOGBRUSH brushDescription = {};
    ASSERT_NE(GetObjectA(brush, sizeof brushDescription, &brushDescription), 0);
    EXPECT_EQ(brushDescription.lbColor, RGB(1, 2, 3));
    EXPECT_EQ(GetTextColor(dc), RGB(200, 100, 50));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    // A static without its own colours keeps the system's.
    EXPECT_EQ(SendMessageA(shown, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(live(line.hwnd))),
              DefWindowProcA(shown, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(live(line.hwnd))));
    ReleaseDC(live(coloured.hwnd), dc);

    // Buttons 1 to 4 and the coloured static; the group box and the line take no part.
    HWND tooltip = tooltipOf(shown);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 5);

    const HBRUSH ownBrush = loadHandle<HBRUSH>(coloured.brushSlot);
    DestroyWindow(shown);
    waitForPreviewEnd();
    EXPECT_EQ(own.hwnd, 0);
    EXPECT_EQ(own.fontHandle, 0);
    EXPECT_EQ(bitmap.imageHandle, 0);
    EXPECT_EQ(coloured.brushSlot, 0);
    EXPECT_EQ(GetObjectType(font), 0u);     // deleted
    EXPECT_EQ(GetObjectType(ownBrush), 0u); // deleted
    EXPECT_TRUE(designerShown());
}

// A generated program's host: it only notes what the user's code is asked to do.
class ProgramHost : public LiveHost {
  public:
    int message(HWND, const std::string&, const std::string&, UINT) override {
        ++messages;
        return IDOK;
    }
    void userSubroutine(int w, int b) override { calls.emplace_back(w, b); }

    int messages = 0;
    std::vector<std::pair<int, int>> calls;
};

bool takeQuit() {
    MSG quit;
    return PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

// The live code as a generated program runs it, without the designer: the images the design
// names come from the program's resources.
TEST(GeneratedProgramMode, ImagesComeFromResourcesAndButtonsCallTheUsersCodeOrEndTheProgram) {
    ProgramHost host;
    setLiveHost(&host);
    designMode = 0;
    buildDefaultProject();
    project().program.wallpaperPresent = 0;
    AppWindow& first = window(1);
    first.hasOwner = 0;
    first.animate = 0;
    first.iconSource = 0;
    setText(first.iconName, "LIVE_ICON");
    first.imageCount = 1;
    buildNewBackgroundImage(image(1, 1), first, 1, 1);
    BackgroundImage& back = image(1, 1);
    setText(back.fileName, "LIVE_BACK");
    back.imageFromResource = 1;
    back.placement = 2; // the top-left corner, at the bitmap's size
    ButtonControl& ends = button(1, 1);
    ends.kind = 1;
    ends.imageKind = 2;
    setText(ends.imageName, "LIVE_BUTTON");
    choose(ends.buttonStyles, buttonStyleList, {"BS_BITMAP"});
    ends.action = 2;
    ends.x = 100;
    first.buttonCount = 2;
    buildNewButton(button(1, 2), 1, 2);
    button(1, 2).x = 100;
    button(1, 2).y = 60;
    StaticControl& picture = staticControl(1, 1);
    picture.kind = 2;
    picture.imageKind = 1;
    picture.standardImage = 0;
    setText(picture.imageName, "LIVE_ICON");
    choose(picture.staticStyles, staticStyleList, {"SS_ICON"});
    picture.y = 100;

    ASSERT_TRUE(startPreview());
    HWND shown = loadHandle<HWND>(window(1).hwnd);
    ASSERT_NE(shown, nullptr);
    const HINSTANCE program = GetModuleHandleA(nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(shown, GCLP_HICON)),
              LoadIconA(program, "LIVE_ICON"));
    EXPECT_EQ(SendMessageA(loadHandle<HWND>(picture.hwnd), STM_GETIMAGE, IMAGE_ICON, 0),
              reinterpret_cast<LRESULT>(LoadIconA(program, "LIVE_ICON")));
    EXPECT_NE(SendMessageA(loadHandle<HWND>(ends.hwnd), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    UpdateWindow(shown);
    HDC dc = GetDC(shown);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 0, 255)); // the resource bitmap "LIVE_BACK"
    EXPECT_NE(GetPixel(dc, 12, 3), RGB(255, 0, 255));
    ReleaseDC(shown, dc);

    click(loadHandle<HWND>(button(1, 2).hwnd));
    EXPECT_EQ(host.calls, (std::vector<std::pair<int, int>>{{1, 2}}));
    click(loadHandle<HWND>(ends.hwnd));
    EXPECT_TRUE(takeQuit());
    EXPECT_TRUE(IsWindow(shown)); // the program's loop ends it
    DestroyWindow(shown);
    EXPECT_TRUE(takeQuit()); // closing window 1 without wallpaper ends the program
    EXPECT_FALSE(previewRunning());
    EXPECT_EQ(host.messages, 0);

    releasePreviewClasses();
    EXPECT_FALSE(liveClassRegistered(designedClassName(1)));
    designMode = 1;
    setLiveHost(nullptr);
}

} // namespace
} // namespace zim::test
