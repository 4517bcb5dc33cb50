// The creation date of a project as the `created` field holds it: "05 December 2026".
#pragma once

#include <functional>
#include <string>

namespace zim {

// Supplies today's date as the text CCYYMMDD; the commands take one so tests can fix the day.
using DateSource = std::function<std::string()>;

// Today's local date as CCYYMMDD.
std::string systemDate();

// "20261205" gives "05 December 2026": the two day digits, the English month name and the four
// year digits. A text that is not a valid CCYYMMDD date is returned unchanged, so a bad clock
// never produces a wrong-looking date.
std::string createdDateText(const std::string& ccyymmdd);

} // namespace zim
