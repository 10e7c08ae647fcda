// Attribute values of a webbot block. A block is an HTML comment, so a value must never hold
// the double quote that ends it or a "-->" that ends the comment; every writer of blocks
// encodes with encodeWebbotAttributeValue and every reader decodes with
// decodeWebbotAttributeValue, so any text comes back exactly as it was typed.
//
//   "              -> &quot;
//   > after -- or --!  -> &gt;        (so "-->" and "--!>" cannot end the comment)
//   & before quot; amp; gt; or #  -> &amp;   (so a typed "&quot;" is not read as a quote)
//
// Anything else is written as it is, so values written before this encoding (a double quote
// as &quot;, "-->" as "--&gt;", everything else verbatim) read back as they were meant. The
// decoder also reads numeric character references (&#233; &#x2192;), which a page in a
// single-byte encoding holds for the characters it cannot store.
#pragma once

#include <string>
#include <string_view>

namespace norvel::common {

std::string encodeWebbotAttributeValue(std::string_view value);
std::string decodeWebbotAttributeValue(std::string_view written);

// The UTF-8 bytes of a Unicode scalar value (no check; callers pass valid code points).
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace norvel::common
