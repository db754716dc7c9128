#include "pullplan/pull_advice.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

struct Tried {
    std::optional<std::size_t> point;
    double highest = 0;
};

// Every mid-assist point through the planner's own calculation: the first lowest highest
// tension of the direction, or none when no point is lower than the pull without one.
Tried brute_force(const std::vector<PullLinkValues>& links, PullSettings settings, bool forward) {
    const auto highest = [&](bool point, std::size_t s) {
        settings.mid_assist = point;
        settings.selected = static_cast<int>(s);
        PullResults results;
        calculate_pull(links, "1", settings, results);
        const auto& tensions = forward ? results.forward_tension : results.reverse_tension;
        double most = -std::numeric_limits<double>::infinity();
        for (const double t : tensions) {
            most = std::max(most, t);
        }
        return most;
    };
    Tried best{std::nullopt, highest(false, 0)};
    for (std::size_t s = 0; s < links.size(); ++s) {
        const double with_point = highest(true, s);
        if (with_point < best.highest) {
            best = {s, with_point};
        }
    }
    return best;
}

PullLinkValues link(bool straight, double length, double angle, Turn turn = Turn::Horizontal,
                    bool inclined = false) {
    PullLinkValues values;
    values.straight = straight;
    values.length = length;
    values.angle = angle;
    values.theta = angle / 57.3;
    values.turn = turn;
    values.inclined = inclined;
    return values;
}

void expect_brute_force(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                        const std::string& what) {
    const PullAdvice advice = advise_pull(links, settings, std::nullopt, UnitSystem::InchPound);
    const Tried tried = brute_force(links, settings, advice.direction != PullDirection::Reverse);
    ASSERT_EQ(advice.mid_assist, tried.point) << what;
    if (tried.point) {
        EXPECT_EQ(advice.mid_assist_max, tried.highest) << what;
    }
}

TEST(PullAdvice, FindsTheMidAssistPointThatTryingEveryPointFinds) {
    std::mt19937 random(22);
    std::uniform_real_distribution<double> length(1, 800);
    std::uniform_int_distribution<int> angle(1, 120);
    for (int plan = 0; plan < 300; ++plan) {
        const int n = 1 + plan % 40;
        const bool elevation = plan % 3 == 0;
        std::vector<PullLinkValues> links;
        for (int i = 0; i < n; ++i) {
            if (random() % 2 == 0) {
                const bool inclined = elevation && random() % 3 == 0;
                const double incline = static_cast<double>(static_cast<int>(random() % 121) - 60);
                links.push_back(link(true, std::round(length(random)), inclined ? incline : 0,
                                     Turn::Horizontal, inclined));
            } else {
                const Turn turn = elevation ? static_cast<Turn>(random() % 3) : Turn::Horizontal;
                links.push_back(link(false, 1 + random() % 5, angle(random), turn));
            }
        }
        PullSettings settings;
        settings.friction = 0.1 + 0.1 * (plan % 5);
        settings.weight = 100 + 50 * (plan % 7);
        settings.back_tension = plan % 4 == 0 ? 40 : 0;
        expect_brute_force(links, settings, "plan " + std::to_string(plan));
    }
}

