#include "pullplan/pull_check.h"
#include "pullplan/pull_plan_links.h"
#include "support/messages.h"
#include "support/worked_plan.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <optional>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

struct Plan : test::WorkedPlan {
    CheckResult check(const CheckInputs& inputs) const {
        return check_pull(links.values(), read_pull_settings(settings, kEnglish), inputs);
    }
};

CheckInputs three_in_five_inch(CableArrangement arrangement) {
    CheckInputs inputs;
    inputs.conduit_id = 5.047;
    inputs.cable_od = 1.58;
    inputs.cables = 3;
    inputs.arrangement = arrangement;
    return inputs;
}

TEST(PullCheck, ThreeCablesTriangularAndCradled) {
    const Plan plan;
    const CheckResult triangular = plan.check(three_in_five_inch(CableArrangement::Triangular));
    EXPECT_NEAR(triangular.jam_ratio, 3.3540, 5e-5);
    EXPECT_EQ(triangular.jam_risk, JamRisk::VerySmall);
    EXPECT_NEAR(triangular.weight_correction, 1.1234, 5e-5);
    EXPECT_NEAR(*triangular.clearance, 1.9082, 5e-5);
    EXPECT_EQ(triangular.arrangement, "triangular");
    const CheckResult cradled = plan.check(three_in_five_inch(CableArrangement::Cradled));
    EXPECT_NEAR(cradled.weight_correction, 1.2769, 5e-5);
    EXPECT_NEAR(*cradled.clearance, 3.4214, 5e-5);
    // Automatic takes the larger factor, and names it.
    const CheckResult automatic = plan.check(three_in_five_inch(CableArrangement::Automatic));
    EXPECT_EQ(automatic.arrangement, "cradled");
    EXPECT_EQ(automatic.weight_correction, cradled.weight_correction);
    // The bend's pressure: (3w - 2) T / 3R, R = 2 ft * 57.3 / 90 of its arc.
    ASSERT_EQ(cradled.bends.size(), 1u);
    EXPECT_NEAR(*cradled.bends[0].radius, 1.2733, 5e-5);
    EXPECT_NEAR(*cradled.bends[0].forward_pressure,
                (3 * cradled.weight_correction - 2) * cradled.corrected.forward_tension[1] /
                    (3 * *cradled.bends[0].radius),
                1e-9);
}

TEST(PullCheck, OneCableIsThePlannersPull) {
    const Plan plan;
    CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
    inputs.cables = 1;
    const CheckResult one = plan.check(inputs);
    EXPECT_EQ(one.weight_correction, 1);
    EXPECT_FALSE(one.jam_risk); // named for three cables only
    EXPECT_NEAR(*one.clearance, 3.467, 1e-9);
    PullResults planner;
    plan.links.calculate(plan.settings, planner);
    EXPECT_EQ(one.corrected.forward_tension, planner.forward_tension);
    EXPECT_EQ(one.corrected.reverse_tension, planner.reverse_tension);
    EXPECT_NEAR(*one.bends[0].forward_pressure, planner.forward_tension[1] / *one.bends[0].radius,
                1e-12);
    EXPECT_EQ(one.verdict, "Pull OK");
}

TEST(PullCheck, CorrectsTheFrictionInADecimalCommaLocale) {
    // 1.234 written with a point would read as 1234 where the point groups thousands.
    const NumberLocale german{",", "."};
    PullPlanLinks links(german);
    links.append("Straight", "100", "0");
    PullSettingsTexts settings;
    settings.friction = "1,234";
    settings.weight = "1000";
    CheckInputs one = three_in_five_inch(CableArrangement::Automatic);
    one.cables = 1;
    const CheckResult result =
        check_pull(links.values(), read_pull_settings(settings, german), one);
    EXPECT_DOUBLE_EQ(result.corrected.forward_tension[0], 123.4);
}

