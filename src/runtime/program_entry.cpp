// The entry of every generated program: the runtime library holds the program's WinMain.
#include <windows.h>

#include "runtime/generated_program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return zim::runGeneratedProgram();
}
