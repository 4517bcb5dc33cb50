// The one way the program creates its controls: each control is described by a short row
// (class, text, style, place, identifier, font, extended style) and a list of rows is created on
// a parent at once. Small helpers read and write the controls' texts, checks and enabling.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "shell/layout_box.h"

namespace zim {

// The shared fonts made at start-up, by role; `none` leaves the control's own font.
enum class ControlFont {
    none,
    control,
    labelBold,
    heading,
    headingBold,
    titleBold,
    banner,
    impact
};

struct ControlDescription {
    const char* className;
    const char* text = "";
    DWORD style = 0; // WS_CHILD | WS_VISIBLE are always added
    LayoutBox box{};
    int id = 0; // 0: no control identifier
    ControlFont font = ControlFont::control;
    DWORD extendedStyle = 0;
};

// Creates one control as a visible child of `parent` and gives it its font.
HWND createControl(HWND parent, const ControlDescription& control);

// Creates the controls in order (which is also their Tab order) and returns their handles in
// the same order; a control that could not be created has a null handle.
std::vector<HWND> createControls(HWND parent, const std::vector<ControlDescription>& controls);

// The text of a control, whole.
std::string textOf(HWND control);
std::string textOf(HWND parent, int id);
void setText(HWND parent, int id, const std::string& text);

// Check boxes and radio buttons.
bool isChecked(HWND parent, int id);
void setChecked(HWND parent, int id, bool checked);

void enable(HWND parent, std::initializer_list<int> ids, bool enabled);
// Every child window of `parent`, at any depth.
void enableChildren(HWND parent, bool enabled);

} // namespace zim
