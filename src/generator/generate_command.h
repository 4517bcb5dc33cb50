// The File view's "Generate FORTRAN Program" command, free of <windows.h>: it asks its
// questions through UserPrompts and works on the folders of program_state.h.
#pragma once

#include "archive/user_prompts.h"

namespace zim {

// Asks for the compiler project's name, creates programDirectory\FORTRAN PROGRAMS\<name>\ or,
// when it exists and the user agrees, deletes the files in it, generates the compiler project
// of the open Project into it (libraries from programDirectory\LIBRARIES, images from
// projectDirectory) and closes with a message that lists whatever could not be made. Nothing
// outside that folder is created or deleted. Afterwards the current directory is
// projectDirectory.
void generateCommand(UserPrompts& prompts);

} // namespace zim
