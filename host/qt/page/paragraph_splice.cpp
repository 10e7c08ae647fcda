#include "host/qt/page/paragraph_splice.h"

#include "common/ascii_text.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {
namespace {

constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kObjectReplacement = 0xFFFC;
constexpr char16_t kNoBreakSpace = 0x00A0;

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\f');
}

// The end of the tag or comment at `at` (just past its '>'), and its lower-case name.
qsizetype skipMarkup(const QString& text, qsizetype at, QString& name) {
    name.clear();
    if (text.mid(at, 4) == QLatin1String("<!--")) {
        const qsizetype close = text.indexOf(QLatin1String("-->"), at + 4);
        return close < 0 ? text.size() : close + 3;
    }
    qsizetype i = at + 1;
    if (i < text.size() && text[i] == QLatin1Char('/'))
        ++i;
    while (i < text.size() && text[i].isLetterOrNumber())
        name += text[i++].toLower();
    QChar quote;
    for (; i < text.size(); ++i) {
        if (!quote.isNull()) {
            if (text[i] == quote)
                quote = QChar();
        } else if (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\'')) {
            quote = text[i];
        } else if (text[i] == QLatin1Char('>')) {
            return i + 1;
        }
    }
    return text.size();
}

bool startsMarkup(const QString& text, qsizetype at) {
    if (text[at] != QLatin1Char('<') || at + 1 >= text.size())
        return false;
    const QChar next = text[at + 1];
    return next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!');
}

// The length of the character reference at `at` ("&amp;", "&#233;"); 0 when there is none.
qsizetype referenceLength(const QString& text, qsizetype at) {
    qsizetype i = at + 1;
    if (i < text.size() && text[i] == QLatin1Char('#'))
        ++i;
    const qsizetype nameBegin = i;
    while (i < text.size() && i - at < 32 && text[i].isLetterOrNumber())
        ++i;
    if (i == nameBegin || i >= text.size() || text[i] != QLatin1Char(';'))
        return 0;
    return i + 1 - at;
}

std::string escapedText(const QString& text, bool utf8) {
    std::string out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('&'))
            out += "&amp;";
        else if (c == QLatin1Char('<'))
            out += "&lt;";
        else if (c == QLatin1Char('>'))
            out += "&gt;";
        else if (c == kNoBreakSpace)
            out += "&nbsp;";
        else if (c == kLineSeparator)
            out += "<br>";
        else if (c.unicode() < 0x80)
            out += static_cast<char>(c.unicode());
        else if (utf8)
            out += QString(c).toStdString() + (c.isHighSurrogate() && i + 1 < text.size()
                                                   ? QString(text[++i]).toStdString()
                                                   : std::string());
        else {
            char32_t code = c.unicode();
            if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                code = QChar::surrogateToUcs4(c, text[++i]);
            out += "&#" + std::to_string(code) + ";";
        }
    }
    return out;
}

}  // namespace

std::optional<ShownTextPlaces> placeShownText(std::string_view html, size_t begin, size_t end,
                                              const QString& shown) {
    const PageText source(html.substr(begin, end - begin));
    const QString& text = source.text();
    auto byteAt = [&](qsizetype index) { return begin + source.byteOffset(index); };
    ShownTextPlaces places;
    qsizetype at = 0;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QChar wanted = shown[i];
        for (;;) {
            if (at >= text.size())
                return std::nullopt;
            if (startsMarkup(text, at)) {
                QString name;
                const qsizetype after = skipMarkup(text, at, name);
                if ((name == QLatin1String("br") && wanted == kLineSeparator) ||
                    (name == QLatin1String("img") && wanted == kObjectReplacement)) {
                    places.starts.push_back(byteAt(at));
                    places.ends.push_back(byteAt(after));
                    at = after;
                    break;
                }
                if (name == QLatin1String("script") || name == QLatin1String("style")) {
                    const qsizetype close =
                        text.indexOf(QLatin1String("</") + name, after, Qt::CaseInsensitive);
                    at = close < 0 ? text.size() : close;
                } else {
                    at = after;
                }
                continue;
            }
            if (isBlank(text[at])) {
                qsizetype run = at;
                while (run < text.size() && isBlank(text[run]))
                    ++run;
                if (wanted == QLatin1Char(' ')) {
                    places.starts.push_back(byteAt(at));
                    places.ends.push_back(byteAt(run));
                    at = run;
                    break;
                }
                at = run;  // white space the paragraph does not show
                continue;
            }
            if (text[at] == QLatin1Char('&')) {
                if (const qsizetype length = referenceLength(text, at)) {
                    places.starts.push_back(byteAt(at));
                    places.ends.push_back(byteAt(at + length));
                    at += length;
                    break;
                }
            }
            if (text[at] != wanted)
                return std::nullopt;
            places.starts.push_back(byteAt(at));
            places.ends.push_back(byteAt(at + 1));
            ++at;
            break;
        }
    }
    return places;
}

std::optional<ParagraphSplice> paragraphSplice(std::string_view html, size_t begin, size_t end,
                                               const QString& before, const QString& after,
                                               bool utf8) {
    if (before == after)
        return std::nullopt;
    const std::optional<ShownTextPlaces> places = placeShownText(html, begin, end, before);
    if (!places || before.isEmpty())
        return std::nullopt;
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const qsizetype removedEnd = before.size() - suffix;  // characters [prefix, removedEnd) go
    ParagraphSplice splice;
    if (removedEnd > prefix) {
        splice.begin = places->starts[static_cast<size_t>(prefix)];
        splice.end = places->ends[static_cast<size_t>(removedEnd - 1)];
    } else {
        // Typed text joins the text before it (and its format), as in any editor.
        splice.begin = splice.end =
            prefix > 0 ? places->ends[static_cast<size_t>(prefix - 1)] : places->starts[0];
    }
    splice.bytes = escapedText(after.mid(prefix, after.size() - suffix - prefix), utf8);
    // The tags inside the removed run stay, so that the markup keeps its shape.
    const std::string_view removedBytes = html.substr(splice.begin, splice.end - splice.begin);
    const PageText removedText(removedBytes);
    const QString& removed = removedText.text();
    for (qsizetype at = 0; at < removed.size();) {
        if (startsMarkup(removed, at)) {
            QString name;
            const qsizetype afterTag = skipMarkup(removed, at, name);
            const size_t from = removedText.byteOffset(at);
            if (name != QLatin1String("br") && name != QLatin1String("img"))
                splice.bytes += removedBytes.substr(from, removedText.byteOffset(afterTag) - from);
            at = afterTag;
        } else {
            ++at;
        }
    }
    return splice;
}

}  // namespace norvel::host::qt
