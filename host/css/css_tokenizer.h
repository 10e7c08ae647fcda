// Splits a style sheet into tokens following the tokenizer of CSS Syntax Level 3, working on
// bytes: any byte from 0x80 up counts as a name character, so text that is not UTF-8 is read
// the same way as text that is.
#pragma once

#include <string>
#include <string_view>

#include "host/css/css_token.h"

namespace norvel::host {

// Never fails: every input, however broken, becomes a list of tokens covering all its bytes.
CssTokenList tokenizeCss(std::string_view text);

// The name an Ident token's text stands for, escapes resolved ("col\\6f r" is "color").
std::string cssNameOf(std::string_view identText);

// True for the kinds that open a block whose end a matching closer marks: ( [ { and functions.
bool opensCssBlock(CssTokenKind kind);

}  // namespace norvel::host
