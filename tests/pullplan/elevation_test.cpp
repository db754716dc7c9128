#include "pullplan/pull_plan_links.h"
#include "pullplan/space_bend.h"
#include "pullplan/vertical_bend.h"

#include <gtest/gtest.h>

#include <numbers>

#include <cmath>
#include <limits>
#include <random>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};
constexpr double kDegrees = 57.3;

// The pull along the route integrated step by step (fourth-order Runge-Kutta on the equation
// of each piece, the tension held at zero where it would fall below it): what the closed forms
// must agree with.
class Integrator {
public:
    Integrator(double friction, double weight) : mu_(friction), w_(weight / 1000) {}

    // Along a straight of length L at inclination psi.
    double straight(double t, double length, double psi) const {
        return run(t, length, [&](double, double) {
            return w_ * (std::sin(psi) + mu_ * std::fabs(std::cos(psi)));
        });
    }

    // Along a horizontal bend at inclination psi: a helix about the vertical, pressed by the
    // tension over its radius of curvature R / |cos psi| and pulled back by the weight along it.
    double horizontal(double t, double length, double theta, double psi) const {
        const double radius = length / theta;
        return run(t, length, [&](double, double tension) {
            return mu_ * std::fabs(tension * std::cos(psi) / radius) + w_ * std::sin(psi);
        });
    }

    // Along a vertical bend entered at psi_in, turning up (+1) or down (-1) through theta.
    double vertical(double t, double length, double theta, double psi_in, double turn) const {
        const double radius = length / theta;
        return run(t, length, [&](double s, double tension) {
            const double psi = psi_in + turn * s / radius;
            const double normal = tension / radius - turn * w_ * std::cos(psi);
            return mu_ * std::fabs(normal) + w_ * std::sin(psi);
        });
    }

private:
    template <class Slope> double run(double t, double length, Slope slope) const {
        constexpr int kSteps = 40000;
        const double h = length / kSteps;
        for (int i = 0; i < kSteps; ++i) {
            const double s = i * h;
            if (t <= 0 && slope(s, 0.0) <= 0) {
                t = 0; // held: the cable cannot push
                continue;
            }
            const double k1 = slope(s, t);
            const double k2 = slope(s + h / 2, t + h / 2 * k1);
            const double k3 = slope(s + h / 2, t + h / 2 * k2);
            const double k4 = slope(s + h, t + h * k3);
            t = std::max(0.0, t + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4));
        }
        return t;
    }

    double mu_;
    double w_;
};

struct Route {
    PullPlanLinks plan{kEnglish};
    PullSettings settings;
};

Route random_route(std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0, 1);
    Route route;
    route.settings.friction = 0.1 + 0.4 * unit(random);
    route.settings.weight = 100 + 4900 * unit(random);
    route.settings.back_tension = unit(random) < 0.3 ? 0 : 500 * unit(random);
    const int links = 2 + static_cast<int>(random() % 7);
    for (int i = 0; i < links; ++i) {
        const auto text = [](double value) { return std::to_string(value); };
        switch (random() % 5) {
        case 0:
            route.plan.append("Straight", text(5 + 300 * unit(random)), "0");
            break;
        case 1:
            route.plan.append("Straight", text(5 + 300 * unit(random)),
                              text(-90 + 180 * unit(random)), true);
            break;
        case 2:
            route.plan.append("Angle", text(1 + 10 * unit(random)), text(5 + 85 * unit(random)));
            break;
        default:
            route.plan.append(random() % 2 ? "Up" : "Down", text(1 + 20 * unit(random)),
                              text(5 + 115 * unit(random)));
            break;
        }
    }
    if (unit(random) < 0.4) {
        route.settings.mid_assist = true;
        route.settings.selected = static_cast<int>(random() % links);
    }
    return route;
}

