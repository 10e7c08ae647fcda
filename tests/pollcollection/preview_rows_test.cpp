// The rows of the poll editor's previews and the poll data they come from.
#include <gtest/gtest.h>

#include "pollcollection/ctl_general.h"
#include "pollcollection/poll_data.h"
#include "pollcollection/preview_rows.h"

namespace norvel::poll {
namespace {

std::string resultRow(const std::string& answer, const std::string& bar,
                      const std::string& percent) {
    return "<tr><td width=\"40%\" height=\"30\"><p class=\"responsex\">" + answer +
           "</td><td width=\"50%\" height=\"30\"><img border=\"0\" src=\"bar.gif\" width=\"" + bar +
           "\" height=\"10\" alt=\"\"></td><td width=\"10%\" height=\"30\"><p "
           "class=\"responsex\">" +
           percent + "%</td></tr>\r\n";
}

TEST(PreviewRows, VoteCellsNumberTheRadiosByTheirCountField) {
    EXPECT_EQ(BuildVoteCells("Q||Yes||3||No||1"),
              "<tr><td width=\"1%\" height=\"30\"><input type=\"radio\" name=\"vote\" value=2>"
              "</td><td width=\"99%\" height=\"30\"><p class=\"responsex\">Yes</td></tr>\r\n"
              "<tr><td width=\"1%\" height=\"30\"><input type=\"radio\" name=\"vote\" value=4>"
              "</td><td width=\"99%\" height=\"30\"><p class=\"responsex\">No</td></tr>\r\n");
    EXPECT_EQ(BuildVoteCells("Only a question"), "");
    // The poll's texts are HTML text in the page: "<None>" shows as written.
    EXPECT_NE(BuildVoteCells("Q||<None> & \"all\"||0").find("&lt;None&gt; &amp; &quot;all&quot;"),
              std::string::npos);
}

TEST(PreviewRows, ResultBarsAndPercentagesRoundHalvesToEven) {
    common::StringDictionary values;
    values.set("rw", "200");
    EXPECT_EQ(BuildResultRows("Q||Yes||3||No||1", values),
              resultRow("Yes", "52", "75") + resultRow("No", "18", "25"));
    EXPECT_EQ(values.value("wpic"), "70");
    EXPECT_EQ(values.value("total"), "4");
    EXPECT_EQ(values.value("votes"), "4");

    values.set("rw", "400");
    EXPECT_EQ(BuildResultRows("Q||A||0||B||0", values),
              resultRow("A", "0", "0") + resultRow("B", "0", "0"));
    EXPECT_EQ(values.value("wpic"), "140");
    EXPECT_EQ(values.value("total"), "1");  // the divisor
    EXPECT_EQ(values.value("votes"), "0");  // what the page tells

    EXPECT_EQ(BuildResultRows("Q||A||1||B||1||C||1", values),
              resultRow("A", "47", "33") + resultRow("B", "47", "33") + resultRow("C", "47", "33"));
}

TEST(PreviewRows, CountsAndWidthsBeyondSixteenBits) {
    common::StringDictionary values;
    values.set("rw", "40000");
    std::string rows = BuildResultRows("Q||A||3000000000||B||1000000000", values);
    EXPECT_EQ(values.value("wpic"), "14000");
    EXPECT_EQ(values.value("total"), "4000000000");
    EXPECT_EQ(rows, resultRow("A", "10500", "75") + resultRow("B", "3500", "25"));
    // A count too large for 64 bits stays the largest count, and the sum never wraps.
    EXPECT_EQ(totalVotes(splitPollData("Q||A||99999999999999999999||B||5")), INT64_MAX);
}

TEST(PreviewRows, DamagedDataStillGivesRows) {
    common::StringDictionary values;
    values.set("rw", "400");
    // An answer without its count, and a count that is no number, count as no votes.
    EXPECT_EQ(BuildResultRows("Q||A||x||B||2||C", values),
              resultRow("A", "0", "0") + resultRow("B", "140", "100") + resultRow("C", "0", "0"));
}

TEST(PreviewRows, HistoryCellIsOneTableWithTheVotes) {
    EXPECT_EQ(strHistoryCell("Best?||Red||1||Blue||3"),
              "<table border=\"1\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: "
              "collapse\" bordercolor=\"#111111\" bgcolor=\"#FFFFCC\" width=\"100%\">\r\n"
              "<tr><td width=\"100%\" colspan=\"3\" align=\"center\">Best?&nbsp;</td></tr>\r\n"
              "<tr><td width=\"33%\" align=\"center\">Red</td><td width=\"33%\" "
              "align=\"center\">1</td><td width=\"33%\" align=\"center\">25%</td></tr>\r\n"
              "<tr><td width=\"33%\" align=\"center\">Blue</td><td width=\"33%\" "
              "align=\"center\">3</td><td width=\"33%\" align=\"center\">75%</td></tr>\r\n"
              "<tr><td width=\"100%\" colspan=\"3\" align=\"center\">Total Votes 4</td></tr>\r\n"
              "</table>\r\n<p>&nbsp;</p>\r\n");
    std::string none = strHistoryCell("Q||<A>||0");
    EXPECT_NE(none.find(">&lt;A&gt;</td><td width=\"33%\" align=\"center\">0</td><td "
                        "width=\"33%\" align=\"center\">0%"),
              std::string::npos);
    EXPECT_NE(none.find("Total Votes 0<"), std::string::npos);
}

TEST(PreviewRows, HistoryFormKeepsTheOrderAndSkipsEmptyLines) {
    std::string text = "New?||A||1\r\nOld?||B||2\r\n\r\n";
    std::string form = strHistoryForm(text);
    EXPECT_EQ(form, strHistoryCell("New?||A||1") + strHistoryCell("Old?||B||2"));
    EXPECT_EQ(strHistoryForm(""), "");
}

TEST(PollData, DataFilesHoldTheTextAsPageTextWithItsLines) {
    EXPECT_EQ(pollDataFileText("A<b> & \"c\"||1\r\nX||2"), "A&lt;b&gt; &amp; \"c\"||1\r\nX||2");
    EXPECT_EQ(splitPollData("Q||A||1"), (std::vector<std::string>{"Q", "A", "1"}));
    EXPECT_EQ(splitPollData(""), std::vector<std::string>{""});
    EXPECT_EQ(pollCount(" 42 "), 42);
    EXPECT_EQ(pollCount("-1"), 0);
}

TEST(FormWidth, UsableWidthsAndTheirBars) {
    EXPECT_EQ(formWidthPixels("400"), 400);
    EXPECT_EQ(formWidthPixels(" 150.5 "), 150);  // halves to even
    EXPECT_EQ(formWidthPixels("40000"), 40000);
    EXPECT_FALSE(formWidthPixels("0"));
    EXPECT_FALSE(formWidthPixels("-5"));
    EXPECT_FALSE(formWidthPixels("100001"));
    EXPECT_FALSE(formWidthPixels("1e300"));
    EXPECT_FALSE(formWidthPixels("wide"));
    EXPECT_EQ(barWidthPixels(400), 140);
    EXPECT_EQ(barWidthPixels(200), 70);
    EXPECT_EQ(barWidthPixels(150), 52);
    EXPECT_EQ(barWidthPixels(70), 24);  // 24.5
    EXPECT_EQ(barWidthPixels(40000), 14000);
}

}  // namespace
}  // namespace norvel::poll
