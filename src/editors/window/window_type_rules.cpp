#include "editors/window/window_type_rules.h"

#include <array>

#include "editors/frame/number_field.h"
#include "model/default_project.h"
#include "model/text_field.h"
#include "shell/object_code.h"

namespace zim {

namespace {

constexpr const char* errorCaption = "Error";
constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* rectangleCaption = "Bounding rectangle selection...";
constexpr const char* modalNotAnimated = "For modal dialogs this option is not available...";
constexpr const char* choiceCaption = "Your choice...";
constexpr const char* imageCaption = "New image selection...";

constexpr NumberFieldMessages appearanceTimeMessages{
    "Fill the field for appearance time value, please...",
    "Check out the field for appearance time value, please..."};
constexpr NumberFieldMessages windowWidthMessages{
    "Fill the field for window width, please...",
    "Check out the field for window width, please..."};
constexpr NumberFieldMessages windowHeightMessages{
    "Fill the field for window height, please...",
    "Check out the field for window height, please..."};
constexpr NumberFieldMessages clientWidthMessages{
    "Fill the field for client area width, please...",
    "Check out the field for client area width, please..."};
constexpr NumberFieldMessages clientHeightMessages{
    "Fill the field for client area height, please...",
    "Check out the field for client area height, please..."};
constexpr NumberFieldMessages xMessages{"Fill the field for x_left value, please...",
                                        "Check out the field for x_left value, please..."};
constexpr NumberFieldMessages yMessages{"Fill the field for y_top value, please...",
                                        "Check out the field for y_top value, please..."};

constexpr int32_t classicApplication = 0;
constexpr int32_t dialogApplication = 1;
constexpr int32_t lastGridCell = 8;

// One number edit of the page: when Save reads it, what it says, and where it goes.
struct NumberFieldRule {
    WindowTypeField field;
    bool inUse;
    const std::string& text;
    const NumberFieldMessages& messages;
    int32_t AppWindow::*target;
};

// The edits in the order Save checks them. Every one is refused when negative: sizes and
// corner coordinates count pixels from the reference area's corner, and the appearance time is
// handed to the system as unsigned milliseconds, where a negative number is an endless wait.
std::array<NumberFieldRule, 7> numberFields(const WindowTypeChoices& c, const WindowTypeTexts& t) {
    const bool windowSize = c.sizeMode == sizeAsWindow;
    const bool clientSize = c.sizeMode == sizeAsClientArea;
    const bool corner = c.placementMode == placementAtCorner;
    return {{
        {WindowTypeField::appearanceTime, c.animated, t.appearanceTime, appearanceTimeMessages,
         &AppWindow::appearanceTime},
        {WindowTypeField::windowWidth, windowSize, t.windowWidth, windowWidthMessages,
         &AppWindow::width},
        {WindowTypeField::windowHeight, windowSize, t.windowHeight, windowHeightMessages,
         &AppWindow::height},
        {WindowTypeField::clientWidth, clientSize, t.clientWidth, clientWidthMessages,
         &AppWindow::width},
        {WindowTypeField::clientHeight, clientSize, t.clientHeight, clientHeightMessages,
         &AppWindow::height},
        {WindowTypeField::x, corner, t.x, xMessages, &AppWindow::x},
        {WindowTypeField::y, corner, t.y, yMessages, &AppWindow::y},
    }};
}

std::optional<PageMessage> failuresMessage(const FileFailures& failures) {
    if (failures.empty())
        return std::nullopt;
    return PageMessage{failureReport(failures), imageCaption, box::ok | box::iconHand,
                       MessageOwner::none};
}

} // namespace

PageMessage rectangleSelectionCancelled() {
    return {cancelled, rectangleCaption, box::ok | box::iconInformation, MessageOwner::none};
}

WindowTypePage::WindowTypePage(Project& project, int window, const ListFolders& folders)
    : project_(project), w_(window), sizeImage_(folders, window) {
    load();
}

void WindowTypePage::load() {
    const AppWindow& w = window();
    choices_.kind = w.kind;
    choices_.animated = w.animate != 0;
    choices_.sizeMode = w.sizeMode;
    choices_.placementMode = w.placementMode;
    choices_.placement = w.placement;
    texts_.title = shown(w.title);
    texts_.appearanceTime = std::to_string(w.appearanceTime);
    texts_.windowWidth = texts_.clientWidth = std::to_string(w.width);
    texts_.windowHeight = texts_.clientHeight = std::to_string(w.height);
    texts_.x = std::to_string(w.x);
    texts_.y = std::to_string(w.y);
    sizeImage_.load(w);
    resetFirstImage_ = false;
}

WindowTypeChecks WindowTypePage::checks() const {
    const WindowTypeChoices& c = choices_;
    WindowTypeChecks checks;
    checks.standardWindow = c.kind == standardWindowKind;
    checks.modelessDialog = c.kind == modelessDialogKind;
    checks.modalDialog = c.kind == modalDialogKind;
    checks.immediately = !c.animated;
    checks.animated = c.animated;
    checks.imageDimensions = c.sizeMode == sizeOfFirstImage;
    checks.manualSettings = c.sizeMode == sizeAsWindow;
    checks.fixClientArea = c.sizeMode == sizeAsClientArea;
    checks.predefinedPlacement = c.placementMode == placementOnGrid;
    checks.cornerCoordinates = c.placementMode == placementAtCorner;
    checks.defaultPosition = c.placementMode == placementSystemDefault;
    if (checks.predefinedPlacement && c.placement >= 0 && c.placement <= lastGridCell)
        checks.pushedPlacementButton = firstPlacementButton + c.placement;
    return checks;
}

WindowTypeEnabling WindowTypePage::enabling(EditorState state) const {
    WindowTypeEnabling e;
    if (state != EditorState::edit)
        return e;
    const WindowTypeChoices& c = choices_;
    e.typeRadios = true;
    e.appearanceRadios = true;
    e.appearanceTime = c.animated;
    e.sizeRadios = true;
    e.windowSize = c.sizeMode == sizeAsWindow;
    e.clientSize = c.sizeMode == sizeAsClientArea;
    e.selectNewImage = c.sizeMode == sizeOfFirstImage;
    e.selectInPreview = true;
    e.placementRadios = true;
    e.placementButtons = c.placementMode == placementOnGrid;
    e.cornerCoordinates = c.placementMode == placementAtCorner;
    return e;
}

WindowPreviewImage WindowTypePage::previewImage() const {
    if (choices_.sizeMode != sizeOfFirstImage)
        return {};
    return {true, sizeImage_.fileName()};
}

WindowTypeStep WindowTypePage::press(int controlId) {
    WindowTypeChoices& c = choices_;
    const WindowTypeChoices before = c;
    switch (controlId) {
    case standardWindowRadio:
        c.kind = standardWindowKind;
        break;
    case modelessDialogRadio:
        c.kind = modelessDialogKind;
        break;
    case modalDialogRadio:
        c.kind = modalDialogKind;
        c.animated = false;
        break;
    case windowImmediatelyRadio:
        c.animated = false;
        break;
    case windowAnimatedRadio:
        if (c.kind == modalDialogKind) {
            // The radio checked itself: the page sets the checks back.
            WindowTypeStep refused;
            refused.changed = true;
            refused.message = PageMessage{modalNotAnimated, choiceCaption,
                                          box::ok | box::iconInformation, MessageOwner::none};
            return refused;
        }
        c.animated = true;
        break;
    case useImageDimensionsRadio:
        return chooseSizeMode(sizeOfFirstImage);
    case manualSettingsRadio:
        return chooseSizeMode(sizeAsWindow);
    case fixClientAreaRadio:
        return chooseSizeMode(sizeAsClientArea);
    case predefinedPlacementRadio:
        c.placementMode = placementOnGrid;
        c.placement = 0;
        break;
    case cornerCoordinatesRadio:
        c.placementMode = placementAtCorner;
        break;
    case defaultPositionRadio:
        c.placementMode = placementSystemDefault;
        break;
    default:
        if (controlId < firstPlacementButton || controlId > lastPlacementButton)
            return {};
        c.placement = controlId - firstPlacementButton;
        break;
    }
    WindowTypeStep step;
    step.changed = c.kind != before.kind || c.animated != before.animated ||
                   c.placementMode != before.placementMode || c.placement != before.placement;
    return step;
}

WindowTypeStep WindowTypePage::chooseSizeMode(int32_t mode) {
    if (mode != sizeOfFirstImage)
        return leaveImageSize(mode);
    WindowTypeStep step;
    if (std::optional<PageMessage> problem = sizeImage_.provide()) {
        step.changed = true; // the radio checked itself: the page sets the checks back
        step.message = std::move(problem);
        return step;
    }
    step.changed = true;
    step.previewChanged = true;
    choices_.sizeMode = sizeOfFirstImage;
    resetFirstImage_ = true;
    return step;
}

WindowTypeStep WindowTypePage::leaveImageSize(int32_t mode) {
    WindowTypeStep step;
    const bool wasImageSize = choices_.sizeMode == sizeOfFirstImage;
    step.changed = choices_.sizeMode != mode;
    step.previewChanged = wasImageSize;
    choices_.sizeMode = mode;
    resetFirstImage_ = false;
    step.message = failuresMessage(sizeImage_.withdraw());
    return step;
}

WindowTypeStep WindowTypePage::selectNewImage(WindowPagePrompts& prompts) {
    WindowTypeStep step;
    if (choices_.sizeMode != sizeOfFirstImage)
        return step;
    step.previewChanged = sizeImage_.selectNew(prompts);
    return step;
}

WindowTypeStep WindowTypePage::takeChosenRectangle(const PixelRect& windowRect,
                                                   const PixelRect& reference) {
    return takeChosenRectangle(windowInReference(windowRect, reference));
}

WindowTypeStep WindowTypePage::takeChosenRectangle(const PixelRect& chosen) {
    texts_.x = std::to_string(chosen.left);
    texts_.y = std::to_string(chosen.top);
    texts_.windowWidth = texts_.clientWidth = std::to_string(chosen.width());
    texts_.windowHeight = texts_.clientHeight = std::to_string(chosen.height());
    choices_.placementMode = placementAtCorner;
    WindowTypeStep step = leaveImageSize(sizeAsWindow);
    step.changed = true;
    return step;
}

WindowTypeSave WindowTypePage::save() {
    const std::array<NumberFieldRule, 7> fields = numberFields(choices_, texts_);
    std::array<int32_t, 7> values{};
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const NumberFieldRule& rule = fields[k];
        if (!rule.inUse)
            continue;
        const NumberFieldCheck check =
            checkNumberField(rule.text, rule.messages, NumberSign::notNegative);
        if (!check.accepted())
            return {{check.message, errorCaption, box::ok | box::iconHand,
                     MessageOwner::parametersWindow},
                    rule.field};
        values[k] = check.value;
    }

