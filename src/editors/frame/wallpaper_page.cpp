#include "editors/frame/wallpaper_page.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "editors/frame/colour_sample.h"
#include "editors/frame/sample_colour_ref.h"
#include "editors/frame/command_buttons.h"
#include "editors/frame/frame_layout.h"
#include "editors/frame/image_preview_panel.h"
#include "editors/frame/page_message_box.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/placement_selector.h"
#include "editors/frame/wallpaper_image.h"
#include "editors/frame/wallpaper_page_rules.h"
#include "live/image_drawing.h"
#include "model/name_path.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
#include "shell/object_code.h"
#include "shell/selection_state.h"
#include "shell/shell_state.h"
#include "shell/stock_brush_dialog.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"
#include "shell/system_colour_dialog.h"

namespace zim {

namespace {

// The controls beside those of wallpaper_page_rules.h and placement_codes.h.
enum WallpaperPageControl : int {
    appearanceTimeEdit = 201,
    firstWindowDelayEdit = 202,
    areaWidthEdit = 203,
    areaHeightEdit = 204,
    xEdit = 205,
    yEdit = 206,
    appearanceTimeLabel = 211,
    areaWidthLabel = 213,
    areaHeightLabel = 214,
    xLabel = 215,
    yLabel = 216,
    colourSample = 220,
};

constexpr int backgroundBrushSlot = 0;

constexpr DWORD groupBox = BS_GROUPBOX;
constexpr DWORD plainRadio = BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD numberEdit = ES_AUTOHSCROLL | ES_CENTER | WS_TABSTOP;

ControlDescription text(const char* caption, LayoutBox box, int id = 0, DWORD style = SS_LEFT) {
    return {"STATIC", caption, style, box, id};
}
ControlDescription radio(const char* caption, LayoutBox box, int id) {
    return {"BUTTON", caption, plainRadio, box, id};
}
ControlDescription number(LayoutBox box, int id) {
    return {"EDIT", "", numberEdit, box, id, ControlFont::control, WS_EX_CLIENTEDGE};
}

// The two groups, in the parameters window's client area of width x height; the preview and
// the placement grid are made apart.
std::vector<ControlDescription> wallpaperPageControls(int width, int height) {
    return {
        {"BUTTON", " Standard Parameters ", groupBox, {10, 50, width - 20, 130}},
        text(" Wallpaper Appearance : ", {45, 85, 150, 20}),
        radio(" Immediately", {200, 85, 100, 20}, immediatelyRadio),
        radio(" Animated", {300, 85, 95, 20}, animatedRadio),
        text(" Appearance time ( in miliseconds ) =", {400, 85, 240, 20}, appearanceTimeLabel,
             SS_RIGHT),
        number({645, 85, 50, 20}, appearanceTimeEdit),
        text(" Time delay for first application window appearance ( in miliseconds ) =",
             {45, 108, 595, 20}),
        number({645, 108, 50, 20}, firstWindowDelayEdit),
        text(" Background color of wallpaper window - ", {45, 131, 400, 20}),
        {"STATIC",
         "",
         SS_LEFT,
         {455, 131, 50, 20},
         colourSample,
         ControlFont::none,
         WS_EX_CLIENTEDGE},
        {"BUTTON",
         "Select New Color",
         BS_PUSHBUTTON | WS_TABSTOP,
         {515, 131, 180, 22},
         selectNewColorButton},

        {"BUTTON", " Miscellaneous Parameters ", groupBox, {10, 210, 430, height - 260}},
        text(" Image on wallpaper window -", {25, 237, 185, 20}),
        radio(" Absent", {215, 237, 90, 20}, imageAbsentRadio),
        radio(" Present", {310, 237, 100, 20}, imagePresentRadio),
        radio(" Use image dimensions only", {25, 265, 405, 20}, imageDimensionsRadio),
        radio(" Use rectangular area to display (fill/stretch by) image", {25, 287, 405, 20},
              rectangleAreaRadio),
        text(" Rectangular Area Width ( in pixels ) =", {45, 310, 290, 20}, areaWidthLabel),
        number({340, 310, 60, 20}, areaWidthEdit),
        text(" Rectangular Area Height ( in pixels ) =", {45, 333, 290, 20}, areaHeightLabel),
        number({340, 333, 60, 20}, areaHeightEdit),
        radio(" Use full screen area for image drawing", {25, 362, 405, 20}, wholeAreaRadio),
        radio(" Use Predefined Type of Placement", {25, 388, 405, 20}, predefinedPlacementRadio),
        radio(" Set Top-Left Corner Coordinates", {25, 503, 405, 20}, cornerCoordinatesRadio),
        text(" X_Left Value =", {45, 528, 100, 20}, xLabel),
        number({145, 528, 60, 20}, xEdit),
        text(" Y_Top Value =", {225, 528, 100, 20}, yLabel),
        number({325, 528, 60, 20}, yEdit),
    };
}

// The grid: 35 x 25 buttons at x 170, 205, 240 and y 419, 444, 469.
std::array<LayoutBox, 9> placementCells() {
    std::array<LayoutBox, 9> cells;
    for (int k = 0; k < 9; ++k)
        cells[k] = {170 + 35 * (k % 3), 419 + 25 * (k / 3), 35, 25};
    return cells;
}

std::array<int, 9> placementIds() {
    std::array<int, 9> ids;
    for (int k = 0; k < 9; ++k)
        ids[k] = firstPlacementButton + k;
    return ids;
}

// The preview fills the right of the image group, with "Select New Image" under it.
LayoutBox previewBox(int width, int height) {
    return {450, 220, width - 460, height - 325};
}
LayoutBox selectNewImageBox(int width, int height) {
    return {450, height - 95, width - 460, 40};
}

class WallpaperPageEditor : public ObjectEditor {
  public:
    explicit WallpaperPageEditor(ParametersFrame& frame)
        : frame_(frame), sample_(frame, backgroundBrushSlot, colourSample) {}

