// Where the head and body lie: the fast scan for the usual page, the tree for anything a
// browser could build differently, with implied parts where a browser puts them.
#include <gtest/gtest.h>

#include <string>

#include "host/markup/page_skeleton.h"

namespace norvel::host {
namespace {

struct Expected {
    std::string head;  // the head's content, or for an empty one the text right after it
    std::string body;  // the same for the body
    bool headWritten;
    bool bodyWritten;
    bool fromScan;
};

// `where` names an empty range by what follows it ("^</html>"), else the range's content.
void expectRange(const std::string& html, size_t begin, size_t end, const std::string& where) {
    if (where.starts_with("^")) {
        EXPECT_EQ(begin, end);
        EXPECT_EQ(html.substr(begin), where.substr(1));
    } else {
        EXPECT_EQ(html.substr(begin, end - begin), where);
    }
}

void expectSkeleton(const std::string& html, const Expected& expected) {
    SCOPED_TRACE(html);
    PageSkeleton s = findPageSkeleton(html);
    expectRange(html, s.headInnerBegin, s.headInnerEnd, expected.head);
    expectRange(html, s.bodyInnerBegin, s.bodyInnerEnd, expected.body);
    EXPECT_EQ(s.headWritten, expected.headWritten);
    EXPECT_EQ(s.bodyWritten, expected.bodyWritten);
    EXPECT_EQ(s.fromScan, expected.fromScan);
}

TEST(MarkupSkeleton, TheScanPlacesTheUsualPage) {
    expectSkeleton(
        "\xEF\xBB\xBF<!DOCTYPE html>\r\n<!-- c --><HTML><Head>\r\n<title>t</title>"
        "</HEAD>\r\n<!-- between -->\r\n<BODY bgcolor=white>x</BODY>\r\n</HTML>\r\n",
        {"\r\n<title>t</title>", "x", true, true, true});
    expectSkeleton(
        "<html><head><noscript><style>p{}</style></noscript><script>if(a<b)"
        "document.write('</head><body>')</script></head><body><table><tr><td>"
        "<select><option>x</select></td></tr></table></body><!-- end --></html>",
        {"<noscript><style>p{}</style></noscript><script>if(a<b)document.write("
         "'</head><body>')</script>",
         "<table><tr><td><select><option>x</select></td></tr></table>", true, true, true});
}

TEST(MarkupSkeleton, TheTreeDecidesWhereABrowserCouldDiffer) {
    // A </body> inside a table is ignored: the body ends at the second one.
    expectSkeleton("<head></head><body><table><tr><td>a</body>b</table>c</body></html>",
                   {"^</head><body><table><tr><td>a</body>b</table>c</body></html>",
                    "<table><tr><td>a</body>b</table>c", true, true, false});
    // So is one while an object is open: the body has no end tag then.
    expectSkeleton(
        "<head></head><body><object><param></body></html>",
        {"^</head><body><object><param></body></html>", "<object><param>", true, true, false});
    // Inside a head's noscript, </head> is ignored; the head ends with its last element.
    expectSkeleton("<html><head><noscript><link></head><body>x</body></html>",
                   {"<noscript><link>", "x", true, true, false});
    // Text in the head starts an implied body, which the later <body> tag only joins.
    expectSkeleton("<head><title>t</title>words<meta></head><body>x</body>",
                   {"<title>t</title>", "words<meta></head><body>x", true, false, false});
    // Content after </body> goes into the body, but the body's end tag stays where it was.
    expectSkeleton("<head></head><body>a</body>\n<p>b</p>",
                   {"^</head><body>a</body>\n<p>b</p>", "a", true, true, false});
    // A Windows-1252 byte after '<' is text, as the U+FFFD a browser reads there: it ends
    // the head (gumbo is not given a '?', which would make "<?" a bogus comment).
    expectSkeleton("<head><\xE9></head><body>x</body>",
                   {"^<\xE9></head><body>x</body>", "<\xE9></head><body>x", true, false, false});
    // gumbo (unlike browsers) implies the head at a second <html> before it: its answer holds.
    expectSkeleton("<html><html><head><title>t</title></head><body>x</body></html>",
                   {"<title>t</title>", "x", false, true, false});
    // A frameset takes the body's place.
    expectSkeleton(
        "<head></head><frameset><frame src=a></frameset>",
        {"^</head><frameset><frame src=a></frameset>", "<frame src=a>", true, true, false});
}

TEST(MarkupSkeleton, ImpliedPartsLieWhereTheBrowserImpliesThem) {
    // An empty implied head follows the doctype, comments and <html> tag that open the page.
    expectSkeleton("<!DOCTYPE html>\n<!-- c -->\n<html>\n<!-- d -->\n<p>x",
                   {"^\n<p>x", "<p>x", false, false, false});
    // Head content written without <head> is the implied head's.
    expectSkeleton("<title>t</title>\n<link rel=x>\n<p>y</p>\n",
                   {"<title>t</title>\n<link rel=x>\n", "<p>y</p>\n", false, false, false});
    // An empty implied body goes before </body> or </html>, or at the end.
    expectSkeleton("<html><head></head></html>",
                   {"^</head></html>", "^</html>", true, false, false});
    expectSkeleton("<html><head></head></body></html>",
                   {"^</head></body></html>", "^</body></html>", true, false, false});
    expectSkeleton("", {"^", "^", false, false, false});
    expectSkeleton("Q||A||3\r\n", {"^Q||A||3\r\n", "Q||A||3\r\n", false, false, false});
    // A text node gumbo runs over an ignored end tag ends with its last text.
    expectSkeleton("<html><body><p>a</x>b\n</html>\n",
                   {"^<body><p>a</x>b\n</html>\n", "<p>a</x>b\n", false, true, false});
    // A byte order mark is no text: gumbo is given blanks for it.
    std::string bom = "\xEF\xBB\xBF<title>t</title><p>x";
    expectSkeleton(bom, {"<title>t</title>", "<p>x", false, false, false});
}

TEST(MarkupSkeleton, TheTreeAgreesWithTheScanWhereTheScanDecides) {
    for (std::string html : {
             std::string("\xEF\xBB\xBF<html><head><title>a</title></head><body>b</body></html>"),
             std::string("<head><title>x\0</title></head><body>\0</body>", 44),
             std::string("<head><style>a</style ></head>\n<body \n>\n<xmp></body></xmp></body>"),
             std::string("<head></head><body><table><table></table></table></body>"),
             // gumbo counts a dropped "</>" into the tag after it
             std::string("<head></><title>t</title></></head></><body>x</></body>"),
         }) {
        SCOPED_TRACE(html);
        PageSkeleton scanned;
        ASSERT_TRUE(scanPageSkeleton(html, scanned));
        PageSkeleton tree = findPageSkeletonWithGumbo(html);
        tree.fromScan = true;
        EXPECT_EQ(scanned, tree);
    }
}

}  // namespace
}  // namespace norvel::host
