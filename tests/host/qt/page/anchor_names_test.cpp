// The Normal view reads pages without the anchors that made Qt's rich text slow: which
// attributes go, which stay, and that nothing else in the markup changes.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "host/qt/page/anchor_names.h"
#include "host/qt/page/normal_view.h"
#include "tests/host/qt/page/page_view_fixture.h"

namespace norvel::host::qt {
namespace {

QString strip(const QString& html, const QSet<QString>& kept = {}) {
    return withoutAnchorNames(html, kept);
}

TEST(QtPageAnchorNames, RemovesIdsAndLinkNamesOnly) {
    EXPECT_EQ(strip("<p id=\"a\" class=\"x\">t</p>"), "<p class=\"x\">t</p>");
    EXPECT_EQ(strip("<P ID='a'>t</P><div Id=b>u</div>"), "<P>t</P><div>u</div>");
    EXPECT_EQ(strip("<a name=\"top\" href=\"#top\">up</a>"), "<a href=\"#top\">up</a>");
    // name on anything but a link is a form field's name, and ids that are only part of a
    // longer attribute name stay.
    EXPECT_EQ(strip("<input name=\"q\"><p data-id=\"7\" idx=\"1\">"),
              "<input name=\"q\"><p data-id=\"7\" idx=\"1\">");
    EXPECT_EQ(strip("<abbr name=\"n\">x</abbr>"), "<abbr name=\"n\">x</abbr>");
}

TEST(QtPageAnchorNames, ReadsQuotesBlanksAndTagEndsAsABrowserDoes) {
    // A '>' inside a quoted value does not end the tag; line breaks separate attributes.
    EXPECT_EQ(strip("<p title=\"a > b\"\r\n id=\"x\"\tstyle='c'>t</p>"),
              "<p title=\"a > b\"\tstyle='c'>t</p>");
    // An unquoted value runs to a blank or the tag's end, a '/' included.
    EXPECT_EQ(strip("<img id = \"i\" src=a.gif/><br id=b/><hr id=\"c\"/>"),
              "<img src=a.gif/><br><hr/>");
    EXPECT_EQ(strip("<p id>t</p>"), "<p>t</p>");
    // Text, comments (the webbot markers among them) and stray '<' stay as they are.
    const QString untouched =
        "<!-- <p id=\"c\"> --><!--webbot bot=\"x\" id=\"y\" -->a < b <3 <= id=\"z\"";
    EXPECT_EQ(strip(untouched), untouched);
    // A tag cut off at the end loses its id and keeps the rest.
    EXPECT_EQ(strip("<p class=x id=\"y"), "<p class=x");
}

TEST(QtPageAnchorNames, KeepsTheIdsTheStyleSelects) {
    const QSet<QString> named = idsNamedInStyle("#intro { color: #336 } p#note.big{}\n#a-b_c{}");
    EXPECT_EQ(named, (QSet<QString>{"intro", "336", "note", "a-b_c"}));
    EXPECT_EQ(strip("<p id=\"intro\">a</p><p id=\"other\">b</p>", named),
              "<p id=\"intro\">a</p><p>b</p>");
}

using QtPageNormalViewAnchors = PageViewFixture;

TEST_F(QtPageNormalViewAnchors, DrawsAPageOfIdsWithoutAnchorsAndWithItsIdStyles) {
    std::string body;
    for (int i = 0; i < 300; ++i)
        body += "<p id=\"p" + std::to_string(i) + "\">Line " + std::to_string(i) + "</p>\r\n";
    body += "<p id=\"marked\">Marked</p>";
    auto window =
        openPage("ids.htm", htmlPage(body, "<style>#marked { color: #ff0000 }</style>\r\n"));
    auto view = showWindow(window);
    QTextDocument* shown = view->normalView()->document();
    int anchors = 0;
    QTextBlock marked;
    for (QTextBlock b = shown->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            anchors += it.fragment().charFormat().anchorNames().size();
        if (b.text() == "Marked")
            marked = b;
    }
    // Only the id the style selects is still there, and its rule applies.
    EXPECT_EQ(anchors, 1);
    ASSERT_TRUE(marked.isValid());
    EXPECT_EQ(marked.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(shown->toPlainText().contains("Line 299"));
}

}  // namespace
}  // namespace norvel::host::qt
