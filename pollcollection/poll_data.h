// Poll data strings: "question||answer1||count1||answer2||count2...". What the text pane
// builds, the generator writes into votes.htm and history.htm, and the previews draw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::poll {

inline constexpr std::string_view kFieldSeparator = "||";

// The fields between the separators; one field for a text without any.
std::vector<std::string> splitPollData(std::string_view data);

// A vote count as written: digits with blanks around. Anything else (an old or damaged file)
// counts as 0; a count too large for 64 bits counts as the largest there is.
int64_t pollCount(std::string_view field);

// The sum of the counts (fields 2, 4, ...), never overflowing.
int64_t totalVotes(const std::vector<std::string>& fields);

// Data as the data files hold it: "&", "<" and ">" as character references, so the file reads
// back as the same text both as a page's text (the editor) and by the poll's scripts. Line
// breaks are kept: history.htm holds one poll a line.
std::string pollDataFileText(std::string_view data);

// Text for HTML element content or a double-quoted attribute value.
std::string htmlText(std::string_view text);

}  // namespace norvel::poll
