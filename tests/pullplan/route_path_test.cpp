#include "pullplan/pull_plan_links.h"
#include "pullplan/route_path.h"
#include "pullplan/space_bend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};
constexpr double kQuarter = std::numbers::pi / 2;

Vec3 turned(Vec3 d, Vec3 axis, double u) {
    return std::cos(u) * d + std::sin(u) * cross(axis, d) + (1 - std::cos(u)) * dot(axis, d) * axis;
}

// The tension through a bend integrated with vectors alone: the direction turned about the
// axis, the curvature vector, the weight's part across the cable split on the normal and the
// binormal. Nothing of the closed forms or of the bend's scalar geometry.
double integrated(Vec3 d0, Vec3 axis, double theta, double radius, double weight, double friction,
                  bool across, double t) {
    constexpr int kSteps = 8000;
    const double h = theta * radius / kSteps;
    const Vec3 down{0, 0, -1};
    const auto slope = [&](double s, double tension) {
        const Vec3 d = turned(d0, axis, s / radius);
        const Vec3 bent = (1 / radius) * cross(axis, d);
        const double curvature = std::sqrt(dot(bent, bent));
        const Vec3 normal = (1 / curvature) * bent;
        const Vec3 binormal = cross(d, normal);
        const double in_plane = tension * curvature + weight * dot(down, normal);
        const double sideways = (across ? 1.0 : 0.0) * weight * dot(down, binormal);
        return friction * std::hypot(in_plane, sideways) - weight * dot(down, d);
    };
    for (int i = 0; i < kSteps; ++i) {
        const double s = i * h;
        if (t <= 0 && slope(s, 0) <= 0) {
            t = 0;
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

PullLinkValues tilted(double tilt, double theta, double length) {
    PullLinkValues link;
    link.straight = false;
    link.turn = Turn::Tilted;
    link.tilt = tilt;
    link.theta = theta;
    link.length = length;
    return link;
}

double through(const LinkPath& path, double weight, double friction, bool across, double t,
               bool forward = true) {
    SpaceBend bend;
    bend.radius = path.radius;
    bend.theta = path.theta;
    bend.length = path.radius * path.theta;
    bend.weight = weight;
    bend.friction = friction;
    bend.across = across;
    bend.geometry = bend_geometry(path, forward);
    return pass_space_bend(bend, t).tension;
}

TEST(RoutePath, TurnsEachWayAboutItsOwnAxis) {
    const auto end_of = [](PullLinkValues link) { return route_path({link}).back().direction_out; };
    PullLinkValues bend = tilted(0, kQuarter, 3);
    bend.turn = Turn::Horizontal;
    EXPECT_NEAR(end_of(bend).y, 1, 1e-15); // left of east is north
    bend.right = true;
    EXPECT_NEAR(end_of(bend).y, -1, 1e-15);
    bend.turn = Turn::Up;
    EXPECT_NEAR(end_of(bend).z, 1, 1e-15);
    bend.turn = Turn::Down;
    EXPECT_NEAR(end_of(bend).z, -1, 1e-15);
    const Vec3 up_left = end_of(tilted(30, kQuarter, 3));
    EXPECT_NEAR(up_left.y, std::cos(std::numbers::pi / 6), 1e-15);
    EXPECT_NEAR(up_left.z, 0.5, 1e-15);
    EXPECT_NEAR(end_of(tilted(180, kQuarter, 3)).y, -1, 1e-15); // a horizontal bend to the right
    // The arc of a 90 degree Up bend of radius 3 ends 3 ft on and 3 ft up.
    bend.turn = Turn::Up;
    const LinkPath arc = route_path({bend}).back();
    EXPECT_NEAR(arc.end.x, 3 / kQuarter * 1, 1e-12);
    EXPECT_NEAR(arc.end.z, 3 / kQuarter, 1e-12);
}

TEST(RoutePath, AFrictionlessClimbThroughABendAddsTheWeightTimesTheRise) {
    // 100 ft at 30 degrees, a horizontal bend 60 ft long climbing with the route, 1 ft more:
    // 80.5 ft up, and with no friction 1 lb/ft lifts exactly that.
    PullPlanLinks plan(kEnglish);
    plan.append("Straight", "100", "30", true);
    plan.append("Angle", "60", "90");
    plan.append("Straight", "1", "0");
    PullSettings settings;
    settings.friction = 0;
    settings.weight = 1000;
    settings.back_tension = 0;
    PullResults results;
    plan.calculate(settings, results);
    const double rise = route_path(plan.values()).back().end.z;
    EXPECT_NEAR(rise, 100 * std::sin(30 / 57.3) + 61 * std::sin(30 / 57.3), 1e-9);
    EXPECT_NEAR(results.forward_tension.back(), rise, 1e-9);
}

TEST(SpaceBend, TiltedBendsGiveTheReferenceFigures) {
    // A 90 degree bend entered level, the weight across its plane pressing too.
    const auto tension = [](double t, double weight, double radius, double friction, double tilt) {
        const LinkPath path = route_path({tilted(tilt, kQuarter, radius * kQuarter)}).back();
        return through(path, weight, friction, true, t);
    };
    const std::pair<double, double> heavy[] = {{0, 866.456},  {30, 868.644}, {45, 869.547},
                                               {60, 870.239}, {90, 870.821}, {-30, 864.257},
                                               {-90, 862.049}};
    for (const auto& [tilt, expected] : heavy) {
        EXPECT_NEAR(tension(500, 2, 3, 0.35, tilt), expected, 1e-4 * expected) << tilt;
    }
    const std::pair<double, double> light[] = {
        {0, 221.048}, {30, 225.872}, {90, 229.647}, {-90, 209.009}};
    for (const auto& [tilt, expected] : light) {
        EXPECT_NEAR(tension(100, 5, 4, 0.5, tilt), expected, 1e-4 * expected) << tilt;
    }
    // The level bend's closed form, and in the bend's plane alone the planner's rule.
    const double x = 0.35 * kQuarter;
    EXPECT_NEAR(tension(500, 2, 3, 0.35, 0),
                500 * std::cosh(x) + std::sinh(x) * std::hypot(500.0, 6.0), 1e-9);
    const LinkPath level = route_path({tilted(0, kQuarter, 3 * kQuarter)}).back();
    EXPECT_NEAR(through(level, 2, 0.35, false, 500), 500 * std::exp(x), 1e-9);
}

TEST(SpaceBend, AgreesWithTheVectorsIntegratedEitherWay) {
    // Bends of every tilt entered at every inclination and heading, both ways, with and
    // without the weight across, light and heavy tensions (held at zero on the way down).
    std::mt19937 random(29);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int r = 0; r < 60; ++r) {
        PullLinkValues rise;
        rise.straight = false;
        rise.turn = Turn::Up;
        rise.theta = (-80 + 160 * unit(random)) / 57.3;
        rise.length = 5;
        PullLinkValues bend = tilted(-180 + 360 * unit(random), (10 + 170 * unit(random)) / 57.3,
                                     1 + 10 * unit(random));
        if (r % 4 == 0) {
            bend.turn = Turn::Horizontal; // a helix on the inclined route
            bend.right = r % 8 == 0;
        }
        const LinkPath path = route_path({rise, bend}).back();
        const double weight = 0.2 + 8 * unit(random);
        const double friction = 0.05 + 0.6 * unit(random);
        const double t = r % 3 == 0 ? 0 : 1000 * unit(random);
        for (const bool across : {false, true}) {
            for (const bool forward : {true, false}) {
                const Vec3 d = forward ? path.direction_in : -1.0 * path.direction_out;
                const Vec3 axis = forward ? path.axis : -1.0 * path.axis;
                const double expected =
                    integrated(d, axis, path.theta, path.radius, weight, friction, across, t);
                EXPECT_NEAR(through(path, weight, friction, across, t, forward), expected,
                            1e-6 * std::max(1.0, expected))
                    << r << (across ? " across" : "") << (forward ? " forward" : " reverse");
            }
        }
    }
}

} // namespace
} // namespace tensora
