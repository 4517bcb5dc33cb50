#include "editors/frame/editing_session.h"

#include <algorithm>

namespace zim {

namespace {

// Numbers in use: within the count, and never beyond the capacity even if a damaged Project
// holds a larger count.
bool inUse(int32_t number, int32_t count, int capacity) {
    return number >= 1 && number <= std::min<int32_t>(count, capacity);
}

} // namespace

EditingSession::EditingSession(const SessionTargets& targets) : targets_(targets) {}

bool EditingSession::open(int32_t objectCode) {
    return open(decodeObjectCode(objectCode));
}

bool EditingSession::open(const ObjectSelection& selection) {
    close();
    if (!selectionInUse(selection))
        return false;
    open_ = true;
    selection_ = selection;
    copyRecordIntoWorkingCopy();
    targets_.projectUnsaved = 1;
    return true;
}

void EditingSession::close() {
    open_ = false;
    selection_ = {};
    state_ = EditorState::view;
    treeEnabled_ = true;
    currentTab_ = noTab;
}

bool EditingSession::selectionInUse(const ObjectSelection& s) const {
    const Project& p = targets_.project;
    switch (s.kind) {
    case objectProgram:
    case objectWallpaper:
        return true;
    case objectBackgroundImage:
        if (s.window == 0)
            return s.control == 1; // the wallpaper's image
        return inUse(s.window, p.program.windowCount, maxWindows) &&
               inUse(s.control, p.windows[s.window - 1].imageCount, maxImages);
    case objectWindow:
    case objectDialog:
        return inUse(s.window, p.program.windowCount, maxWindows);
    case objectButton:
        return inUse(s.window, p.program.windowCount, maxWindows) &&
               inUse(s.control, p.windows[s.window - 1].buttonCount, maxButtons);
    case objectStatic:
        return inUse(s.window, p.program.windowCount, maxWindows) &&
               inUse(s.control, p.windows[s.window - 1].staticCount, maxStatics);
    default:
        return false;
    }
}

bool EditingSession::isControl() const {
    return open_ && (selection_.kind == objectButton || selection_.kind == objectStatic);
}

bool EditingSession::isWindow() const {
    return open_ && (selection_.kind == objectWindow || selection_.kind == objectDialog);
}

ButtonControl& EditingSession::savedButton() const {
    return targets_.project.windows[selection_.window - 1].buttons[selection_.control - 1];
}

StaticControl& EditingSession::savedStatic() const {
    return targets_.project.windows[selection_.window - 1].statics[selection_.control - 1];
}

void EditingSession::copyRecordIntoWorkingCopy() {
    if (selection_.kind == objectButton)
        targets_.buttonCopy = savedButton();
    else if (selection_.kind == objectStatic)
        targets_.staticCopy = savedStatic();
}

FrameEnabling EditingSession::enabling() const {
    FrameEnabling e;
    if (!open_)
        return e;
    const bool editing = state_ == EditorState::edit;
    e.editButton = !editing;
    e.restoreButton = editing;
    e.saveButton = editing;
    e.structureTree = !editing && treeEnabled_;
    e.page = editing;
    // A control's tabs open only for editing; a window's tabs are for looking around and stay
    // still while one of its pages holds pending values.
    if (isControl())
        e.tabControl = editing;
    else if (isWindow())
        e.tabControl = !editing;
    e.windowTitle = isWindow() && editing && currentTab_ == 0;
    return e;
}

int32_t EditingSession::controlKind() const {
    if (!open_)
        return 0;
    if (selection_.kind == objectButton)
        return targets_.buttonCopy.kind;
    if (selection_.kind == objectStatic)
        return targets_.staticCopy.kind;
    return 0;
}

const char* EditingSession::title() const {
    return open_ ? frameTitle(selection_.kind) : "";
}

std::vector<EditorTab> EditingSession::tabs() const {
    if (!open_)
        return {};
    return editorTabs(selection_.kind, controlKind());
}

const char* EditingSession::tabTooltip(int position) const {
    if (!open_)
        return "";
    return zim::tabTooltip(selection_.kind, controlKind(), position);
}

std::vector<KindRadio> EditingSession::kindRadios() const {
    if (!isControl())
        return {};
    const auto radios = selection_.kind == objectButton ? buttonKindRadios(controlKind())
                                                        : staticKindRadios(controlKind());
    return {radios.begin(), radios.end()};
}

EditorPage EditingSession::currentPage() const {
    if (!open_)
        return EditorPage::none;
    const EditorPage direct = directPage(selection_.kind);
    if (direct != EditorPage::none)
        return direct;
    const std::vector<EditorTab> all = tabs();
    if (currentTab_ < 0 || currentTab_ >= static_cast<int>(all.size()))
        return EditorPage::none;
    return all[currentTab_].page;
}

std::optional<EditorPage> EditingSession::showTab(int position) {
    if (!open_ || position < firstTabPosition || position > lastTabPosition)
        return std::nullopt;
    if (position == currentTab_)
        return std::nullopt;
    if (isWindow() && state_ == EditorState::edit)
        return std::nullopt;
    currentTab_ = position;
    return currentPage();
}

StepResult EditingSession::edit() {
    if (!open_ || state_ != EditorState::view)
        return StepResult::ignored;
    state_ = EditorState::edit;
    return StepResult::applied;
}

StepResult EditingSession::restore() {
    if (!open_ || state_ != EditorState::edit)
        return StepResult::ignored;
    state_ = EditorState::view;
    treeEnabled_ = true;
    if (!isControl())
        return StepResult::applied;
    copyRecordIntoWorkingCopy();
    currentTab_ = noTab;
    return StepResult::tabsReset;
}

StepResult EditingSession::save() {
    if (!open_ || state_ != EditorState::edit)
        return StepResult::ignored;
    if (selection_.kind == objectButton)
        savedButton() = targets_.buttonCopy;
    else if (selection_.kind == objectStatic)
        savedStatic() = targets_.staticCopy;
    state_ = EditorState::view;
    treeEnabled_ = true;
    return StepResult::applied;
}

StepResult EditingSession::chooseKind(int radioId) {
    bool changed = false;
    if (open_ && selection_.kind == objectButton)
        changed = chooseButtonKind(targets_.buttonCopy, savedButton(), buttonKindOfRadio(radioId));
    else if (open_ && selection_.kind == objectStatic)
        changed = chooseStaticKind(targets_.staticCopy, staticKindOfRadio(radioId));
    if (!changed)
        return StepResult::ignored;
    // Leaving edit state this way keeps the tree as it was: disabled after edit state.
    if (state_ == EditorState::edit)
        treeEnabled_ = false;
    state_ = EditorState::view;
    currentTab_ = noTab;
    return StepResult::tabsReset;
}

} // namespace zim