TEST(JamRisk, ChangesAtEachBoundary) {
    // Both edges of every band.
    const std::pair<double, JamRisk> edges[] = {
        {2.3999, JamRisk::VerySmall},   {2.4, JamRisk::Small},       {2.4999, JamRisk::Small},
        {2.5, JamRisk::Moderate},       {2.5999, JamRisk::Moderate}, {2.6, JamRisk::Significant},
        {2.8999, JamRisk::Significant}, {2.9, JamRisk::Moderate},    {2.9999, JamRisk::Moderate},
        {3.0, JamRisk::Small},          {3.1999, JamRisk::Small},    {3.2, JamRisk::VerySmall}};
    for (const auto& [ratio, risk] : edges) {
        EXPECT_EQ(jam_risk(ratio), risk) << ratio;
    }
    // 1.05 * 3.8 / 1.33 is 3 exactly; the division alone gives 2.9999999999999996.
    const Plan plan;
    CheckInputs on_boundary = three_in_five_inch(CableArrangement::Cradled);
    on_boundary.conduit_id = 3.8;
    on_boundary.cable_od = 1.33;
    EXPECT_EQ(plan.check(on_boundary).jam_risk, JamRisk::Small);
}

// Cables of 1.5 in in a conduit of 4.5 in: d / (D - d) is 0.5, and d² is not d, so that a
// formula written with one for the other shows. Each arrangement's weight correction,
// clearance and bearing pressure (as a multiple of the bend's T / R), from the field's
// formulas worked by hand.
struct Arrangement {
    int cables;
    CableArrangement arrangement;
    double weight_correction;
    std::optional<double> clearance;
    double pressure_per_t_over_r;
};

TEST(PullCheck, EveryArrangementOfOneToSixCables) {
    const Arrangement arrangements[] = {
        {1, CableArrangement::Automatic, 1.0, 3.0, 1.0},
        {2, CableArrangement::Automatic, 1.1547005, 1.5, 1.1547005 / 2},
        {3, CableArrangement::Triangular, 1.1547005, 1.5000381, 1.1547005 / 2},
        {3, CableArrangement::Cradled, 1.3333333, 2.9523687, 2.0 / 3},
        {4, CableArrangement::Diamond, 1.3333333, 1.5, 1.3333333 / 2},
        {4, CableArrangement::Cradled, 1.5, std::nullopt, 0.75},
        {5, CableArrangement::Automatic, 1.4, std::nullopt, 0.4},
        {6, CableArrangement::Automatic, 1.4, std::nullopt, 0.4}};
    Plan plan;
    plan.settings.weight = "0"; // no weight: the bend's tension is the back tension's
    plan.settings.back_tension = "100";
    for (const Arrangement& a : arrangements) {
        CheckInputs inputs;
        inputs.conduit_id = 4.5;
        inputs.cable_od = 1.5;
        inputs.cables = a.cables;
        inputs.arrangement = a.arrangement;
        const CheckResult result = plan.check(inputs);
        const std::string name = std::to_string(a.cables) + " " + english(result.arrangement);
        ASSERT_TRUE(result.problem.empty()) << name << ": " << result.problem;
        EXPECT_NEAR(result.weight_correction, a.weight_correction, 1e-6) << name;
        EXPECT_EQ(result.clearance.has_value(), a.clearance.has_value()) << name;
        if (a.clearance && result.clearance) {
            EXPECT_NEAR(*result.clearance, *a.clearance, 1e-6) << name;
        }
        const CheckedBend& bend = result.bends.at(0);
        const double t_over_r = result.corrected.forward_tension[1] / *bend.radius;
        EXPECT_NEAR(*bend.forward_pressure / t_over_r, a.pressure_per_t_over_r, 1e-6) << name;
    }
}

TEST(PullCheck, AsksForADiameterThatIsNotAPositiveNumber) {
    const Plan plan;
    for (const double od : {0.0, -1.0, std::numeric_limits<double>::infinity()}) {
        CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
        inputs.cable_od = od;
        const CheckResult result = plan.check(inputs);
        EXPECT_EQ(result.verdict, "Enter the cable's outside diameter") << od;
        EXPECT_FALSE(result.ok);
    }
    CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
    inputs.conduit_id = 0;
    EXPECT_EQ(plan.check(inputs).verdict, "Enter the conduit's inside diameter");
}

TEST(PullCheck, WritesAFigureBelowHalfAPoundAsZero) {
    Plan plan;
    plan.settings.back_tension = "0";
    plan.links.clear();
    plan.links.append("Angle", "2", "90"); // 0 lbs through the bend
    const CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
    const CheckResult result = plan.check(inputs);
    const CheckedBendTexts bend = bend_texts(result.bends.at(0), inputs);
    EXPECT_EQ(bend.forward_pressure, "0");
    EXPECT_EQ(bend.reverse_pressure, "0");
    EXPECT_EQ(check_texts(result, inputs).forward_max, "0");
}

