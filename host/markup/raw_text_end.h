// Where the content of a raw-text element ends, as the tokenizer finds it.
#pragma once

#include <cstddef>
#include <string_view>

namespace norvel::host {

// The start of the end tag that closes the content of element `name` (lower case) begun at
// `from`; the end of the input when none does. Style, title, textarea and the like end at
// the first "</name" followed by a blank, '/' or '>'. A script also skips such end tags in
// the "<!-- <script> ... </script> -->" parts that browsers keep for old pages. Plaintext
// never ends.
size_t rawTextEnd(std::string_view html, size_t from, std::string_view name);

}  // namespace norvel::host
