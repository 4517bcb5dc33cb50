#include "editors/window/window_images_page.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "archive/file_operations.h"
#include "archive/safe_name.h"
#include "editors/frame/image_preview_panel.h"
#include "editors/frame/number_field.h"
#include "editors/frame/parameters_frame.h"
#include "editors/frame/placement_selector.h"
#include "editors/window/image_list_operations.h"
#include "editors/window/list_messages.h"
#include "editors/frame/sample_colour_ref.h"
#include "editors/window/window_header.h"
#include "editors/window/window_images_rules.h"
#include "editors/window/window_page_base.h"
#include "live/edit_windows.h"
#include "model/program_state.h"
#include "model/project.h"
#include "model/text_field.h"
#include "shell/control_toolkit.h"
#include "shell/object_code.h"
#include "shell/selection_state.h"
#include "shell/shell_state.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"
#include "shell/user_questions.h"

namespace zim {

namespace {

// The page's own controls; its radios and grid buttons are those of placement_codes.h.
enum WindowImagesPageControl : int {
    imageList = 33,
    chooseAreaInPreviewButton = 51,
    replaceImageButton = 67,
    addImageButton = 68,
    deleteImageButton = 69,
    moveImageUpButton = 70,
    moveImageDownButton = 71,
    rectWidthEdit = 101,
    rectHeightEdit = 102,
    xLeftEdit = 103,
    yTopEdit = 104,
    imagesGroup = 105,
    selectedImageLabel = 106,
    dimensionsLabel = 107,
    resolutionLabel = 108,
    fileSizeLabel = 109,
    imagesLabel = 110,
};

constexpr DWORD groupBox = BS_GROUPBOX;
constexpr DWORD radio = BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD numberEdit = ES_AUTOHSCROLL | ES_CENTER | WS_BORDER | WS_TABSTOP;
constexpr DWORD label = SS_LEFT | SS_CENTERIMAGE;
constexpr DWORD command = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD listStyle =
    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_GROUP;
constexpr int rowHeight = 20;
constexpr int groupTop = 30;
constexpr int commandButtonsHeight = 50;
constexpr int parametersWidth = 310;
constexpr int listWidth = 110;
constexpr int listTop = groupTop + 42;
constexpr int commandHeight = 25;
constexpr int commandStep = 29;
constexpr int infoStep = 19;
constexpr int gridTop = groupTop + 158;
constexpr int gridStep = 25;

constexpr std::array<int, 5> listCommands = {
    replaceImageButton, moveImageUpButton, moveImageDownButton, deleteImageButton, addImageButton};

// Both group boxes end above the command buttons.
int groupBottom(int height) {
    return height - commandButtonsHeight - 4;
}

int imagesGroupWidth(int width) {
    return width - parametersWidth - 30;
}

int listHeight(int height) {
    return groupBottom(height) - 12 - 3 * infoStep - 8 - commandStep - commandHeight - 8 - listTop;
}

LayoutBox previewBox(int width, int height) {
    const int left = 10 + 12 + listWidth + 10;
    return {left, listTop, imagesGroupWidth(width) - (left - 10) - 12, listHeight(height)};
}

std::vector<ControlDescription> imageListControls(int width, int height) {
    const int inner = 22;
    const int groupWidth = imagesGroupWidth(width);
    const LayoutBox preview = previewBox(width, height);
    const int commandTop = listTop + listHeight(height) + 8;
    const int infoTop = commandTop + commandStep + commandHeight + 8;
    std::vector<ControlDescription> controls = {
        {"BUTTON",
         "",
         groupBox,
         {10, groupTop, groupWidth, groupBottom(height) - groupTop},
         imagesGroup},
        {"STATIC",
         "Images :",
         label,
         {inner, groupTop + 20, listWidth, rowHeight},
         imagesLabel,
         ControlFont::labelBold},
        {"STATIC",
         " Selected Image - None",
         label,
         {preview.left, groupTop + 20, preview.width, rowHeight},
         selectedImageLabel},
        {"LISTBOX",
         "",
         listStyle,
         {inner, listTop, listWidth, listHeight(height)},
         imageList,
         ControlFont::control,
         WS_EX_CLIENTEDGE},
    };
    // Two rows: the three commands on the selected image, then delete and add.
    const char* texts[] = {"Replace Image", "Move Up", "Move Down", "Delete", "Add New"};
    const int rowWidth = groupWidth - 24 + 6;
    for (std::size_t k = 0; k < listCommands.size(); ++k) {
        const int row = k < 3 ? 0 : 1;
        const int column = static_cast<int>(k) - 3 * row;
        const int step = rowWidth / (row == 0 ? 3 : 2);
        controls.push_back(
            {"BUTTON",
             texts[k],
             command,
             {inner + column * step, commandTop + row * commandStep, step - 6, commandHeight},
             listCommands[k]});
    }
    const int infoIds[] = {dimensionsLabel, resolutionLabel, fileSizeLabel};
    for (int k = 0; k < 3; ++k)
        controls.push_back({"STATIC",
                            "",
                            label,
                            {inner, infoTop + k * infoStep, groupWidth - 24, rowHeight},
                            infoIds[k]});
    return controls;
}

ControlDescription radioAt(const char* text, int left, int top, int id, DWORD group = 0) {
    return {"BUTTON", text, radio | group, {left, top, parametersWidth - 24, rowHeight}, id};
}

ControlDescription labelAt(const char* text, int left, int top, int width) {
    return {"STATIC", text, label, {left, top, width, rowHeight}};
}

ControlDescription editAt(int id, int left, int top) {
    return {"EDIT",          "", numberEdit, {left, top, 60, rowHeight}, id, ControlFont::control,
            WS_EX_CLIENTEDGE};
}

std::vector<ControlDescription> parameterControls(int width, int height) {
    const int left = width - parametersWidth - 10;
    const int inner = left + 12;
    const int g = groupTop;
    return {
        {"BUTTON",
         " Selected Image Parameters ",
         groupBox,
         {left, g, parametersWidth, groupBottom(height) - g}},
        radioAt(" Use image dimensions only", inner, g + 20, imageDimensionsRadio, WS_GROUP),
        radioAt(" Use rectangle to display image", inner, g + 42, rectangleAreaRadio),
        labelAt(" Rectangle Width ( in pixels ) =", inner + 16, g + 64, 206),
        editAt(rectWidthEdit, inner + 224, g + 64),
        labelAt(" Rectangle Height ( in pixels ) =", inner + 16, g + 86, 206),
        editAt(rectHeightEdit, inner + 224, g + 86),
        radioAt(" Use full client area for image drawing", inner, g + 110, wholeAreaRadio),
        radioAt(" Use predefined image/rectangle position", inner, g + 134,
                predefinedPlacementRadio),
        radioAt(" Set Top-Left Corner Coordinates", inner, gridTop + 3 * gridStep + 4,
                cornerCoordinatesRadio),
        labelAt(" X_Left Value =", inner + 16, gridTop + 3 * gridStep + 26, 120),
        editAt(xLeftEdit, inner + 140, gridTop + 3 * gridStep + 26),
        labelAt(" Y_Top Value =", inner + 16, gridTop + 3 * gridStep + 48, 120),
        editAt(yTopEdit, inner + 140, gridTop + 3 * gridStep + 48),
        {"BUTTON",
         "Select Image/Rectangle Position in Preview Mode",
         BS_MULTILINE | WS_TABSTOP | WS_GROUP,
         {inner, gridTop + 3 * gridStep + 76, parametersWidth - 24, 34},
         chooseAreaInPreviewButton},
    };
}

// The nine grid buttons under " Use predefined image/rectangle position", row by row.
std::array<LayoutBox, 9> placementCells(int width) {
    const int left = width - parametersWidth - 10 + 12 + 40;
    std::array<LayoutBox, 9> cells{};
    for (int k = 0; k < 9; ++k)
        cells[k] = {left + (k % 3) * 38, gridTop + (k / 3) * gridStep, 32, 21};
    return cells;
}

std::array<int, 9> placementIds() {
    std::array<int, 9> ids{};
    for (int k = 0; k < 9; ++k)
        ids[k] = firstPlacementButton + k;
    return ids;
}

int editOf(WindowImageField field) {
    switch (field) {
    case WindowImageField::rectWidth:
        return rectWidthEdit;
    case WindowImageField::rectHeight:
        return rectHeightEdit;
    case WindowImageField::x:
        return xLeftEdit;
    case WindowImageField::y:
        return yTopEdit;
    default:
        return 0;
    }
}

ListFolders imageFolders() {
    return {projectDirectory, programDirectory / templatesFolder};
}

// An operation that did not happen: its refusal, or the file step that stopped it.
bool stopped(const ListResult& result, const char* caption) {
    if (result.status == ListStatus::refused) {
        ask(nullptr, result.refusal.text, result.refusal.caption, result.refusal.flags);
        return true;
    }
    if (result.status == ListStatus::failed) {
        ask(nullptr, failureReport(result.failures), caption, box::ok | box::iconHand);
        return true;
    }
    return false;
}

// What a finished operation could not tidy up; the records and the other files are in place.
void noteLeftovers(const ListResult& result, const char* caption) {
    if (!result.failures.empty())
        ask(nullptr, failureReport(result.failures), caption, box::ok | box::iconInformation);
}

class WindowImagesTab;
WindowImagesTab* shownPage = nullptr;

class WindowImagesTab : public WindowPageBase {
  public:
    explicit WindowImagesTab(ParametersFrame& frame) : WindowPageBase(frame) {
        selectedImage = 1;
        shownPage = this;
    }

