#include "host/qt/page/normal_page_builder.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>

#include <unordered_map>

#include "common/ascii_text.h"
#include "host/qt/page/anchor_names.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {
namespace {

QString attributeValue(const WebbotBlock& block, std::string_view name) {
    for (const auto& [key, value] : block.attributes)
        if (common::equalsIgnoreCase(key, name))
            return PageText(value).text();
    return {};
}

QString pieceHtml(std::string_view html, const PageSegment& segment,
                  const std::vector<WebbotBlock>& blocks, size_t& nextBlock) {
    // In a body, so that the page's body style (its font) reaches the piece.
    QString out = QStringLiteral("<body>");
    size_t pos = segment.begin;
    while (nextBlock < blocks.size() && blocks[nextBlock].begin < pos)
        ++nextBlock;
    while (nextBlock < blocks.size() && blocks[nextBlock].end <= segment.end) {
        const WebbotBlock& block = blocks[nextBlock];
        out += PageText(html.substr(pos, block.begin - pos)).text();
        out += blockStandInHtml(block, static_cast<int>(nextBlock + 1));
        pos = block.end;
        ++nextBlock;
    }
    out += PageText(html.substr(pos, segment.end - pos)).text();
    return out + QStringLiteral("</body>");
}

// The start tags a piece opens with, e.g. "<div class=x><p>": they alone give its first
// paragraph its format. Empty when the piece opens with anything else or they run long.
QStringView leadingStartTags(const QString& piece) {
    constexpr qsizetype kLongest = 512;
    qsizetype at = piece.startsWith(QLatin1String("<body>")) ? 6 : 0;
    const qsizetype begin = at;
    qsizetype end = at;
    for (;;) {
        while (at < piece.size() && piece[at].isSpace())
            ++at;
        if (at + 1 >= piece.size() || piece[at] != QLatin1Char('<') || !piece[at + 1].isLetter())
            break;
        const qsizetype close = piece.indexOf(QLatin1Char('>'), at);
        if (close < 0 || close - begin > kLongest)
            return {};
        at = end = close + 1;
    }
    return QStringView(piece).mid(begin, end - begin);
}

}  // namespace

// Qt merges a piece's first paragraph into the paragraph it is inserted in, which keeps its
// own format, so the margins and alignment the page gives that paragraph would be lost. Laid
// into an empty document, a piece keeps them: its first paragraph's format is read there,
// once for each run of opening tags (most pieces open as many before them did).
class NormalPageBuilder::FirstParagraphFormats {
  public:
    FirstParagraphFormats() { scratch_.setUndoRedoEnabled(false); }

    QTextBlockFormat of(const QString& piece, const QTextDocumentFragment& fragment) {
        const QStringView tags = leadingStartTags(piece);
        if (!tags.isEmpty()) {
            auto known = formats_.find(tags.toString());
            if (known != formats_.end())
                return known->second;
        }
        scratch_.clear();
        QTextCursor(&scratch_).insertFragment(fragment);
        QTextBlockFormat format = scratch_.begin().blockFormat();
        if (!tags.isEmpty())
            formats_.emplace(tags.toString(), format);
        return format;
    }

  private:
    QTextDocument scratch_;
    std::unordered_map<QString, QTextBlockFormat> formats_;
};

namespace {

void squeeze(const QTextBlock& block) {
    QTextCursor cursor(block);
    QTextBlockFormat format;
    format.setLineHeight(1, QTextBlockFormat::FixedHeight);
    cursor.setBlockFormat(format);
    QFont tiny;
    tiny.setPixelSize(1);
    QTextCharFormat characters;
    characters.setFont(tiny);
    cursor.setBlockCharFormat(characters);
}

}  // namespace

QString blockStandInHtml(const WebbotBlock& block, int number) {
    QString shown = attributeValue(block, "PREVIEW");
    if (shown.trimmed().isEmpty()) {
        QString sClass = attributeValue(block, "s-class");
        shown = (sClass.isEmpty() ? QStringLiteral("webbot block") : sClass).toHtmlEscaped();
    }
    return QStringLiteral(
               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
               "style=\"border-color:#808080; border-style:solid\"><tr><td>"
               "<img src=\"%1:%2\" width=\"1\" height=\"1\">%3</td></tr></table>")
        .arg(QLatin1String(kBlockMarkerScheme))
        .arg(number)
        .arg(shown);
}