// The pull of one direction integrated: `order` lists the links as the pull meets them,
// `psi_in`/`psi_out` their inclinations as the pull goes.
std::vector<double> integrated(const Route& route, const PullResults& results, bool forward) {
    const Integrator integrate(route.settings.friction, route.settings.weight);
    const auto& links = route.plan.values();
    const std::size_t n = links.size();
    std::vector<double> tensions(n);
    double t = route.settings.back_tension;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = forward ? k : n - 1 - k;
        const double psi_in = forward ? results.inclination_in[i] : -results.inclination_out[i];
        const double psi_out = forward ? results.inclination_out[i] : -results.inclination_in[i];
        const PullLinkValues& link = links[i];
        if (link.straight) {
            t = psi_in == 0
                    ? t + route.settings.friction * route.settings.weight * link.length / 1000
                    : integrate.straight(t, link.length, psi_in);
        } else if (link.turn == Turn::Horizontal) {
            t = psi_in == 0 ? t * std::exp(route.settings.friction * link.theta)
                            : integrate.horizontal(t, link.length, link.theta, psi_in);
        } else {
            t = integrate.vertical(t, link.length, std::fabs(psi_out - psi_in), psi_in,
                                   psi_out > psi_in ? 1 : -1);
        }
        tensions[i] = t;
        const auto point = static_cast<std::size_t>(route.settings.selected);
        if (route.settings.mid_assist && i == (forward ? point : point + 1)) {
            t = 0;
        }
    }
    return tensions;
}

TEST(Elevation, AgreesWithTheEquationIntegratedStepByStep) {
    std::mt19937 random(19);
    for (int r = 0; r < 60; ++r) {
        const Route route = random_route(random);
        PullResults results;
        route.plan.calculate(route.settings, results);
        if (!results.elevation) {
            continue; // level: the planner's rules as they always were, tested elsewhere
        }
        for (const bool forward : {true, false}) {
            const std::vector<double> expected = integrated(route, results, forward);
            const auto& got = forward ? results.forward_tension : results.reverse_tension;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                EXPECT_NEAR(got[i], expected[i], 1e-6 * std::max(1.0, std::fabs(expected[i])))
                    << "route " << r << (forward ? " forward" : " reverse") << ", link " << i + 1;
            }
        }
    }
}

TEST(Elevation, ARiserAddsTheCablesWeightAndTheBendItsShare) {
    // 10 ft level, a 90 degree Up bend of 3 ft, a 20 ft riser: the riser adds W L exactly.
    Route route;
    route.settings.friction = 0.3;
    route.settings.weight = 2000;
    route.plan.append("Straight", "10", "0");
    route.plan.append("Up", "3", "90");
    route.plan.append("Straight", "20", "0");
    PullResults results;
    route.plan.calculate(route.settings, results);
    EXPECT_NEAR(results.inclination_out[1] * kDegrees, 90, 1e-12);
    // 90 degrees at 57.3 to the radian is a hair short of vertical: W L (sin + mu |cos|).
    const double riser = results.inclination_out[1];
    EXPECT_NEAR(results.forward_tension[2] - results.forward_tension[1],
                2.0 * 20 * (std::sin(riser) + 0.3 * std::fabs(std::cos(riser))), 1e-9);
    EXPECT_GT(results.forward_tension[1], results.forward_tension[0]); // lifted and rubbed
    EXPECT_FALSE(results.forward_held[2]);
    // Pulled the other way, the riser's weight pulls the cable down: held at zero.
    EXPECT_TRUE(results.reverse_held[2]);
    EXPECT_EQ(results.reverse_tension[2], 0);
}

TEST(Elevation, ADownhillRunHeldAtZeroIsMarked) {
    Route route;
    route.settings.friction = 0.2; // less than tan 30 degrees: the cable slides by itself
    route.settings.weight = 1000;
    route.settings.back_tension = 5;
    route.plan.append("Straight", "100", "-30", true);
    PullResults results;
    route.plan.calculate(route.settings, results);
    EXPECT_EQ(results.forward_tension[0], 0);
    EXPECT_TRUE(results.forward_held[0]);
    EXPECT_FALSE(results.reverse_held[0]); // uphill the other way
    EXPECT_NEAR(results.reverse_tension[0],
                5 + 100 * (std::sin(30 / kDegrees) + 0.2 * std::cos(30 / kDegrees)), 1e-9);
}

TEST(Elevation, AnUpBendStaysUpBackwardsAndTheRouteKeepsItsInclination) {
    Route route;
    route.plan.append("Up", "2", "30");
    route.plan.append("Straight", "50", "0"); // no incline of its own: runs at 30 degrees up
    route.plan.append("Angle", "2", "90");    // a horizontal bend keeps the inclination
    route.plan.append("Straight", "10", "10", true);
    route.plan.append("Down", "2", "40");
    PullResults results;
    route.plan.calculate(route.settings, results);
    const auto degrees = [&results](std::size_t i, bool in) {
        return (in ? results.inclination_in[i] : results.inclination_out[i]) * kDegrees;
    };
    EXPECT_NEAR(degrees(1, true), 30, 1e-9);
    EXPECT_NEAR(degrees(2, false), 30, 1e-9);
    EXPECT_NEAR(degrees(3, true), 10, 1e-9);
    EXPECT_NEAR(degrees(4, false), -30, 1e-9);
}

