// The dialogs driven as a person would, on real pages: what the sessions cannot reach easily
// (many pictures, many messages, a picture chosen through a linked folder, an unknown item).
#include <gtest/gtest.h>

#include "common/dispatch.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/editor/webbot_rebuild.h"
#include "host/markup/webbot_block.h"
#include "scriptcollection/cls_load.h"
#include "scriptcollection/frm_add_to_favor2.h"
#include "scriptcollection/frm_news_ticker.h"
#include "scriptcollection/frm_slide.h"
#include "tests/scriptcollection/script_editor_fixture.h"

namespace norvel::script {
namespace {

// The dialogs fill the real templates of the suite.
class ScriptDialogs : public ScriptEditorFixture {
  protected:
    ScriptDialogs() { engineTemplates = NORVEL_SCRIPT_TEMPLATES; }
    void queueFile(const std::filesystem::path& path) {
        auto actions = host::parseSessionScript("file \"" + path.string() + "\"\n");
        ASSERT_TRUE(ui.handleAnswerOrCheck(actions.at(0)));
    }
    void queueAnswer(const std::string& answer) {
        auto actions = host::parseSessionScript("answer " + answer + "\n");
        ASSERT_TRUE(ui.handleAnswerOrCheck(actions.at(0)));
    }
};

TEST_F(ScriptDialogs, SlideShowTakesMoreThanSeventyOnePictures) {
    auto engine = openPage("index.htm");
    frmSlide dialog(app->runtime(), engine);
    dialog.Load();
    for (int i = 0; i < 80; ++i) {
        std::string name = "pic" + std::to_string(i) + ".gif";
        writeTemplate("pictures/" + name, "GIF" + std::to_string(i));
        dialog.lstPic.addItem(name);
        dialog.PicturePaths.push_back((templates.path() / "pictures" / name).string());
    }
    ASSERT_TRUE(dialog.cmdDoit.userClick());
    EXPECT_EQ(transcript.str().find("error"), std::string::npos) << transcript.str();
    EXPECT_EQ(readWebFile("slide_img/pic79.gif"), "GIF79");
    EXPECT_NE(body().find("photos_NV[0][79] = \"slide_img/pic79.gif\""), std::string::npos);
}

TEST_F(ScriptDialogs, SlideShowKeepsPathsBesideTheirEntriesWhenMovedOrRemoved) {
    auto engine = openPage("index.htm");
    frmSlide dialog(app->runtime(), engine);
    dialog.Load();
    for (std::string name : {"a.gif", "b.gif", "c.gif"}) {
        dialog.lstPic.addItem(name);
        dialog.PicturePaths.push_back("/local/" + name);
    }
    dialog.lstPic.userChoose(2);
    dialog.cmdUp.userClick();  // a c b
    dialog.lstPic.userChoose(0);
    dialog.cmdDown.userClick();  // c a b
    dialog.lstPic.userChoose(2);
    dialog.cmdDown.userClick();  // last: nothing
    dialog.lstPic.userChoose(1);
    dialog.cmdRemove.userClick();  // c b
    ASSERT_EQ(dialog.lstPic.listCount(), 2);
    EXPECT_EQ(dialog.lstPic.list(0), "c.gif");
    EXPECT_EQ(dialog.lstPic.list(1), "b.gif");
    EXPECT_EQ(dialog.PicturePaths, (std::vector<std::string>{"/local/c.gif", "/local/b.gif"}));
}

TEST_F(ScriptDialogs, FavouritePictureReachedThroughALinkedFolderIsTheWebsOwnCopy) {
    writePage("images/star.gif", "web copy");
    auto engine = openPage("index.htm");
    std::filesystem::create_directory_symlink(web.path() / "images", config.path() / "linked");
    frmAddToFavor2 dialog(app->runtime(), engine);
    dialog.Load();
    dialog.opType1.userClick();
    queueFile(config.path() / "linked" / "star.gif");
    dialog.cmdBrowse.userClick();
    EXPECT_EQ(dialog.txtType.text(), "images/star.gif");
    EXPECT_EQ(transcript.str().find("already exist"), std::string::npos) << transcript.str();

    // Another file of the same name asks first; No leaves the field as it was.
    writeTemplate("other/star.gif", "another picture");
    dialog.txtType.setText("");
    queueFile(templates.path() / "other" / "star.gif");
    queueAnswer("no");
    dialog.cmdBrowse.userClick();
    EXPECT_EQ(dialog.txtType.text(), "");
    EXPECT_NE(transcript.str().find("The image star.gif already exist"), std::string::npos);
    EXPECT_EQ(readWebFile("images/star.gif"), "web copy");
}

TEST_F(ScriptDialogs, FavouritePictureWithoutAnImagesFolderIsAnErrorAndImportsNothing) {
    auto engine = openPage("index.htm");
    writeTemplate("pictures/star.gif", "picture");
    frmAddToFavor2 dialog(app->runtime(), engine);
    dialog.Load();
    // Centred over the editor's main window (12000 x 9000 twips in the stand-in).
    EXPECT_EQ(dialog.left, (12000 - dialog.width()) / 2);
    EXPECT_EQ(dialog.top, (9000 - dialog.height()) / 2);
    dialog.opType1.userClick();
    queueFile(templates.path() / "pictures" / "star.gif");
    dialog.cmdBrowse.userClick();
    EXPECT_NE(transcript.str().find("error \"NorvelJS\" \"Function FileExist in "),
              std::string::npos)
        << transcript.str();
    EXPECT_FALSE(std::filesystem::exists(web.path() / "images"));
    EXPECT_EQ(dialog.txtType.text(), "");
}

TEST_F(ScriptDialogs, FadingMessagesEditTheMessageTheEntryNames) {
    auto engine = openPage("index.htm");
    frmNewsTicker dialog(app->runtime(), engine);
    dialog.Load();
    for (int i = 1; i <= 12; ++i) {
        dialog.MsgText.userSetText("text " + std::to_string(i));
        dialog.cmdAdd.userClick();
    }
    ASSERT_EQ(dialog.lstMessages.listCount(), 12);
    dialog.lstMessages.userChoose(11);
    EXPECT_EQ(dialog.MsgText.text(), "text 12");
    dialog.MsgText.userSetText("twelfth");
    dialog.cmdSave.userClick();
    dialog.lstMessages.userChoose(0);
    dialog.MsgText.userSetText("first");
    dialog.cmdSave.userClick();
    dialog.lstMessages.userChoose(1);
    dialog.cmdRemove.userClick();
    ASSERT_EQ(dialog.Messages.size(), 11u);
    EXPECT_EQ(dialog.Messages.front().NewsText, "first");
    EXPECT_EQ(dialog.Messages.back().NewsText, "twelfth");
    EXPECT_EQ(dialog.lstMessages.list(10), "Message 11");
    EXPECT_EQ(dialog.MsgText.text(), "");
}

TEST_F(ScriptDialogs, LinkWithoutAWindowChoiceOpensInANewWindow) {
    auto engine = openPage("index.htm");
    frmNewsTicker dialog(app->runtime(), engine);
    dialog.Load();
    dialog.MsgText.userSetText("m");
    dialog.chkAddLink.userClick();
    dialog.txtURL.userSetText("example.com");
    dialog.txtLink.userSetText("go");
    dialog.cmdAdd.userClick();
    ASSERT_EQ(dialog.Messages.size(), 1u);
    EXPECT_EQ(dialog.Messages[0].Target, "_blank");
}

TEST_F(ScriptDialogs, UnknownItemIsToldAndShowsNothing) {
    openPage("index.htm");
    auto loader = std::make_shared<clsLoad>(app->runtime(), templates.path());
    common::Dispatch::Arguments item{common::Variant("9")};
    loader->call("LoadFrm", item);
    EXPECT_EQ(transcript.str(), "msgbox none \"\" \"Can't Locate Form\" -> ok\n");
    EXPECT_EQ(loader->Editor, nullptr);
}

TEST_F(ScriptDialogs, SlideShowShowsRandomAndSkipsEmptyPictureNames) {
    auto engine = openPage("index.htm");
    {
        frmSlide dialog(app->runtime(), engine);
        dialog.Load();
        EXPECT_EQ(dialog.cmbTrans.text(), "Random");
        EXPECT_EQ(engine->FormDic->value("Trans"), "-1");
    }
    for (std::string pictures : {"", ",", "a.gif,,b.gif,"}) {
        SCOPED_TRACE(pictures);
        engine->realcom = true;
        engine->AddinDic->set("s-pic", pictures);
        engine->AddinDic->set("s-transtype", "junk");
        frmSlide dialog(app->runtime(), engine);
        dialog.Load();
        EXPECT_EQ(dialog.lstPic.listCount(), pictures.empty() || pictures == "," ? 0 : 2);
        for (int i = 0; i < dialog.lstPic.listCount(); ++i)
            EXPECT_FALSE(dialog.lstPic.list(i).empty());
        EXPECT_EQ(dialog.cmbTrans.text(), "Random");
    }
}

TEST_F(ScriptDialogs, AHandDamagedMessageCountRestoresWhatTheBlockHolds) {
    auto engine = openPage("index.htm");
    engine->realcom = true;
    engine->AddinDic->set("s-html",
                          "X_content[0]=\"one\"\r\nX_link[0]=\"\"\r\n"
                          "X_content[1]=\"two\"\r\nX_link[1]=\"\"\r\n");
    engine->AddinDic->set("lst-count", "2000000000");
    frmNewsTicker dialog(app->runtime(), engine);
    dialog.Load();
    ASSERT_EQ(dialog.lstMessages.listCount(), 2);
    dialog.lstMessages.userChoose(1);
    EXPECT_EQ(dialog.MsgText.text(), "two");
}

// A page in Windows-1252: the typed text lands in its encoding, the page's other bytes stay,
// and the block reads back exactly what was typed.
TEST_F(ScriptDialogs, TextTypedIntoAPageInAnotherEncodingIsWrittenInIt) {
    const std::string head =
        "<html><head><meta charset=\"windows-1252\"><title>R\xE9sum\xE9</title></head>";
    const std::string before = "<body><p>Caf\xE9 \x80 \x81</p>";
    const std::string after = "</body></html>";
    writePage("latin.htm", head + before + after);
    app->openWeb(web.path());
    app->openPageByPath("latin.htm", common::editor::kViewNormal);
    auto engine = std::make_shared<clsJS>(app->runtime(), engineTemplates);
    engine->AddinDic = std::make_shared<common::StringDictionary>();
    const std::string typed = "\u00dcber caf\u00e9 \u2192 Next --> page &quot; </script>";

    frmAddToFavor2 dialog(app->runtime(), engine);
    dialog.Load();
    dialog.txtType.userSetText(typed);
    ASSERT_TRUE(dialog.cmdDoIt.userClick());
    EXPECT_EQ(transcript.str().find("error"), std::string::npos) << transcript.str();
    auto window = app->activeWindow();
    const std::string bytes = window->document().page().html();
    ASSERT_TRUE(bytes.starts_with(head.substr(0, head.find("</head>")))) << bytes;
    ASSERT_TRUE(bytes.find(before) != std::string::npos) << bytes;
    EXPECT_TRUE(bytes.ends_with(after));
    EXPECT_NE(bytes.find(" link=\"\xDC"
                         "ber caf\xE9 &#8594; Next --&gt; page &amp;quot; </script>\""),
              std::string::npos)
        << bytes;
    EXPECT_EQ(bytes.find("\xC3"), std::string::npos) << "UTF-8 bytes in a Windows-1252 page";

    auto blocks = host::findWebbotBlocks(window->document().DocumentHTML());
    ASSERT_EQ(blocks.size(), 1u);
    auto attributes = host::blockAttributesForComponent(blocks[0].attributes, "");
    EXPECT_EQ(attributes.value("link"), typed);
}

TEST_F(ScriptDialogs, APictureSourceWithQuotesStaysOneAttributeValue) {
    auto engine = openPage("index.htm");
    frmAddToFavor2 dialog(app->runtime(), engine);
    dialog.Load();
    dialog.opType1.userClick();
    dialog.txtType.userSetText("images/a\"b&c'd.gif");
    ASSERT_TRUE(dialog.cmdDoIt.userClick());
    EXPECT_NE(body().find("src=\\\"images/a&quot;b&amp;c&#39;d.gif\\\" >"), std::string::npos)
        << body();
    EXPECT_EQ(engine->AddinDic->value("PREVIEW"),
              "<img border ='0' src='images/a&quot;b&amp;c&#39;d.gif' >");
    EXPECT_EQ(engine->AddinDic->value("link"), "images/a\"b&c'd.gif");
}

}  // namespace
}  // namespace norvel::script
