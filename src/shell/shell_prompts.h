// The shell's answer to what the project commands ask of the user: message boxes through the
// seam, the name dialogs, and refreshing the views that show the Project.
#pragma once

#include "archive/user_prompts.h"

namespace zim {

class ShellPrompts : public UserPrompts {
  public:
    int ask(const std::string& text, const std::string& caption, unsigned flags) override;
    int nameDialog(NameDialogKind kind, std::string& chosenName) override;
    void refreshProjectView() override;
    void rebuildStructureTree() override;
};

// The prompts the shell hands to the project commands.
UserPrompts& shellPrompts();

} // namespace zim
