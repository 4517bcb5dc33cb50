// The closing message of an archive or generator command whose file operations partly failed:
// the failures are listed, so the user knows what is missing, and the list is cut so that the
// message box still fits the screen.
#pragma once

#include <string>
#include <vector>

namespace zim {

// A list of failures under its heading, one line of text per failure.
struct FailureList {
    std::string heading;
    std::vector<std::string> lines;
};

// A message box taller than the screen cannot be read or closed: one message lists at most
// this many failures.
constexpr std::size_t listedFailureLimit = 20;

// `opening` (when not empty), then every list that has lines: its heading and its lines. Lines
// are separated by "\r", as in every message of the program. Failures beyond the limit are
// counted in a last line "... and N more".
std::string failureMessage(const std::string& opening, const std::vector<FailureList>& lists);

} // namespace zim
