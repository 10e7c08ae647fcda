// The poll editor window and its panes over a temporary web, driven through the model as a
// person would (the headless Ui records the message boxes).
#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/editor/web.h"
#include "common/functions.h"
#include "common/ui.h"
#include "host/session/script_parser.h"
#include "pollcollection/frm_main.h"
#include "tests/pollcollection/poll_web_fixture.h"

namespace norvel::poll {
namespace {

class PollEditor : public PollWebFixture {
  protected:
    // A PHP editor for index.htm, loaded but not shown; `edit` for an existing poll in "dir".
    std::unique_ptr<frmMain> openEditor(PollKind kind = PollKind::php, bool edit = false,
                                        common::DictionaryPtr attributes = nullptr) {
        if (!app->activeWindow())
            openNewPage("index.htm");
        auto generator = std::make_shared<clsP>(runtime(), NORVEL_POLL_TEMPLATE_FOLDER);
        if (attributes)
            generator->AddinDic = attributes;
        generator->realcom = edit;
        auto editor = std::make_unique<frmMain>(runtime(), kind);
        editor->PAddin = generator;
        editor->Load();
        return editor;
    }

    // Fills every pane so that CheckAll passes.
    static void fillValidPoll(frmMain& editor) {
        editor.ctlText1.txtQuestion.userSetText("Q?");
        editor.ctlText1.cmbAnswers.userSetText("A");
        editor.ctlText1.cmdPlus.userClick();
        editor.ctlOp1.txtPassword.setText("pw");
        editor.ctlGeneral1.QBackC.setColor("000000");
        editor.ctlGeneral1.ABackC.setColor("FFFFFF");
        for (ctlQ* pane : {&editor.ctlQ, &editor.ctlA, &editor.ctlB})
            pane->setColor("112233");
    }
};

TEST_F(PollEditor, TheTreeListsThePanesWithTheirPictures) {
    auto editor = openEditor();
    EXPECT_EQ(editor->caption(), "Norvel Poll Collection - PHP");
    EXPECT_EQ(editor->name(), "frmMainp");
    const auto& nodes = editor->TreeView1.nodes();
    std::vector<std::string> shape;
    for (const auto& node : nodes)
        shape.push_back(node.key + "/" + node.text + "/" + node.parentKey + "/" +
                        std::to_string(node.image) + std::to_string(node.selectedImage) +
                        (node.expanded ? "+" : ""));
    EXPECT_EQ(shape,
              (std::vector<std::string>{
                  "Main/Main//11+", "Style/Style//11+", "View/View//11+", "text/Text/Main/23",
                  "options/Options/Main/23", "general/General/Style/23",
                  "question/Question/Style/23", "answers/Answers/Style/23", "other/Other/Style/23",
                  "poll/Poll/View/23", "results/Results/View/23", "history/History/View/23"}));
    EXPECT_EQ(editor->TreeView1.selectedKey(), "text");
    EXPECT_TRUE(editor->TreeView1.manualLabelEdit);
    ASSERT_EQ(editor->ImageList1.images().size(), 3u);
    for (const std::string& picture : editor->ImageList1.images())
        EXPECT_TRUE(std::filesystem::exists(picture)) << picture;
    EXPECT_EQ(editor->ActiveCtl, &editor->ctlText1);
    EXPECT_TRUE(editor->ctlText1.visible());
    EXPECT_FALSE(editor->ctlOp1.visible());
    EXPECT_EQ(editor->ctlText1.geometry().left, 2040);
    EXPECT_EQ(editor->ctlQ.TA(), "Center");
    EXPECT_EQ(editor->ctlA.TA(), "Left");
    EXPECT_EQ(editor->ctlB.TA(), "Center");
    EXPECT_EQ(editor->ctlB.StyleClass, "votebuttonx");

    auto asp = openEditor(PollKind::asp);
    EXPECT_EQ(asp->caption(), "Norvel Poll Collection - ASP");
    EXPECT_EQ(asp->name(), "frmMain");
}

TEST_F(PollEditor, GroupNodesKeepThePaneAndHidingAPaneFillsItsValues) {
    auto editor = openEditor();
    editor->ctlText1.txtQuestion.userSetText("Hidden?");
    EXPECT_TRUE(editor->TreeView1.userClickNode("Style"));
    EXPECT_EQ(editor->ActiveCtl, &editor->ctlText1);
    EXPECT_TRUE(editor->TreeView1.userClickNode("general"));
    EXPECT_EQ(editor->ActiveCtl, &editor->ctlGeneral1);
    EXPECT_FALSE(editor->ctlText1.visible());
    EXPECT_TRUE(editor->ctlGeneral1.visible());
    EXPECT_EQ(editor->PAddin->FormDic->value("question"), "Hidden?");
    EXPECT_EQ(editor->PAddin->FormDic->value("qa"), "Hidden?||||0");
}

TEST_F(PollEditor, APreviewChecksEveryPaneFirstAndShowsTheOneAtFault) {
    auto editor = openEditor();
    editor->TreeView1.userClickNode("options");
    EXPECT_TRUE(editor->TreeView1.userClickNode("poll"));
    EXPECT_EQ(ui.lastMessage(), "No answers are supplied");
    EXPECT_EQ(editor->ActiveCtl, &editor->ctlText1);
    EXPECT_EQ(editor->TreeView1.selectedKey(), "text");
    fillValidPoll(*editor);
    editor->ctlGeneral1.ABackC.txtColor.setText("");
    editor->TreeView1.userClickNode("results");
    EXPECT_EQ(ui.lastMessage(), "Answers Back color is empty");
    EXPECT_EQ(editor->TreeView1.selectedKey(), "general");
    editor->ctlGeneral1.ABackC.setColor("EEEEEE");
    editor->TreeView1.userClickNode("results");
    EXPECT_EQ(editor->ActiveCtl, &editor->ctlResults1);
    std::string page = common::readFileBytes(editor->ctlResults1.WebBrowser1.locationUrl());
    EXPECT_NE(page.find("<caption class=\"questionx\">Q?</caption>"), std::string::npos) << page;
    EXPECT_TRUE(std::filesystem::exists(
        std::filesystem::path(editor->ctlResults1.WebBrowser1.locationUrl()).parent_path() /
        "bar.gif"));
    editor->TreeView1.userClickNode("history");
    EXPECT_NE(
        common::readFileBytes(editor->ctlHistory1.WebBrowser1.locationUrl()).find("Unavailable"),
        std::string::npos);
}

TEST_F(PollEditor, PollFolderNameTakesTheFirstFreeNameInTwentyOneTries) {
    openNewPage("index.htm");
    auto folder = common::pageFolder(runtime());
    EXPECT_EQ(PollFolderName(*folder, "phppollx"), "phppollx");
    std::filesystem::create_directories(webPath("phppollx"));
    std::filesystem::create_directories(webPath("phppollx1"));
    EXPECT_EQ(PollFolderName(*common::pageFolder(runtime()), "phppollx"), "phppollx2");
    // A file of that name is no folder.
    writeWebFile("asppollx", "not a folder");
    EXPECT_EQ(PollFolderName(*common::pageFolder(runtime()), "asppollx"), "asppollx");
    for (int i = 2; i <= 21; ++i)
        std::filesystem::create_directories(webPath("phppollx" + std::to_string(i)));
    EXPECT_EQ(PollFolderName(*common::pageFolder(runtime()), "phppollx"), "phppollx21");
}

TEST_F(PollEditor, TextPaneRefusesSeparatorsAndKeepsApostrophesOutOfAnswers) {
    auto editor = openEditor();
    ctlText& text = editor->ctlText1;
    for (const char* answer : {"It's", "a||b", "|a", "a|", "two\nlines", ""}) {
        text.cmbAnswers.setText(answer);
        text.cmdPlus.userClick();
    }
    EXPECT_EQ(text.cmbAnswers.listCount(), 0);
    text.cmbAnswers.setText("A | B");
    text.cmdPlus.userClick();
    EXPECT_EQ(text.cmbAnswers.items(), std::vector<std::string>{"A | B"});
    text.txtQuestion.setText("Don't || stop");
    EXPECT_NE(messages().find("You can not use the character ' in any text inside the poll"),
              std::string::npos);
    EXPECT_FALSE(text.Check());
    EXPECT_EQ(ui.lastMessage(),
              "You can not use \"||\" in the question or in an answer, please change it: the poll "
              "keeps its texts separated by \"||\"");
    text.txtQuestion.setText("Don't stop");
    EXPECT_TRUE(text.Check());  // the apostrophe alone is only told
    // The short texts live in the block's comment: its end would lose the block.
    text.txtThanks.setText("Bye --> now");
    EXPECT_FALSE(text.Check());
    EXPECT_NE(ui.lastMessage().find("can not contain \"-->\""), std::string::npos);
    text.txtThanks.setText("Bye -- now");
    EXPECT_TRUE(text.Check());
    text.FillFormDic();
    EXPECT_EQ(editor->PAddin->FormDic->value("answers"), "A | B||0");
}

TEST_F(PollEditor, StylePaneSettersAndRule) {
    auto editor = openEditor();
    ctlQ& style = editor->ctlQ;
    style.setTA("center");
    EXPECT_EQ(style.TA(), "Center");
    style.setFontWeight("heavy");
    EXPECT_EQ(style.FontWeight(), "Normal");
    style.setFontWeight("BOLD");
    EXPECT_EQ(style.FontWeight(), "Bold");
    EXPECT_FALSE(style.Check());
    EXPECT_EQ(ui.lastMessage(), "Color is empty");
    style.setColor("003366");
    style.FillFormDic();
    EXPECT_EQ(editor->PAddin->FormDic->value("questionx"),
              ".questionx{\r\nfont-family :arial, helvetica, monaco, sans-serif;\r\n"
              "font-size :13 px;\r\nfont-weight :Bold;\r\nfont-style :Normal;\r\n"
              "color :#003366;\r\ntext-align :Center;\r\n}");
    // Invalid text left in the colour input goes into the rule as it is.
    style.HexColor1.txtColor.setText("12G456");
    EXPECT_TRUE(style.Check());
    EXPECT_NE(style.ruleText().find("color :12G456;"), std::string::npos);
}

TEST_F(PollEditor, ReeditingReadsTheStylesBackFromTheLinkedSheet) {
    writeWebFile("club/pollx/pollstyle.css",
                 ".questionx{font-family :Georgia;font-size :20px;font-weight :Bold;"
                 "font-style :Italic;color :#AA0000;text-align :Right;}\r\n"
                 ".questionx{font-family :Second;}\r\n"
                 ".responsex{color :abc;}\r\n");
    writeWebFile("club/pollx/votes.htm", "Best &lt;pet&gt;?||Cats &amp; dogs||4||&lt;None&gt;||7");
    std::filesystem::create_directories(webPath("club/pollx/admin"));
    openNewPage("club/index.htm",
                "<link rel=\"stylesheet\" type=\"text/css\" href=\"pollx/pollstyle.css\">");
    auto attributes = std::make_shared<common::StringDictionary>();
    attributes->set("dir", "pollx");
    attributes->set("bs", "2");
    attributes->set("cp", "5");
    attributes->set("av", "3");
    attributes->set("c", "12");
    auto editor = openEditor(PollKind::php, true, attributes);
    EXPECT_EQ(editor->ctlQ.FFamily(), "Georgia");
    EXPECT_EQ(editor->ctlQ.FSize(), "20px");
    EXPECT_EQ(editor->ctlQ.FontWeight(), "Bold");
    EXPECT_EQ(editor->ctlQ.FontStyle(), "Italic");
    EXPECT_EQ(editor->ctlQ.Color(), "AA0000");
    EXPECT_EQ(editor->ctlQ.TA(), "Right");
    // Only a colour the input can hold is taken; the lists keep their choice.
    EXPECT_EQ(editor->ctlA.Color(), "");
    EXPECT_EQ(editor->ctlA.FFamily(), "");
    EXPECT_EQ(editor->ctlA.TA(), "Left");
    EXPECT_EQ(editor->ctlText1.txtQuestion.text(), "Best <pet>?");
    EXPECT_EQ(editor->ctlText1.cmbAnswers.items(),
              (std::vector<std::string>{"Cats & dogs", "<None>"}));
    EXPECT_EQ(editor->PAddin->FormDic->value("pvotes"), "Best <pet>?||Cats & dogs||4||<None>||7");
    EXPECT_FALSE(editor->PAddin->FormDic->exists("txthistory"));
    EXPECT_EQ(editor->ctlGeneral1.IncBorder.value(), "2");
    EXPECT_EQ(editor->ctlGeneral1.IncPadding.value(), "5");
    EXPECT_EQ(editor->ctlOp1.chkAdmin.value(), 1);
    EXPECT_EQ(editor->ctlOp1.chkHistory.value(), 0);
    EXPECT_TRUE(editor->ctlOp1.Option3.value());
    EXPECT_EQ(editor->ctlOp1.txtCookies.text(), "12");
    EXPECT_TRUE(editor->ctlOp1.Check());  // no password needed when editing
}

TEST_F(PollEditor, AnUnlinkedStyleSheetLeavesTheStylePanesEmpty) {
    writeWebFile("pollx/votes.htm", "Q||A||1");
    auto attributes = std::make_shared<common::StringDictionary>();
    attributes->set("dir", "pollx");
    auto editor = openEditor(PollKind::php, true, attributes);
    EXPECT_EQ(editor->ctlQ.FFamily(), "");
    EXPECT_EQ(editor->ctlQ.FSize(), "");
    EXPECT_FALSE(editor->ctlQ.Check());
    EXPECT_EQ(ui.lastMessage(), "Color is empty");
}

TEST_F(PollEditor, GeneralPaneWritesBarWidthsAndRefusesUnusableWidths) {
    auto editor = openEditor();
    ctlGeneral& general = editor->ctlGeneral1;
    general.txtVW.setText("70");
    general.txtRW.setText("40000");
    general.FillFormDic();
    const auto& values = *editor->PAddin->FormDic;
    EXPECT_EQ(values.value("wpic2"), "24");
    EXPECT_EQ(values.value("wpic"), "14000");
    EXPECT_EQ(values.value("rw2"), "70");
    EXPECT_FALSE(general.Check());
    EXPECT_EQ(ui.lastMessage(), "Answers Back color is empty");
    general.QBackC.setColor("000000");
    general.ABackC.setColor("000000");
    EXPECT_TRUE(general.Check());
    general.txtRW.setText("-3");
    EXPECT_FALSE(general.Check());
    EXPECT_EQ(ui.lastMessage(), "Result Form width must be from 1 to 100000 pixels");
    // Hiding the pane with such a width is no error: it has no bars.
    general.FillFormDic();
    EXPECT_EQ(values.value("wpic"), "0");
}

TEST_F(PollEditor, OkGeneratesANewPollAndShowsTheNoteAfterHidingTheWindow) {
    for (PollKind kind : {PollKind::php, PollKind::asp}) {
        cursor = host::SessionCursor(host::parseSessionScript("click Command1\n"));
        auto editor = openEditor(kind);
        auto poll = editor->PAddin;
        fillValidPoll(*editor);
        editor->TreeView1.userClickNode("results");
        editor->cmdOK.userClick();
        EXPECT_TRUE(cursor.atEnd());
        const bool php = kind == PollKind::php;
        EXPECT_EQ(poll->AddinDic->value("dir"), php ? "phppollx" : "asppollx");
        EXPECT_EQ(poll->FormDic->value("dir"), poll->AddinDic->value("dir"));
        EXPECT_EQ(poll->AddinDic->value("T"), php ? "P2" : "P1");
        EXPECT_EQ(ui.mousePointer(), common::MousePointer::Default);
        EXPECT_EQ(editor->ActiveCtl, nullptr);  // released when the window unloaded
        EXPECT_EQ(editor->TreeView1.selectedKey(), "text");
        EXPECT_FALSE(editor->loaded());
        EXPECT_TRUE(webEntryExists(poll->AddinDic->value("dir") + "/votes.htm"));
    }
    EXPECT_NE(messages().find("form \"Note\" shown"), std::string::npos);
}

TEST_F(PollEditor, OkOnAnEditedPollKeepsItsFolderAndShowsNoNote) {
    writeWebFile("keep/votes.htm", "Q?||A||5");
    openNewPage("index.htm");
    auto attributes = std::make_shared<common::StringDictionary>();
    attributes->set("dir", "keep");
    auto editor = openEditor(PollKind::php, true, attributes);
    // The page links no poll style sheet: the style panes come back empty.
    for (ctlQ* pane : {&editor->ctlQ, &editor->ctlA, &editor->ctlB}) {
        pane->setFFamily("serif");
        pane->setFSize("12px");
        pane->setColor("112233");
    }
    editor->ctlGeneral1.QBackC.setColor("000000");
    editor->ctlGeneral1.ABackC.setColor("FFFFFF");
    editor->cmdOK.userClick();
    EXPECT_EQ(attributes->value("dir"), "keep");
    EXPECT_TRUE(attributes->exists("_EDIT_OK"));
    EXPECT_EQ(readWebFile("keep/votes.htm"), "Q?||A||5");  // the votes stay
    EXPECT_EQ(messages().find("Note"), std::string::npos);
    EXPECT_FALSE(editor->loaded());
}

TEST_F(PollEditor, AFailureInOkIsShownResetsThePointerAndClosesTheWindow) {
    auto editor = openEditor();
    fillValidPoll(*editor);
    app->activeWindow()->Close(false);  // the page that was to get the poll is gone
    editor->cmdOK.userClick();
    EXPECT_NE(messages().find("error \"NorvelFP\" \"Function PollFolderName in "),
              std::string::npos)
        << messages();
    EXPECT_NE(messages().find("\" 91 \"Object variable not set: no page is open\""),
              std::string::npos)
        << messages();
    EXPECT_EQ(ui.mousePointer(), common::MousePointer::Default);
    EXPECT_FALSE(editor->loaded());
    EXPECT_FALSE(editor->PAddin);
}

TEST_F(PollEditor, CancelWritesNothing) {
    auto editor = openEditor();
    auto poll = editor->PAddin;
    fillValidPoll(*editor);
    editor->cmdCancel.userClick();
    EXPECT_FALSE(editor->loaded());
    EXPECT_EQ(poll->AddinDic->count(), 0u);
    EXPECT_FALSE(webEntryExists("phppollx"));
}

}  // namespace
}  // namespace norvel::poll
