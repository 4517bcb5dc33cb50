#include "editors/frame/parameters_frame.h"

#include "editors/frame/background_image_page.h"
#include "editors/frame/command_buttons.h"
#include "editors/frame/control_kind_header.h"
#include "editors/frame/page_base.h"
#include "editors/frame/program_page.h"
#include "editors/frame/wallpaper_page.h"
#include "editors/window/window_header.h"
#include "model/program_state.h"
#include "model/project.h"
#include "shell/message_loop.h"
#include "shell/shell_state.h"
#include "shell/structure_pane.h"
#include "shell/structure_pane_layout.h"
#include "shell/window_classes.h"

namespace zim {

HWND parametersWindow = nullptr;

namespace {

constexpr DWORD parametersStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD parametersExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
static_assert(parametersExtendedStyle == 0x20201, "the parameters window's extended style");

constexpr COLORREF titleColour = RGB(15, 15, 15);
constexpr int titleTop = 5;

ParametersFrame* openFrame = nullptr;

// The editor of each object kind. A background image is the wallpaper's or a window's.
std::unique_ptr<ObjectEditor> editorFor(const ObjectSelection& selection, ParametersFrame& frame) {
    switch (selection.kind) {
    case objectProgram:
        return makeProgramPage(frame);
    case objectWallpaper:
        return makeWallpaperPage(frame);
    case objectBackgroundImage:
        if (std::optional<EditedImage> image = editedImageOf(project(), selection))
            return makeBackgroundImagePage(frame, *image);
        return nullptr;
    case objectButton:
    case objectStatic:
        return makeControlKindHeader(frame);
    case objectWindow:
    case objectDialog:
        return makeWindowHeader(frame);
    default:
        return nullptr;
    }
}

bool routeFrameKeys(MSG& message) {
    ParametersFrame* frame = ParametersFrame::current();
    return frame && frame->routeKeyboard(message);
}

SessionTargets sessionTargets() {
    return {project(), buttonWorkCopy, staticWorkCopy, projectUnsaved};
}

} // namespace

ParametersFrame::ParametersFrame(const ObjectSelection& selection)
    : selection_(selection), session_(sessionTargets()) {}

ParametersFrame::~ParametersFrame() = default;

ParametersFrame* ParametersFrame::current() {
    return openFrame;
}

LRESULT ParametersFrame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_COMMAND:
        // void onCommand(int id, int code, HWND control). The editor may replace this frame
        // (a rebuilt structure tree opens a new one), so nothing here follows the call.
        if (editor_)
            editor_->onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY:
        // LRESULT onNotify(const NMHDR& header)
        if (editor_)
            if (auto answer = editor_->onNotify(*reinterpret_cast<const NMHDR*>(lParam)))
                return *answer;
        break;
    case WM_CTLCOLORSTATIC:
        // HBRUSH onControlColour(HDC dc, HWND control)
        if (editor_)
            if (auto brush = editor_->onControlColour(reinterpret_cast<HDC>(wParam),
                                                      reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(*brush);
        break;
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

void ParametersFrame::onCreate() {
    openFrame = this;
    pageBrushes_ = {};
    // Opening an object marks the project unsaved, whatever the object.
    if (session_.open(selection_)) {
        editor_ = editorFor(selection_, *this);
        if (editor_)
            editor_->build();
    }
    menus_ = createFrameMenus();
    setParameterPageFilter(routeFrameKeys);
}

// The editor goes first, so that the notices its controls send while they are destroyed find
// none. A frame that goes in edit state never leaves the structure tree disabled.
void ParametersFrame::onDestroy() {
    if (editor_ && editor_->tabPage())
        DestroyWindow(editor_->tabPage());
    editor_.reset();
    for (HBRUSH& brush : pageBrushes_) {
        if (brush)
            DeleteObject(brush);
        brush = nullptr;
    }
    destroyFrameMenus(menus_);
    if (HWND tree = structurePaneTree())
        EnableWindow(tree, TRUE);
    session_.close();
    if (openFrame == this) {
        openFrame = nullptr;
        setParameterPageFilter(nullptr);
    }
    if (parametersWindow == window())
        parametersWindow = nullptr;
}

void ParametersFrame::onPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window(), &paint);
    RECT area;
    GetClientRect(window(), &area);
    area.top = titleTop;
    HGDIOBJ previousFont = SelectObject(dc, fontTitleBold);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, titleColour);
    DrawTextA(dc, session_.title(), -1, &area, DT_CENTER | DT_SINGLELINE);
    SelectObject(dc, previousFont);
    EndPaint(window(), &paint);
    // A window's page draws the live window over its area; it is drawn again after the frame.
    if (selection_.kind == objectWindow && editor_ && editor_->tabPage())
        InvalidateRect(editor_->tabPage(), nullptr, FALSE);
}

void ParametersFrame::applyEnabling() {
    const FrameEnabling enabling = session_.enabling();
    enableCommandButtons(window(), enabling);
    if (HWND tree = structurePaneTree())
        EnableWindow(tree, enabling.structureTree);
    if (editor_)
        editor_->applyEnabling(enabling);
    keepFocusUsable();
}

// A button that disables itself ("Edit Parameters", "Save Parameters Values") would keep the
// keyboard focus where no key reaches anything; the focus moves on to the next control.
void ParametersFrame::keepFocusUsable() {
    HWND focus = GetFocus();
    if (!focus || IsWindowEnabled(focus) || !IsChild(window(), focus))
        return;
    if (HWND next = GetNextDlgTabItem(window(), focus, FALSE))
        SetFocus(next);
}

void ParametersFrame::setPageBrush(int slot, HBRUSH brush) {
    if (slot < 0 || slot >= static_cast<int>(pageBrushes_.size()))
        return;
    HBRUSH& kept = pageBrushes_[slot];
    if (kept && kept != brush)
        DeleteObject(kept);
    kept = brush;
}

bool ParametersFrame::routeKeyboard(MSG& message) {
    if (PageBase* page = PageBase::pageOf(editor_ ? editor_->tabPage() : nullptr))
        if (page->routeKeyboard(message))
            return true;
    return routeDialogKeys(window(), message);
}

HWND openParametersWindow(HWND view) {
    RECT client;
    GetClientRect(view, &client);
    const ObjectSelection selection{currentObjectKind, currentWindow, currentControl};
    parametersWindow = createWindow(std::make_unique<ParametersFrame>(selection),
                                    {parametersWindowClass, "", parametersStyle,
                                     editViewLayout(client.right, client.bottom).parameters, view,
                                     parametersExtendedStyle});
    return parametersWindow;
}

void closeParametersWindow() {
    if (parametersWindow)
        DestroyWindow(parametersWindow);
    parametersWindow = nullptr;
}

} // namespace zim
