// Text typed into a paragraph becomes one splice of its markup: the run that changed is
// replaced, its tags stay, the text is escaped, and no other byte moves.
#include <gtest/gtest.h>

#include "host/qt/page/paragraph_splice.h"

namespace norvel::host::qt {
namespace {

// The paragraph after the edit, spliced into the whole of `html`.
std::string edited(const std::string& html, const QString& before, const QString& after,
                   bool utf8 = true) {
    auto splice = paragraphSplice(html, 0, html.size(), before, after, utf8);
    if (!splice)
        return "(no splice)";
    std::string out = html;
    out.replace(splice->begin, splice->end - splice->begin, splice->bytes);
    return out;
}

TEST(QtPageParagraphSplice, TypedTextJoinsTheTextBeforeIt) {
    const std::string html = "<p class=\"x\">Hello <b>big</b> world</p>";
    EXPECT_EQ(edited(html, "Hello big world", "Hello big new world"),
              "<p class=\"x\">Hello <b>big</b> new world</p>");
    EXPECT_EQ(edited(html, "Hello big world", "Hello bigger world"),
              "<p class=\"x\">Hello <b>bigger</b> world</p>");
    EXPECT_EQ(edited(html, "Hello big world", "Oh, Hello big world"),
              "<p class=\"x\">Oh, Hello <b>big</b> world</p>");
    EXPECT_EQ(edited(html, "Hello big world", "Hello big world!"),
              "<p class=\"x\">Hello <b>big</b> world!</p>");
}

TEST(QtPageParagraphSplice, RemovedTextKeepsTheTagsItSpanned) {
    const std::string html = "<p>Hello <b>big</b> world</p>";
    EXPECT_EQ(edited(html, "Hello big world", "Hello world"), "<p>Hello <b></b>world</p>");
    EXPECT_EQ(edited(html, "Hello big world", "Hexld"), "<p>Hex<b></b>ld</p>");
    // A line break is a character of the paragraph: removing it removes the <br>.
    EXPECT_EQ(edited("<p>one<br>\r\ntwo</p>", QString("one") + QChar(0x2028) + "two", "onetwo"),
              "<p>one\r\ntwo</p>");
}

TEST(QtPageParagraphSplice, ReadsEntitiesAndWhiteSpaceAsTheyAreShown) {
    const std::string html = "<p>\r\n  Tom &amp;\r\n    Jerry&nbsp;&#233;t&eacute;</p>";
    const QString shown = QString("Tom & Jerry") + QChar(0xA0) + QChar(0xE9) + "t" + QChar(0xE9);
    // The white space run that shows as one blank stays as it was when text is typed after it.
    EXPECT_EQ(
        edited(html, shown,
               QString("Tom & Jerry") + QChar(0xA0) + QChar(0xE9) + "t" + QChar(0xE9) + " 1940"),
        "<p>\r\n  Tom &amp;\r\n    Jerry&nbsp;&#233;t&eacute; 1940</p>");
    // Removing across entities and a run of white space removes their bytes whole.
    EXPECT_EQ(edited(html, shown, QString("Tom") + QChar(0xA0) + "Jerry"),
              "<p>\r\n  Tom&nbsp;Jerry</p>");
}

TEST(QtPageParagraphSplice, EscapesWhatIsTypedForThePage) {
    const std::string html = "<p>a</p>";
    EXPECT_EQ(edited(html, "a", QString("a <b>&amp;</b> \"q\" ") + QChar(0xE9) + "-->"),
              "<p>a &lt;b&gt;&amp;amp;&lt;/b&gt; \"q\" \xC3\xA9--&gt;</p>");
    EXPECT_EQ(
        edited(html, "a", QString("a") + QChar(0xE9) + QString::fromUcs4(U"\U0001F600"), false),
        "<p>a&#233;&#128512;</p>");
    EXPECT_EQ(edited(html, "a", QString("a") + QChar(0xA0) + QChar(0x2028) + "b"),
              "<p>a&nbsp;<br>b</p>");
}

TEST(QtPageParagraphSplice, RefusesTextThatIsNotThePagesOwn) {
    EXPECT_FALSE(paragraphSplice("<p>Hello</p>", 0, 12, "Other", "Others", true));
    EXPECT_FALSE(paragraphSplice("<p>Hello</p>", 0, 12, "Hello", "Hello", true));
    // Only the paragraph's own bytes are read: a splice never reaches outside them.
    const std::string page = "<p>One</p><p>Two</p>";
    auto splice = paragraphSplice(page, 10, page.size(), "Two", "Twos", true);
    ASSERT_TRUE(splice);
    EXPECT_EQ(splice->begin, 16u);
    EXPECT_EQ(splice->bytes, "s");
}

}  // namespace
}  // namespace norvel::host::qt
