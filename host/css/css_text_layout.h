// How a sheet lays out its lines, read from the sheet itself, so that text written into it
// uses the same line breaks and indentation as the text around it.
#pragma once

#include <optional>
#include <string_view>

namespace norvel::host {

// "\r\n" when the text has one anywhere, else "\r" when it has only lone CRs, else "\n".
std::string_view lineBreakStyle(std::string_view text);

bool isLineBreakChar(char c);

// Length of the line break that starts at `at` (CR LF counts as one), 0 when there is none.
size_t lineBreakLengthAt(std::string_view text, size_t at);

size_t skipSpacesAndTabs(std::string_view text, size_t at);
size_t backOverSpacesAndTabs(std::string_view text, size_t at);

// The spaces and tabs from the start of the line to `at`, when only they come before `at` on
// its line; nullopt when something else does.
std::optional<std::string_view> indentationBefore(std::string_view text, size_t at);

// ASCII white space trimmed from both ends (the white space CSS knows).
std::string_view trimCssWhitespace(std::string_view text);

}  // namespace norvel::host
