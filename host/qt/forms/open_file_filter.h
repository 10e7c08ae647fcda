#pragma once

#include <QStringList>
#include <string_view>

namespace norvel::host::qt {

// The platform's filter "GIF pictures |*.gif|JPEG pictures |*.jpg" (description and pattern
// pairs, patterns separated by ";") as Qt's name filters: "GIF pictures (*.gif)",
// "JPEG pictures (*.jpg)". A description without a pattern is dropped.
QStringList qtNameFilters(std::string_view filter);

}  // namespace norvel::host::qt
