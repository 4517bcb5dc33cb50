// The default project: program parameters, a wallpaper and one standard window with one
// classic button and one text static. New projects start as a copy of it.
#pragma once

#include <string_view>

#include "model/project.h"

namespace zim {

constexpr const char* defaultProjectName = "Default project";

// Fills the current Project with the default design. Records beyond the counts keep what
// they hold.
void buildDefaultProject();

// The records the user's additions start from, numbered for their place: window `w`, button
// `b` or static `s` of window `w`, image `i` of window `w`.
// A new window is the default project's window 1 with its one button and one static; all its
// other slots are cleared.
void buildNewWindow(AppWindow& record, int w);
// The default project's button 1 and static 1; every field they do not set is cleared.
void buildNewButton(ButtonControl& record, int w, int b);
void buildNewStatic(StaticControl& record, int w, int s);
// How an image is drawn (every field from windowNumber on) reset to the defaults of a new
// image, which keep the area fields (placement to y) as they are.
void resetBackgroundImage(BackgroundImage& record, int w, std::string_view fileName);
// A new image: drawn at its own size over the whole client area, with the rectangle fields set
// to half the holding window's size, and the drawing defaults.
void buildNewBackgroundImage(BackgroundImage& record, const AppWindow& holder, int w, int i);

} // namespace zim
