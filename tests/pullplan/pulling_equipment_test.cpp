#include "pullplan/pull_advice.h"
#include "pullplan/pulling_equipment.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

PullLinkValues bend(double angle, bool sheave) {
    PullLinkValues link;
    link.straight = false;
    link.length = 3;
    link.angle = angle;
    link.theta = angle / 57.3;
    link.sheave = sheave;
    return link;
}

TEST(PullingEquipment, ASheaveCarriesTwiceTheTensionTimesTheCosineOfHalfTheLegsAngle) {
    EXPECT_NEAR(sheave_load(6000, 90), 8485.281374, 1e-6);
    EXPECT_NEAR(sheave_load(6000, 30), 3105.828541, 1e-6); // legs at 150 degrees
    // Legs together (a full turn back) load it with twice the tension; legs apart with none.
    EXPECT_NEAR(sheave_load(1000, 180), 2000, 1e-9);
    EXPECT_NEAR(sheave_load(1000, 0), 0, 1e-9);
}

TEST(PullingEquipment, TheCapstanTailFallsWithEveryWrap) {
    EXPECT_NEAR(capstan_tail(5000, 0.125, 4), 214.26, 0.01);
    EXPECT_NEAR(capstan_tail(5000, 0.125, 5), 97.48, 0.01);
    EXPECT_NEAR(capstan_tail(5000, 0.125, 6), 44.35, 0.01);
    const EquipmentCheck check = check_equipment({bend(90, false)}, {5000}, true, 0, {});
    ASSERT_EQ(check.capstan.size(), 4u);
    EXPECT_EQ(check.capstan.front().wraps, 3);
    EXPECT_EQ(check.capstan.back().wraps, 6);
    EXPECT_TRUE(check.capstan[1].beyond_hold); // 214 lbf over a person's 100
    EXPECT_FALSE(check.capstan[2].beyond_hold);
}

TEST(PullingEquipment, ThePullerAndTheRopeAreHeldToThePullAndTheRating) {
    EquipmentInputs inputs;
    inputs.puller = 6500;
    inputs.rope_strength = 26000; // exactly four times the rating: it serves
    const std::vector<PullLinkValues> links{bend(90, false), bend(45, true)};
    EquipmentCheck check = check_equipment(links, {1000, 5000}, true, 8000, inputs);
    EXPECT_EQ(check.highest_link, 1);
    EXPECT_EQ(check.puller, PullerVerdict::Ok);
    EXPECT_NEAR(check.puller_margin, 1500.0 / 6500 * 100, 1e-9);
    EXPECT_DOUBLE_EQ(check.rope_minimum, 26000); // the rating's, not the pull's
    EXPECT_EQ(check.rope, RopeVerdict::Serves);
    EXPECT_DOUBLE_EQ(check.working_load, 6500);
    inputs.rope_strength = 25999;
    EXPECT_EQ(check_equipment(links, {1000, 5000}, true, 8000, inputs).rope, RopeVerdict::TooWeak);
    EXPECT_EQ(check_equipment(links, {1000, 5000}, true, 6000, inputs).puller,
              PullerVerdict::AboveAllowable);
    EXPECT_EQ(check_equipment(links, {1000, 7000}, true, 8000, inputs).puller,
              PullerVerdict::TooWeak);
    inputs.design_factor = 3;
    check = check_equipment(links, {1000, 5000}, true, 8000, inputs);
    EXPECT_TRUE(check.factor_lowered);
    EXPECT_DOUBLE_EQ(check.rope_minimum, 19500);
    // The sheave at the marked bend alone, checked against its rating.
    ASSERT_EQ(check.sheaves.size(), 1u);
    EXPECT_EQ(check.sheaves[0].link, 1);
    EXPECT_NEAR(check.sheaves[0].load, sheave_load(5000, 45), 1e-9);
    EXPECT_EQ(check.sheaves[0].verdict, SheaveVerdict::NoRating);
    inputs.sheave_rating = 3800; // the load is 3,827 lbf
    EXPECT_EQ(check_equipment(links, {1000, 5000}, true, 8000, inputs).sheaves[0].verdict,
              SheaveVerdict::OverRating);
    EXPECT_FALSE(check_equipment(links, {1000, 5000}, true, 8000, inputs).ok);
}

