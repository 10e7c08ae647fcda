// Writing a webbot block back after its component changed the attributes.
#pragma once

#include <string>
#include <vector>

#include "common/string_dictionary.h"

namespace norvel::host {

// The attributes the editor hands to a component for a block: names in lower case (the first
// of names that differ only in case wins), without `s-class`, and the body as "s-html".
common::StringDictionary blockAttributesForComponent(
    const std::vector<std::pair<std::string, std::string>>& attributes, const std::string& body);

// The comment pair of the block rebuilt from `attributes` as the component left them. A key
// the component wrote wins over a key the editor handed over that differs from it only in
// case ("S-HTML" over "s-html", "T" over "t"); `givenKeys` are the keys the editor handed
// over. The body is the value of "S-HTML" (any case); "clientside" is written bare.
std::string rebuildWebbotBlock(const std::string& bot, const std::string& sClass,
                               const common::StringDictionary& attributes,
                               const std::vector<std::string>& givenKeys);

}  // namespace norvel::host
