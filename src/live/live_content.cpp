#include "live/live_content.h"

#include "live/image_painter.h"
#include "live/live_tooltips.h"
#include "live/win32_handles.h"
#include "model/text_field.h"

namespace zim {

namespace {

PixelRect clientRectOf(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    return {client.left, client.top, client.right, client.bottom};
}

} // namespace

LiveContent::LiveContent(int windowNumber, const WorkingCopies& copies)
    : windowNumber_(windowNumber), copies_(copies) {}

ButtonControl& LiveContent::buttonRecord(int b) const {
    if (b == copies_.button && copies_.buttonCopy)
        return *copies_.buttonCopy;
    return button(windowNumber_, b);
}

StaticControl& LiveContent::staticRecord(int s) const {
    if (s == copies_.staticNumber && copies_.staticCopy)
        return *copies_.staticCopy;
    return staticControl(windowNumber_, s);
}

void LiveContent::create(HWND window, HBRUSH background) {
    window_ = window;
    brush_ = background;
    drawBackground();

    const AppWindow& record = zim::window(windowNumber_);
    std::vector<ControlTool> tools;
    staticImages_.assign(static_cast<size_t>(record.staticCount), {});
    for (int s = 1; s <= record.staticCount; ++s) {
        StaticControl& control = staticRecord(s);
        HWND live = createLiveStatic(control, windowNumber_, window, staticImages_[s - 1]);
        if (live && showsTooltip(control))
            tools.push_back({live, shown(control.description)});
    }
    buttonImages_.assign(static_cast<size_t>(record.buttonCount), {});
    for (int b = 1; b <= record.buttonCount; ++b) {
        ButtonControl& control = buttonRecord(b);
        HWND live = createLiveButton(control, windowNumber_, window, buttonImages_[b - 1]);
        if (live && showsTooltip(control))
            tools.push_back({live, shown(control.description)});
    }
    createLiveTooltips(window, tools);
}

void LiveContent::drawBackground() {
    const PixelRect client = clientRectOf(window_);
    background_.prepare(window_, {client.width(), client.height()}, brush_);
    const AppWindow& record = window(windowNumber_);
    for (int i = 1; i <= record.imageCount; ++i) {
        if (i == copies_.image && copies_.imageCopy)
            paintImage(background_.dc(), drawingOf(*copies_.imageCopy), client, true);
        else
            paintImage(background_.dc(), drawingOf(image(windowNumber_, i)), client);
    }
}

void LiveContent::redrawBackground() {
    if (window_)
        drawBackground();
}

void LiveContent::fitBackground() {
    if (!window_)
        return;
    const PixelRect client = clientRectOf(window_);
    const PixelSize drawn = background_.size();
    if (client.width() > drawn.width || client.height() > drawn.height)
        drawBackground();
}

HBRUSH LiveContent::colourStatic(HDC dc, HWND control) const {
    const AppWindow& record = window(windowNumber_);
    for (int s = 1; s <= record.staticCount; ++s) {
        const StaticControl& live = staticRecord(s);
        if (loadHandle<HWND>(live.hwnd) != control)
            continue;
        if (!live.customColours || !live.brushSlot)
            return nullptr;
        SetTextColor(dc, static_cast<COLORREF>(live.textColour));
        SetBkMode(dc, live.opaque ? OPAQUE : TRANSPARENT);
        return loadHandle<HBRUSH>(live.brushSlot);
    }
    return nullptr;
}

int LiveContent::buttonOfCommand(int id, HWND control) const {
    const AppWindow& record = window(windowNumber_);
    for (int b = 1; b <= record.buttonCount; ++b) {
        const ButtonControl& live = buttonRecord(b);
        if (live.controlId == id && loadHandle<HWND>(live.hwnd) == control)
            return b;
    }
    return 0;
}

void LiveContent::disableControls() const {
    const AppWindow& record = window(windowNumber_);
    for (int s = 1; s <= record.staticCount; ++s)
        EnableWindow(loadHandle<HWND>(staticRecord(s).hwnd), FALSE);
    for (int b = 1; b <= record.buttonCount; ++b)
        EnableWindow(loadHandle<HWND>(buttonRecord(b).hwnd), FALSE);
}

// A control goes before its font, image and brush, so it never paints with a freed one.
void LiveContent::destroy() {
    if (!window_)
        return;
    for (size_t s = 0; s < staticImages_.size(); ++s) {
        StaticControl& control = staticRecord(static_cast<int>(s) + 1);
        if (control.hwnd)
            DestroyWindow(loadHandle<HWND>(control.hwnd));
        releaseStaticResources(control, staticImages_[s]);
    }
    for (size_t b = 0; b < buttonImages_.size(); ++b) {
        ButtonControl& control = buttonRecord(static_cast<int>(b) + 1);
        if (control.hwnd)
            DestroyWindow(loadHandle<HWND>(control.hwnd));
        releaseButtonResources(control, buttonImages_[b]);
    }
    staticImages_.clear();
    buttonImages_.clear();
    background_.release();
    window_ = nullptr;
}

} // namespace zim
