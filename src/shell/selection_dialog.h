// What the small selection dialogs share: a modal dialog of a fixed size in pixels, centred
// over its owner, whose controls are made on WM_INITDIALOG in fontControl; the accepting
// button ends it with 1, "Cancel" with 0; a refused choice is told in a message box and the
// focus goes back to the control concerned.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "shell/control_toolkit.h"

namespace zim {

// Identifiers every selection dialog gives its accepting button, its "Cancel" and its list.
enum SelectionControl : int { selectionAccept = 25, selectionCancel = 26, selectionList = 33 };

class SelectionDialog {
  public:
    virtual ~SelectionDialog() = default;

    // Runs the dialog modally: `width` x `height` pixels of window, the caption in its title
    // bar; a dialog without "Cancel" has no close box and ignores Esc. Returns what the
    // dialog ended with.
    INT_PTR run(HWND owner, const std::string& caption, int width, int height);

  protected:
    explicit SelectionDialog(bool cancellable) : cancellable_(cancellable) {}

    // Creates the controls; returns the control that takes the focus.
    virtual HWND onInit() = 0;
    // The accepting button (also Enter).
    virtual void onAccept() = 0;
    // Any other command: `id` and the notification `code`.
    virtual void onCommand(int id, int code);

    HWND dialog() const { return dialog_; }
    int clientWidth() const;
    int clientHeight() const;

    // One of the dialog's controls, created through the control toolkit.
    HWND add(const ControlDescription& control);

    struct RowButton {
        int id;
        const char* text;
    };
    // Push buttons in one row, centred at the bottom; the first is the default button.
    void addButtonRow(std::initializer_list<RowButton> buttons, int width, int height);
    // Top of the button row: what lies above it must end there.
    int buttonRowTop(int buttonHeight) const;

    // Shows the refusal (stop icon, task-modal), then puts the focus back into `field`.
    void refuse(HWND field, const char* text, const char* caption);
    void end(INT_PTR result);

  private:
    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void dispatchCommand(int id, int code);

    bool cancellable_;
    HWND dialog_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Space between the dialogs' controls and their edges.
constexpr int selectionMargin = 10;

} // namespace zim
