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
        if (image.drawing && image.outerArea.width > 0 && image.outerArea.height > 0)
            drawMiniature(memory, image, background);
        else if (image.present && image.drawing)
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

    // The outer area at its own size, then shrunk into the panel keeping its proportions,
    // with a grey line around it where the area ends.
    void drawMiniature(HDC memory, const PreviewImage& image, HBRUSH background) const {
        const PixelSize outer = image.outerArea;
        HDC full = CreateCompatibleDC(memory);
        HBITMAP bitmap = CreateCompatibleBitmap(memory, outer.width, outer.height);
        if (!bitmap) {
            DeleteDC(full);
            return;
        }
        HGDIOBJ previous = SelectObject(full, bitmap);
        const RECT all{0, 0, outer.width, outer.height};
        FillRect(full, &all, background);
        if (image.present)
            paintImage(full, *image.drawing, {0, 0, outer.width, outer.height});
        const LayoutBox box = previewImageBox(outer.width, outer.height, size_.cx, size_.cy);
        SetStretchBltMode(memory, HALFTONE);
        SetBrushOrgEx(memory, 0, 0, nullptr);
        StretchBlt(memory, box.left, box.top, box.width, box.height, full, 0, 0, outer.width,
                   outer.height, SRCCOPY);
        const RECT edge{box.left, box.top, box.left + box.width, box.top + box.height};
        FrameRect(memory, &edge, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        SelectObject(full, previous);
        DeleteObject(bitmap);
        DeleteDC(full);
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