TEST(PullAdvice, TakesTheFirstPointOnATieAndNoneWhenNothingLowers) {
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = 200;
    // Identical straights: the halves tie around the middle; the first lowest wins.
    const std::vector<PullLinkValues> even(6, link(true, 100, 0));
    const PullAdvice advice = advise_pull(even, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_EQ(advice.direction, PullDirection::Either);
    EXPECT_EQ(advice.lower_by, 0);
    EXPECT_EQ(advice.mid_assist, std::optional<std::size_t>(2));
    EXPECT_EQ(advice.mid_assist_max, 30);
    expect_brute_force(even, settings, "even");
    // One link: no point splits it.
    EXPECT_FALSE(advise_pull({link(true, 100, 0)}, settings, std::nullopt, UnitSystem::InchPound)
                     .mid_assist);
    // No weight: every tension is zero, and no point lowers zero.
    settings.weight = 0;
    EXPECT_FALSE(advise_pull(even, settings, std::nullopt, UnitSystem::InchPound).mid_assist);
    // A negative weight takes pulls below zero: every point is tried.
    settings.weight = -50;
    const std::vector<PullLinkValues> mixed{link(true, 100, 0), link(false, 2, 90),
                                            link(true, 300, 0), link(false, 3, 45),
                                            link(true, 50, 0)};
    expect_brute_force(mixed, settings, "negative weight");
}

TEST(PullAdvice, ChoosesTheLowerEndAndSaysByHowMuch) {
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = 1000;
    // A bend near the far end: pulling in reverse meets it early, at low tension.
    const std::vector<PullLinkValues> links{link(true, 1000, 0), link(false, 3, 90),
                                            link(true, 10, 0)};
    const PullAdvice advice = advise_pull(links, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_EQ(advice.direction, PullDirection::Reverse);
    EXPECT_GT(advice.forward_max, advice.reverse_max);
    EXPECT_DOUBLE_EQ(advice.lower_by,
                     (advice.forward_max - advice.reverse_max) / advice.forward_max * 100);
    EXPECT_EQ(advice_text(advice, UnitSystem::InchPound, kEnglish).substr(0, 19),
              "Pull in reverse: " + std::to_string(std::lround(advice.lower_by)).substr(0, 2));
    // Highest tensions that differ below the columns' rounding are the same to the user:
    // 10.04 lbs forward (a half-degree bend after the straight) against 10 lbs.
    const std::vector<PullLinkValues> nearly{link(true, 100, 0), link(false, 1, 0.5)};
    settings.weight = 200;
    const PullAdvice even = advise_pull(nearly, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_GT(even.forward_max, even.reverse_max);
    EXPECT_EQ(even.direction, PullDirection::Either);
    EXPECT_EQ(even.lower_by, 0);
    settings.weight = 1000;
    // Mirrored, the forward pull is the lower one.
    const std::vector<PullLinkValues> mirrored{links[2], links[1], links[0]};
    EXPECT_EQ(advise_pull(mirrored, settings, std::nullopt, UnitSystem::InchPound).direction,
              PullDirection::Forward);
}

TEST(PullAdvice, NamesWhereEvenTheBestPullExceedsALimit) {
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = 1000;
    settings.allowable = 100;
    const std::vector<PullLinkValues> links{link(true, 10, 0), link(false, 3, 90),
                                            link(true, 1000, 0)};
    // Forward is lower (the bend comes early); the best split still passes 100 lbs in link 3.
    const PullAdvice advice = advise_pull(links, settings, 1.0, UnitSystem::InchPound);
    EXPECT_EQ(advice.direction, PullDirection::Forward);
    // The best split resets the pull after link 1, so the bend meets no tension at all.
    EXPECT_EQ(advice.mid_assist, std::optional<std::size_t>(0));
    EXPECT_EQ(advice.note, "Even the best pull exceeds the allowable tension of 100 lbs at link 3");
    EXPECT_NE(advice_text(advice, UnitSystem::InchPound, kEnglish).find(". Even the best"),
              std::string::npos);
    settings.allowable = 1e6;
    EXPECT_EQ(advise_pull(links, settings, std::nullopt, UnitSystem::InchPound).note, "");
    // In reverse, the split after link 1 starts link 1 again from zero: 500 lbs there, within
    // 505 lbs (the pull without the split brings 511 lbs to it).
    settings.allowable = 505;
    const std::vector<PullLinkValues> mirrored{links[2], links[1], links[0]};
    const PullAdvice reverse = advise_pull(mirrored, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_EQ(reverse.direction, PullDirection::Reverse);
    EXPECT_EQ(reverse.mid_assist, std::optional<std::size_t>(0));
    EXPECT_EQ(reverse.note, "");
    settings.allowable = 499;
    EXPECT_EQ(advise_pull(mirrored, settings, std::nullopt, UnitSystem::InchPound).note,
              "Even the best pull exceeds the allowable tension of 499 lbs at link 1");
    // Two bends: splitting after link 1, 2 or 3 ties at 63.9 lbs, and the first split leaves
    // the second bend with 43.9 lbs, 14.6 lbs/ft over its 3 ft.
    settings.weight = 40;
    const std::vector<PullLinkValues> two{link(true, 1000, 0), link(false, 3, 90),
                                          link(true, 1000, 0), link(false, 3, 90),
                                          link(true, 1000, 0)};
    const PullAdvice pressed = advise_pull(two, settings, 5.0, UnitSystem::InchPound);
    EXPECT_EQ(pressed.mid_assist, std::optional<std::size_t>(0));
    EXPECT_EQ(pressed.note, "Sidewall pressure exceeds 5 lbs/ft at link 4");
    EXPECT_EQ(advise_pull(two, settings, 5.0, UnitSystem::Metric).note,
              "Sidewall pressure exceeds 73 N/m at link 4");
    EXPECT_EQ(advise_pull(two, settings, 15.0, UnitSystem::InchPound).note, "");
}

TEST(PullAdvice, WritesTensionsGroupedInTheUnitsShown) {
    EXPECT_EQ(advice_tension_text(1869.4, UnitSystem::InchPound, kEnglish), "1,869 lbs");
    EXPECT_EQ(advice_tension_text(0.2, UnitSystem::InchPound, kEnglish), "0 lbs");
    EXPECT_EQ(advice_tension_text(1000, UnitSystem::Metric, kEnglish), "4,448 N");
    EXPECT_EQ(advice_tension_text(3000, UnitSystem::Metric, NumberLocale{",", "."}), "13,34 kN");
    EXPECT_EQ(grouped_number_text("-1234567.5", NumberLocale{",", "."}), "-1.234.567,5");
    EXPECT_EQ(grouped_number_text("1E+20", kEnglish), "1E+20");
    EXPECT_EQ(grouped_number_text("Out of range", kEnglish), "Out of range");
}

} // namespace
} // namespace tensora
