#include "scriptcollection/message_arrays.h"

#include <algorithm>
#include <unordered_map>

#include "common/ascii_text.h"
#include "scriptcollection/script_string.h"

namespace norvel::script {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kBreak = "<br>";

// A character is escaped when an odd number of backslashes stands right before it.
bool escapedAt(std::string_view text, size_t position) {
    size_t backslashes = 0;
    while (position > backslashes && text[position - backslashes - 1] == '\\')
        ++backslashes;
    return backslashes % 2 == 1;
}

size_t findUnescaped(std::string_view text, std::string_view what, size_t from) {
    for (size_t at = text.find(what, from); at != std::string_view::npos;
         at = text.find(what, at + 1))
        if (!escapedAt(text, at))
            return at;
    return std::string_view::npos;
}

// Line breaks of every kind become <br> (the message is markup); the rest is escaped for
// the script string.
std::string encodeMessageText(std::string_view text) {
    std::string markup;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            markup += kBreak;
        } else {
            markup += c;
        }
    }
    return escapeScriptString(markup);
}

std::string decodeMessageText(std::string_view text) {
    std::string markup = unescapeScriptString(text);
    std::string lines;
    for (size_t i = 0; i < markup.size();) {
        if (std::string_view(markup).substr(i, kBreak.size()) == kBreak) {
            lines += kCrLf;
            i += kBreak.size();
        } else {
            lines += markup[i++];
        }
    }
    return lines;
}

// The link's address inside its single-quoted href: what would end the attribute or start a
// character reference is written as one.
std::string encodeLinkAddress(std::string_view address) {
    std::string out;
    for (char c : address) {
        if (c == '&')
            out += "&amp;";
        else if (c == '\'')
            out += "&#39;";
        else
            out += c;
    }
    return out;
}

std::string decodeLinkAddress(std::string_view written) {
    std::string out;
    for (size_t i = 0; i < written.size();) {
        if (written.substr(i, 5) == "&amp;") {
            out += '&';
            i += 5;
        } else if (written.substr(i, 5) == "&#39;") {
            out += '\'';
            i += 5;
        } else {
            out += written[i++];
        }
    }
    return out;
}

// The markup of a link assignment's string, read back from its script string.
std::optional<std::string> linkMarkup(std::string_view assignment) {
    auto literal = TextBetween(assignment, "\"", "\"");
    if (!literal)
        return std::nullopt;
    return unescapeScriptString(*literal);
}

std::string arrayElement(std::string_view name, size_t index) {
    return std::string(name) + "[" + std::to_string(index) + "]";
}

// The value of an assignment whose key ends at `position`: blanks and tabs, "=", then the
// rest of the line.
std::optional<std::string> valueAfterKey(std::string_view text, size_t position);

// Where the elements of one array are first named in a text: `name[i]` found ignoring case,
// read as FindAssignment reads its key.
struct ArrayAssignments {
    std::string_view text;
    std::unordered_map<size_t, size_t> firstNamed;  // element -> one past its "]"
    size_t elementCount = 0;                        // the highest element named, plus one

    std::optional<std::string> valueOf(size_t element) const {
        auto found = firstNamed.find(element);
        if (found == firstNamed.end())
            return std::nullopt;
        return valueAfterKey(text, found->second);
    }
};

ArrayAssignments firstAssignments(std::string_view text, std::string_view lowered,
                                  std::string_view loweredPrefix) {
    ArrayAssignments result;
    result.text = text;
    for (size_t at = lowered.find(loweredPrefix); at != std::string_view::npos;
         at = lowered.find(loweredPrefix, at + 1)) {
        size_t digits = at + loweredPrefix.size();
        size_t end = digits;
        while (end < lowered.size() && end - digits < 10 && lowered[end] >= '0' &&
               lowered[end] <= '9')
            ++end;
        // Only the way the dialog writes an index: decimal, no leading zero, then "]".
        if (end == digits || end >= lowered.size() || lowered[end] != ']' ||
            (lowered[digits] == '0' && end - digits > 1))
            continue;
        size_t element = std::stoul(std::string(lowered.substr(digits, end - digits)));
        if (result.firstNamed.emplace(element, end + 1).second)
            result.elementCount = std::max(result.elementCount, element + 1);
    }
    return result;
}

}  // namespace

