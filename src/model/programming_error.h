// A programming error (a record number outside its capacity, say) stops the program with a
// message instead of going on with memory that is not the Project's. The core cannot show a
// message box, so the message goes to a handler that the Win32 layer may replace.
#pragma once

#include <string>

namespace zim {

// Shows the message of a programming error. It need not return; if it does, the program
// aborts anyway.
using ProgrammingErrorHandler = void (*)(const std::string& message);

// Replaces the handler; nullptr puts back the default, which writes the message to stderr.
void setProgrammingErrorHandler(ProgrammingErrorHandler handler);

// Hands the message to the handler and aborts.
[[noreturn]] void programmingError(const std::string& message);

} // namespace zim
