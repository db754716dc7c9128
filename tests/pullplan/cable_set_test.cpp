#include "pullplan/cable_set.h"
#include "pullplan/pull_check.h"
#include "support/messages.h"
#include "support/worked_plan.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

CableGroup group(int count, double od, double weight, const char* size = nullptr,
                 Material material = Material::Copper, std::optional<double> rating = {}) {
    CableGroup g;
    g.count = count;
    g.od = od;
    g.weight = weight;
    if (size) {
        g.size = conductor_size(size);
        g.material = material;
    }
    g.rating = rating;
    return g;
}

TEST(ConductorSize, ReadsAwgKcmilAndSquareMillimetres) {
    EXPECT_EQ(conductor_size("14")->cmil, 4110);
    EXPECT_EQ(conductor_size("1/0")->cmil, 105600);
    EXPECT_EQ(conductor_size("4/0 AWG")->cmil, 211600);
    EXPECT_EQ(conductor_size("500")->cmil, 500000);
    EXPECT_EQ(conductor_size("350 kcmil")->cmil, 350000);
    EXPECT_DOUBLE_EQ(conductor_size("35mm2")->cmil, 35 * 1973.5);
    // No such gauge, and a number too small for kcmil that is no gauge either.
    EXPECT_FALSE(conductor_size("7"));
    EXPECT_FALSE(conductor_size("100"));
    EXPECT_FALSE(conductor_size("5/0"));
    EXPECT_EQ(material_of("Aluminum"), Material::Aluminium);
    EXPECT_FALSE(material_of("steel"));
}

TEST(ConductorSize, IsReadFromALibraryDescription) {
    const DescribedConductor copper = conductor_of_description("PWR-500CU-15KV");
    EXPECT_EQ(copper.size->cmil, 500000);
    EXPECT_EQ(copper.material, Material::Copper);
    const DescribedConductor aluminium = conductor_of_description("PWR-1/0AL-15KV");
    EXPECT_EQ(aluminium.size->cmil, 105600);
    EXPECT_EQ(aluminium.material, Material::Aluminium);
    EXPECT_FALSE(conductor_of_description("CTL-12C-600V").size);
    // Typed size and material win over the description's.
    CableGroupTexts texts{"1", "PWR-500CU-15KV", "1.46", "2217", "750", "al", "1", ""};
    const ReadGroup read = read_cable_group(texts, kEnglish, UnitSystem::InchPound);
    EXPECT_EQ(read.group.size->cmil, 750000);
    EXPECT_EQ(read.group.material, Material::Aluminium);
}

TEST(CableSet, WeighsEveryCableAndTakesTheLargestGroupWherever) {
    const CableSet set{{group(1, 0.8, 700), group(3, 1.46, 2217), group(2, 0.5, 100)}};
    EXPECT_EQ(set.cables(), 6);
    EXPECT_DOUBLE_EQ(set.weight(), 700 + 3 * 2217 + 2 * 100);
    EXPECT_DOUBLE_EQ(set.largest_od(), 1.46);
    EXPECT_EQ(set.largest_count(), 3);
    EXPECT_TRUE(set.mixed());
}

