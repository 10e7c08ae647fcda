// A static check of classic ASP pages, where no ASP server runs: "<%" and "%>" pair up, and
// the VBScript blocks (If, Sub, Function, Select, For, Do, While, With, Class, Property)
// close in order, across code blocks with markup between them.
#pragma once

#include <string>
#include <vector>

namespace norvel::tests {

// One line per problem ("line 12: End If without If"); empty when none is found.
std::vector<std::string> aspStructureProblems(const std::string& page);

// The text of the page's Function or Sub `name`, from its first line to its End line; empty
// when the page has none.
std::string aspProcedure(const std::string& page, const std::string& name);

}  // namespace norvel::tests
