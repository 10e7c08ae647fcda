// What a page leaves open at a place: content inserted where a comment, a bogus comment or
// doctype, or the text of a script, style, title... runs on to the end of the page (or into a
// tag the page ends inside, which browsers drop) would become part of it. Edits that insert
// content there close it first.
#pragma once

#include <string>
#include <string_view>

namespace norvel::host {

// What closes the construct that the end of `html` lies inside ("-->", ">", "</title>",
// "--></script>"...); empty when none is open, or for plaintext, which nothing closes.
std::string closerAtEnd(std::string_view html);

// What to write before content that replaces [begin, end) of `html`: closerAtEnd of the bytes
// before `begin` when no markup of the page starts at or after `end`; else nothing.
std::string closerBefore(std::string_view html, size_t begin, size_t end);

}  // namespace norvel::host
