#include "model/style_help.h"

#include <iterator>

#include "model/project.h"

namespace zim {

namespace {

struct StyleHelp {
    const char* name; // the constant, so a table can be checked against its list
    const char* text;
};

const StyleHelp classStyleHelp[] = {
    {"CS_BYTEALIGNCLIENT",
     "Puts the client area on a byte boundary horizontally, which sped up drawing on old "
     "displays; it can change the window's width and horizontal position."},
    {"CS_BYTEALIGNWINDOW",
     "Puts the whole window on a byte boundary horizontally, which sped up moving and sizing "
     "on old displays."},
    {"CS_CLASSDC", "All windows of the class share one device context."},
    {"CS_DBLCLKS", "Windows of the class are told of double-clicks (WM_LBUTTONDBLCLK and the "
                   "like) made inside them."},
    {"CS_GLOBALCLASS", "Makes the class global to the process, so any module of it, such as a "
                       "DLL, can create windows of the class."},
    {"CS_HREDRAW", "The whole window is redrawn whenever a move or resize changes its width."},
    {"CS_NOCLOSE", "Disables Close on the window menu, together with the title bar's close "
                   "button."},
    {"CS_OWNDC", "Each window of the class gets a private device context that keeps its "
                 "settings between paints."},
    {"CS_PARENTDC", "A child window of the class is clipped like its parent, so it can draw on "
                    "the parent, and its drawing gets cheaper."},
    {"CS_SAVEBITS", "Keeps a bitmap of the screen the window covers, so that area comes back "
                    "without redrawing when the window goes; meant for small, brief windows."},
    {"CS_VREDRAW", "The whole window is redrawn whenever a move or resize changes its height."},
};

const StyleHelp windowStyleHelp[] = {
    {"WS_BORDER", "Gives the window a thin-line border."},
    {"WS_CAPTION", "Gives the window a title bar, which comes with a thin border."},
    {"WS_CHILD", "Makes a child window that lives in its parent's client area; it has no menu "
                 "bar and cannot also be a pop-up."},
    {"WS_CHILDWINDOW", "Another name for WS_CHILD."},
    {"WS_CLIPCHILDREN", "Drawing in the window leaves out the areas its child windows cover."},
    {"WS_CLIPSIBLINGS", "A child window does not draw over the sibling windows that overlap it."},
    {"WS_DISABLED", "The window starts disabled and takes no mouse or keyboard input until it "
                    "is enabled."},
    {"WS_DLGFRAME", "Gives the window the border dialog boxes use; such a window has no title "
                    "bar."},
    {"WS_GROUP", "Marks the first control of a group; the arrow keys move the focus among the "
                 "controls up to the next one marked so."},
    {"WS_HSCROLL", "Gives the window a horizontal scroll bar."},
    {"WS_ICONIC", "Another name for WS_MINIMIZE: the window starts minimized."},
    {"WS_MAXIMIZE", "The window starts maximized."},
    {"WS_MAXIMIZEBOX", "Puts a maximize button in the title bar; the window menu (WS_SYSMENU) "
                       "is needed too."},
    {"WS_MINIMIZE", "The window starts minimized."},
    {"WS_MINIMIZEBOX", "Puts a minimize button in the title bar; the window menu (WS_SYSMENU) "
                       "is needed too."},
    {"WS_OVERLAPPED", "A top-level window with a title bar and a border; its value is 0, so on "
                      "its own it adds no bits."},
    {"WS_OVERLAPPEDWINDOW", "The usual main window: title bar, window menu, sizing border and "
                            "the minimize and maximize buttons."},
    {"WS_POPUP", "Makes a pop-up window, placed in screen coordinates; it cannot also be a "
                 "child window."},
    {"WS_POPUPWINDOW", "A pop-up window with a border and a window menu; add WS_CAPTION to "
                       "make the menu visible."},
    {"WS_SIZEBOX", "Another name for WS_THICKFRAME: a border the user can drag to resize."},
    {"WS_SYSMENU", "Puts the window menu in the title bar, so WS_CAPTION is needed too."},
    {"WS_TABSTOP", "The control takes the keyboard focus when the user reaches it with the TAB "
                   "key."},
    {"WS_THICKFRAME", "Gives the window a sizing border that the user can drag to resize it."},
    {"WS_TILED", "Another name for WS_OVERLAPPED."},
    {"WS_TILEDWINDOW", "Another name for WS_OVERLAPPEDWINDOW."},
    {"WS_VISIBLE", "The window is shown as soon as it is created."},
    {"WS_VSCROLL", "Gives the window a vertical scroll bar."},
};

const StyleHelp extendedStyleHelp[] = {
    {"WS_EX_ACCEPTFILES", "The window accepts files dropped on it with the mouse and is told "
                          "of them with WM_DROPFILES."},
    {"WS_EX_APPWINDOW", "A visible top-level window gets a button on the taskbar."},
    {"WS_EX_CLIENTEDGE", "Gives the window a border with a sunken edge."},
    {"WS_EX_COMPOSITED", "Paints the window and all its descendants bottom to top in one "
                         "double-buffered pass, which reduces flicker."},
    {"WS_EX_CONTEXTHELP", "Puts a question-mark button in the title bar; clicking it and then a "
                          "control sends that control WM_HELP."},
    {"WS_EX_CONTROLPARENT", "The TAB and arrow keys of dialog navigation also move into the "
                            "window's own child controls."},
    {"WS_EX_DLGMODALFRAME", "Gives the window a double border; with WS_CAPTION it also gets a "
                            "title bar."},
    {"WS_EX_LAYERED", "Makes a layered window, whose opacity or transparent colour can be set "
                      "(SetLayeredWindowAttributes)."},
    {"WS_EX_LAYOUTRTL", "Mirrors the layout for right-to-left languages: the horizontal origin "
                        "is at the right edge."},
    {"WS_EX_LEFT", "Left-aligned general properties, the default; its value is 0."},
    {"WS_EX_LEFTSCROLLBAR", "Under a right-to-left language, puts the vertical scroll bar on "
                            "the left of the client area; otherwise ignored."},
    {"WS_EX_LTRREADING", "Text is read from left to right, the default; its value is 0."},
    {"WS_EX_MDICHILD", "Makes the window a child window of a multiple-document (MDI) client."},
    {"WS_EX_NOACTIVATE", "Clicking the top-level window does not bring it to the foreground, and "
                         "it has no taskbar button unless WS_EX_APPWINDOW is set."},
    {"WS_EX_NOINHERITLAYOUT", "The window's child windows do not take over its mirrored "
                              "layout."},
    {"WS_EX_NOPARENTNOTIFY", "The child window does not send WM_PARENTNOTIFY to its parent when "
                             "it is created or destroyed."},
    {"WS_EX_OVERLAPPEDWINDOW", "Both WS_EX_WINDOWEDGE and WS_EX_CLIENTEDGE: a raised outer and "
                               "a sunken inner edge."},
    {"WS_EX_PALETTEWINDOW", "A floating tool palette: WS_EX_WINDOWEDGE, WS_EX_TOOLWINDOW and "
                            "WS_EX_TOPMOST together."},
    {"WS_EX_RIGHT", "Right-aligned properties where the class supports them; on buttons and "
                    "statics it acts like their right-alignment styles."},
    {"WS_EX_RIGHTSCROLLBAR", "The vertical scroll bar, if any, is on the right of the client "
                             "area, the default; its value is 0."},
    {"WS_EX_RTLREADING", "Under a right-to-left language, text is read from right to left; "
                         "otherwise ignored."},
    {"WS_EX_STATICEDGE", "Gives the window a three-dimensional border meant for items that "
                         "take no input."},
    {"WS_EX_TOOLWINDOW", "Makes a tool window with a small title bar, shown neither on the "
                         "taskbar nor in the ALT+TAB list."},
    {"WS_EX_TOPMOST", "Keeps the window above every window that is not topmost, even when it "
                      "is not active."},
    {"WS_EX_TRANSPARENT", "The window is painted after the siblings beneath it, so they show "
                          "through where it draws nothing."},
    {"WS_EX_WINDOWEDGE", "Gives the window a border with a raised edge."},
};

const StyleHelp dialogStyleHelp[] = {
    {"DS_3DLOOK", "Draws the dialog's controls with three-dimensional borders, which current "
                  "Windows does for every dialog anyway."},
    {"DS_ABSALIGN", "The dialog's position is taken in screen coordinates rather than in the "
                    "client coordinates of its owner."},
    {"DS_CENTER", "Centres the dialog in the working area of the monitor that holds its owner."},
    {"DS_CENTERMOUSE", "Centres the dialog on the mouse pointer."},
    {"DS_CONTEXTHELP", "Puts a question-mark button in the title bar; clicking it and then a "
                       "control sends that control WM_HELP."},
    {"DS_CONTROL", "Makes a dialog that works as a child of another dialog, like a property "
                   "sheet page, so TAB and shortcut keys reach its controls."},
    {"DS_FIXEDSYS", "Uses the fixed-pitch system font (SYSTEM_FIXED_FONT) instead of the usual "
                    "system font."},
    {"DS_MODALFRAME", "Gives the dialog a modal frame; with WS_CAPTION and WS_SYSMENU it gets a "
                      "title bar and window menu."},
    {"DS_NOFAILCREATE", "Creates the dialog even when errors occur, for example when one of its "
                        "controls cannot be created."},
    {"DS_NOIDLEMSG", "The owner is not sent WM_ENTERIDLE while the dialog waits for input."},
    {"DS_SETFONT", "The dialog and its controls use the font named in the dialog template."},
    {"DS_SETFOREGROUND", "Brings the dialog to the foreground when it is created."},
    {"DS_SHELLFONT", "DS_SETFONT with DS_FIXEDSYS: the dialog uses the shell's dialog font, "
                     "\"MS Shell Dlg\"."},
    {"DS_SYSMODAL", "An outdated system-modal dialog: it only becomes a topmost window, and "
                    "other windows keep working."},
};

const StyleHelp buttonStyleHelp[] = {
    {"BS_3STATE", "A check box that can also be shown grayed (indeterminate); the program sets "
                  "its state."},
    {"BS_AUTO3STATE", "A three-state check box that moves on to its next state by itself when "
                      "clicked: checked, indeterminate, cleared."},
    {"BS_AUTOCHECKBOX", "A check box that checks and clears itself when clicked."},
    {"BS_AUTORADIOBUTTON", "A radio button that checks itself and clears the other automatic "
                           "radio buttons of its group when clicked."},
    {"BS_CHECKBOX", "A check box whose check mark the program sets; a click only tells the "
                    "parent."},
    {"BS_DEFPUSHBUTTON", "A push button with a heavy border that is pressed when the user "
                         "presses ENTER in the dialog."},
    {"BS_GROUPBOX", "A frame with a caption that groups other controls; it takes no input "
                    "itself."},
    {"BS_LEFTTEXT", "Puts the text of a check box or radio button on the left of its box; the "
                    "same as BS_RIGHTBUTTON."},
    {"BS_OWNERDRAW", "The parent draws the button itself each time it is sent WM_DRAWITEM."},
    {"BS_PUSHBUTTON", "A push button that sends WM_COMMAND to its parent when clicked; its "
                      "value is 0."},
    {"BS_RADIOBUTTON", "A radio button whose check mark the program sets; a click only tells "
                       "the parent."},
    {"BS_BITMAP", "The button shows a bitmap, given with BM_SETIMAGE, instead of text."},
    {"BS_BOTTOM", "Puts the text at the bottom of the button rectangle."},
    {"BS_CENTER", "Centres the text horizontally in the button rectangle."},
    {"BS_ICON", "The button shows an icon, given with BM_SETIMAGE, instead of text."},
    {"BS_FLAT", "Draws the button flat, without the three-dimensional shading."},
    {"BS_LEFT", "Left-aligns the text in the button rectangle; next to the box of a check box "
                "or radio button it starts right after the box."},
    {"BS_MULTILINE", "Wraps the text onto more lines when it is too long for one."},
    {"BS_NOTIFY", "The button also tells its parent of focus changes and double-clicks; clicks "
                  "are always reported."},
    {"BS_PUSHLIKE", "Makes a check box or radio button look like a push button that stays "
                    "pressed while it is checked."},
    {"BS_RIGHT", "Right-aligns the text in the button rectangle."},
    {"BS_RIGHTBUTTON", "Puts the box of a check box or radio button on the right of its text; "
                       "the same as BS_LEFTTEXT."},
    {"BS_TEXT", "The button shows text, the default; its value is 0."},
    {"BS_TOP", "Puts the text at the top of the button rectangle."},
    {"BS_VCENTER", "Centres the text vertically in the button rectangle."},
};

const StyleHelp staticStyleHelp[] = {
    {"SS_BITMAP", "Shows a bitmap, named by the control's text or given with STM_SETIMAGE; the "
                  "control takes the bitmap's size."},
    {"SS_BLACKFRAME", "Draws a frame in the colour of window frames, black in the classic "
                      "scheme."},
    {"SS_BLACKRECT", "Draws a rectangle filled with the colour of window frames."},
    {"SS_CENTER", "Centres the text and wraps words that do not fit onto the next line."},
    {"SS_CENTERIMAGE", "Centres the image in the control, clipping a larger one; a single line "
                       "of text is centred vertically."},
    {"SS_ENDELLIPSIS", "Text that does not fit is cut at its end, which is shown as an "
                       "ellipsis."},
    {"SS_ENHMETAFILE", "Shows an enhanced metafile, scaled to the size of the control."},
    {"SS_ETCHEDFRAME", "Draws an etched frame around the control."},
    {"SS_ETCHEDHORZ", "Draws the top and bottom edges etched, which makes a horizontal line."},
    {"SS_ETCHEDVERT", "Draws the left and right edges etched, which makes a vertical line."},
    {"SS_GRAYFRAME", "Draws a frame in the colour of the screen background (the desktop)."},
    {"SS_GRAYRECT", "Draws a rectangle filled with the colour of the screen background."},
    {"SS_ICON", "Shows an icon, named by the control's text or given with STM_SETIMAGE; the "
                "control takes the icon's size."},
    {"SS_LEFT", "Left-aligns the text and wraps words that do not fit; its value is 0."},
    {"SS_LEFTNOWORDWRAP", "Left-aligns the text without wrapping it; what does not fit is cut "
                          "off."},
    {"SS_NOPREFIX", "Shows an ampersand as it is instead of underlining the character after "
                    "it."},
    {"SS_NOTIFY", "The control tells its parent of clicks and double-clicks (STN_CLICKED, "
                  "STN_DBLCLK) and of being enabled or disabled."},
    {"SS_OWNERDRAW", "The parent draws the control itself each time it is sent WM_DRAWITEM."},
    {"SS_PATHELLIPSIS", "Text that does not fit loses characters in its middle to an ellipsis, "
                        "keeping what follows the last backslash."},
    {"SS_REALSIZECONTROL", "Stretches or shrinks the bitmap or icon to the size of the control, "
                           "unless SS_CENTERIMAGE is set."},
    {"SS_REALSIZEIMAGE", "Uses a bitmap or icon at its own size instead of scaling it; an image "
                         "larger than the control is clipped."},
    {"SS_RIGHT", "Right-aligns the text and wraps words that do not fit onto the next line."},
    {"SS_RIGHTJUST", "When a bitmap or icon resizes the control, its lower right corner stays "
                     "where it is."},
    {"SS_SIMPLE", "Shows one line of left-aligned text that is never wrapped or shortened and "
                  "is not grayed when disabled."},
    {"SS_SUNKEN", "Draws a half-sunken border around the control."},
    {"SS_WHITEFRAME", "Draws a frame in the window background colour, white in the classic "
                      "scheme."},
    {"SS_WHITERECT", "Draws a rectangle filled with the window background colour."},
    {"SS_WORDELLIPSIS", "A word that does not fit is cut, and the cut is shown as an ellipsis."},
};

static_assert(std::size(classStyleHelp) == csCount, "one explanation per CS entry");
static_assert(std::size(windowStyleHelp) == wsCount, "one explanation per WS entry");
static_assert(std::size(extendedStyleHelp) == wsExCount, "one explanation per WS_EX entry");
static_assert(std::size(dialogStyleHelp) == dsCount, "one explanation per DS entry");
static_assert(std::size(buttonStyleHelp) == bsCount, "one explanation per BS entry");
static_assert(std::size(staticStyleHelp) == ssCount, "one explanation per SS entry");

struct HelpTable {
    const ValueList* list;
    const StyleHelp* entries;
};

const HelpTable helpTables[] = {
    {&classStyleList, classStyleHelp},       {&windowStyleList, windowStyleHelp},
    {&extendedStyleList, extendedStyleHelp}, {&dialogStyleList, dialogStyleHelp},
    {&buttonStyleList, buttonStyleHelp},     {&staticStyleList, staticStyleHelp},
};

} // namespace

const char* styleHelp(const ValueList& list, int entry) {
    for (const HelpTable& table : helpTables)
        if (table.list == &list && entry >= 1 && entry <= list.count)
            return table.entries[entry - 1].text;
    return "";
}

const char* styleHelp(std::string_view name) {
    for (const HelpTable& table : helpTables)
        for (int k = 0; k < table.list->count; ++k)
            if (name == table.entries[k].name)
                return table.entries[k].text;
    return "";
}

} // namespace zim
