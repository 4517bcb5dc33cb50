// The "Type/Appearance/Size" page of a window: its working copy (the kind, the appearance, the
// size mode and the placement, with the number edits as typed), what each radio and grid
// button does to it, which radios are checked and which controls are enabled, the image that
// gives the window its size in size mode 1, the rectangle chosen in the position edit window,
// and what "Save Parameters Values" checks and writes, in order. The Project changes only when
// Save succeeds.
//
// Showing a window never changes the Project or the project folder, also when the window is
// in size mode 1: the template copy and the reset of image 1 follow only from the user choosing
// " Use Image Dimensions" in edit state, and reach the Project only through Save.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "archive/file_operations.h"
#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "editors/frame/placement_codes.h"
#include "editors/window/list_operation.h"
#include "editors/window/window_kind.h"
#include "editors/window/window_page_prompts.h"
#include "editors/window/window_size_image.h"
#include "live/pixel_geometry.h"
#include "live/window_placement.h"
#include "model/project.h"

namespace zim {

// The page's controls that carry a rule. The placement radios " Use Predefined Type of
// Placement" (49) and " Set Top-Left Corner Coordinates" (50) and the nine grid buttons (18 to
// 26) are those of placement_codes.h.
enum WindowTypeControlId : int {
    windowImmediatelyRadio = 10,
    windowAnimatedRadio = 11,
    selectNewWindowImageButton = 27,
    standardWindowRadio = 44,
    modelessDialogRadio = 45,
    modalDialogRadio = 46,
    useImageDimensionsRadio = 47,
    selectInPreviewButton = 48, // "Select Window Position and/or Size in Preview Mode"
    manualSettingsRadio = 52,
    defaultPositionRadio = 53,
    fixClientAreaRadio = 66,
    rectangleChosenCommand = 134, // the position edit window has closed
};

// The page's choices.
struct WindowTypeChoices {
    int32_t kind = standardWindowKind;
    bool animated = false;
    int32_t sizeMode = sizeAsWindow;
    int32_t placementMode = placementOnGrid;
    int32_t placement = 4; // grid cell 0 to 8 while placementMode is 0
};

// The edits, as typed. The window size and the client-area size are two pairs of edits over
// the same two fields; Save reads the pair of the size mode.
struct WindowTypeTexts {
    std::string title; // the header's title edit
    std::string appearanceTime;
    std::string windowWidth;
    std::string windowHeight;
    std::string clientWidth;
    std::string clientHeight;
    std::string x;
    std::string y;
};

// The check marks of the radios and the grid button shown pushed (18 to 26, or 0).
struct WindowTypeChecks {
    bool standardWindow = false;
    bool modelessDialog = false;
    bool modalDialog = false;
    bool immediately = false;
    bool animated = false;
    bool imageDimensions = false;
    bool manualSettings = false;
    bool fixClientArea = false;
    bool predefinedPlacement = false;
    bool cornerCoordinates = false;
    bool defaultPosition = false;
    int pushedPlacementButton = 0;
};

// Which controls are enabled (the title edit follows FrameEnabling::windowTitle). In view
// state none. In edit state the radios and "Select Window Position and/or Size in Preview
// Mode" always; the appearance time while animated; the window size edits in size mode 0, the
// client-area edits in size mode 2, "Select New Image" in size mode 1; the grid in placement
// mode 0 and the corner edits in placement mode 1.
struct WindowTypeEnabling {
    bool typeRadios = false;
    bool appearanceRadios = false;
    bool appearanceTime = false;
    bool sizeRadios = false;
    bool windowSize = false;
    bool clientSize = false;
    bool selectNewImage = false;
    bool selectInPreview = false;
    bool placementRadios = false;
    bool placementButtons = false;
    bool cornerCoordinates = false;
};

// The image preview box of the size group: shown in size mode 1 only.
struct WindowPreviewImage {
    bool shown = false;
    std::string fileName; // in the project folder: "Wnd_001_01.bmp"
};

// What a step asks the page to do afterwards.
struct WindowTypeStep {
    bool changed = false;               // set the checks, the edits and the enabling again
    bool previewChanged = false;        // reload the preview box from previewImage()
    std::optional<PageMessage> message; // shown when present
};

enum class WindowTypeField {
    none,
    appearanceTime,
    windowWidth,
    windowHeight,
    clientWidth,
    clientHeight,
    x,
    y,
};

struct WindowTypeSave {
    PageMessage refusal; // caption "Error", stop icon, owned by the parameters window
    WindowTypeField focus = WindowTypeField::none; // the field to put the focus into
    // Saved: the code the structure tree is rebuilt with and selects, the window's own item.
    int32_t treeCode = 0;

