// The controls of one pair of style lists on a page: the "Available" and "Selected" list
// boxes, the ">>>" and "<<<" buttons and the description pane, driven by a StyleListPair over
// the page's working copy. The class-data page has one pair, the style page two.
#pragma once

#include <windows.h>

#include "editors/window/style_list_pair.h"

namespace zim {

struct StyleListIds {
    int available;
    int selected;
    int toSelected;  // ">>>"
    int toAvailable; // "<<<"
    int description;
};

// The left (or only) pair and the right pair, with the description panes the pages give them.
constexpr int leftDescriptionPane = 205;
constexpr int rightDescriptionPane = 206;
constexpr StyleListIds leftStyleLists{leftAvailableList, leftSelectedList, leftToSelectedButton,
                                      leftToAvailableButton, leftDescriptionPane};
constexpr StyleListIds rightStyleLists{rightAvailableList, rightSelectedList, rightToSelectedButton,
                                       rightToAvailableButton, rightDescriptionPane};

// List boxes that tell their focus and selection changes, and the read-only description pane.
constexpr DWORD styleListStyle =
    LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD descriptionPaneStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;

class StyleListControls {
  public:
    StyleListControls(HWND page, const StyleListIds& ids) : page_(page), ids_(ids) {}

    // Fills both lists from the pair, then selects and describes the first selected style.
    // With `focus` the selected list takes the keyboard focus first.
    void fill(const StyleListPair& pair, bool focus) const;

    // A command of the pair's controls: the focus or selection of a list, or an arrow.
    // Returns whether it was one.
    bool onCommand(StyleListPair pair, int id, int code) const;

    void describe(const std::string& text) const;

  private:
    HWND list(StyleListSide side) const;
    void refill(const StyleListPair& pair) const;
    void select(StyleListSide side, const StyleListPair& pair, int position) const;
    void focusChanged(StyleListSide focused) const;
    void move(StyleListPair& pair, StyleListSide from) const;

    HWND page_;
    StyleListIds ids_;
};

} // namespace zim
