#include "editors/frame/background_image_page_rules.h"

#include "archive/safe_name.h"
#include "editors/frame/number_field.h"
#include "model/name_path.h"

namespace zim {

namespace {

constexpr const char* errorCaption = "Error";
constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* transparentCaption = "New transparent color selection...";
constexpr const char* frameCaption = "New frame color selection...";
constexpr const char* transparentQuestion =
    "To select new transparent color, click, please:\rYES - if you want use standard scheme for "
    "color selection\rNO - if you want to select the color from image\rCANCEL - if you don't "
    "want to change transparent color";

constexpr NumberFieldMessages frameWidthMessages{
    "Fill the field for frame border width value, please...",
    "Check out the field for frame border width value, please..."};
constexpr NumberFieldMessages frameHeightMessages{
    "Fill the field for frame border height value, please...",
    "Check out the field for frame border height value, please..."};

struct AreaTexts {
    const char* whole;
    const char* centred;
};
constexpr AreaTexts screenArea{"Drawing area - full screen area",
                               "Centering the image rectangle inside full screen area"};
constexpr AreaTexts clientArea{"Drawing area - full window client area",
                               "Centering the image rectangle inside window client area"};

std::string sizeText(int width, int height) {
    return std::to_string(width) + "(w) x " + std::to_string(height) + "(h) pixels";
}

PageMessage stop(const std::string& text, const char* caption) {
    return {text, caption, box::ok | box::iconHand, MessageOwner::none};
}

} // namespace

BackgroundImagePage backgroundImagePageContent(const EditedImage& image) {
    BackgroundImagePage page;
    page.style = image.style();
    page.frameWidth = std::to_string(page.style.frameWidth);
    page.frameHeight = std::to_string(page.style.frameHeight);
    return page;
}

bool pressBackgroundImageControl(ImageStyle& style, int controlId) {
    const ImageStyle before = style;
    switch (controlId) {
    case fromFileRadio:
    case fromResourceRadio:
        style.fromResource = controlId == fromResourceRadio;
        break;
    case standardSchemeRadio:
    case transparentSchemeRadio:
        style.transparent = controlId == transparentSchemeRadio;
        break;
    case noFrameRadio:
    case frameRadio:
        style.framed = controlId == frameRadio;
        break;
    default: {
        const int32_t fill = imageFillOfControl(controlId);
        if (fill < 0)
            return false;
        style.fill = fill;
        break;
    }
    }
    return !(style == before);
}

BackgroundImageChecks backgroundImageChecks(const ImageStyle& s) {
    BackgroundImageChecks checks;
    checks.fromFile = !s.fromResource;
    checks.fromResource = s.fromResource;
    checks.tiled = s.fill == fillTiled;
    checks.stretched = s.fill == fillStretched;
    checks.pushedPlacementButton = placementButtonOfImageFill(s.fill);
    checks.standardScheme = !s.transparent;
    checks.transparentScheme = s.transparent;
    checks.noFrame = !s.framed;
    checks.frame = s.framed;
    return checks;
}

BackgroundImageEnabling backgroundImageEnabling(const ImageStyle& s, EditorState state) {
    BackgroundImageEnabling e;
    if (state != EditorState::edit)
        return e;
    e.loadRadios = true;
    e.fillControls = true;
    e.schemeRadios = true;
    e.selectNewTransparentColor = s.transparent;
    e.frameRadios = true;
    e.selectNewFrameColor = s.framed;
    e.frameBorders = s.framed;
    return e;
}

BitmapInfoLines bitmapInfoLines(const EditedImage& image,
                                const std::filesystem::path& projectFolder) {
    BitmapInfoLines info;
    info.fileName = image.fileName();
    if (!unsafeNameReason(info.fileName).empty()) {
        info.dimensions = "The image file \"" + info.fileName +
                          "\" cannot be read: its name is no file name of the project folder.";
        return info;
    }
    const BitmapHeaderRead read = readBitmapHeader(projectFolder / pathFromName(info.fileName));
    if (!read.ok()) {
        info.dimensions = read.problem;
        return info;
    }
    info.header = read.header;
    info.dimensions = sizeText(read.header->width, read.header->height);
    info.colourResolution = std::to_string(read.header->bitsPerPixel) + " BitsPerPixel";
    return info;
}

std::string drawingAreaText(const EditedImage& image, const std::optional<BitmapHeader>& header) {
    const ImageDrawing d = image.drawing();
    const AreaTexts& texts = image.isWallpaper() ? screenArea : clientArea;
    if (d.placement == placeWholeArea)
        return texts.whole;
    if (d.placement == placeCentred)
        return texts.centred;
    const std::string lead = "Rectangular area - ";
    if (!d.useImageSize)
        return lead + sizeText(d.areaSize.width, d.areaSize.height);
    if (!header)
        return lead + "as large as the image";
    return lead + sizeText(header->width, header->height);
}

PageMessage transparentColorQuestion() {
    return {transparentQuestion, transparentCaption, box::yesNoCancel, MessageOwner::none};
}

TransparentColorSource transparentColorSource(int answer) {
    switch (answer) {
    case box::answerYes:
        return TransparentColorSource::colorDialog;
    case box::answerNo:
        return TransparentColorSource::bitmap;
    default:
        return TransparentColorSource::unchanged;
    }
}

PageMessage transparentColorCancelled() {
    return stop(cancelled, transparentCaption);
}

PageMessage transparentPickRefusal(const BitmapInfoLines& info) {
    return stop(info.dimensions, transparentCaption);
}

PageMessage frameColorCancelled() {
    return stop(cancelled, frameCaption);
}

ImageDrawing pendingImageDrawing(const EditedImage& image, const BackgroundImagePage& page) {
    ImageDrawing d = image.drawing();
    const ImageStyle& s = page.style;
    d.fromResource = s.fromResource;
    d.fill = s.fill;
    d.transparent = s.transparent;
    d.transparentColour = s.transparentColour;
    d.framed = s.framed;
    d.frameColour = s.frameColour;
    if (s.framed) {
        d.frameBorder.width = numberIn(page.frameWidth).value_or(d.frameBorder.width);
        d.frameBorder.height = numberIn(page.frameHeight).value_or(d.frameBorder.height);
    }
    return d;
}

BackgroundImageSave saveBackgroundImagePage(EditedImage& image, const BackgroundImagePage& page) {
    ImageStyle written = page.style;
    const ImageStyle stored = image.style();
    written.frameWidth = stored.frameWidth;
    written.frameHeight = stored.frameHeight;
    if (written.framed) {
        const struct {
            const std::string& text;
            const NumberFieldMessages& messages;
            BackgroundImageField field;
            int32_t& value;
        } borders[] = {
            {page.frameWidth, frameWidthMessages, BackgroundImageField::frameWidth,
             written.frameWidth},
            {page.frameHeight, frameHeightMessages, BackgroundImageField::frameHeight,
             written.frameHeight},
        };
        for (const auto& border : borders) {
            const NumberFieldCheck check = checkNumberField(border.text, border.messages);
            if (!check.accepted())
                return {{check.message, errorCaption, box::ok | box::iconHand,
                         MessageOwner::parametersWindow},
                        border.field};
            border.value = check.value;
        }
    }
    image.setStyle(written);
    return {};
}

} // namespace zim
