#include "editors/window/window_images_rules.h"

#include "archive/safe_name.h"
#include "editors/frame/number_field.h"
#include "model/name_path.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* editCaption = "Edit image parameters...";
constexpr const char* errorCaption = "Error";
constexpr int32_t wholeClientArea = 0;
constexpr int32_t topLeft = 2;

constexpr NumberFieldMessages widthMessages{"Fill the field for width value, please...",
                                            "Check out the field for width value, please..."};
constexpr NumberFieldMessages heightMessages{"Fill the field for height value, please...",
                                             "Check out the field for height value, please..."};
constexpr NumberFieldMessages xMessages{"Fill the field for x_left value, please...",
                                        "Check out the field for x_left value, please..."};
constexpr NumberFieldMessages yMessages{"Fill the field for y_top value, please...",
                                        "Check out the field for y_top value, please..."};

bool predefined(int32_t placement) {
    return placement >= 1 && placement <= 9;
}

PageMessage stop(const char* text, const char* caption) {
    return {text, caption, box::ok | box::iconHand, MessageOwner::none};
}

PageMessage question(const char* text, const char* caption) {
    return {text, caption, box::yesNo | box::iconQuestion, MessageOwner::none};
}

// A rectangle side: a whole number other than 0 (a negative one is taken as typed).
NumberFieldCheck checkSide(const std::string& text, const NumberFieldMessages& messages) {
    NumberFieldCheck check = checkNumberField(text, messages);
    if (check.accepted() && check.value == 0)
        check.message = messages.malformed;
    return check;
}

} // namespace

WindowImageFields windowImageFields(const BackgroundImage& image) {
    WindowImageFields fields;
    fields.placement = image.placement;
    fields.useImageSize = image.useImageSize != 0;
    fields.rectWidth = std::to_string(image.rectWidth);
    fields.rectHeight = std::to_string(image.rectHeight);
    fields.x = std::to_string(image.x);
    fields.y = std::to_string(image.y);
    return fields;
}

bool pressWindowImageControl(WindowImageFields& fields, int controlId) {
    switch (controlId) {
    case imageDimensionsRadio:
    case rectangleAreaRadio:
        fields.useImageSize = controlId == imageDimensionsRadio;
        // A size of its own takes the image out of the whole client area; any other
        // position it had stays.
        if (fields.placement == wholeClientArea)
            fields.placement = topLeft;
        return true;
    default:
        break;
    }
    const int32_t placement = imagePlacementOfControl(controlId);
    if (placement < 0)
        return false;
    fields.placement = placement;
    return true;
}

WindowImageChecks windowImageChecks(const WindowImageFields& fields) {
    WindowImageChecks checks;
    checks.wholeClientArea = fields.placement == wholeClientArea;
    checks.imageDimensions = !checks.wholeClientArea && fields.useImageSize;
    checks.rectangle = !checks.wholeClientArea && !fields.useImageSize;
    checks.predefined = predefined(fields.placement);
    checks.corner = fields.placement == cornerPlacement;
    checks.pushedPlacementButton = placementButtonOfImagePlacement(fields.placement);
    return checks;
}

WindowImageEnabling windowImageEnabling(const WindowImageFields& fields, EditorState state,
                                        bool hasImage) {
    WindowImageEnabling e;
    e.list = state == EditorState::view;
    if (state != EditorState::edit || !hasImage)
        return e;
    e.sizeRadios = true;
    e.rectangleSize = fields.placement != wholeClientArea && !fields.useImageSize;
    e.placementRadios = true;
    e.placementButtons = predefined(fields.placement);
    e.cornerCoordinates = fields.placement == cornerPlacement;
    e.chooseInPreview = true;
    return e;
}

