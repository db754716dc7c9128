#include "app/report.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace tensora {
namespace {

using Lines = std::vector<std::string>;
const NumberLocale kEnglish{".", ","};

// The report of a computed plan, as the windows would hand it to the writer.
PullPlanReport plan_report(const std::vector<PullLinkTexts>& links, std::string description,
                           const PullSettingsTexts& settings) {
    const PullResults results = pullcalc(links, settings, kEnglish);
    PullPlanReport plan{std::move(description), settings.allowable, settings.weight,
                        settings.friction,      results.caption,    {}};
    for (std::size_t i = 0; i < links.size(); ++i) {
        plan.links.push_back(
            {links[i].number, links[i].type, links[i].length, links[i].angle,
             std::string(results.forward[i]), std::string(results.forward_sidewall[i]),
             std::string(results.reverse[i]), std::string(results.reverse_sidewall[i])});
    }
    return plan;
}

std::vector<PullLinkTexts> numbered(std::vector<PullLinkTexts> links) {
    for (std::size_t i = 0; i < links.size(); ++i) {
        links[i].number = std::to_string(i + 1);
    }
    return links;
}

PullSettingsTexts worked_settings() {
    PullSettingsTexts settings;
    settings.friction = "0.15";
    settings.weight = "200";
    settings.allowable = "1000";
    return settings;
}

const std::vector<PullLinkTexts> kWorkedLinks = numbered(
    {{"Straight", "500", "0", ""}, {"Angle", "2", "90", ""}, {"Straight", "300", "0", ""}});

ReadReport read(const std::string& text) {
    std::istringstream in(text);
    return read_report(in);
}

TEST(ReportWriter, WritesThePullPlanPartWithTheDefaultMarks) {
    const ReportContents contents{
        "C:\\plans\\run.rtf", plan_report(kWorkedLinks, "VX-012F", worked_settings()), {}};
    const Lines lines = report_lines(contents);
    ASSERT_EQ(lines.size(), 5u + 11 + 3 + 7 + 3);
    EXPECT_EQ(lines[0], "Tensora(tm)");
    EXPECT_EQ(lines[3], "C:\\plans\\run.rtf");
    EXPECT_EQ(lines[5], "Cable Description       VX-012F");
    EXPECT_EQ(lines[6], "Capable Load (lbs)      1000");
    EXPECT_EQ(lines[8], "Coefficient of Friction 0.15");
    EXPECT_EQ(lines[10], "Planned Pull Results - ");
    EXPECT_EQ(lines[16], "1 Straight    500         0          15             0");
    EXPECT_EQ(lines[17], "2 Angle       2           90         19             9");
    EXPECT_EQ(lines[20], "Reverse Direction Pull Results - ");
    EXPECT_EQ(lines[26], "1 Straight    500         0          26             0");
    EXPECT_EQ(lines[12].find("Length"), lines[16].find("500"));
    EXPECT_EQ(report_text(contents).substr(0, 13), "Tensora(tm)\r\n");
}

TEST(ReportWriter, PadsWithoutCuttingAndShiftsRowsFromLinkTen) {
    std::vector<PullLinkTexts> links(10, PullLinkTexts{"Straight", "100", "0", ""});
    links[9].length = "123456789012"; // twelve characters: no blank after it
    const Lines lines =
        report_lines({"p", plan_report(numbered(links), "d", worked_settings()), {}});
    EXPECT_EQ(lines[16 + 9].substr(0, 28), "10 Straight    1234567890120");
}

TEST(ReportWriter, WritesOnlyTheMarkedParts) {
    EXPECT_EQ(report_lines({"p", {}, {}}).size(), 5u);
    const Lines empty_plan = report_lines({"p", plan_report({}, "d", worked_settings()), {}});
    EXPECT_EQ(empty_plan.size(), 5u + 11 + 7);
    FillReport fill{"Schedule 40",
                    "2 cables",
                    {"0.5", "0.4"},
                    "0.32185",
                    "Maximum combined pair width (in)",
                    "0.9",
                    {{"1/2", "0.602", ".2845", "over"}, {"1 1/4", "1.360", "1.4519", "22.17%"}}};
    const Lines lines = report_lines({"p", {}, fill});
    ASSERT_EQ(lines.size(), 5u + 11 + 2);
    EXPECT_EQ(lines[6], "Fill Ratio Calculations");
    EXPECT_EQ(lines[8], "Schedule 40");
    EXPECT_EQ(lines[9], "2 cables - (OD inches) -  0.5 0.4");
    EXPECT_EQ(lines[10], "Sum of Cable cross sectional areas (sq in) = 0.32185");
    EXPECT_EQ(lines[11], "Maximum combined pair width (in) 0.9");
    EXPECT_EQ(lines[17], "1 1/4         1.360       1.4519     22.17%");
}

TEST(ReportReader, ReadsTheLabelValuesWhole) {
    const ReadReport report = read("Cable Description       My long cable, 4 pairs\r\n"
                                   "Capable Load (lbs)      12000\r\n"
                                   "Cable Weight (lbs/kft)  74.5\n"
                                   "Coefficient of Friction 0.062\r\n");
    EXPECT_EQ(report.description, "My long cable, 4 pairs");
    EXPECT_EQ(report.allowable, "12000");
    EXPECT_EQ(report.weight, "74.5");
    EXPECT_EQ(report.friction, "0.062");
    EXPECT_FALSE(report.has_plan);
}

TEST(ReportReader, TakesALabelInTheHeaderLikeALabelLine) {
    const std::string header = "Tensora(tm)\r\n\r\n/home/Cable Weight/plans/pull.rtf\r\n";
    EXPECT_EQ(read(header).weight, "rtf"); // what follows the label's 24 columns
    EXPECT_EQ(read(header).description, std::nullopt);
    EXPECT_EQ(read(header + "Cable Weight (lbs/kft)  5\r\n").weight, "5"); // the later line wins
}

TEST(ReportReader, ReadsLinkRowsByTheirFields) {
    std::string text = "Planned Pull Results - Mid-assist pull point between links 100 and 101\n";
    for (int i = 1; i <= 120; ++i) {
        text += std::to_string(i) + (i % 2 ? " Straight    " : " Angle       ") + "12345.678   " +
                std::to_string(i) + "          15             0\n";
    }
    text += "\nReverse Direction Pull Results - \n9 Angle 1 1\n";
    const ReadReport report = read(text);
    ASSERT_TRUE(report.has_plan);
    ASSERT_EQ(report.links.size(), 120u);
    EXPECT_EQ(report.links[99].number, "100");
    EXPECT_EQ(report.links[99].type, "Angle");
    EXPECT_EQ(report.links[99].length, "12345.678");
    EXPECT_EQ(report.links[99].angle, "100");
    EXPECT_EQ(report.links[8].type, "Straight"); // the reverse rows are not read
    EXPECT_EQ(report.mid_assist_link, 100);
}

TEST(ReportReader, ReadsWhatItCanFromAnyFile) {
    EXPECT_FALSE(read("").has_plan);
    const ReadReport open_end = read("Planned Pull Results - \n1 Straight 5 0 1 0\n2 Angle 2 90");
    EXPECT_EQ(open_end.links.size(), 2u);
    EXPECT_EQ(open_end.links[1].angle, "90");
    const ReadReport huge = read(std::string(10'000'000, 'x') + "\nCapable Load (lbs)      7\n");
    EXPECT_EQ(huge.allowable, "7");
    std::mt19937 random(7);
    std::string binary;
    for (int i = 0; i < 200'000; ++i) {
        binary.push_back(static_cast<char>(random()));
    }
    read(binary);
    read("Planned Pull Results\n" + binary);
}

TEST(ReportReader, KeepsAtMostAFullPlan) {
    std::string text = "Planned Pull Results - \n";
    for (int i = 1; i <= kMaxLinks + 5; ++i) {
        text += std::to_string(i) + " Straight 1 0\n";
    }
    EXPECT_EQ(read(text).links.size(), static_cast<std::size_t>(kMaxLinks));
}

TEST(Report, SavedAndReadBackGivesTheSameReport) {
    std::vector<PullLinkTexts> links;
    for (int i = 0; i < 1000; ++i) {
        links.push_back(i % 3 ? PullLinkTexts{"Straight", std::to_string(10 + i), "0", ""}
                              : PullLinkTexts{"Angle", "3.5", std::to_string(i % 90), ""});
    }
    links = numbered(links);
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = 499;
    const ReportContents saved{
        "/plans/long run.rtf", plan_report(links, "CABLE 3 x 500 kcmil, Cu", settings), {}};
    const ReadReport back = read(report_text(saved));
    ASSERT_TRUE(back.description && back.allowable && back.weight && back.friction);
    PullSettingsTexts read_settings;
    read_settings.allowable = *back.allowable;
    read_settings.weight = *back.weight;
    read_settings.friction = *back.friction;
    read_settings.mid_assist = back.mid_assist_link.has_value();
    read_settings.selected = back.mid_assist_link.value_or(0) - 1;
    const ReportContents again{
        saved.path, plan_report(back.links, *back.description, read_settings), {}};
    EXPECT_EQ(report_text(again), report_text(saved));
}

TEST(Utf8, TellsUtf8From8BitText) {
    EXPECT_TRUE(is_utf8("plain"));
    EXPECT_TRUE(is_utf8("C\xc3\x82"
                        "BLE"));
    EXPECT_FALSE(is_utf8("C\xc2"
                         "BLE"));
    EXPECT_FALSE(is_utf8("\xff"));
}

} // namespace
} // namespace tensora
