#include "tests/templates/poll/asp_structure.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace norvel::tests {

namespace {

struct CodeLine {
    int number;
    std::string text;
};

struct OpenBlock {
    std::string kind;
    int line;
};

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The code lines of the page's script blocks, in order; expressions (<%= %>) and directives
// (<%@ %>) hold no statements and are left out.
std::vector<CodeLine> codeLines(const std::string& page, std::vector<std::string>& problems) {
    std::vector<CodeLine> lines;
    size_t position = 0;
    auto lineAt = [&](size_t offset) {
        return 1 + static_cast<int>(std::count(page.begin(), page.begin() + offset, '\n'));
    };
    while (true) {
        size_t open = page.find("<%", position);
        size_t strayClose = page.find("%>", position);
        if (strayClose != std::string::npos && strayClose < open)
            problems.push_back("line " + std::to_string(lineAt(strayClose)) + ": %> without <%");
        if (open == std::string::npos)
            break;
        size_t close = page.find("%>", open + 2);
        size_t nextOpen = page.find("<%", open + 2);
        if (close == std::string::npos) {
            problems.push_back("line " + std::to_string(lineAt(open)) + ": <% without %>");
            break;
        }
        if (nextOpen < close)
            problems.push_back("line " + std::to_string(lineAt(nextOpen)) + ": <% inside <%");
        char kind = open + 2 < page.size() ? page[open + 2] : ' ';
        if (kind != '=' && kind != '@') {
            int number = lineAt(open);
            std::string code = page.substr(open + 2, close - open - 2);
            size_t start = 0;
            while (start <= code.size()) {
                size_t end = code.find('\n', start);
                lines.push_back({number++, code.substr(start, end - start)});
                if (end == std::string::npos)
                    break;
                start = end + 1;
            }
        }
        position = close + 2;
    }
    return lines;
}

// Statements of one line without strings and comments, split at ":".
std::vector<std::string> statements(const std::string& line) {
    std::vector<std::string> result;
    std::string current;
    bool inString = false;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (inString) {
            if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
            current += "\"\"";
        } else if (c == '\'') {
            break;
        } else if (c == ':') {
            result.push_back(trimmed(current));
            current.clear();
        } else {
            current += c;
        }
    }
    result.push_back(trimmed(current));
    return result;
}

bool startsWithWord(const std::string& text, const std::string& word) {
    return text.compare(0, word.size(), word) == 0 &&
           (text.size() == word.size() ||
            !std::isalnum(static_cast<unsigned char>(text[word.size()])));
}

// The kind of block a statement opens, or empty.
std::string opensBlock(const std::string& statement) {
    static const std::regex procedure(
        R"(^((public|private)\s+)?(default\s+)?(sub|function|property\s+(get|let|set))\s+\w+.*)");
    std::smatch match;
    if (std::regex_match(statement, match, procedure))
        return match[4].str().substr(0, 8) == "property" ? "property" : match[4].str();
    if (startsWithWord(statement, "if")) {
        // A block If ends its line with Then; a single-line If has its statement after it.
        return statement.size() >= 4 && statement.substr(statement.size() - 4) == "then" &&
                       (statement.size() == 4 ||
                        !std::isalnum(static_cast<unsigned char>(statement[statement.size() - 5])))
                   ? "if"
                   : "";
    }
    if (startsWithWord(statement, "select"))
        return "select";
    if (startsWithWord(statement, "for"))
        return "for";
    if (startsWithWord(statement, "do"))
        return "do";
    if (startsWithWord(statement, "while"))
        return "while";
    if (startsWithWord(statement, "with"))
        return "with";
    if (startsWithWord(statement, "class"))
        return "class";
    return "";
}

// The kind of block a statement closes, or empty.
std::string closesBlock(const std::string& statement) {
    static const std::regex end(R"(^end\s+(if|sub|function|select|with|class|property)\b.*)");
    std::smatch match;
    if (std::regex_match(statement, match, end))
        return match[1];
    if (startsWithWord(statement, "next"))
        return "for";
    if (startsWithWord(statement, "loop"))
        return "do";
    if (startsWithWord(statement, "wend"))
        return "while";
    return "";
}

}  // namespace

std::vector<std::string> aspStructureProblems(const std::string& page) {
    std::vector<std::string> problems;
    std::vector<CodeLine> lines = codeLines(page, problems);
    std::vector<OpenBlock> open;
    for (size_t i = 0; i < lines.size(); ++i) {
        int number = lines[i].number;
        std::string line = lines[i].text;
        // A line ending in " _" goes on in the next one.
        while (i + 1 < lines.size() && trimmed(line).size() >= 2 &&
               trimmed(line).substr(trimmed(line).size() - 2) == " _") {
            line = trimmed(line);
            line = line.substr(0, line.size() - 1) + lines[++i].text;
        }
        for (const std::string& statement : statements(lowered(line))) {
            if (statement.empty() || startsWithWord(statement, "rem"))
                continue;
            std::string closed = closesBlock(statement);
            if (!closed.empty()) {
                if (open.empty() || open.back().kind != closed) {
                    problems.push_back("line " + std::to_string(number) + ": end of " + closed +
                                       (open.empty() ? " with nothing open"
                                                     : " closes " + open.back().kind + " of line " +
                                                           std::to_string(open.back().line)));
                    if (!open.empty())
                        open.pop_back();
                } else {
                    open.pop_back();
                }
                continue;
            }
            std::string opened = opensBlock(statement);
            if (opened.empty())
                continue;
            bool procedure = opened == "sub" || opened == "function" || opened == "property";
            if (procedure && !open.empty() && open.back().kind != "class")
                problems.push_back("line " + std::to_string(number) + ": " + opened + " inside " +
                                   open.back().kind + " of line " +
                                   std::to_string(open.back().line));
            open.push_back({opened, number});
        }
    }
    for (const OpenBlock& block : open)
        problems.push_back("line " + std::to_string(block.line) + ": " + block.kind +
                           " is never closed");
    return problems;
}

std::string aspProcedure(const std::string& page, const std::string& name) {
    std::regex start("(^|\n)[ \t]*((Public|Private)[ \t]+)?(Function|Sub)[ \t]+" + name + "\\b");
    std::smatch match;
    if (!std::regex_search(page, match, start))
        return {};
    size_t first = match.position(0) + match[1].length();
    std::string end = "End " + match[4].str();
    size_t last = page.find(end, first);
    return last == std::string::npos ? std::string()
                                     : page.substr(first, last + end.size() - first);
}

}  // namespace norvel::tests
