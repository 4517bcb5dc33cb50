#include "editors/frame/control_kind_header.h"

#include <string>
#include <vector>

#include "editors/frame/command_buttons.h"
#include "editors/frame/frame_layout.h"
#include "editors/frame/kind_selector.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/tab_pages.h"
#include "shell/control_toolkit.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

enum ControlKindHeaderControl : int {
    tabControlId = 43,
};

constexpr DWORD tabControlStyle =
    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP | TCS_TOOLTIPS | TCS_HOTTRACK;
constexpr DWORD tabTooltipStyle = WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON;
constexpr int tabTooltipWidth = 200;
constexpr COLORREF tabTooltipColour = RGB(160, 160, 255);

std::wstring widened(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    return wide;
}

class ControlKindHeader : public ObjectEditor {
  public:
    explicit ControlKindHeader(ParametersFrame& frame) : frame_(frame) {}

    void build() override {
        HWND parent = frame_.window();
        RECT client;
        GetClientRect(parent, &client);
        createHeader(client);
        buildTabs();
        CreateCommandButtons(parent, client, commandButtonMargin);
        showKindRadios();
        frame_.applyEnabling();
    }

    void onCommand(int id, int code, HWND) override {
        switch (id) {
        case editParametersCommand:
            session().edit();
            break;
        case restoreParametersCommand:
            if (session().restore() == StepResult::tabsReset) {
                buildTabs();
                showKindRadios();
            }
            break;
        case saveParametersCommand:
            storePageEdits();
            session().save();
            break;
        default:
            if (!isKindRadio(id) || code != BN_CLICKED)
                return;
            storePageEdits();
            if (session().chooseKind(id) == StepResult::tabsReset)
                buildTabs();
            showKindRadios(); // also after a click on the kind already chosen
            break;
        }
        frame_.applyEnabling();
    }

