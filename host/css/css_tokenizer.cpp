#include "host/css/css_tokenizer.h"

#include <cstdint>

#include "common/ascii_text.h"

namespace norvel::host {

namespace {

constexpr int kEndOfText = -1;

bool isNewline(int c) {
    return c == '\n' || c == '\r' || c == '\f';
}
bool isWhitespace(int c) {
    return isNewline(c) || c == ' ' || c == '\t';
}
// The tokenizer reads code points; only those below 0x80 are ASCII characters.
bool isAscii(int c) {
    return c >= 0 && c < 0x80;
}
bool isDigit(int c) {
    return isAscii(c) && common::isAsciiDigit(static_cast<char>(c));
}
bool isHexDigit(int c) {
    return isAscii(c) && common::isAsciiHexDigit(static_cast<char>(c));
}
bool isLetter(int c) {
    return isAscii(c) && common::isAsciiAlpha(static_cast<char>(c));
}

// NUL counts as a name character because the syntax first turns it into U+FFFD.
bool isNameStart(int c) {
    return isLetter(c) || c == '_' || c >= 0x80 || c == 0;
}
bool isNameChar(int c) {
    return isNameStart(c) || isDigit(c) || c == '-';
}

bool isNonPrintable(int c) {
    return (c >= 0x01 && c <= 0x08) || c == 0x0B || (c >= 0x0E && c <= 0x1F) || c == 0x7F;
}

void appendUtf8(std::string* out, uint32_t codePoint) {
    if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        codePoint = 0xFFFD;
    }
    if (codePoint < 0x80) {
        out->push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out->push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

class Tokenizer {
  public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    std::string decodeName() {
        std::string name;
        consumeName(&name);
        return name;
    }

    CssTokenList run() {
        result_.tokens.reserve(text_.size() / 4 + 1);
        while (pos_ < text_.size()) {
            CssToken token;
            token.begin = pos_;
            token.kind = consumeToken(&token);
            token.end = pos_;
            result_.tokens.push_back(std::move(token));
        }
        return std::move(result_);
    }

  private:
    int at(size_t index) const {
        return index < text_.size() ? static_cast<unsigned char>(text_[index]) : kEndOfText;
    }

    // A CR LF pair is one line break, as the syntax's preprocessing makes it.
    size_t newlineLength(size_t index) const {
        return at(index) == '\r' && at(index + 1) == '\n' ? 2 : 1;
    }

    bool isValidEscape(size_t index) const {
        return at(index) == '\\' && !isNewline(at(index + 1));
    }

    bool startsIdentSequence(size_t index) const {
        int c = at(index);
        if (c == '-') {
            int next = at(index + 1);
            return isNameStart(next) || next == '-' || isValidEscape(index + 1);
        }
        if (c == '\\')
            return isValidEscape(index);
        return c != kEndOfText && isNameStart(c);
    }

    bool startsNumber(size_t index) const {
        int c = at(index);
        if (c == '+' || c == '-') {
            return isDigit(at(index + 1)) || (at(index + 1) == '.' && isDigit(at(index + 2)));
        }
        if (c == '.')
            return isDigit(at(index + 1));
        return isDigit(c);
    }

    CssTokenKind consumeToken(CssToken* token) {
        int c = at(pos_);
        if (c == '/' && at(pos_ + 1) == '*')
            return consumeComment(token);
        if (isWhitespace(c)) {
            while (isWhitespace(at(pos_)))
                ++pos_;
            return CssTokenKind::Whitespace;
        }
        switch (c) {
            case '"':
            case '\'':
                return consumeString(token);
            case '#':
                if (isNameChar(at(pos_ + 1)) || isValidEscape(pos_ + 1)) {
                    ++pos_;
                    consumeName(nullptr);
                    return CssTokenKind::Hash;
                }
                return consumeDelim();
            case '(':
                return single(CssTokenKind::LeftParen);
            case ')':
                return single(CssTokenKind::RightParen);
            case '[':
                return single(CssTokenKind::LeftBracket);
            case ']':
                return single(CssTokenKind::RightBracket);
            case '{':
                return single(CssTokenKind::LeftBrace);
            case '}':
                return single(CssTokenKind::RightBrace);
            case ',':
                return single(CssTokenKind::Comma);
            case ':':
                return single(CssTokenKind::Colon);
            case ';':
                return single(CssTokenKind::Semicolon);
            case '+':
            case '.':
                return startsNumber(pos_) ? consumeNumeric() : consumeDelim();
            case '-':
                if (startsNumber(pos_))
                    return consumeNumeric();
                if (at(pos_ + 1) == '-' && at(pos_ + 2) == '>') {
                    pos_ += 3;
                    return CssTokenKind::Cdc;
                }
                if (startsIdentSequence(pos_))
                    return consumeIdentLike(token);
                return consumeDelim();
            case '<':
                if (text_.substr(pos_, 4) == "<!--") {
                    pos_ += 4;
                    return CssTokenKind::Cdo;
                }
                return consumeDelim();
            case '@':
                if (startsIdentSequence(pos_ + 1)) {
                    ++pos_;
                    consumeName(nullptr);
                    return CssTokenKind::AtKeyword;
                }
                return consumeDelim();
            case '\\':
                return isValidEscape(pos_) ? consumeIdentLike(token) : consumeDelim();
            default:
                break;
        }
        if (isDigit(c))
            return consumeNumeric();
        if (isNameStart(c))
            return consumeIdentLike(token);
        return consumeDelim();
    }

    CssTokenKind single(CssTokenKind kind) {
        ++pos_;
        return kind;
    }

    CssTokenKind consumeDelim() {
        ++pos_;
        return CssTokenKind::Delim;
    }

    CssTokenKind consumeComment(CssToken* token) {
        size_t close = text_.find("*/", pos_ + 2);
        if (close == std::string_view::npos) {
            pos_ = text_.size();
            token->unterminated = true;
        } else {
            pos_ = close + 2;
        }
        return CssTokenKind::Comment;
    }

    // Called just after the backslash.
    void consumeEscape(std::string* out) {
        int c = at(pos_);
        if (c == kEndOfText) {
            result_.endsInsideEscape = true;
            if (out)
                appendUtf8(out, 0xFFFD);
            return;
        }
        if (isHexDigit(c)) {
            uint32_t value = 0;
            for (int digits = 0; digits < 6 && isHexDigit(at(pos_)); ++digits) {
                value = value * 16 +
                        static_cast<uint32_t>(common::hexDigitValue(static_cast<char>(at(pos_))));
                ++pos_;
            }
            if (isWhitespace(at(pos_)))
                pos_ += newlineLength(pos_);
            if (out)
                appendUtf8(out, value);
            return;
        }
        if (out)
            out->push_back(text_[pos_]);
        ++pos_;
    }

    void consumeName(std::string* out) {
        while (true) {
            int c = at(pos_);
            if (c != kEndOfText && isNameChar(c)) {
                if (out) {
                    if (c == 0) {
                        appendUtf8(out, 0xFFFD);
                    } else {
                        out->push_back(text_[pos_]);
                    }
                }
                ++pos_;
            } else if (isValidEscape(pos_)) {
                ++pos_;
                consumeEscape(out);
            } else {
                return;
            }
        }
    }

    CssTokenKind consumeNumeric() {
        if (at(pos_) == '+' || at(pos_) == '-')
            ++pos_;
        while (isDigit(at(pos_)))
            ++pos_;
        if (at(pos_) == '.' && isDigit(at(pos_ + 1))) {
            ++pos_;
            while (isDigit(at(pos_)))
                ++pos_;
        }
        int e = at(pos_);
        if (e == 'e' || e == 'E') {
            int sign = at(pos_ + 1);
            if (isDigit(sign) || ((sign == '+' || sign == '-') && isDigit(at(pos_ + 2)))) {
                pos_ += isDigit(sign) ? 1 : 2;
                while (isDigit(at(pos_)))
                    ++pos_;
            }
        }
        if (startsIdentSequence(pos_)) {
            consumeName(nullptr);
        } else if (at(pos_) == '%') {
            ++pos_;
        }
        return CssTokenKind::Numeric;
    }

    CssTokenKind consumeIdentLike(CssToken* token) {
        size_t begin = pos_;
        consumeName(nullptr);
        if (at(pos_) != '(')
            return CssTokenKind::Ident;
        std::string name = cssNameOf(text_.substr(begin, pos_ - begin));
        ++pos_;
        if (!common::equalsIgnoreCase(name, "url"))
            return CssTokenKind::Function;
        while (isWhitespace(at(pos_)) && isWhitespace(at(pos_ + 1)))
            ++pos_;
        int c = at(pos_);
        bool quoted = c == '"' || c == '\'' ||
                      (isWhitespace(c) && (at(pos_ + 1) == '"' || at(pos_ + 1) == '\''));
        if (quoted)
            return CssTokenKind::Function;
        return consumeUrl(token);
    }

    CssTokenKind consumeUrl(CssToken* token) {
        while (isWhitespace(at(pos_)))
            ++pos_;
        while (true) {
            int c = at(pos_);
            if (c == ')') {
                ++pos_;
                return CssTokenKind::Url;
            }
            if (c == kEndOfText) {
                token->unterminated = true;
                return CssTokenKind::Url;
            }
            if (isWhitespace(c)) {
                while (isWhitespace(at(pos_)))
                    ++pos_;
                if (at(pos_) == ')' || at(pos_) == kEndOfText)
                    continue;
                return consumeBadUrlRemnants(token);
            }
            if (c == '"' || c == '\'' || c == '(' || isNonPrintable(c)) {
                return consumeBadUrlRemnants(token);
            }
            if (c == '\\') {
                if (!isValidEscape(pos_))
                    return consumeBadUrlRemnants(token);
                ++pos_;
                consumeEscape(nullptr);
                continue;
            }
            ++pos_;
        }
    }

    CssTokenKind consumeBadUrlRemnants(CssToken* token) {
        while (true) {
            int c = at(pos_);
            if (c == ')') {
                ++pos_;
                return CssTokenKind::BadUrl;
            }
            if (c == kEndOfText) {
                token->unterminated = true;
                return CssTokenKind::BadUrl;
            }
            if (isValidEscape(pos_)) {
                ++pos_;
                consumeEscape(nullptr);
            } else {
                ++pos_;
            }
        }
    }

    CssTokenKind consumeString(CssToken* token) {
        int quote = at(pos_);
        ++pos_;
        while (true) {
            int c = at(pos_);
            if (c == quote) {
                ++pos_;
                return CssTokenKind::String;
            }
            if (c == kEndOfText) {
                token->unterminated = true;
                return CssTokenKind::String;
            }
            if (isNewline(c))
                return CssTokenKind::BadString;  // the line break is not eaten
            if (c == '\\') {
                int next = at(pos_ + 1);
                if (next == kEndOfText) {
                    ++pos_;
                    result_.endsInsideEscape = true;
                } else if (isNewline(next)) {
                    pos_ += 1 + newlineLength(pos_ + 1);  // a continued line
                } else {
                    ++pos_;
                    consumeEscape(nullptr);
                }
                continue;
            }
            ++pos_;
        }
    }

    std::string_view text_;
    size_t pos_ = 0;
    CssTokenList result_;
};

}  // namespace

CssTokenList tokenizeCss(std::string_view text) {
    return Tokenizer(text).run();
}

std::string cssNameOf(std::string_view identText) {
    return Tokenizer(identText).decodeName();
}

bool opensCssBlock(CssTokenKind kind) {
    return kind == CssTokenKind::LeftParen || kind == CssTokenKind::LeftBracket ||
           kind == CssTokenKind::LeftBrace || kind == CssTokenKind::Function;
}

}  // namespace norvel::host
