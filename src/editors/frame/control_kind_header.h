// The kind header of buttons and statics: the kind selector (etched frame, heading and four
// radios), the tab control with its balloon tooltips, the tab page on show and the command
// buttons, driven by the editing session's working copy.
#pragma once

#include <memory>

#include "editors/frame/object_editor.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<ObjectEditor> makeControlKindHeader(ParametersFrame& frame);

} // namespace zim
