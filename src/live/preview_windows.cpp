#include "live/preview_windows.h"

#include <memory>

#include "live/button_actions.h"
#include "live/live_brushes.h"
#include "live/live_classes.h"
#include "live/live_content.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "live/window_base.h"
#include "model/text_field.h"

namespace zim {

namespace {

// What every live window of the designed application does, whatever its kind.
class PreviewBehaviour {
  public:
    PreviewBehaviour(int w, bool dialog) : content_(w), dialog_(dialog) {}

    int windowNumber() const { return content_.windowNumber(); }

    // WM_CREATE and WM_INITDIALOG.
    void open(HWND window, HBRUSH background) {
        window_ = window;
        zim::window(windowNumber()).hwnd = storeHandle(window);
        content_.create(window, background);
        SetPropA(window, dialog_ ? dialogProperty : windowProperty,
                 reinterpret_cast<HANDLE>(static_cast<INT_PTR>(windowNumber())));
    }

    void paint() const {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        content_.paint(dc, paint.rcPaint);
        EndPaint(window_, &paint);
    }

    HBRUSH colourStatic(HDC dc, HWND control) const { return content_.colourStatic(dc, control); }

    void fitBackground() { content_.fitBackground(); }

    // WM_COMMAND: a click on a button does its action. The action may close the window, so
    // nothing of this object is used after it.
    void command(WPARAM wParam, LPARAM lParam) const {
        if (HIWORD(wParam) != BN_CLICKED)
            return;
        const int b = content_.buttonOfCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        if (b != 0)
            runButtonAction(window_, windowNumber(), b, content_.buttonRecord(b).action, dialog_);
    }

    // WM_DESTROY: whichever way the window goes, its controls and background go with it.
    void close() {
        content_.destroy();
        RemovePropA(window_, dialog_ ? dialogProperty : windowProperty);
        zim::window(windowNumber()).hwnd = 0;
        designedWindowClosed(windowNumber());
    }

  private:
    LiveContent content_;
    bool dialog_;
    HWND window_ = nullptr;
};

class PreviewWindow : public WindowBase {
  public:
    PreviewWindow(int w, std::string className) : behaviour_(w, false), className_(className) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            behaviour_.open(window(), liveClassBrush(className_));
            return 0;
        case WM_ERASEBKGND:
            return 1; // the background is copied whole on WM_PAINT
        case WM_PAINT:
            behaviour_.paint();
            return 0;
        case WM_SIZE:
            behaviour_.fitBackground();
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = behaviour_.colourStatic(reinterpret_cast<HDC>(wParam),
                                                       reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_COMMAND:
            behaviour_.command(wParam, lParam);
            return 0;
        case WM_DESTROY:
            behaviour_.close();
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    PreviewBehaviour behaviour_;
    std::string className_;
};

class PreviewDialog;

// The dialog object whose dialog has not reached WM_INITDIALOG yet: until then its creator
// still owns it.
PreviewDialog* unattachedDialog = nullptr;

// A designed dialog's object, handed over as the dialog's parameter and kept in DWLP_USER
// until WM_NCDESTROY.
class PreviewDialog {
  public:
    PreviewDialog(int w, bool modal, const WindowPlacement& place)
        : behaviour_(w, true), modal_(modal), place_(place) {
        const AppWindow& record = window(w);
        brush_ = drawingBrushOf(record.backgroundKind, record.backgroundValue);
    }
    ~PreviewDialog() { releaseBrush(brush_); }

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<PreviewDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<PreviewDialog*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            if (unattachedDialog == self)
                unattachedDialog = nullptr;
        }
        if (!self)
            return FALSE;
        const INT_PTR result = self->handle(dialog, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(dialog, DWLP_USER, 0);
            delete self;
        }
        return result;
    }

  private:
    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_INITDIALOG:
            moveToPlace(dialog);
            behaviour_.open(dialog, brush_.handle ? brush_.handle : GetSysColorBrush(COLOR_3DFACE));
            return TRUE;
        case WM_ERASEBKGND:
            SetWindowLongPtrA(dialog, DWLP_MSGRESULT, 1);
            return TRUE;
        case WM_PAINT:
            behaviour_.paint();
            return TRUE;
        case WM_SIZE:
            behaviour_.fitBackground();
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(behaviour_.colourStatic(
                reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(brush_.handle);
        case WM_COMMAND:
            behaviour_.command(wParam, lParam);
            return TRUE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != SC_CLOSE)
                return FALSE;
            if (modal_)
                EndDialog(dialog, 0);
            else
                DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            behaviour_.close();
            return TRUE;
        }
        return FALSE;
    }

    // The template's dialog units only approximate the pixels; the dialog takes its exact
    // rectangle (or, at the system's default place, its exact size).
    void moveToPlace(HWND dialog) const {
        const PixelRect& r = place_.rect;
        const UINT keep = place_.systemDefault ? SWP_NOMOVE : 0;
        SetWindowPos(dialog, nullptr, r.left, r.top, r.width(), r.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | keep);
    }

    PreviewBehaviour behaviour_;
    bool modal_;
    WindowPlacement place_;
    LiveBrush brush_;
};

HINSTANCE programModule() {
    return GetModuleHandleA(nullptr);
}

// Shown animated when asked and possible, otherwise at once.
void showWindow(HWND window, DWORD animation) {
    if (animation == 0 || !AnimateWindow(window, animation, animateFlags))
        ShowWindow(window, SW_SHOW);
}

} // namespace

HWND createPreviewWindow(int w, const std::string& className, DWORD style, DWORD extendedStyle,
                         const WindowPlacement& place, HWND owner, DWORD animation) {
    const PixelRect& r = place.rect;
    // An animated window is shown by the animation, so it starts hidden.
    const DWORD createdStyle = animation ? style & ~static_cast<DWORD>(WS_VISIBLE) : style;
    WindowCreation creation{
        className.c_str(), "",         createdStyle, r.left,        r.top,
        r.width(),         r.height(), owner,        extendedStyle, programModule()};
    const std::string title = shown(window(w).title);
    creation.title = title.c_str();
    if (place.systemDefault) {
        creation.x = CW_USEDEFAULT;
        creation.y = CW_USEDEFAULT;
    }
    HWND created = createObjectWindow(std::make_unique<PreviewWindow>(w, className), creation);
    if (!created)
        return nullptr;
    showWindow(created, animation);
    InvalidateRect(created, nullptr, TRUE);
    return created;
}

// Runs `create` with a new dialog object for window w; deletes the object when no dialog ever
// took it.
template <class Create>
auto withDialogObject(int w, bool modal, const WindowPlacement& place, Create create) {
    auto* object = new PreviewDialog(w, modal, place);
    PreviewDialog* const outer = unattachedDialog;
    unattachedDialog = object;
    const auto result = create(reinterpret_cast<LPARAM>(object));
    if (unattachedDialog == object)
        delete object;
    unattachedDialog = outer;
    return result;
}

HWND createPreviewDialog(int w, const DialogFrame& frame, HWND owner, const WindowPlacement& place,
                         DWORD animation) {
    return withDialogObject(w, false, place, [&](LPARAM object) {
        return createModelessDialog(programModule(), owner, frame, PreviewDialog::procedure, object,
                                    animation);
    });
}

void runPreviewDialog(int w, const DialogFrame& frame, HWND owner, const WindowPlacement& place) {
    withDialogObject(w, true, place, [&](LPARAM object) {
        return runModalDialog(programModule(), owner, frame, PreviewDialog::procedure, object);
    });
}

} // namespace zim