    ~WindowImagesTab() override {
        if (shownPage == this)
            shownPage = nullptr;
        if (previewBrush_)
            DeleteObject(previewBrush_);
    }

    void loadControls() override {
        fillList();
        showSelected();
    }

    void storeControls() override {
        fields_.rectWidth = textOf(window(), rectWidthEdit);
        fields_.rectHeight = textOf(window(), rectHeightEdit);
        fields_.x = textOf(window(), xLeftEdit);
        fields_.y = textOf(window(), yTopEdit);
    }

    // Selects the image at `position`, as after adding one.
    void select(int position) {
        selectedImage = position;
        reloadFields();
        loadControls();
    }

  private:
    std::vector<ControlDescription> pageControls(int width, int height) const override {
        std::vector<ControlDescription> all = {
            {"STATIC",
             "Window Background Images",
             SS_CENTER,
             {10, 4, width - 20, 22},
             0,
             ControlFont::heading},
        };
        for (const ControlDescription& c : imageListControls(width, height))
            all.push_back(c);
        for (const ControlDescription& c : parameterControls(width, height))
            all.push_back(c);
        return all;
    }

    void onInit() override {
        RECT client;
        GetClientRect(window(), &client);
        placement_ = std::make_unique<PlacementSelector>(window(), placementCells(client.right),
                                                         placementIds());
        const AppWindow& w = zim::window(windowNumber());
        previewBrush_ = CreateSolidBrush(
            colourRefOf(backgroundSampleColour(w.backgroundKind, w.backgroundValue)));
        preview_ = createImagePreviewPanel(window(), previewBox(client.right, client.bottom),
                                           [this] { return previewImage(); });
        reloadFields();
    }

