// The "Window Style(s)" page of a window: the window styles on the left; on the right the
// extended styles of a standard window, or the dialog-template styles of a dialog with the
// dialog's font face (from the installed fonts) and size. Each half is a pair of lists with a
// description pane. Its rules are those of window_style_rules.h.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeWindowStylesPage(ParametersFrame& frame);

} // namespace zim
