#include "pullplan/pull_check.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

// Three cables of 1.1 in, 2000 lbs/kft each, at 0.5 in a 4 in conduit: straight 100, bend 90
// on 3 ft, straight 100, bend 90 on 3 ft; `raceway` given to the third link.
struct Route {
    std::vector<PullLinkValues> links;
    PullSettings settings;
    CheckInputs inputs;

    explicit Route(LinkRaceway raceway = {}) {
        const auto link = [](std::string type, std::string length, std::string angle) {
            return PullLinkTexts{std::move(type), std::move(length), std::move(angle), ""};
        };
        std::vector<PullLinkTexts> texts{link("Straight", "100", "0"), link("Angle", "3", "90"),
                                         link("Straight", "100", "0"), link("Angle", "3", "90")};
        texts[2].raceway = std::move(raceway);
        for (const PullLinkTexts& text : texts) {
            links.push_back(read_link(text, kEnglish));
        }
        settings.friction = 0.5;
        settings.weight = 2000;
        settings.allowable = 100000;
        inputs.conduit_id = 4;
        inputs.cable_od = 1.1;
        inputs.cables = 3;
    }
    CheckResult check() const { return check_pull(links, settings, inputs); }
};

TEST(RacewayCheck, APlanWithoutRacewaysKeepsItsOneCorrection) {
    const CheckResult result = Route().check();
    EXPECT_TRUE(result.corrected_links.empty());
    EXPECT_TRUE(result.bearing_factors.empty());
    EXPECT_EQ(result.corrected_settings.friction, 0.5 * result.weight_correction);
}

TEST(RacewayCheck, TrayOnRollersCorrectsNothingFromItsLinkOn) {
    const CheckResult conduit = Route().check();
    const CheckResult tray = Route({"0.15", "", "", true}).check();
    ASSERT_EQ(tray.corrected_links.size(), 4u);
    const double w = conduit.weight_correction;
    EXPECT_EQ(tray.corrected_links[0].friction, 0.5 * w);
    EXPECT_EQ(tray.corrected_links[1].friction, 0.5 * w);
    EXPECT_EQ(tray.corrected_links[2].friction, 0.15); // its own, w 1
    EXPECT_EQ(tray.corrected_links[3].friction, 0.5);  // the plan's, still on the tray
    EXPECT_EQ(tray.bearing_factors[3], 1.0);
    EXPECT_EQ(tray.bearing_factors[1], conduit.bearing_factors.empty()
                                           ? (3 * w - 2) / 3 // cradled
                                           : conduit.bearing_factors[1]);
    // The links before the tray pull as in the conduit; the tray's bend presses by factor 1.
    EXPECT_EQ(tray.corrected.forward_tension[1], conduit.corrected.forward_tension[1]);
    const double radius = 3 * 57.3 / 90;
    EXPECT_NEAR(*tray.bends[1].forward_pressure, tray.corrected.forward_tension[3] / radius,
                1e-9);
}

TEST(RacewayCheck, ASmallerConduitRatesItsOwnStretchAndNamesItsFirstLink) {
    Route route({"", "", "2.5"});
    route.inputs.conduit_area = 12.73; // the check's conduit's listed area, not the stretch's
    const CheckResult smaller = route.check();
    ASSERT_TRUE(smaller.problem.empty());
    EXPECT_NE(english_text(smaller.verdict).find("58.08% exceeds the electrical code's limit of "
                                                 "40% from link 3"),
              std::string::npos)
        << english_text(smaller.verdict);
    // Its own correction: w of 3 cables at d/(D-d) = 1.1/1.4, larger than in the 4 in conduit.
    EXPECT_GT(smaller.corrected_links[2].friction, smaller.corrected_links[0].friction);
    const CheckResult too_small = Route({"", "", "2.2"}).check();
    EXPECT_EQ(english_text(too_small.problem), "the cables do not fit this conduit from link 3");
    EXPECT_TRUE(too_small.corrected_links.empty());
}

TEST(RacewayCheck, TheChecksConduitRatesNothingWhenTheFirstLinkHasItsOwn) {
    Route route;
    route.inputs.conduit_id = 2.4; // 51 % fill, over the code's 40 %
    EXPECT_NE(english_text(route.check().verdict).find("limit of 40%"), std::string::npos);
    PullLinkTexts first{"Straight", "100", "0", ""};
    first.raceway.id = "5";
    route.links[0] = read_link(first, kEnglish);
    EXPECT_EQ(english_text(route.check().verdict).find("limit of 40%"), std::string::npos);
}

} // namespace
} // namespace tensora
