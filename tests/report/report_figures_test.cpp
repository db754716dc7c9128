#include "report/report_figures.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tensora {
namespace {

const NumberLocale kGerman{",", "."};

ReadReport read(const std::string& text) {
    std::istringstream in(text);
    return read_report(in);
}

// A report as the versions before the file's one form wrote it under a German locale: the
// boxes' texts as they were typed.
std::string german_report(const std::string& friction, const std::string& allowable) {
    return "Tensora(tm)\r\n\r\n\r\nplan-de\r\n\r\n"
           "Capable Load (lbs)      " +
           allowable +
           "\r\n"
           "Cable Weight (lbs/kft)  5\r\n"
           "Coefficient of Friction " +
           friction +
           "\r\n"
           "Back Tension (lbs)      0\r\n\r\n"
           "Planned Pull Results - \r\n\r\n\r\n\r\n\r\n\r\n"
           "1 Straight    200,1312335958005 0          4              0\r\n"
           "2 Angle       3            45,5       5              2\r\n\r\n"
           "Reverse Direction Pull Results - \r\n"
           "\r\nPulling Equipment\r\n"
           "Capstan Friction        0,125\r\n";
}

TEST(ReportFigures, AnEarlierReportWithDecimalCommasIsReadAsSuchAndSaysSo) {
    const ReadReport report = read(german_report("0,35", "4999,97570348066"));
    EXPECT_TRUE(report.decimal_commas);
    EXPECT_EQ(report.allowable, "4999.97570348066");
    EXPECT_EQ(report.friction, "0.35");
    ASSERT_EQ(report.links.size(), 2u);
    EXPECT_EQ(report.links[0].length, "200.1312335958005");
    EXPECT_EQ(report.links[1].angle, "45.5");
    ASSERT_TRUE(report.equipment);
    EXPECT_EQ(report.equipment->capstan_friction, "0.125");
    EXPECT_TRUE(report.figure_notes.empty());
}

TEST(ReportFigures, ACommaAfterALoneZeroIsADecimalCommaAndEnglishGroupsStayEnglish) {
    // "0,150" groups nothing in English: the design friction of a German window.
    const ReadReport german = read(german_report("0,150", "1.000"));
    EXPECT_TRUE(german.decimal_commas);
    EXPECT_EQ(german.friction, "0.150");
    EXPECT_EQ(german.allowable, "1000");
    // The friction alone tells: "0,150" is no English grouping of a figure someone types.
    const ReadReport friction = read("Tensora(tm)\r\nCoefficient of Friction 0,150\r\n");
    EXPECT_TRUE(friction.decimal_commas);
    EXPECT_EQ(friction.friction, "0.150");
    // With nothing that reads only with a decimal comma, a comma groups thousands.
    const ReadReport english = read("Tensora(tm)\r\nCapable Load (lbs)      1,000\r\n"
                                    "Coefficient of Friction 0.5\r\n");
    EXPECT_FALSE(english.decimal_commas);
    EXPECT_EQ(english.allowable, "1000");
    EXPECT_EQ(english.friction, "0.5");
}

TEST(ReportFigures, AFigureThatIsNoNumberIsNamedByItsField) {
    const ReadReport report = read(german_report("0.35", "lots") +
                                   "Puller Rating           \r\nSheave Rating           x1\r\n");
    ASSERT_EQ(report.figure_notes.size(), 2u);
    EXPECT_EQ(english_text(report.figure_notes[0]), "Capable Load \"lots\" is not a number");
    EXPECT_EQ(english_text(report.figure_notes[1]), "Sheave Rating \"x1\" is not a number");
}

TEST(ReportFigures, BoxTextsOfAnyLocaleAreSavedInTheOneFormAndShownBackInTheirs) {
    PullPlanReport plan;
    plan.allowable = "4.999,5";
    plan.friction = "0,35";
    plan.weight = "abc";
    plan.links.push_back({"1", "Straight", "200,5", "12,5", "", "", "", "", true});
    const PullPlanReport saved = plan_in_file_form(plan, kGerman);
    EXPECT_EQ(saved.allowable, "4999.5");
    EXPECT_EQ(saved.friction, "0.35");
    EXPECT_EQ(saved.weight, "abc");
    EXPECT_EQ(saved.links[0].length, "200.5");
    EXPECT_EQ(saved.links[0].angle, "12.5");

    EquipmentReport equipment;
    equipment.capstan_friction = "0,2";
    equipment.puller = "6500";
    const EquipmentReport file = equipment_in_file_form(equipment, kGerman);
    EXPECT_EQ(file.capstan_friction, "0.2");
    EXPECT_EQ(equipment_in_box_form(file, kGerman), equipment);
}

TEST(ReportFigures, TheChecksConduitAndLimitsComeBackWhole) {
    ReportContents contents{"p", PullPlanReport{}, {}};
    contents.check = CheckReport{"emt", "1 1/4", "1.380", "cradled", "0.75", "300", ""};
    const ReadReport back = read(report_text(contents));
    ASSERT_TRUE(back.check);
    EXPECT_EQ(*back.check, *contents.check);
    EXPECT_TRUE(back.figure_notes.empty());
    EXPECT_EQ(report_text(contents).find("Cable Kind"), std::string::npos); // none given
    // A cable kind comes back; a typed multiple in the file's one form.
    contents.check->cable_kind = "shielded";
    EXPECT_EQ(read(report_text(contents)).check->cable_kind, "shielded");
    CheckReport german = *contents.check;
    german.cable_kind = "9,5";
    EXPECT_EQ(check_in_file_form(german, kGerman).cable_kind, "9.5");
    german.cable_kind = "mc-smooth"; // a kind's word is no figure: either way as it is
    EXPECT_EQ(check_in_box_form(check_in_file_form(german, kGerman), kGerman).cable_kind,
              "mc-smooth");
}

} // namespace
} // namespace tensora
