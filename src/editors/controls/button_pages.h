// The tab pages of buttons: the classic button's "Standard Parameters" and "Styles", and the
// image button's "Standard Parameters", "Styles", "Extended Styles" and "Misc. Parameters".
// The frame's page table (tab_pages.cpp) makes them through these factories.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeClassicButtonBasicPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeClassicButtonStylesPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeImageButtonBasicPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeImageButtonStylesPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeImageButtonExtendedStylesPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeImageButtonMiscPage(ParametersFrame& frame);

} // namespace zim