TEST(SetAllowable, FollowsEachRule) {
    const RuleLimits limits;
    // Three 350 kcmil phases and a 1/0 ground, copper.
    const CableSet phases{{group(3, 1.3, 1667, "350"), group(1, 1.0, 720, "1/0")}};
    EXPECT_NEAR(*set_allowable(phases, TensionRule::EyeSingles, limits, 0).pounds, 5546.88, 1e-9);
    // More than three conductors bear 80 % on the eye; three of them all of it.
    EXPECT_NEAR(*set_allowable(phases, TensionRule::Eye, limits, 0).pounds, 0.8 * 0.008 * 1155600,
                1e-9);
    const CableSet three{{group(3, 1.3, 1667, "350")}};
    EXPECT_NEAR(*set_allowable(three, TensionRule::Eye, limits, 0).pounds, 0.008 * 1050000, 1e-9);
    // Three single conductors count as two.
    EXPECT_NEAR(*set_allowable(three, TensionRule::EyeSingles, limits, 0).pounds, 0.008 * 700000,
                1e-9);
    // Of three unequal conductors, the two that bear least count.
    const CableSet unequal{{group(2, 1.3, 1667, "500"), group(1, 1.0, 720, "1/0")}};
    EXPECT_NEAR(*set_allowable(unequal, TensionRule::EyeSingles, limits, 0).pounds,
                0.008 * (105600 + 500000), 1e-9);
    // A triplex is three conductors on the eye, a second one six: 80 % of them.
    CableGroup triplex = group(1, 1.5, 2000, "4/0");
    triplex.conductors = 3;
    EXPECT_NEAR(*set_allowable({{triplex}}, TensionRule::Eye, limits, 0).pounds, 0.008 * 3 * 211600,
                1e-9);
    triplex.count = 2;
    EXPECT_NEAR(*set_allowable({{triplex}}, TensionRule::Eye, limits, 0).pounds,
                0.8 * 0.008 * 6 * 211600, 1e-9);
    // Aluminium bears 0.006 lbf a circular mil; the eye's rating caps it.
    const CableSet aluminium{{group(1, 1.3, 900, "500", Material::Aluminium)}};
    EXPECT_NEAR(*set_allowable(aluminium, TensionRule::Eye, limits, 0).pounds, 3000, 1e-9);
    EXPECT_EQ(*set_allowable(aluminium, TensionRule::Eye, {2000, 1000}, 0).pounds, 2000);
    // The grip's rating, never above the eye's figure where sizes are known.
    EXPECT_EQ(*set_allowable(three, TensionRule::Grip, {10000, 1000}, 0).pounds, 1000);
    EXPECT_EQ(*set_allowable(three, TensionRule::Grip, {10000, 50000}, 0).pounds, 8400);
    EXPECT_EQ(*set_allowable(three, TensionRule::Planner, limits, 777).pounds, 777);
}

TEST(SetAllowable, TakesTheLowestRatingTimesTheCablesThatBear) {
    const RuleLimits limits;
    const auto ratings = [&](std::vector<CableGroup> groups) {
        return set_allowable({std::move(groups)}, TensionRule::Ratings, limits, 0);
    };
    EXPECT_EQ(*ratings({group(2, 1, 1, nullptr, Material::Copper, 3000)}).pounds, 6000);
    EXPECT_EQ(*ratings({group(3, 1, 1, nullptr, Material::Copper, 3000)}).pounds, 6000);
    EXPECT_EQ(*ratings({group(3, 1, 1, nullptr, Material::Copper, 3000),
                        group(2, 1, 1, nullptr, Material::Copper, 1000)})
                   .pounds,
              3000); // 0.6 × 5 cables × 1000
    const SetAllowable missing =
        ratings({group(3, 1, 1, nullptr, Material::Copper, 3000), group(1, 1, 1)});
    EXPECT_FALSE(missing.pounds);
    EXPECT_EQ(missing.missing, "Cable ratings: give the rating of group 2");
    const CableSet unsized{{group(3, 1.3, 1667, "350"), group(1, 1, 1)}};
    EXPECT_EQ(set_allowable(unsized, TensionRule::Eye, limits, 0).missing,
              "Pulling eye on the conductors: give the conductor size of group 2");
}

struct SetPlan : test::WorkedPlan {
    CheckResult check(const CheckInputs& inputs) const {
        return check_pull(links.values(), read_pull_settings(settings, kEnglish), inputs);
    }
};

