// The texts and captions the pages show around the list operations of images, buttons,
// statics and windows: refusals, confirmations, and the operations' own file problems.
#pragma once

#include <string>
#include <vector>

#include "editors/frame/page_message.h"
#include "editors/window/file_plan.h"

namespace zim {

namespace listText {

// Background images.
constexpr const char* imageAddCaption = "New image selection...";
constexpr const char* imageLimit = "Maximal number of background images was achieved...";
constexpr const char* imageAdded = "New image was added...";
constexpr const char* imageReplaceCaption = "Replace image...";
constexpr const char* imageReplaced = "Current image was replaced...";
constexpr const char* imageDeleteCaption = "Delete image...";
constexpr const char* noImages = "There is no background images for this window...";
constexpr const char* imageMoveUpCaption = "Move Up image...";
constexpr const char* imageMoveDownCaption = "Move Down image...";
constexpr const char* noImagesToMove = "There is no images for moving...";

// Buttons.
constexpr const char* buttonAddCaption = "Add New Button...";
constexpr const char* buttonLimit = "Maximal number of buttons was reached...";
constexpr const char* buttonAdded =
    "New button was added. I recommend you to select this new button\rfrom left window, to set "
    "up its features and position...";
constexpr const char* buttonDeleteCaption = "Delete Selected Button...";
constexpr const char* noButtonsToDelete = "There is no buttons to delete...";
constexpr const char* buttonMoveUpCaption = "Move Button Up ...";
constexpr const char* buttonMoveDownCaption = "Move Button Down ...";
constexpr const char* noButtonsToMove = "There is no buttons for moving...";

// Static controls.
constexpr const char* staticAddCaption = "Add New Static Control...";
constexpr const char* staticLimit = "Maximal number of static controls was reached...";
constexpr const char* staticAdded =
    "New static control was added. I recommend you to select this new control\rfrom left "
    "window, to set up its features and position...";
constexpr const char* staticDeleteCaption = "Delete Selected Static Control...";
constexpr const char* noStaticsToDelete = "There is no static controls to delete...";
constexpr const char* staticMoveUpCaption = "Move Static Control Up ...";
constexpr const char* staticMoveDownCaption = "Move Static Control Down ...";
constexpr const char* noStaticsToMove = "There is no static controls for moving...";

// Windows.
constexpr const char* windowAddCaption = "Add New Window...";
constexpr const char* windowDuplicateCaption = "Duplicate Window...";
constexpr const char* windowLimit = "Sorry, but you can't add more than 100 windows...";
constexpr const char* windowDeleteCaption = "Delete Window...";
constexpr const char* onlyOneWindow = "There is only one window...";
constexpr const char* windowMoveUpCaption = "Move Window Up ...";
constexpr const char* windowMoveDownCaption = "Move Window Down ...";
constexpr const char* noWindowsToMove = "There is no windows for moving...";
constexpr const char* windowAdded =
    "New window was added. Its parameters are open now: I recommend you to set up\rits type, "
    "size and position, its buttons and static controls...";
constexpr const char* windowDuplicated =
    "Selected window was duplicated. The copy is the last window now,\rand its parameters "
    "are open...";
constexpr const char* windowDeleteQuestion =
    "Do you really want to delete the selected window\rwith all its buttons, static controls "
    "and images?";
constexpr const char* windowsNotChanged = "The windows were not changed...";

} // namespace listText

// A refusal with the stop icon.
PageMessage listRefusal(const std::string& text, const std::string& caption);

// Why an operation's files stop it, naming the file; nothing was changed.
PageMessage obstacleMessage(const PlanObstacle& obstacle, const std::string& caption);

// The closing note of a window deletion that left windows without their owner, naming them by
// their new numbers; empty when no owner was deleted.
std::string ownersClearedNote(const std::vector<int>& windows);

} // namespace zim