TEST(VerticalBend, MatchesTheClosedFormWhileTheCablePressesOneWall) {
    // A crest at high tension: N stays positive, Tout = (Tin - P(in)) e^(mu theta) + P(out).
    const VerticalBend bend{5, 1.0, false, 2.0, 0.3};
    const auto p = [&](double psi) {
        return bend.weight * bend.radius * ((1 - 0.09) * std::cos(psi) - 2 * 0.3 * std::sin(psi)) /
               1.09;
    };
    const double in = 0.2;
    const BendPass pass = pass_vertical_bend(bend, 1000, in);
    EXPECT_NEAR(pass.tension, (1000 - p(in)) * std::exp(0.3) + p(in - 1.0), 1e-9);
    EXPECT_FALSE(pass.held);
}

TEST(VerticalBend, IsContinuousAsItsAngleGoesToZero) {
    // 50 ft at W 10 lb/ft, mu 0.5, level: the straight it becomes adds mu W L = 250 lbs.
    for (const double theta : {1e-3, 2e-5, 1e-5, 9.99e-6, 1e-9, 1e-15, 1e-302}) {
        const VerticalBend bend{50 / theta, theta, true, 10, 0.5, 50};
        // The bend's own share (mu T theta, its tension pressing the wall) fades with the angle.
        EXPECT_NEAR(pass_vertical_bend(bend, 1000, 0).tension, 1250, 1250 * theta + 1e-9) << theta;
    }
    // Without weight a tiny bend passes its tension on.
    const VerticalBend light{50 / 1e-302, 1e-302, true, 0, 0.15, 50};
    EXPECT_NEAR(pass_vertical_bend(light, 1000, 0).tension, 1000, 1e-9);
    // Either side of the angle where the closed form gives way, the equation's tension.
    const Integrator integrate(0.3, 4000);
    for (const double theta : {1.0001e-5, 0.9999e-5}) {
        for (const double psi : {0.4, -1.2}) {
            const double expected = integrate.vertical(200, 3, theta, psi, -1);
            EXPECT_NEAR(pass_vertical_bend({3 / theta, theta, false, 4, 0.3, 3}, 200, psi).tension,
                        expected, expected * 1e-9)
                << theta << ' ' << psi;
        }
    }
}

TEST(VerticalBend, IsHeldOnlyWhereTheCablesWeightTakesTheTensionDown) {
    // Up out of a steep descent at zero tension: a weightless cable stays at zero, unheld.
    const VerticalBend weightless{10 * 57.3 / 80, 80 / 57.3, true, 0, 0.15, 10};
    EXPECT_FALSE(pass_vertical_bend(weightless, 0, -80 / 57.3).held);
    VerticalBend heavy = weightless;
    heavy.weight = 1;
    EXPECT_TRUE(pass_vertical_bend(heavy, 0, -80 / 57.3).held);
}

TEST(VerticalBend, TakesAnAbsurdAngleInBoundedTime) {
    // A step count that grew with the angle took minutes here, or overflowed.
    for (const double theta : {1e8, 1e10, 1e300}) {
        const VerticalBend bend{10 / theta, theta, true, 1, 0.3, 10};
        EXPECT_GE(pass_vertical_bend(bend, 5, 0).tension, 0);
    }
}

TEST(Elevation, BarsShowTheHighestTensionOfThePullThatReachesTheEnd) {
    PullPlanLinks plan(kEnglish);
    plan.append("Straight", "50", "0");
    plan.append("Straight", "100", "60", true);
    plan.append("Straight", "100", "-89", true);
    PullSettings settings;
    settings.weight = 1000;
    settings.allowable = 50;
    PullResults results;
    plan.calculate(settings, results);
    // 102 lbs after the climb, then held on the drop: 203 % of 50 lbs.
    EXPECT_EQ(results.forward_share, "203%");
    EXPECT_EQ(results.forward_percent, 100);
    // With a point after link 1, links 2 and 3 reach the end going forward, from zero; link 1
    // alone reaches it in reverse (7.5 lbs); the climb from zero is 94 lbs, 188 %.
    settings.mid_assist = true;
    settings.selected = 0;
    plan.calculate(settings, results);
    EXPECT_EQ(results.forward_share, "188%");
    EXPECT_EQ(results.reverse_share, "15%");
}

