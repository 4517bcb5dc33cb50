// Process-wide state of the shell and the drawing resources shared by every view and page.
// The fonts, brushes, cursors and image lists are made once at start-up and released at exit.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>

namespace zim {

extern HINSTANCE hInstance;
extern int32_t screenWidth;
extern int32_t screenHeight;
extern HWND backdropWindow;
extern HWND mainWindow;   // 0 once it is destroyed
extern int32_t currentView;  // 1 File, 2 Edit, 3 About
extern int32_t previousView;
extern HWND viewDialog;   // the modeless dialog that shows the current view

enum View : int32_t { viewFile = 1, viewEdit = 2, viewAbout = 3 };

// The bounding rectangle chosen in the rectangle-size dialog: (0, 0, width, height), the same
// rectangle centred in the backdrop's client area, and whether the backdrop draws it.
extern RECT boundingRect;
extern RECT boundingRectOnScreen;
extern int32_t boundingRectShown;

extern HFONT fontLabelBold;
extern HFONT fontControl;
extern HFONT fontImpact;
extern HFONT fontHeadingBold;
extern HFONT fontHeading;
extern HFONT fontTitleBold;
extern HFONT fontBanner;

extern HBRUSH brushNavy;
extern HBRUSH brushMaroon;
extern HBRUSH brushGreen;
extern HBRUSH brushGrey;
extern HBRUSH brushPane;

extern HCURSOR cursorArrow;
extern HCURSOR cursorSizeAll;
extern HCURSOR cursorSizeWE;
extern HCURSOR cursorSizeNS;
extern HCURSOR cursorSizeNWSE;

extern HIMAGELIST treeImages; // 0 program, 1 wallpaper, 2 background image, 3 window,
                              // 4 dialog, 5 button, 6 static
extern HIMAGELIST markImages;
extern HIMAGELIST sizeImages;

// brushPane alone: the classes need it before the other resources exist.
void createPaneBrush();
// Cursors, the three image lists, the seven fonts and the four coloured brushes. Returns "" or
// the error text of an image list that could not be made.
std::string createSharedResources();
// Deletes the fonts and the brushes.
void releaseSharedResources();

} // namespace zim
