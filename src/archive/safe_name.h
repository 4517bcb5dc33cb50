// Names of projects and compiler projects become folder names under "Projects" and
// "FORTRAN PROGRAMS", so they must be plain Windows file names: a name that holds a path
// separator, a device name or a dot folder would make a command create or delete things
// outside its own folder.
#pragma once

#include <string>
#include <string_view>

namespace zim {

// The name without its leading and trailing blanks.
std::string trimmedName(std::string_view name);

// "" when the (already trimmed) name is a safe file name; otherwise a short reason in the
// system's words, for example "it contains the character ':'". Refused: the empty name, "."
// and "..", the characters \ / : * ? " < > | and control characters, a last character that
// is a dot or a blank, and the device names CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9 with or
// without an extension (in any letter case).
std::string unsafeNameReason(const std::string& trimmedName);

} // namespace zim
