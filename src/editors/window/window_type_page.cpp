#include "editors/window/window_type_page.h"

#include <array>
#include <optional>
#include <vector>

#include "editors/frame/image_preview_panel.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/placement_selector.h"
#include "editors/frame/sample_colour_ref.h"
#include "editors/window/window_header.h"
#include "editors/window/window_page_base.h"
#include "editors/window/window_page_questions.h"
#include "editors/window/window_type_rules.h"
#include "live/edit_windows.h"
#include "model/program_state.h"
#include "shell/control_toolkit.h"
#include "shell/rectangle_size_dialog.h"
#include "shell/shell_state.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"

namespace zim {

namespace {

// The page's edits; its radios and buttons are those of window_type_rules.h.
enum WindowTypePageControl : int {
    appearanceTimeEdit = 101,
    windowWidthEdit = 102,
    windowHeightEdit = 103,
    clientWidthEdit = 104,
    clientHeightEdit = 105,
    xLeftEdit = 106,
    yTopEdit = 107,
};

constexpr DWORD groupBox = BS_GROUPBOX;
constexpr DWORD radio = BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD numberEdit = ES_AUTOHSCROLL | ES_CENTER | WS_BORDER | WS_TABSTOP;
constexpr DWORD label = SS_LEFT | SS_CENTERIMAGE;
constexpr int previewSide = 160;
constexpr int rowHeight = 20;

// Where the size and position group starts, and its three columns.
constexpr int sizeGroupTop = 102;
constexpr int sizeColumn = 30;
constexpr int previewColumn = 255;
constexpr int placementColumnFromRight = 290;

int placementColumn(int width) {
    return width - placementColumnFromRight;
}

ControlDescription labelAt(const char* text, int left, int top, int width) {
    return {"STATIC", text, label, {left, top, width, rowHeight}};
}

ControlDescription editAt(int id, int left, int top) {
    return {"EDIT",          "", numberEdit, {left, top, 70, rowHeight}, id, ControlFont::control,
            WS_EX_CLIENTEDGE};
}

ControlDescription radioAt(const char* text, const LayoutBox& box, int id, DWORD group = 0) {
    return {"BUTTON", text, radio | group, box, id};
}

std::vector<ControlDescription> typeControls(int width) {
    const int g = sizeGroupTop;
    const int pc = placementColumn(width);
    return {
        {"BUTTON", " Window Type ", groupBox, {10, 2, width - 20, 46}},
        radioAt(" Standard Window", {30, 21, 200, rowHeight}, standardWindowRadio, WS_GROUP),
        radioAt(" Modeless Dialog", {250, 21, 200, rowHeight}, modelessDialogRadio),
        radioAt(" Modal Dialog", {470, 21, 200, rowHeight}, modalDialogRadio),

        {"BUTTON", " Window Appearance ", groupBox, {10, 52, width - 20, 46}},
        radioAt(" Immediately", {30, 71, 130, rowHeight}, windowImmediatelyRadio, WS_GROUP),
        radioAt(" Animated", {170, 71, 110, rowHeight}, windowAnimatedRadio),
        labelAt(" Appearance time ( in miliseconds ) =", 300, 71, 250),
        editAt(appearanceTimeEdit, 555, 71),

        {"BUTTON", " Window Size and Position ", groupBox, {10, g, width - 20, 282}},
        radioAt(" Use Image Dimensions", {sizeColumn, g + 22, 210, rowHeight},
                useImageDimensionsRadio, WS_GROUP),
        {"BUTTON",
         "Select New Image",
         WS_TABSTOP,
         {sizeColumn + 20, g + 46, 160, 26},
         selectNewWindowImageButton},
        radioAt(" Manual Settings", {sizeColumn, g + 84, 210, rowHeight}, manualSettingsRadio),
        labelAt(" Window Width =", sizeColumn + 20, g + 108, 125),
        editAt(windowWidthEdit, sizeColumn + 145, g + 108),
        labelAt(" Window Height =", sizeColumn + 20, g + 130, 125),
        editAt(windowHeightEdit, sizeColumn + 145, g + 130),
        radioAt(" Fix Window Client Area", {sizeColumn, g + 158, 210, rowHeight},
                fixClientAreaRadio),
        labelAt(" Client Area Width =", sizeColumn + 20, g + 182, 125),
        editAt(clientWidthEdit, sizeColumn + 145, g + 182),
        labelAt(" Client Area Height =", sizeColumn + 20, g + 204, 125),
        editAt(clientHeightEdit, sizeColumn + 145, g + 204),
        {"BUTTON",
         "Select Window Position and/or Size in Preview Mode",
         BS_MULTILINE | WS_TABSTOP | WS_GROUP,
         {sizeColumn, g + 236, previewColumn + previewSide - sizeColumn, 34},
         selectInPreviewButton},

        radioAt(" Use Predefined Type of Placement", {pc, g + 22, 260, rowHeight},
                predefinedPlacementRadio, WS_GROUP),
        radioAt(" Set Top-Left Corner Coordinates", {pc, g + 146, 260, rowHeight},
                cornerCoordinatesRadio),
        labelAt(" X_Left Value =", pc + 20, g + 170, 110),
        editAt(xLeftEdit, pc + 135, g + 170),
        labelAt(" Y_Top Value =", pc + 20, g + 192, 110),
        editAt(yTopEdit, pc + 135, g + 192),
        radioAt(" Use Default Position (As Is)", {pc, g + 220, 260, rowHeight},
                defaultPositionRadio),
    };
}

// The nine grid buttons under " Use Predefined Type of Placement", row by row.
std::array<LayoutBox, 9> placementCells(int width) {
    std::array<LayoutBox, 9> cells{};
    for (int k = 0; k < 9; ++k)
        cells[k] = {placementColumn(width) + 40 + (k % 3) * 38, sizeGroupTop + 48 + (k / 3) * 30,
                    32, 24};
    return cells;
}

std::array<int, 9> placementIds() {
    std::array<int, 9> ids{};
    for (int k = 0; k < 9; ++k)
        ids[k] = firstPlacementButton + k;
    return ids;
}

int editOf(WindowTypeField field) {
    switch (field) {
    case WindowTypeField::appearanceTime:
        return appearanceTimeEdit;
    case WindowTypeField::windowWidth:
        return windowWidthEdit;
    case WindowTypeField::windowHeight:
        return windowHeightEdit;
    case WindowTypeField::clientWidth:
        return clientWidthEdit;
    case WindowTypeField::clientHeight:
        return clientHeightEdit;
    case WindowTypeField::x:
        return xLeftEdit;
    case WindowTypeField::y:
        return yTopEdit;
    default:
        return 0;
    }
}

ListFolders windowFolders() {
    return {projectDirectory, programDirectory / templatesFolder};
}

class WindowTypeTab : public WindowPageBase {
  public:
    explicit WindowTypeTab(ParametersFrame& frame)
        : WindowPageBase(frame), rules_(project(), windowNumber(), windowFolders()),
          questions_(frame.window()) {}

