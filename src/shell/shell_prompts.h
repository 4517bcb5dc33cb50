// The shell's answer to what the project commands ask of the user: message boxes through the
// seam, and the name dialogs.
#pragma once

#include "archive/user_prompts.h"

namespace zim {

class ShellPrompts : public UserPrompts {
  public:
    int ask(const std::string& text, const std::string& caption, unsigned flags) override;
    int nameDialog(NameDialogKind kind, std::string& chosenName) override;
};

// The prompts the shell hands to the project commands.
UserPrompts& shellPrompts();

} // namespace zim
