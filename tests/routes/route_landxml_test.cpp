#include "routes/route_landxml.h"
#include "pullplan/route_path.h"
#include "support/messages.h"
#include "routes/route_csv.h"
#include "routes/route_dxf.h"

#include "support/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

namespace tensora {
namespace {

std::string sample(const std::string& name) {
    std::ifstream file(std::string(TENSORA_ROUTE_SAMPLES) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<PullLinkTexts> links_of(const RouteFile& file, std::string_view layer = "") {
    EXPECT_EQ(file.error, "");
    const RouteChoice choice =
        choose_route_path(file, layer, 0, file.feet_per_unit.value_or(1), UnitSystem::InchPound);
    EXPECT_EQ(choice.error, "");
    if (!choice.path) {
        return {};
    }
    const ImportedRoute route = import_route(in_feet(*choice.path, file.feet_per_unit.value_or(1)),
                                             3, UnitSystem::InchPound);
    EXPECT_EQ(route.error, "");
    return route.links;
}

TEST(RouteSamples, TheDrawingThePointsAndTheAlignmentGiveOnePlan) {
    const std::vector<PullLinkTexts> drawn =
        links_of(read_route_dxf(sample("duct-bank.dxf")), "DUCT-BANK");
    const std::vector<PullLinkTexts> surveyed = links_of(read_route_csv(sample("survey.csv")));
    const std::vector<PullLinkTexts> aligned =
        links_of(read_route_landxml(sample("alignment.xml")));
    ASSERT_EQ(drawn.size(), 5u);
    for (const auto* other : {&surveyed, &aligned}) {
        ASSERT_EQ(other->size(), drawn.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ((*other)[i].type, drawn[i].type);
            EXPECT_EQ((*other)[i].right, drawn[i].right);
            EXPECT_NEAR(std::stod((*other)[i].length), std::stod(drawn[i].length), 1e-9);
            EXPECT_NEAR(std::stod((*other)[i].angle), std::stod(drawn[i].angle), 1e-9);
        }
    }
    EXPECT_TRUE(drawn[3].right);
    const std::vector<PullLinkTexts> riser =
        links_of(read_route_dxf(sample("duct-bank.dxf")), "RISER");
    ASSERT_EQ(riser.size(), 3u);
    EXPECT_EQ(riser[1].type, "Up");
}

constexpr std::string_view kGraded = R"(<?xml version="1.0"?>
<LandXML><Units><Metric linearUnit="meter"/></Units>
<Alignments><Alignment name="Graded" staStart="1000">
<CoordGeom><Line><Start>0 0</Start><End>0 200</End></Line></CoordGeom>
<Profile><ProfAlign>
<PVI>1000 10</PVI><ParaCurve length="40">1100 20</ParaCurve><PVI>1200 20</PVI>
</ProfAlign></Profile></Alignment></Alignments></LandXML>
)";

// The plan's rise, length and turn, and its largest bend, as the planner lays the links out.
struct Laid {
    double rise = 0;
    double length = 0;
    double turn = 0;
    double largest_bend = 0;
};
Laid laid(const std::vector<PullLinkTexts>& links) {
    std::vector<PullLinkValues> values;
    Laid plan;
    for (const PullLinkTexts& link : links) {
        values.push_back(read_link(link, {".", ","}));
        plan.length += values.back().length;
        if (!values.back().straight) {
            plan.turn += std::fabs(values.back().angle);
            plan.largest_bend = std::max(plan.largest_bend, std::fabs(values.back().angle));
        }
    }
    plan.rise = values.empty() ? 0 : route_path(values).back().end.z;
    return plan;
}

std::string landxml(const std::string& geometry, const std::string& profile) {
    return "<LandXML><Units><Imperial linearUnit=\"foot\"/></Units><Alignments>"
           "<Alignment name=\"A\" staStart=\"0\"><CoordGeom>" +
           geometry + "</CoordGeom><Profile><ProfAlign>" + profile +
           "</ProfAlign></Profile></Alignment></Alignments></LandXML>";
}

TEST(LandXmlRoute, TheProfilesHeightsAreTheRoutesAndAVerticalCurveFollowsItsOwnCurve) {
    const RouteFile file = read_route_landxml(kGraded);
    ASSERT_EQ(file.error, "");
    EXPECT_NEAR(*file.feet_per_unit, 1 / 0.3048, 1e-12);
    EXPECT_EQ(file.paths.front().entity, "Graded");
    const Laid plan = laid(links_of(file));
    EXPECT_NEAR(plan.rise, 10 / 0.3048, 0.01);
    // A circular vertical curve is one bend of its own radius, between grades that both climb
    // (its change of grade their difference, not their sum).
    const std::string line = "<Line><Start>0 0</Start><End>0 1000</End></Line>";
    const std::vector<PullLinkTexts> circle = links_of(read_route_landxml(
        landxml(line, "<PVI>0 0</PVI><CircCurve length=\"100\" radius=\"2000\">500 25</CircCurve>"
                      "<PVI>1000 75</PVI>")));
    ASSERT_EQ(circle.size(), 3u);
    EXPECT_EQ(circle[1].type, "Up");
    EXPECT_NEAR(std::stod(circle[1].angle),
                (std::atan(0.1) - std::atan(0.05)) * 180 / std::numbers::pi, 1e-6);
    EXPECT_NEAR(std::stod(circle[1].length) / (std::stod(circle[1].angle) / 180 * std::numbers::pi),
                2000, 1e-6);
    // An unsymmetric curve: 100 ft in, 300 ft out, heights the profile's at its end.
    const Laid unsymmetric = laid(links_of(read_route_landxml(landxml(
        line, "<PVI>0 0</PVI><UnsymParaCurve lengthIn=\"100\" lengthOut=\"300\">400 20"
              "</UnsymParaCurve><PVI>1000 -10</PVI>"))));
    EXPECT_NEAR(unsymmetric.rise, -10, 0.01);
    EXPECT_NEAR(unsymmetric.turn, (std::atan(0.05) + std::atan(0.05)) * 180 / std::numbers::pi, 0.01);
}

TEST(LandXmlRoute, AGradeChangeOnAHorizontalCurveClimbsWithItAndNothingIsLengthened) {
    // 200 ft east, a quarter circle of 300 ft radius to the left, 200 ft north; a crest whose
    // vertical curve of 200 ft reaches into the horizontal curve.
    const std::string geometry =
        "<Line><Start>0 0</Start><End>0 200</End></Line>"
        "<Curve rot=\"ccw\"><Start>0 200</Start><Center>300 200</Center><End>300 500</End></Curve>"
        "<Line><Start>300 500</Start><End>500 500</End></Line>";
    const double plan = 400 + 300 * std::numbers::pi / 2;
    const RouteFile file = read_route_landxml(landxml(
        geometry, "<PVI>0 0</PVI><ParaCurve length=\"200\">250 10</ParaCurve><PVI>" +
                      std::to_string(plan) + " 0</PVI>"));
    ASSERT_EQ(file.error, "");
    const std::vector<PullLinkTexts> links = links_of(file);
    const Laid route = laid(links);
    EXPECT_NEAR(route.rise, 0, 0.01);
    EXPECT_LT(route.length, plan * 1.001); // the grades' length, no overlap added
    EXPECT_GT(route.length, plan);
    // A grade that breaks inside the curve: the curve climbs with each grade, no refusal.
    const RouteFile broken = read_route_landxml(
        landxml(geometry, "<PVI>0 0</PVI><PVI>300 6</PVI><PVI>" + std::to_string(plan) + " 0</PVI>"));
    const Laid climbed = laid(links_of(broken));
    EXPECT_NEAR(climbed.rise, 0, 0.01);
    // A vertical bend after the curve is Up or Down, not tilted.
    const RouteFile after = read_route_landxml(
        landxml(geometry, "<PVI>0 0</PVI><PVI>" + std::to_string(plan - 100) + " 0</PVI><PVI>" +
                              std::to_string(plan) + " 5</PVI>"));
    const std::vector<PullLinkTexts> bent = links_of(after);
    EXPECT_EQ(std::count_if(bent.begin(), bent.end(),
                            [](const PullLinkTexts& link) { return link.type == "Tilted"; }),
              0);
    EXPECT_EQ(std::count_if(bent.begin(), bent.end(),
                            [](const PullLinkTexts& link) { return link.type == "Up"; }),
              1);
}

TEST(LandXmlRoute, AProfileShortOfTheAlignmentKeepsItsGradesAndSaysSo) {
    const RouteFile file = read_route_landxml(landxml(
        "<Line><Start>0 0</Start><End>0 1000</End></Line>", "<PVI>0 0</PVI><PVI>500 17</PVI>"));
    ASSERT_EQ(file.paths.front().notes.size(), 1u);
    EXPECT_EQ(file.paths.front().notes.front(),
              "The alignment runs 500 beyond its profile: the profile's last grade is taken on to "
              "its end.");
    EXPECT_NEAR(laid(links_of(file)).rise, 34, 0.01); // 3.4 % all the way
}

TEST(LandXmlRoute, ASpiralIsAChainOfBendsWithItsLengthAndTurn) {
    // A clothoid of 200 ft from a straight to a radius of 500 ft, turning left: 11.46 degrees.
    const RouteFile file = read_route_landxml(landxml(
        "<Line><Start>0 0</Start><End>0 100</End></Line>"
        "<Spiral length=\"200\" radiusStart=\"INF\" radiusEnd=\"500\" rot=\"ccw\" "
        "spiType=\"clothoid\"><Start>0 100</Start><PI>0 233.33</PI><End>5 299</End></Spiral>",
        "<PVI>0 0</PVI><PVI>300 0</PVI>"));
    ASSERT_EQ(file.error, "");
    const Laid route = laid(links_of(file));
    EXPECT_NEAR(route.length, 300, 1e-9);
    EXPECT_NEAR(route.turn, 200.0 / (2 * 500) * 180 / std::numbers::pi, 1e-9);
    EXPECT_LE(route.largest_bend, 1 + 1e-9);
}

TEST(LandXmlRoute, ACurveTurnsTheWayItsRotationSays) {
    // North 100 ft, then a quarter circle of 50 ft radius: clockwise turns right (east).
    const auto alignment = [](const char* rot, const char* centre, const char* end) {
        return std::string("<LandXML><Units><Imperial linearUnit=\"USSurveyFoot\"/></Units>"
                           "<Alignments><Alignment name=\"A\"><CoordGeom>"
                           "<Line><Start>0 0</Start><End>100 0</End></Line>"
                           "<Curve rot=\"") +
               rot + "\"><Start>100 0</Start><Center>" + centre + "</Center><End>" + end +
               "</End></Curve></CoordGeom></Alignment></Alignments></LandXML>";
    };
    RouteFile file = read_route_landxml(alignment("cw", "100 50", "150 50"));
    ASSERT_EQ(file.error, "");
    EXPECT_NEAR(*file.feet_per_unit, 1200.0 / 3937 / 0.3048, 1e-15);
    std::vector<PullLinkTexts> links = links_of(file);
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[1].type, "Angle");
    EXPECT_TRUE(links[1].right);
    EXPECT_NEAR(std::stod(links[1].length), 50 * std::numbers::pi / 2 * *file.feet_per_unit, 1e-9);
    links = links_of(read_route_landxml(alignment("ccw", "100 -50", "150 -50")));
    ASSERT_EQ(links.size(), 2u);
    EXPECT_FALSE(links[1].right);
}

TEST(LandXmlRoute, WhatCannotBeReadIsRefusedWithItsLine) {
    EXPECT_EQ(english_text(read_route_landxml("<LandXML><Alignments><Alignment>").error).substr(0, 7),
              "Line 1:");
    EXPECT_EQ(read_route_landxml("<other/>").error, "The file is no LandXML document.");
    const std::string spiral = "<LandXML><Alignments><Alignment><CoordGeom>\n<Spiral/>"
                               "</CoordGeom></Alignment></Alignments></LandXML>";
    EXPECT_EQ(read_route_landxml(spiral).error,
              "Line 2: a spiral needs its length, its radii at start and end, its Start and its "
              "PI.");
    // A spreadsheet's or an editor's byte-order mark is no text of the document.
    EXPECT_EQ(read_route_text("\xEF\xBB\xBF" + landxml("<Line><Start>0 0</Start><End>0 9</End>"
                                                       "</Line>",
                                                       "")).error,
              "");
    EXPECT_EQ(read_route_landxml("<LandXML><Alignments><Alignment><CoordGeom><Line><Start>1 x"
                                 "</Start><End>0 0</End></Line></CoordGeom></Alignment>"
                                 "</Alignments></LandXML>")
                  .error,
              "Line 1: a line needs a Start and an End of two numbers each.");
}

} // namespace
} // namespace tensora
