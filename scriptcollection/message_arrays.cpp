#include "scriptcollection/message_arrays.h"

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

std::string encodeMessageText(std::string_view text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            // A raw line break would end the script line, so every kind becomes <br>.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            result += kBreak;
        } else if (c == '\\' || c == '"') {
            result += '\\';
            result += c;
        } else {
            result += c;
        }
    }
    return result;
}

std::string decodeMessageText(std::string_view text) {
    std::string lines;
    for (size_t i = 0; i < text.size();) {
        if (text.substr(i, kBreak.size()) == kBreak) {
            lines += kCrLf;
            i += kBreak.size();
        } else {
            lines += text[i++];
        }
    }
    return unescapeScriptString(lines);
}

std::string arrayElement(std::string_view name, size_t index) {
    return std::string(name) + "[" + std::to_string(index) + "]";
}

}  // namespace

std::optional<std::string> FindAssignment(std::string_view text, std::string_view key) {
    if (key.empty())
        return std::nullopt;
    std::string lowerText = common::toLowerAscii(text);
    size_t at = lowerText.find(common::toLowerAscii(key));
    if (at == std::string::npos)
        return std::nullopt;
    size_t position = at + key.size();
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
            lines += "\"<a target='" + item.Target + "' href='http://" +
                     escapeScriptString(item.URL) + "'>" + escapeScriptString(item.Link) + "</a>\"";
        else
            lines += "\"\"";
        lines += kCrLf;
    }
    return lines;
}

std::vector<clsNews> RestoreMessages(std::string_view storedText, int count) {
    std::vector<clsNews> messages;
    for (int i = 0; i < count; ++i) {
        clsNews item;
        if (auto content = FindAssignment(storedText, arrayElement("X_content", i)))
            if (auto text = TextBetween(*content, "\"", "\""))
                item.NewsText = decodeMessageText(*text);
        if (auto link = FindAssignment(storedText, arrayElement("X_link", i))) {
            if (auto target = FindAssignment(*link, "target"))
                item.Target = TextBetween(*target, "'", "'").value_or("");
            if (auto href = FindAssignment(*link, "href"))
                item.URL = unescapeScriptString(TextBetween(*href, "'http://", "'").value_or(""));
            item.Link = unescapeScriptString(TextBetween(*link, "'>", "</a>").value_or(""));
        }
        item.AddLink = !item.Link.empty() || !item.Target.empty();
        messages.push_back(std::move(item));
    }
    return messages;
}

}  // namespace norvel::script
