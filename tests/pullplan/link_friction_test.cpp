#include "pullplan/pull_plan.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

// 0.144 lbs/ft: straight 100 ft, bend 45, straight 80 ft, bend 90, straight 75 ft, bend 45,
// straight 70 ft; the bends 1 ft long (their length plays no part in the level rule).
std::vector<PullLinkTexts> route() {
    const auto link = [](std::string type, std::string length, std::string angle) {
        return PullLinkTexts{std::move(type), std::move(length), std::move(angle), ""};
    };
    return {link("Straight", "100", "0"), link("Angle", "1", "45"), link("Straight", "80", "0"),
            link("Angle", "1", "90"), link("Straight", "75", "0"), link("Angle", "1", "45"),
            link("Straight", "70", "0")};
}

PullResults pulled(const std::vector<PullLinkTexts>& links, const std::string& friction) {
    PullSettingsTexts settings;
    settings.friction = friction;
    settings.weight = "144";
    settings.allowable = "1000";
    std::vector<PullLinkValues> values;
    for (const PullLinkTexts& link : links) {
        values.push_back(read_link(link, kEnglish, UnitSystem::InchPound));
    }
    PullResults results;
    calculate_pull(values, "", read_pull_settings(settings, kEnglish), results);
    return results;
}

TEST(LinkFriction, ThePublishedRouteEndsAtItsTensionsByThePlansOrEachLinksOwnCoefficient) {
    const std::pair<const char*, double> published[] = {
        {"0.15", 9.26}, {"0.25", 18.89}, {"0.35", 32.83}, {"0.5", 66.38}};
    for (const auto& [friction, end] : published) {
        EXPECT_NEAR(pulled(route(), friction).forward_tension.back(), end, 0.005) << friction;
        // Each link carrying the coefficient, the plan another: the same figures.
        std::vector<PullLinkTexts> own = route();
        for (PullLinkTexts& link : own) {
            link.raceway.friction = friction;
        }
        EXPECT_NEAR(pulled(own, "0.9").forward_tension.back(), end, 0.005) << friction;
    }
}

TEST(LinkFriction, RollersOnTheFirstStraightLowerTheEndByItsDifferenceCarriedThroughTheBends) {
    std::vector<PullLinkTexts> links = route();
    links[0].raceway = {"0.15", "tray-rollers"};
    // By hand: the first straight adds 0.15 x 0.144 x 100 instead of 0.5 x 0.144 x 100; the
    // difference grows through the three bends, 180 degrees in all, at 0.5.
    const double difference = (0.5 - 0.15) * 0.144 * 100 * std::exp(0.5 * 180 / 57.3);
    const double all_half = pulled(route(), "0.5").forward_tension.back();
    EXPECT_NEAR(pulled(links, "0.5").forward_tension.back(), all_half - difference, 1e-9);
}

TEST(LinkFriction, ALinksCoefficientNeverChangesALinkBeforeItInThePullsDirection) {
    const PullResults plain = pulled(route(), "0.35");
    for (std::size_t k = 0; k < route().size(); ++k) {
        std::vector<PullLinkTexts> links = route();
        links[k].raceway.friction = "0.9";
        const PullResults own = pulled(links, "0.35");
        for (std::size_t i = 0; i < k; ++i) {
            EXPECT_EQ(own.forward_tension[i], plain.forward_tension[i]) << k << " " << i;
        }
        for (std::size_t i = k + 1; i < links.size(); ++i) {
            EXPECT_EQ(own.reverse_tension[i], plain.reverse_tension[i]) << k << " " << i;
        }
        EXPECT_GT(own.forward_tension[k], plain.forward_tension[k]) << k;
    }
}

} // namespace
} // namespace tensora
