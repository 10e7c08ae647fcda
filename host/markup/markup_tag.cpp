#include "host/markup/markup_tag.h"

#include <algorithm>

#include "host/markup/character_references.h"
#include "host/markup/html_characters.h"

namespace norvel::host {
namespace {

// The attribute being read: where its name and value lie in the source.
class AttributeCollector {
  public:
    explicit AttributeCollector(std::string_view html, std::vector<MarkupAttribute>* out)
        : html_(html), out_(out) {}

    void startName(size_t at) {
        finish();
        nameBegin_ = nameEnd_ = at;
        valueBegin_ = valueEnd_ = at;
        open_ = true;
    }
    void extendName(size_t to) { nameEnd_ = to; }
    void startValue(size_t at) { valueBegin_ = valueEnd_ = at; }
    void extendValue(size_t to) { valueEnd_ = to; }

    void finish() {
        if (!open_ || out_ == nullptr) {
            open_ = false;
            return;
        }
        open_ = false;
        std::string name(html_.substr(nameBegin_, nameEnd_ - nameBegin_));
        for (char& c : name)
            c = asciiLower(c);
        bool repeated = std::any_of(out_->begin(), out_->end(),
                                    [&](const MarkupAttribute& a) { return a.name == name; });
        if (repeated)
            return;
        out_->push_back({std::move(name), decodeCharacterReferences(
                                              html_.substr(valueBegin_, valueEnd_ - valueBegin_))});
    }

  private:
    std::string_view html_;
    std::vector<MarkupAttribute>* out_;
    bool open_ = false;
    size_t nameBegin_ = 0, nameEnd_ = 0, valueBegin_ = 0, valueEnd_ = 0;
};

}  // namespace

size_t findTagEnd(std::string_view html, size_t pos, std::vector<MarkupAttribute>* attributes) {
    // Only a quoted value can hold a '>': without a quote before the first '>', that one
    // ends the tag (the usual tag, found without walking the states).
    if (attributes == nullptr) {
        size_t close = html.find('>', pos);
        if (close == std::string_view::npos)
            return close;
        std::string_view inside = html.substr(pos, close - pos);
        if (inside.find('"') == std::string_view::npos &&
            inside.find('\'') == std::string_view::npos)
            return close + 1;
    }
    enum class State {
        BeforeName,
        Name,
        AfterName,
        BeforeValue,
        DoubleQuoted,
        SingleQuoted,
        Unquoted,
        AfterQuoted,
        SelfClosing
    };
    AttributeCollector attribute(html, attributes);
    State state = State::BeforeName;
    for (; pos < html.size(); ++pos) {
        char c = html[pos];
        switch (state) {
            case State::BeforeName:
            case State::AfterName:
                if (isHtmlSpace(c))
                    break;
                if (c == '/') {
                    state = State::SelfClosing;
                } else if (c == '>') {
                    attribute.finish();
                    return pos + 1;
                } else if (c == '=' && state == State::AfterName) {
                    state = State::BeforeValue;
                } else {
                    // Any other character, '=' and quotes included, starts a name.
                    attribute.startName(pos);
                    attribute.extendName(pos + 1);
                    state = State::Name;
                }
                break;
            case State::Name:
                if (isHtmlSpace(c)) {
                    state = State::AfterName;
                } else if (c == '/') {
                    state = State::SelfClosing;
                } else if (c == '=') {
                    state = State::BeforeValue;
                } else if (c == '>') {
                    attribute.finish();
                    return pos + 1;
                } else {
                    attribute.extendName(pos + 1);
                }
                break;
            case State::BeforeValue:
                if (isHtmlSpace(c))
                    break;
                if (c == '"') {
                    attribute.startValue(pos + 1);
                    state = State::DoubleQuoted;
                } else if (c == '\'') {
                    attribute.startValue(pos + 1);
                    state = State::SingleQuoted;
                } else if (c == '>') {
                    attribute.finish();
                    return pos + 1;
                } else {
                    attribute.startValue(pos);
                    attribute.extendValue(pos + 1);
                    state = State::Unquoted;
                }
                break;
            case State::DoubleQuoted:
            case State::SingleQuoted: {
                // The value runs to its closing quote, whatever it holds.
                size_t close = html.find(state == State::DoubleQuoted ? '"' : '\'', pos);
                if (close == std::string_view::npos) {
                    attribute.extendValue(html.size());
                    pos = html.size() - 1;
                    break;
                }
                attribute.extendValue(close);
                pos = close;
                state = State::AfterQuoted;
                break;
            }
            case State::Unquoted:
                if (isHtmlSpace(c)) {
                    state = State::BeforeName;
                } else if (c == '>') {
                    attribute.finish();
                    return pos + 1;
                } else {
                    attribute.extendValue(pos + 1);
                }
                break;
            case State::AfterQuoted:
            case State::SelfClosing:
                if (c == '>') {
                    attribute.finish();
                    return pos + 1;
                }
                if (state == State::AfterQuoted && isHtmlSpace(c)) {
                    state = State::BeforeName;
                } else if (state == State::AfterQuoted && c == '/') {
                    state = State::SelfClosing;
                } else {
                    --pos;  // read again as the start of the next attribute
                    state = State::BeforeName;
                }
                break;
        }
    }
    attribute.finish();
    return std::string_view::npos;
}

std::vector<MarkupAttribute> parseTagAttributes(std::string_view tag) {
    std::vector<MarkupAttribute> attributes;
    size_t pos = std::min<size_t>(tag.size(), tag.starts_with("</") ? 2 : 1);
    while (pos < tag.size() && !isHtmlSpace(tag[pos]) && tag[pos] != '/' && tag[pos] != '>')
        ++pos;
    findTagEnd(tag, pos, &attributes);
    return attributes;
}

}  // namespace norvel::host