    void build() override {
        HWND parent = frame_.window();
        RECT client;
        GetClientRect(parent, &client);
        page_ = wallpaperPageContent(project().wallpaper);
        createControls(parent, wallpaperPageControls(client.right, client.bottom));
        placement_.emplace(parent, placementCells(), placementIds());
        createControl(parent,
                      {"BUTTON", "Select New Image", BS_PUSHBUTTON | WS_TABSTOP,
                       selectNewImageBox(client.right, client.bottom), selectNewImageButton});
        preview_ = createImagePreviewPanel(parent, previewBox(client.right, client.bottom),
                                           [this] { return previewImage(); });
        CreateCommandButtons(parent, client, commandButtonMargin);
        loadControls();
        frame_.applyEnabling();
    }

    void onCommand(int id, int code, HWND) override {
        switch (id) {
        case editParametersCommand:
            if (session().edit() != StepResult::ignored)
                frame_.applyEnabling();
            return;
        case restoreParametersCommand:
            if (session().restore() == StepResult::ignored)
                return;
            loadControls();
            frame_.applyEnabling();
            return;
        case saveParametersCommand:
            save();
            return;
        }
        if (session().state() != EditorState::edit)
            return;
        // A typed size or corner moves the image in the preview at once.
        if (code == EN_CHANGE) {
            redrawImagePreview(preview_);
            return;
        }
        if (code != BN_CLICKED)
            return;
        switch (id) {
        case selectNewColorButton:
            openColourMenu();
            return;
        case systemColourCommand:
        case customColourCommand:
        case systemBrushCommand:
            chooseBackground(id);
            return;
        case selectNewImageButton:
            selectNewImage();
            return;
        }
        if (pressWallpaperControl(page_.choices, id)) {
            showChoices();
            frame_.applyEnabling();
            redrawImagePreview(preview_);
        }
    }

    std::optional<HBRUSH> onControlColour(HDC, HWND control) override {
        return sample_.brushFor(control);
    }

