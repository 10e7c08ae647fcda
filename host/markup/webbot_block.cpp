#include "host/markup/webbot_block.h"

#include <optional>

#include "common/webbot_attribute.h"
#include "host/markup/html_characters.h"
#include "host/markup/markup_scanner.h"

namespace norvel::host {
namespace {

struct WebbotComment {
    bool start = false;  // startspan, else endspan
    std::string bot;
    std::vector<std::pair<std::string, std::string>> attributes;
};

// The comment's content if it is a webbot comment; none for any other comment.
std::optional<WebbotComment> parseWebbotComment(std::string_view comment) {
    if (comment.size() < 7 || comment.substr(0, 4) != "<!--" ||
        comment.substr(comment.size() - 3) != "-->")
        return std::nullopt;
    std::string_view text = comment.substr(4, comment.size() - 7);
    size_t pos = 0;
    while (pos < text.size() && isHtmlSpace(text[pos]))
        ++pos;
    if (text.compare(pos, 6, "webbot") != 0)
        return std::nullopt;
    pos += 6;
    if (pos >= text.size() || !isHtmlSpace(text[pos]))
        return std::nullopt;

    std::vector<std::pair<std::string, std::string>> words;
    std::vector<bool> bare;
    while (true) {
        while (pos < text.size() && isHtmlSpace(text[pos]))
            ++pos;
        if (pos >= text.size())
            break;
        size_t nameStart = pos;
        while (pos < text.size() && !isHtmlSpace(text[pos]) && text[pos] != '=' && text[pos] != '"')
            ++pos;
        if (pos == nameStart)
            return std::nullopt;  // a stray '=' or quote
        std::string name(text.substr(nameStart, pos - nameStart));
        if (pos < text.size() && text[pos] == '=') {
            ++pos;
            if (pos >= text.size() || text[pos] != '"')
                return std::nullopt;
            size_t close = text.find('"', pos + 1);
            if (close == std::string_view::npos)
                return std::nullopt;  // an unclosed quote
            words.emplace_back(std::move(name), common::decodeWebbotAttributeValue(
                                                    text.substr(pos + 1, close - pos - 1)));
            bare.push_back(false);
            pos = close + 1;
            if (pos < text.size() && !isHtmlSpace(text[pos]))
                return std::nullopt;
        } else {
            if (pos < text.size() && text[pos] == '"')
                return std::nullopt;
            words.emplace_back(std::move(name), std::string());
            bare.push_back(true);
        }
    }
    if (words.empty() || !bare.back())
        return std::nullopt;
    WebbotComment result;
    if (words.back().first == "startspan") {
        result.start = true;
    } else if (words.back().first != "endspan") {
        return std::nullopt;
    }
    words.pop_back();
    bool hasBot = false;
    for (auto& [name, value] : words) {
        if (name == "bot") {
            if (hasBot)
                return std::nullopt;
            hasBot = true;
            result.bot = value;
        } else {
            result.attributes.emplace_back(std::move(name), std::move(value));
        }
    }
    if (!hasBot)
        return std::nullopt;
    return result;
}

}  // namespace

std::vector<WebbotBlock> findWebbotBlocks(std::string_view html) {
    std::vector<WebbotBlock> blocks;
    std::optional<std::pair<MarkupToken, WebbotComment>> open;
    for (const MarkupToken& token : scanMarkup(html)) {
        if (token.kind != MarkupToken::Kind::Comment)
            continue;
        auto comment = parseWebbotComment(html.substr(token.begin, token.end - token.begin));
        if (!comment)
            continue;
        if (comment->start) {
            open.emplace(token, std::move(*comment));  // an earlier unfinished start is dropped
            continue;
        }
        if (!open || open->second.bot != comment->bot) {
            open.reset();
            continue;
        }
        WebbotBlock block;
        block.begin = open->first.begin;
        block.end = token.end;
        block.bodyBegin = open->first.end;
        block.bodyEnd = token.begin;
        if (html.compare(block.bodyBegin, 2, "\r\n") == 0) {
            block.bodyBegin += 2;
        } else if (html.compare(block.bodyBegin, 1, "\n") == 0) {
            block.bodyBegin += 1;
        }
        if (block.bodyEnd >= block.bodyBegin + 2 &&
            html.compare(block.bodyEnd - 2, 2, "\r\n") == 0) {
            block.bodyEnd -= 2;
        } else if (block.bodyEnd >= block.bodyBegin + 1 && html[block.bodyEnd - 1] == '\n') {
            block.bodyEnd -= 1;
        }
        block.bot = open->second.bot;
        block.attributes = std::move(open->second.attributes);
        blocks.push_back(std::move(block));
        open.reset();
    }
    return blocks;
}

}  // namespace norvel::host
