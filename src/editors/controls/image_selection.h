// "Select New Background Image" of image buttons and image statics. An icon control offers
// the small icon menu: a standard icon from the picker, or a custom icon file copied into the
// project folder. A bitmap control takes a bitmap file, copied in after the user confirms the
// replacement. Every question goes through ImageSelectionPrompts, which the Win32 page
// answers with the real menu, pickers and message boxes and tests answer from a script.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "editors/controls/control_image_files.h"
#include "editors/frame/page_message.h"

namespace zim {

// Commands of the small icon menu.
enum SmallIconMenuId : int { standardIconChoice = 304, customIconChoice = 305 };

class ImageSelectionPrompts {
  public:
    virtual ~ImageSelectionPrompts() = default;

    // Opens the small icon menu under the button; the chosen command, 0 when dismissed.
    virtual int iconMenu() = 0;

    // The standard-icon picker with this title, starting at entry `start`: the chosen entry
    // (1 to 6), 0 when cancelled.
    virtual int standardIcon(const std::string& title, int start) = 0;

    // The open-file picker with a title and a filter in the "A (*.a)|*.a||" form; false when
    // cancelled, else `chosen` holds the file.
    virtual bool openFile(const std::string& title, const std::string& filter,
                          std::filesystem::path& chosen) = 0;

    // A message box; the answer (box::answerYes, ...).
    virtual int show(const PageMessage& message) = 0;
};

enum class ImageSelection {
    unchanged,       // cancelled, declined or failed; the message was shown
    standardIconSet, // standardImage took the chosen icon
    imageFileCopied, // the chosen file is the control's image now (an icon: standardImage 0)
};

// Runs the selection for a control of `owner`, whose image is of `type`, whose record holds
// `standardImage` and the image name `imageNameField`. Returns what changed, so the page can
// rebuild its preview and dimension texts.
ImageSelection selectNewImage(ImageOwner owner, ControlImageType type, int32_t& standardImage,
                              std::string_view imageNameField,
                              const std::filesystem::path& projectFolder,
                              ImageSelectionPrompts& prompts);

} // namespace zim
