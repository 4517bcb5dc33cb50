// The lists of buttons and static controls of one window: add, delete and move, each with the
// files named after the controls' places. A control's place decides its list label, the base
// name of its images and, for a button, its control identifier; so when a control changes
// place, its image files (".bmp", ".ico"; a button's pushed "_Down" and disabled "_Dis" forms
// too) take the names of the new place.
#pragma once

#include <optional>
#include <string_view>

#include "editors/frame/page_message.h"
#include "editors/window/list_operation.h"
#include "editors/window/record_list_plans.h"
#include "model/project.h"

namespace zim {

// The refusal that "Add New Button" / "Add New Static Control" meets before the description
// prompt opens: the window holds the most controls it can.
std::optional<PageMessage> buttonAddRefusal(const Project& project, int w);
std::optional<PageMessage> staticAddRefusal(const Project& project, int w);

// Appends a control with the defaults of a new one and the description (cut to the prompt's
// limit), starting its image files from the templates; stale files of its place go. The
// result selects the new control.
ListOperation planAddButton(Project& project, const ListFolders& folders, int w,
                            std::string_view description);
ListOperation planAddStatic(Project& project, const ListFolders& folders, int w,
                            std::string_view description);

// Deletes the control at `position` with its image files; the controls after it move up one
// place with their files. The result selects the first control.
ListOperation planDeleteButton(Project& project, const ListFolders& folders, int w, int position);
ListOperation planDeleteStatic(Project& project, const ListFolders& folders, int w, int position);

// Exchanges the control at `position` with its neighbour, files included; the result selects
// the moved control. The first control up or the last one down stays where it is.
ListOperation planMoveButton(Project& project, const ListFolders& folders, int w, int position,
                             MoveDirection direction);
ListOperation planMoveStatic(Project& project, const ListFolders& folders, int w, int position,
                             MoveDirection direction);

} // namespace zim
