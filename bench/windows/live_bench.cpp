// Live-window timings, each beside its floor measured in the same run:
//  - creating the live controls of a window with 100 buttons and 100 statics, against a bare
//    loop of the same CreateWindowExA calls;
//  - opening the preview of a full window (10 background images, 100 buttons, 100 statics)
//    until window 1 has painted, against creating the same controls in a plain window and
//    blitting the same bitmaps from their files;
//  - one drag step in the control edit window (the mouse move until the moved frame is drawn),
//    against InvalidateRect and UpdateWindow of the same area; no step may leave anything to
//    repaint.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "live/edit_windows.h"
#include "live/live_controls.h"
#include "live/preview.h"
#include "live/win32_handles.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/style_lists.h"
#include "model/text_field.h"

namespace {

using namespace zim;
using bench::median;
using bench::nowMs;

constexpr int rounds = 15;
constexpr int images = 10;

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void printFigures(const char* title, const char* floorName, double floor, const char* name,
                  double measured) {
    std::printf("%s (median of %d rounds)\n", title, rounds);
    std::printf("  %-28s %9.3f ms\n", floorName, floor);
    std::printf("  %-28s %9.3f ms\n", name, measured);
    std::printf("  ratio                        %9.3f\n", measured / floor);
}

// A 64 x 64 bitmap file with a pattern, so that no copy is a plain fill.
void writeBitmap(const std::string& path, COLORREF colour) {
    const int size = 64, row = size * 3;
    BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(54 + row * size), 0, 0, 54};
    BITMAPINFOHEADER info = {sizeof info, size, size, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<unsigned char> pixels(static_cast<size_t>(row * size));
    for (int i = 0; i < size * size; ++i) {
        const bool dot = (i / size + i % size) % 8 == 0;
        pixels[static_cast<size_t>(i) * 3] = dot ? 0 : GetBValue(colour);
        pixels[static_cast<size_t>(i) * 3 + 1] = dot ? 0 : GetGValue(colour);
        pixels[static_cast<size_t>(i) * 3 + 2] = dot ? 0 : GetRValue(colour);
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), 1, pixels.size(), out);
    std::fclose(out);
}

// Window 1 without wallpaper: 100 buttons and 100 statics in a grid, and 10 background images
// of every fill, each in its own area.
void buildFullWindow() {
    buildDefaultProject();
    project().program.wallpaperPresent = 0;
    AppWindow& first = window(1);
    first.animate = 0;
    first.width = 1000;
    first.height = 700;
    first.buttonCount = maxButtons;
    first.staticCount = maxStatics;
    for (int n = 1; n <= maxButtons; ++n) {
        buildNewButton(button(1, n), 1, n);
        button(1, n).x = 10 + (n - 1) % 10 * 95;
        button(1, n).y = 10 + (n - 1) / 10 * 66;
        buildNewStatic(staticControl(1, n), 1, n);
        staticControl(1, n).x = 10 + (n - 1) % 10 * 95;
        staticControl(1, n).y = 48 + (n - 1) / 10 * 66;
        staticControl(1, n).width = 90;
    }
    first.imageCount = images;
    for (int i = 1; i <= images; ++i) {
        BackgroundImage& image = zim::image(1, i);
        buildNewBackgroundImage(image, first, 1, i);
        writeBitmap(shown(image.fileName) + ".bmp", RGB(25 * i, 255 - 20 * i, 128));
        image.placement = 10;
        image.useImageSize = 0;
        image.rectWidth = 90;
        image.rectHeight = 60;
        image.x = (i - 1) % 5 * 190;
        image.y = (i - 1) / 5 * 330;
        image.imageFill = (i - 1) % 3; // centred, tiled, stretched
    }
}

struct BareControl {
    DWORD extendedStyle;
    const char* className;
    std::string text;
    DWORD style;
    PixelRect place;
    int id;
};

std::vector<BareControl> bareControlsOf(int w) {
    std::vector<BareControl> controls;
    const AppWindow& record = window(w);
    for (int s = 1; s <= record.staticCount; ++s) {
        const StaticControl& c = staticControl(w, s);
        controls.push_back({styleWord(c.extendedStyles, extendedStyleList), "static", shown(c.text),
                            staticStyleOf(c), rectAt(c.x, c.y, c.width, c.height), 0});
    }
    for (int b = 1; b <= record.buttonCount; ++b) {
        const ButtonControl& c = button(w, b);
        controls.push_back({styleWord(c.extendedStyles, extendedStyleList), "button", shown(c.text),
                            buttonStyleOf(c), rectAt(c.x, c.y, c.width, c.height), c.controlId});
    }
    return controls;
}

void createBare(HWND parent, const std::vector<BareControl>& controls) {
    for (const BareControl& c : controls)
        CreateWindowExA(c.extendedStyle, c.className, c.text.c_str(), c.style, c.place.left,
                        c.place.top, c.place.width(), c.place.height(), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                        GetModuleHandleA(nullptr), nullptr);
}

void destroyChildren(HWND parent) {
    while (HWND child = GetWindow(parent, GW_CHILD))
        DestroyWindow(child);
}