std::optional<std::string> FindAssignment(std::string_view text, std::string_view key) {
    if (key.empty())
        return std::nullopt;
    std::string lowerText = common::toLowerAscii(text);
    size_t at = lowerText.find(common::toLowerAscii(key));
    if (at == std::string::npos)
        return std::nullopt;
    return valueAfterKey(text, at + key.size());
}

namespace {

std::optional<std::string> valueAfterKey(std::string_view text, size_t position) {
    while (position < text.size() && (text[position] == ' ' || text[position] == '\t'))
        ++position;
    if (position >= text.size() || text[position] != '=')
        return std::nullopt;
    ++position;
    size_t end = text.find(kCrLf, position);
    if (end == std::string_view::npos)
        end = text.size();
    return std::string(text.substr(position, end - position));
}

}  // namespace

std::optional<std::string> TextBetween(std::string_view text, std::string_view start,
                                       std::string_view end) {
    size_t opening = findUnescaped(text, start, 0);
    if (opening == std::string_view::npos)
        return std::nullopt;
    size_t from = opening + start.size();
    size_t closing = findUnescaped(text, end, from);
    if (closing == std::string_view::npos || closing == from)
        return std::nullopt;
    return std::string(text.substr(from, closing - from));
}

std::string MakeMessageArrays(const std::vector<clsNews>& messages) {
    std::string lines;
    for (size_t i = 0; i < messages.size(); ++i) {
        const clsNews& item = messages[i];
        lines += arrayElement("X_content", i) + "=\"" + encodeMessageText(item.NewsText) + "\"";
        lines += kCrLf;
        lines += arrayElement("X_link", i) + "=";
        if (item.AddLink)
            lines += "\"" +
                     escapeScriptString("<a target='" + item.Target + "' href='http://" +
                                        encodeLinkAddress(item.URL) + "'>" + item.Link + "</a>") +
                     "\"";
        else
            lines += "\"\"";
        lines += kCrLf;
    }
    return lines;
}

std::vector<clsNews> RestoreMessages(std::string_view storedText, int count) {
    // One pass finds where each element is first assigned, so neither a long text nor a
    // damaged count makes the work grow with the count.
    std::string lowered = common::toLowerAscii(storedText);
    ArrayAssignments content = firstAssignments(storedText, lowered, "x_content[");
    ArrayAssignments links = firstAssignments(storedText, lowered, "x_link[");
    size_t held = std::max(content.elementCount, links.elementCount);
    size_t wanted = count > 0 ? std::min(static_cast<size_t>(count), held) : 0;

    std::vector<clsNews> messages;
    messages.reserve(wanted);
    for (size_t i = 0; i < wanted; ++i) {
        clsNews item;
        if (auto value = content.valueOf(i))
            if (auto text = TextBetween(*value, "\"", "\""))
                item.NewsText = decodeMessageText(*text);
        auto assignment = links.valueOf(i);
        if (auto link = assignment ? linkMarkup(*assignment) : std::nullopt) {
            if (auto target = FindAssignment(*link, "target"))
                item.Target = TextBetween(*target, "'", "'").value_or("");
            if (auto href = FindAssignment(*link, "href"))
                item.URL = decodeLinkAddress(TextBetween(*href, "'http://", "'").value_or(""));
            // The text runs to the last end tag, so a link text holding "</a>" comes back.
            size_t opening = link->find("'>");
            size_t closing = link->rfind("</a>");
            if (opening != std::string::npos && closing != std::string::npos &&
                closing > opening + 2)
                item.Link = link->substr(opening + 2, closing - opening - 2);
        }
        item.AddLink = !item.Link.empty() || !item.Target.empty();
        messages.push_back(std::move(item));
    }
    return messages;
}

}  // namespace norvel::script
