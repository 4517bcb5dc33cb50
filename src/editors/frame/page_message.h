// A message a page's rule asks the Win32 layer to show: text, caption and the message-box
// flags (box:: values), and whether the parameters window owns it.
#pragma once

#include <string>

#include "archive/user_prompts.h"

namespace zim {

enum class MessageOwner { none, parametersWindow };

struct PageMessage {
    std::string text;
    std::string caption;
    unsigned flags = box::ok;
    MessageOwner owner = MessageOwner::none;
};

} // namespace zim
