#include "routes/route_csv.h"
#include "routes/route_dxf.h"
#include "routes/route_import.h"

#include "support/messages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace tensora {
namespace {

constexpr double kPi = std::numbers::pi;

std::vector<PullLinkTexts> links_of(const RouteFile& file, double radius = 3) {
    EXPECT_EQ(file.error, "");
    if (file.paths.empty()) {
        return {};
    }
    const ImportedRoute route = import_route(file.paths.front(), radius, UnitSystem::InchPound);
    EXPECT_EQ(route.error, "");
    return route.links;
}

void expect_link(const PullLinkTexts& link, std::string_view type, double length, double angle) {
    EXPECT_EQ(link.type, type);
    EXPECT_NEAR(std::stod(link.length), length, 1e-9 * std::max(1.0, length)) << link.length;
    EXPECT_NEAR(std::stod(link.angle), angle, 1e-9 * std::max(1.0, std::fabs(angle))) << link.angle;
}

// 100 ft east, a quarter turn left of radius 10 ft, 50 ft north: the three kinds of file.
constexpr std::string_view kPolylineDxf = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n2\n0\nENDSEC\n"
                                          "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\nDUCT\n90\n3\n"
                                          "70\n0\n10\n0\n20\n0\n10\n100\n20\n0\n42\n"
                                          "0.41421356237309503\n10\n110\n20\n10\n10\n110\n20\n60\n"
                                          "0\nENDSEC\n0\nEOF\n";

void expect_quarter_turn(const std::vector<PullLinkTexts>& links) {
    ASSERT_EQ(links.size(), 3u);
    expect_link(links[0], "Straight", 100, 0);
    expect_link(links[1], "Angle", 10 * kPi / 2, 90);
    EXPECT_FALSE(links[1].right);
    expect_link(links[2], "Straight", 50, 0);
}

TEST(RouteImport, APolylineWithAnArcGivesTheLinksOnePersonWouldType) {
    const RouteFile file = read_route_dxf(kPolylineDxf);
    ASSERT_TRUE(file.feet_per_unit.has_value());
    EXPECT_DOUBLE_EQ(*file.feet_per_unit, 1);
    EXPECT_EQ(file.paths.front().layer, "DUCT");
    expect_quarter_turn(links_of(file));
}

TEST(RouteImport, TheSameRouteAsPointsOrAsLinesAndArcsGivesTheSamePlan) {
    // The corner at (110, 0) with a radius of 10 ft: 10 ft of tangent off each straight.
    expect_quarter_turn(links_of(read_route_csv("x,y,z,radius\n0,0,0,\n110,0,0,10\n110,60,0,\n")));
    // A chain of LINE and ARC drawn out of order and against the route's direction.
    const std::string chain = "0\nSECTION\n2\nENTITIES\n"
                              "0\nLINE\n8\nD\n10\n110\n20\n60\n30\n0\n11\n110\n21\n10\n31\n0\n"
                              "0\nARC\n8\nD\n10\n100\n20\n10\n30\n0\n40\n10\n50\n270\n51\n360\n"
                              "0\nLINE\n8\nD\n10\n100\n20\n0\n30\n0\n11\n0\n21\n0\n31\n0\n"
                              "0\nENDSEC\n0\nEOF\n";
    std::vector<PullLinkTexts> links = links_of(read_route_dxf(chain));
    // Read from the end drawn first, the route runs the other way: a right turn.
    ASSERT_EQ(links.size(), 3u);
    expect_link(links[0], "Straight", 50, 0);
    expect_link(links[1], "Angle", 10 * kPi / 2, 90);
    EXPECT_TRUE(links[1].right);
    expect_link(links[2], "Straight", 100, 0);
}

TEST(RouteImport, ARiserAndAnOffsetThatClimbsTakeTheirPlanes) {
    std::vector<PullLinkTexts> links = links_of(read_route_csv("0 0 0\n100 0 0\n100 0 50\n"));
    ASSERT_EQ(links.size(), 3u);
    expect_link(links[1], "Up", 3 * kPi / 2, 90);
    expect_link(links[2], "Straight", 47, 0);
    // Up and to the left at once: the plane tilted 45 degrees.
    links = links_of(read_route_csv("0 0 0\n100 0 0\n200 100 100\n"));
    ASSERT_EQ(links.size(), 3u);
    const double angle = std::acos(1 / std::sqrt(3.0));
    expect_link(links[1], "Tilted", 3 * angle, angle * 180 / kPi);
    EXPECT_NEAR(std::stod(links[1].tilt), 45, 1e-9);
    // A route that starts down a slope sets its incline on its first straight.
    links = links_of(read_route_csv("0 0 10\n100 0 0\n"));
    ASSERT_EQ(links.size(), 1u);
    EXPECT_TRUE(links[0].inclined);
    EXPECT_NEAR(std::stod(links[0].angle), -std::atan2(10, 100) * 180 / kPi, 1e-9);
}

TEST(RouteImport, PointsOnALineOrCloserThanTheDrawingsScaleMerge) {
    std::vector<PullLinkTexts> links = links_of(read_route_csv("0,0\n50,0\n50.005,0\n100,0\n"));
    ASSERT_EQ(links.size(), 1u);
    expect_link(links[0], "Straight", 100, 0);
    const RouteFile one = read_route_csv("0,0\n0,0\n");
    EXPECT_EQ(import_route(one.paths.front(), 3, UnitSystem::InchPound).error,
              "The route has fewer than two distinct points.");
    // A small drawing keeps its length: steps of 3 mm in a 60 mm path (0.01 ft) merge nothing.
    std::string small = "x,y\n";
    for (int i = 0; i <= 20; ++i) {
        small += std::to_string(3 * i) + ",0\n";
    }
    RoutePolyline path = in_feet(read_route_csv(small).paths.front(), 1 / 304.8);
    ImportedRoute route = import_route(path, 0.001, UnitSystem::InchPound);
    EXPECT_NEAR(route.summary.length, 60 / 304.8, 1e-12);
    EXPECT_EQ(route.summary.merged, 0u);
    // Points closer than a millionth of the path's size merge, and the summary says so.
    path = read_route_csv("0,0\n50,0\n50.00001,0\n50,100\n").paths.front();
    route = import_route(path, 3, UnitSystem::InchPound);
    EXPECT_EQ(route.summary.merged, 1u);
    EXPECT_NE(english_text(route_summary(route.summary, UnitSystem::InchPound))
                  .find("; 1 point closer than 0.0001 ft to the one before merged into it"),
              std::string::npos)
        << english_text(route_summary(route.summary, UnitSystem::InchPound));
}

TEST(RouteImport, ARadiusThatDoesNotFitIsRefusedWithWhereAndByHowMuch) {
    const RouteFile file = read_route_csv("0,0\n10,0\n10,10\n20,10\n");
    const ImportedRoute route = import_route(file.paths.front(), 8, UnitSystem::InchPound);
    EXPECT_EQ(route.error, "The bends at line 2 and line 3 need 16 ft of the 10 ft straight "
                           "between them (6 ft too much): give a smaller radius.");
    EXPECT_TRUE(route.links.empty());
    EXPECT_EQ(english_text(import_route(file.paths.front(), 11, UnitSystem::InchPound).error)
                  .substr(0, 40),
              "The bend at line 2 needs 11 ft of the 10");
    EXPECT_EQ(import_route(file.paths.front(), 5, UnitSystem::InchPound).error, "");
}

TEST(RouteImport, BadFilesAreRefusedNamingTheLine) {
    EXPECT_EQ(
        import_route(read_route_csv("1,2\ninf,3\n").paths.front(), 3, UnitSystem::InchPound).error,
        "At line 2 a coordinate is not a finite number.");
    EXPECT_EQ(read_route_csv("x,y\n1,2\n1,two\n").error, "Line 3: \"two\" is not a number.");
    EXPECT_EQ(import_route(read_route_csv("0,0\n1e308,0\n-1e308,0\n").paths.front(), 3,
                           UnitSystem::InchPound)
                  .error,
              "From line 1 to the next point the distance is beyond what can be computed.");
    EXPECT_EQ(read_route_dxf("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n0\n").error,
              "The drawing ends before its end (no EOF): the file is cut short.");
    EXPECT_EQ(read_route_dxf("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n").error,
              "Line 7: the drawing ends after a group code.");
    EXPECT_EQ(
        read_route_dxf("0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n0\nENDSEC\n0\nEOF\n").error,
        "Line 8: \"abc\" is not a finite number.");
    EXPECT_FALSE(read_route_dxf("0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n").error.empty());
}

TEST(RouteImport, ADrawingKeepsEveryDigitOfItsCoordinates) {
    // State-plane coordinates: millions of feet, a 0.5 ft straight between two of them.
    const std::string dxf = "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1234567.891\n20\n2345678.125\n"
                            "11\n1234568.391\n21\n2345678.125\n0\nENDSEC\n0\nEOF\n";
    std::vector<PullLinkTexts> links = links_of(read_route_dxf(dxf));
    ASSERT_EQ(links.size(), 1u);
    expect_link(links[0], "Straight", 0.5, 0);
}

TEST(RouteImport, PointFilesInTheSurveyorsOrderAndNamedColumns) {
    // Point, northing, easting, elevation, description: numbered points that skip a number.
    std::vector<PullLinkTexts> links =
        links_of(read_route_csv("1,0,0,0,MH1\n2,0,100,0,BEND\n4,60,100,0,MH2\n"), 10);
    ASSERT_EQ(links.size(), 3u);
    expect_link(links[0], "Straight", 90, 0);
    EXPECT_FALSE(links[1].right); // east then north: a left turn
    links = links_of(read_route_csv("Pt;Northing;Easting\n1;0;0\n2;0;100,5\n"));
    ASSERT_EQ(links.size(), 1u);
    expect_link(links[0], "Straight", 100.5, 0);
    // Four figures whose first column numbers the points may be x y z r as well: refused.
    EXPECT_NE(english_text(read_route_csv("1,0,0,0\n2,0,100,0\n3,60,100,0\n").error)
                  .find("add a header line"),
              std::string::npos);
    // A first column that repeats a number numbers no points: x, y, z and radius, unasked.
    links = links_of(read_route_csv("5,0,0,0\n5,100,0,0\n"));
    ASSERT_EQ(links.size(), 1u);
    expect_link(links[0], "Straight", 100, 0);
    // x values that repeat are no point numbers; a spreadsheet's byte-order mark is no text.
    links = links_of(read_route_csv("\xEF\xBB\xBFx,y,z,r\n5,0,0,0\n5,100,0,0\n"));
    ASSERT_EQ(links.size(), 1u);
    expect_link(links[0], "Straight", 100, 0);
}

TEST(RouteImport, WhatIsWrittenAsPointsReadsBackAsTheSameRoute) {
    RoutePolyline path;
    for (const Vec3 at : {Vec3{0.1, 0.2, 0.3}, Vec3{1e6 / 3, 7, 1}, Vec3{1e6 / 3, 1e5 / 7, -2}}) {
        path.vertices.push_back({at, 0, std::nullopt, ""});
    }
    path.vertices[1].radius = 2.0 / 3;
    const RouteFile back = read_route_csv(route_csv_text(path));
    ASSERT_EQ(back.paths.size(), 1u);
    ASSERT_EQ(back.paths.front().vertices.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.paths.front().vertices[i].at.y, path.vertices[i].at.y);
        EXPECT_EQ(back.paths.front().vertices[i].radius, path.vertices[i].radius);
    }
}

