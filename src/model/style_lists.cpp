#include "model/style_lists.h"

#include <cstdio>
#include <cstring>

#include "model/programming_error.h"

namespace zim {

namespace {

const NamedValue classStyles[] = {
    {"CS_BYTEALIGNCLIENT", 0x1000}, {"CS_BYTEALIGNWINDOW", 0x2000}, {"CS_CLASSDC", 0x40},
    {"CS_DBLCLKS", 0x8},            {"CS_GLOBALCLASS", 0x4000},     {"CS_HREDRAW", 0x2},
    {"CS_NOCLOSE", 0x200},          {"CS_OWNDC", 0x20},             {"CS_PARENTDC", 0x80},
    {"CS_SAVEBITS", 0x800},         {"CS_VREDRAW", 0x1},
};

const NamedValue windowStyles[] = {
    {"WS_BORDER", 0x00800000},        {"WS_CAPTION", 0x00C00000},
    {"WS_CHILD", 0x40000000},         {"WS_CHILDWINDOW", 0x40000000},
    {"WS_CLIPCHILDREN", 0x02000000},  {"WS_CLIPSIBLINGS", 0x04000000},
    {"WS_DISABLED", 0x08000000},      {"WS_DLGFRAME", 0x00400000},
    {"WS_GROUP", 0x00020000},         {"WS_HSCROLL", 0x00100000},
    {"WS_ICONIC", 0x20000000},        {"WS_MAXIMIZE", 0x01000000},
    {"WS_MAXIMIZEBOX", 0x00010000},   {"WS_MINIMIZE", 0x20000000},
    {"WS_MINIMIZEBOX", 0x00020000},   {"WS_OVERLAPPED", 0x00000000},
    {"WS_OVERLAPPEDWINDOW", 0x00CF0000}, {"WS_POPUP", 0x80000000},
    {"WS_POPUPWINDOW", 0x80880000},   {"WS_SIZEBOX", 0x00040000},
    {"WS_SYSMENU", 0x00080000},       {"WS_TABSTOP", 0x00010000},
    {"WS_THICKFRAME", 0x00040000},    {"WS_TILED", 0x00000000},
    {"WS_TILEDWINDOW", 0x00CF0000},   {"WS_VISIBLE", 0x10000000},
    {"WS_VSCROLL", 0x00200000},
};

const NamedValue extendedStyles[] = {
    {"WS_EX_ACCEPTFILES", 0x10},        {"WS_EX_APPWINDOW", 0x40000},
    {"WS_EX_CLIENTEDGE", 0x200},        {"WS_EX_COMPOSITED", 0x02000000},
    {"WS_EX_CONTEXTHELP", 0x400},       {"WS_EX_CONTROLPARENT", 0x10000},
    {"WS_EX_DLGMODALFRAME", 0x1},       {"WS_EX_LAYERED", 0x80000},
    {"WS_EX_LAYOUTRTL", 0x400000},      {"WS_EX_LEFT", 0x0},
    {"WS_EX_LEFTSCROLLBAR", 0x4000},    {"WS_EX_LTRREADING", 0x0},
    {"WS_EX_MDICHILD", 0x40},           {"WS_EX_NOACTIVATE", 0x08000000},
    {"WS_EX_NOINHERITLAYOUT", 0x100000}, {"WS_EX_NOPARENTNOTIFY", 0x4},
    {"WS_EX_OVERLAPPEDWINDOW", 0x300},  {"WS_EX_PALETTEWINDOW", 0x188},
    {"WS_EX_RIGHT", 0x1000},            {"WS_EX_RIGHTSCROLLBAR", 0x0},
    {"WS_EX_RTLREADING", 0x2000},       {"WS_EX_STATICEDGE", 0x20000},
    {"WS_EX_TOOLWINDOW", 0x80},         {"WS_EX_TOPMOST", 0x8},
    {"WS_EX_TRANSPARENT", 0x20},        {"WS_EX_WINDOWEDGE", 0x100},
};

const NamedValue dialogStyles[] = {
    {"DS_3DLOOK", 0x4},       {"DS_ABSALIGN", 0x1},     {"DS_CENTER", 0x800},
    {"DS_CENTERMOUSE", 0x1000}, {"DS_CONTEXTHELP", 0x2000}, {"DS_CONTROL", 0x400},
    {"DS_FIXEDSYS", 0x8},     {"DS_MODALFRAME", 0x80},  {"DS_NOFAILCREATE", 0x10},
    {"DS_NOIDLEMSG", 0x100},  {"DS_SETFONT", 0x40},     {"DS_SETFOREGROUND", 0x200},
    {"DS_SHELLFONT", 0x48},   {"DS_SYSMODAL", 0x2},
};

const NamedValue buttonStyles[] = {
    {"BS_3STATE", 0x5},      {"BS_AUTO3STATE", 0x6},    {"BS_AUTOCHECKBOX", 0x3},
    {"BS_AUTORADIOBUTTON", 0x9}, {"BS_CHECKBOX", 0x2},  {"BS_DEFPUSHBUTTON", 0x1},
    {"BS_GROUPBOX", 0x7},    {"BS_LEFTTEXT", 0x20},     {"BS_OWNERDRAW", 0xB},
    {"BS_PUSHBUTTON", 0x0},  {"BS_RADIOBUTTON", 0x4},   {"BS_BITMAP", 0x80},
    {"BS_BOTTOM", 0x800},    {"BS_CENTER", 0x300},      {"BS_ICON", 0x40},
    {"BS_FLAT", 0x8000},     {"BS_LEFT", 0x100},        {"BS_MULTILINE", 0x2000},
    {"BS_NOTIFY", 0x4000},   {"BS_PUSHLIKE", 0x1000},   {"BS_RIGHT", 0x200},
    {"BS_RIGHTBUTTON", 0x20}, {"BS_TEXT", 0x0},         {"BS_TOP", 0x400},
    {"BS_VCENTER", 0xC00},
};

const NamedValue staticStyles[] = {
    {"SS_BITMAP", 0xE},          {"SS_BLACKFRAME", 0x7},     {"SS_BLACKRECT", 0x4},
    {"SS_CENTER", 0x1},          {"SS_CENTERIMAGE", 0x200},  {"SS_ENDELLIPSIS", 0x4000},
    {"SS_ENHMETAFILE", 0xF},     {"SS_ETCHEDFRAME", 0x12},   {"SS_ETCHEDHORZ", 0x10},
    {"SS_ETCHEDVERT", 0x11},     {"SS_GRAYFRAME", 0x8},      {"SS_GRAYRECT", 0x5},
    {"SS_ICON", 0x3},            {"SS_LEFT", 0x0},           {"SS_LEFTNOWORDWRAP", 0xC},
    {"SS_NOPREFIX", 0x80},       {"SS_NOTIFY", 0x100},       {"SS_OWNERDRAW", 0xD},
    {"SS_PATHELLIPSIS", 0x8000}, {"SS_REALSIZECONTROL", 0x40}, {"SS_REALSIZEIMAGE", 0x800},
    {"SS_RIGHT", 0x2},           {"SS_RIGHTJUST", 0x400},    {"SS_SIMPLE", 0xB},
    {"SS_SUNKEN", 0x1000},       {"SS_WHITEFRAME", 0x9},     {"SS_WHITERECT", 0x6},
    {"SS_WORDELLIPSIS", 0xC000},
};

const NamedValue standardIcons[] = {
    {"IDI_APPLICATION", 32512}, {"IDI_ASTERISK", 32516}, {"IDI_EXCLAMATION", 32515},
    {"IDI_HAND", 32513},        {"IDI_QUESTION", 32514}, {"IDI_WINLOGO", 32517},
};

const NamedValue standardCursors[] = {
    {"IDC_APPSTARTING", 32650}, {"IDC_ARROW", 32512},   {"IDC_CROSS", 32515},
    {"IDC_HELP", 32651},        {"IDC_IBEAM", 32513},   {"IDC_NO", 32648},
    {"IDC_SIZEALL", 32646},     {"IDC_SIZENESW", 32643}, {"IDC_SIZENS", 32645},
    {"IDC_SIZENWSE", 32642},    {"IDC_SIZEWE", 32644},  {"IDC_UPARROW", 32516},
    {"IDC_WAIT", 32514},
};

const NamedValue stockBrushes[] = {
    {"BLACK_BRUSH", 4}, {"DKGRAY_BRUSH", 3}, {"GRAY_BRUSH", 2},
    {"LTGRAY_BRUSH", 1}, {"NULL_BRUSH", 5},  {"WHITE_BRUSH", 0},
};

const NamedValue systemColours[] = {
    {"COLOR_ACTIVEBORDER", 10},   {"COLOR_ACTIVECAPTION", 2},  {"COLOR_APPWORKSPACE", 12},
    {"COLOR_BACKGROUND", 1},      {"COLOR_BTNFACE", 15},       {"COLOR_BTNSHADOW", 16},
    {"COLOR_BTNTEXT", 18},        {"COLOR_CAPTIONTEXT", 9},    {"COLOR_GRAYTEXT", 17},
    {"COLOR_HIGHLIGHT", 13},      {"COLOR_HIGHLIGHTTEXT", 14}, {"COLOR_INACTIVEBORDER", 11},
    {"COLOR_INACTIVECAPTION", 3}, {"COLOR_MENU", 4},           {"COLOR_MENUTEXT", 7},
    {"COLOR_SCROLLBAR", 0},       {"COLOR_WINDOW", 5},         {"COLOR_WINDOWFRAME", 6},
    {"COLOR_WINDOWTEXT", 8},
};

template <std::size_t N> constexpr ValueList listOf(const NamedValue (&entries)[N]) {
    return ValueList{entries, static_cast<int>(N)};
}

} // namespace

const ValueList classStyleList = listOf(classStyles);
const ValueList windowStyleList = listOf(windowStyles);
const ValueList extendedStyleList = listOf(extendedStyles);
const ValueList dialogStyleList = listOf(dialogStyles);
const ValueList buttonStyleList = listOf(buttonStyles);
const ValueList staticStyleList = listOf(staticStyles);
const ValueList standardIconList = listOf(standardIcons);
const ValueList standardCursorList = listOf(standardCursors);
const ValueList stockBrushList = listOf(stockBrushes);
const ValueList systemColourList = listOf(systemColours);

uint32_t styleWord(const int32_t* set, const ValueList& list) {
    uint32_t word = 0;
    for (int k = 0; k < list.count; ++k)
        if (set[k] != 0)
            word |= list.entries[k].value;
    return word;
}

int styleEntry(const ValueList& list, std::string_view name) {
    for (int k = 1; k <= list.count; ++k)
        if (name == list[k].name)
            return k;
    programmingError("No style list entry is named " + std::string(name) + ".");
}

void chooseStyles(int32_t* set, const ValueList& list, std::initializer_list<const char*> names) {
    for (const char* name : names)
        for (int k = 0; k < list.count; ++k)
            if (std::strcmp(list.entries[k].name, name) == 0)
                set[k] = 1;
}

ClassBrush classBrush(int32_t kind, int32_t value) {
    switch (kind) {
    case 1:
        return {ClassBrush::solidColour, static_cast<uint32_t>(value)};
    case 2:
        if (value >= 1 && value <= systemColourList.count)
            return {ClassBrush::systemColourPlusOne, systemColourList[value].value + 1};
        break;
    case 3:
        if (value >= 1 && value <= stockBrushList.count)
            return {ClassBrush::stockObject, stockBrushList[value].value};
        break;
    }
    return {ClassBrush::defaultValue, 2};
}

std::string formatNumber3(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

std::string windowFileName(int w) { return "Wnd_" + formatNumber3(w); }

std::string backgroundImageName(int w, int i) {
    char text[32];
    std::snprintf(text, sizeof text, "Wnd_%03d_%02d", w, i);
    return text;
}

std::string buttonImageName(int w, int b) {
    return "Button_" + formatNumber3(w) + "_" + formatNumber3(b);
}

std::string staticImageName(int w, int s) {
    return "Static_" + formatNumber3(w) + "_" + formatNumber3(s);
}

} // namespace zim
