// The default project: program parameters, a wallpaper and one standard window with one
// classic button and one text static. New projects start as a copy of it.
#pragma once

namespace zim {

constexpr const char* defaultProjectName = "Default project";

// Fills the current Project with the default design. Records beyond the counts keep what
// they hold.
void buildDefaultProject();

} // namespace zim
