// The editing session of the parameters frame: which object is open, whether its page is in
// view state or edit state, the working copies of buttons and statics, Edit / Restore / Save,
// the kind selectors and the current tab. The Win32 frame reads the controls, calls these
// steps and applies what they return (enabling, radios, tabs, pages); it owns no rule itself.
//
// Buttons and statics are edited in a working copy: opening copies the record into it, Restore
// copies the record again, Save copies the whole working copy back into the record. The
// program, wallpaper, background-image and window pages keep their pending values themselves
// and write them into the Project before they call save(); for them the session keeps only
// the state.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "editors/frame/editor_tabs.h"
#include "editors/frame/kind_selector.h"
#include "model/project.h"
#include "shell/object_code.h"

namespace zim {

enum class EditorState { view, edit };

// What the frame enables after each step.
struct FrameEnabling {
    bool editButton = false;    // "Edit Parameters" (15)
    bool restoreButton = false; // "Restore Previous Parameters" (16)
    bool saveButton = false;    // "Save Parameters Values" (17)
    bool structureTree = true;
    // The fields of the page on show; each page then applies its own finer enabling rules.
    bool page = false;
    bool tabControl = false;
    bool windowTitle = false; // the title edit of the window header
};

enum class StepResult {
    ignored, // not possible in this state or for this object: nothing changed
    applied,
    tabsReset, // applied; the tabs must be built again from tabs() and tab 0 shown
};

// Where the session reads and writes: the Project, the two working copies (the live edit
// windows move and size the same records) and the project's unsaved-changes flag.
struct SessionTargets {
    Project& project;
    ButtonControl& buttonCopy;
    StaticControl& staticCopy;
    int32_t& projectUnsaved;
};

// The current tab before any page was shown.
constexpr int noTab = -10;

class EditingSession {
  public:
    explicit EditingSession(const SessionTargets& targets);

    // Opens the object of a structure-tree item: copies a button's or static's record into
    // its working copy, starts in view state with the tree enabled and no tab shown, and marks
    // the project unsaved. An item that names no object in use (a window, control or image
    // beyond the counts) opens nothing and returns false.
    bool open(int32_t objectCode);
    bool open(const ObjectSelection& selection);
    void close();

    bool isOpen() const { return open_; }
    const ObjectSelection& selection() const { return selection_; }
    EditorState state() const { return state_; }
    FrameEnabling enabling() const;

    // The working copy's kind for buttons and statics; 0 for other objects.
    int32_t controlKind() const;
    ButtonControl& buttonCopy() { return targets_.buttonCopy; }
    StaticControl& staticCopy() { return targets_.staticCopy; }

    const char* title() const;
    // The tabs of the open object (for buttons and statics, of the working copy's kind).
    std::vector<EditorTab> tabs() const;
    const char* tabTooltip(int position) const;
    // The kind radios of a button or static with their checks and enabling; empty otherwise.
    std::vector<KindRadio> kindRadios() const;

    int currentTab() const { return currentTab_; }
    // The page of the current tab, or the page built straight into the frame.
    EditorPage currentPage() const;

    // The tab control selected `position`. Returns the page to show in place of the current one
    // (EditorPage::none: the area stays empty), or nothing when nothing changes: the position
    // is outside 0 to 4 or already current. A window's tabs do not change in edit state, so
    // pending values of its page cannot be dropped by a tab change.
    std::optional<EditorPage> showTab(int position);

    // "Edit Parameters": view state to edit state; the tree is disabled.
    StepResult edit();
    // "Restore Previous Parameters": edit state to view state with the tree enabled; a button
    // or static gets its record back in the working copy and its tabs are reset.
    StepResult restore();
    // "Save Parameters Values": edit state to view state with the tree enabled; a button or
    // static record becomes the whole working copy.
    StepResult save();
    // A kind radio of a button or static was clicked (in either state): the working copy takes
    // the kind, its tabs are reset and the page returns to view state. The tree keeps its
    // enabling, so after a change made in edit state it stays disabled until Save or Restore.
    StepResult chooseKind(int radioId);

  private:
    bool isControl() const;
    bool isWindow() const;
    bool selectionInUse(const ObjectSelection& selection) const;
    ButtonControl& savedButton() const;
    StaticControl& savedStatic() const;
    void copyRecordIntoWorkingCopy();

    SessionTargets targets_;
    bool open_ = false;
    ObjectSelection selection_;
    EditorState state_ = EditorState::view;
    bool treeEnabled_ = true;
    int currentTab_ = noTab;
};

} // namespace zim
