// The "Background Images" page of a window: the parameters of the selected image (where its
// area lies and how large it is), what each radio and grid button does to them, the checks
// and enabling they give, the information lines of the image's bitmap, the refusals of Edit
// and of choosing the area in the edit window, the questions asked when the image that sizes
// the window is deleted or moved, and what Save checks and writes. The list operations
// themselves are image_list_operations.h.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "editors/frame/bitmap_header.h"
#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "editors/frame/placement_codes.h"
#include "model/project.h"

namespace zim {

// The page's working copy of one image's area: the placement code and useImageSize as
// chosen, the four numbers as typed.
struct WindowImageFields {
    int32_t placement = 0;
    bool useImageSize = true;
    std::string rectWidth;
    std::string rectHeight;
    std::string x;
    std::string y;
};

constexpr int32_t cornerPlacement = 10;

WindowImageFields windowImageFields(const BackgroundImage& image);

// A radio or grid button pressed in edit state (28, 29, 30, 49, 50, 18 to 26). Returns
// whether it was one of them.
bool pressWindowImageControl(WindowImageFields& fields, int controlId);

struct WindowImageChecks {
    bool imageDimensions = false;
    bool rectangle = false;
    bool wholeClientArea = false;
    bool predefined = false;
    bool corner = false;
    int pushedPlacementButton = 0; // 18 to 26, or 0
};

WindowImageChecks windowImageChecks(const WindowImageFields& fields);

// Which controls take input. The list and its five buttons work in view state only; the
// parameter fields in edit state only.
struct WindowImageEnabling {
    bool list = false;
    bool sizeRadios = false;
    bool rectangleSize = false;
    bool placementRadios = false;
    bool placementButtons = false;
    bool cornerCoordinates = false;
    bool chooseInPreview = false;
};

WindowImageEnabling windowImageEnabling(const WindowImageFields& fields, EditorState state,
                                        bool hasImage);

// The lines under the preview for the image's bitmap in the project folder. When the header
// cannot be read, `dimensions` says why and the other two are empty.
struct WindowImageInfo {
    std::string dimensions;       // "640 x 480"
    std::string colourResolution; // "24 BPP"
    std::string fileSize;         // "921654"
    std::optional<BitmapHeader> header;
};

WindowImageInfo windowImageInfo(const BackgroundImage& image,
                                const std::filesystem::path& projectFolder);

// Why "Edit Parameters" does not open the fields: no image, or image 1 of a window that
// takes its size from it.
std::optional<PageMessage> windowImageEditRefusal(const AppWindow& window, int selected);

// Why the area cannot be chosen in the edit window: the image covers the whole client area.
std::optional<PageMessage> windowImagePositionRefusal(const WindowImageFields& fields);

// The chosen area (left, top, right, bottom) taken into the fields: the corner always, the
// size when the image has no size of its own. The area is then placed by its corner.
void takeChosenImageArea(WindowImageFields& fields, const int32_t area[4]);

enum class WindowImageField { none, rectWidth, rectHeight, x, y };

struct WindowImageSave {
    PageMessage refusal;
    WindowImageField focus = WindowImageField::none;

    bool saved() const { return focus == WindowImageField::none; }
};

// Checks the fields in their order and, when all hold, writes them into `image`: always the
// placement and useImageSize, the rectangle's size when the image has none of its own, the
// corner when the area is placed by it. A refusal writes nothing.
WindowImageSave saveWindowImageFields(BackgroundImage& image, const WindowImageFields& fields);

// The questions around the image that gives a window in size mode 1 its size.
PageMessage deleteSizingImageQuestion();
PageMessage fixWindowSizeQuestion();
PageMessage moveSizingImageQuestion(bool up);

// The file pickers' title and filter, and the questions after a file was chosen.
constexpr const char* addImageTitle = "Add new image";
constexpr const char* replaceImageTitle = "Replace current image";
constexpr const char* bitmapFilter = "BMP-files (*.bmp)|*.bmp||";
PageMessage addImageQuestion();
PageMessage replaceImageQuestion();
// "Operation was canceled..." under the caption given.
PageMessage imageOperationCancelled(const char* caption);

} // namespace zim
