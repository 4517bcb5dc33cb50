// The tab pages of statics: the text static's "Standard Parameters" and "Styles", the
// simple-graphics static's "Standard Parameters", and the image static's "Standard Parameters"
// and "Background Image". The frame's page table (tab_pages.cpp) makes them through these
// factories.
#pragma once

#include <memory>

#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

std::unique_ptr<PageBase> makeTextStaticBasicPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeTextStaticStylesPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeGraphicsStaticBasicPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeImageStaticBasicPage(ParametersFrame& frame);
std::unique_ptr<PageBase> makeImageStaticBackgroundPage(ParametersFrame& frame);

} // namespace zim