TEST(PullCheck, NamesWhereTheCableRunsUnderItsOwnWeight) {
    Plan plan;
    plan.links.clear();
    plan.links.append("Straight", "100", "0");
    plan.links.append("Straight", "300", "-25", true); // friction below tan 25 degrees
    plan.settings.friction = "0.15";
    const CheckResult result = plan.check(three_in_five_inch(CableArrangement::Cradled));
    EXPECT_EQ(result.forward_held_link, 1);
    EXPECT_FALSE(result.reverse_held_link); // uphill the other way
    EXPECT_NE(english(result.verdict)
                  .find("The cable runs under its own weight at link 2 in the forward "
                        "pull: hold it back"),
              std::string::npos);
    EXPECT_FALSE(result.ok);
}

TEST(PullCheck, SaysSoWhereAFormulaHasNoMeaning) {
    Plan plan;
    CheckInputs inputs = three_in_five_inch(CableArrangement::Triangular);
    inputs.conduit_id = 1.5; // narrower than a cable
    EXPECT_EQ(plan.check(inputs).problem, "the cables do not fit this conduit");
    inputs.conduit_id = 2.9; // d / (D - d) above 1: no room for a triangle
    EXPECT_EQ(plan.check(inputs).problem, "the cables do not fit this conduit");
    inputs.arrangement = CableArrangement::Diamond;
    EXPECT_FALSE(plan.check(inputs).problem.empty());
    plan.links.set(1, "Angle", "2", "0", "2"); // a bend of angle 0 has no radius
    const CheckResult flat = plan.check(three_in_five_inch(CableArrangement::Cradled));
    EXPECT_FALSE(flat.bends[0].radius);
    EXPECT_FALSE(flat.bends[0].forward_pressure);
}

TEST(PullCheck, NamesWhatExceedsWhere) {
    Plan plan;
    plan.settings.allowable = "60";
    CheckInputs inputs = three_in_five_inch(CableArrangement::Cradled);
    inputs.sidewall_limit = 15;
    inputs.min_clearance = 4;
    const CheckResult result = plan.check(inputs);
    // 500 ft at 0.15 * w of three cables' 600 lb per 1000 ft stays below 60 lbs; the bend
    // takes it over.
    EXPECT_EQ(english(result.verdict).substr(0, 53),
              "Forward pull exceeds the allowable tension at link 2;");
    EXPECT_NE(english(result.verdict).find("Reverse pull exceeds the allowable tension at link 1"),
              std::string::npos);
    EXPECT_NE(english(result.verdict).find("Sidewall pressure exceeds 15 lbs/ft at link 2"),
              std::string::npos);
    EXPECT_NE(english(result.verdict).find("The clearance is below the minimum"),
              std::string::npos);
    plan.links.append("Angle", "2", "90");
    plan.links.append("Angle", "2", "90");
    EXPECT_NE(
        english(plan.check(inputs).verdict).find("at link 2 in both pulls and at 2 more bends"),
        std::string::npos);
    // A pull that passes the limit alone is named.
    inputs.sidewall_limit = 30;
    const CheckResult one_way = plan.check(inputs);
    EXPECT_NE(english(one_way.verdict).find("exceeds 30 lbs/ft at link 2 in the forward pull"),
              std::string::npos)
        << one_way.verdict;
}

TEST(PullCheck, WritesItsFiguresInTheUsersLocale) {
    const Plan plan;
    CheckInputTexts typed;
    typed.conduit_id = "5,047";
    typed.cable_od = "1,58";
    typed.sidewall_limit = "5,5";
    const CheckInputs inputs = read_check_inputs(typed, NumberLocale{",", "."});
    const CheckResult result = plan.check(inputs);
    const CheckTexts texts = check_texts(result, inputs);
    const auto german = [&inputs](const Message& message) {
        return english_text(message, inputs.locale);
    };
    EXPECT_EQ(german(texts.jam_ratio), "3,3540");
    EXPECT_EQ(german(texts.clearance_line), "3,4214 in, minimum 0,5 in");
    EXPECT_NE(german(result.verdict).find("exceeds 5,5 lbs/ft"), std::string::npos);
    EXPECT_EQ(german(bend_texts(result.bends[0], inputs).radius), "1,2733");
}

