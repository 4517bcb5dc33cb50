#include "editors/window/window_page_questions.h"

#include "editors/frame/sample_colour_ref.h"
#include "model/name_path.h"
#include "shell/selection_list_rules.h"
#include "shell/selection_state.h"
#include "shell/shell_state.h"
#include "shell/standard_cursor_dialog.h"
#include "shell/standard_icon_dialog.h"
#include "shell/stock_brush_dialog.h"
#include "shell/system_colour_dialog.h"
#include "shell/user_questions.h"

namespace zim {

// The lists carry their own titles, which are those the rules name.

bool WindowPageQuestions::openFile(const std::string& title, const std::string& filter,
                                   std::filesystem::path& chosen) {
    std::string path;
    int success = 0;
    openFileDialog(hInstance, owner_, title, filter, path, success);
    if (success)
        chosen = pathFromName(path);
    return success != 0;
}

int WindowPageQuestions::show(const PageMessage& message) {
    HWND owner = message.owner == MessageOwner::parametersWindow ? owner_ : nullptr;
    return ask(owner, message.text, message.caption, message.flags);
}

int WindowPageQuestions::systemColour(const std::string&, int start) {
    pendingBackgroundKind = systemColourKind;
    pendingBackgroundValue = start;
    return runSystemColourDialog(owner_) ? pendingBackgroundValue : 0;
}

int WindowPageQuestions::stockBrush(const std::string&, int start) {
    pendingBackgroundKind = stockBrushKind;
    pendingBackgroundValue = start;
    return runStockBrushDialog(owner_) ? pendingBackgroundValue : 0;
}

int WindowPageQuestions::standardIcon(const std::string&, int start) {
    iconTarget = 0;
    pendingIcon = start;
    return runStandardIconDialog(owner_) ? pendingIcon : 0;
}

int WindowPageQuestions::standardCursor(const std::string&, int start) {
    pendingCursor = start;
    return runStandardCursorDialog(owner_) ? pendingCursor : 0;
}

std::optional<int32_t> WindowPageQuestions::customColour(const SampleColour& start) {
    const int chosen = chooseColour(owner_, static_cast<int>(colourRefOf(start)));
    if (chosen < 0)
        return std::nullopt;
    return chosen;
}

} // namespace zim
