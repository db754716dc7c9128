#include "pullplan/pull_plan.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};
using Texts = std::vector<std::string>;

PullLinkTexts straight(const std::string& length, const std::string& number) {
    return {"Straight", length, "0", number};
}

PullLinkTexts bend(const std::string& length, const std::string& angle, const std::string& number) {
    return {"Angle", length, angle, number};
}

// The plan of the worked example: 500 ft straight, a 90 degree bend 2 ft long, 300 ft straight.
std::vector<PullLinkTexts> worked_plan() {
    return {straight("500", "1"), bend("2", "90", "2"), straight("300", "3")};
}

PullSettingsTexts worked_settings() {
    PullSettingsTexts settings;
    settings.friction = "0.15";
    settings.weight = "200";
    settings.allowable = "1000";
    settings.back_tension = "0";
    return settings;
}

PullResults run(const std::vector<PullLinkTexts>& links, const PullSettingsTexts& settings) {
    return pullcalc(links, settings, kEnglish);
}

TEST(Pullcalc, ComputesTheWorkedExample) {
    const PullResults results = run(worked_plan(), worked_settings());
    EXPECT_EQ(results.forward.to_vector(), Texts({"15", "19", "28"}));
    EXPECT_EQ(results.forward_sidewall.to_vector(), Texts({"0", "9", "0"}));
    EXPECT_EQ(results.reverse.to_vector(), Texts({"26", "11", "9"}));
    EXPECT_EQ(results.reverse_sidewall.to_vector(), Texts({"0", "6", "0"}));
    EXPECT_EQ(results.forward_percent, 2);
    EXPECT_EQ(results.reverse_percent, 2);
    EXPECT_TRUE(results.bars_visible);
    EXPECT_EQ(results.caption, "");
}

TEST(Pullcalc, RoundsTheBendAngleAndExponentToFifteenDigits) {
    const PullLinkValues link = read_link(bend("2", "90", "1"), kEnglish);
    EXPECT_EQ(link.theta, 1.57068062827225);
    PullSettingsTexts settings = worked_settings();
    settings.back_tension = "1";
    const PullResults results = run({bend("2", "90", "1")}, settings);
    EXPECT_EQ(results.forward_tension[0], std::exp(0.235602094240838));
    EXPECT_NEAR(results.forward_tension[0], 1.26567059233952, 1e-14);
    // 15 ft before the bend: 15 × 1.2657 = 18.985; 300 ft after it: 18.985 + 9 = 27.985.
    const PullResults worked = run(worked_plan(), worked_settings());
    EXPECT_DOUBLE_EQ(worked.forward_tension[1], 15 * std::exp(0.235602094240838));
}

TEST(Pullcalc, SplitsThePullAtTheMidAssistPoint) {
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = 1;
    const PullResults results = run(worked_plan(), settings);
    EXPECT_EQ(results.caption, "Mid-assist pull point between links 2 and 3");
    EXPECT_EQ(results.forward.to_vector(), Texts({"15", "19", "9"}));
    EXPECT_EQ(results.reverse.to_vector(), Texts({"15", "", "9"}));
    EXPECT_EQ(results.reverse_sidewall.to_vector(), Texts({"0", "", "0"}));
    EXPECT_FALSE(results.bars_visible);
    // The percentages are still formed from the end-of-pass tensions.
    EXPECT_EQ(results.forward_percent, 0);
    EXPECT_EQ(results.reverse_percent, 1);
}

TEST(Pullcalc, ShowsAnEmptyEntryForABendRightAfterTheReset) {
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = 0;
    const PullResults results =
        run({straight("500", "1"), bend("2", "90", "2"), straight("300", "3")}, settings);
    EXPECT_EQ(results.forward.to_vector(), Texts({"15", "", "9"}));
    EXPECT_EQ(results.forward_sidewall.to_vector(), Texts({"0", "", "0"}));
    EXPECT_EQ(results.caption, "Mid-assist pull point between links 1 and 2");
}

TEST(Pullcalc, ChoosingTheLastLinkResetsOnlyTheForwardPass) {
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = 2;
    const PullResults results = run(worked_plan(), settings);
    EXPECT_EQ(results.forward.to_vector(), Texts({"15", "19", "28"}));
    EXPECT_EQ(results.reverse.to_vector(), Texts({"26", "11", "9"}));
    EXPECT_EQ(results.forward_percent, 0);
    EXPECT_EQ(results.caption, "Mid-assist pull point between links 3 and 4");
}

