// The run of a generated program: its design from its resources, the user's start-up code, the
// designed application on the live windows (designMode 0) until it ends, the user's closing
// code.
#pragma once

namespace zim {

// Caption of the message that ends a program whose design cannot be used.
constexpr const char* programErrorCaption = "Error";

// Runs the program; returns its exit code: 0 after a normal end, 1 when its design data is
// damaged or its windows cannot be made (a message says why).
int runGeneratedProgram();

} // namespace zim
