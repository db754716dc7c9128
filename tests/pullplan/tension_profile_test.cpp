#include "pullplan/pull_plan_links.h"
#include "pullplan/tension_profile.h"
#include "support/messages.h"
#include "support/worked_plan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

struct WorkedExample : test::WorkedPlan {
    ProfileData profile() {
        links.calculate(settings, results);
        return tension_profile(
            {links.values(), links.angles(), read_pull_settings(settings, kEnglish), results});
    }
    PullResults results;
};

std::vector<double> distances(const std::vector<ProfilePoint>& line) {
    std::vector<double> all;
    for (const ProfilePoint& point : line) {
        all.push_back(point.distance);
    }
    return all;
}

TEST(TensionProfile, FollowsBothPullsAlongTheRoute) {
    WorkedExample example;
    const ProfileData profile = example.profile();
    EXPECT_EQ(profile.length, 802);
    EXPECT_EQ(distances(profile.forward), std::vector<double>({0, 500, 502, 802}));
    EXPECT_EQ(distances(profile.reverse), std::vector<double>({802, 502, 500, 0}));
    EXPECT_DOUBLE_EQ(profile.forward[1].tension, 15);
    EXPECT_DOUBLE_EQ(profile.reverse[3].tension, example.results.reverse_tension[0]);
    ASSERT_EQ(profile.bends.size(), 1u);
    EXPECT_EQ(profile.bends[0].start, 500);
    EXPECT_EQ(profile.bends[0].angle, "90");
    ASSERT_TRUE(profile.worst_forward && profile.worst_reverse);
    EXPECT_EQ(profile.worst_forward->text, "9");
    EXPECT_EQ(profile.worst_reverse->text, "6");
    EXPECT_EQ(profile.allowable, 1000);
    EXPECT_FALSE(profile.mid_assist_at);
}

TEST(TensionProfile, RestartsBothPullsFromZeroAtTheMidAssistPoint) {
    WorkedExample example;
    example.settings.mid_assist = true;
    example.settings.selected = 1;
    const ProfileData profile = example.profile();
    EXPECT_EQ(profile.mid_assist_at, 502);
    EXPECT_EQ(distances(profile.forward), std::vector<double>({0, 500, 502, 502, 802}));
    EXPECT_EQ(profile.forward[3].tension, 0);
    EXPECT_EQ(distances(profile.reverse), std::vector<double>({802, 502, 502, 500, 0}));
    EXPECT_EQ(profile.reverse[2].tension, 0);
}

TEST(TensionProfile, InMetricEveryFigureIsConvertedAndTheLegendNamesItsUnits) {
    WorkedExample example;
    example.settings.mid_assist = true;
    example.settings.selected = 1;
    const ProfileData feet = example.profile();
    ProfileData metres = feet;
    convert_profile(metres, UnitSystem::Metric, ".");
    constexpr double m = 0.3048;
    constexpr double n = 4.4482216152605;
    EXPECT_DOUBLE_EQ(metres.length, 802 * m);
    EXPECT_DOUBLE_EQ(*metres.mid_assist_at, 502 * m);
    EXPECT_DOUBLE_EQ(metres.allowable, 1000 * n);
    EXPECT_DOUBLE_EQ(metres.bends[0].start, 500 * m);
    EXPECT_DOUBLE_EQ(metres.bends[0].end, 502 * m);
    EXPECT_DOUBLE_EQ(metres.link_starts.back(), 802 * m);
    for (std::size_t i = 0; i < feet.forward.size(); ++i) {
        EXPECT_DOUBLE_EQ(metres.forward[i].distance, feet.forward[i].distance * m);
        EXPECT_DOUBLE_EQ(metres.forward[i].tension, feet.forward[i].tension * n);
        EXPECT_DOUBLE_EQ(metres.reverse[i].tension, feet.reverse[i].tension * n);
    }
    // 9 lbs/ft is 131 N/m.
    EXPECT_DOUBLE_EQ(metres.worst_forward->pressure, feet.worst_forward->pressure * n / m);
    EXPECT_EQ(metres.worst_forward->text,
              format_pattern(feet.worst_forward->pressure * n / m, "###"));
    const std::string legend = english(pull_legend(metres, true));
    EXPECT_NE(legend.find(" N at link"), std::string::npos) << legend;
    EXPECT_NE(legend.find(" N/m at link"), std::string::npos) << legend;
    EXPECT_EQ(english(allowable_text(metres, profile_scale(metres))).substr(0, 16),
              "allowable 4448 N");
    convert_profile(metres, UnitSystem::Metric, "."); // converted once only
    EXPECT_DOUBLE_EQ(metres.length, 802 * m);
}

TEST(TensionProfile, LeavesOutTensionsShownAsOutOfRange) {
    WorkedExample example;
    example.settings.friction = "1000";
    example.settings.back_tension = "10";
    const ProfileData profile = example.profile();
    EXPECT_TRUE(profile.values_left_out);
    for (const ProfilePoint& point : profile.forward) {
        EXPECT_TRUE(drawable_tension(point.tension));
    }
}

TEST(TensionProfile, DrawsNegativeTensionsAndNamesTheLargestPressureInMagnitude) {
    WorkedExample example;
    example.settings.back_tension = "-60"; // forward: -45 lbs after the first straight
    const ProfileData profile = example.profile();
    EXPECT_EQ(profile.forward.size(), 4u);
    EXPECT_LT(profile.forward[1].tension, 0);
    const ProfileScale scale = profile_scale(profile);
    EXPECT_LT(scale.tension_from, -60);
    ASSERT_TRUE(profile.worst_forward);
    EXPECT_LT(profile.worst_forward->pressure, -20); // -45 x 1.27 / 2, not a smaller positive
    EXPECT_NE(english(pull_legend(profile, true)).find("highest"), std::string::npos);
}