WindowImageInfo windowImageInfo(const BackgroundImage& image,
                                const std::filesystem::path& projectFolder) {
    WindowImageInfo info;
    const std::string name = trimmed(image.fileName) + ".bmp";
    if (!unsafeNameReason(name).empty()) {
        info.dimensions = "The image file \"" + name +
                          "\" cannot be read: its name is no file name of the project folder.";
        return info;
    }
    const BitmapHeaderRead read = readBitmapHeader(projectFolder / pathFromName(name));
    if (!read.ok()) {
        info.dimensions = read.problem;
        return info;
    }
    info.header = read.header;
    info.dimensions =
        std::to_string(read.header->width) + " x " + std::to_string(read.header->height);
    info.colourResolution = std::to_string(read.header->bitsPerPixel) + " BPP";
    info.fileSize = std::to_string(read.header->fileSize);
    return info;
}

std::optional<PageMessage> windowImageEditRefusal(const AppWindow& window, int selected) {
    if (window.imageCount < 1 || selected < 1 || selected > window.imageCount)
        return stop("There is no image for edit...", editCaption);
    if (selected == 1 && window.sizeMode == 1)
        return stop("You can't edit parameters of the image, which defines the current window "
                    "dimensions...",
                    editCaption);
    return std::nullopt;
}

std::optional<PageMessage> windowImagePositionRefusal(const WindowImageFields& fields) {
    if (fields.placement != wholeClientArea)
        return std::nullopt;
    return stop("Sorry, but you select full screen drawing option for this image...",
                "Select image position...");
}

void takeChosenImageArea(WindowImageFields& fields, const int32_t area[4]) {
    fields.placement = cornerPlacement;
    fields.x = std::to_string(area[0]);
    fields.y = std::to_string(area[1]);
    if (!fields.useImageSize) {
        fields.rectWidth = std::to_string(static_cast<int64_t>(area[2]) - area[0]);
        fields.rectHeight = std::to_string(static_cast<int64_t>(area[3]) - area[1]);
    }
}

WindowImageSave saveWindowImageFields(BackgroundImage& image, const WindowImageFields& fields) {
    const bool rectangle = !fields.useImageSize;
    const bool corner = fields.placement == cornerPlacement;
    NumberFieldCheck width, height, x, y;
    if (rectangle) {
        width = checkSide(fields.rectWidth, widthMessages);
        if (!width.accepted())
            return {stop(width.message, errorCaption), WindowImageField::rectWidth};
        height = checkSide(fields.rectHeight, heightMessages);
        if (!height.accepted())
            return {stop(height.message, errorCaption), WindowImageField::rectHeight};
    }
    if (corner) {
        x = checkNumberField(fields.x, xMessages);
        if (!x.accepted())
            return {stop(x.message, errorCaption), WindowImageField::x};
        y = checkNumberField(fields.y, yMessages);
        if (!y.accepted())
            return {stop(y.message, errorCaption), WindowImageField::y};
    }
    if (rectangle) {
        image.rectWidth = width.value;
        image.rectHeight = height.value;
    }
    if (corner) {
        image.x = x.value;
        image.y = y.value;
    }
    image.placement = fields.placement;
    image.useImageSize = fields.useImageSize ? 1 : 0;
    return {};
}

PageMessage deleteSizingImageQuestion() {
    return question("This image dimensions define the size of current window.\rAre you sure "
                    "deleting this image?",
                    "Delete image...");
}

PageMessage fixWindowSizeQuestion() {
    return question("This image dimensions define the size of current window.\rWould you like "
                    "to fix current window dimensions (or they'll be \rchanged to dimensions of "
                    "new first image)?",
                    "Window dimensions...");
}

PageMessage moveSizingImageQuestion(bool up) {
    return question("You want to replace the image, which defines the window size...\rWould you "
                    "like to replace current image ( new window size\rwill be based on new "
                    "image dimensions )?",
                    up ? "Move Up Image..." : "Move Down Image...");
}

PageMessage addImageQuestion() {
    return question("You selected new image...\rWould you like to add this image?",
                    "New image selection...");
}

PageMessage replaceImageQuestion() {
    return question("You selected new image...\rWould you like to replace current image?",
                    "New image selection...");
}

PageMessage imageOperationCancelled(const char* caption) {
    return {cancelled, caption, box::ok | box::iconInformation, MessageOwner::none};
}

} // namespace zim