    int count() const { return zim::window(windowNumber()).imageCount; }
    bool hasImage() const { return selectedImage >= 1 && selectedImage <= count(); }
    BackgroundImage& selected() const { return image(windowNumber(), selectedImage); }

    PreviewImage previewImage() const {
        PreviewImage shown;
        // A name read from a project file is shown only when it names a file of the folder.
        if (hasImage() && unsafeNameReason(trimmed(selected().fileName) + ".bmp").empty()) {
            shown.present = true;
            shown.bitmapName = trimmed(selected().fileName);
        }
        shown.background = previewBrush_;
        return shown;
    }

    std::optional<PageMessage> editRefusal() const override {
        return windowImageEditRefusal(zim::window(windowNumber()), selectedImage);
    }

    void reloadFields() {
        fields_ = hasImage() ? windowImageFields(selected()) : WindowImageFields{};
    }

    void fillList() {
        const int n = count();
        setText(window(), imagesGroup,
                " Number of images for this window = " + std::to_string(n) + " ");
        HWND list = GetDlgItem(window(), imageList);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int k = 1; k <= n; ++k) {
            const std::string name = shown(image(windowNumber(), k).fileName);
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        if (n > 0 && !hasImage()) {
            selectedImage = 1;
            reloadFields();
        }
        SendMessageA(list, LB_SETCURSEL, hasImage() ? selectedImage - 1 : -1, 0);
    }

