// The program's eight window classes, registered once at start-up.
#pragma once

#include <windows.h>

#include <string>

namespace zim {

constexpr const char* mainWindowClass = "WizardMainWindowClass";
constexpr const char* backdropClass = "WizardWallpaperWindowClass";
constexpr const char* structurePaneClass = "WizardDescriptionWindowClass";
constexpr const char* parametersWindowClass = "WizardEditWindowClass";
constexpr const char* imagePreviewClass = "WizardPreviewWindowClass";
constexpr const char* controlPreviewClass = "WizardPreviewControlWindowClass";
constexpr const char* transparentPickerClass = "WizardTransparentWindowClass";
constexpr const char* switchingWindowClass = "SwitchingWnd";

// Registers the classes in their fixed order and stops at the first that fails: the result
// is "" when all are registered, otherwise the failed class's error text.
std::string registerWindowClasses();

// Unregisters every class of the program; lets a process start the shell more than once.
void unregisterWindowClasses();

} // namespace zim
