#include "editors/frame/frame_menus.h"

#include <initializer_list>

namespace zim {

namespace {

struct MenuItem {
    int command;
    const char* text;
};

// The items with a separator between each two.
HMENU popupMenu(std::initializer_list<MenuItem> items) {
    HMENU menu = CreatePopupMenu();
    bool first = true;
    for (const MenuItem& item : items) {
        if (!first)
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(item.command), item.text);
        first = false;
    }
    return menu;
}

void destroyMenu(HMENU& menu) {
    if (menu)
        DestroyMenu(menu);
    menu = nullptr;
}

} // namespace

FrameMenus createFrameMenus() {
    FrameMenus menus;
    menus.colour = popupMenu({{systemColourCommand, "System Color"},
                              {customColourCommand, "Custom Color"},
                              {systemBrushCommand, "System Brush"}});
    menus.icon = popupMenu({{standardIconCommand, "Standard Icon"},
                            {customIconCommand, "Custom Icon"},
                            {noIconCommand, "No Icon"}});
    menus.smallIcon = popupMenu(
        {{standardSmallIconCommand, "Standard Icon"}, {customSmallIconCommand, "Custom Icon"}});
    menus.cursor = popupMenu({{standardCursorCommand, "Standard Cursor"},
                              {customCursorCommand, "Custom Cursor"},
                              {noCursorCommand, "No Cursor"}});
    return menus;
}

void destroyFrameMenus(FrameMenus& menus) {
    destroyMenu(menus.colour);
    destroyMenu(menus.icon);
    destroyMenu(menus.smallIcon);
    destroyMenu(menus.cursor);
}

} // namespace zim
