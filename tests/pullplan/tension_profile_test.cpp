#include "pullplan/pull_plan_links.h"
#include "pullplan/tension_profile.h"
#include "support/worked_plan.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

struct WorkedExample : test::WorkedPlan {
    ProfileData profile() {
        links.calculate(settings, results);
        return tension_profile({links.values(), links.angles(), settings, results, kEnglish});
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
    EXPECT_EQ(decimated(line, 0, 100000, 100000).size(), line.size());
}

} // namespace
} // namespace tensora