TEST(TensionProfile, SaysWhichTensionsItLeavesOut) {
    WorkedExample example;
    example.links.append("Angle", "2", "90000");
    example.links.append("Straight", "5", "0");
    const ProfileData profile = example.profile();
    EXPECT_EQ(profile.links, 5u);
    EXPECT_EQ(profile.forward_left_out, std::vector<int>({3, 4}));
    EXPECT_EQ(left_out_text(profile),
              "Not drawn (out of range): forward tension after links 4 to 5; reverse tension "
              "after links 1 to 4.");
}

TEST(ProfileScale, FitsTheCurvesAndKeepsEveryMarkerWhole) {
    WorkedExample example; // 15 to 28 lbs against 1000 lbs allowable
    ProfileData profile = example.profile();
    ProfileScale scale = profile_scale(profile);
    EXPECT_TRUE(scale.allowable_above);
    EXPECT_FALSE(scale.allowable_shown);
    EXPECT_LT(scale.tension_to, 60);
    EXPECT_GT(scale.tension_to, 28);
    EXPECT_EQ(allowable_text(profile, scale), "allowable 1000 lbs, above the chart");
    EXPECT_LT(scale.distance_from, 0);
    EXPECT_GT(scale.distance_to, 802);
    EXPECT_LT(scale.tension_from, 0); // the markers at 0 lbs keep their lower half

    example.settings.allowable = "40"; // near the curves: on the chart
    profile = example.profile();
    scale = profile_scale(profile);
    EXPECT_TRUE(scale.allowable_shown);
    EXPECT_GT(scale.tension_to, 40);
    EXPECT_EQ(allowable_text(profile, scale), "allowable 40 lbs");
}

TEST(ProfileScale, NeverRepeatsALabelOnAShortRoute) {
    test::WorkedPlan plan;
    plan.links.clear();
    plan.links.append("Straight", "3", "0");
    PullResults results;
    plan.links.calculate(plan.settings, results);
    const ProfileData profile =
        tension_profile({plan.links.values(), plan.links.angles(),
                         read_pull_settings(plan.settings, kEnglish), results});
    const ProfileScale scale = profile_scale(profile);
    std::vector<std::string> labels;
    for (double x = 0; x <= scale.distance_to; x += scale.distance_step) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", scale.distance_decimals, x);
        EXPECT_TRUE(labels.empty() || labels.back() != text) << text;
        labels.emplace_back(text);
    }
    EXPECT_GE(labels.size(), 3u);
    EXPECT_EQ(axis_decimals(0.5), 1);
    EXPECT_EQ(axis_decimals(0.05), 2);
    EXPECT_EQ(axis_decimals(2), 0);
    EXPECT_NE(english(pull_legend(profile, true)).find("highest"), std::string::npos); // one link
}

TEST(TensionProfile, TracesTheRoutesHeightAndWhereAPullIsHeldAtZero) {
    test::WorkedPlan plan;
    plan.links.clear();
    plan.links.append("Straight", "100", "0");
    plan.links.append("Up", "2", "30");
    plan.links.append("Straight", "300", "-25", true); // downhill: the forward pull runs out
    plan.settings.friction = "0.2";
    plan.settings.weight = "1500";
    PullResults results;
    plan.links.calculate(plan.settings, results);
    const ProfileData profile =
        tension_profile({plan.links.values(), plan.links.angles(),
                         read_pull_settings(plan.settings, kEnglish), results});
    ASSERT_FALSE(profile.elevation.empty());
    EXPECT_NEAR(profile.elevation.back().height,
                2 / (30 / 57.3) * (1 - std::cos(30 / 57.3)) - 300 * std::sin(25 / 57.3), 1e-9);
    EXPECT_EQ(profile.forward_held, std::vector<int>{2});
    // The line drops to zero where the tension runs out, inside the held link, and stays.
    const ProfilePoint& zero = profile.forward[profile.forward.size() - 2];
    EXPECT_EQ(zero.tension, 0);
    EXPECT_GT(zero.distance, 102);
    EXPECT_LT(zero.distance, 402);
    EXPECT_NE(english(held_text(profile)).find("forward pull in link 3"), std::string::npos);
    EXPECT_EQ(bend_label(profile.bends.at(0)), "30\u00b0 up");
}

TEST(Decimated, KeepsEveryExtremeOfAPixel) {
    std::vector<ProfilePoint> line;
    for (int i = 0; i < 100000; ++i) {
        line.push_back(
            {static_cast<double>(i), i == 54321 ? 9000.0 : (i == 777 ? -5.0 : i % 7), i});
    }
    const auto kept = decimated(line, 0, 100000, 100);
    EXPECT_LE(kept.size(), 400u);
    EXPECT_EQ(kept.front().link, 0);
    EXPECT_EQ(kept.back().link, 99999);
    const auto has = [&kept](int link) {
        return std::any_of(kept.begin(), kept.end(),
                           [link](const ProfilePoint& p) { return p.link == link; });
    };
    EXPECT_TRUE(has(54321));
    EXPECT_TRUE(has(777));
    for (std::size_t i = 1; i < kept.size(); ++i) { // in the line's own order
        EXPECT_LT(kept[i - 1].link, kept[i].link);
    }
    EXPECT_EQ(decimated(line, 0, 100000, 100000).size(), line.size());
}

} // namespace
} // namespace tensora
