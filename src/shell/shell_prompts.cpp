#include "shell/shell_prompts.h"

#include "archive/name_dialog.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"

namespace zim {

int ShellPrompts::ask(const std::string& text, const std::string& caption, unsigned flags) {
    return zim::ask(mainWindow, text, caption, flags);
}

int ShellPrompts::nameDialog(NameDialogKind kind, std::string& chosenName) {
    return zim::nameDialog(kind, chosenName);
}

UserPrompts& shellPrompts() {
    static ShellPrompts prompts;
    return prompts;
}

} // namespace zim
