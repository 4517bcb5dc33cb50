// The background-image page, for the wallpaper's image and for a window's background images
// alike (through EditedImage): its page variables, what each radio and grid button does, the
// checks and enabling, the information lines read from the bitmap's header, the drawing-area
// text, the transparent-colour and frame-colour choices, and what "Save Parameters Values"
// checks and writes. The record changes only when Save succeeds.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "editors/frame/bitmap_header.h"
#include "editors/frame/edited_image.h"
#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "editors/frame/placement_codes.h"

namespace zim {

// The page's own controls that carry a rule; the fill controls are in placement_codes.h.
enum BackgroundImageControlId : int {
    fromFileRadio = 33,
    fromResourceRadio = 34,
    standardSchemeRadio = 37,
    transparentSchemeRadio = 38,
    selectNewTransparentColorButton = 39,
    noFrameRadio = 40,
    frameRadio = 41,
    selectNewFrameColorButton = 42,
};

struct BackgroundImagePage {
    ImageStyle style;       // the radios and colours; the frame sizes as loaded
    std::string frameWidth; // the border edits, as typed
    std::string frameHeight;
};

// The page filled from the record (on creation, after Restore and after Save).
BackgroundImagePage backgroundImagePageContent(const EditedImage& image);

// A radio or grid button pressed in edit state: 33 and 34 choose file or resource, 35, 36 and
// the grid the fill, 37 and 38 the scheme, 40 and 41 the frame. Returns whether a choice
// changed (the page then sets checks and enabling again and redraws the image preview).
bool pressBackgroundImageControl(ImageStyle& style, int controlId);

// The check marks of the radios and the grid button shown pushed (18 to 26, or 0). Tiled and
// stretched are radios; a position is a pushed grid button.
struct BackgroundImageChecks {
    bool fromFile = false;
    bool fromResource = false;
    bool tiled = false;
    bool stretched = false;
    int pushedPlacementButton = 0;
    bool standardScheme = false;
    bool transparentScheme = false;
    bool noFrame = false;
    bool frame = false;
};

BackgroundImageChecks backgroundImageChecks(const ImageStyle& style);

// In view state nothing is enabled. In edit state the radios and the grid are; "Select New
// Transparent Color" only in the transparent scheme; "Select New Frame Color" and the two
// border edits only with a frame.
struct BackgroundImageEnabling {
    bool loadRadios = false;
    bool fillControls = false; // " Tiled", " Stretched" and the grid
    bool schemeRadios = false;
    bool selectNewTransparentColor = false;
    bool frameRadios = false;
    bool selectNewFrameColor = false;
    bool frameBorders = false;
};

BackgroundImageEnabling backgroundImageEnabling(const ImageStyle& style, EditorState state);

// The information lines beside the preview. When the header cannot be read, `dimensions`
// holds the reason and `colourResolution` is empty.
struct BitmapInfoLines {
    std::string fileName;         // "Wallpaper.bmp"
    std::string dimensions;       // "640(w) x 480(h) pixels"
    std::string colourResolution; // "24 BitsPerPixel"
    std::optional<BitmapHeader> header;
};

// Reads the header of the image's file in the project folder. A window image whose name
// field is no plain file name is not looked for outside the folder.
BitmapInfoLines bitmapInfoLines(const EditedImage& image,
                                const std::filesystem::path& projectFolder);

// The " Drawing area -" line: the whole screen or client area for placement 0, the centring
// text for 1, else "Rectangular area - W(w) x H(h) pixels" with the area's size: the bitmap's
// own size (from `header`) or the record's rectangle.
std::string drawingAreaText(const EditedImage& image, const std::optional<BitmapHeader>& header);

// "Select New Transparent Color": the question (Yes / No / Cancel) and what its answer opens.
PageMessage transparentColorQuestion();
enum class TransparentColorSource { colorDialog, bitmap, unchanged };
TransparentColorSource transparentColorSource(int answer);
constexpr const char* transparentColorDialogTitle = "Select new transparent color";
// The colour dialog or the picking dialog was cancelled.
PageMessage transparentColorCancelled();
// Picking from the bitmap needs its size from the header: when that could not be read, the
// picking dialog does not open and this says why.
PageMessage transparentPickRefusal(const BitmapInfoLines& info);

// "Select New Frame Color" was cancelled.
PageMessage frameColorCancelled();

// The image as the page's preview draws it before Save: the record's drawing with the page's
// choices and the border sizes that hold numbers.
ImageDrawing pendingImageDrawing(const EditedImage& image, const BackgroundImagePage& page);

enum class BackgroundImageField { none, frameWidth, frameHeight };

struct BackgroundImageSave {
    PageMessage refusal; // caption "Error", stop icon, owned by the parameters window
    BackgroundImageField focus = BackgroundImageField::none;

    bool saved() const { return focus == BackgroundImageField::none; }
};

// Save checks the frame border width, then the height, when a frame is drawn (the edits are
// disabled otherwise, and a frame that is not drawn keeps its stored sizes), and writes the
// page's fields through EditedImage::setStyle. A refusal writes nothing. The page then
// reloads and enters view state.
BackgroundImageSave saveBackgroundImagePage(EditedImage& image, const BackgroundImagePage& page);

} // namespace zim
