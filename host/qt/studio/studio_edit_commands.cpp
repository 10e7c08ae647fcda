// The studio's Edit menu: undo and redo of the document, the clipboard, delete, select all,
// find and replace. In the HTML view they act on the source text as any text editor does; in
// the Normal view on the selected piece (the one clicked, the document's selection, or else
// the piece right after the insertion point), so that a block is removed or moved as one piece
// of markup.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <QWebEnginePage>

#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/ui.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_view.h"
#include "host/qt/page/preview_view.h"
#include "host/qt/page/source_view.h"
#include "host/qt/studio/clipboard_html.h"
#include "host/qt/studio/find_dialog.h"
#include "host/qt/studio/studio_window.h"
#include "host/web/disk_web.h"

namespace norvel::host::qt {

namespace editor = common::editor;

namespace {

QTextDocument::FindFlags findFlags(bool matchCase) {
    return matchCase ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
}

// Finds the next match after the cursor of a text widget, wrapping round to the start once.
template <typename TextWidget>
bool findWrapping(TextWidget& widget, const QString& text, bool matchCase) {
    if (widget.find(text, findFlags(matchCase)))
        return true;
    QTextCursor cursor = widget.textCursor();
    cursor.movePosition(QTextCursor::Start);
    widget.setTextCursor(cursor);
    return widget.find(text, findFlags(matchCase));
}

}  // namespace

std::optional<HtmlDocument::Range> StudioWindow::selectedBlock() const {
    auto window = app_.activeWindow();
    PageView* view = activePageView();
    if (!window || !view || view->viewMode() != editor::kViewNormal)
        return std::nullopt;
    // A piece selected in the view counts only while the page still holds it unchanged; one
    // an edit has spoiled is dropped here, never acted on.
    if (auto piece = view->normalView()->pieceSelection())
        return piece;
    HtmlDocument::Range selection = window->document().page().selection();
    if (selection.begin < selection.end)
        return selection;
    const auto& pieces = view->normalView()->segments();
    auto boundary = static_cast<size_t>(view->normalView()->insertionBoundary());
    if (boundary >= pieces.size())
        return std::nullopt;
    return HtmlDocument::Range{pieces[boundary].begin, pieces[boundary].end};
}

bool StudioWindow::sourceInFront() const {
    PageView* view = activePageView();
    return view && view->viewMode() == editor::kViewHtml;
}

void StudioWindow::undo() {
    if (auto window = app_.activeWindow())
        window->document().undo();
}

void StudioWindow::redo() {
    if (auto window = app_.activeWindow())
        window->document().redo();
}

void StudioWindow::copySelection() {
    if (sourceInFront()) {
        activePageView()->sourceView()->copy();
        return;
    }
    PageView* view = activePageView();
    if (view && view->viewMode() == editor::kViewPreview) {
        if (PreviewView* preview = view->previewView())
            preview->triggerPageAction(QWebEnginePage::Copy);
        return;
    }
    auto block = selectedBlock();
    if (!block)
        return;
    HostDocument& document = app_.activeWindow()->document();
    const std::string& bytes = document.page().html();
    QString html = QString::fromStdString(
        document.encoding().decode(bytes.substr(block->begin, block->end - block->begin)));
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(html);
    QApplication::clipboard()->setMimeData(data);
}

void StudioWindow::deleteSelection() {
    if (sourceInFront()) {
        SourceView* source = activePageView()->sourceView();
        QTextCursor cursor = source->textCursor();
        if (cursor.hasSelection())
            cursor.removeSelectedText();
        else
            cursor.deleteChar();
        source->setTextCursor(cursor);
        return;
    }
    auto block = selectedBlock();
    if (!block)
        return;
    HostDocument& document = app_.activeWindow()->document();
    document.replaceRange(block->begin, block->end, "");
    document.page().selectRange(block->begin, block->begin);
}

void StudioWindow::cutSelection() {
    if (sourceInFront()) {
        activePageView()->sourceView()->cut();
        return;
    }
    if (!selectedBlock())
        return;
    copySelection();
    deleteSelection();
}

void StudioWindow::paste() {
    if (sourceInFront()) {
        activePageView()->sourceView()->paste();
        return;
    }
    auto window = app_.activeWindow();
    PageView* view = activePageView();
    if (!window || !view || view->viewMode() != editor::kViewNormal)
        return;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QString html = data ? htmlToPaste(*data) : QString();
    if (!html.isEmpty())
        window->document().pasteHTML(html.toStdString());
}

void StudioWindow::selectAll() {
    PageView* view = activePageView();
    if (!view)
        return;
    if (view->viewMode() == editor::kViewHtml) {
        view->sourceView()->selectAll();
    } else if (view->viewMode() == editor::kViewPreview) {
        if (PreviewView* preview = view->previewView())
            preview->triggerPageAction(QWebEnginePage::SelectAll);
    } else {
        view->normalView()->clearPieceSelection();
        HtmlDocument& page = app_.activeWindow()->document().page();
        page.caretAtBodyStart();
        size_t begin = page.selection().begin;
        page.caretAtBodyEnd();
        page.selectRange(begin, page.selection().end);
    }
}

void StudioWindow::insertMarkup(const std::string& html) {
    auto window = app_.activeWindow();
    PageView* view = activePageView();
    if (!window || !view || view->viewMode() == editor::kViewPreview)
        return;
    // In the HTML view the text caret is the insertion point (typed edits were flushed).
    window->document().pasteHTML(html);
}

void StudioWindow::insertPicture() {
    auto window = app_.activeWindow();
    if (!window || !app_.web())
        return;
    namespace fs = std::filesystem;
    fs::path root = fs::weakly_canonical(app_.web()->RootFolder()->LocalPath());
    fs::path pageFolder =
        window->File() ? fs::weakly_canonical(fs::path(window->File()->LocalPath()).parent_path())
                       : root;
    QFileDialog dialog(this, "Picture");
    dialog.setObjectName("pictureDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {"Pictures (*.gif *.png *.jpg *.jpeg *.webp *.svg *.bmp *.ico)", "All files (*)"});
    dialog.setDirectory(QString::fromStdString(pageFolder.string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    fs::path chosen = fs::weakly_canonical(dialog.selectedFiles().first().toStdString());
    fs::path inWeb = chosen.lexically_relative(root);
    if (inWeb.empty() || *inWeb.begin() == "..") {
        ui_.msgBox("The picture must be a file of the web (" + root.string() + ").",
                   common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Warning, "Picture");
        return;
    }
    // The address as a browser reads it from the page: '/' separators, and characters that
    // are not allowed in a URL written as %XX.
    QString address =
        QString::fromStdString(chosen.lexically_relative(pageFolder).generic_string());
    QByteArray encoded = QUrl::toPercentEncoding(address, "/");
    insertMarkup("<img src=\"" + escapeAttribute(encoded.toStdString()) + "\" alt=\"\">");
}

FindDialog& StudioWindow::findDialog() {
    if (!findDialog_) {
        FindDialog::Actions actions;
        actions.findNext = [this](const QString& text, bool matchCase) {
            return findNext(text, matchCase);
        };
        actions.replace = [this](const QString& text, const QString& with, bool matchCase) {
            return replaceSelected(text, with, matchCase);
        };
        actions.replaceAll = [this](const QString& text, const QString& with, bool matchCase) {
            int count = 0;
            runCommand([&] { count = replaceAll(text, with, matchCase); });
            return count;
        };
        findDialog_ = new FindDialog(std::move(actions), this);
    }
    return *findDialog_;
}

void StudioWindow::showFind(bool replacing) {
    // Replacing edits the source: it is done where the source shows.
    if (replacing && activePageView() && !sourceInFront())
        setActiveViewMode(editor::kViewHtml);
    findDialog().showFor(replacing);
}

bool StudioWindow::findNext(const QString& text, bool matchCase) {
    PageView* view = activePageView();
    if (!view)
        return false;
    switch (view->viewMode()) {
        case editor::kViewHtml:
            return findWrapping(*view->sourceView(), text, matchCase);
        case editor::kViewPreview:
            // The browser searches on its own, wrapping round, and marks what it finds.
            if (PreviewView* preview = view->previewView()) {
                preview->findText(text, matchCase ? QWebEnginePage::FindCaseSensitively
                                                  : QWebEnginePage::FindFlags());
                return true;
            }
            return false;
        default:
            return findWrapping(*view->normalView(), text, matchCase);
    }
}

bool StudioWindow::replaceSelected(const QString& text, const QString& with, bool matchCase) {
    if (!sourceInFront())
        return false;
    SourceView* source = activePageView()->sourceView();
    QTextCursor cursor = source->textCursor();
    Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (cursor.hasSelection() && cursor.selectedText().compare(text, sensitivity) == 0) {
        cursor.insertText(with);
        source->setTextCursor(cursor);
    }
    return findNext(text, matchCase);
}

int StudioWindow::replaceAll(const QString& text, const QString& with, bool matchCase) {
    auto window = app_.activeWindow();
    if (!window || text.isEmpty())
        return 0;
    HostDocument& document = window->document();
    QString page = QString::fromStdString(document.DocumentHTML());
    Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Matches as UTF-8 offsets of the decoded page, counted forward, replaced backward so
    // that each offset still holds when its turn comes.
    struct Match {
        size_t begin;
        size_t end;
    };
    std::vector<Match> matches;
    size_t bytesBefore = 0;
    qsizetype counted = 0;
    for (qsizetype at = page.indexOf(text, 0, sensitivity); at >= 0;
         at = page.indexOf(text, at + text.size(), sensitivity)) {
        bytesBefore += static_cast<size_t>(page.mid(counted, at - counted).toUtf8().size());
        size_t length = static_cast<size_t>(page.mid(at, text.size()).toUtf8().size());
        matches.push_back({bytesBefore, bytesBefore + length});
        bytesBefore += length;
        counted = at + text.size();
    }
    std::string replacement = with.toStdString();
    for (auto match = matches.rbegin(); match != matches.rend(); ++match)
        document.replaceDecodedRange(match->begin, match->end, replacement);
    return static_cast<int>(matches.size());
}

}  // namespace norvel::host::qt
