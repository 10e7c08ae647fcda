// An INI document kept in order, comments included, so that a program can change one value of
// a file a person also edits without disturbing the rest of it.
//
// Text form, one item a line (LF or CRLF line ends are read; LF is written):
//   [section name]        a section; blanks around the name are ignored
//   key=value             blanks around the key and around the value are ignored
//   ; comment  /  # comment
//   (blank line)
// Section and key names compare case-insensitively (ASCII letters only), as the settings
// files of the old platform did: "[Options]" and "[options]" are one section. When a hand-made
// file names a section or key twice, the first one counts.
//
// Values are written so that any byte string reads back exactly:
//   - a backslash is written \\, a line feed \n, a carriage return \r, a tab \t;
//   - a value that begins or ends with a space, or begins with a double quote, is written in
//     double quotes, and inside them a double quote is written \";
//   - every other byte (other control characters and UTF-8 included) is written as it is.
// Reading accepts \" in unquoted values too. Any other backslash sequence is damage.
//
// parse() throws IniSyntaxError (an Error with number 13) for a damaged text: a line that is
// none of the above, a key before the first section, an empty key or section name, a bad
// escape, an unterminated quote or text after a closing quote.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/error.h"

namespace norvel::common {

class IniSyntaxError : public Error {
  public:
    IniSyntaxError(int line, std::string problem);

    int line() const { return line_; }                       // 1-based
    const std::string& problem() const { return problem_; }  // without the line number

  private:
    int line_;
    std::string problem_;
};

class IniFile {
  public:
    static IniFile parse(std::string_view text);
    std::string serialize() const;

    // The value of the first matching key, or nothing when the section or key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Sets the value. An existing key keeps its place and its spelling; a new key goes after
    // the last key of its section; a new section goes to the end of the document.
    // Throws Error 5 for a name the text form cannot hold: an empty name, a line break, a
    // section name with ']', a key with '=' or starting with '[', ';' or '#', or a name with
    // blanks at either end (they would be lost on reading).
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::vector<std::string> sectionNames() const;

    // Exact comparison of the content, spelling of names included.
    bool operator==(const IniFile&) const = default;

  private:
    enum class LineKind { blank, comment, entry };
    struct Line {
        LineKind kind;
        std::string text;   // the comment as written, or the key
        std::string value;  // decoded value of an entry
        bool operator==(const Line&) const = default;
    };
    struct Section {
        std::string name;
        std::vector<Line> lines;
        bool operator==(const Section&) const = default;
    };

    Section* findSection(std::string_view name);
    const Section* findSection(std::string_view name) const;

    std::vector<Line> preamble_;  // comments and blank lines before the first section
    std::vector<Section> sections_;
};

}  // namespace norvel::common
