#include "archive/failure_message.h"

namespace zim {

std::string failureMessage(const std::string& opening, const std::vector<FailureList>& lists) {
    std::string text = opening;
    auto addLine = [&text](const std::string& line) {
        if (!text.empty())
            text += '\r';
        text += line;
    };
    std::size_t listed = 0, left = 0;
    for (const FailureList& list : lists) {
        if (list.lines.empty())
            continue;
        if (listed == listedFailureLimit) {
            left += list.lines.size();
            continue;
        }
        addLine(list.heading);
        for (const std::string& line : list.lines) {
            if (listed < listedFailureLimit) {
                addLine(line);
                ++listed;
            } else {
                ++left;
            }
        }
    }
    if (left > 0)
        addLine("... and " + std::to_string(left) + " more");
    return text;
}

} // namespace zim
