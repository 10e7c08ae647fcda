// The one-pass filling against the plain splicing it replaces, on many small random texts.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "common/error.h"
#include "common/template_substitution.h"

namespace norvel::common {
namespace {

struct ReferenceResult {
    bool loops = false;  // still going after the step limit
    bool complete = true;
    std::string missingName;
    std::string text;
};

std::string trimmed(const std::string& name) {
    size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return "";
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// Finds a placeholder, cuts it out, splices the value in and scans on at the same position,
// as the editor's routines always did.
ReferenceResult spliceReference(const StringDictionary& values, std::string text) {
    ReferenceResult result;
    size_t position = 0;
    for (int step = 0; step < 5000; ++step) {
        size_t open = text.find("<*", position);
        if (open == std::string::npos)
            break;
        size_t close = text.find("*>", open + 2);
        if (close == std::string::npos)
            break;
        std::string name = trimmed(text.substr(open + 2, close - open - 2));
        text.erase(open, close + 2 - open);
        if (!values.exists(name)) {
            result.complete = false;
            result.missingName = name;
            result.text = text;
            return result;
        }
        text.insert(open, values.value(name));
        position = open;
        if (step == 4999)
            result.loops = true;
    }
    result.text = text;
    return result;
}

std::string randomText(std::mt19937& random, size_t maxPieces) {
    static const std::vector<std::string> pieces = {"<*", "*>", "<", "*", ">",     "a",
                                                    "b",  " ",  "x", "y", "<*x*>", "<* y *>"};
    std::uniform_int_distribution<size_t> count(0, maxPieces);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::string text;
    for (size_t n = count(random); n > 0; --n)
        text += pieces[pick(random)];
    return text;
}

TEST(PollTemplateSubstitutionReference, AgreesWithSplicingOnRandomTexts) {
    std::mt19937 random(20240611);
    const std::vector<std::string> keys = {"x", "y", "a", "", "x y"};
    int loops = 0, missing = 0, complete = 0;
    for (int round = 0; round < 20000; ++round) {
        StringDictionary values;
        for (const auto& key : keys)
            if (random() % 3 != 0)
                values.add(key, randomText(random, 3));
        std::string text = randomText(random, 10);
        ReferenceResult expected = spliceReference(values, text);

        std::string actual = text;
        try {
            SubstitutionOutcome outcome = fillPlaceholders(values, actual);
            ASSERT_FALSE(expected.loops) << "text '" << text << "' should have been refused";
            ASSERT_EQ(outcome.complete, expected.complete) << "text '" << text << "'";
            ASSERT_EQ(outcome.missingName, expected.missingName) << "text '" << text << "'";
            ASSERT_EQ(actual, expected.text) << "text '" << text << "'";
            ++(outcome.complete ? complete : missing);
        } catch (const Error& error) {
            ASSERT_TRUE(expected.loops) << "text '" << text << "': " << error.description();
            ++loops;
        }
    }
    // The random texts must reach all three endings, or the comparison proves little.
    EXPECT_GT(loops, 100);
    EXPECT_GT(missing, 1000);
    EXPECT_GT(complete, 1000);
}

}  // namespace
}  // namespace norvel::common
