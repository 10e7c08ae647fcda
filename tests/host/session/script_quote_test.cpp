#include "host/session/script_quote.h"

#include <gtest/gtest.h>

#include <random>

#include "host/session/script_lexer.h"

namespace norvel::host {
namespace {

TEST(SessionQuote, WritesTheTranscriptForm) {
    EXPECT_EQ(quoteScriptString(""), R"("")");
    EXPECT_EQ(quoteScriptString("Norvel Poll Collection - PHP"),
              R"("Norvel Poll Collection - PHP")");
    EXPECT_EQ(quoteScriptString("a\"b\\c\rd\ne\tf"), R"("a\"b\\c\rd\ne\tf")");
}

TEST(SessionQuote, EveryStringReadsBackUnchanged) {
    std::vector<std::string> texts = {
        "",
        " ",
        "#3",
        "# comment?",
        "a #b",
        "\"",
        "\\",
        "\\\"",
        "\"\\",
        "\r\n\t",
        "caf\xC3\xA9 \xE2\x82\xAC",
        std::string("nul\0in", 6),
        "\x01\x7F\xFF",
        "trailing ",
    };
    std::mt19937 random(7);
    for (int i = 0; i < 500; ++i) {
        std::string text(random() % 20, '\0');
        for (char& c : text)
            c = static_cast<char>(random() % 256);
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        std::string line = "set ctl " + quoteScriptString(text) + " # trailing comment";
        std::vector<std::string> expected = {"set", "ctl", text};
        ASSERT_EQ(splitScriptLine(line, 1), expected) << line;
    }
}

}  // namespace
}  // namespace norvel::host
