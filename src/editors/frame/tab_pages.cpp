#include "editors/frame/tab_pages.h"

#include <map>

#include "editors/window/window_class_page.h"
#include "editors/window/window_controls_page.h"
#include "editors/window/window_images_page.h"
#include "editors/window/window_styles_page.h"
#include "editors/window/window_type_page.h"

namespace zim {

namespace {

// Shown for a tab whose page is not built yet: the page area, and nothing on it.
class EmptyTabPage : public PageBase {
  public:
    void loadControls() override {}
    void storeControls() override {}

  private:
    std::vector<ControlDescription> controls(int, int) const override { return {}; }
};

// The pages that exist, by the page they show. The button, static and window pages add their
// rows here as they are built.
std::map<EditorPage, TabPageFactory>& factories() {
    static std::map<EditorPage, TabPageFactory> table = {
        {EditorPage::windowTypeAppearanceSize, makeWindowTypePage},
        {EditorPage::windowClassData, makeWindowClassPage},
        {EditorPage::windowStyles, makeWindowStylesPage},
        {EditorPage::windowBackgroundImages, makeWindowImagesPage},
        {EditorPage::windowControls, makeWindowControlsPage},
    };
    return table;
}

} // namespace

void setTabPageFactory(EditorPage page, TabPageFactory factory) {
    if (factory)
        factories()[page] = factory;
    else
        factories().erase(page);
}

std::unique_ptr<PageBase> makeTabPage(EditorPage page, ParametersFrame& frame) {
    if (page == EditorPage::none)
        return nullptr;
    const auto found = factories().find(page);
    if (found == factories().end())
        return std::make_unique<EmptyTabPage>();
    return found->second(frame);
}

} // namespace zim
