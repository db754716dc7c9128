#include "report/report.h"

#include <gtest/gtest.h>

#include <functional>
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
    PullPlanReport plan{std::move(description),
                        settings.allowable,
                        settings.weight,
                        settings.friction,
                        english_text(results.caption),
                        {}};
    for (std::size_t i = 0; i < links.size(); ++i) {
        plan.links.push_back(
            {links[i].number, links[i].type, links[i].length, links[i].angle,
             std::string(results.forward[i]), std::string(results.forward_sidewall[i]),
             std::string(results.reverse[i]), std::string(results.reverse_sidewall[i]),
             links[i].inclined, links[i].right, links[i].tilt, links[i].sheave,
             links[i].raceway});
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
    ASSERT_EQ(lines.size(), 5u + 12 + 3 + 7 + 3);
    EXPECT_EQ(lines[0], "Tensora(tm)");
    EXPECT_EQ(lines[3], "C:\\plans\\run.rtf");
    EXPECT_EQ(lines[5], "Cable Description       VX-012F");
    EXPECT_EQ(lines[6], "Capable Load (lbs)      1000");
    EXPECT_EQ(lines[8], "Coefficient of Friction 0.15");
    EXPECT_EQ(lines[9], "Back Tension (lbs)      0"); // written whatever it is
    EXPECT_EQ(lines[11], "Planned Pull Results - ");
    EXPECT_EQ(lines[17], "1 Straight    500         0          15             0");
    EXPECT_EQ(lines[18], "2 Angle       2           90         19             9");
    EXPECT_EQ(lines[21], "Reverse Direction Pull Results - ");
    EXPECT_EQ(lines[27], "1 Straight    500         0          26             0");
    EXPECT_EQ(lines[13].find("Length"), lines[17].find("500"));
    EXPECT_EQ(report_text(contents).substr(0, 13), "Tensora(tm)\r\n");
}

TEST(ReportWriter, WritesEveryLineOfBothParts) {
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = 1;
    const FillReport fill{
        "Schedule 40",
        "2 cables",
        {"0.5", "0.4"},
        "0.32185",
        "Maximum combined pair width (in)",
        "0.9",
        {{"1/2", "0.602", ".2845", "over"}, {"1 1/4", "1.360", "1.4519", "22.17%"}}};
    const Lines expected{
        "Tensora(tm)",
        "Tensora is a product of Norvale. All rights reserved.",
        "",
        "C:\\plans\\run.rtf",
        "",
        "Cable Description       VX-012F",
        "Capable Load (lbs)      1000",
        "Cable Weight (lbs/kft)  200",
        "Coefficient of Friction 0.15",
        "Back Tension (lbs)      0",
        "",
        "Planned Pull Results - Mid-assist pull point between links 2 and 3",
        "",
        "Link Type     Length      Angle      Tension (lbs)",
        "              (ft)        (deg)      Cumulative     Sidewall",
        "",
        "",
        "1 Straight    500         0          15             0",
        "2 Angle       2           90         19             9",
        "3 Straight    300         0          9              0",
        "",
        "Reverse Direction Pull Results - Mid-assist pull point between links 2 and 3",
        "",
        "Link Type     Length      Angle      Tension (lbs)",
        "              (ft)        (deg)      Cumulative     Sidewall",
        "",
        "",
        "1 Straight    500         0          15             0",
        "2 Angle       2           90                        ",
        "3 Straight    300         0          9              0",
        "",
        "Fill Ratio Calculations",
        "",
        "Schedule 40",
        "2 cables - (OD inches) -  0.5 0.4",
        "Sum of Cable cross sectional areas (sq in) = 0.32185",
        "Maximum combined pair width (in) 0.9",
        "",
        "Trade Size    Pipe ID     Area       Fill Ratio",
        "              (inches)    (sq in)    (percent)",
        "",
        "1/2           0.602       .2845      over",
        "1 1/4         1.360       1.4519     22.17%"};
    EXPECT_EQ(
        report_lines({"C:\\plans\\run.rtf", plan_report(kWorkedLinks, "VX-012F", settings), fill}),
        expected);
}