TEST(Pullcalc, MidAssistWithoutAChosenLinkChangesNothing) {
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = -1;
    const PullResults results = run(worked_plan(), settings);
    EXPECT_EQ(results.caption, "");
    EXPECT_TRUE(results.bars_visible);
    EXPECT_EQ(results.forward.to_vector(), Texts({"15", "19", "28"}));
    EXPECT_EQ(results.reverse.to_vector(), Texts({"26", "11", "9"}));
}

TEST(Pullcalc, AnEmptyPlanShowsTheBackTensionInTheBars) {
    PullSettingsTexts settings = worked_settings();
    PullResults results = run({}, settings);
    EXPECT_TRUE(results.forward.empty());
    EXPECT_TRUE(results.reverse_sidewall.empty());
    EXPECT_EQ(results.forward_percent, 0);
    EXPECT_EQ(results.caption, "");
    settings.back_tension = "50";
    results = run({}, settings);
    EXPECT_EQ(results.forward_percent, 5);
    EXPECT_EQ(results.reverse_percent, 5);
}

TEST(Pullcalc, CapsTheBarsAtOneHundredAndRoundsDown) {
    PullSettingsTexts settings = worked_settings();
    for (const auto& [back, percent] : std::vector<std::pair<std::string, int>>{
             {"1500", 100}, {"1000", 100}, {"999", 99}, {"9.99", 0}, {"-50", 0}}) {
        settings.back_tension = back;
        const PullResults results = run({}, settings);
        EXPECT_EQ(results.forward_percent, percent) << back;
        EXPECT_EQ(results.reverse_percent, percent) << back;
    }
}

TEST(Pullcalc, ShowsEmptyBarsWithoutAPositiveAllowableTension) {
    PullSettingsTexts settings = worked_settings();
    settings.back_tension = "50";
    for (const char* allowable : {"0", "", "abc", "-100"}) {
        settings.allowable = allowable;
        const PullResults results = run(worked_plan(), settings);
        EXPECT_EQ(results.forward_percent, 0) << allowable;
        EXPECT_EQ(results.reverse_percent, 0) << allowable;
    }
}

TEST(Pullcalc, CountsTheBackTensionOnlyWhenItIsANumber) {
    PullSettingsTexts settings = worked_settings();
    settings.back_tension = "5abc";
    EXPECT_EQ(run(worked_plan(), settings).forward.to_vector(), Texts({"15", "19", "28"}));
    settings.back_tension = "5";
    settings.weight = "5abc"; // a weight is read by its leading number
    EXPECT_EQ(run({straight("1000", "1")}, settings).forward.to_vector(), Texts({"6"}));
}

TEST(Pullcalc, ReadsGroupedThousandsInFull) {
    PullSettingsTexts settings = worked_settings();
    settings.allowable = "1,000";
    EXPECT_EQ(run({straight("1,000", "1")}, settings).forward.to_vector(), Texts({"30"}));
    EXPECT_EQ(run({straight("1,000", "1")}, settings).forward_percent, 3);
}

TEST(Pullcalc, CountsAnyTypeButStraightAsABend) {
    PullSettingsTexts settings = worked_settings();
    settings.back_tension = "100";
    const PullResults results = run({{"straight", "2", "90", "1"}}, settings);
    EXPECT_EQ(results.forward.to_vector(), Texts({"127"}));
    EXPECT_EQ(results.forward_sidewall.to_vector(), Texts({"63"}));
}

TEST(Pullcalc, DependsOnTheOrderOfTheLinks) {
    const PullSettingsTexts settings = worked_settings();
    const PullResults before = run({straight("500", "1"), bend("2", "90", "2")}, settings);
    const PullResults after = run({bend("2", "90", "1"), straight("500", "2")}, settings);
    EXPECT_EQ(before.forward.to_vector(), Texts({"15", "19"}));
    EXPECT_EQ(after.forward.to_vector(), Texts({"", "15"}));
    EXPECT_EQ(before.reverse.to_vector(), Texts({"15", ""}));
    EXPECT_EQ(after.reverse.to_vector(), Texts({"19", "15"}));
}

