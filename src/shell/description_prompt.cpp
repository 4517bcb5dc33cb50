#include "shell/description_prompt.h"

#include "shell/selection_dialog.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

enum DescriptionPromptControl : int {
    promptOk = selectionAccept,
    promptLabel = 40,
    promptDescription = 41,
};

constexpr const char* buttonCaption = "Add New Button Now...";
constexpr const char* staticCaption = "Add New Static Control Now...";
constexpr const char* buttonLabel = "Enter the description of the button you create now :";
constexpr const char* staticLabel = "Enter the description of the static control you create now :";
constexpr const char* missingText =
    "Sorry, but you forgot to enter description. Try again, please...";
constexpr const char* missingCaption = "Enter description, please ...";

constexpr int promptWidth = 800;
constexpr int promptHeight = 150;

class DescriptionPrompt : public SelectionDialog {
  public:
    explicit DescriptionPrompt(NewControlKind kind) : SelectionDialog(false), kind_(kind) {}

  private:
    HWND onInit() override {
        const int width = clientWidth() - 2 * selectionMargin;
        const char* label = kind_ == NewControlKind::button ? buttonLabel : staticLabel;
        const LayoutBox labelBox{selectionMargin, 10, width, 28};
        const LayoutBox editBox{selectionMargin, 45, width, 25};
        add({"STATIC", label, SS_CENTER, labelBox, promptLabel, ControlFont::heading});
        description_ = add({"EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, editBox,
                            promptDescription, ControlFont::control, WS_EX_CLIENTEDGE});
        // The record keeps no more than this; the edit shows the limit as the user types.
        SendMessageA(description_, EM_LIMITTEXT, descriptionLimit, 0);
        addButtonRow({{promptOk, "OK"}}, 50, 25);
        return description_;
    }

    void onAccept() override {
        char text[descriptionLimit + 1] = {};
        GetWindowTextA(description_, text, sizeof text);
        if (descriptionMissing(text)) {
            refuse(description_, missingText, missingCaption);
            return;
        }
        describeNewControl(kind_, text);
        end(1);
    }

    NewControlKind kind_;
    HWND description_ = nullptr;
};

} // namespace

int runDescriptionPrompt(HWND owner, NewControlKind kind) {
    DescriptionPrompt prompt(kind);
    const char* caption = kind == NewControlKind::button ? buttonCaption : staticCaption;
    return static_cast<int>(prompt.run(owner, caption, promptWidth, promptHeight));
}

} // namespace zim
