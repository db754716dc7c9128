#include "pullplan/pull_plan_links.h"
#include "routes/route_drawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

PullLinkTexts link(std::string type, std::string length, std::string angle = "") {
    PullLinkTexts texts;
    texts.type = std::move(type);
    texts.length = std::move(length);
    texts.angle = std::move(angle);
    texts.inclined = texts.type == "Straight" && !texts.angle.empty();
    return texts;
}

PullLinkTexts right_bend(std::string length, std::string angle) {
    PullLinkTexts texts = link("Angle", std::move(length), std::move(angle));
    texts.right = true;
    return texts;
}

std::vector<PullLinkValues> read(const std::vector<PullLinkTexts>& texts) {
    std::vector<PullLinkValues> links;
    for (const PullLinkTexts& link : texts) {
        links.push_back(read_link(link, kEnglish));
    }
    return links;
}

PullResults pulled(const std::vector<PullLinkValues>& links, const PullSettings& settings) {
    PullResults results;
    calculate_pull(links, "", settings, results);
    return results;
}

// 100 ft east, a 90 degree bend 3 ft long turning right, 50 ft (south).
const std::vector<PullLinkValues> kRightTurn =
    read({link("Straight", "100"), right_bend("3", "90"), link("Straight", "50")});

PullSettings settings_with(double back_tension, double allowable) {
    PullSettings settings;
    settings.friction = 0.35;
    settings.weight = 2000;
    settings.back_tension = back_tension;
    settings.allowable = allowable;
    return settings;
}

TEST(RouteDrawing, EachPullRunsFromItsBackTensionToItsFinalTensionAlongTheRoute) {
    const PullSettings settings = settings_with(150, 10000);
    const PullResults results = pulled(kRightTurn, settings);
    const RouteDrawing forward = route_drawing(kRightTurn, results, settings, true, 500);
    EXPECT_DOUBLE_EQ(forward.samples.front().tension, 150);
    EXPECT_DOUBLE_EQ(forward.samples.back().tension, results.forward_tension[2]);
    // The bend's first sample carries what the first straight left.
    EXPECT_DOUBLE_EQ(forward.samples[forward.links[1].first].tension, results.forward_tension[0]);
    // Reverse: the far end is where the back tension enters, the route's start where it leaves.
    const RouteDrawing reverse = route_drawing(kRightTurn, results, settings, false, 500);
    EXPECT_DOUBLE_EQ(reverse.samples.back().tension, 150);
    EXPECT_DOUBLE_EQ(reverse.samples.front().tension, results.reverse_tension[0]);
    EXPECT_DOUBLE_EQ(reverse.samples[reverse.links[1].last].tension, results.reverse_tension[2]);
    EXPECT_DOUBLE_EQ(reverse.highest_tension, results.reverse_tension[0]);
    EXPECT_FALSE(reverse.forward);
}

TEST(RouteDrawing, ARightTurnDrawsSouthAndTheExtentsHoldTheWholeRoute) {
    const PullSettings settings = settings_with(0, 10000);
    const RouteDrawing drawing =
        route_drawing(kRightTurn, pulled(kRightTurn, settings), settings, true, 500);
    // The planner's 57.3 degrees to the radian: the bend turns a hair less than a right angle,
    // so the last straight drifts east.
    const double theta = 90 / kDegreesPerRadian;
    const double radius = 3 / theta;
    const double end_x = 100 + radius * std::sin(theta) + 50 * std::cos(theta);
    const double end_y = -radius * (1 - std::cos(theta)) - 50 * std::sin(theta);
    EXPECT_NEAR(drawing.samples.back().x, end_x, 1e-9);
    EXPECT_NEAR(drawing.samples.back().y, end_y, 1e-9);
    EXPECT_NEAR(drawing.min_y, end_y, 1e-9);
    EXPECT_NEAR(drawing.max_x, end_x, 1e-9);
    EXPECT_DOUBLE_EQ(drawing.length, 153);
    EXPECT_DOUBLE_EQ(drawing.samples.back().along, 153);
    // The bend is drawn as an arc: its middle sample stands off the corner's chord.
    const RouteSample& middle = drawing.links[1].middle;
    EXPECT_NEAR(std::hypot(middle.x - 100, middle.y + radius), radius, 1e-9);
    EXPECT_TRUE(drawing.links[1].bend);
    EXPECT_FALSE(drawing.links[0].bend);
}

