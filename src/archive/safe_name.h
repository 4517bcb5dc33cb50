// Names of projects and compiler projects become folder names under "Projects" and
// "FORTRAN PROGRAMS", so they must be plain Windows file names: a name that holds a path
// separator, a device name or a dot folder would make a command create or delete things
// outside its own folder.
#pragma once

#include <string>
#include <string_view>

namespace zim {

// The name without its trailing blanks, as a blank-padded text field holds it. Leading blanks
// stay: they are part of the name (and make it unsafe).
std::string trimmedName(std::string_view name);

// "" when the (already trimmed) name is a safe file name; otherwise a short reason in the
// system's words, for example "it contains the character ':'". Refused: the empty name, "."
// and "..", the characters \ / : * ? " < > | and control characters, a first character that
// is a blank, a last character that is a dot or a blank, and the device names CON, PRN, AUX,
// NUL, CONIN$, CONOUT$, COM0..COM9 and LPT0..LPT9 (also with the superscript digits 1, 2 and
// 3 of the ANSI code page) with or without an extension, in any letter case.
std::string unsafeNameReason(const std::string& trimmedName);

} // namespace zim
