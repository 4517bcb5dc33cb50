// The "Buttons and Static Controls" page of a window: the window's buttons in one list and its
// static controls in another, each with the description of the selected control and the
// commands that add, delete and reorder them. Each command changes the Project at once (the
// page has no Edit / Restore / Save), with the controls' image files following their places
// (control_list_operations.h). Adding and deleting change the structure tree, which is built
// again with this page shown anew on the window.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeWindowControlsPage(ParametersFrame& frame);

} // namespace zim
