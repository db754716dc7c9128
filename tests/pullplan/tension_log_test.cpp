#include "pullplan/tension_log.h"
#include "support/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

std::vector<PullLinkValues> published_route() {
    const auto link = [](std::string type, std::string length, std::string angle) {
        return read_link({std::move(type), std::move(length), std::move(angle), ""}, kEnglish);
    };
    return {link("Straight", "100", "0"), link("Angle", "1", "45"), link("Straight", "80", "0"),
            link("Angle", "1", "90"),     link("Straight", "75", "0"), link("Angle", "1", "45"),
            link("Straight", "70", "0")};
}

PullSettings weighing(double weight, double back_tension = 0) {
    PullSettings settings;
    settings.friction = 0.5;
    settings.weight = weight;
    settings.allowable = 1000;
    settings.back_tension = back_tension;
    return settings;
}

TEST(TensionLog, ThePublishedEndTensionsFitTheirCoefficients) {
    TensionLog end;
    end.points = {{328, 64}}; // the route's end: 100 + 1 + 80 + 1 + 75 + 1 + 70 ft
    EXPECT_NEAR(fit_tension_log(published_route(), weighing(144), end, true, 0).friction, 0.4917,
                5e-5);
    // 100 ft inclined 30 degrees, 2 lbs/ft, from 500 to 660.622 lbs.
    const std::vector<PullLinkValues> riser{
        read_link({"Straight", "100", "30", "", true}, kEnglish)};
    TensionLog climb;
    climb.points = {{100, 660.622}};
    EXPECT_NEAR(fit_tension_log(riser, weighing(2000, 500), climb, true, 0).friction, 0.35, 5e-5);
}

TEST(TensionLog, ALogOfThePlansOwnTensionsFitsItsCoefficientAndNoiseStaysClose) {
    const std::vector<PullLinkValues> links = published_route();
    PullSettings settings = weighing(144);
    settings.friction = 0.35;
    PullResults results;
    calculate_pull(links, "", settings, results);
    TensionLog log;
    for (double s = 0; s <= 328; s += 2) {
        log.points.push_back({s, predicted_tension(links, results, true, s, 0)});
    }
    settings.friction = 0.5; // the plan as planned
    const LogFit exact = fit_tension_log(links, settings, log, true, 0);
    EXPECT_NEAR(exact.friction, 0.35, 5e-5);
    EXPECT_LT(exact.largest_difference, 1e-6);
    EXPECT_NEAR(exact.predicted_max, 66.38, 0.005); // the plan's own, at 0.5
    // Plus or minus 2 %, alternating: within 0.01.
    for (std::size_t i = 0; i < log.points.size(); ++i) {
        log.points[i].tension *= i % 2 ? 1.02 : 0.98;
    }
    EXPECT_NEAR(fit_tension_log(links, settings, log, true, 0).friction, 0.35, 0.01);
    // Half way through a bend the tension has grown by half its angle's factor.
    calculate_pull(links, "", weighing(144), results);
    EXPECT_NEAR(predicted_tension(links, results, true, 181.5, 0),
                results.forward_tension[2] * std::exp(0.5 * 45 / 57.3), 1e-9);
    // In reverse the route is met from its other end.
    calculate_pull(links, "", weighing(144), results);
    EXPECT_EQ(predicted_tension(links, results, false, 328, 0), results.reverse_tension.front());
    EXPECT_EQ(predicted_tension(links, results, true, 328, 0), results.forward_tension.back());
}

TEST(TensionLog, HeadersUnitsAndSeparatorsAreReadAndABadLineIsNamed) {
    const TensionLog metric = read_tension_log("Distance (m);Tension (kN)\n0;0,5\n10;1,25\n", {});
    ASSERT_TRUE(metric.error.empty()) << english_text(metric.error);
    ASSERT_EQ(metric.points.size(), 2u);
    EXPECT_NEAR(metric.points[1].length, 10 / 0.3048, 1e-9);
    EXPECT_NEAR(metric.points[1].tension, 1250 / 4.4482216152605, 1e-6);
    const TensionLog timed = read_tension_log("time_s,force_N\n0,100\n30,200\n",
                                              {std::nullopt, LogLength::Feet, 20.0});
    ASSERT_EQ(timed.points.size(), 2u);
    EXPECT_EQ(timed.points[1].length, 10); // 30 s at 20 ft/min
    EXPECT_FALSE(read_tension_log("time_s,force_N\n0,100\n", {}).error.empty()); // no speed
    // Minutes, and a length column wins over a time column beside it.
    EXPECT_EQ(read_tension_log("time_min,force_N\n1.5,100\n", {std::nullopt, LogLength::Feet, 20.0})
                  .points.at(0)
                  .length,
              30);
    EXPECT_EQ(read_tension_log("time_s,length_m,tension_kN\n60,12,1\n", {})
                  .points.at(0)
                  .length,
              12 / 0.3048);
    const TensionLog tabbed = read_tension_log("length_ft\ttension_lbf\n5\t20\n", {});
    EXPECT_EQ(tabbed.points.at(0).tension, 20);
    // Without a header the units must be chosen.
    EXPECT_FALSE(read_tension_log("0,10\n5,20\n", {}).error.empty());
    EXPECT_EQ(read_tension_log("0,10\n5,20\n", {LogForce::Kgf, LogLength::Feet, {}})
                  .points.at(1)
                  .tension,
              20 / 0.45359237);
    const TensionLog bad = read_tension_log("length_ft,tension_lbf\n0,10\n\n5,lots\n", {});
    EXPECT_EQ(english_text(bad.error), "Line 4 of the log cannot be read: \"5,lots\"");
    EXPECT_TRUE(bad.points.empty());
}

TEST(TensionLog, PointsOverTheAllowableAndALogShorterThanTheRouteAreSaid) {
    PullSettings settings = weighing(144);
    settings.allowable = 30;
    TensionLog log;
    log.points = {{100, 20}, {200, 35}, {250, 40}};
    const LogFit fit = fit_tension_log(published_route(), settings, log, true, 0);
    EXPECT_EQ(fit.over_allowable, (std::vector<double>{200, 250}));
    EXPECT_TRUE(fit.shorter);
    EXPECT_FALSE(fit.longer);
    EXPECT_EQ(english_text(fit.verdict), "As pulled: beyond the allowable tension from 200 ft");
    EXPECT_EQ(fit.measured_max, 40);
}

} // namespace
} // namespace tensora
