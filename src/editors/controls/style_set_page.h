// The style-set page: a tab page of option groups (style sets of the working copy, type or
// action radios, ...) with a title and a live preview of the control. Every option writes the
// working copy at once; after each change the page refreshes every check mark and rebuilds
// the preview, so rules that reach across groups (a type that enables the initial state) show
// at once.
//
// A page is one subclass: it places its preview and adds its groups (OptionGroups::add with
// the rules of each group: StyleSetToggles for a plain style set over a value list, the
// control's own rules for the rest). A page with fields of its own (edits, image commands) adds
// them with ownControls, loads them in loadOwnControls and takes their commands in
// onOwnCommand.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "editors/controls/option_groups.h"
#include "editors/frame/page_base.h"

namespace zim {

// The live preview of a page: made once in its box, rebuilt from the working copy after each
// change, and the colours of its controls.
class PagePreview {
  public:
    virtual ~PagePreview() = default;
    virtual void create(HWND page, const LayoutBox& box) = 0;
    virtual void rebuild() = 0;
    // WM_CTLCOLORSTATIC of a control of the preview; null for other controls.
    virtual HBRUSH colour(HDC /*dc*/, HWND /*control*/) { return nullptr; }
};

class StyleSetPage : public PageBase {
  public:
    void loadControls() final;
    // Every option writes the working copy as it changes; a page whose own fields wait for
    // the frame's store step overrides this.
    void storeControls() override {}

  protected:
    StyleSetPage(const char* title, std::unique_ptr<PagePreview> preview);

    // The preview's box in a page of width x height.
    virtual LayoutBox previewBox(int width, int height) const = 0;
    // Adds the page's option groups.
    virtual void addOptionGroups(OptionGroups& groups, int width, int height) = 0;

    // A page's own controls besides title, preview and option groups, and their handling.
    virtual std::vector<ControlDescription> ownControls(int /*width*/, int /*height*/) const {
        return {};
    }
    // After the marks and the preview were shown.
    virtual void loadOwnControls() {}
    virtual void onOwnCommand(int /*id*/, int /*code*/, HWND /*control*/) {}
    // After option `id` changed the working copy and the preview was rebuilt.
    virtual void afterOptionChange(int /*id*/) {}
    // After enableControls() enabled or disabled everything: own controls that stay disabled.
    virtual void enableOwnControls(bool /*enabled*/) {}

    // Marks and preview from the working copy, after a change the page made itself.
    void showChange();
    PagePreview& preview() { return *preview_; }
    bool editing() const { return editing_; }

  private:
    std::vector<ControlDescription> controls(int width, int height) const final;
    void onInit() final;
    void onEnableControls(bool enabled) final;
    void onCommand(int id, int code, HWND control) final;
    HBRUSH onControlColour(HDC dc, HWND control) final;

    const char* title_;
    std::unique_ptr<PagePreview> preview_;
    OptionGroups groups_;
    bool editing_ = false;
};

} // namespace zim
