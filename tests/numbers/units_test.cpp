#include "numbers/units.h"
#include "pullplan/pull_plan.h"

#include <gtest/gtest.h>

#include <limits>

#include <random>
#include <string>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};
const NumberLocale kGerman{",", "."};

TEST(UnitFactors, AreTheDefinitionsOnesEachOnce) {
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::Length, UnitSystem::Metric), 0.3048);
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::Diameter, UnitSystem::Metric), 25.4);
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::Area, UnitSystem::Metric), 645.16);
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::Tension, UnitSystem::Metric), 4.4482216152605);
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::Volume, UnitSystem::Metric), 3.785411784);
    // 1 lb per 1000 ft is 0.45359237 kg over 304.8 m.
    EXPECT_DOUBLE_EQ(shown_value(1000, Quantity::Weight, UnitSystem::Metric), 0.45359237 / 0.3048);
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::Pressure, UnitSystem::Metric),
                     4.4482216152605 / 0.3048);
    EXPECT_DOUBLE_EQ(shown_value(1, Quantity::PressurePerInch, UnitSystem::Metric),
                     4.4482216152605 / 0.0254);
    EXPECT_EQ(shown_value(123.4, Quantity::Tension, UnitSystem::InchPound), 123.4);
    EXPECT_DOUBLE_EQ(inch_pound_value(152.4, Quantity::Length, UnitSystem::Metric), 500);
}

TEST(UnitColumns, SwitchToKilonewtonsForTheWholeColumnOnlyAbove10000) {
    const double at = 10000 / 4.4482216152605; // exactly 10,000 N
    EXPECT_FALSE(column_unit(Quantity::Tension, UnitSystem::Metric, at).kilo);
    EXPECT_TRUE(column_unit(Quantity::Tension, UnitSystem::Metric, at * 1.0001).kilo);
    EXPECT_FALSE(column_unit(Quantity::Tension, UnitSystem::InchPound, 1e9).kilo);
    const ColumnUnit kilo{UnitSystem::Metric, true};
    EXPECT_EQ(column_symbol(Quantity::Pressure, kilo), "kN/m");
    EXPECT_EQ(column_value_text(1000 / 4.4482216152605, Quantity::Tension, kilo, ","), "1,00");
    EXPECT_EQ(column_value_text(1, Quantity::Tension, kilo), ""); // 0.004 kN
    EXPECT_EQ(column_value_text(100, Quantity::Tension, {UnitSystem::Metric, false}), "445");
    EXPECT_EQ(column_value_text(100, Quantity::Tension, {}), "100");
}

TEST(UnitColumns, RoundHalvesAwayAndShowNegativeValues) {
    const ColumnUnit kilo{UnitSystem::Metric, true};
    const double pounds = 10075 / kNewtonsPerPoundForce; // 10.075 kN
    EXPECT_EQ(column_value_text(pounds, Quantity::Tension, kilo), "10.08");
    EXPECT_EQ(column_value_text(-pounds, Quantity::Tension, kilo), "-10.08");
    EXPECT_EQ(column_value_text(10074 / kNewtonsPerPoundForce, Quantity::Tension, kilo), "10.07");
    EXPECT_EQ(column_value_text(-5, Quantity::Tension, ColumnUnit{}), "-5");
    EXPECT_EQ(column_value_text(-0.3, Quantity::Tension, ColumnUnit{}), "");
    EXPECT_EQ(column_shown_value(-0.3, Quantity::Tension, ColumnUnit{}), 0);
    EXPECT_EQ(column_shown_value(1e300, Quantity::Tension, ColumnUnit{}),
              std::numeric_limits<double>::infinity());
}

TEST(UnitTexts, ConvertAndComeBackAsTheSameNumber) {
    EXPECT_EQ(converted_text("500", Quantity::Length, UnitSystem::InchPound, UnitSystem::Metric,
                             kEnglish),
              "152.4");
    EXPECT_EQ(converted_text("152,4", Quantity::Length, UnitSystem::Metric, UnitSystem::InchPound,
                             kGerman),
              "500");
    EXPECT_EQ(converted_text("abc", Quantity::Length, UnitSystem::Metric, UnitSystem::InchPound,
                             kEnglish),
              "abc");
    std::mt19937 random(21);
    std::uniform_real_distribution<double> value(0.001, 5000);
    for (int i = 0; i < 500; ++i) {
        const std::string text = general_number_text(value(random));
        for (Quantity q :
             {Quantity::Length, Quantity::Weight, Quantity::Tension, Quantity::Diameter}) {
            const std::string metric =
                converted_text(text, q, UnitSystem::InchPound, UnitSystem::Metric, kEnglish);
            // Back to the same number as the box shows it (15 significant digits).
            EXPECT_EQ(general_number_text(
                          inch_pound_value(read_input(metric, kEnglish), q, UnitSystem::Metric)),
                      text)
                << text;
        }
    }
}

TEST(UnitTexts, ABoxSwitchedTenTimesKeepsItsText) {
    SwitchMemo memo;
    std::string text = "333.3";
    UnitSystem units = UnitSystem::InchPound;
    for (int i = 0; i < 10; ++i) {
        const UnitSystem other =
            units == UnitSystem::Metric ? UnitSystem::InchPound : UnitSystem::Metric;
        text = switched_text(text, memo, Quantity::Weight, units, other, kEnglish);
        units = other;
    }
    EXPECT_EQ(text, "333.3");
    // A text edited after a switch is converted, not replaced by the remembered one.
    text = switched_text("1", memo, Quantity::Length, units, UnitSystem::Metric, kEnglish);
    EXPECT_EQ(text, "0.3048");
}

