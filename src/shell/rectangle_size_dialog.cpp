#include "shell/rectangle_size_dialog.h"

#include <string>
#include <vector>

#include "shell/rectangle_size_rules.h"
#include "shell/selection_dialog.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

enum RectangleSizeControl : int {
    rectangleOk = selectionAccept,
    rectangleCancel = selectionCancel,
    rectangleTitle = 40,
    rectangleWidthLabel = 41,
    rectangleHeightLabel = 42,
    rectangleWidth = 43,
    rectangleHeight = 44,
};

constexpr const char* refusalCaption = "Error";
constexpr int dialogWidth = 285;
constexpr int dialogHeight = 180;
constexpr int labelWidth = 200;
constexpr int fieldLeft = 211;
constexpr int fieldWidth = 50;
constexpr int rowHeight = 18;

// The backdrop covers the screen; without one the screen stands for its client area.
SIZE backdropClientSize() {
    RECT client{0, 0, screenWidth, screenHeight};
    if (backdropWindow && IsWindow(backdropWindow))
        GetClientRect(backdropWindow, &client);
    return {client.right - client.left, client.bottom - client.top};
}

class RectangleSizeDialog : public SelectionDialog {
  public:
    RectangleSizeDialog() : SelectionDialog(true) {}

  private:
    HWND onInit() override {
        const int m = selectionMargin;
        const LayoutBox title{m, 20, clientWidth() - 2 * m, 20};
        const LayoutBox widthLabel{m, 55, labelWidth, rowHeight};
        const LayoutBox heightLabel{m, 77, labelWidth, rowHeight};
        const std::vector<ControlDescription> rows = {
            {"STATIC", "Define the rectangle width and height", SS_CENTER, title, rectangleTitle},
            {"STATIC", " Bounding Rectangle Width =", SS_LEFT, widthLabel, rectangleWidthLabel},
            field("800", 55, rectangleWidth),
            {"STATIC", " Bounding Rectangle Height =", SS_LEFT, heightLabel, rectangleHeightLabel},
            field("600", 77, rectangleHeight),
        };
        const std::vector<HWND> controls = createControls(dialog(), rows);
        width_ = controls[2];
        height_ = controls[4];
        addButtonRow({{rectangleOk, "OK"}, {rectangleCancel, "Cancel"}}, 75, 25);
        return width_;
    }

    // A centred numeric field beside its label.
    static ControlDescription field(const char* preset, int y, int id) {
        const DWORD style = ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP;
        const LayoutBox box{fieldLeft, y, fieldWidth, rowHeight};
        return {"EDIT", preset, style, box, id, ControlFont::control, WS_EX_STATICEDGE};
    }

    void onAccept() override {
        const RectangleSizeCheck check =
            checkRectangleSize(textOf(width_), textOf(height_), screenWidth, screenHeight);
        if (!check.accepted()) {
            refuse(check.field == RectangleField::width ? width_ : height_, check.message,
                   refusalCaption);
            return;
        }
        showBoundingRectangle(check.width, check.height);
        end(1);
    }

    static void showBoundingRectangle(int width, int height) {
        const SIZE area = backdropClientSize();
        const PlacedRectangle placed = centredRectangle(area.cx, area.cy, width, height);
        boundingRect = {0, 0, width, height};
        boundingRectOnScreen = {placed.left, placed.top, placed.right, placed.bottom};
        boundingRectShown = 1;
        if (backdropWindow && IsWindow(backdropWindow))
            InvalidateRect(backdropWindow, nullptr, TRUE);
    }

    HWND width_ = nullptr;
    HWND height_ = nullptr;
};

} // namespace

int runRectangleSizeDialog(HWND owner) {
    RectangleSizeDialog dialog;
    return static_cast<int>(
        dialog.run(owner, "Select bounding rectangle", dialogWidth, dialogHeight));
}

} // namespace zim
