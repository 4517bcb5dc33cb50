// "ZIM_ButtonDefinedAction.f90": the subroutine the runtime library calls when a button of a
// designed window is pressed, as a select-case skeleton with one branch per window and button,
// followed by a comment block that lists every static control with the routines that change
// its text.
#pragma once

#include "generator/text_sink.h"
#include "model/project.h"

namespace zim {

constexpr const char* buttonActionSourceName = "ZIM_ButtonDefinedAction.f90";

void writeButtonActionSource(TextSink& sink, const Project& source);

} // namespace zim
