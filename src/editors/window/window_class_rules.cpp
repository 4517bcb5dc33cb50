#include "editors/window/window_class_rules.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "archive/file_operations.h"
#include "archive/safe_name.h"
#include "editors/frame/project_image_copy.h"
#include "editors/frame/wallpaper_page_rules.h"
#include "editors/window/project_file_deletion.h"
#include "editors/window/window_kind.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* cancelled = "Operation was canceled...";
constexpr const char* colourCaption = "New background color selection...";
constexpr const char* standardIconTitle = "Select new standard icon";
constexpr const char* standardCursorTitle = "Select new standard cursor";
constexpr const char* windowIconCaption = "New window icon selection...";
constexpr const char* windowCursorCaption = "New window cursor selection...";
constexpr const char* notCopied = "\rThe file was not copied...";
constexpr const char* savingCaption = "Saving...";

constexpr int32_t colourKind = 1;
constexpr int32_t systemColourKind = 2;
constexpr int32_t stockBrushKind = 3;

constexpr const char* iconExtension = ".ico";
constexpr const char* cursorExtension = ".cur";

// The texts of the file commands, for the large icon, the small icon and the cursor.
struct FileCommandTexts {
    const char* title;
    const char* filter;
    const char* cancelCaption;
    const char* copied;
    const char* copiedCaption;
};

constexpr FileCommandTexts iconTexts{"Select new icon", "Icons (*.ico)|*.ico||",
                                     "New icon selection...", "Window icon was copied...",
                                     windowIconCaption};
constexpr FileCommandTexts smallIconTexts{"Select new icon", "Icons (*.ico)|*.ico||",
                                          "New icon selection...",
                                          "Window small icon was copied...", windowIconCaption};
constexpr FileCommandTexts cursorTexts{"Select new cursor", "Cursors (*.cur)|*.cur||",
                                       "New cursor selection...", "Window cursor was copied...",
                                       "New cursor icon selection..."};

PageMessage stop(const std::string& text, const char* caption) {
    return {text, caption, box::ok | box::iconHand, MessageOwner::none};
}

PageMessage information(const char* text, const char* caption) {
    return {text, caption, box::ok | box::iconInformation, MessageOwner::none};
}

// The entry a list starts at: the current one when the source is within the list, else the
// first.
int startEntry(int32_t current, int count) {
    return current >= 1 && current <= count ? current : 1;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// One class file a window names: its source and its file name.
struct ClassFile {
    int32_t source;
    std::string fileName;
};

std::vector<ClassFile> classFilesOf(const AppWindow& w) {
    return {{w.iconSource, shown(w.iconName) + iconExtension},
            {w.smallIconSource, shown(w.smallIconName) + iconExtension},
            {w.cursorSource, shown(w.cursorName) + cursorExtension}};
}

// Whether a file source of a window in use still names the file (letter case aside, as
// Windows compares names). Dialogs count too: their sources are kept for when they become
// standard windows again, and generation copies what they name.
bool stillUsed(const Project& project, const std::string& fileName) {
    const std::string wanted = lowerCase(fileName);
    const int count = std::min<int32_t>(project.program.windowCount, maxWindows);
    for (int k = 0; k < count; ++k) {
        for (const ClassFile& file : classFilesOf(project.windows[k]))
            if (file.source == sourceFile && lowerCase(file.fileName) == wanted)
                return true;
    }
    return false;
}

} // namespace

WindowClassPage::WindowClassPage(Project& project, int window, std::filesystem::path projectFolder)
    : project_(project), w_(window), projectFolder_(std::move(projectFolder)) {
    load();
}

void WindowClassPage::load() {
    const AppWindow& w = window();
    copy_.backgroundKind = w.backgroundKind;
    copy_.backgroundValue = w.backgroundValue;
    copy_.iconSource = w.iconSource;
    copy_.smallIconSource = w.smallIconSource;
    copy_.cursorSource = w.cursorSource;
    std::copy(std::begin(w.classStyles), std::end(w.classStyles), std::begin(copy_.classStyles));
}

bool WindowClassPage::isDialog() const {
    return isDialogWindow(window());
}

WindowClassEnabling WindowClassPage::enabling(EditorState state) const {
    WindowClassEnabling e;
    if (state != EditorState::edit)
        return e;
    e.selectNewColor = true;
    e.iconAndCursorButtons = !isDialog();
    e.classStyles = !isDialog();
    return e;
}

SampleColour WindowClassPage::sampleColour() const {
    return backgroundSampleColour(copy_.backgroundKind, copy_.backgroundValue);
}

ClassImageSample WindowClassPage::sample(int32_t source, const char* nameField, bool cursor) const {
    ClassImageSample s;
    if (isDialog())
        return s;
    const int count = cursor ? standardCursorList.count : standardIconList.count;
    if (source >= 1 && source <= count) {
        s.kind = ClassImageSample::Kind::standard;
        s.standardEntry = source;
    } else if (source == sourceFile) {
        const std::string name = displayText(nameField, sizeof window().iconName);
        if (!unsafeNameReason(name).empty())
            return s;
        s.kind = ClassImageSample::Kind::file;
        s.fileName = name + (cursor ? cursorExtension : iconExtension);
    }
    return s;
}

