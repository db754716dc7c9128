#include "pullplan/option_compare.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

// 0.144 lbs/ft at 0.5 by default: straight 100 ft, bend 45, straight 80, bend 90, straight 75,
// bend 45, straight 70.
std::vector<PullLinkValues> route(const std::string& first_friction = "") {
    const auto link = [](std::string type, std::string length, std::string angle) {
        return PullLinkTexts{std::move(type), std::move(length), std::move(angle), ""};
    };
    std::vector<PullLinkTexts> texts{link("Straight", "100", "0"), link("Angle", "1", "45"),
                                     link("Straight", "80", "0"),  link("Angle", "1", "90"),
                                     link("Straight", "75", "0"),  link("Angle", "1", "45"),
                                     link("Straight", "70", "0")};
    texts[0].raceway.friction = first_friction;
    std::vector<PullLinkValues> values;
    for (const PullLinkTexts& text : texts) {
        values.push_back(read_link(text, kEnglish));
    }
    return values;
}

PullSettings settings() {
    PullSettings plan;
    plan.friction = 0.5;
    plan.weight = 144;
    plan.allowable = 50;
    return plan;
}

CompareOption friction(double mu) {
    CompareOption option;
    option.friction = mu;
    return option;
}

TEST(OptionCompare, TheLowestHighestTensionIsBestAndNamedWithTheNextOne) {
    const Comparison compared = compare_options(
        route(), settings(), std::nullopt, 500,
        {friction(0.5), friction(0.25), friction(0.15), friction(0.35), friction(0.15)},
        UnitSystem::InchPound);
    ASSERT_EQ(compared.options.size(), 5u);
    // The route is the same both ways but for where the bends stand: each option's highest is
    // the lower of its two ends' tensions.
    EXPECT_NEAR(compared.options[0].forward_max, 66.38, 0.005);
    for (const ComparedOption& option : compared.options) {
        EXPECT_EQ(option.highest, std::min(option.forward_max, option.reverse_max));
    }
    EXPECT_EQ(compared.best, 2u); // the first of the two equal ones
    EXPECT_EQ(english_text(compared.deciding).substr(0, 49),
              "Option 3 pulls with the lowest highest tension, 9");
    EXPECT_NE(english_text(compared.deciding).find("against 9 lbs for option 5"),
              std::string::npos);
    // 66.38 lbs is over 50: a share above 100 % and the verdict naming the pull.
    EXPECT_NEAR(*compared.options[0].percent, compared.options[0].highest / 50 * 100, 1e-12);
    EXPECT_FALSE(compared.options[0].ok);
    EXPECT_TRUE(compared.options[2].ok);
}

TEST(OptionCompare, ADirectionAPointAndALinksOwnCoefficientAreKept) {
    CompareOption forward;
    forward.direction = PullDirection::Forward;
    CompareOption point;
    point.mid_assist = 3; // after link 4
    const Comparison compared = compare_options(route("0.15"), settings(), std::nullopt, 500,
                                                {forward, point, friction(0.5)},
                                                UnitSystem::InchPound);
    const ComparedOption& pulled = compared.options[0];
    EXPECT_EQ(pulled.highest, pulled.forward_max); // even where reverse would be lower
    EXPECT_EQ(pulled.pulled, PullDirection::Forward);
    const ComparedOption& halves = compared.options[1];
    EXPECT_EQ(halves.highest, std::max(halves.forward_max, halves.reverse_max));
    EXPECT_LT(halves.highest, pulled.highest);
    // The first link keeps its own 0.15 under an option of 0.5: the plan's figures.
    EXPECT_EQ(compared.options[2].forward_max, pulled.forward_max);
    EXPECT_LT(pulled.forward_max, 66.38 - 0.3);
}

TEST(OptionCompare, AnOptionsTextsAreReadOrRefusedNamingTheField) {
    const FrictionLibrary library({{"pvc-wet", {}, {}, {}, 0.18}}, {});
    const auto read = [&library](CompareOptionTexts texts, UnitSystem units = UnitSystem::InchPound) {
        return read_compare_option(texts, library, 7, kEnglish, units);
    };
    const ReadOption entry = read({"pvc-wet"});
    EXPECT_EQ(entry.option.friction, 0.18);
    EXPECT_EQ(entry.option.entry, "pvc-wet");
    EXPECT_EQ(read({"0"}).option.friction, 0.0);
    EXPECT_TRUE(read({"-0.1"}).refusal);
    EXPECT_TRUE(read({"", "sideways"}).refusal);
    EXPECT_EQ(read({"", "", "7"}).option.mid_assist, 6u);
    EXPECT_TRUE(read({"", "", "8"}).refusal);
    EXPECT_TRUE(read({"", "", "0"}).refusal);
    EXPECT_TRUE(read({"", "reverse", "3"}).refusal);
    EXPECT_NEAR(*read({"", "", "", "1000"}, UnitSystem::Metric).option.back_tension, 224.809,
                1e-3);
    EXPECT_NEAR(*read({"", "", "", "", "101.6"}, UnitSystem::Metric).option.conduit_id, 4, 1e-12);
    EXPECT_TRUE(read({"", "", "", "", "0"}).refusal);
    EXPECT_EQ(english_text(*read({"", "", "", "lots"}).refusal),
              "The back tension \"lots\" is not a number");
}

TEST(OptionCompare, AConduitTheCablesDoNotFitIsNoCandidateForBest) {
    CheckInputs check;
    check.conduit_id = 4;
    check.cable_od = 1.1;
    check.cables = 3;
    CompareOption small;
    small.conduit_id = 2.2;
    CompareOption slack = friction(0.9);
    const Comparison compared =
        compare_options(route(), settings(), check, 500, {small, slack}, UnitSystem::InchPound);
    EXPECT_TRUE(std::isnan(compared.options[0].highest));
    EXPECT_EQ(english_text(compared.options[0].verdict), "The cables do not fit this conduit");
    EXPECT_EQ(compared.best, 1u);
    EXPECT_NE(english_text(compared.deciding).find("the only one"), std::string::npos);
}

} // namespace
} // namespace tensora
