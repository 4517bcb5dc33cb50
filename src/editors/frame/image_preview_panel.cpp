#include "editors/frame/image_preview_panel.h"

#include <memory>

#include "editors/frame/preview_image_fit.h"
#include "live/image_painter.h"
#include "shell/window_base.h"
#include "shell/window_classes.h"

namespace zim {

namespace {

class ImagePreviewPanel : public WindowBase {
  public:
    explicit ImagePreviewPanel(PreviewImageSource source) : source_(std::move(source)) {}

  private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == redrawPreviewCommand)
                drawPicture();
            return 0;
        case WM_ERASEBKGND:
            return 1; // the picture covers the whole client area
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_DESTROY:
            if (picture_)
                DeleteObject(picture_);
            picture_ = nullptr;
            return 0;
        }
        return WindowBase::handleMessage(message, wParam, lParam);
    }

    void onCreate() {
        RECT client;
        GetClientRect(window(), &client);
        size_ = {client.right, client.bottom};
        HDC screen = GetDC(window());
        picture_ = CreateCompatibleBitmap(screen, size_.cx, size_.cy);
        ReleaseDC(window(), screen);
        drawPicture();
    }

    void drawPicture() {
        if (!picture_)
            return;
        const PreviewImage image = source_ ? source_() : PreviewImage{};
        HDC screen = GetDC(window());
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ previous = SelectObject(memory, picture_);
        const RECT all{0, 0, size_.cx, size_.cy};
        HBRUSH background =
            image.background ? image.background : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        FillRect(memory, &all, background);
        if (image.present && image.drawing)
            drawInPanel(memory, *image.drawing);
        else if (image.present)
            drawBitmapFile(memory, image.bitmapName + ".bmp");
        SelectObject(memory, previous);
        DeleteDC(memory);
        ReleaseDC(window(), screen);
        InvalidateRect(window(), nullptr, FALSE);
    }

    void drawInPanel(HDC memory, ImageDrawing drawing) const {
        drawing.placement = placeWholeArea;
        paintImage(memory, drawing, {0, 0, size_.cx, size_.cy});
    }

    // A file that cannot be read leaves the background alone.
    void drawBitmapFile(HDC memory, const std::string& path) const {
        auto* bitmap = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        if (!bitmap)
            return;
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        const LayoutBox box = previewImageBox(info.bmWidth, info.bmHeight, size_.cx, size_.cy);
        HDC source = CreateCompatibleDC(memory);
        HGDIOBJ previous = SelectObject(source, bitmap);
        SetStretchBltMode(memory, HALFTONE);
        SetBrushOrgEx(memory, 0, 0, nullptr); // HALFTONE needs the brush origin set again
        StretchBlt(memory, box.left, box.top, box.width, box.height, source, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
        DeleteObject(bitmap);
    }

    void onPaint() {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window(), &paint);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, picture_);
        BitBlt(dc, 0, 0, size_.cx, size_.cy, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
        EndPaint(window(), &paint);
    }

    PreviewImageSource source_;
    HBITMAP picture_ = nullptr;
    SIZE size_{};
};

} // namespace

HWND createImagePreviewPanel(HWND parent, const LayoutBox& box, PreviewImageSource source) {
    return createWindow(std::make_unique<ImagePreviewPanel>(std::move(source)),
                        {imagePreviewClass, "", WS_CHILD | WS_VISIBLE, box, parent});
}

void redrawImagePreview(HWND panel) {
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(redrawPreviewCommand, 0), 0);
}

} // namespace zim
