// The window pages' questions to the user through the program's own pickers: the open-file
// picker and message boxes of the seam (user_questions.h), the colour picker, and the
// system-colour, stock-brush, standard-icon and standard-cursor lists with their shared
// pending values.
#pragma once

#include <windows.h>

#include "editors/window/window_class_rules.h"

namespace zim {

class WindowPageQuestions : public WindowClassPrompts {
  public:
    // `owner` owns the pickers and the messages the rules give to the parameters window.
    explicit WindowPageQuestions(HWND owner) : owner_(owner) {}

    bool openFile(const std::string& title, const std::string& filter,
                  std::filesystem::path& chosen) override;
    int show(const PageMessage& message) override;
    int systemColour(const std::string& title, int start) override;
    int stockBrush(const std::string& title, int start) override;
    int standardIcon(const std::string& title, int start) override;
    int standardCursor(const std::string& title, int start) override;
    std::optional<int32_t> customColour(const SampleColour& start) override;

  private:
    HWND owner_;
};

} // namespace zim
