// The whole program: start-up, the message loop and the release at exit.
#pragma once

#include <windows.h>

namespace zim {

int runApplication(HINSTANCE instance);

} // namespace zim
