#include "editors/window/window_header.h"

#include <string>
#include <vector>

#include "editors/frame/frame_layout.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/tab_pages.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

constexpr DWORD tabControlStyle =
    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | TCS_TOOLTIPS | TCS_HOTTRACK;
constexpr DWORD tabTooltipStyle = WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON;
constexpr int tabTooltipWidth = 220;
constexpr COLORREF tabTooltipColour = RGB(160, 160, 255);
constexpr int titleLimit = static_cast<int>(sizeof(AppWindow::title));

// The header in the frame's client area of width x height: the frame draws its title above.
std::vector<ControlDescription> headerControls(int width, int height) {
    return {
        {"STATIC",
         "Standard Parameters",
         SS_CENTER,
         {10, 38, width - 20, 24},
         0,
         ControlFont::heading},
        {"STATIC",
         " Window Title : ",
         SS_LEFT | SS_CENTERIMAGE,
         {20, 68, 120, 22},
         0,
         ControlFont::labelBold},
        {"EDIT",
         "",
         ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
         {145, 68, width - 165, 22},
         windowTitleEdit,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
        {"STATIC",
         "Miscellaneous Parameters",
         SS_CENTER,
         {10, 98, width - 20, 24},
         0,
         ControlFont::heading},
        {WC_TABCONTROLA,
         "",
         tabControlStyle,
         {10, 126, width - 20, height - 134},
         windowTabControl,
         ControlFont::control,
         WS_EX_STATICEDGE | WS_EX_CLIENTEDGE},
    };
}

std::wstring widened(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return wide;
}

class WindowHeader : public ObjectEditor {
  public:
    explicit WindowHeader(ParametersFrame& frame) : frame_(frame) {}

    void build() override {
        HWND parent = frame_.window();
        RECT client;
        GetClientRect(parent, &client);
        const std::vector<HWND> controls =
            createControls(parent, headerControls(client.right, client.bottom));
        tabControl_ = controls.back();
        SendMessageA(controls[2], EM_LIMITTEXT, titleLimit, 0);
        setText(parent, windowTitleEdit, shown(window(session().selection().window).title));
        styleTabTooltips();
        buildTabs();
        frame_.applyEnabling();
    }

    std::optional<LRESULT> onNotify(const NMHDR& header) override {
        if (header.hwndFrom == tabControl_ && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
            showTab(static_cast<int>(SendMessageA(tabControl_, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        if (tooltips_ && header.hwndFrom == tooltips_)
            return answerTooltip(header);
        return std::nullopt;
    }

    // The tabs stay still while a page is in edit state; the title edit opens with the first
    // page's fields, whose Save stores it.
    void applyEnabling(const FrameEnabling& enabling) override {
        EnableWindow(tabControl_, enabling.tabControl);
        EnableWindow(GetDlgItem(frame_.window(), windowTitleEdit), enabling.windowTitle);
        if (PageBase* page = PageBase::pageOf(page_))
            page->enableControls(enabling.page);
    }

    HWND tabPage() const override { return page_; }

  private:
    EditingSession& session() { return frame_.session(); }

    void styleTabTooltips() {
        tooltips_ = reinterpret_cast<HWND>(SendMessageA(tabControl_, TCM_GETTOOLTIPS, 0, 0));
        if (!tooltips_)
            return;
        SetWindowLongPtrA(tooltips_, GWL_STYLE, tabTooltipStyle);
        SetWindowLongPtrA(tooltips_, GWL_EXSTYLE, 0);
        SendMessageA(tooltips_, TTM_SETMAXTIPWIDTH, 0, tabTooltipWidth);
        SendMessageA(tooltips_, TTM_SETTIPBKCOLOR, tabTooltipColour, 0);
    }

    // The tab control's tooltips may ask in Unicode, as the tab control itself does.
    std::optional<LRESULT> answerTooltip(const NMHDR& header) {
        const char* text = session().tabTooltip(static_cast<int>(header.idFrom));
        if (header.code == TTN_GETDISPINFOA) {
            auto& request =
                const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
            request.hinst = nullptr;
            request.lpszText = const_cast<char*>(text);
            return 0;
        }
        if (header.code == TTN_GETDISPINFOW) {
            auto& request =
                const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
            wideTooltip_ = widened(text);
            request.hinst = nullptr;
            request.lpszText = wideTooltip_.data();
            return 0;
        }
        return std::nullopt;
    }

    void buildTabs() {
        const std::vector<EditorTab> tabs = session().tabs();
        for (std::size_t position = 0; position < tabs.size(); ++position) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = const_cast<char*>(tabs[position].caption);
            item.lParam = static_cast<LPARAM>(position);
            SendMessageA(tabControl_, TCM_INSERTITEMA, position, reinterpret_cast<LPARAM>(&item));
        }
        pageArea_ = pageRectangle();
        SendMessageA(tabControl_, TCM_SETCURSEL, 0, 0);
        SendMessageA(tabControl_, TCM_SETCURFOCUS, 0, 0);
        showTab(0);
    }

    // Inside the tab control's display area, in the frame's client coordinates.
    LayoutBox pageRectangle() const {
        RECT display;
        GetWindowRect(tabControl_, &display);
        SendMessageA(tabControl_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        RECT client;
        GetClientRect(tabControl_, &client);
        LayoutBox box = tabPageRectangle(client.right, client.bottom, display.top, display.bottom);
        POINT corner{box.left, box.top};
        MapWindowPoints(tabControl_, frame_.window(), &corner, 1);
        box.left = corner.x;
        box.top = corner.y;
        return box;
    }

    // A tab change in edit state is refused by the session (the page's working copy would be
    // lost); the tab control then shows the page's own tab again.
    void showTab(int position) {
        const std::optional<EditorPage> shown = session().showTab(position);
        if (!shown) {
            SendMessageA(tabControl_, TCM_SETCURSEL, session().currentTab(), 0);
            return;
        }
        if (page_)
            DestroyWindow(page_);
        page_ = nullptr;
        // The page lies over the tab control as its sibling: the tab control is disabled while
        // the page is in edit state, and a disabled parent would take the page's keyboard
        // focus and mouse input with it.
        if (std::unique_ptr<PageBase> page = makeTabPage(*shown, frame_))
            page_ = createPage(std::move(page), frame_.window(), pageArea_);
        if (page_)
            SetWindowPos(page_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        frame_.applyEnabling();
    }

    ParametersFrame& frame_;
    HWND tabControl_ = nullptr;
    HWND tooltips_ = nullptr;
    HWND page_ = nullptr;
    LayoutBox pageArea_{};
    std::wstring wideTooltip_;
};

} // namespace

std::unique_ptr<ObjectEditor> makeWindowHeader(ParametersFrame& frame) {
    return std::make_unique<WindowHeader>(frame);
}

} // namespace zim
