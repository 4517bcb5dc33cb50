#include "shell/shell_state.h"

#include <initializer_list>
#include <string>

namespace zim {

HINSTANCE hInstance = nullptr;
int32_t screenWidth = 0;
int32_t screenHeight = 0;
HWND backdropWindow = nullptr;
HWND mainWindow = nullptr;
int32_t currentView = viewAbout;
int32_t previousView = viewAbout;
HWND viewDialog = nullptr;

RECT boundingRect = {};
RECT boundingRectOnScreen = {};
int32_t boundingRectShown = 0;

HFONT fontLabelBold = nullptr;
HFONT fontControl = nullptr;
HFONT fontImpact = nullptr;
HFONT fontHeadingBold = nullptr;
HFONT fontHeading = nullptr;
HFONT fontTitleBold = nullptr;
HFONT fontBanner = nullptr;

HBRUSH brushNavy = nullptr;
HBRUSH brushMaroon = nullptr;
HBRUSH brushGreen = nullptr;
HBRUSH brushGrey = nullptr;
HBRUSH brushPane = nullptr;

HCURSOR cursorArrow = nullptr;
HCURSOR cursorSizeAll = nullptr;
HCURSOR cursorSizeWE = nullptr;
HCURSOR cursorSizeNS = nullptr;
HCURSOR cursorSizeNWSE = nullptr;

HIMAGELIST treeImages = nullptr;
HIMAGELIST markImages = nullptr;
HIMAGELIST sizeImages = nullptr;

namespace {

constexpr DWORD romanPitchAndFamily = FIXED_PITCH | FF_ROMAN;
static_assert(romanPitchAndFamily == 0x11, "pitch and family of the Times New Roman fonts");

// "Times New Roman" fonts are asked for with fixed pitch and the roman family, "Impact" with
// neither; proof quality, every other parameter 0.
HFONT makeFont(const char* face, int height, int weight) {
    const bool roman = lstrcmpA(face, "Times New Roman") == 0;
    return CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, PROOF_QUALITY,
                       roman ? romanPitchAndFamily : 0, face);
}

// The bitmap resource `name` as the next image of `list`; the bitmap is deleted once added.
bool addBitmap(HIMAGELIST list, const char* name) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(hInstance, name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap)
        return false;
    const int index = ImageList_Add(list, bitmap, nullptr);
    DeleteObject(bitmap);
    return index >= 0;
}

// A 16 x 16, 16-colour image list of the bitmap resources, one image each in this order. A
// bitmap that is missing leaves no list: every later image would take the index of the one
// before it. Returns "" or the error text.
std::string makeImageList(HIMAGELIST& list, std::initializer_list<const char*> bitmaps) {
    list = ImageList_Create(16, 16, ILC_COLOR4, static_cast<int>(bitmaps.size()), 4);
    if (!list)
        return "System Error - Can't create image list...";
    for (const char* name : bitmaps)
        if (!addBitmap(list, name)) {
            ImageList_Destroy(list);
            list = nullptr;
            return std::string("System Error - Can't load image ") + name + "...";
        }
    return {};
}

template <class Handle> void deleteHandle(Handle& handle) {
    if (handle)
        DeleteObject(handle);
    handle = nullptr;
}

} // namespace

void createPaneBrush() {
    brushPane = CreateSolidBrush(RGB(239, 239, 239));
}

std::string createSharedResources() {
    cursorArrow = LoadCursorA(nullptr, IDC_ARROW);
    cursorSizeAll = LoadCursorA(nullptr, IDC_SIZEALL);
    cursorSizeWE = LoadCursorA(nullptr, IDC_SIZEWE);
    cursorSizeNS = LoadCursorA(nullptr, IDC_SIZENS);
    cursorSizeNWSE = LoadCursorA(nullptr, IDC_SIZENWSE);

    std::string error = makeImageList(treeImages, {"PGM_ICON", "WALL_ICON", "IMG_ICON", "WND_ICON",
                                                   "DLG_ICON", "BUT_ICON", "STA_ICON"});
    if (error.empty())
        error = makeImageList(markImages, {"BMP4", "BMP4S"});
    if (error.empty())
        error = makeImageList(sizeImages, {"SIZES"});

    fontLabelBold = makeFont("Times New Roman", 18, 700);
    fontControl = makeFont("Times New Roman", 16, 0);
    fontImpact = makeFont("Impact", 28, 0);
    fontHeadingBold = makeFont("Times New Roman", 22, 700);
    fontHeading = makeFont("Times New Roman", 22, 0);
    fontTitleBold = makeFont("Times New Roman", 24, 700);
    fontBanner = makeFont("Impact", 30, 0);

    brushNavy = CreateSolidBrush(RGB(0, 0, 128));
    brushMaroon = CreateSolidBrush(RGB(128, 0, 0));
    brushGreen = CreateSolidBrush(RGB(0, 128, 0));
    brushGrey = CreateSolidBrush(RGB(112, 112, 112));
    return error;
}

void releaseSharedResources() {
    for (HFONT* font : {&fontLabelBold, &fontControl, &fontImpact, &fontHeadingBold, &fontHeading,
                        &fontTitleBold, &fontBanner})
        deleteHandle(*font);
    for (HBRUSH* brush : {&brushNavy, &brushMaroon, &brushGreen, &brushGrey, &brushPane})
        deleteHandle(*brush);
}

} // namespace zim
