// Fills a tree view with the objects of the current Project.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

// Clears the selection, deletes every item, inserts the items of the current Project, then
// expands and selects the item whose object code is `selectCode` (0, the program item, when no
// item has that code). Selecting sends TVN_SELCHANGED to the tree's parent; no notice names an
// item that is being deleted.
void buildStructureTree(HWND tree, int32_t selectCode);

// Makes a tree view look as the structure trees do: the tree images and a background colour.
void prepareStructureTree(HWND tree, COLORREF background);

} // namespace zim
