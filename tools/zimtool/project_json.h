// The Project as JSON, for people and scripts that inspect or diff projects.
#pragma once

#include <ostream>

#include "model/project.h"

namespace zim {

// Writes every saved field: texts as the program shows them, style sets as the names of the
// chosen styles, fonts field by field, colours as "#RRGGBB".
void writeProjectJson(const Project& source, std::ostream& out);

} // namespace zim
