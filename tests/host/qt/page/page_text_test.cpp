// A page's bytes as editor text and back: what each kind of byte shows as, and that every
// character leads back to exactly its own bytes.
#include <gtest/gtest.h>

#include <string>

#include "host/qt/page/page_text.h"
#include "tests/host/markup/corpus_pages.h"

namespace norvel::host::qt {
namespace {

TEST(QtPageText, LineBreaksOfEveryKindShowAsOneNewline) {
    PageText text(
        "a\r\nb\rc\nd\xE2\x80\xA8"
        "e");
    EXPECT_EQ(text.text(), QString("a\nb\nc\nd\ne"));
    // Each newline leads back to the start of its own bytes.
    EXPECT_EQ(text.byteOffset(1), 1u);  // CR LF
    EXPECT_EQ(text.byteOffset(2), 3u);  // b
    EXPECT_EQ(text.byteOffset(3), 4u);  // lone CR
    EXPECT_EQ(text.byteOffset(7), 8u);  // U+2028, three bytes
    EXPECT_EQ(text.byteOffset(8), 11u);
    EXPECT_EQ(text.textIndex(2), 1);  // the LF of CR LF belongs to its newline
    EXPECT_EQ(text.textIndex(10), 7);
}

TEST(QtPageText, Utf8DecodesAndStrayBytesReadAsWindows1252) {
    // é (2 bytes), U+1F600 (4 bytes, a surrogate pair), then two Windows-1252 quotes, a lone
    // Latin-1 é and a truncated sequence, whose bytes read one by one.
    PageText text("\xC3\xA9\xF0\x9F\x98\x80\x93q\x94\xE9\xE2\x82");
    QString expected = QString::fromUtf8("\xC3\xA9\xF0\x9F\x98\x80") + QChar(0x201C) + "q" +
                       QChar(0x201D) + QChar(0xE9) + QChar(0xE2) + QChar(0x201A);
    EXPECT_EQ(text.text(), expected);
    EXPECT_EQ(text.byteOffset(1), 2u);
    EXPECT_EQ(text.byteOffset(2), 2u);  // inside the pair: its start
    EXPECT_EQ(text.byteOffset(3), 6u);
    EXPECT_EQ(text.byteOffset(text.text().size()), 12u);
    EXPECT_EQ(text.textIndex(4), 1);  // inside the four bytes: the pair
    EXPECT_EQ(text.textIndex(6), 3);
    EXPECT_EQ(text.textIndex(100), text.text().size());
    // Overlong forms and encoded surrogates are no UTF-8: byte by byte.
    EXPECT_EQ(PageText("\xC0\xAF").text().size(), 2);
    EXPECT_EQ(PageText("\xED\xA0\x80").text().size(), 3);
}

TEST(QtPageText, CharactersATextDocumentWouldChangeShowAsStandIns) {
    PageText text(std::string("a\0b\xEF\xB7\x90", 6));
    EXPECT_EQ(text.text(), QString("a") + QChar(0x2400) + "b" + QChar(0xFFFD));
    EXPECT_EQ(text.byteOffset(3), 3u);
}

TEST(QtPageText, EveryCharacterOfEveryCorpusPageLeadsBackToItsBytes) {
    for (const auto& page : tests::corpusPages()) {
        SCOPED_TRACE(page.name);
        PageText text(page.bytes);
        size_t previous = 0;
        for (qsizetype i = 0; i < text.text().size(); ++i) {
            if (text.text()[i].isLowSurrogate())
                continue;
            size_t offset = text.byteOffset(i);
            ASSERT_TRUE(i == 0 || offset > previous) << i;
            ASSERT_EQ(text.textIndex(offset), i);
            previous = offset;
        }
        EXPECT_EQ(text.byteOffset(text.text().size()), page.bytes.size());
    }
}

TEST(QtPageText, TextBecomesUtf8WithThePagesLineBreak) {
    QString text = QString::fromUtf8("x\n\xC3\xA9\n");
    EXPECT_EQ(pageBytesFromText(text, "\r\n"), "x\r\n\xC3\xA9\r\n");
    EXPECT_EQ(pageBytesFromText(text, "\n"), "x\n\xC3\xA9\n");
    EXPECT_EQ(pageBytesFromText(QString(), "\r\n"), "");
    EXPECT_EQ(plainTextFromRaw(QString("a") + QChar::ParagraphSeparator + "b"), "a\nb");
}

}  // namespace
}  // namespace norvel::host::qt
