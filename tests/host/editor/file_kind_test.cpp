// What opens as a page: the name and the first bytes decide, so that no picture or binary file
// is ever opened as text (and destroyed by a save).
#include <gtest/gtest.h>

#include <string>

#include "host/editor/file_kind.h"

namespace norvel::host {
namespace {

const std::string kGif("GIF89a\x01\x00\x0a\x00\x80\x00\x00\x33\x66\x99\xff\xff\xff\x2c", 19);
const std::string kPng("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16);
const std::string kJpeg("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11);

TEST(FileKind, PagesByTheirExtensionWhenTheyAreText) {
    EXPECT_EQ(fileKindOf("index.htm", "<html><body>x</body></html>"), FileKind::Page);
    EXPECT_EQ(fileKindOf("INDEX.HTML", "plain words, no tags at all"), FileKind::Page);
    EXPECT_EQ(fileKindOf("vote.php", "<?php echo 1; ?>"), FileKind::Page);
    EXPECT_EQ(fileKindOf("news.asp", "<%@ Language=VBScript %>"), FileKind::Page);
    EXPECT_EQ(fileKindOf("part.shtml", ""), FileKind::Page);
    // Windows-1252 text is text.
    EXPECT_EQ(fileKindOf("old.htm", "<p>caf\xe9 \x93quoted\x94</p>"), FileKind::Page);
}

TEST(FileKind, TextThatIsMarkupIsAPageWhateverItsName) {
    EXPECT_EQ(fileKindOf("README", "\xEF\xBB\xBF  \r\n<!DOCTYPE html><html>"), FileKind::Page);
    EXPECT_EQ(fileKindOf("notes.txt", "<p>a paragraph</p>"), FileKind::Page);
    EXPECT_EQ(fileKindOf("notes.txt", "Q||A||3||B||1"), FileKind::Other);
    EXPECT_EQ(fileKindOf("site.css", "body { color: red }"), FileKind::Other);
    EXPECT_EQ(fileKindOf("a.js", "if (a < b) go();"), FileKind::Other);
    EXPECT_EQ(fileKindOf("less.txt", "< 3 is a heart"), FileKind::Other);
}

TEST(FileKind, PicturesByTheirBytesEvenUnderAPageName) {
    EXPECT_EQ(fileKindOf("images/logo.gif", kGif), FileKind::Picture);
    EXPECT_EQ(fileKindOf("logo.htm", kGif), FileKind::Picture);
    EXPECT_EQ(fileKindOf("photo", kPng), FileKind::Picture);
    EXPECT_EQ(fileKindOf("photo.JPG", kJpeg), FileKind::Picture);
    EXPECT_EQ(fileKindOf("drawing.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"),
              FileKind::Picture);
    // A picture's name on text is neither a picture nor a page.
    EXPECT_EQ(fileKindOf("fake.gif", "just words"), FileKind::Other);
}

TEST(FileKind, BinaryFilesAreNeverPages) {
    EXPECT_EQ(fileKindOf("archive.zip", std::string("PK\x03\x04\x14\x00\x00\x00", 8)),
              FileKind::Other);
    EXPECT_EQ(fileKindOf("data.htm", std::string("<html>\x00\x01\x02", 9)), FileKind::Other);
    // UTF-16 text has NULs between its letters; the page model reads bytes as ASCII-based.
    EXPECT_EQ(fileKindOf("wide.htm", std::string("<\0h\0t\0m\0l\0>\0", 12)), FileKind::Other);
}

TEST(FileKind, PageExtensions) {
    EXPECT_TRUE(hasPageExtension("shop/deep/Index.HTM"));
    EXPECT_TRUE(hasPageExtension("members.php"));
    EXPECT_FALSE(hasPageExtension("logo.gif"));
    EXPECT_FALSE(hasPageExtension("htm"));
    EXPECT_FALSE(hasPageExtension(".htm"));
    EXPECT_FALSE(hasPageExtension("folder.htm/readme"));
}

}  // namespace
}  // namespace norvel::host
