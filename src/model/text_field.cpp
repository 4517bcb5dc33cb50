#include "model/text_field.h"

#include <algorithm>
#include <cstring>

namespace zim {

void setTextField(char* field, std::size_t length, std::string_view text) {
    const std::size_t n = std::min(length, text.size());
    std::memcpy(field, text.data(), n);
    std::memset(field + n, ' ', length - n);
}

void setCaptionField(char* field, std::size_t length, std::string_view text) {
    if (length == 0)
        return;
    const std::size_t n = std::min(length - 1, text.size());
    setTextField(field, length, text.substr(0, n));
    field[n] = '\0';
}

std::string trimmedText(const char* field, std::size_t length) {
    std::size_t end = length;
    while (end > 0 && field[end - 1] == ' ')
        --end;
    return std::string(field, end);
}

std::string displayText(const char* field, std::size_t length) {
    const void* nul = std::memchr(field, '\0', length);
    const std::size_t end = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field)
                                : length;
    return trimmedText(field, end);
}

} // namespace zim
