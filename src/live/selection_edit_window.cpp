#include "live/selection_edit_window.h"

#include <windowsx.h>

#include <optional>

#include "live/button_subclass.h"
#include "live/edit_drag.h"
#include "live/edit_window_frame.h"
#include "live/image_drawing.h"
#include "live/image_placement.h"
#include "live/live_classes.h"
#include "live/live_images.h"
#include "live/preview_windows.h"
#include "live/win32_handles.h"

namespace zim {

namespace {

RECT rectOf(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

PixelRect pixelRectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

PixelRect unionOf(const PixelRect& a, const PixelRect& b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

HCURSOR cursorOf(DragCursor cursor) {
    switch (cursor) {
    case DragCursor::sizeWE:
        return LoadCursorA(nullptr, IDC_SIZEWE);
    case DragCursor::sizeNS:
        return LoadCursorA(nullptr, IDC_SIZENS);
    case DragCursor::sizeAll:
        return LoadCursorA(nullptr, IDC_SIZEALL);
    default:
        return LoadCursorA(nullptr, IDC_ARROW);
    }
}

std::optional<EditKey> editKeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        return EditKey::left;
    case VK_RIGHT:
        return EditKey::right;
    case VK_UP:
        return EditKey::up;
    case VK_DOWN:
        return EditKey::down;
    default:
        return std::nullopt;
    }
}

// Where the image stands now in a client area: its placement with its bitmap's size.
PixelRect currentImageArea(const BackgroundImage& image, const PixelRect& client) {
    const ImageDrawing drawing = drawingOf(image);
    HBITMAP bitmap = loadLiveBitmap(drawing.bitmapName, imagesFromResources(drawing.fromResource));
    const PixelSize size = bitmapSize(bitmap);
    if (bitmap)
        DeleteObject(bitmap);
    return imageAreaIn(drawing, size, client);
}

class SelectionEditWindow : public WindowBase {
  public:
    SelectionEditWindow(int w, EditTarget target, const WorkingCopies& copies)
        : windowNumber_(w), target_(target), copies_(copies), content_(w, copies) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) {
            onCreate();
            return 0;
        }
        if (!drag_)
            return WindowBase::handleMessage(message, wParam, lParam);
        switch (message) {
        case WM_ERASEBKGND:
            return 1; // the background is copied whole on WM_PAINT
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT && reinterpret_cast<HWND>(wParam) == window())
                break;
            SetCursor(cursorOf(pointerCursor()));
            return TRUE;
        case WM_MOUSEMOVE:
            onMouseMove(pointOf(lParam));
            return 0;
        case WM_LBUTTONDOWN:
            onButtonDown(pointOf(lParam));
            return 0;
        case WM_LBUTTONUP:
            onButtonUp(pointOf(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window())
                cancelDrag();
            return 0;
        case WM_KEYDOWN:
            onKey(wParam);
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = content_.colourStatic(reinterpret_cast<HDC>(wParam),
                                                     reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_DESTROY:
            onDestroy();
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    static PixelPoint pointOf(LPARAM lParam) {
        return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    }

    PixelRect clientRect() const {
        RECT client;
        GetClientRect(window(), &client);
        return pixelRectOf(client);
    }

    // The rectangle the working copy holds, as the edit window places it.
    PixelRect placedOfCopy() {
        switch (target_) {
        case EditTarget::button:
            return placedRectOf(*copies_.buttonCopy);
        case EditTarget::imageArea: {
            // The area starts where the image stands now; from here on the copy holds it.
            const PixelRect area = currentImageArea(*copies_.imageCopy, clientRect());
            storeDrawingArea(area, *copies_.imageCopy);
            return area;
        }
        default:
            return placedRectOf(*copies_.staticCopy);
        }
    }

    void onCreate() {
        zim::window(windowNumber_).hwnd = storeHandle(window());
        SetPropA(window(), windowProperty,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(windowNumber_)));
        dc_ = GetDC(window());
        drag_.emplace(target_, placedOfCopy());
        content_.create(window(), liveClassBrush(editWindowClassName));
        content_.disableControls();
        for (int b = 1; b <= zim::window(windowNumber_).buttonCount; ++b)
            if (HWND live = loadHandle<HWND>(content_.buttonRecord(b).hwnd))
                subclassButton(live, windowNumber_, b);
    }

    // The focus rectangle runs just outside the selection, where the control it surrounds
    // does not paint over it.
    RECT focusRectOf(const PixelRect& selection) const { return rectOf(inflateRect(selection, 1)); }

    void drawFocus() const {
        const RECT focus = focusRectOf(drag_->selection());
        DrawFocusRect(dc_, &focus);
    }

    void onPaint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        content_.paint(dc, paint.rcPaint);
        const RECT focus = focusRectOf(drag_->selection());
        DrawFocusRect(dc, &focus);
        EndPaint(window(), &paint);
    }

