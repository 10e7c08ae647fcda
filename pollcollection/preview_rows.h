// The rows the poll editor's previews put into their pages: the answers of the voting form,
// the result bars, and one table for each earlier poll of the history. Texts of the poll are
// written as HTML text, so an answer like "<None>" shows as written.
#pragma once

#include <string>
#include <string_view>

#include "common/string_dictionary.h"

namespace norvel::poll {

// One radio button row for each answer of the poll data; the radio's value is the index of
// the answer's count field (2, 4, ...).
std::string BuildVoteCells(std::string_view data);

// One row with a bar and a percentage for each answer. Reads "rw" from `values` and writes
// "wpic" (the bars' full width), "total" (the divisor: the sum of the counts, 1 when 0) and
// "votes" (the sum of the counts).
std::string BuildResultRows(std::string_view data, common::StringDictionary& values);

// The tables of every line of a history text (newest poll first, lines ended by CR LF); an
// empty line has no table.
std::string strHistoryForm(std::string_view text);
// The table of one earlier poll: its question, each answer with its count and percentage,
// and the number of votes.
std::string strHistoryCell(std::string_view line);

}  // namespace norvel::poll
