#include "host/markup/raw_text_end.h"

#include "host/markup/html_characters.h"

namespace norvel::host {
namespace {

constexpr size_t npos = std::string_view::npos;

bool endsTagName(char c) {
    return isHtmlSpace(c) || c == '/' || c == '>';
}

bool equalsLower(std::string_view text, std::string_view lowerName) {
    if (text.size() != lowerName.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (asciiLower(text[i]) != lowerName[i])
            return false;
    return true;
}

// "</name" followed by a blank, '/' or '>' at `pos`.
bool closesRawText(std::string_view html, size_t pos, std::string_view name) {
    size_t after = pos + 2 + name.size();
    return after < html.size() && html[pos] == '<' && html[pos + 1] == '/' &&
           equalsLower(html.substr(pos + 2, name.size()), name) && endsTagName(html[after]);
}

size_t plainRawTextEnd(std::string_view html, size_t from, std::string_view name) {
    for (size_t pos = html.find("</", from); pos != npos; pos = html.find("</", pos + 2))
        if (closesRawText(html, pos, name))
            return pos;
    return html.size();
}

// The letters of a tag name at `pos`, and whether a blank, '/' or '>' follows them.
struct LetterRun {
    size_t end;
    bool delimited;
};
LetterRun letterRun(std::string_view html, size_t pos) {
    while (pos < html.size() && isAsciiAlpha(html[pos]))
        ++pos;
    return {pos, pos < html.size() && endsTagName(html[pos])};
}

// The tokenizer's script data states, escaped and double escaped.
size_t scriptDataEnd(std::string_view html, size_t pos) {
    enum class State {
        Data,
        Escaped,
        EscapedDash,
        EscapedDashDash,
        Double,
        DoubleDash,
        DoubleDashDash
    };
    const size_t size = html.size();
    State state = State::Data;
    while (pos < size) {
        const char c = html[pos];
        switch (state) {
            case State::Data: {
                size_t lt = html.find('<', pos);
                if (lt == npos)
                    return size;
                if (closesRawText(html, lt, "script"))
                    return lt;
                if (html.compare(lt, 4, "<!--") == 0) {
                    state = State::EscapedDashDash;
                    pos = lt + 4;
                } else {
                    pos = lt + 1;
                }
                break;
            }
            case State::Escaped:
            case State::EscapedDash:
            case State::EscapedDashDash:
                if (c == '-') {
                    state = state == State::Escaped ? State::EscapedDash : State::EscapedDashDash;
                    ++pos;
                } else if (c == '>' && state == State::EscapedDashDash) {
                    state = State::Data;
                    ++pos;
                } else if (c != '<') {
                    state = State::Escaped;
                    ++pos;
                } else if (closesRawText(html, pos, "script")) {
                    return pos;
                } else if (pos + 1 < size && html[pos + 1] == '/') {
                    // Another end tag is text; the character after its name is read again.
                    pos = letterRun(html, pos + 2).end;
                    state = State::Escaped;
                } else if (pos + 1 < size && isAsciiAlpha(html[pos + 1])) {
                    // "<script" followed by a blank, '/' or '>' starts the double escaped part.
                    LetterRun run = letterRun(html, pos + 1);
                    bool script = run.delimited &&
                                  equalsLower(html.substr(pos + 1, run.end - pos - 1), "script");
                    state = script ? State::Double : State::Escaped;
                    pos = run.delimited ? run.end + 1 : run.end;
                } else {
                    state = State::Escaped;
                    ++pos;
                }
                break;
            case State::Double:
            case State::DoubleDash:
            case State::DoubleDashDash:
                if (c == '-') {
                    state = state == State::Double ? State::DoubleDash : State::DoubleDashDash;
                    ++pos;
                } else if (c == '>' && state == State::DoubleDashDash) {
                    state = State::Data;
                    ++pos;
                } else if (c == '<' && pos + 1 < size && html[pos + 1] == '/') {
                    // "</script" followed by a blank, '/' or '>' ends the double escaped part.
                    LetterRun run = letterRun(html, pos + 2);
                    bool script = run.delimited &&
                                  equalsLower(html.substr(pos + 2, run.end - pos - 2), "script");
                    state = script ? State::Escaped : State::Double;
                    pos = run.delimited ? run.end + 1 : run.end;
                } else {
                    state = State::Double;
                    ++pos;
                }
                break;
        }
    }
    return size;
}

}  // namespace

size_t rawTextEnd(std::string_view html, size_t from, std::string_view name) {
    if (name == "plaintext")
        return html.size();
    if (name == "script")
        return scriptDataEnd(html, from);
    return plainRawTextEnd(html, from, name);
}

}  // namespace norvel::host
