// The template images a new button or static starts with: its bitmap and its icon, copied
// from the program's "Templates" folder under the new control's positional names.
#pragma once

#include "archive/file_operations.h"
#include "editors/window/file_plan.h"
#include "editors/window/list_operation.h"
#include "editors/window/positional_names.h"

namespace zim {

// Adds the copies of the templates for control `index` of window `w` (`kind` is
// PositionalKind::button or PositionalKind::staticControl). A template that is not there is
// left out and noted: the control's pages make its images when they are needed.
void planControlTemplates(FilePlan& plan, FileFailures& notes, const ListFolders& folders,
                          PositionalKind kind, int w, int index);

} // namespace zim
