// Which pages the parameters frame offers for each object: the title it draws, the tabs of
// windows, buttons and statics with the page behind each tab, and the tabs' tooltip texts.
#pragma once

#include <cstdint>
#include <vector>

namespace zim {

// Every page the frame can show. The program, wallpaper and background-image pages are built
// straight into the frame; the others are tab pages.
enum class EditorPage {
    none,
    program,
    wallpaper,
    backgroundImage,
    windowTypeAppearanceSize,
    windowClassData,
    windowStyles,
    windowBackgroundImages,
    windowControls,
    classicButtonBasic,
    classicButtonStyles,
    imageButtonBasic,
    imageButtonStyles,
    imageButtonExtendedStyles,
    imageButtonMisc,
    textStaticBasic,
    textStaticStyles,
    graphicsStaticBasic,
    imageStaticBasic,
    imageStaticBackgroundImage,
};

struct EditorTab {
    const char* caption;
    EditorPage page;
};

// Tab positions the tab control reports that the frame acts on; others are ignored.
constexpr int firstTabPosition = 0;
constexpr int lastTabPosition = 4;

// The tabs of an object kind (codes of the structure tree) and, for buttons and statics, the
// control's own kind. Windows have five tabs; buttons of kinds 2 and 3, owner-drawn statics and
// the objects without tabs (program, wallpaper, background image) have none.
std::vector<EditorTab> editorTabs(int32_t objectKind, int32_t controlKind);

// The page built straight into the frame for the program (0), the wallpaper (1) and a
// background image (2); none for the kinds that show tabs.
EditorPage directPage(int32_t objectKind);

// The tooltip of the tab at `position` (0 to 4); an empty text where the tab has none.
const char* tabTooltip(int32_t objectKind, int32_t controlKind, int position);

// The title the frame draws for an object kind; empty for an unknown kind.
const char* frameTitle(int32_t objectKind);

} // namespace zim
