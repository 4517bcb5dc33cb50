// The list of windows of the design: add, duplicate, delete and move. Every file named after a
// window's place ("Wnd_www*": icon, small icon, cursor and background images; the images of
// its buttons and statics) follows its window. Window numbers stored in the records follow
// too: the records' own window numbers, owner windows (an owner that is deleted leaves its
// windows without owner), and the application type, which names the kind of window 1.
#pragma once

#include <optional>
#include <string_view>

#include "editors/frame/page_message.h"
#include "editors/window/list_operation.h"
#include "editors/window/record_list_plans.h"
#include "model/project.h"

namespace zim {

// The refusal that adding or duplicating a window meets before anything is asked: the design
// holds 100 windows. `caption` tells the two commands apart.
std::optional<PageMessage> windowAddRefusal(const Project& project, const char* caption);

// Appends the default project's window 1 (with its one button and one static) under the
// title, its controls' images copied from the templates. The result selects it.
ListOperation planAddWindow(Project& project, const ListFolders& folders, std::string_view title);

// Appends a copy of window `w` with all its images, buttons and statics, and a copy of each of
// its files under the new window's names. The result selects the copy.
ListOperation planDuplicateWindow(Project& project, const ListFolders& folders, int w);

// Deletes window `w` and every file of its place; the windows after it move up one place with
// their files. The last window cannot be deleted. The result selects the window that took the
// place, or the last window, and lists the windows that lost their owner.
ListOperation planDeleteWindow(Project& project, const ListFolders& folders, int w);

// Exchanges window `w` with its neighbour, files included; the result selects the moved
// window. The first window up or the last one down stays where it is.
ListOperation planMoveWindow(Project& project, const ListFolders& folders, int w,
                             MoveDirection direction);

} // namespace zim
