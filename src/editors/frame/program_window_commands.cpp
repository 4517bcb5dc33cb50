#include "editors/frame/program_window_commands.h"

#include <cstdio>

#include "archive/failure_message.h"
#include "editors/window/list_messages.h"
#include "editors/window/window_list_operations.h"
#include "model/text_field.h"

namespace zim {

namespace {

constexpr const char* unsavedCorrectionsQuestion =
    "You didn't save your corrections of the program parameters, and this command\rwill "
    "ignore them. Do you want to continue?";
constexpr const char* failuresHeading = "Some files could not be handled:";

const char* captionOf(WindowCommand command) {
    switch (command) {
    case WindowCommand::add:
        return listText::windowAddCaption;
    case WindowCommand::duplicate:
        return listText::windowDuplicateCaption;
    case WindowCommand::remove:
        return listText::windowDeleteCaption;
    case WindowCommand::moveUp:
        return listText::windowMoveUpCaption;
    case WindowCommand::moveDown:
        return listText::windowMoveDownCaption;
    }
    return "";
}

PageMessage question(const std::string& text, const char* caption) {
    return {text, caption, box::yesNo | box::iconQuestion, MessageOwner::none};
}

std::optional<PageMessage> refusalOf(const Project& project, WindowCommand command) {
    const int count = project.program.windowCount;
    const char* caption = captionOf(command);
    switch (command) {
    case WindowCommand::add:
    case WindowCommand::duplicate:
        return windowAddRefusal(project, caption);
    case WindowCommand::remove:
        if (count <= 1)
            return listRefusal(listText::onlyOneWindow, caption);
        return std::nullopt;
    case WindowCommand::moveUp:
    case WindowCommand::moveDown:
        if (count < 2)
            return listRefusal(listText::noWindowsToMove, caption);
        return std::nullopt;
    }
    return std::nullopt;
}

// A selection outside the list, the first window up or the last one down.
bool changesNothing(WindowCommand command, int selected, int count) {
    if (command == WindowCommand::add)
        return false;
    if (selected < 1 || selected > count)
        return true;
    return (command == WindowCommand::moveUp && selected == 1) ||
           (command == WindowCommand::moveDown && selected == count);
}

ListOperation planOf(Project& project, const ListFolders& folders, WindowCommand command,
                     int selected, const std::string& title) {
    switch (command) {
    case WindowCommand::add:
        return planAddWindow(project, folders, title);
    case WindowCommand::duplicate:
        return planDuplicateWindow(project, folders, selected);
    case WindowCommand::remove:
        return planDeleteWindow(project, folders, selected);
    case WindowCommand::moveUp:
        return planMoveWindow(project, folders, selected, MoveDirection::up);
    case WindowCommand::moveDown:
        return planMoveWindow(project, folders, selected, MoveDirection::down);
    }
    return ListOperation::refused({});
}

// What the user is told when the command is done: the confirmation of an addition, the
// windows left without owner, and what could not be tidied up (the windows and their files
// are all in place all the same). Empty: nothing to tell.
PageMessage closingMessage(WindowCommand command, const ListResult& result) {
    std::string opening;
    if (command == WindowCommand::add)
        opening = listText::windowAdded;
    else if (command == WindowCommand::duplicate)
        opening = listText::windowDuplicated;
    else if (command == WindowCommand::remove)
        opening = ownersClearedNote(result.ownersCleared);
    const std::string text = failureMessage(opening, {{failuresHeading, result.failures.list()}});
    return {text, captionOf(command), box::ok | box::iconInformation, MessageOwner::none};
}

} // namespace

std::vector<std::string> windowListItems(const Project& project) {
    std::vector<std::string> items;
    for (int w = 1; w <= project.program.windowCount && w <= maxWindows; ++w) {
        char number[16];
        std::snprintf(number, sizeof number, "Window_%03d - ", w);
        items.push_back(number + shown(project.windows[w - 1].title));
    }
    return items;
}

std::optional<int> runWindowCommand(Project& project, const ListFolders& folders,
                                    WindowCommand command, int selected, bool unsavedCorrections,
                                    WindowCommandPrompts& prompts) {
    const char* caption = captionOf(command);
    if (std::optional<PageMessage> refusal = refusalOf(project, command)) {
        prompts.show(*refusal);
        return std::nullopt;
    }
    if (changesNothing(command, selected, project.program.windowCount))
        return std::nullopt;
    if (unsavedCorrections &&
        prompts.show(question(unsavedCorrectionsQuestion, caption)) != box::answerYes)
        return std::nullopt;
    if (command == WindowCommand::remove &&
        prompts.show(question(listText::windowDeleteQuestion, caption)) != box::answerYes)
        return std::nullopt;
    std::string title;
    if (command == WindowCommand::add && (title = prompts.newWindowTitle()).empty())
        return std::nullopt;

    const ListResult result = planOf(project, folders, command, selected, title).run();
    if (result.status == ListStatus::refused) {
        prompts.show(result.refusal);
        return std::nullopt;
    }
    if (result.status == ListStatus::failed) {
        const std::string text = failureMessage(listText::windowsNotChanged,
                                                {{failuresHeading, result.failures.list()}});
        prompts.show({text, caption, box::ok | box::iconHand, MessageOwner::none});
        return std::nullopt;
    }
    const PageMessage closing = closingMessage(command, result);
    if (!closing.text.empty())
        prompts.show(closing);
    return result.position;
}

} // namespace zim
