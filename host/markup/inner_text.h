#pragma once

#include <string>
#include <string_view>

namespace norvel::host {

// The text of body content as the browser's innerText gives it, with the line breaks of the
// source kept (CR LF stays CR LF): data files read back line by line.
std::string innerTextOfBodyContent(std::string_view html);

}  // namespace norvel::host