TEST(ReportWriter, PadsWithoutCuttingAndShiftsRowsFromLinkTen) {
    std::vector<PullLinkTexts> links(10, PullLinkTexts{"Straight", "100", "0", ""});
    links[9].length = "123456789012"; // twelve characters: one blank after it all the same
    const Lines lines =
        report_lines({"p", plan_report(numbered(links), "d", worked_settings()), {}});
    EXPECT_EQ(lines[17 + 9].substr(0, 29), "10 Straight    123456789012 0");
    EXPECT_EQ(read(report_text({"p", plan_report(numbered(links), "d", worked_settings()), {}}))
                  .links[9]
                  .length,
              "123456789012");
}

TEST(ReportWriter, WritesOnlyTheMarkedParts) {
    EXPECT_EQ(report_lines({"p", {}, {}}).size(), 5u);
    const Lines empty_plan = report_lines({"p", plan_report({}, "d", worked_settings()), {}});
    EXPECT_EQ(empty_plan.size(), 5u + 12 + 7);
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
    // Cut short in its plan: the last row, without its line end, may have lost characters.
    const ReadReport open_end = read("Planned Pull Results - \n1 Straight 5 0 1 0\n2 Angle 2 90");
    EXPECT_EQ(open_end.links.size(), 1u);
    ASSERT_EQ(open_end.notes.size(), 1u);
    EXPECT_NE(english_text(open_end.notes[0]).find("cut short"), std::string::npos);
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

TEST(ReportReader, KeepsAtMostAFullPlanAndSaysSo) {
    std::string text = "Planned Pull Results - \n";
    for (int i = 1; i <= kMaxLinks + 5; ++i) {
        text += std::to_string(i) + " Straight 1 0\n";
    }
    const ReadReport report = read(text);
    EXPECT_EQ(report.links.size(), static_cast<std::size_t>(kMaxLinks));
    EXPECT_EQ(report.links_beyond_limit, 5u);
    ASSERT_EQ(report.notes.size(), 1u);
    EXPECT_EQ(english_text(report.notes[0]),
              "The report holds 32772 links; a plan holds at most 32767: the first 32767 were "
              "read.");
}

TEST(ReportWriter, WritesTheBackTensionWhateverItIs) {
    PullPlanReport plan = plan_report(kWorkedLinks, "d", worked_settings());
    plan.back_tension = "50";
    const Lines with = report_lines({"p", plan, {}});
    EXPECT_EQ(with[9], "Back Tension (lbs)      50");
    EXPECT_EQ(with[10], "");
    EXPECT_EQ(read(report_text({"p", plan, {}})).back_tension, "50");
    // A plan without back tension says 0, so that it opens with none (not the planner's).
    EXPECT_EQ(read(report_text({"p", plan_report(kWorkedLinks, "d", worked_settings()), {}}))
                  .back_tension,
              "0");
}

TEST(ReportReader, StartsThePlanOnlyAtALineThatBeginsWithItsHeading) {
    ReportContents saved{
        "/plans/Planned Pull Results - old\nPlanned Pull Results - x.rtf",
        plan_report(kWorkedLinks, "Planned Pull Results - spare", worked_settings()),
        {}};
    saved.pull_plan->friction = "0.15 (Cable Description: Back Tension)"; // only a friction
    EXPECT_EQ(report_lines(saved)[3],
              "/plans/Planned Pull Results - old Planned Pull Results - x.rtf");
    const ReadReport back = read(report_text(saved));
    EXPECT_EQ(back.description, "Planned Pull Results - spare");
    EXPECT_EQ(back.allowable, "1000");
    EXPECT_EQ(back.weight, "200");
    EXPECT_EQ(back.friction, "0.15 (Cable Description: Back Tension)");
    EXPECT_EQ(back.back_tension, "0");
    EXPECT_EQ(back.links.size(), 3u);
    EXPECT_TRUE(back.notes.empty());
}

TEST(ReportReader, TellsAReportFromAnyOtherFile) {
    EXPECT_FALSE(read("# Notes\nThe Cable Weight of a cable is in lbs/kft.\n").is_report);
    EXPECT_FALSE(read("%PDF-1.4\n%\xe2\xe3\n1 0 obj\n").is_report);
    EXPECT_FALSE(read("").is_report);
    EXPECT_TRUE(read(report_text({"p", {}, {}})).is_report); // neither part marked
    EXPECT_TRUE(read("Cable Weight (lbs/kft)  5\r\n").is_report);
}

// Cuts and edits of a saved report of five links with a mid-assist point after link 2.
struct DamagedReport {
    const char* name;
    std::function<std::string(std::string)> damage;
    std::size_t links;
    const char* note; // a word of the one note expected, or empty for none
};

std::string without_line(std::string text, const std::string& start, int occurrence) {
    std::size_t at = 0;
    for (int i = 0; i <= occurrence; ++i) {
        at = text.find("\r\n" + start, at) + 2;
    }
    return text.erase(at, text.find("\r\n", at) + 2 - at);
}

TEST(ReportReader, ReadsWhatIsWholeAndSaysWhatIsMissing) {
    std::vector<PullLinkTexts> links = kWorkedLinks;
    links.push_back({"Angle", "3", "45", ""});
    links.push_back({"Straight", "250", "0", ""});
    PullSettingsTexts settings = worked_settings();
    settings.mid_assist = true;
    settings.selected = 1;
    const std::string full = report_text({"p", plan_report(numbered(links), "d", settings), {}});
    const DamagedReport cases[] = {
        {"whole", [](std::string text) { return text; }, 5, ""},
        {"cut before the reverse table",
         [](std::string text) { return text.substr(0, text.find("Reverse")); }, 5, "missing"},
        {"cut inside a row",
         [](std::string text) { return text.substr(0, text.find("4 Angle") + 16); }, 3,
         "cut short"},
        {"cut inside the reverse table",
         [](std::string text) { return text.substr(0, text.rfind("3 Straight")); }, 5,
         "stops after 2 of its 5 links"},
        {"a row missing", [](std::string text) { return without_line(text, "3 ", 0); }, 2,
         "no link 3"},
        {"a row twice",
         [](std::string text) {
             const std::size_t row = text.find("\r\n2 ") + 2;
             return text.insert(row, text.substr(row, text.find("\r\n", row) + 2 - row));
         },
         2, "link 2 again"},
        {"the point beyond the plan",
         [](std::string text) {
             const std::size_t at = text.find("links 2 and 3");
             return text.replace(at, 13, "links 9 and 10");
         },
         5, "beyond"},
    };
    for (const DamagedReport& c : cases) {
        const ReadReport report = read(c.damage(full));
        EXPECT_EQ(report.links.size(), c.links) << c.name;
        if (*c.note == '\0') {
            EXPECT_TRUE(report.notes.empty()) << c.name << ": " << english_text(report.notes[0]);
            EXPECT_EQ(report.mid_assist_link, 2) << c.name;
            continue;
        }
        ASSERT_EQ(report.notes.size(), 1u) << c.name;
        const std::string note = english_text(report.notes[0]);
        EXPECT_NE(note.find(c.note), std::string::npos) << c.name << ": " << note;
    }
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
    ReportContents saved{"/plans/long run.rtf",
                         plan_report(links, "CABLE 3 x 500 kcmil, Planned Pull Results", settings),
                         {}};
    saved.pull_plan->back_tension = "-12.5";
    const ReadReport back = read(report_text(saved));
    ASSERT_TRUE(back.description && back.allowable && back.weight && back.friction &&
                back.back_tension);
    PullSettingsTexts read_settings;
    read_settings.allowable = *back.allowable;
    read_settings.weight = *back.weight;
    read_settings.friction = *back.friction;
    read_settings.mid_assist = back.mid_assist_link.has_value();
    read_settings.selected = back.mid_assist_link.value_or(0) - 1;
    ReportContents again{saved.path, plan_report(back.links, *back.description, read_settings), {}};
    again.pull_plan->back_tension = *back.back_tension;
    EXPECT_EQ(report_text(again), report_text(saved));
}

TEST(Report, NamesTheUnitsItWasSavedInAndOpensInThem) {
    ReportContents metric{"p", plan_report(kWorkedLinks, "d", worked_settings()), {}};
    metric.units_shown = UnitSystem::Metric;
    const Lines lines = report_lines(metric);
    EXPECT_EQ(lines[5], "Units Shown             metric");
    EXPECT_EQ(read(report_text(metric)).units_shown, UnitSystem::Metric);
    // An inch-pound report keeps the layout it always had, and says nothing of units.
    const ReportContents inches{"p", plan_report(kWorkedLinks, "d", worked_settings()), {}};
    EXPECT_EQ(report_lines(inches).size() + 1, lines.size());
    EXPECT_EQ(read(report_text(inches)).units_shown, std::nullopt);
}

TEST(Report, KeepsElevationSoThatOldReadersStillReadLinks) {
    std::vector<PullLinkTexts> links = numbered({{"Straight", "500", "0", ""},
                                                 {"Up", "3", "90", ""},
                                                 {"Straight", "40", "75", "", true},
                                                 {"Down", "2", "45", ""},
                                                 {"Straight", "10", "0", "", true}});
    const std::string text = report_text({"p", plan_report(links, "riser", worked_settings()), {}});
    const ReadReport back = read(text);
    ASSERT_EQ(back.links.size(), links.size());
    EXPECT_TRUE(back.notes.empty());
    for (std::size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(back.links[i].type, links[i].type) << i;
        EXPECT_EQ(back.links[i].angle, links[i].angle) << i;
        EXPECT_EQ(back.links[i].inclined, links[i].inclined) << i;
    }
    // The written rules: a row is a straight where it says "Straight", else a bend, its length
    // and angle the third and fourth fields. An inclined straight is one field longer at its
    // end; a vertical bend a bend by its type.
    const Lines lines = report_lines({"p", plan_report(links, "riser", worked_settings()), {}});
    const std::string& up = lines[17 + 1];
    const std::string& incline = lines[17 + 2];
    EXPECT_EQ(up.substr(0, 32), "2 Up          3           90    ");
    EXPECT_EQ(up.find("Straight"), std::string::npos);
    EXPECT_EQ(incline.substr(0, 32), "3 Straight    40          75    ");
    EXPECT_TRUE(incline.ends_with(" incline"));
    // A level plan writes what it always wrote.
    EXPECT_EQ(
        report_text({"p", plan_report(kWorkedLinks, "d", worked_settings()), {}}).find("incline"),
        std::string::npos);
}

TEST(Report, KeepsSidesAndTiltsSoThatOldReadersStillReadBends) {
    std::vector<PullLinkTexts> links =
        numbered({{"Straight", "50", "0", ""},
                  {"Angle", "3", "90", "", false, true},
                  {"Tilted", "4", "60", "", false, false, "-45", true}});
    PullPlanReport plan = plan_report(links, "sweep", worked_settings());
    plan.bend_weight = "all";
    plan.route_source = "bank.dxf, layer DUCT, LWPOLYLINE at line 18, units ft";
    const std::string text = report_text({"p", plan, {}});
    const ReadReport back = read(text);
    ASSERT_EQ(back.links.size(), 3u);
    EXPECT_TRUE(back.notes.empty());
    EXPECT_TRUE(back.links[1].right);
    EXPECT_EQ(back.links[2].type, "Tilted");
    EXPECT_EQ(back.links[2].tilt, "-45");
    EXPECT_EQ(back.bend_weight, "all");
    EXPECT_TRUE(back.links[2].sheave);
    EXPECT_FALSE(back.links[1].sheave);
    EXPECT_EQ(back.route_source, plan.route_source);
    // The written rules: four fields first, the side or the tilt after the others.
    const Lines lines = report_lines({"p", plan, {}});
    const auto row = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& line) { return line.starts_with("3 "); });
    ASSERT_NE(row, lines.end());
    EXPECT_EQ(row->substr(0, 28), "3 Tilted      4           60");
    EXPECT_TRUE(row->ends_with(" tilt -45 sheave"));
}

