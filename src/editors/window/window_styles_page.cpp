#include "editors/window/window_styles_page.h"

#include <string>
#include <vector>

#include "editors/frame/parameters_frame.h"
#include "editors/window/style_list_controls.h"
#include "editors/window/window_page_base.h"
#include "editors/window/window_style_rules.h"
#include "shell/control_toolkit.h"

namespace zim {

namespace {

// The dialog's font size; the lists are those of style_list_controls.h and the font list that
// of window_style_rules.h.
enum WindowStylesPageControl : int {
    fontSizeEdit = 207,
};

constexpr DWORD groupBox = BS_GROUPBOX;
constexpr int groupTop = 28;
constexpr int rowHeight = 18;
constexpr int availableHeight = 100;
constexpr int selectedHeight = 76;
constexpr int arrowWidth = 60;
constexpr int arrowHeight = 24;
constexpr int fontRowsHeight = 62; // under a dialog's right half

// One half of the page: a group box with a pair of lists, their arrows and a description pane.
struct StyleHalf {
    const char* group;
    const char* available;
    const char* selected;
    const char* description;
    StyleListIds ids;
};

// The lists are stacked, each as wide as the half, so that the longest style names fit; the
// arrows between them move down (">>>") and up ("<<<"); the pane takes the rest of the group.
void addHalf(std::vector<ControlDescription>& rows, const StyleHalf& half, int left, int width,
             int bottom) {
    const int x = left + 10;
    const int inner = width - 20;
    const int availableTop = groupTop + 42;
    const int arrowsTop = availableTop + availableHeight + 6;
    const int selectedTop = arrowsTop + arrowHeight + 24;
    const int paneTop = selectedTop + selectedHeight + 24;
    const int arrowsLeft = x + (inner - 2 * arrowWidth - 20) / 2;
    const StyleListIds& ids = half.ids;
    rows.insert(rows.end(),
                {
                    {"BUTTON", half.group, groupBox, {left, groupTop, width, bottom - groupTop}},
                    {"STATIC", half.available, SS_LEFT, {x, availableTop - 20, inner, rowHeight}},
                    {"LISTBOX",
                     "",
                     styleListStyle,
                     {x, availableTop, inner, availableHeight},
                     ids.available,
                     ControlFont::control,
                     WS_EX_CLIENTEDGE},
                    {"BUTTON",
                     ">>>",
                     WS_TABSTOP,
                     {arrowsLeft, arrowsTop, arrowWidth, arrowHeight},
                     ids.toSelected},
                    {"BUTTON",
                     "<<<",
                     WS_TABSTOP,
                     {arrowsLeft + arrowWidth + 20, arrowsTop, arrowWidth, arrowHeight},
                     ids.toAvailable},
                    {"STATIC", half.selected, SS_LEFT, {x, selectedTop - 20, inner, rowHeight}},
                    {"LISTBOX",
                     "",
                     styleListStyle,
                     {x, selectedTop, inner, selectedHeight},
                     ids.selected,
                     ControlFont::control,
                     WS_EX_CLIENTEDGE},
                    {"STATIC", half.description, SS_LEFT, {x, paneTop - 20, inner, rowHeight}},
                    {"EDIT",
                     "",
                     descriptionPaneStyle | WS_TABSTOP,
                     {x, paneTop, inner, bottom - paneTop - 10},
                     ids.description,
                     ControlFont::control,
                     WS_EX_CLIENTEDGE},
                });
}

int CALLBACK offerFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces) {
    return reinterpret_cast<FontFaceList*>(faces)->offer(font->lfFaceName, LF_FACESIZE) ? 1 : 0;
}

class WindowStylesTab : public WindowPageBase {
  public:
    explicit WindowStylesTab(ParametersFrame& frame)
        : WindowPageBase(frame), rules_(project(), windowNumber()) {}

    void loadControls() override {
        WindowStylesWorkingCopy& copy = rules_.workingCopy();
        left().fill(rules_.windowStyles(), state() == EditorState::edit);
        right().fill(rules_.rightStyles(), false);
        if (!rules_.isDialog())
            return;
        fillFontFaces(copy.fontFace);
        setText(window(), fontSizeEdit, copy.fontSize);
    }

    void storeControls() override {
        if (rules_.isDialog())
            rules_.workingCopy().fontSize = textOf(window(), fontSizeEdit);
    }

  private:
    StyleListControls left() const { return {window(), leftStyleLists}; }
    StyleListControls right() const { return {window(), rightStyleLists}; }