    bool saved() const { return focus == WindowTypeField::none; }
};

// "Select Window Position and/or Size in Preview Mode" opens the rectangle-size dialog with
// this title; its cancellation shows rectangleSelectionCancelled().
constexpr const char* boundingRectangleTitle = "Select bounding rectangle";
PageMessage rectangleSelectionCancelled();

class WindowTypePage {
  public:
    // The page of window `window` (1-based, in use) of the Project, its working copy filled
    // from the window record; this only reads. Image files live in the project folder, the
    // template image in the templates folder.
    WindowTypePage(Project& project, int window, const ListFolders& folders);

    const WindowTypeChoices& choices() const { return choices_; }
    // The page stores its edits here before Save and before a step that refills them.
    WindowTypeTexts& texts() { return texts_; }
    const WindowTypeTexts& texts() const { return texts_; }

    WindowTypeChecks checks() const;
    WindowTypeEnabling enabling(EditorState state) const;
    WindowPreviewImage previewImage() const;

    // A radio or grid button pressed in edit state:
    //  44, 45, 46 set the kind; a modal dialog is never animated, so 46 also chooses
    //     " Immediately";
    //  10 chooses " Immediately"; 11 " Animated", refused for a modal dialog with a message;
    //  47 chooses size mode 1: a window without images gets the template image provisionally
    //     (when the template cannot be copied the size mode stays, with a message), and Save
    //     will reset image 1 to the drawing of a new image;
    //  52 and 66 choose size mode 0 or 2 and delete a provisional image;
    //  49 chooses the grid at cell 0, 18 to 26 a cell, 50 the corner, 53 the default position.
    // Any other control changes nothing.
    WindowTypeStep press(int controlId);

    // "Select New Image" in size mode 1 (see WindowSizeImage::selectNew).
    WindowTypeStep selectNewImage(WindowPagePrompts& prompts);

    // Command 134: the position edit window closed with the designed window at `windowRect`
    // (screen coordinates, frame included) in its reference area (the screen, or the owner's
    // client area). The corner and the outer size fill the edits; the window takes the corner
    // placement and size mode 0.
    WindowTypeStep takeChosenRectangle(const PixelRect& windowRect, const PixelRect& reference);
    // The same with the rectangle already counted from its reference area's corner, as the
    // position edit window hands it back.
    WindowTypeStep takeChosenRectangle(const PixelRect& chosen);

    // "Save Parameters Values": the checks in order, each stopping Save at the first refusal
    // with nothing stored:
    //  1. animated: the appearance time (a whole number, not negative);
    //  2. size mode 0: the window width, then height (whole numbers, not negative);
    //  3. size mode 2: the client-area width, then height (the same);
    //  4. placement mode 1: x_left, then y_top (the same).
    // Then it writes the kind and the appearance (the time only while animated), the size mode
    // and in modes 0 and 2 the size from the mode's edits; in mode 1 a provisional image
    // becomes image 1 of a window without images, or image 1 takes the drawing of a new image
    // when the user chose the mode in this edit; the placement mode with the cell or the
    // corner; the title, cut to 120 characters. Saving window 1 sets applicationType: 0 for a
    // standard window, 1 for a dialog. The working copy is then loaded again.
    WindowTypeSave save();

    // "Restore Previous Parameters": a provisional image is deleted and the working copy is
    // loaded again. Returns what could not be deleted.
    FileFailures restore();

    // The page goes while a provisional image may still lie in the folder (the parameters
    // window closes): the image is deleted. Returns what could not be deleted.
    FileFailures discard();

  private:
    AppWindow& window() const { return project_.windows[w_ - 1]; }
    void load();
    WindowTypeStep chooseSizeMode(int32_t mode);
    WindowTypeStep leaveImageSize(int32_t mode);
    void writeFirstImage(AppWindow& window);

    Project& project_;
    int w_;
    WindowTypeChoices choices_;
    WindowTypeTexts texts_;
    WindowSizeImage sizeImage_;
    bool resetFirstImage_ = false; // the user chose size mode 1 in this edit
};

} // namespace zim