    AppWindow& w = window();
    w.kind = choices_.kind;
    w.animate = choices_.animated ? 1 : 0;
    w.sizeMode = choices_.sizeMode;
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k].inUse)
            w.*fields[k].target = values[k];
    if (choices_.sizeMode == sizeOfFirstImage)
        writeFirstImage(w);
    w.placementMode = choices_.placementMode;
    if (choices_.placementMode == placementOnGrid)
        w.placement = choices_.placement;
    setText(w.title, texts_.title);
    if (w_ == 1)
        project_.program.applicationType =
            isDialogWindow(w) ? dialogApplication : classicApplication;

    load();
    WindowTypeSave result;
    result.treeCode = windowCode(project_.program.applicationType, w_);
    return result;
}

void WindowTypePage::writeFirstImage(AppWindow& w) {
    BackgroundImage& first = w.images[0];
    if (w.imageCount == 0) {
        if (!sizeImage_.pending())
            return;
        w.imageCount = 1;
        buildNewBackgroundImage(first, w, w_, 1);
        setText(first.fileName, sizeImage_.baseName());
        sizeImage_.adopt();
        return;
    }
    if (!resetFirstImage_)
        return;
    const std::string ownName = trimmed(first.fileName);
    buildNewBackgroundImage(first, w, w_, 1);
    setText(first.fileName, ownName);
}

FileFailures WindowTypePage::restore() {
    FileFailures failures = sizeImage_.withdraw();
    load();
    return failures;
}

FileFailures WindowTypePage::discard() {
    return sizeImage_.withdraw();
}

} // namespace zim
