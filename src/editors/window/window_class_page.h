// The "Background Data" page of a window: the class background colour, the large and small
// icons and the cursor, each with its sample and a button that opens the frame's menu for it,
// and the class styles as a pair of lists with a description pane. A dialog has no class of its
// own: only its background colour can be chosen. Its rules are those of window_class_rules.h.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeWindowClassPage(ParametersFrame& frame);

} // namespace zim
