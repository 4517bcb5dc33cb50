#include "shell/shell_prompts.h"

#include "archive/name_dialog.h"
#include "shell/object_code.h"
#include "shell/project_view.h"
#include "shell/shell_state.h"
#include "shell/structure_pane.h"
#include "shell/structure_tree.h"
#include "shell/user_questions.h"

namespace zim {

int ShellPrompts::ask(const std::string& text, const std::string& caption, unsigned flags) {
    return zim::ask(mainWindow, text, caption, flags);
}

int ShellPrompts::nameDialog(NameDialogKind kind, std::string& chosenName) {
    return zim::nameDialog(kind, chosenName);
}

void ShellPrompts::refreshProjectView() {
    zim::refreshProjectView();
}

// Only the Edit view has a structure pane; the File view's tree is part of its refresh.
void ShellPrompts::rebuildStructureTree() {
    if (HWND tree = structurePaneTree())
        buildStructureTree(tree, programCode);
}

UserPrompts& shellPrompts() {
    static ShellPrompts prompts;
    return prompts;
}

} // namespace zim