TEST(RouteImport, SeveralPathsAreListedForTheUserToChoose) {
    RouteFile file = read_route_dxf(kPolylineDxf);
    file.paths.push_back(file.paths.front());
    file.paths.back().layer = "OTHER";
    const RouteChoice both = choose_route_path(file, "", 0, 1, UnitSystem::InchPound);
    EXPECT_EQ(both.path, nullptr);
    EXPECT_NE(english_text(both.error).find("2  layer OTHER, LWPOLYLINE at line 16, 165.7 ft"),
              std::string::npos)
        << english_text(both.error);
    EXPECT_EQ(choose_route_path(file, "OTHER", 0, 1, UnitSystem::InchPound).path,
              &file.paths.back());
    EXPECT_EQ(choose_route_path(file, "", 1, 1, UnitSystem::InchPound).path, &file.paths.front());
    EXPECT_EQ(route_file_kind(kPolylineDxf), RouteFileKind::Dxf);
    EXPECT_EQ(route_file_kind("<?xml version=\"1.0\"?>\n<LandXML>"), RouteFileKind::LandXml);
    EXPECT_EQ(route_file_kind("0,0\n1,1\n"), RouteFileKind::Csv);
}

} // namespace
} // namespace tensora

namespace tensora {
namespace {

TEST(RouteDrawings, ReadEveryKindOfPathAndTheirUnits) {
    // A closed polyline in millimetres comes back to its start; a 3-D polyline keeps its
    // heights and leaves out a spline's control points; a POLYLINE without SEQEND is cut short.
    const std::string closed = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n4\n0\nENDSEC\n"
                               "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n70\n1\n10\n0\n20\n0\n"
                               "10\n1000\n20\n0\n10\n1000\n20\n1000\n0\nENDSEC\n0\nEOF\n";
    RouteFile file = read_route_dxf(closed);
    ASSERT_EQ(file.error, "");
    EXPECT_DOUBLE_EQ(*file.feet_per_unit, 1 / 304.8);
    ASSERT_EQ(file.paths.front().vertices.size(), 4u);
    EXPECT_DOUBLE_EQ(file.paths.front().vertices.back().at.y, 0);
    EXPECT_NEAR(file.paths.front().length(), 2000 + 1000 * std::sqrt(2.0), 1e-9);
    const std::string three_d =
        "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n70\n8\n"
        "0\nVERTEX\n70\n32\n10\n0\n20\n0\n30\n5\n0\nVERTEX\n70\n16\n10\n7\n20\n7\n30\n7\n"
        "0\nVERTEX\n70\n32\n10\n10\n20\n0\n30\n5\n0\nSEQEND\n0\nENDSEC\n0\nEOF\n";
    file = read_route_dxf(three_d);
    ASSERT_EQ(file.paths.size(), 1u);
    ASSERT_EQ(file.paths.front().vertices.size(), 2u);
    EXPECT_DOUBLE_EQ(file.paths.front().vertices[1].at.z, 5);
    EXPECT_FALSE(file.feet_per_unit.has_value());
    const std::string unended = "0\nSECTION\n2\nENTITIES\n0\nPOLYLINE\n70\n8\n0\nVERTEX\n10\n0\n"
                                "20\n0\n0\nENDSEC\n0\nEOF\n";
    EXPECT_NE(english_text(read_route_dxf(unended).error).find("has no SEQEND"), std::string::npos);
    EXPECT_NE(english_text(read_route_dxf("AutoCAD Binary DXF\r\n\x1a").error).find("binary"),
              std::string::npos);
}

TEST(RouteDrawings, AnArcDrawnFromBelowTurnsTheOtherWay) {
    // An ARC whose extrusion points down is seen mirrored: counter-clockwise from 0 to 90
    // degrees there runs from (-10, 0) to (0, 10) clockwise here, on from the line up the y axis.
    const std::string dxf = "0\nSECTION\n2\nENTITIES\n"
                            "0\nLINE\n8\nD\n10\n-10\n20\n-50\n11\n-10\n21\n0\n"
                            "0\nARC\n8\nD\n10\n0\n20\n0\n40\n10\n50\n0\n51\n90\n230\n-1\n"
                            "0\nENDSEC\n0\nEOF\n";
    const std::vector<PullLinkTexts> links = links_of(read_route_dxf(dxf));
    ASSERT_EQ(links.size(), 2u);
    expect_link(links[0], "Straight", 50, 0);
    expect_link(links[1], "Angle", 10 * kPi / 2, 90);
    EXPECT_TRUE(links[1].right);
}

TEST(RouteDrawings, LinesJoinOnlyOnTheirOwnLayer) {
    // Two lines meeting end to end on different layers are two paths; on one layer, one.
    const auto line = [](const char* layer, int x0, int x1) {
        return std::string("0\nLINE\n8\n") + layer + "\n10\n" + std::to_string(x0) +
               "\n20\n0\n11\n" + std::to_string(x1) + "\n21\n0\n";
    };
    const auto drawing = [](const std::string& entities) {
        return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
    };
    EXPECT_EQ(read_route_dxf(drawing(line("A", 0, 10) + line("B", 10, 20))).paths.size(), 2u);
    const RouteFile one = read_route_dxf(drawing(line("A", 10, 20) + line("A", 0, 10)));
    ASSERT_EQ(one.paths.size(), 1u);
    EXPECT_NEAR(one.paths.front().length(), 20, 1e-12);
}

TEST(RouteImport, DownAndRightTakeTheirSidesAndARouteMayStartOnASlopedArc) {
    std::vector<PullLinkTexts> links = links_of(read_route_csv("0 0 0\n100 0 0\n200 0 -100\n"));
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[1].type, "Down");
    EXPECT_NEAR(std::stod(links[1].angle), 45, 1e-9);
    links = links_of(read_route_csv("0 0\n100 0\n100 -100\n"));
    ASSERT_EQ(links.size(), 3u);
    EXPECT_TRUE(links[1].right);
    // An arc climbing 10 ft over a quarter turn of 100 ft radius, drawn as a 3-D path's first
    // piece: a straight of no length sets its incline first.
    RoutePolyline path;
    path.vertices = {{{0, 0, 0}, std::tan(kPi / 8), std::nullopt, "a"},
                     {{100, 100, 10}, 0, std::nullopt, "b"}};
    const ImportedRoute route = import_route(path, 3, UnitSystem::InchPound);
    ASSERT_EQ(route.error, "");
    ASSERT_EQ(route.links.size(), 2u);
    EXPECT_EQ(route.links[0].length, "0");
    EXPECT_TRUE(route.links[0].inclined);
    const double plan = 100 * kPi / 2;
    EXPECT_NEAR(std::stod(route.links[0].angle), std::atan2(10, plan) * 180 / kPi, 1e-9);
    expect_link(route.links[1], "Angle", std::hypot(plan, 10), 90);
    EXPECT_NEAR(route.summary.rise, 10, 1e-12);
    EXPECT_EQ(route.summary.left, 1);
}

TEST(RouteImport, LengthsAreWrittenInTheUnitsAskedAndTheSummarySaysIt) {
    const RouteFile file = read_route_csv("0,0\n100,0\n100,100\n");
    const ImportedRoute metric = import_route(file.paths.front(), 1 / 0.3048, UnitSystem::Metric);
    ASSERT_EQ(metric.links.size(), 3u);
    EXPECT_NEAR(std::stod(metric.links[0].length), 100 * 0.3048 - 1, 1e-9); // 1 m of tangent
    EXPECT_EQ(route_summary(metric.summary, UnitSystem::Metric),
              "3 links, 60.5 m, rise 0 m; bends: 1 left");
}

// The plan's rise and every bend's angle added, as the planner lays the links out.
std::pair<double, double> plan_rise_and_turn(const std::vector<PullLinkTexts>& links) {
    std::vector<PullLinkValues> values;
    double turn = 0;
    for (const PullLinkTexts& link : links) {
        values.push_back(read_link(link, {".", ","}));
        turn += values.back().straight ? 0 : std::fabs(values.back().angle);
    }
    return {route_path(values).back().end.z, turn};
}

TEST(RouteImport, GradualCurvesKeepEveryTurnAndRiseAndASteadyOneIsOneBend) {
    // A vertical curve rising 130.8 ft in 2,000 steps of a foot, from level to a 13.08 % grade.
    std::string steps = "x,y,z\n";
    for (int i = 0; i <= 2000; ++i) {
        steps += std::to_string(i) + ",0," + std::to_string(3.27e-5 * i * i) + "\n";
    }
    const auto [rise, turn] = plan_rise_and_turn(links_of(read_route_csv(steps)));
    EXPECT_NEAR(rise, 130.8, 0.01);
    EXPECT_NEAR(turn, std::atan(0.1308) * 180 / kPi, 0.01);
    // A 60 degree curve of 5,000 ft radius between two straights, sampled every half foot.
    std::string curve = "x,y\n-100,0\n";
    const int samples = static_cast<int>(std::round(5000 * kPi / 3 / 0.5));
    for (int k = 0; k <= samples; ++k) {
        const double a = kPi / 3 * k / samples;
        curve += std::to_string(5000 * std::sin(a)) + "," +
                 std::to_string(5000 - 5000 * std::cos(a)) + "\n";
    }
    curve += std::to_string(5000 * std::sin(kPi / 3) + 50) + "," +
             std::to_string(5000 - 5000 * std::cos(kPi / 3) + 50 * std::sqrt(3.0)) + "\n";
    const std::vector<PullLinkTexts> links = links_of(read_route_csv(curve));
    ASSERT_EQ(links.size(), 3u);
    EXPECT_NEAR(std::stod(links[1].angle), 60, 1e-6);
    EXPECT_NEAR(std::stod(links[1].length), 5000 * kPi / 3, 1e-3);
}

TEST(RouteImport, AnImportedRouteSetsItsOwnInclineLevelIncluded) {
    const std::vector<PullLinkTexts> links = links_of(read_route_csv("0,0\n100,0\n100,100\n"));
    ASSERT_FALSE(links.empty());
    EXPECT_TRUE(links[0].inclined);
    EXPECT_EQ(links[0].angle, "0");
    // Appended to a plan that climbs at 30 degrees, the route stays level.
    std::vector<PullLinkValues> values{read_link({"Straight", "100", "30", "1", true}, {".", ","})};
    for (const PullLinkTexts& link : links) {
        values.push_back(read_link(link, {".", ","}));
    }
    const std::vector<LinkPath> path = route_path(values);
    EXPECT_NEAR(path.back().end.z, path[1].start.z, 1e-9);
}

TEST(RouteDrawings, EveryEntityIsMappedFromItsOwnAxesHeightsIncluded) {
    const auto drawing = [](const std::string& entities) {
        return "0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n";
    };
    // Seen from below at an elevation of 10: x turned over, and 10 below the world's zero.
    RouteFile file = read_route_dxf(
        drawing("0\nLWPOLYLINE\n38\n10\n10\n0\n20\n0\n10\n100\n20\n0\n210\n0\n220\n0\n230\n-1\n"));
    ASSERT_EQ(english_text(file.error), "");
    EXPECT_DOUBLE_EQ(file.paths.front().vertices[1].at.x, -100);
    EXPECT_DOUBLE_EQ(file.paths.front().vertices[1].at.z, -10);
    // Drawn in an upright plane (extrusion along x): a riser, 100 along and then 50 up.
    file = read_route_dxf(drawing("0\nLWPOLYLINE\n10\n0\n20\n0\n10\n100\n20\n0\n10\n100\n"
                                  "20\n50\n210\n1\n220\n0\n230\n0\n"));
    ASSERT_EQ(file.paths.size(), 1u);
    std::vector<PullLinkTexts> links = links_of(file);
    ASSERT_EQ(links.size(), 3u);
    EXPECT_EQ(links[1].type, "Up");
    // A mirrored ARC at z = 10 joins the LINEs it meets there.
    file = read_route_dxf(
        drawing("0\nLINE\n10\n-10\n20\n-50\n30\n-10\n11\n-10\n21\n0\n31\n-10\n"
                "0\nARC\n10\n0\n20\n0\n30\n10\n40\n10\n50\n0\n51\n90\n210\n0\n220\n0\n230\n-1\n"));
    ASSERT_EQ(file.paths.size(), 1u);
    links = links_of(file);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_TRUE(links[1].right);
}

TEST(RouteDrawings, EndsMeetByTheDrawingsLengthsWhateverItsCoordinates) {
    // A LINE of 97 and one of 2 at a right angle, at a survey's coordinates and at zero.
    const auto chain = [](double x, double y) {
        const auto at = [](double v) { return std::to_string(v); };
        return "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n" + at(x) + "\n20\n" + at(y) + "\n11\n" +
               at(x + 97) + "\n21\n" + at(y) + "\n0\nLINE\n10\n" + at(x + 97) + "\n20\n" + at(y) +
               "\n11\n" + at(x + 97) + "\n21\n" + at(y + 2) + "\n0\nENDSEC\n0\nEOF\n";
    };
    const std::vector<PullLinkTexts> near = links_of(read_route_dxf(chain(0, 0)), 1);
    const std::vector<PullLinkTexts> far = links_of(read_route_dxf(chain(1234500, 7654321)), 1);
    ASSERT_EQ(far.size(), near.size());
    for (std::size_t i = 0; i < near.size(); ++i) {
        EXPECT_EQ(far[i].type, near[i].type);
        EXPECT_NEAR(std::stod(far[i].length), std::stod(near[i].length), 1e-6);
    }
    // A path of one point is said to be one.
    EXPECT_EQ(english_text(read_route_dxf("0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n10\n1\n20\n2\n"
                                          "0\nENDSEC\n0\nEOF\n")
                               .error),
              "The drawing's LWPOLYLINE at line 6 has fewer than two distinct points: it is no "
              "route.");
}

} // namespace
} // namespace tensora