TEST(PullCheck, TheAdviceSaysWhenItLeavesThePlansOwnPointOut) {
    Plan plan;
    const CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
    const auto advised = [&] {
        const PullSettings settings = read_pull_settings(plan.settings, kEnglish);
        CheckResult result = check_pull(plan.links.values(), settings, inputs);
        result.advice = check_advice(plan.links.values(), inputs, result);
        return std::pair{result.advice, english(check_texts(result, inputs).advice_line)};
    };
    const auto [plain, line] = advised();
    ASSERT_TRUE(plain.mid_assist);
    EXPECT_TRUE(line.starts_with("Pull ")) << line;
    plan.settings.mid_assist = true;
    plan.settings.selected = static_cast<int>(*plain.mid_assist) == 0 ? 1 : 0; // another point
    EXPECT_TRUE(advised().second.starts_with("Without a mid-assist point: Pull "));
    plan.settings.selected = static_cast<int>(*plain.mid_assist); // the advised one
    EXPECT_TRUE(advised().second.starts_with("Mid-assist point after link ")) << advised().second;
}

TEST(PullCheck, RatesTheFillAgainstTheCodesLimitForTheNumberOfCables) {
    const Plan plan;
    CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
    inputs.cable_od = 1;
    inputs.conduit_id = 2.6; // three cables: 3 / 2.6² = 44.38 % of the circle
    CheckResult result = plan.check(inputs);
    EXPECT_EQ(result.code_limit, 40);
    EXPECT_TRUE(result.code_over);
    EXPECT_NE(english(result.verdict)
                  .find("The fill of 44.38% exceeds the electrical code's limit of 40%"),
              std::string::npos);
    EXPECT_EQ(check_texts(result, inputs).code_line,
              "44.38%, over the electrical code's 40% for more than two cables");
    // A listed area that the cables fill to the limit exactly meets it.
    inputs.conduit_area = 3 * std::numbers::pi / 4 / 0.40;
    result = plan.check(inputs);
    EXPECT_FALSE(result.code_over);
    EXPECT_EQ(english(result.verdict).find("electrical code"), std::string::npos);
    // Two cables of 1 in in 2.4 in: 34.72 %, within 40 % but over 31 %.
    inputs = three_in_five_inch(CableArrangement::Automatic);
    inputs.cables = 2;
    inputs.cable_od = 1;
    inputs.conduit_id = 2.4;
    result = plan.check(inputs);
    EXPECT_EQ(result.code_limit, 31);
    EXPECT_TRUE(result.code_over);
    EXPECT_EQ(check_texts(result, inputs).code_fill, "34.72%");
}

TEST(PullCheck, ThreeCablesNeedRoomForTheirTriangle) {
    const Plan plan;
    CheckInputs inputs = three_in_five_inch(CableArrangement::Cradled);
    inputs.cable_od = 1;
    inputs.conduit_id = 2.15; // below 1 + 2 / sqrt(3) diameters
    EXPECT_EQ(plan.check(inputs).problem, "the cables do not fit this conduit");
    EXPECT_EQ(check_texts(plan.check(inputs), inputs).clearance,
              "the cables do not fit this conduit");
    inputs.conduit_id = 2.16;
    EXPECT_TRUE(plan.check(inputs).problem.empty());
}

TEST(PullCheck, WritesRatiosWithFourDecimalsAndTensionsAsThePlanner) {
    const Plan plan;
    const CheckInputs inputs = three_in_five_inch(CableArrangement::Automatic);
    const CheckResult result = plan.check(inputs);
    const CheckTexts texts = check_texts(result, inputs);
    EXPECT_EQ(texts.jam_ratio, "3.3540");
    EXPECT_EQ(texts.jam_risk, "very small");
    EXPECT_EQ(texts.weight_correction, "1.2769");
    EXPECT_EQ(texts.clearance_line, "3.4214 in, minimum 0.5 in");
    EXPECT_EQ(texts.forward_max, std::string(result.corrected.forward[2]));
    EXPECT_EQ(texts.forward_line,
              english(texts.forward_max) + " lbs at link 3, allowable 1000 lbs");
    const CheckedBendTexts bend = bend_texts(result.bends[0], inputs);
    EXPECT_EQ(bend.link, "2");
    EXPECT_EQ(bend.radius, "1.2733");
    EXPECT_EQ(bend.limit, "500"); // in every row, beyond it or not
}

