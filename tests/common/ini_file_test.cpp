#include "common/ini_file.h"

#include <gtest/gtest.h>

#include <random>

namespace norvel::common {
namespace {

TEST(SettingsIniFile, ReadsSectionsKeysCommentsAndBlankLines) {
    IniFile file = IniFile::parse(
        "\xEF\xBB\xBF; written by hand\r\n"
        "\r\n"
        "  [ NorvelFP\\options ]  \r\n"
        "Colour = FF0000 \r\n"
        "\t# the next value is empty\n"
        "Empty=\n"
        "Spaced=\"  two  \"\n"
        "[Other]\n"
        "path=C:\\\\web\\tnew\n"
        "quote=say \"hi\"");
    EXPECT_EQ(file.value("NorvelFP\\options", "Colour"), "FF0000");
    EXPECT_EQ(file.value("NorvelFP\\options", "Empty"), "");
    EXPECT_EQ(file.value("NorvelFP\\options", "Spaced"), "  two  ");
    EXPECT_EQ(file.value("Other", "path"), "C:\\web\tnew");
    EXPECT_EQ(file.value("Other", "quote"), "say \"hi\"");
    EXPECT_EQ(file.value("Other", "Colour"), std::nullopt);
    EXPECT_EQ(file.value("Missing", "Colour"), std::nullopt);
    EXPECT_EQ(file.sectionNames(), (std::vector<std::string>{"NorvelFP\\options", "Other"}));

    // Comments and blank lines are kept; names and values come out in the canonical form.
    EXPECT_EQ(file.serialize(),
              "; written by hand\n"
              "\n"
              "[NorvelFP\\options]\n"
              "Colour=FF0000\n"
              "\t# the next value is empty\n"
              "Empty=\n"
              "Spaced=\"  two  \"\n"
              "[Other]\n"
              "path=C:\\\\web\\tnew\n"
              "quote=say \"hi\"\n");
}

TEST(SettingsIniFile, NamesCompareIgnoringCaseAndKeepTheirSpelling) {
    IniFile file = IniFile::parse("[Options]\nColour=1\n[options]\ncolour=shadowed\n");
    EXPECT_EQ(file.value("OPTIONS", "COLOUR"), "1");  // the first of two spellings counts
    file.setValue("oPtIoNs", "coLOUR", "2");
    EXPECT_EQ(file.serialize(), "[Options]\nColour=2\n[options]\ncolour=shadowed\n");
}

TEST(SettingsIniFile, SettingKeepsOrderAndPlacesNewEntriesSensibly) {
    IniFile file = IniFile::parse(
        "; top\n"
        "[A]\n"
        "one=1\n"
        "two=2\n"
        "\n"
        "; about B\n"
        "[B]\n");
    file.setValue("A", "one", "first");
    file.setValue("A", "three", "3");
    file.setValue("B", "x", "y");
    file.setValue("C", "z", "");
    EXPECT_EQ(file.serialize(),
              "; top\n"
              "[A]\n"
              "one=first\n"
              "two=2\n"
              "three=3\n"
              "\n"
              "; about B\n"
              "[B]\n"
              "x=y\n"
              "\n"
              "[C]\n"
              "z=\n");

    IniFile empty;
    empty.setValue("Only", "k", "v");
    EXPECT_EQ(empty.serialize(), "[Only]\nk=v\n");
}

TEST(SettingsIniFile, PinsTheEscapeRules) {
    IniFile file;
    file.setValue("S", "back", "a\\b");
    file.setValue("S", "controls", "1\n2\r3\t4");
    file.setValue("S", "lead", " x");
    file.setValue("S", "trail", "x ");
    file.setValue("S", "quotes", "\"q\" and \"q\"");
    file.setValue("S", "inner", "a \"b\" c");
    EXPECT_EQ(file.serialize(),
              "[S]\n"
              "back=a\\\\b\n"
              "controls=1\\n2\\r3\\t4\n"
              "lead=\" x\"\n"
              "trail=\"x \"\n"
              "quotes=\"\\\"q\\\" and \\\"q\\\"\"\n"
              "inner=a \"b\" c\n");
}

TEST(SettingsIniFile, AnyValueSurvivesWritingAndReading) {
    std::vector<std::string> values = {
        "",
        " ",
        "  ",
        "\t",
        "=",
        "a=b=c",
        ";not a comment",
        "#nor this",
        "[not a section]",
        "\"",
        "\"\"",
        "\" inner \"",
        "\\",
        "\\n",
        "ends with backslash\\",
        "\r\n",
        "\n\n",
        "tr\xC3\xA8s \xE2\x82\xAC \xF0\x9F\x98\x80",
        std::string("nul\0byte", 8),
        "\x01\x1F\x7F",
        "\xFF\xFE broken utf-8",
        "  [x] = \"y\" ; z  ",
    };
    std::mt19937 random(20240601);
    for (int i = 0; i < 300; ++i) {
        std::string value(random() % 24, '\0');
        for (char& c : value)
            c = static_cast<char>(random() % 256);
        values.push_back(value);
    }

    IniFile file;
    for (size_t i = 0; i < values.size(); ++i)
        file.setValue("Section", "key" + std::to_string(i), values[i]);
    IniFile reread = IniFile::parse(file.serialize());
    EXPECT_EQ(reread, file);
    for (size_t i = 0; i < values.size(); ++i)
        ASSERT_EQ(reread.value("section", "KEY" + std::to_string(i)), values[i]) << "value " << i;
}

TEST(SettingsIniFile, DamageIsReportedWithItsLine) {
    struct Case {
        std::string text;
        int line;
        std::string problem;
    };
    std::vector<Case> cases = {
        {"[s]\nk=v\njust words\n", 3, "the line is not a section, a key=value pair or a comment"},
        {"\n; c\nk=v\n[s]\n", 3, "a key comes before the first section"},
        {"[s]\nk=a\\qb\n", 2, "unknown escape '\\q' in the value"},
        {"[s]\nk=a\\", 2, "a backslash ends the value"},
        {"[s]\r\nk=\"open\r\n", 2, "the quoted value has no closing quote"},
        {"[s]\nk=\"a\" b\n", 2, "text after the closing quote of the value"},
        {"[s]\n[t\n", 2, "the section name has no closing ']'"},
        {"[s] ; note\n", 1, "text after the ']' of the section name"},
        {"[ ]\n", 1, "the section name is empty"},
        {"[s]\n = v\n", 2, "the key name is empty"},
    };
    for (const Case& c : cases) {
        try {
            IniFile::parse(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const IniSyntaxError& error) {
            EXPECT_EQ(error.line(), c.line) << c.text;
            EXPECT_EQ(error.problem(), c.problem) << c.text;
            EXPECT_EQ(error.number(), errnum::kTypeMismatch);
            EXPECT_EQ(error.description(), "line " + std::to_string(c.line) + ": " + c.problem);
        }
    }
}

TEST(SettingsIniFile, RefusesNamesTheTextCannotHold) {
    IniFile file;
    for (std::string section : {"", "a]b", "a\nb", " lead", "trail "}) {
        try {
            file.setValue(section, "k", "v");
            ADD_FAILURE() << "section accepted: " << section;
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), errnum::kInvalidCall);
        }
    }
    for (std::string key : {"", "a=b", "[k", ";k", "#k", "k\r", " k"}) {
        try {
            file.setValue("s", key, "v");
            ADD_FAILURE() << "key accepted: " << key;
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), errnum::kInvalidCall);
        }
    }
    EXPECT_EQ(file, IniFile());  // nothing was half-added
}

}  // namespace
}  // namespace norvel::common
