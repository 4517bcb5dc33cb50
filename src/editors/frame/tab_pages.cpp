#include "editors/frame/tab_pages.h"

#include <map>

#include "editors/controls/button_pages.h"
#include "editors/controls/static_pages.h"
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

// The pages that exist, by the page they show.
std::map<EditorPage, TabPageFactory>& factories() {
    static std::map<EditorPage, TabPageFactory> table = {
        {EditorPage::classicButtonBasic, makeClassicButtonBasicPage},
        {EditorPage::classicButtonStyles, makeClassicButtonStylesPage},
        {EditorPage::imageButtonBasic, makeImageButtonBasicPage},
        {EditorPage::imageButtonStyles, makeImageButtonStylesPage},
        {EditorPage::imageButtonExtendedStyles, makeImageButtonExtendedStylesPage},
        {EditorPage::imageButtonMisc, makeImageButtonMiscPage},
        {EditorPage::textStaticBasic, makeTextStaticBasicPage},
        {EditorPage::textStaticStyles, makeTextStaticStylesPage},
        {EditorPage::graphicsStaticBasic, makeGraphicsStaticBasicPage},
        {EditorPage::imageStaticBasic, makeImageStaticBasicPage},
        {EditorPage::imageStaticBackgroundImage, makeImageStaticBackgroundPage},
        {EditorPage::windowTypeAppearanceSize, makeWindowTypePage},
        {EditorPage::windowClassData, makeWindowClassPage},
        {EditorPage::windowStyles, makeWindowStylesPage},
        {EditorPage::windowBackgroundImages, makeWindowImagesPage},
        {EditorPage::windowControls, makeWindowControlsPage},
    };
    return table;
}

} // namespace

TabPageFactory setTabPageFactory(EditorPage page, TabPageFactory factory) {
    const auto found = factories().find(page);
    const TabPageFactory previous = found == factories().end() ? nullptr : found->second;
    if (factory)
        factories()[page] = factory;
    else
        factories().erase(page);
    return previous;
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
