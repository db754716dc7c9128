#include "calculators/formulas.h"
#include "numbers/number_rules.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

TEST(BendExitTension, FollowsTheCapstanRelationWith57Point3DegreesToTheRadian) {
    EXPECT_EQ(wholeResultText(bend_exit_tension(10, 5, 0.150)), "10");
    EXPECT_NEAR(bend_exit_tension(10, 5, 0.150), 10.13, 0.005);
    EXPECT_EQ(wholeResultText(bend_exit_tension(1000, 90, 0.5)), "2193");
    EXPECT_EQ(wholeResultText(bend_exit_tension(1000, 90, 0.15)), "1265");
    // 57.3 degrees to the radian, not 180/pi (which gives 115703).
    EXPECT_EQ(wholeResultText(bend_exit_tension(5000, 180, 1)), "115676");
    EXPECT_EQ(bend_exit_tension(1234.5, 0, 0.3), 1234.5);
    EXPECT_EQ(bend_exit_tension(1234.5, 90, 0), 1234.5);
    EXPECT_GT(bend_exit_tension(1000, 45.9, 0.5), bend_exit_tension(1000, 45, 0.5));
}

TEST(BendExitTension, OverflowsToATextNotDigits) {
    EXPECT_EQ(wholeResultText(bend_exit_tension(10, 180, 1000)), kNotFiniteText);
}

TEST(SidewallResultText, DividesTheTensionByTheBendLength) {
    EXPECT_EQ(sidewall_result_text(10, 5), "2");
    EXPECT_EQ(sidewall_result_text(1000, 36), "27");
    EXPECT_EQ(sidewall_result_text(2500, 3), "833");
    EXPECT_EQ(sidewall_result_text(10, 0), "Undefined: bend length is 0");
    EXPECT_EQ(sidewall_result_text(0, 0), "Undefined: bend length is 0");
    EXPECT_EQ(sidewall_result_text(10, -5), "None: an input is negative");
}

TEST(MaxPullResultText, DividesTheTensionByWeightAndFriction) {
    EXPECT_EQ(max_pull_result_text(10, 5, 0.150), "13333");
    EXPECT_EQ(max_pull_result_text(5000, 500, 0.5), "20000");
    EXPECT_EQ(max_pull_result_text(600, 75, 0.15), "53333");
    EXPECT_EQ(max_pull_result_text(12000, 5, 0.150), "16000000");
}

TEST(MaxPullResultText, SaysSoWhereNoFiniteLengthExists) {
    EXPECT_EQ(max_pull_result_text(10, 0, 0.15), "Unlimited: no weight or friction");
    EXPECT_EQ(max_pull_result_text(10, 5, 0), "Unlimited: no weight or friction");
    EXPECT_EQ(max_pull_result_text(0, 0, 0), "Unlimited: no weight or friction");
    EXPECT_EQ(max_pull_result_text(10, -5, 0.15), "None: an input is negative");
    EXPECT_EQ(max_pull_result_text(10, 5, -0.1), "None: an input is negative");
    EXPECT_EQ(max_pull_result_text(-10, 5, 0.15), "None: an input is negative");
    EXPECT_EQ(max_pull_result_text(-10, 0, 0.15), "None: an input is negative");
}

TEST(LubricantResultText, KeepsOneDecimalWithTheLocaleSeparator) {
    EXPECT_EQ(lubricant_result_text(lubricant_quantity(1000, 2.0), "."), "3.");
    EXPECT_EQ(lubricant_result_text(lubricant_quantity(500, 1.25), "."), ".9");
    EXPECT_EQ(lubricant_result_text(lubricant_quantity(5000, 5.0), "."), "37.5");
    EXPECT_EQ(lubricant_result_text(lubricant_quantity(1000, 2.0), ","), "3,");
    EXPECT_EQ(lubricant_result_text(lubricant_quantity(1000, 0), "."), ".");
}

} // namespace
} // namespace tensora
