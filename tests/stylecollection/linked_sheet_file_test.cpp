// Finding a linked sheet's file in the web from the address a page writes.
#include "stylecollection/linked_sheet_file.h"

#include <gtest/gtest.h>

#include "common/editor/web.h"
#include "tests/stylecollection/style_editor_fixture.h"

namespace norvel::style {
namespace {

class LinkedSheetFileTest : public StyleEditorFixture {
  protected:
    void SetUp() override {
        writePage("site.css", "");
        writePage("css/my sheet.css", "");
        writePage("a/b/page.htm", page(""));
        writePage("a/local.css", "");
        open("a/b/page.htm");
    }
    // The file found, relative to the web's root; "-" for none.
    std::string found(const std::string& href) {
        auto file = findLinkedSheetFile(*app, href);
        if (!file)
            return "-";
        return file->LocalPath().lexically_relative(web.path()).generic_string();
    }
};

TEST_F(LinkedSheetFileTest, AddressesAreReadFromThePagesFolderAsABrowserReadsThem) {
    EXPECT_EQ(found("../local.css"), "a/local.css");
    EXPECT_EQ(found("./../../site.css"), "site.css");
    EXPECT_EQ(found("/site.css"), "site.css");
    EXPECT_EQ(found("  /site.css?v=2#top "), "site.css");
    EXPECT_EQ(found("/css/my%20sheet.css"), "css/my sheet.css");
    EXPECT_EQ(found("..\\..\\site.css"), "site.css");
}

TEST_F(LinkedSheetFileTest, AddressesOutsideTheWebOrToNoFileFindNothing) {
    EXPECT_EQ(found("../../../outside.css"), "-");
    EXPECT_EQ(found("http://example.com/site.css"), "-");
    EXPECT_EQ(found("//example.com/site.css"), "-");
    EXPECT_EQ(found("file:///etc/passwd"), "-");
    EXPECT_EQ(found("missing.css"), "-");
    EXPECT_EQ(found("../"), "-");
    EXPECT_EQ(found("../../css"), "-") << "a folder is no sheet";
    EXPECT_EQ(found(""), "-");
}

TEST_F(LinkedSheetFileTest, WithoutAWebNothingIsFound) {
    app->closeWeb();
    EXPECT_EQ(found("/site.css"), "-");
}

}  // namespace
}  // namespace norvel::style
