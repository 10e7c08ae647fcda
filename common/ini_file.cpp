#include "common/ini_file.h"

#include <algorithm>

#include "common/ascii_text.h"
#include "common/library_folder.h"

namespace norvel::common {
namespace {

std::string encodeValue(std::string_view value) {
    bool quoted =
        !value.empty() && (value.front() == ' ' || value.back() == ' ' || value.front() == '"');
    std::string out;
    out.reserve(value.size() + 2);
    if (quoted)
        out += '"';
    for (char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '"':
                out += quoted ? "\\\"" : "\"";
                break;
            default:
                out += c;
        }
    }
    if (quoted)
        out += '"';
    return out;
}

// Decodes the text after '=' (blanks already trimmed).
std::string decodeValue(std::string_view text, int lineNumber) {
    bool quoted = !text.empty() && text.front() == '"';
    if (quoted)
        text.remove_prefix(1);
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (quoted && c == '"') {
            if (i + 1 != text.size())
                throw IniSyntaxError(lineNumber, "text after the closing quote of the value");
            return out;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size())
            throw IniSyntaxError(lineNumber, "a backslash ends the value");
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '"':
                out += '"';
                break;
            default:
                throw IniSyntaxError(
                    lineNumber, std::string("unknown escape '\\") + text[i] + "' in the value");
        }
    }
    if (quoted)
        throw IniSyntaxError(lineNumber, "the quoted value has no closing quote");
    return out;
}

bool hasLineBreak(std::string_view name) {
    return name.find_first_of("\r\n") != std::string_view::npos;
}

void checkSectionName(std::string_view name) {
    if (name.empty() || hasLineBreak(name) || name.find(']') != std::string_view::npos ||
        trimSpacesAndTabs(name).size() != name.size())
        throw Error(errnum::kInvalidCall, libraryName(),
                    "'" + std::string(name) + "' cannot be used as a settings section name");
}

void checkKeyName(std::string_view key) {
    if (key.empty() || hasLineBreak(key) || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';' || key.front() == '#' ||
        trimSpacesAndTabs(key).size() != key.size())
        throw Error(errnum::kInvalidCall, libraryName(),
                    "'" + std::string(key) + "' cannot be used as a settings key name");
}

}  // namespace

IniSyntaxError::IniSyntaxError(int line, std::string problem)
    : Error(errnum::kTypeMismatch, libraryName(), "line " + std::to_string(line) + ": " + problem),
      line_(line),
      problem_(std::move(problem)) {}

IniFile IniFile::parse(std::string_view text) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());

    IniFile file;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);

        std::vector<Line>& lines =
            file.sections_.empty() ? file.preamble_ : file.sections_.back().lines;
        std::string_view content = trimSpacesAndTabs(raw);
        if (content.empty()) {
            lines.push_back({LineKind::blank, "", ""});
        } else if (content.front() == ';' || content.front() == '#') {
            lines.push_back({LineKind::comment, std::string(raw), ""});
        } else if (content.front() == '[') {
            size_t close = content.find(']');
            if (close == std::string_view::npos)
                throw IniSyntaxError(lineNumber, "the section name has no closing ']'");
            if (close + 1 != content.size())
                throw IniSyntaxError(lineNumber, "text after the ']' of the section name");
            std::string_view name = trimSpacesAndTabs(content.substr(1, close - 1));
            if (name.empty())
                throw IniSyntaxError(lineNumber, "the section name is empty");
            file.sections_.push_back({std::string(name), {}});
        } else {
            size_t equals = content.find('=');
            if (equals == std::string_view::npos)
                throw IniSyntaxError(lineNumber,
                                     "the line is not a section, a key=value pair or a comment");
            std::string_view key = trimSpacesAndTabs(content.substr(0, equals));
            if (key.empty())
                throw IniSyntaxError(lineNumber, "the key name is empty");
            if (file.sections_.empty())
                throw IniSyntaxError(lineNumber, "a key comes before the first section");
            std::string value =
                decodeValue(trimSpacesAndTabs(content.substr(equals + 1)), lineNumber);
            lines.push_back({LineKind::entry, std::string(key), std::move(value)});
        }
    }
    return file;
}

std::string IniFile::serialize() const {
    std::string out;
    auto writeLines = [&out](const std::vector<Line>& lines) {
        for (const Line& line : lines) {
            if (line.kind == LineKind::entry)
                out += line.text + '=' + encodeValue(line.value);
            else
                out += line.text;  // empty for a blank line
            out += '\n';
        }
    };
    writeLines(preamble_);
    for (const Section& section : sections_) {
        out += '[' + section.name + "]\n";
        writeLines(section.lines);
    }
    return out;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr)
        return std::nullopt;
    for (const Line& line : found->lines)
        if (line.kind == LineKind::entry && equalsIgnoreCase(line.text, key))
            return line.value;
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    checkSectionName(section);
    checkKeyName(key);
    Section* target = findSection(section);
    if (target == nullptr) {
        // A blank line before a new section keeps a file readable for people who edit it.
        std::vector<Line>& previous = sections_.empty() ? preamble_ : sections_.back().lines;
        if (!(sections_.empty() && previous.empty()) &&
            (previous.empty() || previous.back().kind != LineKind::blank))
            previous.push_back({LineKind::blank, "", ""});
        sections_.push_back({std::string(section), {}});
        target = &sections_.back();
    }
    auto lastEntry = target->lines.end();
    for (auto it = target->lines.begin(); it != target->lines.end(); ++it) {
        if (it->kind != LineKind::entry)
            continue;
        if (equalsIgnoreCase(it->text, key)) {
            it->value = value;
            return;
        }
        lastEntry = it;
    }
    // After the last key, so comments and blank lines that lead into the next section stay
    // with it; right after the section line when the section has no key yet.
    auto position = lastEntry == target->lines.end() ? target->lines.begin() : lastEntry + 1;
    target->lines.insert(position, {LineKind::entry, std::string(key), std::string(value)});
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

IniFile::Section* IniFile::findSection(std::string_view name) {
    for (Section& section : sections_)
        if (equalsIgnoreCase(section.name, name))
            return &section;
    return nullptr;
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
    return const_cast<IniFile*>(this)->findSection(name);
}

}  // namespace norvel::common
