// One message of the fading-messages box, with its optional link.
#pragma once

#include <string>

namespace norvel::script {

struct clsNews {
    std::string NewsText;
    std::string URL;   // without "http://"
    std::string Link;  // the link's text
    bool AddLink = false;
    std::string Target;  // "_self" or "_blank"
};

}  // namespace norvel::script
