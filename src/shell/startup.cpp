#include "shell/startup.h"

#include <commctrl.h>

#include <system_error>

#include "editors/frame/parameters_frame.h"
#include "model/default_project.h"
#include "model/program_state.h"
#include "model/project_file.h"
#include "shell/backdrop.h"
#include "shell/designer_live_host.h"
#include "shell/screen_check.h"
#include "shell/shell_animation.h"
#include "shell/shell_state.h"
#include "shell/user_questions.h"
#include "shell/window_classes.h"

namespace zim {

std::string startupErrorText;

namespace {

constexpr const char* screenMessage =
    "Recommended screen resolution must be at least 1024x768 pixels\rProgram terminates now...";
constexpr const char* screenCaption = "Error";
constexpr const char* criticalCaption = "Critical Error";
constexpr const char* commonControlsError = "Can't initialize the common controls library";
// The eight classes of ICC_WIN95_CLASSES (among them the tree view, tab control, tooltips and
// status bar) and the extended combo box of ICC_USEREX_CLASSES; the date and time controls of
// ICC_DATE_CLASSES (0x100) are not among them.
constexpr DWORD commonControlClasses = ICC_WIN95_CLASSES | ICC_USEREX_CLASSES;
static_assert(commonControlClasses == 0x2FF, "the common control classes the program uses");

// Runs a step unless an earlier one failed; keeps the first failure's text.
template <class Step> void runStep(Step step) {
    if (startupErrorText.empty())
        startupErrorText = step();
}

void destroyImageList(HIMAGELIST& list) {
    if (list)
        ImageList_Destroy(list);
    list = nullptr;
}

} // namespace

void showCriticalError(const std::string& text) {
    ask(nullptr, text, criticalCaption, MB_ICONHAND | MB_TASKMODAL);
}

bool checkScreen(int width, int height) {
    if (screenIsLargeEnough(width, height))
        return true;
    ask(nullptr, screenMessage, screenCaption, MB_ICONHAND | MB_SYSTEMMODAL);
    return false;
}

std::string initialiseCommonControls() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof controls;
    controls.dwICC = commonControlClasses;
    return InitCommonControlsEx(&controls) ? std::string() : commonControlsError;
}

// The program works in the directory it starts in; between commands the current directory is
// the open project's. The Project changes only when the whole file is valid, so a damaged
// default project leaves nothing half-read behind.
std::string openDefaultProject() {
    std::error_code ec;
    programDirectory = std::filesystem::current_path(ec);
    projectToLoad = defaultProjectName;
    projectDirectory = archiveDirectoryOf(projectToLoad);
    std::filesystem::current_path(projectDirectory, ec);
    const FileOutcome outcome = loadProjectFile(projectDirectory, projectToLoad);
    return outcome ? std::string() : outcome.error;
}

bool startUp(HINSTANCE instance) {
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (!checkScreen(screenWidth, screenHeight))
        return false;
    hInstance = instance;
    designMode = 1;
    installDesignerLiveHost();
    startupErrorText.clear();
    runStep(initialiseCommonControls);
    runStep([] {
        createPaneBrush();
        return registerWindowClasses();
    });
    runStep(createSharedResources);
    runStep(openDefaultProject);
    if (startupErrorText.empty())
        return true;
    showCriticalError(startupErrorText);
    releaseShell();
    unregisterWindowClasses();
    return false;
}

void releaseShell() {
    releaseSharedResources();
    destroyImageList(treeImages);
    destroyImageList(markImages);
    destroyImageList(sizeImages);
}

HWND startShellNow(HINSTANCE instance) {
    animateShellWindows = false;
    if (!startUp(instance))
        return nullptr;
    if (!createBackdrop()) {
        releaseShell();
        unregisterWindowClasses();
        return nullptr;
    }
    openMainWindowNow();
    return mainWindow;
}

void stopShell() {
    if (backdropWindow)
        DestroyWindow(backdropWindow); // takes the main window it owns with it
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    mainWindow = nullptr;
    viewDialog = nullptr;
    parametersWindow = nullptr;
    currentView = viewAbout;
    previousView = viewAbout;
    releaseShell();
    unregisterWindowClasses();
    animateShellWindows = true;
}

} // namespace zim