TEST(PullCheck, InMetricReadsMillimetresAndWritesTheSameCheckInMetricUnits) {
    const Plan plan;
    CheckInputTexts texts;
    texts.conduit_id = "128.1938"; // 5.047 in
    texts.cable_od = "40.132";     // 1.58 in
    texts.min_clearance = "12.7";
    texts.sidewall_limit = "100"; // N/m: 6.85 lbs/ft, which the bend passes
    texts.bend_radius = "0.3048"; // 1 ft
    CheckInputs inputs = read_check_inputs(texts, kEnglish, nullptr, UnitSystem::Metric);
    EXPECT_DOUBLE_EQ(inputs.conduit_id, 5.047);
    EXPECT_DOUBLE_EQ(inputs.min_clearance, 0.5);
    EXPECT_DOUBLE_EQ(*inputs.bend_radius, 1);
    EXPECT_NEAR(inputs.sidewall_limit, 100 / 14.593902937206364, 1e-12);
    const CheckResult result = plan.check(inputs);
    const CheckTexts metric = check_texts(result, inputs);
    EXPECT_EQ(metric.clearance_line, "86.90 mm, minimum 12.7 mm");
    EXPECT_NE(english(metric.verdict).find("Sidewall pressure exceeds 100 N/m at link 2"),
              std::string::npos)
        << metric.verdict;
    // The bends' pressures are one column: N/m, kN/m once one passes 10,000 N/m.
    const ColumnUnit unit = bend_pressure_unit(result, UnitSystem::Metric);
    const double largest =
        std::max(*result.bends[0].forward_pressure, *result.bends[0].reverse_pressure) *
        14.593902937206364;
    EXPECT_EQ(unit.kilo, largest > 10000);
    const CheckedBendTexts bend = bend_texts(result.bends[0], inputs, unit);
    EXPECT_EQ(bend.radius, "0.3048");
    EXPECT_EQ(bend.limit, "100, over both ways");
    EXPECT_NEAR(read_input(english(bend.forward_pressure), kEnglish) * (unit.kilo ? 1000 : 1),
                *result.bends[0].forward_pressure * 14.593902937206364, unit.kilo ? 5 : 0.5);
    // One unit a line: the allowable tension in the pull's kN, rounded down; the limit of a
    // row in its pressures' kN/m.
    CheckResult heavy = result;
    heavy.forward_max = 10000; // lbs: 44.48 kN
    heavy.allowable = 5000;    // 22.24 kN
    EXPECT_EQ(check_texts(heavy, inputs).forward_line, "44.48 kN at link 3, allowable 22.24 kN");
    EXPECT_EQ(bend_texts(result.bends[0], inputs, {UnitSystem::Metric, true}).limit,
              "0.10, over both ways");
    heavy.allowable = 0;
    heavy.allowable_missing =
        Message(TENSORA_TEXT("CableSet", "%1: give the conductor size of group %2"))
            .nested(tension_rule_name(TensionRule::Eye))
            .count_arg(2);
    EXPECT_NE(english(check_texts(heavy, inputs).forward_line)
                  .find(", no allowable tension: Pulling eye on the conductors: give the conductor "
                        "size of group 2"),
              std::string::npos);
}

TEST(PullCheck, ReadsItsBoxesByTheNumberRules) {
    CheckInputTexts texts;
    texts.conduit_id = "5,04"; // a decimal comma in an English locale
    texts.cable_od = "1.58";
    texts.bend_radius = "0";
    std::vector<CheckWarning> warnings;
    const CheckInputs inputs = read_check_inputs(texts, kEnglish, &warnings);
    EXPECT_EQ(inputs.conduit_id, 5);
    EXPECT_FALSE(inputs.bend_radius);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].box, "conduit-id");
    EXPECT_EQ(warnings[0].message, "Please enter a number");
    EXPECT_EQ(warnings[1].message,
              "Enter a bend radius above 0, or leave the box empty to take each "
              "bend's radius from its length and angle");
    texts.bend_radius = " ";
    EXPECT_FALSE(read_check_inputs(texts, kEnglish).bend_radius);
}

TEST(PullCheck, APlanWithoutLinksHasNoVerdict) {
    CheckInputs inputs;
    inputs.conduit_id = 4;
    inputs.cable_od = 1;
    const CheckResult result = check_pull({}, PullSettings{}, inputs);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.no_plan);
    EXPECT_EQ(result.verdict, "No plan yet: add links in Tools > Pull Calculator.");
}

} // namespace
} // namespace tensora