    std::vector<ControlDescription> pageControls(int width, int height) const override {
        const WindowStylesCaptions captions = rules_.captions();
        const int half = (width - 30) / 2;
        const int bottom = height - 57;
        std::vector<ControlDescription> rows = {
            {"STATIC",
             captions.heading,
             SS_CENTER,
             {10, 0, width - 20, 24},
             0,
             ControlFont::heading},
        };
        addHalf(rows,
                {" Window Styles ",
                 "Available Styles :", "Selected Styles :", "Style Description :", leftStyleLists},
                10, half, bottom);
        const bool dialog = rules_.isDialog();
        const int rightLeft = 20 + half;
        addHalf(rows,
                {captions.rightGroup, captions.rightAvailable, captions.rightSelected,
                 captions.rightDescription, rightStyleLists},
                rightLeft, half, dialog ? bottom - fontRowsHeight : bottom);
        if (dialog) {
            const int top = bottom - fontRowsHeight + 8;
            rows.insert(rows.end(), {
                                        {"STATIC",
                                         "Font for using in dialog -",
                                         SS_LEFT | SS_CENTERIMAGE,
                                         {rightLeft, top, 170, 22}},
                                        {"COMBOBOX",
                                         "",
                                         CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                         {rightLeft + 175, top, half - 175, 240},
                                         fontFaceList},
                                        {"STATIC",
                                         "Desired height of selected font (pointsize) =",
                                         SS_LEFT | SS_CENTERIMAGE,
                                         {rightLeft, top + 30, half - 70, 22}},
                                        {"EDIT",
                                         "",
                                         ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
                                         {rightLeft + half - 65, top + 30, 65, 22},
                                         fontSizeEdit,
                                         ControlFont::control,
                                         WS_EX_CLIENTEDGE},
                                    });
        }
        return rows;
    }

    void applyPageEnabling(EditorState state) override {
        const WindowStylesEnabling e = rules_.enabling(state);
        HWND page = window();
        for (const auto& [ids, on] :
             {std::pair{leftStyleLists, e.windowStyles}, std::pair{rightStyleLists, e.rightStyles}})
            for (int id :
                 {ids.available, ids.selected, ids.toSelected, ids.toAvailable, ids.description})
                EnableWindow(GetDlgItem(page, id), on);
        enable(page, {fontFaceList, fontSizeEdit}, e.font);
    }

    // The installed faces, each once and at most 500, in the list's order; the working face
    // is selected, or the first face when it is not installed.
    void fillFontFaces(const std::string& workingFace) {
        HWND list = GetDlgItem(window(), fontFaceList);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, CB_RESETCONTENT, 0, 0);
        FontFaceList faces;
        LOGFONTA wanted = {};
        wanted.lfCharSet = DEFAULT_CHARSET;
        HDC dc = GetDC(window());
        EnumFontFamiliesExA(dc, &wanted, offerFace, reinterpret_cast<LPARAM>(&faces), 0);
        ReleaseDC(window(), dc);
        for (const std::string& face : faces.faces())
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.c_str()));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        const std::string face = faces.faceToSelect(workingFace);
        const LRESULT found = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(face.c_str()));
        SendMessageA(list, CB_SETCURSEL, found == CB_ERR ? 0 : found, 0);
    }

    std::string chosenFace() const {
        HWND list = GetDlgItem(window(), fontFaceList);
        const LRESULT chosen = SendMessageA(list, CB_GETCURSEL, 0, 0);
        if (chosen == CB_ERR)
            return {};
        std::string face(
            static_cast<std::size_t>(SendMessageA(list, CB_GETLBTEXTLEN, chosen, 0) + 1), '\0');
        SendMessageA(list, CB_GETLBTEXT, chosen, reinterpret_cast<LPARAM>(face.data()));
        face.resize(face.find('\0'));
        return face;
    }

    void onPageCommand(int id, int code, HWND) override {
        if (state() != EditorState::edit)
            return;
        if (!left().onCommand(rules_.windowStyles(), id, code))
            right().onCommand(rules_.rightStyles(), id, code);
    }

    void restoreWorkingCopy() override { rules_.restore(); }

    void saveWorkingCopy() override {
        storeControls();
        const WindowStylesSave result = rules_.save(rules_.isDialog() ? chosenFace() : "");
        if (!result.saved()) {
            show(result.refusal);
            SetFocus(GetDlgItem(window(), fontSizeEdit));
            return;
        }
        finishSave();
    }

    WindowStylesPage rules_;
};

} // namespace

std::unique_ptr<PageBase> makeWindowStylesPage(ParametersFrame& frame) {
    return std::make_unique<WindowStylesTab>(frame);
}

} // namespace zim
