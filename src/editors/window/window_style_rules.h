// The "Window Style(s)" page of a window: the window styles on the left; on the right the
// extended styles of a standard window, or the dialog-template styles and the font of a
// dialog. The working copy holds all three style sets, the font face and the font size as
// typed; "Save Parameters Values" checks the font size of a dialog and writes the copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editors/frame/editing_session.h"
#include "editors/frame/page_message.h"
#include "editors/window/style_list_pair.h"
#include "model/project.h"

namespace zim {

// The font face drop-down list of a dialog; the style lists are the two pairs of
// style_list_pair.h (left: window styles; right: extended or dialog styles).
enum WindowStyleControlId : int { fontFaceList = 65 };

// The faces the font list offers: each face of the system's enumeration once, at most
// `capacity` of them, in the list's sorted order (letter case aside, as the sorted list
// compares). The Win32 page adds faces() in this order to a list that does not sort again, so
// its first item is the one faceToSelect falls back on.
class FontFaceList {
  public:
    static constexpr std::size_t capacity = 500;

    // One enumerated face name, from a fixed field that ends at its first zero. An empty
    // name and a name seen before are left out. Returns whether the enumeration is to go on:
    // false once the list is full.
    bool offer(const char* field, std::size_t fieldLength);
    bool offer(std::string_view face);

    std::vector<std::string> faces() const;

    // The face the list selects: the one equal to the working face, letter case aside (as
    // CB_FINDSTRINGEXACT finds it), else the first face; "" when the list is empty.
    std::string faceToSelect(std::string_view workingFace) const;

  private:
    std::vector<std::string> faces_; // kept sorted
};

struct WindowStylesWorkingCopy {
    int32_t windowStyles[wsCount] = {};
    int32_t extendedStyles[wsExCount] = {};
    int32_t dialogStyles[dsCount] = {};
    std::string fontFace;
    std::string fontSize; // the size edit, as typed
};

// The captions that differ between the two kinds of window.
struct WindowStylesCaptions {
    const char* heading;
    const char* rightGroup;
    const char* rightAvailable;
    const char* rightSelected;
    const char* rightDescription;
};

// In view state nothing is enabled. In edit state both halves' lists, arrows and panes, and
// for a dialog the font list and the size edit.
struct WindowStylesEnabling {
    bool windowStyles = false;
    bool rightStyles = false;
    bool font = false;
};

struct WindowStylesSave {
    PageMessage refusal; // caption "Error", stop icon, owned by the parameters window

    bool saved() const { return refusal.text.empty(); }
};

class WindowStylesPage {
  public:
    // The page of window `window` (1-based, in use), its working copy filled from the whole
    // record for either kind; this only reads.
    WindowStylesPage(Project& project, int window);

    bool isDialog() const;
    WindowStylesWorkingCopy& workingCopy() { return copy_; }

    WindowStylesCaptions captions() const;
    WindowStylesEnabling enabling(EditorState state) const;

    // The left pair over the window styles; the right pair over the extended styles of a
    // standard window or the dialog styles of a dialog.
    StyleListPair windowStyles() { return {copy_.windowStyles, windowStyleList}; }
    StyleListPair rightStyles();

    // "Save Parameters Values" with the text of the font list's selection. A dialog's size
    // edit must hold a whole number (any, also 0 or negative): empty or not, refused with
    // nothing stored. Then the three style sets and the font face (the selection, cut to the
    // field; the working face when the list is empty) are stored, and a dialog's font size;
    // a standard window keeps its font. The working copy is then loaded again.
    WindowStylesSave save(std::string_view chosenFace);

    // "Restore Previous Parameters": the working copy is loaded again.
    void restore() { load(); }

  private:
    AppWindow& window() const { return project_.windows[w_ - 1]; }
    void load();

    Project& project_;
    int w_;
    WindowStylesWorkingCopy copy_;
};

} // namespace zim