    // The selected image's name, preview, information lines and parameters.
    void showSelected() {
        const bool present = hasImage();
        setText(window(), selectedImageLabel,
                present ? " Selected Image - " + shown(selected().fileName) + ".bmp"
                        : std::string(" Selected Image - None"));
        WindowImageInfo info;
        if (present)
            info = windowImageInfo(selected(), projectDirectory);
        setText(window(), dimensionsLabel, "Image dimensions - " + info.dimensions);
        setText(window(), resolutionLabel, "Color resolution - " + info.colourResolution);
        setText(window(), fileSizeLabel, "Filesize - " + info.fileSize);
        redrawImagePreview(preview_);
        showFields();
    }

    void showFields() {
        const bool present = hasImage();
        setText(window(), rectWidthEdit, present ? fields_.rectWidth : "");
        setText(window(), rectHeightEdit, present ? fields_.rectHeight : "");
        setText(window(), xLeftEdit, present ? fields_.x : "");
        setText(window(), yTopEdit, present ? fields_.y : "");
        const WindowImageChecks c = present ? windowImageChecks(fields_) : WindowImageChecks{};
        HWND page = window();
        setChecked(page, imageDimensionsRadio, c.imageDimensions);
        setChecked(page, rectangleAreaRadio, c.rectangle);
        setChecked(page, wholeAreaRadio, c.wholeClientArea);
        setChecked(page, predefinedPlacementRadio, c.predefined);
        setChecked(page, cornerCoordinatesRadio, c.corner);
        placement_->showPlacement(
            c.pushedPlacementButton ? c.pushedPlacementButton - firstPlacementButton : -1);
    }

    void applyPageEnabling(EditorState state) override {
        const WindowImageEnabling e = windowImageEnabling(fields_, state, hasImage());
        HWND page = window();
        // What the list shows reads the same in either state.
        enable(page,
               {imagesGroup, imagesLabel, selectedImageLabel, dimensionsLabel, resolutionLabel,
                fileSizeLabel},
               true);
        enable(page, {imageList}, e.list);
        for (int id : listCommands)
            enable(page, {id}, e.list);
        enable(page, {imageDimensionsRadio, rectangleAreaRadio, wholeAreaRadio}, e.sizeRadios);
        enable(page, {rectWidthEdit, rectHeightEdit}, e.rectangleSize);
        enable(page, {predefinedPlacementRadio, cornerCoordinatesRadio}, e.placementRadios);
        for (HWND cell : placement_->buttons())
            EnableWindow(cell, e.placementButtons);
        enable(page, {xLeftEdit, yTopEdit}, e.cornerCoordinates);
        enable(page, {chooseAreaInPreviewButton}, e.chooseInPreview);
    }

    void onPageCommand(int id, int code, HWND) override {
        if (id == editWindowClosedCommand) {
            takeChosenArea();
            return;
        }
        if (id == imageList) {
            if (code == LBN_SELCHANGE)
                takeListSelection();
            return;
        }
        if (code != BN_CLICKED)
            return;
        if (state() == EditorState::edit)
            return editCommand(id);
        switch (id) {
        case replaceImageButton:
            return replace();
        case addImageButton:
            return add();
        case deleteImageButton:
            return remove();
        case moveImageUpButton:
            return move(MoveDirection::up);
        case moveImageDownButton:
            return move(MoveDirection::down);
        default:
            return;
        }
    }

    void editCommand(int id) {
        if (id == chooseAreaInPreviewButton)
            return chooseInPreview();
        storeControls();
        if (!pressWindowImageControl(fields_, id))
            return;
        showFields();
        applyPageEnabling(state());
    }

