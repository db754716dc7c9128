#include "import/landxml_route.h"
#include "pullplan/route_csv.h"
#include "pullplan/route_dxf.h"

#include <gtest/gtest.h>

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

TEST(LandXmlRoute, TheProfileGivesHeightsAndAVerticalCurveItsRadius) {
    const RouteFile file = read_route_landxml(kGraded);
    ASSERT_EQ(file.error, "");
    EXPECT_NEAR(*file.feet_per_unit, 1 / 0.3048, 1e-12);
    const RoutePolyline& path = file.paths.front();
    EXPECT_EQ(path.entity, "Graded");
    ASSERT_EQ(path.vertices.size(), 3u);
    // Northing first: the line runs east. Up 10 m over the first 100 m, level after.
    EXPECT_DOUBLE_EQ(path.vertices[1].at.x, 100);
    EXPECT_DOUBLE_EQ(path.vertices[1].at.z, 20);
    EXPECT_DOUBLE_EQ(path.vertices[2].at.z, 20);
    // 40 m of vertical curve over a change of grade of 0.1: a radius of 400 m.
    ASSERT_TRUE(path.vertices[1].radius.has_value());
    EXPECT_NEAR(*path.vertices[1].radius, 400, 1e-9);
    const ImportedRoute route =
        import_route(in_feet(path, *file.feet_per_unit), 3, UnitSystem::Metric);
    ASSERT_EQ(route.error, "");
    ASSERT_EQ(route.links.size(), 3u);
    EXPECT_EQ(route.links[1].type, "Down");
    EXPECT_TRUE(route.links[0].inclined);
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
    EXPECT_EQ(read_route_landxml("<LandXML><Alignments><Alignment>").error.substr(0, 7), "Line 1:");
    EXPECT_EQ(read_route_landxml("<other/>").error, "The file is no LandXML document.");
    const std::string spiral = "<LandXML><Alignments><Alignment><CoordGeom>\n<Spiral/>"
                               "</CoordGeom></Alignment></Alignments></LandXML>";
    EXPECT_EQ(read_route_landxml(spiral).error,
              "Line 2: a spiral is not read: replace it by lines and curves.");
    EXPECT_EQ(read_route_landxml("<LandXML><Alignments><Alignment><CoordGeom><Line><Start>1 x"
                                 "</Start><End>0 0</End></Line></CoordGeom></Alignment>"
                                 "</Alignments></LandXML>")
                  .error,
              "Line 1: a line needs a Start and an End of two numbers each.");
}

} // namespace
} // namespace tensora
