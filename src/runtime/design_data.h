// The design a generated program carries: the project file, compiled into the program as the
// resource "GUI_DATA" of type "ZIMFILE", read into the Project with every check of a project
// file.
#pragma once

#include "model/project_file.h"

namespace zim {

constexpr const char* designDataName = "GUI_DATA";
constexpr const char* designDataType = "ZIMFILE";

// Loads the design data of the running program into `target`; on failure `target` is unchanged
// and the outcome says why.
FileOutcome loadDesignData(Project& target);

} // namespace zim
