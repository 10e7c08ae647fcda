// The style text of the eight rows and the standard colours derived from them.
#include "stylecollection/scroll_colors.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace norvel::style {
namespace {

RowColors rows(std::initializer_list<std::pair<int, const char*>> set) {
    RowColors colors;
    for (const auto& [row, color] : set)
        colors[static_cast<size_t>(row)] = color;
    return colors;
}

TEST(StyleText, DeclarationsRunTogetherInRowOrderLeavingOutEmptyRows) {
    RowColors colors = rows({{4, "00ff00"}, {0, "ff0000"}});
    EXPECT_EQ(styleText(colors, 1), "scrollbar-base-color: #ff0000;scrollbar-face-color: #00ff00;");
    EXPECT_EQ(styleText(colors, 2),
              "body {scrollbar-base-color: #ff0000;scrollbar-face-color: #00ff00; }");
    EXPECT_EQ(styleText(colors, 3),
              "<style>\r\nbody {scrollbar-base-color: #ff0000;scrollbar-face-color: #00ff00; "
              "}\r\n</style>");
    RowColors all;
    for (int row = 0; row < kRowCount; ++row)
        all[static_cast<size_t>(row)] = "0" + std::to_string(row) + "AbCd";
    EXPECT_EQ(styleText(all, 1),
              "scrollbar-base-color: #00AbCd;scrollbar-arrow-color: #01AbCd;"
              "scrollbar-highlight-color: #02AbCd;scrollbar-3dlight-color: #03AbCd;"
              "scrollbar-face-color: #04AbCd;scrollbar-track-color: #05AbCd;"
              "scrollbar-shadow-color: #06AbCd;scrollbar-darkshadow-color: #07AbCd;");
}

TEST(StyleText, NoColourGivesAnEmptyRuleAndOtherLevelsAreRefused) {
    EXPECT_EQ(styleText(RowColors(), 1), "");
    EXPECT_EQ(styleText(RowColors(), 2), "body { }");
    EXPECT_EQ(styleText(RowColors(), 3), "<style>\r\nbody { }\r\n</style>");
    EXPECT_THROW(styleText(RowColors(), 0), common::Error);
    EXPECT_THROW(styleText(RowColors(), 4), common::Error);
}

TEST(StandardScrollbarColor, ThumbFromFaceElseBaseTrackFromTrack) {
    EXPECT_EQ(standardScrollbarColor(rows({{4, "112233"}, {5, "AABBCC"}, {0, "ff0000"}})),
              "#112233 #AABBCC");
    EXPECT_EQ(standardScrollbarColor(rows({{0, "ff0000"}, {5, "000080"}})), "#ff0000 #000080");
    // Rows that do not show in the standard property change nothing.
    EXPECT_EQ(standardScrollbarColor(rows({{1, "123456"}, {2, "123456"}, {7, "123456"}})), "");
    EXPECT_EQ(standardScrollbarColor(RowColors()), "");
}

TEST(StandardScrollbarColor, AMissingPartIsDerivedSoThumbAndTrackDiffer) {
    // No track: a lighter tint of the thumb (60 % of the way to white).
    EXPECT_EQ(standardScrollbarColor(rows({{0, "ff0000"}})), "#ff0000 #ff9999");
    EXPECT_EQ(standardScrollbarColor(rows({{4, "000000"}})), "#000000 #999999");
    // No face and no base: a darker shade of the track (40 % of the way to black).
    EXPECT_EQ(standardScrollbarColor(rows({{5, "C8C8FF"}})), "#787899 #C8C8FF");
    // Text that is no colour is no colour here either.
    EXPECT_EQ(standardScrollbarColor(rows({{4, "12G456"}, {5, "abcdef"}})), "#677b8f #abcdef");
}

}  // namespace
}  // namespace norvel::style