    std::optional<LRESULT> onNotify(const NMHDR& header) override {
        if (header.hwndFrom == tabControl_ && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
            storePageEdits();
            showTab(static_cast<int>(SendMessageA(tabControl_, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        if (tooltips_ && header.hwndFrom == tooltips_) {
            const int position = static_cast<int>(header.idFrom);
            if (header.code == TTN_GETDISPINFOA) {
                auto& request =
                    const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
                request.hinst = nullptr;
                request.lpszText = const_cast<char*>(session().tabTooltip(position));
                return 0;
            }
            // The tab control's tooltips may ask in Unicode, as the tab control itself does.
            if (header.code == TTN_GETDISPINFOW) {
                auto& request =
                    const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
                wideTooltip_ = widened(session().tabTooltip(position));
                request.hinst = nullptr;
                request.lpszText = wideTooltip_.data();
                return 0;
            }
        }
        return std::nullopt;
    }

    // The tab control opens only for editing, and with it the page's controls.
    void applyEnabling(const FrameEnabling& enabling) override {
        EnableWindow(tabControl_, enabling.tabControl);
        if (PageBase* page = PageBase::pageOf(page_))
            page->enableControls(enabling.page);
    }

    HWND tabPage() const override { return page_; }

  private:
    EditingSession& session() { return frame_.session(); }

    bool isKindRadio(int id) {
        for (const KindRadio& radio : session().kindRadios())
            if (radio.id == id)
                return true;
        return false;
    }

    void createHeader(const RECT& client) {
        const KindHeaderLayout layout = kindHeaderLayout(client.right, client.bottom);
        const bool button = session().selection().kind == objectButton;
        std::vector<ControlDescription> rows = {
            {"STATIC", "", SS_ETCHEDFRAME, layout.frame, 0, ControlFont::none},
            {"STATIC", button ? buttonKindHeading() : staticKindHeading(), SS_CENTER,
             layout.heading, 0, ControlFont::heading},
        };
        const std::vector<KindRadio> radios = session().kindRadios();
        for (std::size_t k = 0; k < radios.size() && k < layout.radios.size(); ++k)
            rows.push_back({"BUTTON", radios[k].text, BS_AUTORADIOBUTTON | WS_TABSTOP,
                            layout.radios[k], radios[k].id, ControlFont::labelBold});
        rows.push_back({WC_TABCONTROLA, "", tabControlStyle, layout.tabControl, tabControlId,
                        ControlFont::none, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE});
        tabControl_ = createControls(frame_.window(), rows).back();
        styleTabTooltips();
    }

    void styleTabTooltips() {
        tooltips_ = reinterpret_cast<HWND>(SendMessageA(tabControl_, TCM_GETTOOLTIPS, 0, 0));
        if (!tooltips_)
            return;
        SetWindowLongPtrA(tooltips_, GWL_STYLE, tabTooltipStyle);
        SetWindowLongPtrA(tooltips_, GWL_EXSTYLE, 0);
        SendMessageA(tooltips_, TTM_SETMAXTIPWIDTH, 0, tabTooltipWidth);
        SendMessageA(tooltips_, TTM_SETTIPBKCOLOR, tabTooltipColour, 0);
    }

    // The tabs of the working copy's kind, and the page of the first one.
    void buildTabs() {
        destroyPage();
        SendMessageA(tabControl_, TCM_DELETEALLITEMS, 0, 0);
        const std::vector<EditorTab> tabs = session().tabs();
        for (std::size_t position = 0; position < tabs.size(); ++position) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = const_cast<char*>(tabs[position].caption);
            item.lParam = static_cast<LPARAM>(position);
            SendMessageA(tabControl_, TCM_INSERTITEMA, position, reinterpret_cast<LPARAM>(&item));
        }
        if (tabs.empty())
            return;
        SendMessageA(tabControl_, WM_SETFONT, reinterpret_cast<WPARAM>(fontControl), TRUE);
        pageArea_ = pageRectangle();
        SendMessageA(tabControl_, TCM_SETCURSEL, 0, 0);
        SendMessageA(tabControl_, TCM_SETCURFOCUS, 0, 0);
        showTab(0);
    }

    // Inside the tab control's display area, in its client coordinates.
    LayoutBox pageRectangle() const {
        RECT display;
        GetWindowRect(tabControl_, &display);
        SendMessageA(tabControl_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
        RECT client;
        GetClientRect(tabControl_, &client);
        return tabPageRectangle(client.right, client.bottom, display.top, display.bottom);
    }

    void showTab(int position) {
        const std::optional<EditorPage> shown = session().showTab(position);
        if (!shown)
            return;
        destroyPage();
        if (std::unique_ptr<PageBase> page = makeTabPage(*shown, frame_))
            page_ = createPage(std::move(page), tabControl_, pageArea_);
        if (PageBase* page = PageBase::pageOf(page_))
            page->enableControls(session().enabling().page);
    }

    void destroyPage() {
        if (page_)
            DestroyWindow(page_);
        page_ = nullptr;
    }

    // What the user typed on the page reaches the working copy before the page goes or the
    // copy is saved; a page in view state shows the copy and has nothing to add.
    void storePageEdits() {
        if (session().state() != EditorState::edit)
            return;
        if (PageBase* page = PageBase::pageOf(page_))
            page->storeControls();
    }

    void showKindRadios() {
        for (const KindRadio& radio : session().kindRadios()) {
            setChecked(frame_.window(), radio.id, radio.checked);
            enable(frame_.window(), {radio.id}, radio.enabled);
        }
    }

    ParametersFrame& frame_;
    HWND tabControl_ = nullptr;
    HWND tooltips_ = nullptr;
    HWND page_ = nullptr;
    LayoutBox pageArea_{};
    std::wstring wideTooltip_;
};

} // namespace

std::unique_ptr<ObjectEditor> makeControlKindHeader(ParametersFrame& frame) {
    return std::make_unique<ControlKindHeader>(frame);
}

} // namespace zim