TEST(Elevation, AStraightShowsTheInclinationItRunsAtWhereItInheritsOne) {
    PullPlanLinks plan(kEnglish);
    plan.append("Straight", "20", "12.5", true);
    plan.append("Straight", "20", "0");
    plan.append("Up", "3", "77.5");
    plan.append("Straight", "40", "0");
    PullResults results;
    plan.calculate(PullSettings{}, results);
    const auto cell = [&](std::size_t i) {
        return inherited_incline_text(plan.values(), results, i);
    };
    EXPECT_EQ(cell(0), std::nullopt); // its own incline, as typed
    EXPECT_EQ(cell(1), "(12.5)");
    EXPECT_EQ(cell(2), std::nullopt); // a bend
    EXPECT_EQ(cell(3), "(90)");
    PullPlanLinks level(kEnglish);
    level.append("Straight", "20", "0");
    level.calculate(PullSettings{}, results);
    EXPECT_EQ(inherited_incline_text(level.values(), results, 0), std::nullopt);
}

TEST(Elevation, OnlyTheCablesWeightHoldsAPullAtZero) {
    PullPlanLinks plan(kEnglish);
    plan.append("Straight", "100", "-30", true);
    PullSettings settings;
    settings.weight = 0;
    settings.back_tension = -5; // below zero already, but not by the cable's weight
    PullResults results;
    plan.calculate(settings, results);
    EXPECT_FALSE(results.forward_held[0]);
    settings.weight = 1000;
    settings.back_tension = 5;
    plan.calculate(settings, results);
    EXPECT_TRUE(results.forward_held[0]);
}

