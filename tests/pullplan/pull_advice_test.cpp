#include "pullplan/pull_advice.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

struct Tried {
    std::optional<std::size_t> point;
    bool forward = true;
    double highest = 0;
};

// Every direction and every mid-assist point through the planner's own calculation: the
// lowest highest tension (the advised direction first on a tie, then the first point), or
// none when it does not read lower, as the columns show it, than the lower plain pull.
Tried brute_force(const std::vector<PullLinkValues>& links, PullSettings settings,
                  bool advised_forward) {
    const auto highest = [&](bool point, std::size_t s, bool forward) {
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
    const double plain = std::min(highest(false, 0, true), highest(false, 0, false));
    Tried best{std::nullopt, advised_forward, std::numeric_limits<double>::infinity()};
    for (const bool forward : {advised_forward, !advised_forward}) {
        for (std::size_t s = 0; s + 1 < links.size(); ++s) {
            const double with_point = highest(true, s, forward);
            if (with_point < best.highest) {
                best = {s, forward, with_point};
            }
        }
    }
    const ColumnUnit pounds{};
    if (!best.point || !(column_shown_value(best.highest, Quantity::Tension, pounds) <
                         column_shown_value(plain, Quantity::Tension, pounds))) {
        return {};
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
        EXPECT_EQ(advice.mid_assist_direction,
                  tried.forward ? PullDirection::Forward : PullDirection::Reverse)
            << what;
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
}

TEST(PullAdvice, GivesNoPointForAPlanWhosePullsFallBelowZeroAndSaysWhy) {
    PullSettings settings;
    settings.weight = -50;
    const std::vector<PullLinkValues> mixed{link(true, 100, 0), link(false, 2, 90),
                                            link(true, 300, 0), link(false, 3, 45),
                                            link(true, 50, 0)};
    PullAdvice advice = advise_pull(mixed, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_FALSE(advice.mid_assist);
    EXPECT_EQ(advice.no_point_reason, "the cable's weight is negative");
    settings.weight = 50;
    settings.friction = -0.1;
    EXPECT_EQ(advise_pull(mixed, settings, std::nullopt, UnitSystem::InchPound).no_point_reason,
              "the coefficient of friction is negative");
    settings.friction = 0.5;
    std::vector<PullLinkValues> backwards = mixed;
    backwards[2].length = -300;
    advice = advise_pull(backwards, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_FALSE(advice.mid_assist);
    EXPECT_NE(english(advice_text(advice, UnitSystem::InchPound))
                  .find("; no mid-assist advice: link 3 has a negative length"),
              std::string::npos);
    EXPECT_TRUE(
        advise_pull(mixed, settings, std::nullopt, UnitSystem::InchPound).no_point_reason.empty());
}

TEST(PullAdvice, ChoosesTheDirectionAndThePointTogether) {
    PullSettings settings;
    settings.friction = 0.35;
    settings.weight = 2000;
    settings.allowable = 600;
    const std::vector<PullLinkValues> links{link(true, 100, 0), link(false, 3, 45),
                                            link(true, 50, 0),  link(false, 3, 90),
                                            link(true, 800, 0), link(false, 3, 90)};
    PullAdvice advice = advise_pull(links, settings, std::nullopt, UnitSystem::InchPound);
    // The plain pulls favour forward, but a point after link 4 does best pulled in reverse.
    EXPECT_EQ(advice.direction, PullDirection::Forward);
    EXPECT_EQ(advice.mid_assist, std::optional<std::size_t>(3));
    EXPECT_EQ(advice.mid_assist_direction, PullDirection::Reverse);
    EXPECT_EQ(advice.note, ""); // 560 lbs: the best option keeps within 600 lbs
    EXPECT_EQ(advice_text(advice, UnitSystem::InchPound),
              "Pull forward: 3% lower, 1,352 lbs against 1,393 lbs; a mid-assist point after "
              "link 4, pulled in reverse, lowers it to 560 lbs");
    // Once the plan has that point, the line says so.
    settings.mid_assist = true;
    settings.selected = 3;
    advice = advise_pull(links, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_TRUE(advice.point_in_plan);
    EXPECT_EQ(advice_text(advice, UnitSystem::InchPound),
              "Mid-assist point after link 4 as advised: pulled in reverse, the highest tension "
              "is 560 lbs; without it, forward 1,352 lbs, reverse 1,393 lbs");
    settings.selected = 2;
    EXPECT_FALSE(advise_pull(links, settings, std::nullopt, UnitSystem::InchPound).point_in_plan);
}

TEST(PullAdvice, ComparesAsTheColumnsShowTheFigures) {
    PullSettings settings;
    settings.friction = 1;
    settings.weight = 1000;
    settings.back_tension = 0.2;
    // 1.5 lbs each way, a bit apart in the last digit: both read 2.
    const PullAdvice either = advise_pull({link(true, 0.15, 0), link(true, 1.15, 0)}, settings,
                                          std::nullopt, UnitSystem::InchPound);
    EXPECT_EQ(either.direction, PullDirection::Either);
    // A point whose tension reads as high as the plain pull's is no advice: 15 lbs both.
    settings = PullSettings{};
    settings.weight = 1000;
    settings.allowable = 1000;
    const PullAdvice none = advise_pull({link(true, 100, 0), link(false, 0, 1)}, settings,
                                        std::nullopt, UnitSystem::InchPound);
    EXPECT_FALSE(none.mid_assist);
}

TEST(PullAdvice, SaysWhereTheAdvisedPullMustBeHeldBack) {
    PullSettings settings;
    settings.friction = 0.2;
    settings.weight = 1500;
    settings.allowable = 5000;
    // Down the slope the cable slides by its own weight: the lower pull, held at zero there.
    const std::vector<PullLinkValues> downhill{link(true, 100, 0), link(false, 3, 90),
                                               link(true, 300, -25, Turn::Horizontal, true)};
    const PullAdvice advice = advise_pull(downhill, settings, std::nullopt, UnitSystem::InchPound);
    EXPECT_EQ(advice.direction, PullDirection::Forward);
    EXPECT_EQ(advice.note,
              "Pulled forward, the cable runs under its own weight at link 3: hold it back there");
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
    EXPECT_EQ(english(advice_text(advice, UnitSystem::InchPound)).substr(0, 19),
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
    EXPECT_NE(english(advice_text(advice, UnitSystem::InchPound)).find(". Even the best"),
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
    // The bearing pressure from the bend's 1.91 ft radius: 23 lbs/ft.
    const PullAdvice pressed = advise_pull(two, settings, 22.0, UnitSystem::InchPound);
    EXPECT_EQ(pressed.mid_assist, std::optional<std::size_t>(0));
    EXPECT_EQ(pressed.note, "Sidewall bearing pressure exceeds 22 lbs/ft at link 4");
    EXPECT_EQ(advise_pull(two, settings, 22.0, UnitSystem::Metric).note,
              "Sidewall bearing pressure exceeds 321 N/m at link 4");
    EXPECT_EQ(advise_pull(two, settings, 23.5, UnitSystem::InchPound).note, "");
}

TEST(PullAdvice, HoldsTheBearingPressureFromTheRadiusAgainstTheLimit) {
    PullSettings settings;
    settings.back_tension = 1000;
    settings.allowable = 5000;
    // A 10 degree bend of 1 ft: 1,026 lbs leaving it, 179 lbs/ft on its 5.73 ft radius (the
    // tension over its length would be 1,026).
    const std::vector<PullLinkValues> bend{link(false, 1, 10)};
    EXPECT_EQ(advise_pull(bend, settings, 500.0, UnitSystem::InchPound).note, "");
    BearingLimit limit(500);
    limit.factor = 3; // the arrangement's weighting
    EXPECT_EQ(advise_pull(bend, settings, limit, UnitSystem::InchPound).note,
              "Sidewall bearing pressure exceeds 500 lbs/ft at link 1");
    // The figures of the note in the locale's form: in German 7,300 reads as 7.3.
    const PullAdvice metric =
        advise_pull(bend, settings, inch_pound_value(2433, Quantity::Pressure, UnitSystem::Metric),
                    UnitSystem::Metric);
    EXPECT_EQ(english_text(advice_note(metric, UnitSystem::Metric), NumberLocale{",", "."}),
              "Sidewall bearing pressure exceeds 2.433 N/m at link 1");
    limit.factor = 1;
    limit.radius = 2; // one radius for every bend: 513 lbs/ft
    EXPECT_EQ(advise_pull(bend, settings, limit, UnitSystem::InchPound).note,
              "Sidewall bearing pressure exceeds 500 lbs/ft at link 1");
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

TEST(PullAdvice, SaysWhereALongLevelBendsWeightIsLeftOutAndWhatAllOfItGives) {
    // 5,236 ft of bend at 2 lbs/ft and 0.5: 5,236 lbs of friction the plane's rule leaves out.
    const std::vector<PullLinkValues> links{link(true, 100, 0), link(false, 5236, 60),
                                            link(true, 100, 0)};
    PullSettings settings;
    settings.weight = 2000;
    settings.friction = 0.5;
    const PullAdvice advice = advise_pull(links, settings, std::nullopt, UnitSystem::InchPound);
    ASSERT_TRUE(advice.findings.long_bend);
    EXPECT_EQ(*advice.findings.long_bend, 1u);
    EXPECT_NEAR(advice.findings.long_bend_weight, 5236, 1e-9);
    PullSettings all = settings;
    all.weight_across = true;
    PullResults with_weight;
    calculate_pull(links, "", all, with_weight);
    EXPECT_EQ(advice.findings.long_bend_forward, with_weight.forward_tension[1]);
    EXPECT_NE(english(advice.note).find("with all of the weight it leaves at 5,593 lbs forward"),
              std::string::npos)
        << advice.note;
    // A short bend's weight is no 1 % of its tension; all of the weight leaves nothing out.
    const std::vector<PullLinkValues> short_bend{link(true, 1000, 0), link(false, 3, 90)};
    EXPECT_FALSE(
        advise_pull(short_bend, settings, std::nullopt, UnitSystem::InchPound).findings.long_bend);
    EXPECT_FALSE(advise_pull(links, all, std::nullopt, UnitSystem::InchPound).findings.long_bend);
}

} // namespace
// The tensions the advice sets side by side read in one unit, the largest's (4,448 N would
// stand beside 22.24 kN otherwise).
TEST(PullAdvice, ItsTensionsReadInOneUnit) {
    PullAdvice advice;
    advice.links = 2;
    advice.forward_max = 1000;
    advice.reverse_max = 5000;
    advice.direction = PullDirection::Forward;
    advice.lower_by = 80;
    EXPECT_EQ(advice_text(advice, UnitSystem::Metric),
              "Pull forward: 80% lower, 4.45 kN against 22.24 kN; no mid-assist point lowers it");
    advice.mid_assist = 1;
    advice.mid_assist_max = 100;
    EXPECT_NE(english(advice_text(advice, UnitSystem::Metric)).find("lowers it to 0.44 kN"),
              std::string::npos);
}

} // namespace tensora
