// Filling placeholders: the cases the poll and script templates meet, and the two routines
// that keep the old position semantics.
#include "common/template_substitution.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/error.h"
#include "host/headless/scripted_ui.h"

namespace norvel::common {
namespace {

StringDictionary dictionaryOf(std::initializer_list<std::pair<std::string, std::string>> pairs) {
    StringDictionary values;
    for (const auto& [key, value] : pairs)
        values.add(key, value);
    return values;
}

std::string filled(const StringDictionary& values, std::string text) {
    SubstitutionOutcome outcome = fillPlaceholders(values, text);
    EXPECT_TRUE(outcome.complete) << "missing " << outcome.missingName;
    return text;
}

TEST(PollTemplateSubstitution, FillsNamesTrimmedAndCaseSensitive) {
    StringDictionary values = dictionaryOf({{"x", "1"}, {"dir", "phppollx"}});
    EXPECT_EQ(filled(values, "a<*x*>b"), "a1b");
    EXPECT_EQ(filled(values, "a<* x  *>b"), "a1b");
    EXPECT_EQ(filled(values, "<*dir*>/vote.php <*x*><*x*>"), "phppollx/vote.php 11");

    std::string text = "a<*X*>b<*x*>";
    SubstitutionOutcome outcome = fillPlaceholders(values, text);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(outcome.missingName, "X");
    // The placeholder without a key is cut out; the later one stays in place.
    EXPECT_EQ(text, "ab<*x*>");
}

TEST(PollTemplateSubstitution, FillsPlaceholdersInsideValuesAgain) {
    StringDictionary values = dictionaryOf(
        {{"qa", "<*question*>||<*answers*>"}, {"question", "Q?"}, {"answers", "A||0"}});
    EXPECT_EQ(filled(values, "[<*qa*>]"), "[Q?||A||0]");

    // A value may open a placeholder that the text after it closes, as splicing it in would.
    StringDictionary split = dictionaryOf({{"open", "<*na"}, {"name", "joined"}});
    EXPECT_EQ(filled(split, "<*open*>me*>!"), "joined!");
}

TEST(PollTemplateSubstitution, TextsWithoutPlaceholdersStayAsTheyAre) {
    StringDictionary values = dictionaryOf({{"x", "1"}});
    EXPECT_EQ(filled(values, ""), "");
    EXPECT_EQ(filled(values, "plain <b>html</b> * > < *"), "plain <b>html</b> * > < *");
    // An opening marker without a closing one ends the scan; earlier placeholders are filled.
    EXPECT_EQ(filled(values, "<*x*> then <*x and no end"), "1 then <*x and no end");
    EXPECT_EQ(filled(values, "<*>"), "<*>");
    // A value that opens a placeholder nobody closes stays as it is, too.
    EXPECT_EQ(filled(dictionaryOf({{"v", "<*v"}}), "a<*v*>b"), "a<*vb");
}

TEST(PollTemplateSubstitution, FillsBeyondSixteenBitPositions) {
    StringDictionary values = dictionaryOf({{"x", "value"}});
    std::string padding(40000, 'p');
    std::string text = padding + "<*x*>" + padding + "<*x*>";
    EXPECT_EQ(filled(values, text), padding + "value" + padding + "value");

    std::string withMissing = padding + "<*nokey*>" + padding;
    SubstitutionOutcome outcome = fillPlaceholders(values, withMissing);
    EXPECT_FALSE(outcome.complete);
    EXPECT_EQ(withMissing, padding + padding);
}

TEST(PollTemplateSubstitution, ValueLeadingBackToItselfFailsInsteadOfLooping) {
    for (auto values :
         {dictionaryOf({{"x", "again <*x*>"}}), dictionaryOf({{"a", "<*b*>"}, {"b", "[<*a*>]"}})}) {
        std::string text = "before <*" + values.keys().front() + "*> after";
        std::string original = text;
        try {
            fillPlaceholders(values, text);
            FAIL() << "no error for a value that contains its own placeholder";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), errnum::kInvalidCall);
            EXPECT_NE(error.description().find("its own placeholder"), std::string::npos);
        }
        EXPECT_EQ(text, original);
    }
    // Nesting a name twice without a cycle is fine.
    StringDictionary repeated = dictionaryOf({{"a", "<*b*><*b*>"}, {"b", "x"}});
    EXPECT_EQ(filled(repeated, "<*a*><*a*>"), "xxxx");
}

TEST(PollTemplateSubstitution, WrapperShowsTheMissingNameInAMessageBox) {
    host::SessionCursor cursor({});
    std::ostringstream transcript;
    host::ScriptedUi ui(cursor, transcript);
    StringDictionary values = dictionaryOf({{"x", "1"}});

    std::string text = "<*x*>";
    EXPECT_TRUE(SubstituteFromDictionary(values, text, ui));
    EXPECT_EQ(text, "1");
    EXPECT_EQ(transcript.str(), "");

    text = "<*x*><* wpic *><*x*>";
    EXPECT_FALSE(SubstituteFromDictionary(values, text, ui));
    EXPECT_EQ(ui.lastMessage(), "wpic");
    EXPECT_EQ(transcript.str(), "msgbox none \"\" \"wpic\" -> ok\n");
    EXPECT_EQ(text, "1<*x*>");
}

TEST(PollTemplateFindPlaceholder, CutsThePlaceholderAndReturnsItsOneBasedPosition) {
    std::string text = "ab<* name *>cd<*next*>";
    std::string name = "unchanged";
    EXPECT_EQ(FindPlaceholder(text, name, 1), 3u);
    EXPECT_EQ(name, "name");
    EXPECT_EQ(text, "abcd<*next*>");
    EXPECT_EQ(FindPlaceholder(text, name, 3), 5u);
    EXPECT_EQ(name, "next");
    EXPECT_EQ(text, "abcd");

    name = "kept";
    EXPECT_EQ(FindPlaceholder(text, name, 1), 0u);
    std::string unclosed = "x<*open";
    EXPECT_EQ(FindPlaceholder(unclosed, name, 1), 0u);
    EXPECT_EQ(unclosed, "x<*open");
    EXPECT_EQ(name, "kept");

    std::string later = "<*a*>..<*b*>";
    EXPECT_EQ(FindPlaceholder(later, name, 2), 8u);  // the first one lies before the start
    EXPECT_EQ(name, "b");
    EXPECT_EQ(FindPlaceholder(later, name, 100), 0u);
}

TEST(PollTemplateInsertAt, SplicesAtOneBasedPositions) {
    EXPECT_EQ(InsertAt("abcd", "XY", 1), "XYabcd");
    EXPECT_EQ(InsertAt("abcd", "XY", 3), "abXYcd");
    EXPECT_EQ(InsertAt("abcd", "XY", 5), "abcdXY");
    EXPECT_EQ(InsertAt("", "XY", 1), "XY");
    std::string longText(70000, 'a');
    EXPECT_EQ(InsertAt(longText, "!", 65538).substr(65536, 3), "a!a");
}

}  // namespace
}  // namespace norvel::common