TEST(Pullcalc, MarksABendWithoutLength) {
    PullSettingsTexts settings = worked_settings();
    const PullResults results = run({straight("500", "1"), bend("", "90", "2")}, settings);
    EXPECT_EQ(results.forward_sidewall[1], kNoLengthText);
    EXPECT_EQ(results.reverse_sidewall[1], kNoLengthText); // though no tension reaches it
}

TEST(Pullcalc, ShowsATensionThatRoundsToSixteenDigitsAsOutOfRange) {
    PullSettingsTexts settings = worked_settings();
    settings.back_tension = "999999999999999.5";
    EXPECT_EQ(run({straight("0", "1")}, settings).forward[0], kNotFiniteText);
    settings.back_tension = "999999999999999.25";
    EXPECT_EQ(run({straight("0", "1")}, settings).forward[0], "999999999999999");
}

TEST(Pullcalc, ShowsTensionsBeyondADoubleAsOutOfRange) {
    PullSettingsTexts settings = worked_settings();
    settings.friction = "1000";
    settings.back_tension = "10";
    const PullResults results = run({bend("2", "1e6", "1"), straight("10", "2")}, settings);
    EXPECT_EQ(results.forward[0], kNotFiniteText);
    EXPECT_EQ(results.forward_sidewall[0], kNotFiniteText);
    EXPECT_EQ(results.forward[1], kNotFiniteText);
    EXPECT_EQ(results.forward_percent, 100);
}

TEST(Pullcalc, ShowsTensionsBeyondTheDoublesWholeNumbersAsOutOfRange) {
    PullSettingsTexts settings = worked_settings();
    settings.back_tension = "999999999999999";
    EXPECT_EQ(run({straight("1", "1")}, settings).forward[0], "999999999999999");
    settings.back_tension = "1e15";
    EXPECT_EQ(run({straight("1", "1")}, settings).forward[0], kNotFiniteText);
    EXPECT_EQ(run({bend("1e-20", "90", "1")}, settings).forward_sidewall[0], kNotFiniteText);
}

TEST(WholePatternText, AgreesWithThePatternEverywhere) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-3, 17);
    std::uniform_int_distribution<int> sign(0, 1);
    std::string scratch;
    std::vector<double> values{0.5,
                               -0.5,
                               1.5,
                               2.5,
                               0.49999999999999994,
                               2.4999999999999996,
                               1e15,
                               -1e15,
                               999999999999999.5,
                               12345678901234.5,
                               12345678901234.451171875, // 231/512 over the half's 0.45
                               -12345678901234.44921875, // 230/512 under it
                               123456789012345.5,        // an exact half: to the even one
                               123456789012346.5,
                               -99999999999999.5,
                               99999999999999.4,
                               123456789012345.0,
                               999999999999999.0,
                               0,
                               -0.0};
    for (int i = 0; i < 200000; ++i) {
        values.push_back((sign(random) ? -1 : 1) * std::pow(10.0, exponent(random)));
    }
    for (int i = 0; i < 2000; ++i) {
        values.push_back(i / 2.0 + (sign(random) ? 1e-13 : -1e-13));
    }
    for (double value : values) {
        ASSERT_EQ(whole_pattern_text(value, scratch), format_pattern(value, "###")) << value;
    }
}

TEST(RoundTo15Digits, AgreesWithReadingBackTheFifteenDigitText) {
    std::mt19937_64 random(8122026);
    std::uniform_real_distribution<double> exponent(-12, 18);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::vector<double> values{1.57068062827225,
                               0.235602094240838,
                               90 / 57.3,
                               0.15 * (90 / 57.3),
                               1e-7,
                               1e14,
                               99999999999999.95,
                               0.5,
                               1.0 / 3};
    for (int i = 0; i < 300000; ++i) {
        values.push_back(std::pow(10.0, exponent(random)));
        values.push_back(std::bit_cast<double>(bits(random) >> 2)); // anywhere in the range
    }
    for (int i = 1; i <= 3600; ++i) {
        values.push_back(0.15 * ((i / 20.0) / 57.3)); // the bend exponents of real plans
    }
    for (double value : values) {
        char text[64];
        const auto end =
            std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14).ptr;
        double expected = 0;
        std::from_chars(text, end, expected);
        ASSERT_EQ(round_to_15_digits(value), expected) << text;
        ASSERT_EQ(round_to_15_digits(-value), -expected) << text;
    }
}

} // namespace
} // namespace tensora