TEST(Elevation, RefusesAnglesNoBendCanHave) {
    EXPECT_TRUE(link_angle_refusal(kUpType, 361));
    EXPECT_TRUE(link_angle_refusal(kDownType, -400));
    EXPECT_FALSE(link_angle_refusal(kUpType, 360));
    EXPECT_FALSE(link_angle_refusal(kBendType, 720)); // a horizontal turn may wind on
    EXPECT_TRUE(link_angle_refusal(kBendType, std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(link_angle_refusal(kStraightType, std::nan("")));
}


// The forward tension leaving a plan of links written as the command line writes them.
double leaving(const std::vector<PullLinkTexts>& links, const PullSettingsTexts& settings) {
    std::vector<PullLinkTexts> numbered = links;
    for (std::size_t i = 0; i < numbered.size(); ++i) {
        numbered[i].number = std::to_string(i + 1);
    }
    return pullcalc(numbered, settings, kEnglish).forward_tension.back();
}

TEST(SpaceBend, IsContinuousAsItsAngleGoesToZeroAndKeepsItsPlanesWeight) {
    // 50 ft at W 10 lb/ft, mu 0.5, from 1000 lbs, tilted 45 degrees: the weight in the bend's
    // plane, W cos 45, presses it however small its turn.
    PullSettingsTexts settings;
    settings.weight = "10000";
    settings.friction = "0.5";
    settings.back_tension = "1000";
    const double limit = 1000 + 0.5 * 10 * std::cos(std::numbers::pi / 4) * 50;
    for (const char* angle : {"1e-4", "1e-7", "1e-13", "1e-15", "1e-300"}) {
        PullLinkTexts bend{"Tilted", "50", angle, ""};
        bend.tilt = "45";
        EXPECT_NEAR(leaving({bend}, settings), limit, 0.01) << angle;
    }
}

TEST(Elevation, ANegativeAngleIsTheSameBendTurningTheOtherWay) {
    PullSettingsTexts settings;
    settings.weight = "1000";
    settings.friction = "0.5";
    settings.back_tension = "1000";
    const auto pull = [&](std::string_view incline, PullLinkTexts bend) {
        PullLinkTexts first{"Straight", "10", std::string(incline), "", true};
        return leaving({first, bend, {"Straight", "10", "0", ""}}, settings);
    };
    for (const char* incline : {"0", "0.001", "20"}) {
        PullLinkTexts right{"Angle", "10", "90", ""};
        right.right = true;
        EXPECT_DOUBLE_EQ(pull(incline, {"Angle", "10", "-90", ""}), pull(incline, right)) << incline;
        EXPECT_DOUBLE_EQ(pull(incline, {"Up", "10", "-30", ""}), pull(incline, {"Down", "10", "30", ""}))
            << incline;
        PullLinkTexts tilted{"Tilted", "10", "-90", ""};
        tilted.tilt = "0";
        PullLinkTexts turned{"Tilted", "10", "90", ""};
        turned.tilt = "-180";
        EXPECT_DOUBLE_EQ(pull(incline, tilted), pull(incline, turned)) << incline;
    }
    // A sheave of a negative angle is loaded as one of its size.
    PullLinkTexts sheave{"Angle", "2", "-90", "1"};
    sheave.sheave = true;
    EXPECT_GT(read_link(sheave, kEnglish).angle, 0);
}


TEST(SpaceBend, AHorizontalBendOnARiserTakesNoFrictionFromTheWeight) {
    // On a riser a horizontal bend turns the cable about its own line: it climbs its length
    // and its weight presses on no wall, whatever the friction (mu W L cos 90 = 0; the riser
    // of 90 degrees at 57.3 to the radian leans a ten-thousandth, which its tension feels).
    PullSettingsTexts settings;
    settings.weight = "1000";
    settings.friction = "0.5";
    settings.back_tension = "100";
    const double through = leaving({{"Straight", "10", "90", "", true}, {"Angle", "3", "90", ""}},
                                   settings);
    EXPECT_NEAR(through, 100 + 10 + 3, 0.02);
    // Upright to the last digit (pi / 2 radians at 57.3 to the radian): the weight along it only.
    const double upright = leaving(
        {{"Straight", "10", "90.00662952534777", "", true}, {"Angle", "3", "90", ""}}, settings);
    EXPECT_NEAR(upright, 100 + 10 + 3, 1e-9);
    // Just off the vertical the weight across the route presses it a little: mu W L cos 89.
    const double near = leaving({{"Straight", "10", "89", "", true}, {"Angle", "3", "90", ""}},
                                settings);
    EXPECT_GT(near, 100 + 10 * std::sin(89 / 57.3) + 3 * std::sin(89 / 57.3));
}

} // namespace
// The figures found once for the advice's many pulls give each pull the general rule's
// tension to the last bit: an Up or Down bend met above three times W R, and a bend on a steady
// slope (against a step-by-step integration of its equation).
TEST(VerticalBend, ItsSteadyFiguresGiveTheGeneralRulesTension) {
    std::mt19937_64 random(9122026);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 2000; ++i) {
        VerticalBend bend;
        bend.theta = 0.01 + 3 * unit(random);
        bend.up = unit(random) < 0.5;
        bend.radius = 0.5 + 50 * unit(random);
        bend.length = bend.radius * bend.theta;
        bend.weight = 10 * unit(random);
        bend.friction = unit(random);
        const double psi_in = (unit(random) - 0.5) * 3;
        const auto steady = steady_vertical_bend(bend, psi_in);
        ASSERT_TRUE(steady);
        const double tension = steady->above * (1 + 2 * unit(random)) + 1e-9;
        const BendPass general = pass_vertical_bend(bend, tension, psi_in);
        const BendPass fast = pass_steady_vertical_bend(*steady, bend, tension, psi_in);
        ASSERT_EQ(fast.tension, general.tension) << i;
        ASSERT_EQ(fast.held, general.held) << i;
    }
}

TEST(SpaceBend, ABendOnASteadySlopeIsItsEquationsSolution) {
    for (const double psi : {-0.4, -0.05, 0.05, 0.4}) {
        for (const double tension : {0.0, 50.0, 2000.0}) {
            SpaceBend bend;
            bend.theta = 1.2;
            bend.radius = 30;
            bend.length = 36;
            bend.weight = 6;
            bend.friction = 0.4;
            bend.geometry.axis_up = 1;
            bend.geometry.axis_along = std::sin(psi);
            bend.geometry.curvature = std::cos(psi);
            bend.geometry.rise = std::sin(psi);
            const auto slope = bend_on_slope(bend);
            ASSERT_TRUE(slope);
            // dT/du = mu cos(psi) T + W R sin(psi), held at zero, in small steps.
            double t = tension;
            const int steps = 200000;
            for (int k = 0; k < steps; ++k) {
                t += bend.theta / steps *
                     (bend.friction * std::cos(psi) * t + bend.weight * bend.radius * std::sin(psi));
                t = std::max(t, 0.0);
            }
            EXPECT_NEAR(pass_bend_on_slope(*slope, tension).tension, t, 1e-3 * std::max(1.0, t))
                << psi << " " << tension;
        }
    }
}

} // namespace tensora
