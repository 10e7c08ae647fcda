// A lexer-level reader of the VBScript string expressions the generator writes into ASP
// pages (no ASP engine runs here): string literals with "" for a quote, ChrW(n), and "&"
// between them. Anything else is refused, so a value that left its literal is caught.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::tests {

struct VbscriptExpression {
    std::u16string value;               // the string the expression gives
    std::vector<std::string> literals;  // the text of each of its string literals
};

// The value of `expression`, or nothing when it is not such an expression.
std::optional<VbscriptExpression> readVbscriptStringExpression(std::string_view expression);

// The UTF-16 form of UTF-8 text (the tests' texts are valid UTF-8).
std::u16string utf16(std::string_view utf8);

}  // namespace norvel::tests
