// Fills a tree view with the objects of the current Project.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zim {

// Deletes every item, inserts the items of the current Project, then expands and selects the
// item whose object code is `selectCode` (0, the program item, when no item has that code).
// Selecting sends TVN_SELCHANGED to the tree's parent.
void buildStructureTree(HWND tree, int32_t selectCode);

// Makes a tree view look as the structure trees do: the tree images and a background colour.
void prepareStructureTree(HWND tree, COLORREF background);

} // namespace zim
