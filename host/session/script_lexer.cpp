#include "host/session/script_lexer.h"

#include "host/session/script_error.h"

namespace norvel::host {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

class LineReader {
  public:
    LineReader(std::string_view line, int lineNumber) : line_(line), lineNumber_(lineNumber) {}

    std::vector<std::string> tokens() {
        std::vector<std::string> result;
        while (true) {
            while (position_ < line_.size() && isBlank(line_[position_]))
                ++position_;
            // Every token starts at the line's start or after a blank, so a '#' here is a
            // comment.
            if (position_ == line_.size() || line_[position_] == '#')
                return result;
            result.push_back(line_[position_] == '"' ? quotedToken() : word());
        }
    }

  private:
    std::string word() {
        size_t start = position_;
        while (position_ < line_.size() && !isBlank(line_[position_])) {
            if (line_[position_] == '"')
                fail("a quote inside a word; put the whole token in quotes");
            ++position_;
        }
        return std::string(line_.substr(start, position_ - start));
    }

    std::string quotedToken() {
        ++position_;  // the opening quote
        std::string token;
        while (true) {
            if (position_ == line_.size())
                fail("unclosed quote");
            char c = line_[position_++];
            if (c == '"')
                break;
            if (c != '\\') {
                token += c;
                continue;
            }
            if (position_ == line_.size())
                fail("unclosed quote");
            char escaped = line_[position_++];
            switch (escaped) {
                case '"':
                    token += '"';
                    break;
                case '\\':
                    token += '\\';
                    break;
                case 'r':
                    token += '\r';
                    break;
                case 'n':
                    token += '\n';
                    break;
                case 't':
                    token += '\t';
                    break;
                default:
                    fail(std::string("unknown escape '\\") + escaped + "' in a quoted token");
            }
        }
        if (position_ < line_.size() && !isBlank(line_[position_]))
            fail("a closing quote must be followed by a blank");
        return token;
    }

    [[noreturn]] void fail(std::string message) {
        throw ScriptError(lineNumber_, std::move(message));
    }

    std::string_view line_;
    int lineNumber_;
    size_t position_ = 0;
};

}  // namespace

std::vector<std::string> splitScriptLine(std::string_view line, int lineNumber) {
    return LineReader(line, lineNumber).tokens();
}

}  // namespace norvel::host
