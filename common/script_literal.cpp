#include "common/script_literal.h"

#include <cstdint>
#include <vector>

#include "common/ascii_text.h"

namespace norvel::common {

namespace {

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7f;
}

// The pieces of a literal, joined by the language's concatenation operator.
class Pieces {
  public:
    explicit Pieces(std::string joiner) : joiner_(std::move(joiner)) {}
    void add(std::string piece) {
        if (!text_.empty())
            text_ += joiner_;
        text_ += piece;
    }
    bool empty() const { return text_.empty(); }
    std::string text() const { return text_; }

  private:
    std::string joiner_;
    std::string text_;
};

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The UTF-16 code units of UTF-8 text; a byte that starts no valid sequence (or a sequence
// for a surrogate, or an overlong one) becomes U+FFFD.
std::vector<uint16_t> utf16Units(std::string_view text) {
    std::vector<uint16_t> units;
    size_t i = 0;
    while (i < text.size()) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80                    ? 1
                     : lead >= 0xC2 && lead <= 0xDF ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
        uint32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1Fu
                        : length == 3 ? lead & 0x0Fu
                                      : lead & 0x07u;
        bool valid = length != 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            unsigned char next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = code << 6 | (next & 0x3Fu);
        }
        if (valid && ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
                      (length == 4 && (code < 0x10000 || code > 0x10FFFF))))
            valid = false;
        if (!valid) {
            units.push_back(0xFFFD);
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(static_cast<uint16_t>(0xD800 + (code >> 10)));
            units.push_back(static_cast<uint16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            units.push_back(static_cast<uint16_t>(code));
        }
        i += length;
    }
    return units;
}

}  // namespace

ScriptLanguage scriptLanguageOf(std::string_view fileName) {
    size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return ScriptLanguage::none;
    std::string extension = toLowerAscii(fileName.substr(dot + 1));
    if (extension == "php")
        return ScriptLanguage::php;
    if (extension == "asp")
        return ScriptLanguage::vbscript;
    return ScriptLanguage::none;
}

std::string phpStringLiteral(std::string_view text) {
    Pieces pieces(" . ");
    std::string run;      // a single-quoted run being built, without its quotes
    std::string escapes;  // a double-quoted run of control characters
    auto endRun = [&] {
        if (!run.empty())
            pieces.add("'" + run + "'");
        run.clear();
    };
    auto endEscapes = [&] {
        if (!escapes.empty())
            pieces.add("\"" + escapes + "\"");
        escapes.clear();
    };
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (isControl(byte)) {
            endRun();
            escapes += std::string("\\x") + kHexDigits[byte >> 4] + kHexDigits[byte & 0xF];
            continue;
        }
        endEscapes();
        if (c == '\\' || c == '\'')
            run += '\\';
        run += c;
        if (c == '<')
            endRun();
    }
    endRun();
    endEscapes();
    return pieces.empty() ? "''" : pieces.text();
}

std::string vbscriptStringLiteral(std::string_view text) {
    Pieces pieces(" & ");
    std::string run;
    auto endRun = [&] {
        if (!run.empty())
            pieces.add("\"" + run + "\"");
        run.clear();
    };
    for (uint16_t unit : utf16Units(text)) {
        if (unit < 0x20 || unit > 0x7E) {
            endRun();
            pieces.add("ChrW(" + std::to_string(unit) + ")");
            continue;
        }
        char c = static_cast<char>(unit);
        run += c == '"' ? std::string("\"\"") : std::string(1, c);
        if (c == '<' || c == '%')
            endRun();
    }
    endRun();
    return pieces.empty() ? "\"\"" : pieces.text();
}

std::string scriptLiteral(ScriptLanguage language, std::string_view text) {
    switch (language) {
        case ScriptLanguage::php:
            return phpStringLiteral(text);
        case ScriptLanguage::vbscript:
            return vbscriptStringLiteral(text);
        case ScriptLanguage::none:
            break;
    }
    return std::string(text);
}

void quoteValuesForScript(StringDictionary& values, ScriptLanguage language) {
    if (language == ScriptLanguage::none)
        return;
    for (const StringDictionary::Entry& entry : std::vector(values.entries()))
        values.set(entry.key, scriptLiteral(language, entry.value));
}

}  // namespace norvel::common