    // A template image copied for size mode 1 and never saved goes with the page.
    ~WindowTypeTab() override {
        rules_.discard();
        if (previewBrush_)
            DeleteObject(previewBrush_);
    }

    void loadControls() override {
        const WindowTypeTexts& t = rules_.texts();
        setText(frame().window(), windowTitleEdit, t.title);
        showTexts();
        showChoices();
        redrawImagePreview(preview_);
    }

    void storeControls() override {
        WindowTypeTexts& t = rules_.texts();
        t.title = textOf(frame().window(), windowTitleEdit);
        t.appearanceTime = textOf(window(), appearanceTimeEdit);
        t.windowWidth = textOf(window(), windowWidthEdit);
        t.windowHeight = textOf(window(), windowHeightEdit);
        t.clientWidth = textOf(window(), clientWidthEdit);
        t.clientHeight = textOf(window(), clientHeightEdit);
        t.x = textOf(window(), xLeftEdit);
        t.y = textOf(window(), yTopEdit);
    }

  private:
    std::vector<ControlDescription> pageControls(int width, int) const override {
        return typeControls(width);
    }

    void onInit() override {
        placement_ = std::make_unique<PlacementSelector>(window(), placementCells(pageWidth()),
                                                         placementIds());
        const AppWindow& w = zim::window(windowNumber());
        previewBrush_ = CreateSolidBrush(
            colourRefOf(backgroundSampleColour(w.backgroundKind, w.backgroundValue)));
        const LayoutBox box{previewColumn, sizeGroupTop + 22, previewSide, previewSide};
        preview_ = createImagePreviewPanel(window(), box, [this] { return previewImage(); });
    }

    int pageWidth() const {
        RECT client;
        GetClientRect(window(), &client);
        return client.right;
    }

    PreviewImage previewImage() const {
        const WindowPreviewImage image = rules_.previewImage();
        PreviewImage shown;
        shown.present = image.shown;
        const std::string extension = ".bmp";
        shown.bitmapName = image.fileName.substr(0, image.fileName.size() - extension.size());
        shown.background = previewBrush_;
        return shown;
    }

    void showTexts() {
        const WindowTypeTexts& t = rules_.texts();
        setText(window(), appearanceTimeEdit, t.appearanceTime);
        setText(window(), windowWidthEdit, t.windowWidth);
        setText(window(), windowHeightEdit, t.windowHeight);
        setText(window(), clientWidthEdit, t.clientWidth);
        setText(window(), clientHeightEdit, t.clientHeight);
        setText(window(), xLeftEdit, t.x);
        setText(window(), yTopEdit, t.y);
    }