TEST(PullingEquipment, ASheaveChangesThePlanOnlyByItsPercentage) {
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = 0;
    settings.back_tension = 1000;
    PullResults results;
    calculate_pull({bend(90, true)}, "", settings, results);
    EXPECT_DOUBLE_EQ(results.forward_tension[0], 1000);
    settings.sheave_percent = 2;
    calculate_pull({bend(90, true)}, "", settings, results);
    EXPECT_DOUBLE_EQ(results.forward_tension[0], 1020);
    calculate_pull({bend(90, false)}, "", settings, results);
    EXPECT_GT(results.forward_tension[0], 2000); // without the sheave: e^(0.5 x 1.57)
    // On a climbing route and pulled in reverse, the sheave still only adds its percentage.
    PullLinkValues climb;
    climb.length = 100;
    climb.inclined = true;
    climb.angle = 30;
    climb.theta = 30 / 57.3;
    settings.weight = 1000;
    calculate_pull({climb, bend(90, true)}, "", settings, results);
    EXPECT_DOUBLE_EQ(results.reverse_tension[1], 1000 * 1.02);
    EXPECT_DOUBLE_EQ(results.forward_tension[1], results.forward_tension[0] * 1.02);
}

} // namespace
} // namespace tensora

namespace tensora {
namespace {

TEST(PullingEquipment, TheAdvisedDirectionComesFromThePlainPullsWhateverPointThePlanHas) {
    // 100 ft then a quarter turn: forward 110 lbs, reverse 50: reverse. A mid-assist point
    // after the straight would make both ends read 50.
    PullLinkValues straight;
    straight.length = 100;
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = 1000;
    settings.mid_assist = true;
    settings.selected = 0;
    const std::vector<PullLinkValues> links{straight, bend(90, false)};
    EXPECT_EQ(plain_pull_direction(links, settings, UnitSystem::InchPound), PullDirection::Reverse);
}


TEST(PullingEquipment, ItServesOnlyWhatIsGivenAndSaysWhatIsMissing) {
    EquipmentInputs inputs;
    EXPECT_EQ(check_equipment({bend(90, false)}, {500}, true, 0, inputs).verdict,
              EquipmentVerdict::Incomplete);
    inputs.puller = 1000;
    const EquipmentCheck no_rope = check_equipment({bend(90, true)}, {500}, true, 0, inputs);
    EXPECT_EQ(no_rope.verdict, EquipmentVerdict::Incomplete);
    EXPECT_EQ(english_text(equipment_findings(no_rope, inputs, {}, UnitSystem::InchPound).verdict),
              "Not yet known whether the equipment serves this pull: give the rope's breaking "
              "strength and the sheaves' rating.");
    inputs.rope_strength = 4000;
    inputs.sheave_rating = 2000;
    EXPECT_EQ(check_equipment({bend(90, true)}, {500}, true, 0, inputs).verdict,
              EquipmentVerdict::Serves);
    inputs.rope_strength = 100; // too weak, whatever else is missing
    inputs.sheave_rating.reset();
    EXPECT_EQ(check_equipment({bend(90, true)}, {500}, true, 0, inputs).verdict,
              EquipmentVerdict::Fails);
}

TEST(PullingEquipment, TheRopesMinimumIsRoundedUpAndEveryForceIsInOneUnit) {
    EquipmentInputs inputs;
    const EquipmentCheck check = check_equipment({bend(90, false)}, {435.82}, true, 0, inputs);
    const EquipmentFindings findings = equipment_findings(check, inputs, {}, UnitSystem::InchPound);
    EXPECT_EQ(english_text(findings.rope),
              "Rope: a breaking strength of at least 1,744 lbs serves.");
    // 6,000 lbf is 26.69 kN: the highest tension and every other force in kN with it.
    inputs.puller = 6000;
    const EquipmentCheck metric = check_equipment({bend(90, false)}, {1322.8}, true, 0, inputs);
    const EquipmentFindings shown = equipment_findings(metric, inputs, {}, UnitSystem::Metric);
    EXPECT_EQ(english_text(shown.highest), "Highest tension of the forward pull: 5.88 kN at link 1.");
    EXPECT_EQ(english_text(shown.puller), "Puller: 26.69 kN, margin 78 %.");
}

TEST(PullingEquipment, TheHighestTensionNamesAMidAssistPointOnce) {
    const EquipmentCheck check = check_equipment({bend(90, false)}, {560}, false, 0, {});
    EquipmentPull pull;
    pull.plan_point = 3;
    EXPECT_EQ(english_text(equipment_findings(check, {}, pull, UnitSystem::InchPound).highest),
              "Highest tension of the reverse pull: 560 lbs at link 1, with the plan's "
              "mid-assist point after link 4.");
    pull = {};
    pull.cable_set = true;
    pull.advised_point = 3;
    pull.advised_forward = false;
    pull.advised_max = 400;
    EXPECT_EQ(english_text(equipment_findings(check, {}, pull, UnitSystem::InchPound).highest),
              "Highest tension of the reverse pull of the cable set, as the pull check computes "
              "it: 560 lbs at link 1; with a mid-assist point after link 4, pulled in reverse: "
              "400 lbs.");
}

} // namespace
} // namespace tensora