    DragCursor pointerCursor() {
        if (!drag_->dragging()) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(window(), &p);
            drag_->hover({p.x, p.y});
        }
        return drag_->cursor();
    }

    void onMouseMove(PixelPoint p) {
        if (!drag_->dragging()) {
            drag_->hover(p);
            return;
        }
        // DrawFocusRect is its own inverse: drawn again at the old place it is gone.
        drawFocus();
        drag_->dragTo(p);
        drawFocus();
    }

    // The pointer is kept in the client area while the drag lasts and put onto the grip.
    void onButtonDown(PixelPoint p) {
        const std::optional<PixelPoint> grip = drag_->press(p);
        if (!grip)
            return;
        SetCapture(window());
        RECT client = rectOf(clientRect());
        MapWindowPoints(window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
        ClipCursor(&client);
        POINT onGrip{grip->x, grip->y};
        ClientToScreen(window(), &onGrip);
        SetCursorPos(onGrip.x, onGrip.y);
        SetCursor(cursorOf(drag_->cursor()));
    }

    void onButtonUp(PixelPoint p) {
        if (!drag_->dragging())
            return;
        const PixelRect before = drag_->selection();
        drawFocus();
        const PixelRect placedBefore = drag_->placed();
        if (drag_->release(p))
            applyPlaced(unionOf(before, selectionFor(target_, placedBefore)));
        else
            drawFocus();
        endDrag();
    }

    void cancelDrag() {
        if (!drag_->dragging())
            return;
        drawFocus();
        drag_->cancel();
        drawFocus();
        endDrag();
    }

    void endDrag() {
        ClipCursor(nullptr);
        if (GetCapture() == window())
            ReleaseCapture();
    }

    void onKey(WPARAM key) {
        if (key == VK_ESCAPE) {
            cancelDrag();
            return;
        }
        const std::optional<EditKey> editKey = editKeyOf(key);
        if (!editKey)
            return;
        const PixelRect before = drag_->selection();
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        if (drag_->nudge(*editKey, shift))
            applyPlaced(before);
    }

    // The working copy takes the placed rectangle; the live control moves to it (an image
    // is drawn again there) and the area around the old and new selection is painted again,
    // focus rectangle included. `old` is the area the old selection covered.
    void applyPlaced(const PixelRect& old) {
        const PixelRect placed = drag_->placed();
        switch (target_) {
        case EditTarget::button:
            storePlacedRect(placed, *copies_.buttonCopy);
            moveLiveControl(copies_.buttonCopy->hwnd);
            break;
        case EditTarget::imageArea:
            storeDrawingArea(placed, *copies_.imageCopy);
            content_.redrawBackground();
            break;
        default:
            storePlacedRect(placed, *copies_.staticCopy);
            moveLiveControl(copies_.staticCopy->hwnd);
            break;
        }
        // The focus rectangle lies one pixel outside, an image's frame one pixel outside too.
        const RECT repaint = rectOf(inflateRect(unionOf(old, drag_->selection()), 2));
        InvalidateRect(window(), &repaint, FALSE);
    }

    void moveLiveControl(int32_t slot) const {
        const PixelRect live = drag_->liveRect();
        MoveWindow(loadHandle<HWND>(slot), live.left, live.top, live.width(), live.height(), TRUE);
    }

    void onDestroy() {
        endDrag();
        content_.destroy();
        ReleaseDC(window(), dc_);
        RemovePropA(window(), windowProperty);
        zim::window(windowNumber_).hwnd = 0;
        editWindowClosed(window());
    }

    int windowNumber_;
    EditTarget target_;
    WorkingCopies copies_;
    LiveContent content_;
    HDC dc_ = nullptr;
    std::optional<EditDrag> drag_; // from WM_CREATE on
};

} // namespace

std::unique_ptr<WindowBase> makeSelectionEditWindow(int w, EditTarget target,
                                                    const WorkingCopies& copies) {
    return std::make_unique<SelectionEditWindow>(w, target, copies);
}

} // namespace zim
