// The header of a window in the parameters frame: the window's title edit under the heading
// "Standard Parameters", and under "Miscellaneous Parameters" the tab control whose five tabs
// open the window's pages (type, appearance and size; class data; styles; background images;
// buttons and statics) with their balloon hints. Each tab's page comes from its factory in
// tab_pages.cpp (a tab without one shows an empty page) and lies over the tab control's display
// area. The pages carry their own command buttons and run Edit / Restore / Save themselves;
// while one is in edit state the tabs are closed, so its working copy cannot be dropped.
#pragma once

#include <memory>

#include "editors/frame/object_editor.h"

namespace zim {

class ParametersFrame;

// The header's controls in the parameters window.
enum WindowHeaderControl : int {
    windowTitleEdit = 67, // only the type page's Save stores it
    windowTabControl = 43,
};

std::unique_ptr<ObjectEditor> makeWindowHeader(ParametersFrame& frame);

} // namespace zim
