// The document of a page window: the page model behind the editor's document interface.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/editor/document.h"
#include "host/markup/html_document.h"
#include "host/markup/page_encoding.h"

namespace norvel::host {

class HostDocument : public common::editor::Document,
                     public std::enable_shared_from_this<HostDocument> {
  public:
    // A page read from disk; `webRoot` bounds where its linked style sheets may be written.
    static std::shared_ptr<HostDocument> load(const std::filesystem::path& file,
                                              const std::filesystem::path& webRoot);
    // A new page that was never saved.
    static std::shared_ptr<HostDocument> blank(const std::filesystem::path& webRoot);

    HostDocument(std::string bytes, std::filesystem::path file, std::filesystem::path webRoot,
                 std::string createdDate);

    // --- the editor's document interface. Its texts are UTF-8; the page keeps its own
    // encoding (encoding()): what is read is decoded, what is written is encoded, and only the
    // span that changed is written anew.
    std::string fileCreatedDate() override { return createdDate_; }
    std::string headInnerHTML() override { return encoding_.decode(page_.headInnerHtml()); }
    void setHeadInnerHTML(const std::string& html) override;
    // Tag names are ASCII in every encoding a page may have, so the raw head is read.
    int headTagsLength(const std::string& name) override;
    std::string bodyInnerHTML() override { return encoding_.decode(page_.bodyInnerHtml()); }
    void setBodyInnerHTML(const std::string& html) override;
    std::string bodyInnerText() override;
    std::string DocumentHTML() override { return encoding_.decode(page_.html()); }
    void setDocumentHTML(const std::string& html) override;
    void pasteHTML(const std::string& html) override { page_.pasteHtml(encoding_.encode(html)); }
    int styleSheetsLength() override;
    std::shared_ptr<common::editor::StyleSheet> styleSheet(int index) override;
    std::shared_ptr<common::editor::StyleSheet> createStyleSheet(const std::string& address,
                                                                 int index) override;

    // --- the editor's own use
    HtmlDocument& page() { return page_; }
    // The splice of the page's bytes [begin, end) every edit of a view goes through (typing
    // into a paragraph writes that paragraph's span back here); it can be undone.
    void replaceRange(size_t begin, size_t end, const std::string& text) {
        page_.replaceRange(begin, end, text);
    }
    // Undo and redo of every change to the page, one step per command (see HtmlDocument).
    bool undo() { return page_.undo(); }
    bool redo() { return page_.redo(); }
    bool canUndo() const { return page_.canUndo(); }
    bool canRedo() const { return page_.canRedo(); }
    void endUndoStep() { page_.endUndoStep(); }
    // Replaces [begin, end) of DocumentHTML() (offsets in that decoded text) with `text`.
    void replaceDecodedRange(size_t begin, size_t end, const std::string& text);
    void caretAtBodyStart() { page_.caretAtBodyStart(); }
    void caretAtBodyEnd() { page_.caretAtBodyEnd(); }
    bool caretAfterText(const std::string& text) {
        return page_.caretAfterText(encoding_.encode(text));
    }
    bool caretBeforeText(const std::string& text) {
        return page_.caretBeforeText(encoding_.encode(text));
    }
    bool selectText(const std::string& text) { return page_.selectText(encoding_.encode(text)); }
    // The page's encoding: its byte order mark or meta charset, else the web's default.
    const PageEncoding& encoding() const { return encoding_; }

    // Writes the page atomically; the page then counts as saved there.
    void saveTo(const std::filesystem::path& file);
    bool modified() const { return page_.html() != savedBytes_; }
    // The page counts as saved as it stands (its bytes were handed to a batch of saves).
    void markSaved() { savedBytes_ = page_.html(); }
    // The bytes last read from or written to the file.
    const std::string& savedBytes() const { return savedBytes_; }
    // The page as another program left it on disk replaces the one shown, as one step that
    // can be undone; it counts as saved.
    void reloadFrom(std::string bytes);
    // The file now holds `bytes` (another program's change the person chose not to load):
    // the page shown counts as changed against it, and is what a save writes.
    void noteBytesOnDisk(std::string bytes) { savedBytes_ = std::move(bytes); }

    // The file a linked style sheet's address names in the web (query and fragment dropped,
    // %XX decoded, symbolic links resolved); empty when it leads outside the web (another
    // server, a scheme, above the web's root, through a link out of it) or to no file.
    std::filesystem::path linkedSheetPath(const std::string& href) const;
    const std::filesystem::path& webRoot() const { return webRoot_; }

  private:
    HtmlDocument page_;
    PageEncoding encoding_;
    std::string savedBytes_;
    std::filesystem::path file_;  // empty for a page never saved
    std::filesystem::path webRoot_;
    std::string createdDate_;
};

// The encoding of a page that declares none: the one the suite writes its own files in.
inline constexpr const char* kWebDefaultEncoding = "UTF-8";

// A new page as the editor makes it.
std::string blankPageHtml();

}  // namespace norvel::host