    void takeListSelection() {
        const LRESULT index = SendMessageA(GetDlgItem(window(), imageList), LB_GETCURSEL, 0, 0);
        if (index == LB_ERR)
            return;
        selectedImage = static_cast<int32_t>(index) + 1;
        reloadFields();
        showSelected();
    }

    // The image's area chosen with the mouse in the edit window, on a copy of its record that
    // carries the page's unsaved choices.
    void chooseInPreview() {
        storeControls();
        if (const std::optional<PageMessage> refusal = windowImagePositionRefusal(fields_)) {
            show(*refusal);
            return;
        }
        fields_.placement = cornerPlacement;
        showFields();
        applyPageEnabling(state());
        workCopy_ = selected();
        workCopy_.placement = cornerPlacement;
        workCopy_.useImageSize = fields_.useImageSize ? 1 : 0;
        if (const std::optional<int32_t> v = numberIn(fields_.x))
            workCopy_.x = *v;
        if (const std::optional<int32_t> v = numberIn(fields_.y))
            workCopy_.y = *v;
        if (const std::optional<int32_t> v = numberIn(fields_.rectWidth))
            workCopy_.rectWidth = *v;
        if (const std::optional<int32_t> v = numberIn(fields_.rectHeight))
            workCopy_.rectHeight = *v;
        openImageEditWindow(windowNumber(), selectedImage, workCopy_, window());
    }

    // Command 134: the edit window has closed and left the area in the copy.
    void takeChosenArea() {
        releaseEditWindowClass();
        storeControls();
        takeChosenImageArea(fields_, workCopy_.drawingArea);
        showFields();
        applyPageEnabling(state());
    }

    void restoreWorkingCopy() override { reloadFields(); }

    void saveWorkingCopy() override {
        storeControls();
        const WindowImageSave result = saveWindowImageFields(selected(), fields_);
        if (!result.saved()) {
            show(result.refusal);
            SetFocus(GetDlgItem(window(), editOf(result.focus)));
            return;
        }
        projectUnsaved = 1;
        reloadFields();
        finishSave();
    }

    // A bitmap chosen in the picker and confirmed, or nothing (the user was told why).
    std::optional<std::string> chooseBitmap(const char* title, const PageMessage& question) {
        const char* caption = listText::imageAddCaption;
        std::string path;
        int success = 0;
        openFileDialog(hInstance, frame().window(), title, bitmapFilter, path, success);
        if (!success) {
            show(imageOperationCancelled(caption));
            return std::nullopt;
        }
        if (show(question) != box::answerYes) {
            show(imageOperationCancelled("Saving..."));
            return std::nullopt;
        }
        // Only a bitmap whose header holds together becomes a window's image.
        const BitmapHeaderRead read = readBitmapHeader(path);
        if (!read.ok()) {
            ask(nullptr, read.problem, caption, box::ok | box::iconHand);
            return std::nullopt;
        }
        return path;
    }

    void add() {
        const int w = windowNumber();
        if (const std::optional<PageMessage> refusal = imageAddRefusal(project(), w)) {
            show(*refusal);
            return;
        }
        const std::optional<std::string> chosen = chooseBitmap(addImageTitle, addImageQuestion());
        if (!chosen)
            return;
        const char* caption = listText::imageAddCaption;
        const ListResult result = planAddImage(project(), imageFolders(), w, *chosen).run();
        if (stopped(result, caption))
            return;
        projectUnsaved = 1;
        ask(nullptr, listText::imageAdded, caption, box::ok | box::iconInformation);
        noteLeftovers(result, caption);
        showAgain(result.position);
    }

    void replace() {
        if (count() == 0) {
            show(listRefusal(listText::noImages, listText::imageReplaceCaption));
            return;
        }
        const std::optional<std::string> chosen =
            chooseBitmap(replaceImageTitle, replaceImageQuestion());
        if (!chosen)
            return;
        const char* caption = listText::imageAddCaption;
        const ListResult result =
            planReplaceImage(project(), imageFolders(), windowNumber(), selectedImage, *chosen)
                .run();
        if (stopped(result, caption))
            return;
        projectUnsaved = 1;
        ask(nullptr, listText::imageReplaced, caption, box::ok | box::iconInformation);
        noteLeftovers(result, caption);
        showSelected();
    }

