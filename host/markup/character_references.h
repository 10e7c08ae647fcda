// Character references in attribute values and similar short texts.
#pragma once

#include <string>
#include <string_view>

namespace norvel::host {

// Decodes the character references an attribute value may hold: &amp; &quot; &lt; &gt;
// &apos; &nbsp; and numeric ones (with the browsers' Windows-1252 reading of &#128;..&#159;);
// other names are kept as written.
std::string decodeCharacterReferences(std::string_view text);

}  // namespace norvel::host
