#include "host/markup/page_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>

#include "common/ascii_text.h"
#include "common/error.h"
#include "host/markup/gumbo_input.h"
#include "host/markup/markup_scanner.h"
#include "host/markup/markup_tag.h"

namespace norvel::host {
namespace {

constexpr size_t kPrescanLength = 1024;

// One conversion direction; closed with its owner.
class Converter {
  public:
    Converter(const std::string& to, const std::string& from)
        : cd_(::iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid())
            ::iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts up to `length` bytes at `in`: how many were consumed (0 with `failed` set when
    // the first character is not valid, 0 without it when the input ends inside one).
    size_t step(const char* in, size_t length, std::string& out, bool& failed) {
        char* source = const_cast<char*>(in);
        size_t sourceLeft = length;
        failed = false;
        for (;;) {
            char buffer[256];
            char* target = buffer;
            size_t targetLeft = sizeof buffer;
            size_t result = ::iconv(cd_, &source, &sourceLeft, &target, &targetLeft);
            int error = errno;
            out.append(buffer, static_cast<size_t>(target - buffer));
            if (result != static_cast<size_t>(-1) || error != E2BIG) {
                failed = result == static_cast<size_t>(-1) && error == EILSEQ;
                return length - sourceLeft;
            }
        }
    }
    // Back to the initial shift state (stateful encodings write an escape for it).
    void finish(std::string& out) {
        char buffer[16];
        char* target = buffer;
        size_t targetLeft = sizeof buffer;
        ::iconv(cd_, nullptr, nullptr, &target, &targetLeft);
        out.append(buffer, static_cast<size_t>(target - buffer));
    }

  private:
    iconv_t cd_;
};

std::string trimmedLower(std::string_view label) {
    std::string_view text = label;
    auto isSpace = [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return common::toLowerAscii(text);
}

// The iconv name for a label as browsers read it: the labels that mean UTF-8 (a page cannot
// declare UTF-16 in its own ASCII markup, so those mean UTF-8 too) and the many names of
// Latin-1, which browsers read as Windows-1252; any other label goes to iconv as written.
std::string iconvNameForLabel(std::string_view label) {
    std::string lower = trimmedLower(label);
    static const char* const utf8Labels[] = {"utf-8",         "utf8",          "unicode-1-1-utf-8",
                                             "unicode11utf8", "unicode20utf8", "x-unicode20utf8",
                                             "utf-16",        "utf-16le",      "utf-16be",
                                             "unicode",       "unicodefffe",   "ucs-2"};
    static const char* const latin1Labels[] = {
        "ascii",      "us-ascii",       "ansi_x3.4-1968", "iso-8859-1", "iso8859-1",
        "iso_8859-1", "iso88591",       "latin1",         "l1",         "cp819",
        "ibm819",     "csisolatin1",    "cp1252",         "x-cp1252",   "windows-1252",
        "iso-ir-100", "iso_8859-1:1987"};
    // Shift_JIS as browsers read it keeps '\\' and '~' (glibc's SHIFT_JIS makes them yen and
    // overline), which is Microsoft's code page 932.
    static const char* const shiftJisLabels[] = {"shift_jis",  "shift-jis",   "sjis",   "ms_kanji",
                                                 "csshiftjis", "windows-31j", "x-sjis", "ms932"};
    for (const char* known : utf8Labels)
        if (lower == known)
            return "UTF-8";
    for (const char* known : shiftJisLabels)
        if (lower == known)
            return "CP932";
    for (const char* known : latin1Labels)
        if (lower == known)
            return "WINDOWS-1252";
    // Only a plain name reaches iconv ("utf-8//IGNORE" would change how it converts).
    bool plain = !lower.empty() && std::all_of(lower.begin(), lower.end(), [](char c) {
        return common::isAsciiAlpha(c) || common::isAsciiDigit(c) || c == '-' || c == '_' ||
               c == '.' || c == ':';
    });
    return plain ? lower : std::string();
}

// The charset named in a Content-Type value ("text/html; charset=windows-1252").
std::string charsetInContentType(std::string_view content) {
    std::string lower = common::toLowerAscii(content);
    size_t at = lower.find("charset");
    if (at == std::string::npos)
        return {};
    size_t pos = at + 7;
    while (pos < content.size() && content[pos] == ' ')
        ++pos;
    if (pos >= content.size() || content[pos] != '=')
        return {};
    ++pos;
    while (pos < content.size() && content[pos] == ' ')
        ++pos;
    size_t end = pos;
    if (pos < content.size() && (content[pos] == '"' || content[pos] == '\'')) {
        char quote = content[pos++];
        end = content.find(quote, pos);
        if (end == std::string_view::npos)
            return {};
    } else {
        while (end < content.size() && content[end] != ';' && content[end] != ' ')
            ++end;
    }
    return std::string(content.substr(pos, end - pos));
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence starting at `i` (1 for a byte that starts none).
size_t sequenceLength(std::string_view s, size_t i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (i + length > s.size())
        return 1;
    for (size_t k = 1; k < length; ++k)
        if (!isContinuationByte(s[i + k]))
            return 1;
    return length;
}

char32_t codePointOf(std::string_view sequence) {
    unsigned char lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1)
        return lead;
    char32_t value = lead & (sequence.size() == 2 ? 0x1F : sequence.size() == 3 ? 0x0F : 0x07);
    for (size_t k = 1; k < sequence.size(); ++k)
        value = (value << 6) | (static_cast<unsigned char>(sequence[k]) & 0x3F);
    return value;
}

bool isByteMark(std::string_view sequence) {
    char32_t c = sequence.size() == 4 ? codePointOf(sequence) : 0;
    return c >= 0x10FE80 && c <= 0x10FEFF;
}

}  // namespace

std::string declaredEncodingLabel(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return "UTF-8";
    std::string_view head = bytes.substr(0, kPrescanLength);
    MarkupScanner scanner(head);
    MarkupToken token;
    while (scanner.next(token)) {
        if (token.kind != MarkupToken::Kind::StartTag || token.name != "meta")
            continue;
        std::vector<MarkupAttribute> attributes =
            parseTagAttributes(head.substr(token.begin, token.end - token.begin));
        std::string httpEquiv, content;
        for (const MarkupAttribute& attribute : attributes) {
            if (attribute.name == "charset")
                return attribute.value;
            if (attribute.name == "http-equiv")
                httpEquiv = attribute.value;
            if (attribute.name == "content")
                content = attribute.value;
        }
        if (common::equalsIgnoreCase(trimmedLower(httpEquiv), "content-type")) {
            std::string charset = charsetInContentType(content);
            if (!charset.empty())
                return charset;
        }
    }
    return {};
}

bool PageEncoding::usable(const std::string& iconvName) {
    if (iconvName == "UTF-8")
        return true;
    if (iconvName.empty())
        return false;
    Converter toPage(iconvName, "UTF-8");
    if (!toPage.valid())
        return false;
    // The markup is read as ASCII: the encoding must write ASCII as ASCII.
    static const std::string sample =
        "<!--x--><a href=\"/b?c=1&amp;d='e'\">Az09 \t\r\n#%*+,-.:;@[\\]^_`{|}~</a>";
    std::string out;
    bool failed = false;
    size_t consumed = toPage.step(sample.data(), sample.size(), out, failed);
    toPage.finish(out);
    return !failed && consumed == sample.size() && out == sample;
}

PageEncoding PageEncoding::ofPage(std::string_view bytes, std::string_view webDefault) {
    std::string declared = iconvNameForLabel(declaredEncodingLabel(bytes));
    if (usable(declared))
        return PageEncoding(declared);
    std::string fallback = iconvNameForLabel(webDefault);
    return PageEncoding(usable(fallback) ? fallback : std::string("UTF-8"));
}

PageEncoding::PageEncoding(std::string iconvName)
    : name_(std::move(iconvName)), utf8_(name_ == "UTF-8") {
    if (utf8_)
        return;
    auto texts = std::make_shared<std::array<std::string, 256>>();
    for (int byte = 0; byte < 256; ++byte) {
        // A fresh converter for each byte: a byte that only starts a character (or shifts a
        // state) shows the encoding is not one byte a character.
        Converter fromPage("UTF-8", name_);
        if (!fromPage.valid())
            return;
        char in = static_cast<char>(byte);
        bool failed = false;
        std::string& text = (*texts)[static_cast<size_t>(byte)];
        size_t consumed = fromPage.step(&in, 1, text, failed);
        if (consumed == 0 && !failed)
            return;
        if (consumed == 1 && text.empty())
            return;
    }
    byteTexts_ = std::move(texts);
}

std::string PageEncoding::decode(std::string_view bytes) const {
    if (utf8_)
        return std::string(bytes);
    if (byteTexts_) {
        std::string text;
        text.reserve(bytes.size() + bytes.size() / 4);
        for (char c : bytes) {
            unsigned char byte = static_cast<unsigned char>(c);
            const std::string& known = (*byteTexts_)[byte];
            if (!known.empty())
                text += known;
            else if (byte < 0x80)
                text += c;
            else
                appendByteMark(text, byte);
        }
        return text;
    }
    std::vector<size_t> unused;
    return decode(bytes, unused);
}

std::string PageEncoding::decode(std::string_view bytes, std::vector<size_t>& sourceOffsets) const {
    std::string text;
    sourceOffsets.clear();
    if (utf8_) {
        text.assign(bytes);
        for (size_t i = 0; i <= bytes.size(); ++i)
            sourceOffsets.push_back(i);
        return text;
    }
    // Most pages are mostly ASCII; a quarter more leaves room for the letters that grow.
    text.reserve(bytes.size() + bytes.size() / 4);
    sourceOffsets.reserve(text.capacity() + 1);
    if (byteTexts_) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            size_t before = text.size();
            unsigned char byte = static_cast<unsigned char>(bytes[i]);
            const std::string& known = (*byteTexts_)[byte];
            if (!known.empty())
                text += known;
            else if (byte < 0x80)
                text += static_cast<char>(byte);
            else
                appendByteMark(text, byte);
            for (size_t k = before; k < text.size(); ++k)
                sourceOffsets.push_back(i);
        }
        sourceOffsets.push_back(bytes.size());
        return text;
    }
    Converter fromPage("UTF-8", name_);
    if (!fromPage.valid())
        throw common::Error(common::errnum::kInternal, "norvel",
                            "The page's encoding " + name_ + " cannot be read here");
    size_t i = 0;
    while (i < bytes.size()) {
        size_t before = text.size();
        size_t consumed = 0;
        bool failed = false;
        // A character of a multi-byte encoding may need more bytes than one step offers.
        for (size_t length = 1; i + length <= bytes.size() && length <= 16; ++length) {
            consumed = fromPage.step(bytes.data() + i, length, text, failed);
            if (consumed > 0 || failed)
                break;
        }
        if (consumed == 0) {
            unsigned char byte = static_cast<unsigned char>(bytes[i]);
            if (byte < 0x80)
                text += static_cast<char>(byte);
            else
                appendByteMark(text, byte);
            consumed = 1;
        }
        sourceOffsets.insert(sourceOffsets.end(), text.size() - before, i);
        i += consumed;
    }
    sourceOffsets.push_back(bytes.size());
    return text;
}

std::string PageEncoding::encode(std::string_view text) const {
    if (utf8_)
        return std::string(text);
    Converter toPage(name_, "UTF-8");
    Converter fromPage("UTF-8", name_);
    if (!toPage.valid() || !fromPage.valid())
        throw common::Error(common::errnum::kInternal, "norvel",
                            "The page's encoding " + name_ + " cannot be written here");
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = sequenceLength(text, i);
        std::string_view sequence = text.substr(i, length);
        i += length;
        if (isByteMark(sequence)) {
            toPage.finish(out);
            out += restoreBytes(sequence);
            continue;
        }
        if (length == 1 && static_cast<unsigned char>(sequence[0]) >= 0x80) {
            toPage.finish(out);
            out += sequence;  // not UTF-8: its byte as it came
            continue;
        }
        // Written only when it reads back as itself: iconv maps some characters to a look-alike
        // ("\u00a3" to a full-width pound in code page 932), which is not what was typed.
        size_t before = out.size();
        bool failed = false;
        size_t consumed = toPage.step(sequence.data(), sequence.size(), out, failed);
        std::string readBack;
        if (consumed == sequence.size())
            fromPage.step(out.data() + before, out.size() - before, readBack, failed);
        if (consumed != sequence.size() || readBack != sequence) {
            out.resize(before);
            out += "&#" + std::to_string(static_cast<uint32_t>(codePointOf(sequence))) + ";";
        }
    }
    toPage.finish(out);
    return out;
}

std::string PageEncoding::reencodeEdited(std::string_view bytes,
                                         std::string_view editedText) const {
    if (utf8_)
        return std::string(editedText);
    std::vector<size_t> offsets;
    std::string original = decode(bytes, offsets);
    size_t limit = std::min(original.size(), editedText.size());
    size_t prefix = 0;
    while (prefix < limit && original[prefix] == editedText[prefix])
        ++prefix;
    while (prefix > 0 && prefix < original.size() && isContinuationByte(original[prefix]))
        --prefix;
    size_t suffix = 0;
    while (suffix < limit - prefix &&
           original[original.size() - 1 - suffix] == editedText[editedText.size() - 1 - suffix])
        ++suffix;
    while (suffix > 0 && isContinuationByte(original[original.size() - suffix]))
        --suffix;
    size_t originalEnd = original.size() - suffix;
    std::string result(bytes.substr(0, offsets[prefix]));
    result += encode(editedText.substr(prefix, editedText.size() - suffix - prefix));
    result += bytes.substr(offsets[originalEnd]);
    return result;
}

}  // namespace norvel::host