int blockNumberOfTable(const QTextTable& table) {
    QTextTableCell cell = table.cellAt(0, 0);
    if (!cell.isValid())
        return 0;
    QTextBlock first = table.document()->findBlock(cell.firstPosition());
    QTextBlock::iterator fragments = first.begin();
    if (fragments.atEnd())
        return 0;
    QTextCharFormat format = fragments.fragment().charFormat();
    if (!format.isImageFormat())
        return 0;
    QUrl name(format.toImageFormat().name());
    if (name.scheme() != QLatin1String(kBlockMarkerScheme))
        return 0;
    bool ok = false;
    int number = name.path().toInt(&ok);
    return ok ? number : 0;
}

NormalPageBuilder::NormalPageBuilder(QTextDocument& target, std::string html,
                                     std::vector<PageSegment> segments,
                                     std::vector<WebbotBlock> blocks)
    : target_(target),
      html_(std::move(html)),
      segments_(std::move(segments)),
      blocks_(std::move(blocks)),
      firstFormats_(std::make_unique<FirstParagraphFormats>()) {
    places_.reserve(segments_.size());
    // Each piece is read as a body of its own (so that the body's font reaches it): the body's
    // top and bottom margins would come between every two pieces.
    target_.setDefaultStyleSheet(target_.defaultStyleSheet() +
                                 QStringLiteral("\nbody { margin-top: 0; margin-bottom: 0 }\n"));
    styledIds_ = idsNamedInStyle(target_.defaultStyleSheet());
    cursor_ = std::make_unique<QTextCursor>(&target_);
    // One edit for the whole page, across all slices: Qt rescans the document's frames after
    // each edit, which would make a page of many tables quadratic.
    cursor_->beginEditBlock();
    if (done())
        cursor_->endEditBlock();
}

NormalPageBuilder::~NormalPageBuilder() {
    if (!done())
        cursor_->endEditBlock();
}

bool NormalPageBuilder::buildFor(std::chrono::milliseconds budget) {
    const auto until = std::chrono::steady_clock::now() + budget;
    while (!done()) {
        buildPiece(segments_[places_.size()]);
        if (done())
            cursor_->endEditBlock();
        else if (std::chrono::steady_clock::now() >= until)
            break;
    }
    return done();
}

void NormalPageBuilder::buildPiece(const PageSegment& segment) {
    QTextCursor& cursor = *cursor_;
    QString piece = withoutAnchorNames(pieceHtml(html_, segment, blocks_, nextBlock_), styledIds_);
    // Each piece starts in a plain paragraph of its own: a new one, or the empty one a table
    // leaves after itself.
    if (!places_.empty()) {
        if (cursor.block().length() > 1) {
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        } else {
            cursor.setBlockFormat(QTextBlockFormat());
            cursor.setBlockCharFormat(QTextCharFormat());
        }
    }
    const int first = cursor.position();
    // The target lends the fragment its style sheet and pictures.
    const QTextDocumentFragment fragment = QTextDocumentFragment::fromHtml(piece, &target_);
    cursor.insertFragment(fragment);
    QTextBlock start = target_.findBlock(first);
    QTextCursor(start).setBlockFormat(firstFormats_->of(piece, fragment));
    // A piece that starts with a list or a table leaves its paragraph empty above it. Above a
    // list it goes. Above a table Qt needs one: it only marks the piece's place, so it takes
    // no room.
    if (start.length() == 1) {
        if (start.next().isValid() && QTextCursor(start.next()).currentTable() == nullptr)
            QTextCursor(start).deleteChar();
        else
            squeeze(start);
    }
    places_.push_back({first, cursor.position()});
}

std::vector<PiecePlace> buildNormalPage(QTextDocument& target, std::string_view html,
                                        const std::vector<PageSegment>& segments,
                                        const std::vector<WebbotBlock>& blocks) {
    NormalPageBuilder builder(target, std::string(html), segments, blocks);
    while (!builder.buildFor(std::chrono::hours(1))) {
    }
    return builder.places();
}

}  // namespace norvel::host::qt