ClassImageSample WindowClassPage::iconSample() const {
    return sample(copy_.iconSource, window().iconName, false);
}

ClassImageSample WindowClassPage::smallIconSample() const {
    return sample(copy_.smallIconSource, window().smallIconName, false);
}

ClassImageSample WindowClassPage::cursorSample() const {
    return sample(copy_.cursorSource, window().cursorName, true);
}

bool WindowClassPage::command(int commandId, IconTarget target, WindowClassPrompts& prompts) {
    switch (commandId) {
    case systemColorItem:
    case customColorItem:
    case systemBrushItem:
        return chooseColour(commandId, prompts);
    default:
        break;
    }
    if (isDialog())
        return false;
    int32_t& icon = target == IconTarget::icon ? copy_.iconSource : copy_.smallIconSource;
    switch (commandId) {
    case standardIconItem:
        return chooseStandard(icon, false, prompts);
    case customIconItem:
        return chooseFile(icon, target, false, prompts);
    case noIconItem:
        icon = noIconSource;
        return true;
    case standardCursorItem:
        return chooseStandard(copy_.cursorSource, true, prompts);
    case customCursorItem:
        return chooseFile(copy_.cursorSource, target, true, prompts);
    case noCursorItem:
        copy_.cursorSource = noCursorSource;
        return true;
    default:
        return false;
    }
}

bool WindowClassPage::chooseColour(int commandId, WindowClassPrompts& prompts) {
    int32_t kind = 0;
    int32_t value = 0;
    if (commandId == customColorItem) {
        const std::optional<int32_t> colour = prompts.customColour(sampleColour());
        if (colour) {
            kind = colourKind;
            value = *colour;
        }
    } else {
        const bool system = commandId == systemColorItem;
        kind = system ? systemColourKind : stockBrushKind;
        const ValueList& list = system ? systemColourList : stockBrushList;
        const int start =
            copy_.backgroundKind == kind ? startEntry(copy_.backgroundValue, list.count) : 1;
        value = system ? prompts.systemColour(backgroundColorDialogTitle, start)
                       : prompts.stockBrush(backgroundColorDialogTitle, start);
        if (value < 1 || value > list.count)
            kind = 0;
    }
    if (kind == 0) {
        prompts.show(stop(cancelled, colourCaption));
        return false;
    }
    copy_.backgroundKind = kind;
    copy_.backgroundValue = value;
    return true;
}

// A cancelled list keeps the source as it was.
bool WindowClassPage::chooseStandard(int32_t& source, bool cursor, WindowClassPrompts& prompts) {
    const ValueList& list = cursor ? standardCursorList : standardIconList;
    const int start = startEntry(source, list.count);
    const int chosen = cursor ? prompts.standardCursor(standardCursorTitle, start)
                              : prompts.standardIcon(standardIconTitle, start);
    if (chosen < 1 || chosen > list.count) {
        prompts.show(stop(cancelled, cursor ? windowCursorCaption : windowIconCaption));
        return false;
    }
    source = chosen;
    return true;
}

bool WindowClassPage::chooseFile(int32_t& source, IconTarget target, bool cursor,
                                 WindowClassPrompts& prompts) {
    const FileCommandTexts& texts =
        cursor ? cursorTexts : (target == IconTarget::icon ? iconTexts : smallIconTexts);
    std::filesystem::path chosen;
    if (!prompts.openFile(texts.title, texts.filter, chosen)) {
        prompts.show(stop(cancelled, texts.cancelCaption));
        return false;
    }
    const AppWindow& w = window();
    const char* field =
        cursor ? w.cursorName : (target == IconTarget::icon ? w.iconName : w.smallIconName);
    const std::string fileName =
        displayText(field, sizeof w.iconName) + (cursor ? cursorExtension : iconExtension);
    const ImageCopyResult copy = copyImageIntoProject(chosen, projectFolder_, fileName);
    if (!copy.imageInPlace()) {
        prompts.show(stop(copy.problem + notCopied, texts.copiedCaption));
        return false;
    }
    source = sourceFile;
    prompts.show(information(texts.copied, texts.copiedCaption));
    return true;
}

std::optional<PageMessage> WindowClassPage::save() {
    AppWindow& w = window();
    w.backgroundKind = copy_.backgroundKind;
    w.backgroundValue = copy_.backgroundValue;
    if (isDialog()) {
        load();
        return std::nullopt;
    }
    std::copy(std::begin(copy_.classStyles), std::end(copy_.classStyles),
              std::begin(w.classStyles));
    w.iconSource = copy_.iconSource;
    w.smallIconSource = copy_.smallIconSource;
    w.cursorSource = copy_.cursorSource;

    std::vector<std::string> unused;
    for (const ClassFile& file : classFilesOf(w))
        if (file.source != sourceFile && !stillUsed(project_, file.fileName))
            unused.push_back(file.fileName);
    const FileFailures failures = deleteProjectFiles(projectFolder_, unused);
    load();
    if (failures.empty())
        return std::nullopt;
    return stop(failureReport(failures), savingCaption);
}

} // namespace zim
