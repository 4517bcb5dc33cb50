// The "Background Data" page of a window: the class background, the large and small class
// icons, the class cursor and the class styles, in a working copy. The colour, icon and cursor
// menus' commands, what the three samples show, the class-style lists, and what "Save
// Parameters Values" writes and which files it deletes. A dialog is made from the system's
// dialog class, so for a dialog only the background can be edited.
//
// A custom icon or cursor file is copied into the project folder at once, under the window's
// name for it ("Wnd_001.ico", "Wnd_001s.ico", "Wnd_001.cur"); Save deletes the files of the
// sources that are no longer files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "editors/frame/background_sample.h"
#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "editors/window/style_list_pair.h"
#include "editors/window/window_page_prompts.h"
#include "model/project.h"

namespace zim {

// The page's buttons that open the frame's menus; the class-style lists and arrows are the
// left pair of style_list_pair.h.
enum WindowClassControlId : int {
    classColorButton = 12,     // the colour menu
    classIconButton = 54,      // the icon menu for the large icon
    classSmallIconButton = 55, // the icon menu for the small icon
    classCursorButton = 56,    // the cursor menu
};

// The commands of the colour, icon and cursor menus.
enum WindowClassMenuCommand : int {
    standardIconItem = 104,
    customIconItem = 105,
    noIconItem = 106,
    standardCursorItem = 107,
    customCursorItem = 108,
    noCursorItem = 109,
    systemColorItem = 2001,
    customColorItem = 2002,
    systemBrushItem = 2003,
};

// Which icon the icon menu was opened for: 54 opens it for the large icon, 55 for the small.
enum class IconTarget { icon, smallIcon };

// The pickers of the page besides the file picker and the message boxes. Each takes the
// entry to start at (1-based) and returns the chosen entry, 0 when cancelled.
class WindowClassPrompts : public WindowPagePrompts {
  public:
    virtual int systemColour(const std::string& title, int start) = 0;
    virtual int stockBrush(const std::string& title, int start) = 0; // never NULL_BRUSH
    virtual int standardIcon(const std::string& title, int start) = 0;
    virtual int standardCursor(const std::string& title, int start) = 0;
    // The colour picker starting at the colour the sample shows; nothing when cancelled.
    virtual std::optional<int32_t> customColour(const SampleColour& start) = 0;
};

// Sources of an icon and of the cursor: 0 the file, then the standard list's entries, then
// none.
constexpr int32_t sourceFile = 0;
constexpr int32_t noIconSource = 7;
constexpr int32_t noCursorSource = 14;

struct WindowClassWorkingCopy {
    int32_t backgroundKind = 2;
    int32_t backgroundValue = 4; // the colour for kind 1, a list entry for kinds 2 and 3
    int32_t iconSource = 1;
    int32_t smallIconSource = 1;
    int32_t cursorSource = 2;
    int32_t classStyles[csCount] = {};
};

// What an icon or cursor sample shows.
struct ClassImageSample {
    enum class Kind { none, file, standard };
    Kind kind = Kind::none;
    std::string fileName;  // file: in the project folder ("Wnd_001.ico")
    int standardEntry = 0; // standard: 1-based entry of the standard icon or cursor list
};

// In view state nothing is enabled. In edit state "Select New Color"; for a standard window
// also the icon and cursor buttons, the class-style lists with their arrows and the
// description pane.
struct WindowClassEnabling {
    bool selectNewColor = false;
    bool iconAndCursorButtons = false;
    bool classStyles = false;
};

// The description pane of a dialog, which stays disabled.
constexpr const char* dialogClassNote = "Class styles are not available for dialog panels...";

class WindowClassPage {
  public:
    // The page of window `window` (1-based, in use), its working copy filled from the record;
    // this only reads. Icon and cursor files live in `projectFolder`.
    WindowClassPage(Project& project, int window, std::filesystem::path projectFolder);

    bool isDialog() const;
    const WindowClassWorkingCopy& workingCopy() const { return copy_; }

    WindowClassEnabling enabling(EditorState state) const;

    // The colour of the background sample.
    SampleColour sampleColour() const;
    // The samples (nothing for a dialog, whose class has no icons or cursor). A file whose
    // name cannot be a file name of the project folder shows nothing.
    ClassImageSample iconSample() const;
    ClassImageSample smallIconSample() const;
    ClassImageSample cursorSample() const;

    // The class-style lists over the working copy.
    StyleListPair classStyles() { return {copy_.classStyles, classStyleList}; }

    // A menu command in edit state; `target` tells the icon commands which icon they set.
    //  2001, 2003: the system-colour or stock-brush list (starting at the current entry when
    //        the background is of that kind): the background takes kind 2 or 3 and the entry;
    //  2002: the colour picker: kind 1 and the colour;
    //  104, 107: the standard icon or cursor list, starting at the current entry;
    //  105, 108: a file picker; the chosen file is copied over the window's icon or cursor file
    //        and the source becomes the file;
    //  106, 109: no icon, no cursor.
    // A cancelled picker, or a file that could not be copied, changes nothing and says so.
    // Icon and cursor commands do nothing for a dialog. Returns whether a sample must be
    // loaded again.
    bool command(int commandId, IconTarget target, WindowClassPrompts& prompts);

    // "Save Parameters Values" (nothing is refused): the background; for a standard window
    // also the class styles and the three sources, and then the files of the sources that are
    // not files any more are deleted from the project folder, unless a file source of a window
    // still names them. The working copy is then loaded again. Returns a message listing the
    // files that could not be deleted, if any.
    std::optional<PageMessage> save();

    // "Restore Previous Parameters": the working copy is loaded again.
    void restore() { load(); }

  private:
    AppWindow& window() const { return project_.windows[w_ - 1]; }
    void load();
    bool chooseColour(int commandId, WindowClassPrompts& prompts);
    bool chooseStandard(int32_t& source, bool cursor, WindowClassPrompts& prompts);
    bool chooseFile(int32_t& source, IconTarget target, bool cursor, WindowClassPrompts& prompts);
    ClassImageSample sample(int32_t source, const char* nameField, bool cursor) const;

    Project& project_;
    int w_;
    std::filesystem::path projectFolder_;
    WindowClassWorkingCopy copy_;
};

} // namespace zim