HWND createHost() {
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 700, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

void benchControlCreation() {
    HWND host = createHost();
    const std::vector<BareControl> bare = bareControlsOf(1);
    std::vector<ControlImage> buttonImages(maxButtons), staticImages(maxStatics);
    auto timeBare = [&] {
        const double start = nowMs();
        createBare(host, bare);
        const double elapsed = nowMs() - start;
        destroyChildren(host);
        pump();
        return elapsed;
    };
    auto timeLive = [&] {
        const double start = nowMs();
        for (int s = 1; s <= maxStatics; ++s)
            createLiveStatic(staticControl(1, s), 1, host, staticImages[s - 1]);
        for (int b = 1; b <= maxButtons; ++b)
            createLiveButton(button(1, b), 1, host, buttonImages[b - 1]);
        const double elapsed = nowMs() - start;
        for (int s = 1; s <= maxStatics; ++s)
            releaseStaticResources(staticControl(1, s), staticImages[s - 1]);
        for (int b = 1; b <= maxButtons; ++b)
            releaseButtonResources(button(1, b), buttonImages[b - 1]);
        destroyChildren(host);
        pump();
        return elapsed;
    };
    // Each goes first in every other round, so neither gains from what the other left.
    std::vector<double> floor, live;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2) {
            floor.push_back(timeBare());
            live.push_back(timeLive());
        } else {
            live.push_back(timeLive());
            floor.push_back(timeBare());
        }
    }
    printFigures("live controls of a window, 100 buttons and 100 statics", "bare CreateWindowExA",
                 median(floor), "createLiveStatic/Button", median(live));
    DestroyWindow(host);
}

// The floor of the preview: a plain window, the same controls, each bitmap loaded from its file
// and blitted into its area, and the window painted.
double bareWindowWithImages(const std::vector<BareControl>& controls) {
    const double start = nowMs();
    HWND window = createHost();
    createBare(window, controls);
    HDC dc = GetDC(window);
    HDC source = CreateCompatibleDC(dc);
    for (int i = 1; i <= images; ++i) {
        const BackgroundImage& image = zim::image(1, i);
        HBITMAP bitmap =
            static_cast<HBITMAP>(LoadImageA(nullptr, (shown(image.fileName) + ".bmp").c_str(),
                                            IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        HGDIOBJ previous = SelectObject(source, bitmap);
        StretchBlt(dc, image.x, image.y, image.rectWidth, image.rectHeight, source, 0, 0, 64, 64,
                   SRCCOPY);
        SelectObject(source, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(source);
    ReleaseDC(window, dc);
    UpdateWindow(window);
    const double elapsed = nowMs() - start;
    DestroyWindow(window);
    pump();
    return elapsed;
}

double previewUntilPainted() {
    const double start = nowMs();
    startPreview();
    HWND first = loadHandle<HWND>(window(1).hwnd);
    UpdateWindow(first);
    const double elapsed = nowMs() - start;
    DestroyWindow(first);
    pump();
    releasePreviewClasses();
    return elapsed;
}

void benchPreview() {
    const std::vector<BareControl> bare = bareControlsOf(1);
    std::vector<double> floor, preview;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2) {
            floor.push_back(bareWindowWithImages(bare));
            preview.push_back(previewUntilPainted());
        } else {
            preview.push_back(previewUntilPainted());
            floor.push_back(bareWindowWithImages(bare));
        }
    }
    printFigures("preview of a full window until painted", "bare controls and blits", median(floor),
                 "startPreview", median(preview));
}

LPARAM at(PixelPoint p) {
    return MAKELPARAM(p.x, p.y);
}

void benchDragStep() {
    ButtonControl copy = button(1, 1);
    openButtonEditWindow(1, 1, copy, nullptr);
    HWND edit = editWindow();
    UpdateWindow(edit);
    const PixelPoint inside{copy.x + copy.width / 2, copy.y + copy.height / 2};
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, at(inside));
    pump();
    // The pointer alternates between two places; each step draws the frame at a new place.
    const PixelPoint places[2] = {{300, 200}, {310, 205}};
    const int steps = 200;
    int leftToPaint = 0;
    std::vector<double> floor, step;
    for (int round = 0; round < rounds; ++round) {
        double start = nowMs();
        for (int i = 0; i < steps; ++i) {
            SendMessageA(edit, WM_MOUSEMOVE, MK_LBUTTON, at(places[i % 2]));
            GdiFlush();
            leftToPaint += GetUpdateRect(edit, nullptr, FALSE) ? 1 : 0;
        }
        step.push_back((nowMs() - start) / steps);
        // The same area: the button's frame, one pixel around it.
        const PixelPoint p = places[round % 2];
        const RECT area{p.x - 1, p.y - 1, p.x + copy.width + 1, p.y + copy.height + 1};
        start = nowMs();
        for (int i = 0; i < steps; ++i) {
            InvalidateRect(edit, &area, FALSE);
            UpdateWindow(edit);
        }
        floor.push_back((nowMs() - start) / steps);
    }
    SendMessageA(edit, WM_LBUTTONUP, 0, at(places[0]));
    printFigures("one drag step in the control edit window", "InvalidateRect+UpdateWindow",
                 median(floor), "WM_MOUSEMOVE to drawn frame", median(step));
    std::printf("  steps that left a repaint     %d of %d\n", leftToPaint, rounds * steps);
    closeEditWindow();
    pump();
    releaseEditWindowClass();
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, 0x2FF};
    InitCommonControlsEx(&controls);
    designMode = 1;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("zim-live-bench-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    buildFullWindow();
    benchControlCreation();
    benchPreview();
    benchDragStep();
    std::filesystem::current_path(folder.parent_path());
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return 0;
}
