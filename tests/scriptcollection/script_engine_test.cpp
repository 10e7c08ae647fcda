// The insertion engine on real pages of a temporary web: head scripts inline and as files,
// paths from folders, free identifiers, the edit protocol and the messages on bad templates.
#include <gtest/gtest.h>

#include "scriptcollection/script_option.h"
#include "tests/scriptcollection/script_editor_fixture.h"

namespace norvel::script {
namespace {

using ScriptEngine = ScriptEditorFixture;

size_t occurrences(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

TEST_F(ScriptEngine, PathToWebRootCountsTheFoldersAboveThePage) {
    auto engine = openPage("index.htm");
    EXPECT_EQ(engine->PathToWebRoot(), "");
    engine = openPage("a/b/deep.htm");
    EXPECT_EQ(engine->PathToWebRoot(), "../../");
    EXPECT_EQ(transcript.str(), "");
}

TEST_F(ScriptEngine, PathToWebRootOfAnUnsavedPageIsEmptyAfterAMessage) {
    app->openWeb(web.path());
    app->newPage();
    clsJS engine(app->runtime(), templates.path());
    EXPECT_EQ(engine.PathToWebRoot(), "");
    EXPECT_NE(transcript.str().find("\"Source Search\" \"Couldn't Find Source file\""),
              std::string::npos)
        << transcript.str();
}

TEST_F(ScriptEngine, UniqueNameIsAPlainSubstringSearchOfTheBody) {
    auto engine = openPage("index.htm", "<div id=\"ShowHide10\"></div><p>ShowHide2</p>");
    int number = 1;
    // "ShowHide1" is inside "ShowHide10", and "ShowHide2" is used as text.
    EXPECT_EQ(engine->UniqueName("ShowHide", number), "ShowHide3");
    EXPECT_EQ(number, 3);
    number = 0;
    EXPECT_EQ(engine->UniqueName("photoslider_NV", number), "photoslider_NV0");
    EXPECT_EQ(number, 0);
}

TEST_F(ScriptEngine, InlineFunctionsGoIntoTheHeadOnce) {
    auto engine = openPage("index.htm");
    engine->FormDic->set("word", "hi");
    engine->Run("demo_nv");
    engine->AddinDic = std::make_shared<common::StringDictionary>();
    engine->Run("demo_nv");
    EXPECT_EQ(occurrences(head(), "function demo_NV() {}"), 1u) << head();
    EXPECT_NE(head().find("<script name =\"demo_nv\" type=\"text/javascript\">\r\n"
                          "function demo_NV() {}\r\n</script>"),
              std::string::npos);
    EXPECT_EQ(occurrences(body(), "demo_NV(\"hi\");"), 2u) << body();
    EXPECT_TRUE(engine->scriptFound("DEMO_NV"));
}

TEST_F(ScriptEngine, ExternalFunctionsFileIsImportedOnceAndNeverReplaced) {
    useExternalFiles(true);
    auto engine = openPage("a/b/deep.htm");
    engine->FormDic->set("word", "x");
    engine->Run("demo_nv");
    EXPECT_NE(head().find("<script name =\"demo_nv\" src=\"../../scripts_nv/demo_nv.js\" "
                          "type=\"text/javascript\"></script>"),
              std::string::npos)
        << head();
    EXPECT_EQ(readWebFile("scripts_nv/demo_nv.js"), "function demo_NV() {}");

    // A changed template does not replace the web's copy, on this page or another.
    writeTemplate("demo_nv/demo_nv.js", "function changed() {}");
    engine = openPage("index.htm");
    engine->FormDic->set("word", "y");
    engine->Run("demo_nv");
    EXPECT_NE(head().find("src=\"scripts_nv/demo_nv.js\""), std::string::npos) << head();
    EXPECT_EQ(readWebFile("scripts_nv/demo_nv.js"), "function demo_NV() {}");
}

TEST_F(ScriptEngine, ScriptFileOptionReadsOneAndTrueAsExternal) {
    for (auto [stored, external] :
         {std::pair{"1", true}, {"True", true}, {"0", false}, {"nonsense", false}}) {
        settings.saveSetting("NorvelJS", "Options", "ScriptFile", stored);
        EXPECT_EQ(scriptFileMode(settings), external) << stored;
    }
    setScriptFileMode(settings, true);
    EXPECT_EQ(settings.getSetting("NorvelJS", "Options", "ScriptFile", ""), "1");
}

TEST_F(ScriptEngine, SwitchingModesLeavesBothKindsOfScriptInOneHead) {
    writeTemplate("other_nv/other_nv.js", "var other;");
    writeTemplate("other_nv/body.js", "other;");
    auto engine = openPage("index.htm");
    engine->FormDic->set("word", "x");
    engine->Run("demo_nv");
    useExternalFiles(true);
    engine->AddinDic = std::make_shared<common::StringDictionary>();
    engine->Run("other_nv");
    EXPECT_NE(head().find("function demo_NV() {}"), std::string::npos);
    EXPECT_NE(head().find("src=\"scripts_nv/other_nv.js\""), std::string::npos) << head();
}

TEST_F(ScriptEngine, WithoutFunctionsTemplateTheHeadStaysAndPlainMarkupIsPasted) {
    auto engine = openPage("index.htm");
    std::string before = head();
    engine->FormDic->set("id", "p1");
    engine->BotStr = false;
    engine->ScriptStr = false;
    engine->UpperCode = "<hr>";
    engine->Run("plain_nv");
    EXPECT_EQ(head(), before);
    EXPECT_NE(body().find("<hr><p id=\"p1\">plain</p>"), std::string::npos) << body();
    EXPECT_EQ(body().find("webbot"), std::string::npos);
}

TEST_F(ScriptEngine, BlockCarriesTheEngineAttributesAndTheWrappedFragment) {
    auto engine = openPage("index.htm");
    engine->FormDic->set("word", "w");
    engine->AddinDic->set("T", "J9");
    engine->Run("demo_nv");
    EXPECT_EQ(engine->Value("PREVIEW"), "click to edit");
    EXPECT_EQ(engine->Value("TAG"), "p");
    EXPECT_EQ(engine->Value("S-HTML"),
              "<script type=\"text/javascript\">\r\n<!-- Begin\r\ndemo_NV(\"w\");\r\n"
              "// End -->\r\n</script>");
    EXPECT_NE(body().find("s-class=\"norvelfp.main\" clientside T=\"J9\" PREVIEW=\"click to "
                          "edit\" TAG=\"p\" startspan -->"),
              std::string::npos)
        << body();
    EXPECT_EQ(engine->Value("missing"), "");
    EXPECT_FALSE(engine->AddinDic->exists("missing"));
}

TEST_F(ScriptEngine, EditModePastesNothingAndSignalsTheEdit) {
    auto engine = openPage("index.htm");
    std::string before = body();
    engine->realcom = true;
    engine->FormDic->set("word", "again");
    engine->AddinDic->set("PREVIEW", "mine");
    engine->Run("demo_nv");
    EXPECT_EQ(body(), before);
    EXPECT_TRUE(engine->AddinDic->exists("_EDIT_OK"));
    EXPECT_EQ(engine->Value("_EDIT_OK"), "");
    EXPECT_EQ(engine->Value("PREVIEW"), "mine");
}

TEST_F(ScriptEngine, MissingValueAndMissingFragmentAreToldAndTheInsertGoesOn) {
    auto engine = openPage("index.htm");
    engine->Run("demo_nv");  // no "word"
    EXPECT_NE(transcript.str().find("\"word\""), std::string::npos) << transcript.str();
    EXPECT_NE(transcript.str().find("\"Not all argumnets were replaced\""), std::string::npos);
    EXPECT_NE(body().find("demo_NV(\"\");"), std::string::npos) << body();

    engine->AddinDic = std::make_shared<common::StringDictionary>();
    engine->Run("absent_nv");
    EXPECT_NE(transcript.str().find("msgbox critical \"Body Error\" \"Some Error happened in "
                                    "NorvelJS, couldn't Read Body Source\""),
              std::string::npos)
        << transcript.str();
}

TEST_F(ScriptEngine, FailedCopyOfTheFunctionsFileIsAnErrorWithContext) {
    useExternalFiles(true);
    auto engine = openPage("index.htm");
    std::string before = head();
    // A file where the folder should be: the folder cannot be made.
    writePage("scripts_nv", "not a folder");
    try {
        engine->Run("demo_nv");
        FAIL() << "expected an error";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.source(), "Function Run in Function scriptHead in norveljsc");
    }
    EXPECT_EQ(head(), before);
}

}  // namespace
}  // namespace norvel::script
