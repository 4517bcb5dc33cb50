#include "shell/description_prompt.h"

#include "model/project.h"
#include "shell/selection_dialog.h"
#include "shell/shell_state.h"

namespace zim {

namespace {

enum DescriptionPromptControl : int {
    promptOk = selectionAccept,
    promptLabel = 40,
    promptDescription = 41,
};

// What one prompt shows and how much text it takes.
struct PromptTexts {
    const char* caption;
    const char* label;
    const char* missingText;
    const char* missingCaption;
    int limit;
};

constexpr const char* missingDescription =
    "Sorry, but you forgot to enter description. Try again, please...";
constexpr const char* missingDescriptionCaption = "Enter description, please ...";

constexpr PromptTexts buttonTexts{"Add New Button Now...",
                                  "Enter the description of the button you create now :",
                                  missingDescription, missingDescriptionCaption, descriptionLimit};
constexpr PromptTexts staticTexts{"Add New Static Control Now...",
                                  "Enter the description of the static control you create now :",
                                  missingDescription, missingDescriptionCaption, descriptionLimit};
constexpr PromptTexts windowTexts{"Add New Window Now...",
                                  "Enter the title of the window you create now :",
                                  "Sorry, but you forgot to enter title. Try again, please...",
                                  "Enter title, please ...", sizeof AppWindow::title};

constexpr int promptWidth = 800;
constexpr int promptHeight = 150;

class DescriptionPrompt : public SelectionDialog {
  public:
    explicit DescriptionPrompt(const PromptTexts& texts) : SelectionDialog(false), texts_(texts) {}

    // Runs the prompt; the text given, or "" when the prompt could not be shown.
    std::string ask(HWND owner) {
        return run(owner, texts_.caption, promptWidth, promptHeight) == 1 ? text_ : std::string();
    }

  private:
    HWND onInit() override {
        const int width = clientWidth() - 2 * selectionMargin;
        const LayoutBox labelBox{selectionMargin, 10, width, 28};
        const LayoutBox editBox{selectionMargin, 45, width, 25};
        add({"STATIC", texts_.label, SS_CENTER, labelBox, promptLabel, ControlFont::heading});
        description_ = add({"EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, editBox,
                            promptDescription, ControlFont::control, WS_EX_CLIENTEDGE});
        // The record keeps no more than this; the edit shows the limit as the user types.
        SendMessageA(description_, EM_LIMITTEXT, texts_.limit, 0);
        addButtonRow({{promptOk, "OK"}}, 50, 25);
        return description_;
    }

    void onAccept() override {
        const std::string text = textOf(description_);
        if (descriptionMissing(text)) {
            refuse(description_, texts_.missingText, texts_.missingCaption);
            return;
        }
        text_ = text.substr(0, static_cast<std::size_t>(texts_.limit));
        end(1);
    }

    const PromptTexts& texts_;
    HWND description_ = nullptr;
    std::string text_;
};

} // namespace

int runDescriptionPrompt(HWND owner, NewControlKind kind) {
    DescriptionPrompt prompt(kind == NewControlKind::button ? buttonTexts : staticTexts);
    const std::string text = prompt.ask(owner);
    if (text.empty())
        return 0;
    describeNewControl(kind, text);
    return 1;
}

std::string runWindowTitlePrompt(HWND owner) {
    return DescriptionPrompt(windowTexts).ask(owner);
}

} // namespace zim
