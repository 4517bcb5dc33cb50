#include "editors/controls/static_colour_prompts.h"

#include "editors/controls/static_colour_selection.h"
#include "editors/frame/page_message_box.h"
#include "shell/selection_state.h"
#include "shell/stock_brush_dialog.h"
#include "shell/system_colour_dialog.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

class PageColourPrompts : public StaticColourPrompts {
  public:
    PageColourPrompts(HWND anchor, HWND frame, HMENU menu)
        : anchor_(anchor), frame_(frame), menu_(menu) {}

    int colourMenu() override {
        if (!menu_)
            return 0;
        RECT button;
        GetWindowRect(anchor_, &button);
        return static_cast<int>(TrackPopupMenu(menu_, TPM_CENTERALIGN | TPM_RETURNCMD,
                                               (button.left + button.right) / 2, button.bottom, 0,
                                               anchor_, nullptr));
    }

    bool pickColour(uint32_t start, uint32_t& chosen) override {
        const int colour = chooseColour(owner(), static_cast<int>(start));
        if (colour < 0)
            return false;
        chosen = static_cast<uint32_t>(colour);
        return true;
    }

    // The lists work on the shared pending background, titled as the page asks.
    int systemColour(const std::string&, int32_t kind, int32_t value) override {
        return runList(kind, value, runSystemColourDialog);
    }

    int stockBrush(const std::string&, int32_t kind, int32_t value) override {
        return runList(kind, value, runStockBrushDialog);
    }

    int show(const PageMessage& message) override { return showPageMessage(frame_, message); }

  private:
    HWND owner() const { return GetAncestor(anchor_, GA_ROOT); }

    int runList(int32_t kind, int32_t value, int (*dialog)(HWND)) {
        pendingBackgroundKind = kind;
        pendingBackgroundValue = value;
        return dialog(owner()) == 1 ? pendingBackgroundValue : 0;
    }

    HWND anchor_;
    HWND frame_;
    HMENU menu_;
};

} // namespace

bool runTextColourSelection(StaticControl& copy, HWND anchor, HWND frame) {
    PageColourPrompts prompts(anchor, frame, nullptr);
    return selectTextColour(copy, prompts);
}

bool runBackgroundColourSelection(StaticControl& copy, HWND anchor, HWND frame, HMENU colourMenu) {
    PageColourPrompts prompts(anchor, frame, colourMenu);
    return selectBackgroundColour(copy, prompts);
}

} // namespace zim
