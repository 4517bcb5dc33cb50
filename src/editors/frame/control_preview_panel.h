// The preview panel of the static-control pages ("WizardPreviewControlWindowClass"). The page
// puts its preview static into the panel; while the working copy asks for custom colours the
// panel colours that static from it: background brush, opaque or transparent text background,
// text colour.
#pragma once

#include <windows.h>

#include <functional>

#include "model/project.h"
#include "shell/layout_box.h"

namespace zim {

// The page's background brush (the page keeps it), painted behind the preview static; the
// class's white brush when it gives 0.
using PanelBackground = std::function<HBRUSH()>;

// Creates the panel as a child of `parent` on `box`, colouring from `copy` (the static's working
// copy, which must outlive the panel); returns 0 when it could not be created.
HWND createControlPreviewPanel(HWND parent, const LayoutBox& box, StaticControl& copy,
                               PanelBackground background);

} // namespace zim
