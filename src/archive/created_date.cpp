#include "archive/created_date.h"

#include <cctype>
#include <ctime>

namespace zim {

namespace {

const char* const monthNames[12] = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};

bool allDigits(const std::string& text) {
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

std::string systemDate() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now); // one UI thread: the static buffer is safe
    if (!local)
        return "";
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", local);
    return text;
}

std::string createdDateText(const std::string& ccyymmdd) {
    if (ccyymmdd.size() != 8 || !allDigits(ccyymmdd))
        return ccyymmdd;
    const int month = std::stoi(ccyymmdd.substr(4, 2));
    const int day = std::stoi(ccyymmdd.substr(6, 2));
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return ccyymmdd;
    return ccyymmdd.substr(6, 2) + " " + monthNames[month - 1] + " " + ccyymmdd.substr(0, 4);
}

} // namespace zim
