#include "pollcollection/preview_rows.h"

#include <cstdint>
#include <vector>

#include "common/conversions.h"
#include "common/error.h"
#include "common/functions.h"
#include "pollcollection/ctl_general.h"
#include "pollcollection/poll_data.h"

namespace norvel::poll {

namespace {

const std::string kCrlf = "\r\n";

// count / total * scale, rounded halves to even.
std::string share(int64_t count, int64_t total, double scale) {
    double value = static_cast<double>(count) / static_cast<double>(total) * scale;
    return common::formatNumber(common::roundHalfEven(value));
}

const std::string& fieldOrEmpty(const std::vector<std::string>& fields, size_t index) {
    static const std::string empty;
    return index < fields.size() ? fields[index] : empty;
}

}  // namespace

std::string BuildVoteCells(std::string_view data) {
    std::vector<std::string> fields = splitPollData(data);
    std::string rows;
    for (size_t i = 1; i < fields.size(); i += 2) {
        rows += "<tr><td width=\"1%\" height=\"30\"><input type=\"radio\" name=\"vote\" value=" +
                std::to_string(i + 1) +
                "></td><td width=\"99%\" height=\"30\"><p class=\"responsex\">" +
                htmlText(fields[i]) + "</td></tr>" + kCrlf;
    }
    return rows;
}

std::string BuildResultRows(std::string_view data, common::StringDictionary& values) {
    std::optional<int64_t> formWidth = formWidthPixels(values.value("rw"));
    const int64_t barWidth = formWidth ? barWidthPixels(*formWidth) : 0;
    values.set("wpic", std::to_string(barWidth));

    std::vector<std::string> fields = splitPollData(data);
    const int64_t votes = totalVotes(fields);
    const int64_t total = votes == 0 ? 1 : votes;
    std::string rows;
    for (size_t i = 1; i < fields.size(); i += 2) {
        int64_t count = pollCount(fieldOrEmpty(fields, i + 1));
        rows += "<tr><td width=\"40%\" height=\"30\"><p class=\"responsex\">" +
                htmlText(fields[i]) +
                "</td><td width=\"50%\" height=\"30\"><img border=\"0\" src=\"bar.gif\" width=\"" +
                share(count, total, static_cast<double>(barWidth)) +
                "\" height=\"10\" alt=\"\"></td><td width=\"10%\" height=\"30\"><p "
                "class=\"responsex\">" +
                share(count, total, 100.0) + "%</td></tr>" + kCrlf;
    }
    values.set("total", std::to_string(total));
    // What the page tells as the number of votes: the divisor says 1 when nobody voted yet.
    values.set("votes", std::to_string(votes));
    return rows;
}

std::string strHistoryForm(std::string_view text) {
    try {
        std::string tables;
        size_t start = 0;
        while (start <= text.size()) {
            size_t end = text.find('\n', start);
            std::string_view line = text.substr(
                start, end == std::string_view::npos ? std::string_view::npos : end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (!line.empty())
                tables += strHistoryCell(line);
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
        return tables;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "strHistoryForm");
    }
}

std::string strHistoryCell(std::string_view line) {
    try {
        std::vector<std::string> fields = splitPollData(line);
        const int64_t votes = totalVotes(fields);
        const int64_t total = votes == 0 ? 1 : votes;
        std::string table =
            "<table border=\"1\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: "
            "collapse\" bordercolor=\"#111111\" bgcolor=\"#FFFFCC\" width=\"100%\">" +
            kCrlf;
        table += "<tr><td width=\"100%\" colspan=\"3\" align=\"center\">" + htmlText(fields[0]) +
                 "&nbsp;</td></tr>" + kCrlf;
        for (size_t i = 1; i < fields.size(); i += 2) {
            const std::string& count = fieldOrEmpty(fields, i + 1);
            table += "<tr><td width=\"33%\" align=\"center\">" + htmlText(fields[i]) +
                     "</td><td width=\"33%\" align=\"center\">" + htmlText(count) +
                     "</td><td width=\"33%\" align=\"center\">" +
                     share(pollCount(count), total, 100.0) + "%</td></tr>" + kCrlf;
        }
        table += "<tr><td width=\"100%\" colspan=\"3\" align=\"center\">Total Votes " +
                 std::to_string(votes) + "</td></tr>" + kCrlf + "</table>" + kCrlf +
                 "<p>&nbsp;</p>" + kCrlf;
        return table;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "strHistoryCell");
    }
}

}  // namespace norvel::poll
