// The rule that turns a probed text into what the buttons show.
#include "tweak/state_rule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zw {
namespace {

constexpr auto A = ToggleState::Applied;
constexpr auto D = ToggleState::Default;

TEST(ReadNumber, OrdinaryDecimalReadingWithBlanksAround)
{
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"0", 0},          {"1", 1},           {" 1 ", 1},       {"\t2\t", 2},   {"-1", -1},
        {"+3", 3},         {"81920", 81920},   {"007", 7},       {"1.5", 1.5},   {".5", 0.5},
        {"5.", 5},         {"2147483648", 2147483648.0},
        {"", std::nullopt},    {"  ", std::nullopt},  {"-", std::nullopt},   {".", std::nullopt},
        {"1e3", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"1 2", std::nullopt},
        {"0x10", std::nullopt}, {"--1", std::nullopt}, {"1,5", std::nullopt}, {"1.2.3", std::nullopt},
        {"Y", std::nullopt},   {"01 0A ", std::nullopt}, {"- 1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        EXPECT_EQ(readNumber(c.text), c.expected);
    }
}

TEST(DecideState, TableOfRulesAndTexts)
{
    const std::vector<StateMatch> balloon = {numberIs(0, A), numberIs(1, D)};
    const std::vector<StateMatch> yesNo = {textIs("no", A), textIs("yes", D)};
    const std::vector<StateMatch> mft = {textIs("2", A), textIs("", D)};
    const std::vector<StateMatch> viewer = {textIs("{e84fda7c-1d6a-45f6-b725-cb260c236066}", D)};
    const std::vector<StateMatch> shared = {numberIs(1, D)};
    const std::vector<StateMatch> numberThenText = {numberIs(1, A), textIs("x", D)};
    const std::vector<StateMatch> textThenNumber = {textIs("x", D), numberIs(1, A)};
    const std::vector<StateMatch> alexa = {textIs(",4", D)};

    const auto show = PollOutcome::show;
    const PollOutcome keep = PollOutcome::keep();
    const PollOutcome ended = PollOutcome::tickEnded();

    struct Case {
        const char* what;
        const std::vector<StateMatch>* rule;
        std::optional<ToggleState> otherwise;
        const char* text;
        PollOutcome expected;
    };
    const Case cases[] = {
        {"number 0 matches the first entry", &balloon, {}, "0", show(A)},
        {"number 1 matches the second entry", &balloon, {}, "1", show(D)},
        {"a number no entry names keeps the buttons", &balloon, {}, "2", keep},
        {"blanks around a number", &balloon, {}, " 1 ", show(D)},
        {"a decimal that equals 1", &balloon, {}, "1.0", show(D)},
        {"negative zero is zero", &balloon, {}, "-0", show(A)},
        {"missing value under a Number entry ends the tick", &balloon, {}, "", ended},
        {"a word under a Number entry ends the tick", &balloon, {}, "abc", ended},
        {"one binary byte renders as a number", &balloon, {}, "01 ", show(D)},
        {"two binary bytes are not a number", &balloon, {}, "01 00 ", ended},
        {"text matches exactly", &yesNo, {}, "no", show(A)},
        {"text differs in letter case", &yesNo, {}, "No", keep},
        {"text with a trailing blank", &yesNo, {}, "no ", keep},
        {"second text entry", &yesNo, {}, "yes", show(D)},
        {"the empty text matches a missing value", &mft, {}, "", show(D)},
        {"MFT reservation 1 matches nothing", &mft, {}, "1", keep},
        {"MFT reservation 2", &mft, {}, "2", show(A)},
        {"viewer present", &viewer, A, "{e84fda7c-1d6a-45f6-b725-cb260c236066}", show(D)},
        {"viewer in upper case falls to otherwise", &viewer, A, "{E84FDA7C-1D6A-45F6-B725-CB260C236066}", show(A)},
        {"viewer key deleted falls to otherwise", &viewer, A, "", show(A)},
        {"shared documents never written: tick ends before otherwise", &shared, A, "", ended},
        {"shared documents 1", &shared, A, "1", show(D)},
        {"shared documents other number falls to otherwise", &shared, A, "0", show(A)},
        {"shared documents non-number text: tick ends before otherwise", &shared, A, "ja", ended},
        {"a Number entry first stops later Text entries", &numberThenText, {}, "x", ended},
        {"a Text entry first is tried before the Number entry", &textThenNumber, {}, "x", show(D)},
        {"after a Text miss the Number entry still ends the tick", &textThenNumber, {}, "y", ended},
        {"alexa exact", &alexa, A, ",4", show(D)},
        {"alexa longer text ending in ,4", &alexa, A, "C:\\icon.ico,4", show(A)},
        {"alexa missing", &alexa, A, "", show(A)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PollOutcome got = decideState(c.text, *c.rule, c.otherwise);
        EXPECT_EQ(got.kind, c.expected.kind);
        if (c.expected.kind == PollOutcome::Kind::Show) {
            EXPECT_EQ(got.state, c.expected.state);
        }
    }
}

}  // namespace
}  // namespace zw
