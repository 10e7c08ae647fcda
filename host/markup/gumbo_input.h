// Gumbo reads UTF-8 only and does not skip a byte order mark; pages are bytes in whatever
// encoding they were written. These prepare a page's bytes for it.
#pragma once

#include <string>
#include <string_view>

namespace norvel::host {

// A copy of equal length in which every byte of an invalid UTF-8 sequence is '~' (a character
// with no meaning to the tokenizer, as the U+FFFD a browser reads there), so that a parser
// that expects UTF-8 reports offsets into the original bytes.
std::string sanitizedUtf8(std::string_view bytes);

// sanitizedUtf8, with a leading byte order mark turned into blanks (a browser drops it; gumbo
// would read it as text and imply a body before the page's own head).
std::string gumboInputKeepingOffsets(std::string_view bytes);

// For text that is read back rather than located: every byte of an invalid UTF-8 sequence
// (a Windows-1252 page's 'é') becomes a private-use character that restoreBytes turns back
// into that byte, so text read through gumbo keeps the page's own bytes.
std::string gumboInputKeepingBytes(std::string_view bytes);
std::string restoreBytes(std::string_view text);

// The private-use character that restoreBytes turns back into `byte` (0x80..0xFF).
void appendByteMark(std::string& out, unsigned char byte);

}  // namespace norvel::host
