#include "pullplan/pull_plan_links.h"
#include "support/messages.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

using Texts = std::vector<std::string>;

struct Columns {
    Texts types, lengths, angles, numbers;
};

Columns columns(const PullPlanLinks& plan) {
    Columns c;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        c.types.push_back(plan.type(i));
        c.lengths.push_back(plan.length(i));
        c.angles.push_back(plan.angle(i));
        c.numbers.push_back(plan.number(i));
    }
    return c;
}

PullPlanLinks plan_of(int links) {
    PullPlanLinks plan(NumberLocale{".", ","});
    for (int i = 1; i <= links; ++i) {
        plan.append(i % 2 ? "Straight" : "Angle", std::to_string(i * 10), i % 2 ? "0" : "90");
    }
    return plan;
}

TEST(PullPlanLinks, DeletingALinkRenumbersTheRest) {
    PullPlanLinks plan = plan_of(4);
    plan.remove(1);
    const Columns c = columns(plan);
    EXPECT_EQ(c.numbers, Texts({"1", "2", "3"}));
    EXPECT_EQ(c.lengths, Texts({"10", "30", "40"}));
    EXPECT_EQ(c.types, Texts({"Straight", "Straight", "Angle"}));
    EXPECT_EQ(plan.values().size(), 3u);
    EXPECT_EQ(plan.values()[2].length, 40);
}

TEST(PullPlanLinks, InsertingGivesTheNewLinkTheNumberOfTheLinkItDisplaces) {
    PullPlanLinks plan = plan_of(3);
    ASSERT_TRUE(plan.insert(1, "Straight", "50", "0"));
    const Columns c = columns(plan);
    EXPECT_EQ(c.numbers, Texts({"1", "2", "3", "4"}));
    EXPECT_EQ(c.lengths, Texts({"10", "50", "20", "30"}));
    EXPECT_EQ(c.types, Texts({"Straight", "Straight", "Angle", "Straight"}));
    EXPECT_EQ(plan.values()[1].length, 50);
    EXPECT_FALSE(plan.values()[2].straight);
}

TEST(PullPlanLinks, KeepsNumbersReadBackFromADocument) {
    PullPlanLinks plan(NumberLocale{".", ","});
    plan.set(0, "straight", "100", "0", "1 ");
    plan.set(1, "Angle", "2", "90", "2 ");
    plan.set(5, "Angle", "2", "90", "6 "); // not next to the end: ignored
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_FALSE(plan.values()[0].straight);
    plan.insert(0, "Straight", "5", "0");
    EXPECT_EQ(columns(plan).numbers, Texts({"1 ", "2 ", "3"}));
}

TEST(PullPlanLinks, HoldsAtMost32767Links) {
    PullPlanLinks plan = plan_of(kMaxLinks);
    EXPECT_TRUE(plan.full());
    EXPECT_FALSE(plan.append("Straight", "1", "0"));
    EXPECT_FALSE(plan.insert(0, "Straight", "1", "0"));
    EXPECT_EQ(plan.size(), static_cast<std::size_t>(kMaxLinks));
    EXPECT_EQ(plan.number(kMaxLinks - 1), "32767");
}

TEST(PullPlanLinks, CalculatesWithTheChosenLinksNumberInTheCaption) {
    PullPlanLinks plan = plan_of(3);
    PullSettingsTexts settings;
    settings.mid_assist = true;
    settings.selected = 2;
    PullResults results;
    plan.calculate(settings, results);
    EXPECT_EQ(results.caption, "Mid-assist pull point between links 3 and 4");
    EXPECT_EQ(results.forward.size(), 3u);
}

TEST(PullPlanLinks, ALinksRacewayMovesWithItsRowAndItsDiameterSwitchesUnitsAndBack) {
    PullPlanLinks plan({",", "."});
    plan.append("Straight", "100", "0");
    plan.append("Straight", "50", "0");
    plan.setRaceway(1, {"0,15", "pvc-wet", "4,026"});
    EXPECT_EQ(plan.values()[1].friction, 0.15);
    EXPECT_EQ(plan.values()[1].raceway_id, 4.026);
    plan.insert(0, "Angle", "3", "90");
    plan.remove(1);
    EXPECT_TRUE(plan.raceway(0).empty());
    EXPECT_EQ(plan.raceway(1).name, "pvc-wet");
    plan.switchUnits(UnitSystem::Metric);
    EXPECT_EQ(plan.raceway(1).friction, "0,15"); // a coefficient has no unit
    EXPECT_EQ(plan.raceway(1).id, "102,26"); // as a person types it, as the lengths are
    EXPECT_EQ(plan.racewayIn(1, UnitSystem::InchPound).id, "4,026");
    plan.switchUnits(UnitSystem::InchPound);
    EXPECT_EQ(plan.raceway(1).id, "4,026");
}

} // namespace
} // namespace tensora
