// The character classes of HTML's tokenizer, in ASCII only as the tokenizer defines them.
#pragma once

#include "common/ascii_text.h"

namespace norvel::host {

using common::asciiLower;
using common::isAsciiAlpha;
using common::isAsciiHexDigit;

// Space, tab, line feed, carriage return and form feed.
inline bool isHtmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

}  // namespace norvel::host
