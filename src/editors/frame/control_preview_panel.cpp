#include "editors/frame/control_preview_panel.h"

#include <memory>

#include "model/style_lists.h"
#include "live/win32_handles.h"
#include "shell/window_base.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

class ControlPreviewPanel : public WindowBase {
  public:
    ControlPreviewPanel(StaticControl& copy, PanelBackground background)
        : copy_(copy), background_(std::move(background)) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CTLCOLORSTATIC:
            if (copy_.customColours != 0)
                return reinterpret_cast<LRESULT>(colourStatic(reinterpret_cast<HDC>(wParam)));
            break;
        case WM_ERASEBKGND:
            if (HBRUSH brush = background_ ? background_() : nullptr) {
                RECT client;
                GetClientRect(window(), &client);
                FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
                return 1;
            }
            break;
        case WM_DESTROY:
            releaseSolidBrush();
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    // HBRUSH colourStatic(HDC dc): the brush of the copy's background kind and value, kept in
    // its brush slot; a solid brush made for an earlier paint is deleted first.
    HBRUSH colourStatic(HDC dc) {
        releaseSolidBrush();
        HBRUSH brush = nullptr;
        const ClassBrush kind = classBrush(copy_.backgroundKind, copy_.backgroundValue);
        switch (kind.type) {
        case ClassBrush::solidColour:
            brush = CreateSolidBrush(kind.value);
            solidBrush_ = brush;
            break;
        case ClassBrush::systemColourPlusOne:
            brush = GetSysColorBrush(static_cast<int>(kind.value) - 1);
            break;
        case ClassBrush::stockObject:
            brush = static_cast<HBRUSH>(GetStockObject(static_cast<int>(kind.value)));
            break;
        case ClassBrush::defaultValue:
            brush = GetSysColorBrush(COLOR_BACKGROUND); // what the default class brush paints
            break;
        }
        copy_.brushSlot = storeHandle(brush);
        SetBkMode(dc, copy_.opaque ? OPAQUE : TRANSPARENT);
        SetTextColor(dc, static_cast<COLORREF>(copy_.textColour));
        return brush;
    }

    // Only brushes this panel made are deleted; the slot never keeps a deleted one.
    void releaseSolidBrush() {
        if (!solidBrush_)
            return;
        if (copy_.brushSlot == storeHandle(solidBrush_))
            copy_.brushSlot = 0;
        DeleteObject(solidBrush_);
        solidBrush_ = nullptr;
    }

    StaticControl& copy_;
    PanelBackground background_;
    HBRUSH solidBrush_ = nullptr;
};

} // namespace

HWND createControlPreviewPanel(HWND parent, const LayoutBox& box, StaticControl& copy,
                               PanelBackground background) {
    return createWindow(
        std::make_unique<ControlPreviewPanel>(copy, std::move(background)),
        {controlPreviewClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, box, parent});
}

} // namespace zim
