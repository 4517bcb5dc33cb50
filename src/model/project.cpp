#include "model/project.h"

#include <string>

#include "model/programming_error.h"

namespace zim {

namespace {
// Static storage: the Project lives for the whole run and is never allocated piecemeal.
Project theProject;

// Stops the program when a record number lies outside its capacity: the number comes from
// code, never from a file, so this is a fault in the program, and going on would touch memory
// outside the Project.
void checkNumber(const char* record, int number, int capacity) {
    if (number < 1 || number > capacity)
        programmingError(std::string(record) + " number " + std::to_string(number) +
                         " is outside 1.." + std::to_string(capacity));
}

} // namespace

int32_t currentObjectKind = objectProgram;
int32_t currentWindow = 0;
int32_t currentControl = 0;
ButtonControl buttonWorkCopy;
StaticControl staticWorkCopy;

Project& project() { return theProject; }

AppWindow& window(int w) {
    checkNumber("window", w, maxWindows);
    return theProject.windows[w - 1];
}

ButtonControl& button(int w, int b) {
    checkNumber("button", b, maxButtons);
    return window(w).buttons[b - 1];
}

StaticControl& staticControl(int w, int s) {
    checkNumber("static control", s, maxStatics);
    return window(w).statics[s - 1];
}

BackgroundImage& image(int w, int i) {
    checkNumber("background image", i, maxImages);
    return window(w).images[i - 1];
}

} // namespace zim
