// The smallest screen the designer runs on: its main window alone is 1020 x 760 pixels.
#pragma once

namespace zim {

constexpr int minimumScreenWidth = 1024;
constexpr int minimumScreenHeight = 768;

bool screenIsLargeEnough(int width, int height);

} // namespace zim
