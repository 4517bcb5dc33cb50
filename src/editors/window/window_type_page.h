// The "Type/Appearance/Size" page of a window: the window's kind, how it appears, how its size
// is set (typed, from its first background image with a preview of that image, or as a client
// area), where it is placed (the grid, a corner, or the system's default), and its rectangle
// chosen by moving and sizing the window itself. Its Save stores the header's title too and
// rebuilds the structure tree. Its rules are those of window_type_rules.h.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeWindowTypePage(ParametersFrame& frame);

} // namespace zim
