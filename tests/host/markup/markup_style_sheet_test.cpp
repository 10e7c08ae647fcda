// A page's style sheets through the editor's document: STYLE elements edited inside the page,
// linked .css files of the web edited on disk, and nothing written outside the web.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "common/error.h"
#include "host/editor/host_document.h"
#include "tests/host/markup/corpus_pages.h"
#include "tests/support/temporary_folder.h"

namespace norvel::host {
namespace {

namespace fs = std::filesystem;
using namespace common::errnum;

int errorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const common::Error& error) {
        return error.number();
    }
    return 0;
}

class MarkupStyleSheet : public ::testing::Test {
  protected:
    fs::path write(const std::string& relative, const std::string& bytes) {
        fs::path path = web_.path() / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::shared_ptr<HostDocument> open(const std::string& relative, const std::string& bytes) {
        return HostDocument::load(write(relative, bytes), web_.path());
    }

    tests::TemporaryFolder web_;
    tests::TemporaryFolder outside_;
};

const std::string kStylePage =
    "<html><head>\r\n<style type=\"text/css\">\r\np { margin: 0 }\r\n"
    ".warn { color: red; font-weight: bold }\r\n</style>\r\n</head>"
    "<body><p class=\"warn\">x</p></body></html>\r\n";

TEST_F(MarkupStyleSheet, StyleElementRulesChangeOnlyTheElementsText) {
    auto document = open("page.htm", kStylePage);
    ASSERT_EQ(document->styleSheetsLength(), 1);
    auto sheet = document->styleSheet(0);
    EXPECT_EQ(sheet->href(), "");
    ASSERT_EQ(sheet->rulesLength(), 2);
    auto warn = sheet->rule(1);
    EXPECT_EQ(warn->selectorText(), ".warn");
    auto style = warn->style();
    EXPECT_EQ(style->getAttribute("color"), "red");

    style->setAttribute("color", "blue");
    style->removeAttribute("font-weight");
    sheet->addRule("h1", "color: green", -1);

    const std::string before = "<html><head>\r\n<style type=\"text/css\">";
    const std::string after = "</style>\r\n</head><body><p class=\"warn\">x</p></body></html>\r\n";
    std::string html = document->DocumentHTML();
    ASSERT_TRUE(html.starts_with(before));
    ASSERT_TRUE(html.ends_with(after));
    std::string text = html.substr(before.size(), html.size() - before.size() - after.size());
    EXPECT_EQ(text.find("red"), std::string::npos);
    EXPECT_EQ(text.find("font-weight"), std::string::npos);
    EXPECT_NE(text.find("p { margin: 0 }\r\n"), std::string::npos);
    EXPECT_EQ(style->getAttribute("color"), "blue");
    EXPECT_FALSE(style->getAttribute("font-weight").has_value());
    EXPECT_EQ(document->styleSheet(0)->rulesLength(), 3);
    EXPECT_EQ(document->styleSheet(0)->rule(2)->style()->getAttribute("color"), "green");
    EXPECT_TRUE(document->modified());
}

TEST_F(MarkupStyleSheet, AStyleElementsTextCannotTakeItsEndTag) {
    auto document = open("page.htm", kStylePage);
    auto style = document->styleSheet(0)->rule(0)->style();
    EXPECT_EQ(errorNumberOf([&] { style->setAttribute("content", "'</style><b>'"); }),
              kInvalidCall);
    EXPECT_EQ(errorNumberOf([&] { document->styleSheet(0)->addRule("p", "x: '</STYLE >'", -1); }),
              kInvalidCall);
    EXPECT_EQ(document->DocumentHTML(), kStylePage);
    EXPECT_EQ(style->getAttribute("margin"), "0");  // the handle still works
}

TEST_F(MarkupStyleSheet, ALinkedSheetOfTheWebIsWrittenBackToItsFile) {
    fs::path css = write("styles/site.css", "body { color: black }\n");
    const std::string page =
        "<html><head><link rel=\"StyleSheet\" href=\"../styles/site.css?v=1\"></head>"
        "<body></body></html>";
    auto document = open("sub/page.htm", page);
    auto sheet = document->styleSheet(0);
    EXPECT_EQ(sheet->href(), "../styles/site.css?v=1");
    ASSERT_EQ(sheet->rulesLength(), 1);
    sheet->rule(0)->style()->setAttribute("color", "white");
    EXPECT_EQ(tests::readBytes(css), "body { color: white }\n");
    EXPECT_EQ(document->DocumentHTML(), page);
    EXPECT_FALSE(document->modified());
}

TEST_F(MarkupStyleSheet, ANewLinkedSheetIsLinkedInTheHeadAndWrittenInTheWeb) {
    auto document = open("page.htm", "<html><head><title>t</title></head><body></body></html>");
    auto sheet = document->createStyleSheet("css/new.css", -1);
    EXPECT_EQ(sheet->href(), "css/new.css");
    sheet->addRule("p", "color: red", -1);
    EXPECT_NE(tests::readBytes(web_.path() / "css/new.css").find("p {color: red}"),
              std::string::npos);
    EXPECT_EQ(
        document->headInnerHTML(),
        "<title>t</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"css/new.css\">\n");
    EXPECT_EQ(errorNumberOf([&] { document->createStyleSheet("b.css", 0); }), kInvalidCall);
}

TEST_F(MarkupStyleSheet, NothingIsReadOrWrittenThroughALinkLeadingOutOfTheWeb) {
    std::ofstream(outside_.path() / "outside.css") << "p { color: red }";
    fs::create_directory_symlink(outside_.path(), web_.path() / "ext");
    std::string relative = fs::relative(outside_.path() / "outside.css", web_.path()).string();
    for (const std::string& href :
         {relative, std::string("ext/outside.css"), std::string("/../") + relative,
          std::string("%2e%2e/") + relative, "file://" + (outside_.path() / "outside.css").string(),
          std::string("http://example.com/outside.css")}) {
        SCOPED_TRACE(href);
        auto document = open("page.htm", "<html><head><link rel=stylesheet href=\"" + href +
                                             "\"></head><body></body></html>");
        EXPECT_TRUE(document->linkedSheetPath(href).empty());
        auto sheet = document->styleSheet(0);
        EXPECT_EQ(sheet->rulesLength(), 0);
        EXPECT_EQ(errorNumberOf([&] { sheet->addRule("b", "color: blue", -1); }),
                  kPermissionDenied);
        EXPECT_EQ(tests::readBytes(outside_.path() / "outside.css"), "p { color: red }");
    }
}

TEST_F(MarkupStyleSheet, LinkAddressesNameFilesOfTheWeb) {
    auto document = open("sub/page.htm", "");
    fs::path root = fs::canonical(web_.path());
    EXPECT_EQ(document->linkedSheetPath(" a.css "), root / "sub/a.css");
    EXPECT_EQ(document->linkedSheetPath("/css/a.css#x"), root / "css/a.css");
    EXPECT_EQ(document->linkedSheetPath("my%20sheet.css"), root / "sub/my sheet.css");
    EXPECT_EQ(document->linkedSheetPath("..\\css\\old.css"), root / "css/old.css");
    for (const std::string& href : {"", "#top", "css/", "..", "//host/a.css", "c:/a.css"})
        EXPECT_TRUE(document->linkedSheetPath(href).empty()) << href;
}

}  // namespace
}  // namespace norvel::host
