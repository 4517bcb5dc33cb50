// Writes the two stored projects the runtime tests build into programs, in FOLDER/<name>/:
//  - "Default project", as the designer ships it;
//  - "Runtime demo": a wallpaper; window 1 with the buttons "Start" and "Open" (the user's
//    routine), "Quit" (closes the application) and three text statics; window 2, a modal dialog
//    owned by window 1, with "Close" (closes its window);
//  - "Bench window": no wallpaper; window 1 with ten buttons and ten text statics, the
//    benchmark's window (bench/windows/runtime_bench.cpp builds the same one by hand).
// Usage: make_runtime_projects FOLDER DEFAULT_PROJECT_IMAGES
#include <filesystem>
#include <iostream>

#include "model/default_project.h"
#include "model/project_file.h"
#include "model/text_field.h"

namespace {

namespace fs = std::filesystem;
using namespace zim;

ButtonControl& addButton(int w, const char* caption, int x, int32_t action) {
    const int b = ++window(w).buttonCount;
    ButtonControl& added = button(w, b);
    buildNewButton(added, w, b);
    setCaption(added.text, caption);
    added.x = x;
    added.width = 60;
    added.action = action;
    return added;
}

void addStatic(int w, const char* text, int y) {
    const int s = ++window(w).staticCount;
    StaticControl& added = staticControl(w, s);
    buildNewStatic(added, w, s);
    setText(added.text, text);
    added.x = 20;
    added.y = y;
}

void buildDemo() {
    buildDefaultProject();
    setText(project().program.applicationName, "Runtime demo");
    AppWindow& first = window(1);
    first.animate = 0;
    first.width = 420;
    first.height = 260;
    first.buttonCount = 0;
    first.staticCount = 0;
    addButton(1, "Start", 10, 0);
    addButton(1, "Open", 80, 0);
    addButton(1, "Quit", 150, 2);
    addStatic(1, "First static", 70);
    addStatic(1, "Second static", 110);
    addStatic(1, "Third static", 150);

    project().program.windowCount = 2;
    AppWindow& second = window(2);
    buildNewWindow(second, 2);
    setText(second.title, "Second window");
    second.kind = 2;
    second.animate = 0;
    second.hasOwner = 1;
    second.ownerWindow = 1;
    second.staticCount = 0;
    second.buttonCount = 0;
    addButton(2, "Close", 10, 1);
}

void buildBenchWindow() {
    buildDefaultProject();
    setText(project().program.applicationName, "Bench window");
    project().program.wallpaperPresent = 0;
    AppWindow& first = window(1);
    first.animate = 0;
    first.width = 720;
    first.height = 400;
    first.buttonCount = 0;
    first.staticCount = 0;
    for (int k = 0; k < 10; ++k) {
        addButton(1, "Button", 10 + 70 * k, 0);
        addStatic(1, "Static", 60 + 30 * k);
    }
}

bool save(const fs::path& folder, const std::string& name, const fs::path& images) {
    const fs::path directory = folder / name;
    fs::create_directories(directory);
    for (const fs::directory_entry& image : fs::directory_iterator(images))
        fs::copy_file(image.path(), directory / image.path().filename(),
                      fs::copy_options::overwrite_existing);
    const FileOutcome saved = saveProjectFile(directory, name);
    if (!saved)
        std::cerr << saved.error << "\n";
    return static_cast<bool>(saved);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_runtime_projects FOLDER DEFAULT_PROJECT_IMAGES\n";
        return 2;
    }
    const fs::path folder = argv[1], images = argv[2];
    buildDefaultProject();
    if (!save(folder, defaultProjectName, images))
        return 1;
    buildDemo();
    if (!save(folder, "Runtime demo", images))
        return 1;
    buildBenchWindow();
    return save(folder, "Bench window", images) ? 0 : 1;
}
