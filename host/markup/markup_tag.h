// The inside of a start or end tag, read with the tokenizer's attribute states: a quote
// opens a value only right after '=', so `<a href="x>y">` ends at the second '>' while
// `<a ="x>` ends at the first.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::host {

struct MarkupAttribute {
    std::string name;   // lower case
    std::string value;  // character references decoded
};

// One past the '>' that closes a tag whose name ends at `afterName`; npos when the input ends
// first (a browser then drops the tag). Collects the attributes into `attributes` when given
// (the first of repeated names wins).
size_t findTagEnd(std::string_view html, size_t afterName,
                  std::vector<MarkupAttribute>* attributes = nullptr);

// The attributes of a tag's source (`<link rel="x" href=y>`).
std::vector<MarkupAttribute> parseTagAttributes(std::string_view tagSource);

}  // namespace norvel::host
