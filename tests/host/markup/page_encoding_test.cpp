// Pages in their own encodings: what they declare, text read from them as UTF-8, text written
// into them in their encoding (character references for what it cannot hold), and every byte
// outside an edit kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/atomic_file.h"
#include "host/editor/host_document.h"
#include "host/markup/page_encoding.h"
#include "tests/host/markup/corpus_pages.h"
#include "tests/support/temporary_folder.h"

namespace norvel::host {
namespace {

const std::string kLatinHead =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<title>R\xE9sum\xE9</title></head>";

TEST(PageEncoding, ReadsTheByteOrderMarkOrTheMetaCharsetElseTheWebsDefault) {
    EXPECT_EQ(declaredEncodingLabel("\xEF\xBB\xBF<meta charset=latin1>"), "UTF-8");
    EXPECT_EQ(declaredEncodingLabel("<head><META CharSet = 'ISO-8859-1'>"), "ISO-8859-1");
    EXPECT_EQ(declaredEncodingLabel(kLatinHead), "windows-1252");
    EXPECT_EQ(declaredEncodingLabel("<!-- <meta charset=koi8-r> --><p>"), "");
    EXPECT_EQ(declaredEncodingLabel("<script>'<meta charset=koi8-r>'</script>"), "");
    EXPECT_EQ(declaredEncodingLabel(std::string(1100, ' ') + "<meta charset=koi8-r>"), "");

    EXPECT_EQ(PageEncoding::ofPage(kLatinHead, "UTF-8").name(), "WINDOWS-1252");
    EXPECT_EQ(PageEncoding::ofPage("<meta charset=\"iso-8859-1\">", "UTF-8").name(),
              "WINDOWS-1252");  // as browsers read Latin-1
    EXPECT_EQ(PageEncoding::ofPage("<meta charset=koi8-r>", "UTF-8").name(), "koi8-r");
    EXPECT_TRUE(PageEncoding::ofPage("<p>no declaration</p>", "UTF-8").isUtf8());
    EXPECT_EQ(PageEncoding::ofPage("<p>no declaration</p>", "windows-1252").name(), "WINDOWS-1252");
    // Unknown, not ASCII-compatible or trick labels fall back to the web's default.
    for (const char* label :
         {"no-such-encoding", "utf-16le", "UTF-32", "utf-8//IGNORE", "UTF-7", "x-user-defined", ""})
        EXPECT_TRUE(
            PageEncoding::ofPage(std::string("<meta charset=\"") + label + "\">", "UTF-8").isUtf8())
            << label;
}

TEST(PageEncoding, WritesWhatTheEncodingHoldsAndReferencesForTheRest) {
    PageEncoding latin("WINDOWS-1252");
    EXPECT_EQ(latin.encode("\u00dcber caf\u00e9 \u20ac \u2192 \U0001F600"),
              "\xDC"
              "ber caf\xE9 \x80 &#8594; &#128512;");
    EXPECT_EQ(latin.decode("\xDC"
                           "ber caf\xE9 \x80"),
              "\u00dcber caf\u00e9 \u20ac");
    PageEncoding cyrillic("koi8-r");
    EXPECT_EQ(cyrillic.decode(cyrillic.encode("\u041f\u0440\u0438\u0432\u0435\u0442 \u00e9")),
              "\u041f\u0440\u0438\u0432\u0435\u0442 &#233;");
    PageEncoding japanese = PageEncoding::ofPage("<meta charset=Shift_JIS>", "UTF-8");
    EXPECT_EQ(japanese.name(), "CP932");
    std::string text = "\u65e5\u672c\u8a9e <b>&amp;</b> C:\\dir ~";
    EXPECT_EQ(japanese.decode(japanese.encode(text)), text);
    // A character written as a look-alike would not be what was typed.
    EXPECT_EQ(japanese.encode("\u00a3"), "&#163;");
}

TEST(PageEncoding, BytesTheEncodingDoesNotDefineComeBackUnchanged) {
    PageEncoding latin("WINDOWS-1252");
    const std::string bytes = "a\x81 b\x8D\x8F\x90\x9D\xFF z";
    std::vector<size_t> offsets;
    std::string text = latin.decode(bytes, offsets);
    EXPECT_EQ(latin.encode(text), bytes);
    ASSERT_EQ(offsets.size(), text.size() + 1);
    EXPECT_EQ(offsets.back(), bytes.size());
    EXPECT_EQ(latin.reencodeEdited(bytes, text + "\u00e9"), bytes + "\xE9");
    EXPECT_EQ(latin.reencodeEdited(bytes, "\u00e9" + text), "\xE9" + bytes);
}

TEST(PageEncoding, AnEditRewritesOnlyTheSpanThatChanged) {
    PageEncoding latin("WINDOWS-1252");
    const std::string bytes = "<p>caf\xE9 \x81 na\xEFve</p>";
    std::string text = latin.decode(bytes);
    std::string edited = text;
    edited.replace(edited.find("na"), 2, "\u2192 N");
    EXPECT_EQ(latin.reencodeEdited(bytes, edited), "<p>caf\xE9 \x81 &#8594; N\xEFve</p>");
    EXPECT_EQ(latin.reencodeEdited(bytes, text), bytes);
    EXPECT_EQ(latin.reencodeEdited(bytes, ""), "");
    // Replacing one accented letter by another (they share their UTF-8 lead byte).
    std::string swapped = text;
    swapped.replace(swapped.find("\u00e9"), 2, "\u00e8");
    EXPECT_EQ(latin.reencodeEdited(bytes, swapped), "<p>caf\xE8 \x81 na\xEFve</p>");
}

class EncodedPage : public ::testing::Test {
  protected:
    std::shared_ptr<HostDocument> open(const std::string& bytes) {
        std::filesystem::path file = web.path() / "page.htm";
        common::writeFileAtomically(file, bytes);
        return HostDocument::load(file, web.path());
    }
    tests::TemporaryFolder web;
};

TEST_F(EncodedPage, PastedTextIsWrittenInThePagesEncoding) {
    const std::string page = kLatinHead + "<body><p>caf\xE9</p></body></html>";
    auto document = open(page);
    EXPECT_EQ(document->encoding().name(), "WINDOWS-1252");
    EXPECT_EQ(document->bodyInnerHTML(), "<p>caf\u00e9</p>");
    document->caretAtBodyEnd();
    document->pasteHTML("<p>\u00dcber caf\u00e9 \u2192</p>");
    std::string expected = kLatinHead +
                           "<body><p>caf\xE9</p><p>\xDC"
                           "ber caf\xE9 &#8594;</p></body></html>";
    EXPECT_EQ(document->page().html(), expected);
    EXPECT_EQ(document->bodyInnerText(), "caf\u00e9\u00dcber caf\u00e9 \u2192");

    // The head read, extended and written back: its old bytes stay as they were.
    document->setHeadInnerHTML(document->headInnerHTML() + "<meta name=\"a\" content=\"\u00e9\">");
    EXPECT_NE(document->page().html().find(
                  "<title>R\xE9sum\xE9</title><meta name=\"a\" content=\"\xE9\">"),
              std::string::npos);
}

TEST_F(EncodedPage, AUtf8PageOrOneWithoutDeclarationTakesUtf8AsBefore) {
    for (std::string page : {std::string("<p>x</p>"), std::string("\xEF\xBB\xBF<p>x</p>"),
                             std::string("<meta charset=utf-8><p>x\xFF</p>")}) {
        auto document = open(page);
        EXPECT_TRUE(document->encoding().isUtf8());
        document->caretAtBodyEnd();
        document->pasteHTML("\u00dc\u2192");
        EXPECT_NE(document->page().html().find("\u00dc\u2192"), std::string::npos);
    }
}

TEST(PageEncoding, AnyBytesReadInASingleByteEncodingKeepThemAroundAnInsertion) {
    for (const auto& corpus : tests::corpusPages()) {
        SCOPED_TRACE(corpus.name);
        for (std::string name : {"WINDOWS-1252", "koi8-r"}) {
            PageEncoding encoding(name);
            std::string held = name == "koi8-r" ? "&#233;" : "\u00e9";
            std::string text = encoding.decode(corpus.bytes);
            EXPECT_EQ(encoding.reencodeEdited(corpus.bytes, text), corpus.bytes);
            size_t middle = text.size() / 2;
            while (middle > 0 && (static_cast<unsigned char>(text[middle]) & 0xC0) == 0x80)
                --middle;
            std::string edited = text.substr(0, middle) + "<b>\u00e9</b>" + text.substr(middle);
            std::string written = encoding.reencodeEdited(corpus.bytes, edited);
            EXPECT_EQ(encoding.decode(written),
                      text.substr(0, middle) + "<b>" + held + "</b>" + text.substr(middle));
            // The page is its old bytes with the new ones inserted somewhere.
            std::string inserted = encoding.encode("<b>\u00e9</b>");
            ASSERT_EQ(written.size(), corpus.bytes.size() + inserted.size());
            size_t same = 0;
            while (same < corpus.bytes.size() && written[same] == corpus.bytes[same])
                ++same;
            size_t sameAtEnd = 0;
            while (sameAtEnd < corpus.bytes.size() &&
                   written[written.size() - 1 - sameAtEnd] ==
                       corpus.bytes[corpus.bytes.size() - 1 - sameAtEnd])
                ++sameAtEnd;
            EXPECT_GE(same + sameAtEnd, corpus.bytes.size());
        }
    }
}

}  // namespace
}  // namespace norvel::host