    void remove() {
        const char* caption = listText::imageDeleteCaption;
        if (count() == 0) {
            show(listRefusal(listText::noImages, caption));
            return;
        }
        std::optional<FixedWindowSize> fixSize;
        if (!askAboutSizingImage(fixSize))
            return;
        const ListResult result =
            planDeleteImage(project(), imageFolders(), windowNumber(), selectedImage, fixSize)
                .run();
        if (stopped(result, caption))
            return;
        projectUnsaved = 1;
        noteLeftovers(result, caption);
        showAgain(1);
    }

    // Deleting image 1 of a window sized by it: whether to go on, and the size the window
    // keeps (always when no image is left to size it). Returns false when the user stopped.
    bool askAboutSizingImage(std::optional<FixedWindowSize>& fixSize) {
        const AppWindow& w = zim::window(windowNumber());
        if (selectedImage != 1 || w.sizeMode != 1)
            return true;
        if (show(deleteSizingImageQuestion()) != box::answerYes) {
            show(imageOperationCancelled(listText::imageDeleteCaption));
            return false;
        }
        if (count() > 1 && show(fixWindowSizeQuestion()) != box::answerYes)
            return true;
        const WindowImageInfo info = windowImageInfo(selected(), projectDirectory);
        // A bitmap that cannot be read leaves the window at the size it has.
        fixSize = info.header ? FixedWindowSize{info.header->width, info.header->height}
                              : FixedWindowSize{w.width, w.height};
        return true;
    }

    void move(MoveDirection direction) {
        const bool up = direction == MoveDirection::up;
        const char* caption = up ? listText::imageMoveUpCaption : listText::imageMoveDownCaption;
        const int n = count();
        if (n < 2) {
            show(listRefusal(listText::noImagesToMove, caption));
            return;
        }
        const int from = selectedImage;
        const bool changesFirst = up ? from == 2 : from == 1;
        if (changesFirst && zim::window(windowNumber()).sizeMode == 1 &&
            show(moveSizingImageQuestion(up)) != box::answerYes)
            return;
        const ListResult result =
            planMoveImage(project(), imageFolders(), windowNumber(), from, direction).run();
        if (stopped(result, caption))
            return;
        if (result.position != from)
            projectUnsaved = 1;
        selectedImage = result.position;
        reloadFields();
        loadControls();
        noteLeftovers(result, caption);
    }

    // The tree shows the window's images as they are now. Rebuilding it opens the window
    // again, which replaces the frame and this page: nothing may follow.
    void showAgain(int position) const;

    WindowImageFields fields_;
    BackgroundImage workCopy_{};
    std::unique_ptr<PlacementSelector> placement_;
    HWND preview_ = nullptr;
    HBRUSH previewBrush_ = nullptr;
};

// Builds the tree again on window `w`, shows this page on it and selects the image at
// `position`. Runs without the page that asked for it, which is gone once the tree is rebuilt.
void showImagesPageAgain(int w, int position) {
    HWND tree = structurePaneTree();
    if (!tree)
        return;
    buildStructureTree(tree, windowCode(project().program.applicationType, w));
    ParametersFrame* frame = ParametersFrame::current();
    if (!frame)
        return;
    const std::vector<EditorTab> tabs = frame->session().tabs();
    for (std::size_t k = 0; k < tabs.size(); ++k)
        if (tabs[k].page == EditorPage::windowBackgroundImages)
            // Selects the tab and notifies the frame, as a click on the tab does.
            SendMessageA(GetDlgItem(frame->window(), windowTabControl), TCM_SETCURFOCUS, k, 0);
    if (shownPage && position > 0)
        shownPage->select(position);
}

void WindowImagesTab::showAgain(int position) const {
    showImagesPageAgain(windowNumber(), position);
}

} // namespace

std::unique_ptr<PageBase> makeWindowImagesPage(ParametersFrame& frame) {
    return std::make_unique<WindowImagesTab>(frame);
}

} // namespace zim
