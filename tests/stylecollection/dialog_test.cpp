// The scroll-bar style editor opened on real pages: what its load reads and enables, the
// colours it reads back, and what it writes into pages whose head or style is unusual.
#include <gtest/gtest.h>

#include "tests/stylecollection/style_editor_fixture.h"

namespace norvel::style {
namespace {

class ScrollStyleDialogTest : public StyleEditorFixture {};

TEST_F(ScrollStyleDialogTest, OpensOnCurrentPageWithThePagesColoursAndItsLinkedSheets) {
    writePage("a.css", "body { scrollbar-face-color: #0000ff }");
    writePage("index.htm",
              page("<link rel=\"stylesheet\" href=\"a.css\"><style>p { margin: 0 }\r\n"
                   "body { scrollbar-base-color: #abc; scrollbar-arrow-color: #AaBbCc; "
                   "scrollbar-face-color: rgb(1,2,3); scrollbar-track-color: #123456 }</style>"));
    open("index.htm");
    EXPECT_EQ(runDialog(R"(
expect form "Norvel - Scrollbar color"
expect value OpLocSingle True
expect value OpLocAll False
expect value HexColor1.txtColor ""
expect value HexColor2.txtColor AaBbCc
expect value HexColor5.txtColor ""
expect value HexColor6.txtColor 123456
choose cmbStyle a.css
expect value HexColor5.txtColor 0000ff
expect value HexColor6.txtColor 123456
click cmdCancel
)"),
              "");
    EXPECT_EQ(transcript.str(),
              "form \"Norvel - Scrollbar color\" shown\n"
              "form \"Norvel - Scrollbar color\" closed\n");
}

TEST_F(ScrollStyleDialogTest, WithoutAWebAllPagesIsDisabledAndWithoutLinksTheList) {
    open("", false);
    app->newPage();
    EXPECT_EQ(runDialog("click OpLocAll\n"),
              "line 1: OptionButton 'OpLocAll' is disabled or hidden; cannot click");
    EXPECT_EQ(runDialog("click OpLocStyle\n"),
              "line 1: OptionButton 'OpLocStyle' is disabled or hidden; cannot click");
    // The current page works without a web.
    EXPECT_EQ(runDialog("set HexColor3.txtColor 010203\nclick cmdOK\n"), "");
    EXPECT_EQ(head().substr(head().find("<style>")),
              "<style>\r\nbody {scrollbar-highlight-color: #010203; }\r\n</style>");
}

TEST_F(ScrollStyleDialogTest, ValuesTheInputCannotShowSurviveAnApply) {
    writePage("index.htm", page("<style>body { scrollbar-base-color: #abc; "
                                "scrollbar-shadow-color: red; scrollbar-face-color: #00FF00 "
                                "}</style>"));
    open("index.htm");
    EXPECT_EQ(runDialog(R"(
expect value HexColor5.txtColor 00FF00
set HexColor5.txtColor ""
set HexColor6.txtColor 123456
click cmdOK
)"),
              "");
    EXPECT_EQ(head(),
              "<title>t</title><style>body { scrollbar-base-color: #abc; "
              "scrollbar-shadow-color: red; scrollbar-track-color: #123456; }\n"
              "html {scrollbar-color: #0b1f34 #123456;}</style>");
}

TEST_F(ScrollStyleDialogTest, APageWithoutHeadGetsOneAndNoOtherByteChanges) {
    writePage("bare.htm", "<p>only a paragraph</p>\n");
    open("bare.htm");
    EXPECT_EQ(runDialog("set HexColor1.txtColor ff0000\nclick cmdOK\n"), "");
    std::string html = app->ActiveDocument()->DocumentHTML();
    EXPECT_NE(html.find("<style>\r\nbody {scrollbar-base-color: #FF0000; }"), std::string::npos)
        << html;
    EXPECT_NE(html.find("<p>only a paragraph</p>\n"), std::string::npos);
    EXPECT_LT(html.find("</style>"), html.find("<p>only")) << html;
}

TEST_F(ScrollStyleDialogTest, AStyleElementInTheBodyOnlyLeavesTheHeadToGetItsOwnBlock) {
    writePage("index.htm", page("", "<style>body { color: red }</style><p>x</p>"));
    open("index.htm");
    EXPECT_EQ(runDialog("set HexColor5.txtColor 00ff00\nset HexColor6.txtColor 000000\n"
                        "click cmdOK\n"),
              "");
    EXPECT_EQ(app->ActiveDocument()->DocumentHTML(),
              "<html><head><title>t</title><style>\r\n"
              "body {scrollbar-face-color: #00FF00;scrollbar-track-color: #000000; }\r\n"
              "html {scrollbar-color: #00FF00 #000000;}\r\n"
              "</style></head><body><style>body { color: red }</style><p>x</p></body></html>");
}

TEST_F(ScrollStyleDialogTest, AFailingLoadIsReportedUnderNorvelSCAndTheDialogCloses) {
    open("", false);  // no page: the list of linked sheets cannot be read
    EXPECT_EQ(runDialog(""), "");
    std::string text = transcript.str();
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              "error \"NorvelSC\" \"Function LoadCombo in norvelsc\" 91 \"Object variable or "
              "With block variable not set: no page is open\"\n")
        << text;
    EXPECT_EQ(text.find("form \"Norvel - Scrollbar color\" shown"), std::string::npos);
}

TEST_F(ScrollStyleDialogTest, AnItemOtherThanOneIsNoForm) {
    writePage("index.htm", page(""));
    open("index.htm");
    auto entry = std::make_shared<clsLoad>(app->runtime());
    entry->LoadFrm("2");
    EXPECT_EQ(transcript.str(), "msgbox none \"\" \"Can't Locate Form\" -> ok\n");
}

}  // namespace
}  // namespace norvel::style
