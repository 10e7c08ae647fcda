#include "pollcollection/poll_data.h"

#include <limits>

#include "common/ascii_text.h"

namespace norvel::poll {

std::vector<std::string> splitPollData(std::string_view data) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t at = data.find(kFieldSeparator, start);
        if (at == std::string_view::npos) {
            fields.emplace_back(data.substr(start));
            return fields;
        }
        fields.emplace_back(data.substr(start, at - start));
        start = at + kFieldSeparator.size();
    }
}

int64_t pollCount(std::string_view field) {
    std::string_view digits = common::trimSpacesAndTabs(field);
    if (digits.empty())
        return 0;
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t count = 0;
    for (char c : digits) {
        if (!common::isAsciiDigit(c))
            return 0;
        int digit = c - '0';
        if (count > (kMax - digit) / 10)
            return kMax;
        count = count * 10 + digit;
    }
    return count;
}

int64_t totalVotes(const std::vector<std::string>& fields) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t total = 0;
    for (size_t i = 2; i < fields.size(); i += 2) {
        int64_t count = pollCount(fields[i]);
        total = count > kMax - total ? kMax : total + count;
    }
    return total;
}

std::string pollDataFileText(std::string_view data) {
    std::string text;
    text.reserve(data.size());
    for (char c : data) {
        switch (c) {
            case '&':
                text += "&amp;";
                break;
            case '<':
                text += "&lt;";
                break;
            case '>':
                text += "&gt;";
                break;
            default:
                text += c;
        }
    }
    return text;
}

std::string htmlText(std::string_view text) {
    std::string html;
    html.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
    return html;
}

}  // namespace norvel::poll