    void applyEnabling(const FrameEnabling&) override {
        const WallpaperEnabling e = wallpaperEnabling(page_.choices, session().state());
        HWND parent = frame_.window();
        enable(parent, {immediatelyRadio, animatedRadio}, e.appearanceRadios);
        enable(parent, {appearanceTimeEdit, appearanceTimeLabel}, e.appearanceTime);
        enable(parent, {firstWindowDelayEdit}, e.firstWindowDelay);
        enable(parent, {selectNewColorButton}, e.selectNewColor);
        enable(parent, {imageAbsentRadio, imagePresentRadio}, e.presenceRadios);
        enable(parent, {imageDimensionsRadio, rectangleAreaRadio}, e.sizeRadios);
        enable(parent, {areaWidthEdit, areaHeightEdit, areaWidthLabel, areaHeightLabel},
               e.areaSize);
        enable(parent, {wholeAreaRadio, predefinedPlacementRadio, cornerCoordinatesRadio},
               e.placementRadios);
        for (HWND button : placement_->buttons())
            EnableWindow(button, e.placementButtons);
        enable(parent, {xEdit, yEdit, xLabel, yLabel}, e.cornerCoordinates);
        enable(parent, {selectNewImageButton}, e.selectNewImage);
    }

  private:
    EditingSession& session() { return frame_.session(); }

    // The Project into the page: on creation, after Restore and after Save.
    void loadControls() {
        page_ = wallpaperPageContent(project().wallpaper);
        const WallpaperTexts& t = page_.texts;
        HWND parent = frame_.window();
        setText(parent, appearanceTimeEdit, t.appearanceTime);
        setText(parent, firstWindowDelayEdit, t.firstWindowDelay);
        setText(parent, areaWidthEdit, t.areaWidth);
        setText(parent, areaHeightEdit, t.areaHeight);
        setText(parent, xEdit, t.x);
        setText(parent, yEdit, t.y);
        showChoices();
        showBackground();
    }

    void readTexts() {
        WallpaperTexts& t = page_.texts;
        HWND parent = frame_.window();
        t.appearanceTime = textOf(parent, appearanceTimeEdit);
        t.firstWindowDelay = textOf(parent, firstWindowDelayEdit);
        t.areaWidth = textOf(parent, areaWidthEdit);
        t.areaHeight = textOf(parent, areaHeightEdit);
        t.x = textOf(parent, xEdit);
        t.y = textOf(parent, yEdit);
    }

    void showChoices() {
        const WallpaperChecks checks = wallpaperChecks(page_.choices);
        HWND parent = frame_.window();
        setChecked(parent, immediatelyRadio, checks.immediately);
        setChecked(parent, animatedRadio, checks.animated);
        setChecked(parent, imageAbsentRadio, checks.imageAbsent);
        setChecked(parent, imagePresentRadio, checks.imagePresent);
        setChecked(parent, imageDimensionsRadio, checks.imageDimensions);
        setChecked(parent, rectangleAreaRadio, checks.rectangleArea);
        setChecked(parent, wholeAreaRadio, checks.wholeArea);
        setChecked(parent, predefinedPlacementRadio, checks.predefinedPlacement);
        setChecked(parent, cornerCoordinatesRadio, checks.cornerCoordinates);
        placement_->showPlacement(checks.pushedPlacementButton - firstPlacementButton);
    }

    // The sample and the preview in the page's background colour.
    void showBackground() {
        const WallpaperChoices& c = page_.choices;
        sample_.show(colourRefOf(backgroundSampleColour(c.backgroundKind, c.backgroundValue)));
        redrawImagePreview(preview_);
    }

    // The screen in small, as the wallpaper would show it with the page's choices so far.
    PreviewImage previewImage() {
        readTexts();
        const Wallpaper pending = pendingWallpaper(project().wallpaper, page_);
        const PixelSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return {pending.imagePresent != 0, shown(pending.imageFile), sample_.brush(),
                drawingOf(pending), screen};
    }