TEST(RouteDrawing, TheSidewallMarkHoldsTheBearingPressureNotTheTensionOverTheLength) {
    // A 10 degree bend 1 ft long: radius 5.73 ft. 1000 lbs through it is 174 lbs/ft of bearing
    // pressure (inside 500) but about 1000 lbs/ft over its length.
    const std::vector<PullLinkValues> links = read({link("Angle", "1", "10")});
    PullSettings settings = settings_with(1000, 10000);
    settings.weight = 0;
    const PullResults results = pulled(links, settings);
    EXPECT_FALSE(route_drawing(links, results, settings, true, 500).links[0].over_sidewall);
    EXPECT_TRUE(route_drawing(links, results, settings, true, 150).links[0].over_sidewall);
}

TEST(RouteDrawing, MarksTheLinksBeyondTheAllowableTensionInThePullDrawn) {
    const PullSettings settings = settings_with(0, 120);
    const PullResults results = pulled(kRightTurn, settings);
    ASSERT_LT(results.forward_tension[0], 120);
    ASSERT_GT(results.forward_tension[2], 120);
    const RouteDrawing forward = route_drawing(kRightTurn, results, settings, true, 500);
    EXPECT_FALSE(forward.links[0].over_allowable);
    EXPECT_TRUE(forward.links[2].over_allowable);
    const RouteDrawing reverse = route_drawing(kRightTurn, results, settings, false, 500);
    EXPECT_EQ(reverse.links[0].over_allowable, results.reverse_tension[0] > 120);
    EXPECT_EQ(reverse.links[2].over_allowable, results.reverse_tension[2] > 120);
    EXPECT_DOUBLE_EQ(forward.allowable, 120);
}

TEST(RouteDrawing, AfterTheMidAssistPointThePullStartsAgainFromZero) {
    PullSettings settings = settings_with(100, 10000);
    settings.mid_assist = true;
    settings.selected = 1; // after the bend
    const PullResults results = pulled(kRightTurn, settings);
    const RouteDrawing forward = route_drawing(kRightTurn, results, settings, true, 500);
    EXPECT_DOUBLE_EQ(forward.samples[forward.links[2].first].tension, 0);
    ASSERT_TRUE(forward.mid_assist.has_value());
    EXPECT_DOUBLE_EQ(forward.mid_assist->along, 103);
    const RouteDrawing reverse = route_drawing(kRightTurn, results, settings, false, 500);
    EXPECT_DOUBLE_EQ(reverse.samples[reverse.links[1].last].tension, 0);
    EXPECT_DOUBLE_EQ(reverse.samples.back().tension, 100);
}

TEST(RouteDrawing, AClimbAndTheLinksHeldAtZeroAreDrawnWhereTheyAre) {
    // Up 100 ft of a 30 degree incline, down 10: pulled in reverse, the cable runs down the
    // long slope under its own weight.
    const std::vector<PullLinkValues> links =
        read({link("Straight", "100", "30"), link("Straight", "10", "-30")});
    const PullSettings settings = settings_with(0, 10000);
    const PullResults results = pulled(links, settings);
    const RouteDrawing reverse = route_drawing(links, results, settings, false, 500);
    const double rise = 100 * std::sin(30 / kDegreesPerRadian);
    EXPECT_NEAR(reverse.max_z, rise, 1e-9);
    EXPECT_NEAR(reverse.samples.back().z, rise * 0.9, 1e-9);
    EXPECT_TRUE(reverse.links[0].held);
    EXPECT_FALSE(reverse.links[1].held);
    EXPECT_FALSE(route_drawing(links, results, settings, true, 500).links[0].held);
}

TEST(RouteDrawing, NoLinksDrawNothing) {
    const RouteDrawing drawing = route_drawing({}, PullResults{}, PullSettings{}, true, 500);
    EXPECT_TRUE(drawing.empty());
    EXPECT_TRUE(drawing.samples.empty());
}

} // namespace
} // namespace tensora
