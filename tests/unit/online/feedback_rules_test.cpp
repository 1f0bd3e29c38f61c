#include "feedback_rules.h"
#include "feedback_texts.h"

#include <gtest/gtest.h>

using namespace zw::online;

TEST(FeedbackRules, ChecksInOrder)
{
    struct Case { const char* name; const char* text; std::string_view title; };
    const Case cases[] = {
        {"", "", feedback::kNoNameTitle},
        {"", "abc", feedback::kNoNameTitle},
        {"Anna", "", feedback::kNoTextTitle},
        {"pelkor", "", feedback::kNoTextTitle},
        {"pelkor", "abc", feedback::kWrongNameTitle},
        {"Pelkor", "abc", {}},
        {"PELKOR", "abc", {}},
        {"pelkor ", "abc", {}},
        {" ", "abc", {}},   // not empty: blanks count as a name, as the window has always taken them
    };
    for (const auto& c : cases) {
        const auto refusal = checkFeedback(c.name, c.text);
        if (c.title.empty()) {
            EXPECT_FALSE(refusal) << c.name << "/" << c.text;
        } else {
            ASSERT_TRUE(refusal) << c.name << "/" << c.text;
            EXPECT_EQ(refusal->title, c.title) << c.name << "/" << c.text;
        }
    }
}

TEST(FeedbackRules, MessageCarriesTheAddress)
{
    EXPECT_EQ(messageWithAddress("abc", "10.0.0.5"), "abc\r\n\r\n[ 10.0.0.5 ]");
    const auto fields = feedbackFields("n", "m", "h", "x");
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0], (std::pair<std::string, std::string>{"input_name", "n"}));
    EXPECT_EQ(fields[1], (std::pair<std::string, std::string>{"input_home", "h"}));
    EXPECT_EQ(fields[2], (std::pair<std::string, std::string>{"input_mail", "m"}));
    EXPECT_EQ(fields[3], (std::pair<std::string, std::string>{"input_message", "x"}));
}
