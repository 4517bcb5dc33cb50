// Fixed-length, blank-padded text fields of the Project.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zim {

// Fills the field with the text, cut to the field, and pads it with blanks.
void setTextField(char* field, std::size_t length, std::string_view text);

// Like setTextField, but puts a NUL right after the text, as the window system needs for
// captions; a text of the full field length is cut by one so the NUL fits.
void setCaptionField(char* field, std::size_t length, std::string_view text);

// The field's text with trailing blanks removed.
std::string trimmedText(const char* field, std::size_t length);

// The text as the program shows it: cut at the first NUL, trailing blanks removed.
std::string displayText(const char* field, std::size_t length);

template <std::size_t N> void setText(char (&field)[N], std::string_view text) {
    setTextField(field, N, text);
}
template <std::size_t N> void setCaption(char (&field)[N], std::string_view text) {
    setCaptionField(field, N, text);
}
template <std::size_t N> std::string trimmed(const char (&field)[N]) {
    return trimmedText(field, N);
}
template <std::size_t N> std::string shown(const char (&field)[N]) {
    return displayText(field, N);
}

} // namespace zim