    // The colour menu, centred under "Select New Color"; its commands come back to the frame.
    void openColourMenu() {
        RECT button;
        GetWindowRect(GetDlgItem(frame_.window(), selectNewColorButton), &button);
        TrackPopupMenu(frame_.menus().colour, TPM_CENTERALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON,
                       (button.left + button.right) / 2, button.bottom, 0, frame_.window(),
                       nullptr);
    }

    // "System Color", "Custom Color" or "System Brush" from the colour menu.
    void chooseBackground(int command) {
        WallpaperChoices& c = page_.choices;
        pendingBackgroundKind = c.backgroundKind;
        pendingBackgroundValue = c.backgroundValue;
        HWND parent = frame_.window();
        bool chosen = false;
        if (command == systemColourCommand)
            chosen = runSystemColourDialog(parent) == 1;
        else if (command == systemBrushCommand)
            chosen = runStockBrushDialog(parent) == 1;
        else if (const int colour = chooseColour(parent, static_cast<int>(sample_.colour()));
                 colour != -1) {
            pendingBackgroundKind = 1;
            pendingBackgroundValue = colour;
            chosen = true;
        }
        if (!chosen) {
            showPageMessage(parent, wallpaperColorCancelled());
            return;
        }
        c.backgroundKind = pendingBackgroundKind;
        c.backgroundValue = pendingBackgroundValue;
        showBackground();
    }

    // The chosen bitmap is copied over the project's "Wallpaper.bmp" at once.
    void selectNewImage() {
        HWND parent = frame_.window();
        std::string path;
        int success = 0;
        openFileDialog(hInstance, parent, wallpaperImagePickerTitle, bitmapPickerFilter, path,
                       success);
        if (!success) {
            showPageMessage(parent, wallpaperImagePickCancelled());
            return;
        }
        if (showPageMessage(parent, wallpaperImageQuestion()) != IDYES) {
            showPageMessage(parent, wallpaperImageDeclined());
            return;
        }
        const WallpaperImageReplacement replacement =
            replaceWallpaperImage(project().wallpaper, pathFromName(path), projectDirectory);
        showPageMessage(parent, replacement.message);
        if (replacement.imageInPlace)
            redrawImagePreview(preview_);
    }

    void save() {
        if (session().state() != EditorState::edit)
            return;
        HWND parent = frame_.window();
        readTexts();
        const WallpaperSave result = saveWallpaperPage(project().wallpaper, page_);
        if (!result.saved()) {
            showPageMessage(parent, result.refusal);
            focusField(result.focus);
            return;
        }
        session().save();
        loadControls();
        frame_.applyEnabling();
        // The image's presence adds or removes its tree item. Rebuilding the tree selects the
        // wallpaper again, which replaces this frame and this page: nothing may follow.
        if (HWND tree = structurePaneTree())
            buildStructureTree(tree, wallpaperCode);
    }

    void focusField(WallpaperField field) {
        int id = 0;
        switch (field) {
        case WallpaperField::none:
            return;
        case WallpaperField::appearanceTime:
            id = appearanceTimeEdit;
            break;
        case WallpaperField::firstWindowDelay:
            id = firstWindowDelayEdit;
            break;
        case WallpaperField::areaWidth:
            id = areaWidthEdit;
            break;
        case WallpaperField::areaHeight:
            id = areaHeightEdit;
            break;
        case WallpaperField::x:
            id = xEdit;
            break;
        case WallpaperField::y:
            id = yEdit;
            break;
        }
        HWND edit = GetDlgItem(frame_.window(), id);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
    }

    ParametersFrame& frame_;
    WallpaperPage page_;
    ColourSample sample_;
    std::optional<PlacementSelector> placement_;
    HWND preview_ = nullptr;
};

} // namespace

std::unique_ptr<ObjectEditor> makeWallpaperPage(ParametersFrame& frame) {
    return std::make_unique<WallpaperPageEditor>(frame);
}

} // namespace zim