    void showChoices() {
        const WindowTypeChecks c = rules_.checks();
        HWND page = window();
        setChecked(page, standardWindowRadio, c.standardWindow);
        setChecked(page, modelessDialogRadio, c.modelessDialog);
        setChecked(page, modalDialogRadio, c.modalDialog);
        setChecked(page, windowImmediatelyRadio, c.immediately);
        setChecked(page, windowAnimatedRadio, c.animated);
        setChecked(page, useImageDimensionsRadio, c.imageDimensions);
        setChecked(page, manualSettingsRadio, c.manualSettings);
        setChecked(page, fixClientAreaRadio, c.fixClientArea);
        setChecked(page, predefinedPlacementRadio, c.predefinedPlacement);
        setChecked(page, cornerCoordinatesRadio, c.cornerCoordinates);
        setChecked(page, defaultPositionRadio, c.defaultPosition);
        placement_->showPlacement(
            c.pushedPlacementButton ? c.pushedPlacementButton - firstPlacementButton : -1);
    }

    void applyPageEnabling(EditorState state) override {
        const WindowTypeEnabling e = rules_.enabling(state);
        HWND page = window();
        enable(page, {standardWindowRadio, modelessDialogRadio, modalDialogRadio}, e.typeRadios);
        enable(page, {windowImmediatelyRadio, windowAnimatedRadio}, e.appearanceRadios);
        enable(page, {appearanceTimeEdit}, e.appearanceTime);
        enable(page, {useImageDimensionsRadio, manualSettingsRadio, fixClientAreaRadio},
               e.sizeRadios);
        enable(page, {windowWidthEdit, windowHeightEdit}, e.windowSize);
        enable(page, {clientWidthEdit, clientHeightEdit}, e.clientSize);
        enable(page, {selectNewWindowImageButton}, e.selectNewImage);
        EnableWindow(preview_, e.selectNewImage);
        enable(page, {selectInPreviewButton}, e.selectInPreview);
        enable(page, {predefinedPlacementRadio, cornerCoordinatesRadio, defaultPositionRadio},
               e.placementRadios);
        for (HWND cell : placement_->buttons())
            EnableWindow(cell, e.placementButtons);
        enable(page, {xLeftEdit, yTopEdit}, e.cornerCoordinates);
    }

    void onPageCommand(int id, int code, HWND) override {
        if (id == rectangleChosenCommand) {
            takeChosenRectangle();
            return;
        }
        if (state() != EditorState::edit || code != BN_CLICKED)
            return;
        switch (id) {
        case selectNewWindowImageButton:
            apply(rules_.selectNewImage(questions_));
            return;
        case selectInPreviewButton:
            chooseInPreview();
            return;
        default:
            storeControls();
            apply(rules_.press(id));
            return;
        }
    }

    void apply(const WindowTypeStep& step) {
        if (step.changed) {
            showTexts();
            showChoices();
            applyPageEnabling(state());
        }
        if (step.previewChanged)
            redrawImagePreview(preview_);
        if (step.message)
            show(*step.message);
    }

    // The rectangle-size dialog shows a rectangle of the chosen size on the backdrop, which the
    // designer's window uncovers while the window itself is moved and sized over it.
    void chooseInPreview() {
        storeControls();
        if (!runRectangleSizeDialog(frame().window())) {
            show(rectangleSelectionCancelled());
            return;
        }
        repaintDesigner();
        if (!openPositionEditWindow(windowNumber(), chosen_, window())) {
            boundingRectShown = 0;
            repaintDesigner();
        }
    }

    // Command 134: the position edit window has closed with the chosen rectangle.
    void takeChosenRectangle() {
        boundingRectShown = 0;
        repaintDesigner();
        releaseEditWindowClass();
        storeControls();
        apply(rules_.takeChosenRectangle(chosen_));
    }

    static void repaintDesigner() {
        for (HWND shown : {mainWindow, backdropWindow})
            if (shown && IsWindow(shown))
                InvalidateRect(shown, nullptr, TRUE);
    }

    void restoreWorkingCopy() override {
        const FileFailures failures = rules_.restore();
        if (!failures.empty())
            show({failureReport(failures), "New image selection...", box::ok | box::iconHand,
                  MessageOwner::none});
    }

    void saveWorkingCopy() override {
        storeControls();
        const WindowTypeSave result = rules_.save();
        if (!result.saved()) {
            show(result.refusal);
            SetFocus(GetDlgItem(window(), editOf(result.focus)));
            return;
        }
        finishSave();
        // The tree shows the new title and kind. Rebuilding it selects this window again, which
        // replaces the frame and this page: nothing may follow.
        if (HWND tree = structurePaneTree())
            buildStructureTree(tree, result.treeCode);
    }

    WindowTypePage rules_;
    WindowPageQuestions questions_;
    std::unique_ptr<PlacementSelector> placement_;
    HWND preview_ = nullptr;
    HBRUSH previewBrush_ = nullptr;
    PixelRect chosen_{};
};

} // namespace

std::unique_ptr<PageBase> makeWindowTypePage(ParametersFrame& frame) {
    return std::make_unique<WindowTypeTab>(frame);
}

} // namespace zim