TEST(SetCheck, PullsTheWholeSetsWeightArrangedByItsLargestCables) {
    const SetPlan plan;
    CheckInputs one;
    one.conduit_id = 5.047;
    one.cable_od = 1.58;
    one.cables = 3;
    const CheckResult three = plan.check(one);
    // n identical cables: the planner's pull with n times the weight and the corrected
    // friction.
    PullSettings expected = read_pull_settings(plan.settings, kEnglish);
    expected.weight *= 3;
    expected.friction *= three.weight_correction;
    PullResults pull;
    calculate_pull(plan.links.values(), "", expected, pull);
    EXPECT_EQ(three.corrected.forward_tension, pull.forward_tension);
    EXPECT_EQ(three.corrected.reverse_tension, pull.reverse_tension);

    // A smaller ground adds its weight and area but leaves the arrangement to the phases.
    CheckInputs mixed = one;
    mixed.planner_group = false;
    mixed.set = {group(1, 0.8, 700), group(3, 1.58, 200)};
    const CheckResult grounded = plan.check(mixed);
    EXPECT_EQ(grounded.weight_correction, three.weight_correction);
    EXPECT_EQ(grounded.arrangement, three.arrangement);
    EXPECT_EQ(grounded.jam_ratio, three.jam_ratio);
    EXPECT_EQ(grounded.jam_risk, three.jam_risk); // three share the largest diameter
    EXPECT_DOUBLE_EQ(grounded.corrected_settings.weight, 1300);
    EXPECT_GT(*grounded.code_fill, *three.code_fill);
    EXPECT_EQ(grounded.code_limit, 40);
    // Two of the largest size and a smaller one: no band to name, and it says why.
    mixed.set = {group(1, 0.8, 700), group(2, 1.58, 200)};
    const CheckResult two = plan.check(mixed);
    EXPECT_FALSE(two.jam_risk);
    EXPECT_EQ(two.jam_note, "mixed sizes: no jam band");
    // The planner's cable is rated at the planner's allowable tension: two of three bear.
    one.rule = TensionRule::Ratings;
    EXPECT_DOUBLE_EQ(plan.check(one).allowable, 2 * 1000);
}

TEST(SetCheck, HoldsThePullAgainstTheAllowableOfItsRule) {
    SetPlan plan;
    plan.settings.allowable = "1000000";
    CheckInputs inputs;
    inputs.conduit_id = 5.047;
    inputs.planner_group = false;
    inputs.set = {group(3, 1.58, 4000, "1/0")};
    inputs.rule = TensionRule::EyeSingles; // two of 105,600 cmil at 0.008: 1,689.6 lbs
    const CheckResult eye = plan.check(inputs);
    EXPECT_NEAR(eye.allowable, 1689.6, 1e-9);
    EXPECT_NE(english(eye.verdict).find("pull exceeds the allowable tension"), std::string::npos);
    inputs.set[0].size.reset();
    EXPECT_NE(english(plan.check(inputs).verdict)
                  .find("Pulling eye, single conductors conservatively: give the conductor size of "
                        "group 1"),
              std::string::npos);
}

TEST(SetAllowable, CountsBeyondAnyPullAreRefusedAndTheRulesAreArithmetic) {
    CableGroupTexts many;
    many.count = "3000";
    many.od = "1";
    many.weight = "1";
    many.size = "500";
    many.material = "cu";
    EXPECT_EQ(*read_cable_group(many, {".", ","}, UnitSystem::InchPound).problem,
              "count \"3000\": not a whole number from 1 to 1000 (no pull holds more)");
    // The largest set a pull holds: a million conductors, each bearing 4000 lbf on the eye.
    many.count = "1000";
    many.conductors = "1000";
    const ReadGroup read = read_cable_group(many, {".", ","}, UnitSystem::InchPound);
    ASSERT_FALSE(read.problem);
    CableSet set;
    set.groups = {read.group};
    RuleLimits limits;
    limits.eye = 1e12;
    EXPECT_DOUBLE_EQ(*set_allowable(set, TensionRule::Eye, limits, 0).pounds, 0.8 * 4000 * 1e6);
    EXPECT_DOUBLE_EQ(*set_allowable(set, TensionRule::EyeSingles, limits, 0).pounds,
                     0.6 * 4000 * 1e6);
    // Three single conductors of two sizes: the two that bear least.
    set.groups = {read.group, read.group};
    set.groups[0].count = 2;
    set.groups[0].conductors = 1;
    set.groups[1].count = 1;
    set.groups[1].conductors = 1;
    set.groups[1].size = conductor_size("4/0");
    EXPECT_DOUBLE_EQ(*set_allowable(set, TensionRule::EyeSingles, limits, 0).pounds,
                     211600 * 0.008 + 4000);
}

} // namespace
} // namespace tensora
