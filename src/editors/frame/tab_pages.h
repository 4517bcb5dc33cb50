// The page behind each tab of the parameters frame. A page registers a factory for its
// EditorPage: a row of the table in tab_pages.cpp, or setTabPageFactory. The factory makes the
// page object; the frame then creates its window on the page rectangle inside the tab control
// (createPage) and enables it as the editing session says. A tab whose page has no factory yet
// shows an empty page.
#pragma once

#include <memory>

#include "editors/frame/editor_tabs.h"
#include "editors/frame/page_base.h"

namespace zim {

class ParametersFrame;

// Makes the page; it reaches the working copy and the session through the frame.
using TabPageFactory = std::unique_ptr<PageBase> (*)(ParametersFrame& frame);

// Replaces the factory of a page (nullptr leaves the page empty) and returns the one it had.
TabPageFactory setTabPageFactory(EditorPage page, TabPageFactory factory);

// The page object of a tab; null for EditorPage::none (the page area stays empty).
std::unique_ptr<PageBase> makeTabPage(EditorPage page, ParametersFrame& frame);

} // namespace zim