TEST(Report, KeepsEachCableGroupsKindOnALineOnlyWhereOneHasIt) {
    CableSetReport set;
    set.groups = {CableGroupTexts{"3", "PWR", "1.58", "2000"}, CableGroupTexts{"1", "FO", "0.5", "90"}};
    ReportContents contents{"p", PullPlanReport{}, {}};
    contents.cable_set = set;
    EXPECT_EQ(report_text(contents).find("Group Kinds"), std::string::npos);
    contents.cable_set->groups[1].kind = "fibre";
    const ReadReport back = read(report_text(contents));
    ASSERT_TRUE(back.cable_set);
    ASSERT_EQ(back.cable_set->groups.size(), 2u);
    EXPECT_EQ(back.cable_set->groups[0].kind, "");
    EXPECT_EQ(back.cable_set->groups[1].kind, "fibre");
}

TEST(Report, KeepsEachLinksRacewayBeforeTheMarksOlderReadersLookFor) {
    std::vector<PullLinkTexts> links =
        numbered({{"Straight", "100", "0", ""},
                  {"Angle", "3", "90", "", false, true, "", true},
                  {"Straight", "80", "12", "", true},
                  {"Straight", "75", "0", ""}});
    links[0].raceway = {"0.15", "tray-rollers", "", true};
    links[1].raceway = {"0.5", "", "4.026"};
    links[2].raceway = {"", "pvc-wet", "2.067"};
    links[3].raceway.pull_point = true;
    const PullPlanReport plan = plan_report(links, "vault", worked_settings());
    const ReadReport back = read(report_text({"p", plan, {}}));
    ASSERT_EQ(back.links.size(), links.size());
    EXPECT_TRUE(back.notes.empty());
    EXPECT_TRUE(back.figure_notes.empty());
    for (std::size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(back.links[i].raceway, links[i].raceway) << i;
        EXPECT_EQ(back.links[i].inclined, links[i].inclined) << i;
        EXPECT_EQ(back.links[i].right, links[i].right) << i;
        EXPECT_EQ(back.links[i].sheave, links[i].sheave) << i;
    }
    const Lines lines = report_lines({"p", plan, {}});
    const auto row = [&](const char* start) {
        return *std::find_if(lines.begin(), lines.end(),
                             [&](const std::string& line) { return line.starts_with(start); });
    };
    EXPECT_TRUE(row("1 ").ends_with(" f=0.15 raceway=tray-rollers tray"));
    EXPECT_TRUE(row("2 ").ends_with(" f=0.5 id=4.026 right sheave"));
    EXPECT_TRUE(row("3 ").ends_with(" raceway=pvc-wet id=2.067 incline"));
    EXPECT_TRUE(row("4 ").ends_with(" pull-point"));
    // A plan without raceways writes what it always wrote.
    EXPECT_EQ(report_text({"p", plan_report(kWorkedLinks, "d", worked_settings()), {}})
                  .find("="),
              std::string::npos);
    // The reverse table must hold the same raceways, and a figure must be a number.
    std::string text = report_text({"p", plan, {}});
    text.replace(text.rfind("f=0.5"), 5, "f=0.4");
    EXPECT_EQ(read(text).notes.size(), 1u);
    text = report_text({"p", plan, {}});
    text.replace(text.find("id=4.026"), 8, "id=4,026");
    EXPECT_EQ(read(text).figure_notes.size(), 1u);
}

TEST(Report, TheEquipmentPartFollowsThePlanAndComesBackWhole) {
    ReportContents contents{
        "p", plan_report(numbered({{"Straight", "50", "0", ""}}), "eq", worked_settings()), {}};
    EquipmentReport equipment;
    equipment.direction = "reverse";
    equipment.puller = "6500";
    equipment.rope_strength = "30000.5";
    equipment.sheave_percent = "2";
    contents.equipment = equipment;
    const ReadReport back = read(report_text(contents));
    EXPECT_EQ(back.links.size(), 1u);
    EXPECT_TRUE(back.notes.empty());
    ASSERT_TRUE(back.equipment.has_value());
    EXPECT_EQ(*back.equipment, equipment);
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
