// What the window pages ask of the user while a rule runs: a file from the open-file picker
// and message boxes. The Win32 pages answer with the real picker and message boxes; tests
// answer from a script.
#pragma once

#include <filesystem>
#include <string>

#include "editors/frame/page_message.h"

namespace zim {

class WindowPagePrompts {
  public:
    virtual ~WindowPagePrompts() = default;

    // The open-file picker with a title and a filter in the "A (*.a)|*.a||" form; false when
    // cancelled, else `chosen` holds the file.
    virtual bool openFile(const std::string& title, const std::string& filter,
                          std::filesystem::path& chosen) = 0;

    // A message box; the answer (box::answerYes, ...).
    virtual int show(const PageMessage& message) = 0;
};

} // namespace zim