TEST(UnitTexts, ASwitchWritesSixDigitsAndComesBackToTheTextTyped) {
    SwitchMemo memo;
    const NumberLocale german{",", "."};
    EXPECT_EQ(switched_text("5000", memo, Quantity::Tension, UnitSystem::InchPound,
                            UnitSystem::Metric, german),
              "22241,1");
    EXPECT_EQ(switched_text("22241,1", memo, Quantity::Tension, UnitSystem::Metric,
                            UnitSystem::InchPound, german),
              "5000");
    EXPECT_EQ(typed_converted_text("500", Quantity::Pressure, UnitSystem::InchPound,
                                   UnitSystem::Metric, kEnglish),
              "7296.95");
    EXPECT_EQ(typed_converted_text("0.00001", Quantity::Length, UnitSystem::InchPound,
                                   UnitSystem::Metric, kEnglish),
              "3.048E-06");
    // The command line keeps every digit of a report's figure.
    SwitchMemo exact;
    EXPECT_EQ(switched_text("5000", exact, Quantity::Tension, UnitSystem::InchPound,
                            UnitSystem::Metric, kEnglish, SwitchDigits::Exact),
              "22241.1080763025");
}

TEST(UnitPlans, AMetricPlanEqualsTheInchPoundPlanConverted) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> length(1, 900);
    std::uniform_real_distribution<double> angle(5, 120);
    for (int plan = 0; plan < 30; ++plan) {
        std::vector<PullLinkTexts> feet;
        std::vector<PullLinkTexts> metres;
        const int links = 1 + plan % 9;
        for (int i = 0; i < links; ++i) {
            const bool straight = random() % 2 == 0;
            const std::string l = general_number_text(length(random));
            const std::string a = general_number_text(angle(random));
            const std::string type = straight ? std::string(kStraightType) : "Angle";
            feet.push_back({type, l, a, std::to_string(i + 1), false});
            metres.push_back({type,
                              converted_text(l, Quantity::Length, UnitSystem::InchPound,
                                             UnitSystem::Metric, kEnglish),
                              a, std::to_string(i + 1), false});
        }
        PullSettingsTexts ip{"0.35", "4000", "1300", "120", false, -1};
        PullSettingsTexts si = ip;
        si.allowable = converted_text(ip.allowable, Quantity::Tension, UnitSystem::InchPound,
                                      UnitSystem::Metric, kEnglish);
        si.weight = converted_text(ip.weight, Quantity::Weight, UnitSystem::InchPound,
                                   UnitSystem::Metric, kEnglish);
        si.back_tension = converted_text(ip.back_tension, Quantity::Tension, UnitSystem::InchPound,
                                         UnitSystem::Metric, kEnglish);
        std::vector<PullLinkValues> read_ip;
        std::vector<PullLinkValues> read_si;
        for (int i = 0; i < links; ++i) {
            read_ip.push_back(read_link(feet[i], kEnglish));
            read_si.push_back(read_link(metres[i], kEnglish, UnitSystem::Metric));
        }
        PullResults a;
        PullResults b;
        calculate_pull(read_ip, "", read_pull_settings(ip, kEnglish), a);
        calculate_pull(read_si, "", read_pull_settings(si, kEnglish, UnitSystem::Metric), b);
        show_columns(read_si, UnitSystem::Metric, ".", b);
        for (int i = 0; i < links; ++i) {
            EXPECT_NEAR(b.forward_tension[i], a.forward_tension[i],
                        1e-9 * (1 + a.forward_tension[i]));
            EXPECT_NEAR(b.reverse_tension[i], a.reverse_tension[i],
                        1e-9 * (1 + a.reverse_tension[i]));
            // The shown newtons are the pounds converted, to the column's rounding.
            const ColumnUnit unit = b.shown.forward_unit;
            const double shown = read_input(b.shown.forward[i], kEnglish);
            const double expected = a.forward_tension[i] * 4.4482216152605 / (unit.kilo ? 1000 : 1);
            EXPECT_NEAR(shown, expected, unit.kilo ? 0.005 : 0.5) << plan << ' ' << i;
        }
    }
}

TEST(UnitPlans, EachMetricColumnTakesItsOwnUnit) {
    // 3,000 lbs (13.3 kN) through a 100 ft bend: 30 lbs/ft, 438 N/m.
    std::vector<PullLinkValues> links(2);
    links[0].straight = true;
    links[0].length = 1000;
    links[1].straight = false;
    links[1].length = 100;
    links[1].angle = 1;
    links[1].theta = 1 / 57.3;
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = 6000;
    PullResults results;
    calculate_pull(links, "", settings, results);
    show_columns(links, UnitSystem::Metric, ",", results);
    EXPECT_TRUE(results.shown.forward_unit.kilo);
    EXPECT_FALSE(results.shown.forward_sidewall_unit.kilo);
    EXPECT_EQ(results.shown.forward[0], "13,34");
    EXPECT_EQ(results.shown.forward_sidewall[0], "0");
    EXPECT_EQ(results.shown.forward_sidewall[1],
              format_pattern(results.forward_tension[1] / 100 * 4.4482216152605 / 0.3048, "###"));
    // The reverse pull meets the bend first, at no tension: its column stays in newtons.
    EXPECT_TRUE(results.shown.reverse_unit.kilo);
    EXPECT_EQ(results.shown.reverse_sidewall[1], "");
}

} // namespace
} // namespace tensora
