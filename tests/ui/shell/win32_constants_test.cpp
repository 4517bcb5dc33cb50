// The model writes the Win32 constants out by value; here they meet the real headers.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/style_lists.h"
#include "live/win32_handles.h"

namespace zim {
namespace {

#define ENTRY(name)                                                                                \
    { #name, static_cast < uint32_t>((uintptr_t)(name)) }

void expectList(const ValueList& list, const std::map<std::string, uint32_t>& expected) {
    ASSERT_EQ(static_cast<std::size_t>(list.count), expected.size());
    for (int k = 1; k <= list.count; ++k) {
        auto found = expected.find(list[k].name);
        ASSERT_NE(found, expected.end()) << list[k].name;
        EXPECT_EQ(list[k].value, found->second) << list[k].name;
    }
}

TEST(Win32Constants, StyleListsHoldTheValuesOfTheHeaders) {
    expectList(classStyleList,
               {ENTRY(CS_BYTEALIGNCLIENT), ENTRY(CS_BYTEALIGNWINDOW), ENTRY(CS_CLASSDC),
                ENTRY(CS_DBLCLKS), ENTRY(CS_GLOBALCLASS), ENTRY(CS_HREDRAW), ENTRY(CS_NOCLOSE),
                ENTRY(CS_OWNDC), ENTRY(CS_PARENTDC), ENTRY(CS_SAVEBITS), ENTRY(CS_VREDRAW)});
    expectList(windowStyleList,
               {ENTRY(WS_BORDER),      ENTRY(WS_CAPTION),          ENTRY(WS_CHILD),
                ENTRY(WS_CHILDWINDOW), ENTRY(WS_CLIPCHILDREN),     ENTRY(WS_CLIPSIBLINGS),
                ENTRY(WS_DISABLED),    ENTRY(WS_DLGFRAME),         ENTRY(WS_GROUP),
                ENTRY(WS_HSCROLL),     ENTRY(WS_ICONIC),           ENTRY(WS_MAXIMIZE),
                ENTRY(WS_MAXIMIZEBOX), ENTRY(WS_MINIMIZE),         ENTRY(WS_MINIMIZEBOX),
                ENTRY(WS_OVERLAPPED),  ENTRY(WS_OVERLAPPEDWINDOW), ENTRY(WS_POPUP),
                ENTRY(WS_POPUPWINDOW), ENTRY(WS_SIZEBOX),          ENTRY(WS_SYSMENU),
                ENTRY(WS_TABSTOP),     ENTRY(WS_THICKFRAME),       ENTRY(WS_TILED),
                ENTRY(WS_TILEDWINDOW), ENTRY(WS_VISIBLE),          ENTRY(WS_VSCROLL)});
    expectList(
        extendedStyleList,
        {ENTRY(WS_EX_ACCEPTFILES),    ENTRY(WS_EX_APPWINDOW),        ENTRY(WS_EX_CLIENTEDGE),
         ENTRY(WS_EX_COMPOSITED),     ENTRY(WS_EX_CONTEXTHELP),      ENTRY(WS_EX_CONTROLPARENT),
         ENTRY(WS_EX_DLGMODALFRAME),  ENTRY(WS_EX_LAYERED),          ENTRY(WS_EX_LAYOUTRTL),
         ENTRY(WS_EX_LEFT),           ENTRY(WS_EX_LEFTSCROLLBAR),    ENTRY(WS_EX_LTRREADING),
         ENTRY(WS_EX_MDICHILD),       ENTRY(WS_EX_NOACTIVATE),       ENTRY(WS_EX_NOINHERITLAYOUT),
         ENTRY(WS_EX_NOPARENTNOTIFY), ENTRY(WS_EX_OVERLAPPEDWINDOW), ENTRY(WS_EX_PALETTEWINDOW),
         ENTRY(WS_EX_RIGHT),          ENTRY(WS_EX_RIGHTSCROLLBAR),   ENTRY(WS_EX_RTLREADING),
         ENTRY(WS_EX_STATICEDGE),     ENTRY(WS_EX_TOOLWINDOW),       ENTRY(WS_EX_TOPMOST),
         ENTRY(WS_EX_TRANSPARENT),    ENTRY(WS_EX_WINDOWEDGE)});
    expectList(dialogStyleList,
               {ENTRY(DS_3DLOOK), ENTRY(DS_ABSALIGN), ENTRY(DS_CENTER), ENTRY(DS_CENTERMOUSE),
                ENTRY(DS_CONTEXTHELP), ENTRY(DS_CONTROL), ENTRY(DS_FIXEDSYS), ENTRY(DS_MODALFRAME),
                ENTRY(DS_NOFAILCREATE), ENTRY(DS_NOIDLEMSG), ENTRY(DS_SETFONT),
                ENTRY(DS_SETFOREGROUND), ENTRY(DS_SHELLFONT), ENTRY(DS_SYSMODAL)});
    expectList(buttonStyleList, {ENTRY(BS_3STATE),       ENTRY(BS_AUTO3STATE),
                                 ENTRY(BS_AUTOCHECKBOX), ENTRY(BS_AUTORADIOBUTTON),
                                 ENTRY(BS_CHECKBOX),     ENTRY(BS_DEFPUSHBUTTON),
                                 ENTRY(BS_GROUPBOX),     ENTRY(BS_LEFTTEXT),
                                 ENTRY(BS_OWNERDRAW),    ENTRY(BS_PUSHBUTTON),
                                 ENTRY(BS_RADIOBUTTON),  ENTRY(BS_BITMAP),
                                 ENTRY(BS_BOTTOM),       ENTRY(BS_CENTER),
                                 ENTRY(BS_ICON),         ENTRY(BS_FLAT),
                                 ENTRY(BS_LEFT),         ENTRY(BS_MULTILINE),
                                 ENTRY(BS_NOTIFY),       ENTRY(BS_PUSHLIKE),
                                 ENTRY(BS_RIGHT),        ENTRY(BS_RIGHTBUTTON),
                                 ENTRY(BS_TEXT),         ENTRY(BS_TOP),
                                 ENTRY(BS_VCENTER)});
    expectList(staticStyleList, {ENTRY(SS_BITMAP),         ENTRY(SS_BLACKFRAME),
                                 ENTRY(SS_BLACKRECT),      ENTRY(SS_CENTER),
                                 ENTRY(SS_CENTERIMAGE),    ENTRY(SS_ENDELLIPSIS),
                                 ENTRY(SS_ENHMETAFILE),    ENTRY(SS_ETCHEDFRAME),
                                 ENTRY(SS_ETCHEDHORZ),     ENTRY(SS_ETCHEDVERT),
                                 ENTRY(SS_GRAYFRAME),      ENTRY(SS_GRAYRECT),
                                 ENTRY(SS_ICON),           ENTRY(SS_LEFT),
                                 ENTRY(SS_LEFTNOWORDWRAP), ENTRY(SS_NOPREFIX),
                                 ENTRY(SS_NOTIFY),         ENTRY(SS_OWNERDRAW),
                                 ENTRY(SS_PATHELLIPSIS),   ENTRY(SS_REALSIZECONTROL),
                                 ENTRY(SS_REALSIZEIMAGE),  ENTRY(SS_RIGHT),
                                 ENTRY(SS_RIGHTJUST),      ENTRY(SS_SIMPLE),
                                 ENTRY(SS_SUNKEN),         ENTRY(SS_WHITEFRAME),
                                 ENTRY(SS_WHITERECT),      ENTRY(SS_WORDELLIPSIS)});
}

TEST(Win32Constants, ValueListsHoldTheValuesOfTheHeaders) {
    expectList(standardIconList,
               {ENTRY(IDI_APPLICATION), ENTRY(IDI_ASTERISK), ENTRY(IDI_EXCLAMATION),
                ENTRY(IDI_HAND), ENTRY(IDI_QUESTION), ENTRY(IDI_WINLOGO)});
    expectList(standardCursorList,
               {ENTRY(IDC_APPSTARTING), ENTRY(IDC_ARROW), ENTRY(IDC_CROSS), ENTRY(IDC_HELP),
                ENTRY(IDC_IBEAM), ENTRY(IDC_NO), ENTRY(IDC_SIZEALL), ENTRY(IDC_SIZENESW),
                ENTRY(IDC_SIZENS), ENTRY(IDC_SIZENWSE), ENTRY(IDC_SIZEWE), ENTRY(IDC_UPARROW),
                ENTRY(IDC_WAIT)});
    expectList(stockBrushList, {ENTRY(BLACK_BRUSH), ENTRY(DKGRAY_BRUSH), ENTRY(GRAY_BRUSH),
                                ENTRY(LTGRAY_BRUSH), ENTRY(NULL_BRUSH), ENTRY(WHITE_BRUSH)});
    expectList(systemColourList,
               {ENTRY(COLOR_ACTIVEBORDER), ENTRY(COLOR_ACTIVECAPTION), ENTRY(COLOR_APPWORKSPACE),
                ENTRY(COLOR_BACKGROUND), ENTRY(COLOR_BTNFACE), ENTRY(COLOR_BTNSHADOW),
                ENTRY(COLOR_BTNTEXT), ENTRY(COLOR_CAPTIONTEXT), ENTRY(COLOR_GRAYTEXT),
                ENTRY(COLOR_HIGHLIGHT), ENTRY(COLOR_HIGHLIGHTTEXT), ENTRY(COLOR_INACTIVEBORDER),
                ENTRY(COLOR_INACTIVECAPTION), ENTRY(COLOR_MENU), ENTRY(COLOR_MENUTEXT),
                ENTRY(COLOR_SCROLLBAR), ENTRY(COLOR_WINDOW), ENTRY(COLOR_WINDOWFRAME),
                ENTRY(COLOR_WINDOWTEXT)});
}

TEST(Win32Handles, SurviveTheThirtyTwoBitSlot) {
    HWND desktop = GetDesktopWindow();
    EXPECT_EQ(loadHandle<HWND>(storeHandle(desktop)), desktop);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(loadHandle<HBRUSH>(storeHandle(brush)), brush);
    DeleteObject(brush);
    EXPECT_EQ(loadHandle<HWND>(-2), reinterpret_cast<HWND>(intptr_t(-2)));
}

} // namespace
} // namespace zim
