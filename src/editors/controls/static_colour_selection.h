// The two colour buttons of a text static's custom scheme. "Select Static Control Text Color"
// takes a colour from the colour picker. "Select Static Control Background Color" offers the
// colour menu: a system colour or a stock brush from their lists, or a colour from the picker,
// which always makes the background a plain colour (kind 1). Every question goes through
// StaticColourPrompts, which the Win32 page answers with the real menu, pickers and message
// boxes and tests answer from a script.
#pragma once

#include <cstdint>
#include <string>

#include "editors/frame/page_message.h"
#include "model/project.h"

namespace zim {

// Commands of the colour menu.
enum ColourMenuId : int {
    systemColourCommand = 2001, // "System Color"
    customColourCommand = 2002, // "Custom Color"
    systemBrushCommand = 2003,  // "System Brush"
};

class StaticColourPrompts {
  public:
    virtual ~StaticColourPrompts() = default;

    // Opens the colour menu centred under the background button; the chosen command, 0 when
    // dismissed.
    virtual int colourMenu() = 0;

    // The colour picker starting at `start`; false when cancelled, else `chosen` holds the
    // colour.
    virtual bool pickColour(uint32_t start, uint32_t& chosen) = 0;

    // The system-colour or stock-brush list with this title, preselecting the current
    // background when it is of the list's kind: the chosen entry (1-based), 0 when cancelled.
    virtual int systemColour(const std::string& title, int32_t backgroundKind,
                             int32_t backgroundValue) = 0;
    virtual int stockBrush(const std::string& title, int32_t backgroundKind,
                           int32_t backgroundValue) = 0;

    // A message box; the answer (box::answerOk, ...).
    virtual int show(const PageMessage& message) = 0;
};

// "Select Static Control Text Color": the picker starts at textColour; a chosen colour is
// stored. Only in the custom scheme, whose controls these buttons are. Returns whether the
// copy changed; a cancel shows its message and changes nothing.
bool selectTextColour(StaticControl& copy, StaticColourPrompts& prompts);

// "Select Static Control Background Color": the colour menu, then the list or picker of the
// command. A system colour stores kind 2, a stock brush kind 3, each with the chosen entry;
// "Custom Color" starts the picker at black and stores kind 1 with the colour. Only in the
// custom scheme. Returns whether the copy changed; a cancel shows its message and changes
// nothing, a dismissed menu changes nothing silently.
bool selectBackgroundColour(StaticControl& copy, StaticColourPrompts& prompts);

} // namespace zim
