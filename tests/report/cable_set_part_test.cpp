#include "report/report.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tensora {
namespace {

ReadReport read(const std::string& text) {
    std::istringstream in(text);
    return read_report(in);
}

CableSetReport worked_set() {
    CableSetReport set;
    set.rule = "eye-singles";
    set.eye_limit = "8000";
    set.planner_first = false;
    set.groups = {{"3", "PWR-500CU-15KV", "1.58", "2000", "", "", "1", "5000"},
                  // blanks, bars and a leading blank in a description are its own
                  {"1", " ground | bare  4/0 ", "0.6", "650", "4/0", "cu", "1", ""}};
    return set;
}

TEST(CableSetPart, ReadsBackExactlyAfterTheFillPart) {
    ReportContents saved{"p", PullPlanReport{}, FillReport{}};
    saved.pull_plan->links = {{"1", "Straight", "100", "0", "", "", "", ""}};
    saved.cable_set = worked_set();
    const ReadReport back = read(report_text(saved));
    ASSERT_TRUE(back.cable_set);
    EXPECT_EQ(*back.cable_set, *saved.cable_set);
    EXPECT_TRUE(back.notes.empty());
    // Without a fill part the plan's reverse table hands over to the set.
    saved.fill.reset();
    EXPECT_EQ(read(report_text(saved)).cable_set, saved.cable_set);
    EXPECT_EQ(read(report_text(saved)).links.size(), 1u);
    // A fill part without a standard's table stops at the set's heading all the same.
    saved.fill = FillReport{};
    saved.fill->diameters = {"1.2"};
    const ReadReport filled = read(report_text(saved));
    EXPECT_EQ(filled.cable_set, saved.cable_set);
    EXPECT_EQ(filled.fill->diameters, saved.fill->diameters);
}

TEST(CableSetPart, AReportWithoutItHasNoSetAndABrokenRowIsNamed) {
    ReportContents plain{"p", PullPlanReport{}, {}};
    EXPECT_FALSE(read(report_text(plain)).cable_set);

    plain.cable_set = worked_set();
    std::string text = report_text(plain);
    // The ground's row, its first three bars lost.
    std::size_t bar = text.find("1      | 0.6");
    ASSERT_NE(bar, std::string::npos);
    for (int lost = 0; lost < 3; ++lost) {
        bar = text.find('|', bar);
        text[bar] = ' ';
    }
    const ReadReport back = read(text);
    ASSERT_TRUE(back.cable_set);
    EXPECT_EQ(back.cable_set->groups.size(), 1u);
    ASSERT_EQ(back.notes.size(), 1u);
    EXPECT_EQ(english_text(back.notes[0]),
              "The report's cable set row 2 could not be read; the set was read without it.");
}

TEST(CableSetPart, AnUnknownRuleFallsBackToThePlannersAndSaysSo) {
    ReportContents contents{"p", PullPlanReport{}, {}};
    contents.cable_set = worked_set();
    contents.cable_set->rule = "capstan";
    const ReadReport back = read(report_text(contents));
    EXPECT_EQ(back.cable_set->rule, "planner");
    ASSERT_EQ(back.notes.size(), 1u);
    EXPECT_NE(english_text(back.notes[0]).find("\"capstan\""), std::string::npos);
}

} // namespace
} // namespace tensora
