// The program page, built straight into the parameters window when the program is selected:
// the project's fixed facts, its description, application type and wallpaper presence, the
// list of windows with the commands that add, duplicate, delete and move them, a help text
// and the command buttons. Its rules are those of program_page_rules.h and
// program_window_commands.h; the page moves data between its controls and the Project and
// applies what the rules return.
#pragma once

#include <memory>

#include "editors/frame/object_editor.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<ObjectEditor> makeProgramPage(ParametersFrame& frame);

} // namespace zim
