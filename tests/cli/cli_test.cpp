#include "cli/cli.h"
#include "support/cli_run.h"
#include "report/printed_report.h"
#include "report/report_settings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tensora {
namespace {

using test::CliRun;

CliRun run(const std::vector<std::string>& arguments) {
    return test::run_command_line(arguments);
}

TEST(CliStraight, PrintsTheResultAsTheWindowShowsIt) {
    EXPECT_EQ(run({"straight", "10", "5", "0.150"}).out, "0\n");
    EXPECT_EQ(run({"straight", "300", "60", "0.150"}).out, "2\n");
    EXPECT_EQ(run({"straight", "5000", "500", "0.5"}).out, "1250\n");
    EXPECT_EQ(run({"straight", "7500", "500", "0.5"}).out, "1875\n");
    EXPECT_EQ(run({"straight", "1,000", "500", "0.5"}).out, "250\n");
}

TEST(CliStraight, PrintsTheUnroundedValueWhenAskedForIt) {
    const CliRun result = run({"straight", "--exact", "10", "5", "0.150"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "0.0074999999999999997\n");
    EXPECT_EQ(run({"straight", "300", "60", "0.150", "--exact"}).out, "2.7000000000000002\n");
}

TEST(CliStraight, WarnsAsTheWindowDoesAndStillPrintsTheResult) {
    const CliRun friction = run({"straight", "100", "5", "-0.2"});
    EXPECT_EQ(friction.status, 0);
    EXPECT_EQ(friction.out, "-1\n");
    EXPECT_EQ(
        friction.err,
        "friction \"-0.2\": Enter a coefficient between 0 and 1.  If you don't know, use 0.5\n");

    const CliRun length = run({"straight", "12abc", "500", "1"});
    EXPECT_EQ(length.status, 0);
    EXPECT_EQ(length.out, "6\n");
    EXPECT_EQ(length.err, "length \"12abc\": Please enter a number\n");

    const CliRun all = run({"straight", "", "x", "abc"});
    EXPECT_EQ(all.out, "0\n");
    EXPECT_EQ(all.err, "length \"\": Please enter a number\nweight \"x\": Please enter a number\n"
                       "friction \"abc\": Enter a coefficient between 0 and 1.  If you don't "
                       "know, use 0.5\n");

    // A decimal comma is no grouping: warned, and read up to the comma.
    const CliRun comma = run({"straight", "100,5", "500", "1"});
    EXPECT_EQ(comma.out, "50\n");
    EXPECT_EQ(comma.err, "length \"100,5\": Please enter a number\n");
}

TEST(CliStraight, ShowsAnOverflowAsOutOfRange) {
    EXPECT_EQ(run({"straight", "1e300", "1e300", "1"}).out, "Out of range\n");
}

TEST(CliQuickCalculators, PrintTheResultsAsTheirWindowsShowThem) {
    EXPECT_EQ(run({"bend", "1000", "90", "0.5"}).out, "2193\n");
    EXPECT_EQ(run({"bend", "1000", "45.9", "0.5"}).out, "1492\n");
    EXPECT_EQ(run({"sidewall", "2500", "3"}).out, "833\n");
    EXPECT_EQ(run({"maxpull", "600", "75", "0.15"}).out, "53333\n");
    EXPECT_EQ(run({"lube", "500", "1.25"}).out, ".9\n");
    EXPECT_EQ(run({"lube", "5000", "5.0"}).out, "37.5\n");
    EXPECT_EQ(run({"lube", "1000", "2.0", "--exact"}).out, "3\n");
}

TEST(CliQuickCalculators, PrintClearTextsWhereNoNumberExists) {
    EXPECT_EQ(run({"sidewall", "10", "0"}).out, "Undefined: bend length is 0\n");
    EXPECT_EQ(run({"sidewall", "10", "0", "--exact"}).out, "Undefined: bend length is 0\n");
    EXPECT_EQ(run({"maxpull", "10", "0", "0.15", "--exact"}).out,
              "Unlimited: no weight or friction\n");
    EXPECT_EQ(run({"maxpull", "10", "5", "-0.1"}).out, "None: an input is negative\n");
    const CliRun overflow = run({"bend", "10", "180", "1000"});
    EXPECT_EQ(overflow.out, "Out of range\n");
    EXPECT_EQ(overflow.err, "friction \"1000\": Enter a coefficient between 0 and 1.  If you "
                            "don't know, use 0.5\n");
}

TEST(CliQuickCalculators, CheckTheBoxesTheirWindowsCheck) {
    EXPECT_EQ(run({"sidewall", "abc", "5"}).err, "tension \"abc\": Please enter a number\n");
    EXPECT_EQ(run({"lube", "1000", "abc"}).err, ""); // the diameter box has no check
    EXPECT_EQ(run({"lube", "1000", "abc"}).out, ".\n");
}

TEST(Cli, RefusesCommandLinesItCannotRun) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {}, {"bogus"}, {"straight", "1", "2"}, {"straight", "1", "2", "3", "4"}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
    }
}

TEST(Cli, DocumentsEveryCommand) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("straight LENGTH WEIGHT FRICTION"), std::string::npos);
    EXPECT_NE(help.out.find("--exact"), std::string::npos);
    for (const char* usage : {"bend TENSION ANGLE FRICTION", "sidewall TENSION LENGTH",
                              "maxpull TENSION WEIGHT FRICTION", "lube LENGTH DIAMETER", "pull [",
                              "fill [", "check --conduit-id"}) {
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
    }
}

const std::string kWorkedOptions = "--friction 0.15 --weight 200 --allowable 1000";

std::vector<std::string> pull(const std::string& line) {
    std::vector<std::string> arguments{"pull"};
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        arguments.push_back(word);
    }
    return arguments;
}

std::string temporary_plan(const std::string& text) {
    static const test::TempFolder folder;
    const std::string path = folder.file("plan.txt");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(CliPull, ReproducesTheWorkedExample) {
    const CliRun result = run(pull(kWorkedOptions + " s:500 b:2:90 s:300"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "1\tStraight\t500\t0\t15\t0\t26\t0\n"
                          "2\tAngle\t2\t90\t19\t9\t11\t6\n"
                          "3\tStraight\t300\t0\t28\t0\t9\t0\n"
                          "forward-percent\t2\nreverse-percent\t2\nbars\tshown\ncaption\t\n");
}

TEST(CliPull, ReproducesTheMidAssistVariant) {
    const CliRun result = run(pull(kWorkedOptions + " --mid-assist 2 s:500 b:2:90 s:300"));
    EXPECT_EQ(result.out, "1\tStraight\t500\t0\t15\t0\t15\t0\n"
                          "2\tAngle\t2\t90\t19\t9\t\t\n"
                          "3\tStraight\t300\t0\t9\t0\t9\t0\n"
                          "forward-percent\t0\nreverse-percent\t1\nbars\thidden\n"
                          "caption\tMid-assist pull point between links 2 and 3\n");
}

TEST(CliPull, ReadsAPlanFileBeforeTheLinkArguments) {
    const std::string path =
        temporary_plan("# worked example\r\nStraight 500\r\n\r\nAngle 2 90\r\n");
    const CliRun result = run(pull(kWorkedOptions + " --plan " + path + " s:300"));
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("3\tStraight\t300\t0\t28\t0\t9\t0\n"), std::string::npos);
}

TEST(CliPull, TakesInclinesAndVerticalBendsInArgumentsAndPlanFiles) {
    const std::string path = temporary_plan("Straight 20 90\nUp 3 90\nDown 2 45\n");
    const CliRun result =
        run(pull(kWorkedOptions + " --plan " + path + " s:10 u:3:90 d:2:45 s:5:-30 --json"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("\"type\":\"Up\""), std::string::npos);
    EXPECT_NE(result.out.find("\"type\":\"Down\""), std::string::npos);
    EXPECT_NE(result.out.find("\"inclined\":true,\"inclination_in\":-30"), std::string::npos);
    EXPECT_NE(result.out.find("\"forward_held\":"), std::string::npos);
    const CliRun text = run(pull(kWorkedOptions + " s:10 u:3:90 d:2:45"));
    EXPECT_NE(text.out.find("2\tUp\t3\t90\t"), std::string::npos);
    EXPECT_NE(text.out.find("3\tDown\t2\t45\t"), std::string::npos);
    // A level plan's JSON is what it always was: no inclinations.
    EXPECT_EQ(run(pull(kWorkedOptions + " --json s:500 b:2:90")).out.find("inclin"),
              std::string::npos);
    for (const char* link : {"s:10:91", "s:10:-90.5", "u:3", "d:2:x", "s:10:1:2"}) {
        EXPECT_EQ(run(pull(std::string(link))).status, 2) << link;
    }
}

TEST(CliPull, TakesRightAndTiltedBendsAndTheWeightInBends) {
    // The same plan as arguments and as a file; a report saved under the weight across reads
    // back with it, its right and tilted bends whole.
    static const test::TempFolder folder;
    const std::string plan =
        temporary_plan("Straight 100\nAngle 3 90 right\nTilted 4.71 90 30\nStraight 50\n");
    const std::string options = " --friction 0.35 --weight 2000 --bend-weight all";
    const CliRun arguments = run(pull(options + " s:100 r:3:90 t:4.71:90:30 s:50"));
    EXPECT_EQ(arguments.status, 0) << arguments.err;
    EXPECT_EQ(run(pull(options + " --plan " + plan)).out, arguments.out);
    EXPECT_NE(arguments.out, run(pull(" --friction 0.35 --weight 2000 --plan " + plan)).out);
    const std::string report = folder.file("tilted.rtf");
    EXPECT_EQ(run(pull(options + " --plan " + plan + " --save-report " + report)).status, 0);
    EXPECT_EQ(run(pull("--report " + report)).out, arguments.out);
    for (const char* bad : {"t:3:90", "t:3:90:181", "r:3", "--bend-weight some s:1"}) {
        EXPECT_EQ(run(pull(std::string(bad))).status, 2) << bad;
    }
}

TEST(CliPull, PrintsJsonWithTheUnroundedTensions) {
    const CliRun result = run(pull(kWorkedOptions + " --json s:500"));
    EXPECT_EQ(result.out, "{\"links\":[{\"number\":\"1\",\"type\":\"Straight\",\"length\":"
                          "\"500\",\"angle\":\"0\",\"forward\":\"15\",\"forward_sidewall\":"
                          "\"0\",\"reverse\":\"15\",\"reverse_sidewall\":\"0\","
                          "\"forward_tension\":15,\"reverse_tension\":15}],"
                          "\"forward_percent\":1,\"reverse_percent\":1,\"bars\":\"shown\","
                          "\"caption\":\"\"}\n");
}

TEST(CliPull, WritesEveryJsonFieldFromItsOwnFigure) {
    // Forward and reverse differ in every field of the second link.
    EXPECT_EQ(run(pull(kWorkedOptions + " --back-tension 1 --json s:500 b:2:90")).out,
              "{\"links\":[{\"number\":\"1\",\"type\":\"Straight\",\"length\":\"500\","
              "\"angle\":\"0\",\"forward\":\"16\",\"forward_sidewall\":\"0\",\"reverse\":"
              "\"16\",\"reverse_sidewall\":\"0\",\"forward_tension\":16,\"reverse_tension\":"
              "16.265670592339518},{\"number\":\"2\",\"type\":\"Angle\",\"length\":\"2\","
              "\"angle\":\"90\",\"forward\":\"20\",\"forward_sidewall\":\"10\",\"reverse\":"
              "\"1\",\"reverse_sidewall\":\"1\",\"forward_tension\":20.250729477432316,"
              "\"reverse_tension\":1.2656705923395197}],\"forward_percent\":2,"
              "\"reverse_percent\":1,\"bars\":\"shown\",\"caption\":\"\"}\n");
    EXPECT_NE(run(pull(kWorkedOptions + " --mid-assist 1 --json s:500 b:2:90"))
                  .out.find("\"bars\":\"hidden\",\"caption\":\"Mid-assist pull point between "
                            "links 1 and 2\"}"),
              std::string::npos);
}

TEST(CliPull, UsesTheWindowsDesignTextsAndWarnings) {
    EXPECT_EQ(run(pull("")).out,
              "forward-percent\t0\nreverse-percent\t0\nbars\tshown\ncaption\t\n");
    const CliRun warned = run(pull("--friction 1.5 --weight x --back-tension - s:100"));
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err,
              "friction \"1.5\": Enter a coefficient between 0 and 1.  If you don't know, use 0.5\n"
              "weight \"x\": Please enter a number\n"
              "back-tension \"-\": not a number; it counts as 0\n");
}

TEST(CliPull, RefusesMalformedLinksAndFilesWithoutPrintingResults) {
    const std::string bad_file = temporary_plan("Straight 100\nBend 2 90\n");
    for (const std::string& line :
         {std::string("s:"), std::string("b:2"), std::string("x:100"), std::string("s:abc"),
          std::string("b:2:ninety"), "--plan " + bad_file, std::string("--plan /no/such/file"),
          std::string("--mid-assist 2 s:100"), std::string("--mid-assist x s:100"),
          std::string("--weight"), std::string("--bogus 1"), std::string("u:10:361"),
          std::string("d:10:1e999"), std::string("b:1:1e400")}) {
        const CliRun result = run(pull(line));
        EXPECT_EQ(result.status, 2) << line;
        EXPECT_EQ(result.out, "") << line;
        EXPECT_NE(result.err, "") << line;
    }
    EXPECT_NE(run(pull("--plan " + bad_file)).err.find(", line 2 \"Bend 2 90\": malformed link"),
              std::string::npos);
    EXPECT_EQ(run(pull("s:1 u:10:1e10")).err,
              "tensora-cli: link 2 \"Up 10 1e10\": an Up or Down bend turns at most 360 degrees\n");
    EXPECT_EQ(run(pull("u:10:360 d:1:-360")).status, 0);
}

TEST(CliPull, KeepsTheShapeOfItsOutput) {
    const CliRun trimmed = run({"pull", "s: 100 ", "b:\t2\r\n:90"});
    EXPECT_EQ(trimmed.status, 0);
    EXPECT_EQ(trimmed.out.substr(0, trimmed.out.find("forward-percent")),
              "1\tStraight\t100\t0\t\t0\t\t0\n2\tAngle\t2\t90\t\t\t\t\n");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"pull", "b:2:9\t0"}, {"pull", "--weight", "5\n5", "s:1"}}) {
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.out, "");
    }
}

TEST(CliPull, TakesHelpOnlyWhereAnOptionMayStand) {
    EXPECT_EQ(run({"pull", "s:1", "-h"}).out, cli_usage());
    const CliRun value = run({"pull", "--friction", "-h", "s:1"});
    EXPECT_EQ(value.status, 0);
    EXPECT_EQ(value.err.substr(0, 12), "friction \"-h");
}

TEST(Cli, QuotesAtMostSixtyCharactersWithControlCharactersEscaped) {
    EXPECT_EQ(quoted_argument("a\tb\"\x01\xff\u00e9"), "\"a\\tb\\\"\\x01\\xFF\u00e9\"");
    EXPECT_EQ(quoted_argument(std::string(100, 'x')), "\"" + std::string(60, 'x') + "\"...");
    // The line's bytes are quoted as briefly as the path (whatever the temporary folder): at
    // most 60 of them, each at most four characters, besides the message's own words.
    const std::string short_line = temporary_plan("x\n");
    const std::size_t words = run(pull("--plan " + short_line)).err.size() -
                              quoted_argument(short_line).size() - quoted_argument("x").size();
    const std::string binary = temporary_plan(std::string("\x7f"
                                                          "ELF\x02\x01",
                                                          6) +
                                              std::string(5000, '\0'));
    EXPECT_LE(run(pull("--plan " + binary)).err.size(),
              words + quoted_argument(binary).size() + 2 + 60 * 4 + 3);
}

TEST(CliPull, SavesAReportThatReadsBackToTheSamePlan) {
    static const test::TempFolder folder;
    const std::string path = folder.file("plan.rtf");
    const CliRun saved =
        run(pull(kWorkedOptions + " --mid-assist 2 --save-report " + path + " s:500 b:2:90 s:300"));
    EXPECT_EQ(saved.status, 0);
    EXPECT_EQ(run(pull("--report " + path)).out, saved.out);
    // Options beside the report win over its cable texts; link arguments come after its links.
    const CliRun changed = run(pull("--report " + path + " --allowable 30 s:40"));
    EXPECT_NE(changed.out.find("4\tStraight\t40\t0\t10\t0\t1\t0\n"), std::string::npos);
    EXPECT_NE(changed.out.find("forward-percent\t34\n"), std::string::npos); // 10.2 of 30

    const CliRun refused = run(pull("--save-report " + folder.file("no/such/plan.rtf") + " s:1"));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("cannot be written"), std::string::npos);
}

TEST(CliPull, SavesTheBackTensionAndSaysWhenAReportHasNone) {
    const test::TempFolder folder;
    const std::string with = folder.file("with.rtf");
    const std::string without = folder.file("without.rtf");
    const CliRun saved = run(pull("--back-tension 50 --save-report " + with + " s:100"));
    ASSERT_EQ(saved.status, 0);
    const CliRun again = run(pull("--report " + with));
    EXPECT_EQ(again.out, saved.out);
    EXPECT_EQ(again.err, "");
    // Saved with none, it says 0; a report from before back tensions has no line at all.
    ASSERT_EQ(run(pull("--save-report " + without + " s:100")).status, 0);
    EXPECT_EQ(run(pull("--report " + without)).err, "");
    std::ifstream file(without, std::ios::binary);
    std::string old((std::istreambuf_iterator<char>(file)), {});
    old.erase(old.find("Back Tension (lbs)      0\r\n"), 27);
    std::ofstream(without, std::ios::binary) << old;
    EXPECT_NE(run(pull("--report " + without)).err.find("holds no back tension"),
              std::string::npos);
    EXPECT_EQ(run(pull("--report " + without + " --back-tension 5")).err, "");
}

TEST(CliPull, RefusesReportsItCannotTakeWholeAndNotesWhatIsMissing) {
    const test::TempFolder folder;
    const std::string notes = folder.file("notes.txt");
    std::ofstream(notes) << "The Cable Weight of a cable is in lbs/kft.\n";
    std::string long_plan = "Planned Pull Results - \n";
    for (int i = 1; i <= 32768; ++i) {
        long_plan += std::to_string(i) + " Straight 1 0\n";
    }
    std::ofstream(folder.file("long.rtf")) << long_plan;
    for (const std::string& report :
         {notes, folder.file(""), std::string("/dev/zero"), folder.file("long.rtf")}) {
        const CliRun refused = run({"pull", "--report", report});
        EXPECT_EQ(refused.status, 2) << report;
        EXPECT_EQ(refused.out, "") << report;
        EXPECT_NE(refused.err.find("report"), std::string::npos) << report;
    }
    std::ofstream(folder.file("beyond.rtf"))
        << "Planned Pull Results - Mid-assist pull point between links 9 and 10\n1 Straight 5 0\n"
           "\nReverse Direction Pull Results - \n1 Straight 5 0\n";
    const CliRun noted = run(pull("--report " + folder.file("beyond.rtf")));
    EXPECT_EQ(noted.status, 0);
    EXPECT_NE(noted.err.find("beyond the plan"), std::string::npos);
    EXPECT_NE(noted.out.find("caption\t\n"), std::string::npos);
}

TEST(CliPull, ChecksEveryOutputBeforeWritingAny) {
    const test::TempFolder folder;
    const std::string report = folder.file("ok.rtf");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"pull", "--save-report", report, "--csv",
                                   folder.file("no/such/folder/x.csv"), "s:1"},
          {"pull", "--save-report", "", "s:1"},
          {"pull", "--save-report", "/dev/full", "s:1"},
          {"pull", "--save-report", report, "--csv", report, "s:1"},
          {"pull", "--save-report", report, "--friction", "\n0.5", "s:1"},
          {"pull", "--save-report", report, "--description", "plan\n", "s:1"}}) {
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.status, 2) << arguments[2] << arguments[4];
        EXPECT_EQ(refused.out, "");
        EXPECT_FALSE(std::filesystem::exists(report));
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

    // A file that fails once the writing is under way: the files written are named.
    CliServices services;
    services.render_pdf = [](const PrintedReport&) { return std::nullopt; };
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_cli({"pull", "--save-report", report, "--pdf", folder.file("x.pdf"), "s:1"}, out,
                      err, services),
              1);
    EXPECT_NE(err.str().find("written: " + quoted_argument(report)), std::string::npos)
        << err.str();
    EXPECT_TRUE(std::filesystem::exists(report));
    EXPECT_EQ(out.str(), "");
}

TEST(CliPull, WritesThePlanAsCsv) {
    const test::TempFolder folder;
    const std::string csv = folder.file("plan.csv");
    ASSERT_EQ(run(pull(kWorkedOptions + " --csv " + csv + " s:500 b:2:90 s:300")).status, 0);
    std::ifstream file(csv, std::ios::binary);
    std::string heading;
    std::string first;
    std::getline(file, heading);
    std::getline(file, first);
    EXPECT_EQ(heading.substr(0, 10), "Link,Type,");
    EXPECT_EQ(first.substr(0, 27), "1,Straight,500,0,15,15,0,0,");
}

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The check saves its conduit, limits and set with the plan, and a report read and saved again
// by the command line keeps every part it has, the fill ratio's included, byte for byte.
TEST(CliReport, AReportSavedAgainKeepsEveryPartItHas) {
    const test::TempFolder folder;
    const std::string first = folder.file("check.rtf");
    std::vector<std::string> check = pull("--conduit-id 5 --cable 3:1.58:2200:500kcmil:cu "
                                          "--tension-rule eye --swbp-limit 300 --save-report " +
                                          first + " s:100 b:3:90");
    check[0] = "check";
    ASSERT_EQ(run(check).status, 0);
    const std::string saved = contents(first);
    EXPECT_NE(saved.find("Pull Check"), std::string::npos);
    EXPECT_NE(saved.find("Sidewall Limit (lbs/ft) 300"), std::string::npos) << saved;
    EXPECT_NE(saved.find("3      | 1.58       | 2200             | 500kcmil   | cu"),
              std::string::npos)
        << saved;
    // A fill part and an equipment part added as the windows write them.
    ReadReport::Fill cables{"EMT", {"0.5", "0.61"}, std::string("40")};
    ReportContents parts;
    const std::string whole = folder.file("whole.rtf");
    parts.path = whole;
    parts.pull_plan = PullPlanReport{"", "10", "5", "0.150", "", {}, "0"};
    parts.fill = fill_report(cables);
    parts.equipment = EquipmentReport{};
    parts.equipment->puller = "2000";
    parts.cable_set = CableSetReport{};
    parts.cable_set->groups.push_back({"3", "PWR", "1.58", "2200", "500 kcmil", "cu", "1", ""});
    parts.check = CheckReport{};
    parts.check->conduit_id = "5.047";
    std::ofstream(whole, std::ios::binary) << report_text(parts);
    const std::string written = contents(whole);
    ASSERT_EQ(run(pull("--report " + whole + " --save-report " + whole)).status, 0);
    EXPECT_EQ(contents(whole), written);
}

TEST(CliPull, HandsThePlanToThePdfRenderer) {
    const test::TempFolder folder;
    const std::string pdf = folder.file("plan.pdf");
    std::optional<PrintedReport> rendered;
    bool draws = true;
    CliServices services;
    services.render_pdf = [&](const PrintedReport& report) -> std::optional<std::string> {
        rendered = report;
        return draws ? std::optional<std::string>("%PDF-1.4 plan") : std::nullopt;
    };
    std::ostringstream out;
    std::ostringstream err;
    const auto arguments =
        pull("--friction 0.15 --weight 200 --allowable 25 --pdf " + pdf + " s:500 b:2:90 s:300");
    EXPECT_EQ(run_cli(arguments, out, err, services), 0);
    ASSERT_TRUE(rendered);
    EXPECT_EQ(contents(pdf), "%PDF-1.4 plan");
    EXPECT_EQ(rendered->plan.description, "Cable to pull");
    EXPECT_EQ(rendered->plan.links[2].forward, "28");
    // Forward 28 lbs at link 3 and reverse 26 lbs at link 1, of 25 lbs allowable.
    EXPECT_EQ(rendered->over_limit, std::vector<bool>({true, false, true}));
    EXPECT_EQ(rendered->forward_share, "111%"); // 27.98 lbs of 25
    EXPECT_EQ(rendered->profile.forward.size(), 4u);

    // A PDF that cannot be drawn is a failure once the files are under way: nothing written.
    draws = false;
    std::ostringstream failed_out;
    std::ostringstream failed_err;
    EXPECT_EQ(run_cli(pull("--pdf " + pdf + " s:1"), failed_out, failed_err, services), 1);
    EXPECT_EQ(failed_out.str(), "");
    EXPECT_NE(failed_err.str().find("no file was written"), std::string::npos);
    EXPECT_EQ(contents(pdf), "%PDF-1.4 plan");
    EXPECT_EQ(run({"pull", "--pdf", pdf, "s:1"}).status, 2); // no renderer: refused

    // check adds itself to the report.
    draws = true;
    rendered.reset();
    auto checked = pull("--conduit-id 5.047 --cable-od 1.58 --cables 3 --pdf " + pdf + " b:2:90");
    checked[0] = "check";
    EXPECT_EQ(run_cli(checked, out, err, services), 0);
    ASSERT_TRUE(rendered && rendered->check);
    EXPECT_EQ(rendered->check->bends.size(), 1u);
    EXPECT_TRUE(rendered->check->ok);
}

std::vector<std::string> check(const std::string& line) {
    std::vector<std::string> arguments = pull(line);
    arguments[0] = "check";
    return arguments;
}

const std::string kThreeCables = "--conduit-id 5.047 --cable-od 1.58 --cables 3 ";

TEST(CliCheck, ChecksThreeCablesOnThePullsPlan) {
    const CliRun result =
        run(check(kThreeCables + "--friction 0.15 --weight 2000 --allowable 3000 s:500 b:2:90 "
                                 "s:300 b:3:45"));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    // w = 1 + 4/3 (1.58 / 3.467)^2 for cradled cables, the pull that of all three cables
    // (6000 lbs/kft); the first bend's radius is 2 ft * 57.3 / 90, its pressure
    // (3w - 2) T / 3R of the 776 lbs leaving it.
    EXPECT_EQ(result.out, "jam-ratio\t3.3540\n"
                          "jam-risk\tvery small\n"
                          "weight-correction\t1.2769\n"
                          "configuration\tcradled\n"
                          "clearance\t3.4214\n"
                          "forward-max\t1303\n"
                          "reverse-max\t1040\n"
                          "bend\t2\t1.2733\t372\t223\n"
                          "bend\t4\t3.8200\t208\t0\n"
                          "bend-radius-note\tThe bending radius was not checked for 3 cables "
                          "whose kind is not known\n"
                          "bends\t1\t4\t135\tok\n"
                          "set-cables\t3\n"
                          "set-weight\t6000\n"
                          "tension-rule\tplanner\n"
                          "set-allowable\t3000\n"
                          "verdict\tPull OK\n");
    EXPECT_EQ(run(check(kThreeCables + "--friction 0.15 --weight 2000 --allowable 3000 --json "
                                       "s:500 b:2:90 s:300 b:3:45"))
                  .out,
              "{\"jam_ratio\":\"3.3540\",\"jam_risk\":\"very small\",\"weight_correction\":"
              "\"1.2769\",\"configuration\":\"cradled\",\"clearance\":\"3.4214\","
              "\"forward_max\":\"1303\",\"reverse_max\":\"1040\",\"bends\":[{\"link\":\"2\","
              "\"radius\":\"1.2733\",\"forward_pressure\":\"372\",\"reverse_pressure\":\"223\","
              "\"over_limit\":false},{\"link\":\"4\",\"radius\":\"3.8200\","
              "\"forward_pressure\":\"208\",\"reverse_pressure\":\"0\",\"over_limit\":false}],"
              "\"set_cables\":3,\"set_weight\":\"6000\",\"tension_rule\":\"planner\","
              "\"set_allowable\":\"3000\",\"verdict\":\"Pull OK\",\"ok\":true,"
              "\"bend_radius_note\":\"The bending radius was not checked for 3 cables whose "
              "kind is not known\",\"stretches\":[{\"from\":1,\"to\":4,\"degrees\":135,"
              "\"over\":false}]}\n");
    const CliRun triangular =
        run(check(kThreeCables + "--configuration triangular --bend-radius 4 --json b:2:90"));
    EXPECT_NE(triangular.out.find("\"weight_correction\":\"1.1234\""), std::string::npos);
    EXPECT_NE(triangular.out.find("\"radius\":\"4.0000\""), std::string::npos);
}

TEST(CliCheck, SaysInWordsWhatHasNoMeaningAndRefusesWhatCannotRun) {
    const CliRun narrow = run(check("--conduit-id 3 --cable-od 1.58 --cables 3 s:100"));
    EXPECT_EQ(narrow.status, 0);
    EXPECT_NE(narrow.out.find("clearance\tthe cables do not fit this conduit\n"),
              std::string::npos);
    EXPECT_NE(narrow.out.find("verdict\tThe cables do not fit this conduit\n"), std::string::npos);
    for (const std::string& line :
         {std::string("--conduit-id 5 --cable-od 1 s:1"), kThreeCables + "--cables 7",
          kThreeCables + "--configuration flat", kThreeCables + "--speed 3"}) {
        const CliRun refused = run(check(line));
        EXPECT_EQ(refused.status, 2) << line;
        EXPECT_EQ(refused.out, "") << line;
    }
    EXPECT_EQ(run(check(kThreeCables + "--speed 3")).err,
              "tensora-cli: unknown option \"--speed\" for check\n");
    for (const char* od : {"x", "0", "-1", "1e400"}) { // no diameter: nothing to check
        const CliRun refused =
            run(check("--conduit-id 5 --cables 3 s:100 --cable-od " + std::string(od)));
        EXPECT_EQ(refused.status, 2) << od;
        EXPECT_EQ(refused.err,
                  "tensora-cli: cable-od \"" + std::string(od) + "\": not a positive number\n");
    }
}

TEST(CliFill, RatesTheWorkedExample) {
    const CliRun result = run({"fill", "0.5", "0.4"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.substr(0, result.out.find("1 1/4")),
              "cables\t2 cables\ntotal-area\t0.32185\npair-width\t0.9\n"
              "1/2\t0.602\t.2845\tover\n3/4\t0.804\t.5074\tover\n1\t1.029\t.8312\t38.72%\n");
    EXPECT_NE(result.out.find("5\t5.047\t19.9957\t1.61%\n"), std::string::npos);
}

TEST(CliFill, LeavesOutTheOdsSubmitRefusesAndSaysWhy) {
    const CliRun result = run({"fill", "--standard", "sdr135", "abc", "-0.5", "0.4", "--json"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "OD \"abc\": not a number; left out\n"
                          "OD \"-0.5\": not a positive number; left out\n");
    EXPECT_NE(result.out.find("\"standard\":\"SDR 13.5\",\"diameters\":[\"0.4\"]"),
              std::string::npos);
    EXPECT_EQ(run({"fill", "--standard", "sch80", "0.4"}).status, 2);
    EXPECT_EQ(run({"fill", "1e400", "0.4"}).err,
              "OD \"1e400\": beyond the computer's numbers; left out\n");
}

TEST(CliFill, RatesACodeTableAndTheCodesLimitOnRequest) {
    const CliRun plain = run({"fill", "--standard", "emt", "0.58"});
    EXPECT_NE(plain.out.find("\n3/4\t0.824\t0.533\t49.57%\n"), std::string::npos);
    EXPECT_EQ(plain.out.find("code-"), std::string::npos);
    const CliRun coded = run({"fill", "--standard", "emt", "--code", "0.58"});
    EXPECT_NE(coded.out.find("\n1/2\t0.622\t0.304\tover\tover\n3/4\t0.824\t0.533\t49.57%\tmeets\n"),
              std::string::npos);
    EXPECT_TRUE(coded.out.ends_with("4\t4.334\t14.753\t1.79%\tmeets\ncode-limit\t53\n"
                                    "code-smallest\t3/4\n"))
        << coded.out;
    // Any table: Schedule 40's own fill against 31 % for two cables.
    const CliRun written = run({"fill", "--code", "0.5", "0.4"});
    EXPECT_NE(
        written.out.find("1\t1.029\t.8312\t38.72%\tover\n1 1/4\t1.360\t1.4519\t22.17%\tmeets\n"),
        std::string::npos);
    EXPECT_TRUE(written.out.ends_with("code-limit\t31\ncode-smallest\t1 1/4\n"));
    const CliRun json = run({"fill", "--standard", "pvc-eb", "--code", "--json", "9"});
    EXPECT_NE(json.out.find("\"standard\":\"PVC-EB\",\"edition\":\"NEC 2023, Chapter 9, Table 4\""),
              std::string::npos);
    EXPECT_NE(json.out.find("{\"trade_size\":\"2\",\"metric_designator\":\"53\",\"pipe_id\":"
                            "\"2.221\",\"area\":\"3.874\",\"percent\":\"over\",\"code\":\"over\"}"),
              std::string::npos);
    EXPECT_TRUE(json.out.ends_with("\"code_limit\":\"53\",\"code_smallest\":\"none\"}\n"));
}

// A stream whose every write fails, as on a full disk.
class FullDisk : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(Cli, ReportsAResultThatCannotBeWritten) {
    FullDisk disk;
    std::ostream out(&disk);
    std::ostringstream err;
    EXPECT_EQ(run_cli({"straight", "100", "5000", "0.5"}, out, err), 1);
    EXPECT_NE(err.str().find("could not be written"), std::string::npos);
    EXPECT_EQ(run_cli({"pull", "s:1"}, out, err), 1);
}

// Each quick command reads its quantities in the units given and prints its result in them:
// a metric run of a plan equals the inch-pound run converted.
TEST(CliUnits, EveryQuickCommandReadsAndPrintsMetric) {
    // 1000 ft, 200 lbs/kft, 1000 lbs, 1 in and 2 in in metric.
    const std::string m = "304.8";
    const std::string kg = "0.297632788713911";
    const std::string n = "4448.2216152605";
    EXPECT_EQ(run({"straight", "--units", "si", m, kg, "0.5"}).out, "444\n"); // 100 lbf
    EXPECT_EQ(run({"bend", "--units", "si", n, "90", "0.5"}).out, "9755\n");  // 2193.3 lbf
    EXPECT_EQ(run({"bend", "1000", "90", "0.5"}).out, "2193\n");
    EXPECT_EQ(run({"sidewall", "--units", "si", n, "25.4"}).out, "175126\n"); // 1000 lbs/in
    EXPECT_EQ(run({"maxpull", "--units", "si", n, kg, "0.5", "--exact"}).out.substr(0, 6),
              "3047.9");                                                // 10,000 ft
    EXPECT_EQ(run({"lube", "--units", "si", m, "50.8"}).out, "11.4\n"); // 3 gallons
    EXPECT_EQ(run({"lube", "--units", "imperial", "1000", "2"}).out, "3.\n");
    const CliRun wrong = run({"straight", "--units", "metric", "1", "1", "1"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.err, "tensora-cli: units \"metric\": not a unit system (si or imperial)\n");
}

TEST(CliUnits, AMetricPullIsTheInchPoundPullConvertedAndSavesInchPound) {
    const CliRun feet =
        run({"pull", "--allowable", "2000", "--weight", "300", "s:500", "b:2:90", "s:300"});
    const std::vector<std::string> metric{
        "pull",     "--units",           "si",      "--allowable", "8896.443230521",
        "--weight", "0.446449183070866", "s:152.4", "b:0.6096:90", "s:91.44"};
    const CliRun metres = run(metric);
    EXPECT_EQ(metres.status, 0) << metres.err;
    // 42 lbs leave the last link forward: 187 N; the bend's 14 lbs/ft are 208 N/m.
    EXPECT_NE(feet.out.find("3\tStraight\t300\t0\t42\t0\t"), std::string::npos) << feet.out;
    EXPECT_NE(metres.out.find("3\tStraight\t91.44\t0\t187\t0\t"), std::string::npos) << metres.out;
    EXPECT_NE(metres.out.find("2\tAngle\t0.6096\t90\t127\t208\t"), std::string::npos);
    EXPECT_NE(metres.out.find("\nunits\tm\tN\tN/m\tN\tN/m\n"), std::string::npos);
    std::vector<std::string> json = metric;
    json.push_back("--json");
    EXPECT_NE(run(json).out.find("\"units\":{\"system\":\"si\",\"length\":\"m\",\"forward\":\"N\""),
              std::string::npos);
    EXPECT_EQ(feet.out.find("units"), std::string::npos); // not asked: not named

    const test::TempFolder folder;
    const std::string path = folder.file("metric_pull.rtf");
    ASSERT_EQ(run({"pull", "--units", "si", "--allowable", "8896.443230521", "s:152.4",
                   "--save-report", path})
                  .status,
              0);
    std::ifstream saved(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(saved)), {});
    EXPECT_NE(text.find("Units Shown             metric\r\n"), std::string::npos);
    EXPECT_NE(text.find("Capable Load (lbs)      2000\r\n"), std::string::npos);
    EXPECT_NE(text.find("1 Straight    500 "), std::string::npos);
    // Read back in metric, the report's feet and pounds come back as the metres given.
    const CliRun again = run({"pull", "--units", "si", "--report", path});
    EXPECT_EQ(again.out.substr(0, 16), "1\tStraight\t152.4");

    // Saved again from metric, a report's figures keep the very texts they were read as.
    const std::string first = folder.file("first.rtf");
    const std::string second = folder.file("second.rtf");
    ASSERT_EQ(run(pull("--allowable 2278.5 --weight 7.95 s:100.1 --save-report " + first)).status,
              0);
    ASSERT_EQ(run({"pull", "--report", first, "--units", "si", "--save-report", second}).status, 0);
    std::ifstream resaved(second, std::ios::binary);
    const std::string lines((std::istreambuf_iterator<char>(resaved)), {});
    for (const char* kept : {"Capable Load (lbs)      2278.5\r\n",
                             "Cable Weight (lbs/kft)  7.95\r\n", "1 Straight    100.1 "}) {
        EXPECT_NE(lines.find(kept), std::string::npos) << kept;
    }
    // A length that is finite in metres but beyond a double in feet is refused, not saved.
    const std::string vast = folder.file("vast.rtf");
    const CliRun refused = run({"pull", "--units", "si", "s:1e308", "--save-report", vast});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("the length of link 1 (1e308 m) is beyond what a report holds"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(vast));
}

TEST(CliUnits, CheckAndFillTakeMillimetresAndNameTheirUnits) {
    const CliRun check = run({"check", "--units", "si", "--conduit-id", "128.1938", "--cable-od",
                              "40.132", "--cables", "3", "s:152.4", "b:0.6096:90"});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_NE(check.out.find("clearance\t86.90\n"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("verdict\tPull OK\n"), std::string::npos); // 7300 N/m by default
    EXPECT_NE(check.out.find("units\tmm\tN\tm\tN/m\n"), std::string::npos);
    // A limit given in metric is the one held, not the metric design value.
    const CliRun tight =
        run({"check", "--units", "si", "--conduit-id", "128.1938", "--cable-od", "40.132",
             "--cables", "3", "--swbp-limit", "10", "s:152.4", "b:0.6096:90"});
    EXPECT_NE(tight.out.find("verdict\tSidewall pressure exceeds 10 N/m at link 2"),
              std::string::npos)
        << tight.out;

    const CliRun fill = run({"fill", "--units", "si", "--standard", "emt", "12.7", "10.16"});
    const CliRun inches = run({"fill", "--standard", "emt", "0.5", "0.4"});
    // The same fills, whatever units the ODs were given in; the code's metric figures.
    EXPECT_NE(fill.out.find("\n1\t26.6\t556\t37.27%\n"), std::string::npos) << fill.out;
    EXPECT_NE(inches.out.find("\n1\t1.049\t0.864\t37.27%\n"), std::string::npos);
    EXPECT_NE(fill.out.find("\nunits\tmm\tmm²\n"), std::string::npos);
}

TEST(CliAdvise, NamesTheDirectionAndThePointThatPullMidAssistComputes) {
    const std::vector<std::string> plan{"--friction",  "0.15",   "--weight", "200",
                                        "--allowable", "1000",   "s:500",    "b:2:90",
                                        "s:300",       "b:3:45", "s:1250"};
    std::vector<std::string> advise{"advise"};
    advise.insert(advise.end(), plan.begin(), plan.end());
    const CliRun advice = run(advise);
    EXPECT_EQ(advice.status, 0) << advice.err;
    EXPECT_EQ(advice.out, "forward-max\t69\nreverse-max\t80\ndirection\tforward\n"
                          "lower-by\t14\nmid-assist\t3\nmid-assist-max\t38\n"
                          "mid-assist-direction\tforward\nnote\t\n");
    // The point it names gives that highest tension in pull.
    std::vector<std::string> pull{"pull", "--mid-assist", "3"};
    pull.insert(pull.end(), plan.begin(), plan.end());
    EXPECT_NE(run(pull).out.find("5\tStraight\t1250\t0\t38\t0\t"), std::string::npos);

    advise.push_back("--json");
    EXPECT_NE(run(advise).out.find("\"direction\":\"forward\",\"lower_by\":14,"
                                   "\"mid_assist\":3,\"mid_assist_max\":\"38\","
                                   "\"mid_assist_direction\":\"forward\""),
              std::string::npos);
    const CliRun one = run({"advise", "--weight", "5000", "--allowable", "500", "s:1000"});
    EXPECT_EQ(one.out, "forward-max\t750\nreverse-max\t750\ndirection\teither\nlower-by\t0\n"
                       "mid-assist\tnone\nmid-assist-max\t\nmid-assist-direction\t\n"
                       "note\tEven the best pull exceeds the allowable tension of 500 lbs at "
                       "link 1\n");
    // A plan the search is not exact for gets no point, and says why.
    EXPECT_NE(run({"advise", "s:100", "s:-5", "b:3:90", "s:50"})
                  .out.find("mid-assist\tnone\nmid-assist-max\t\nmid-assist-direction\t\n"
                            "note\tno mid-assist advice: link 2 has a negative length\n"),
              std::string::npos);
    EXPECT_EQ(run({"advise", "--pdf", "x.pdf", "s:1"}).status, 2);
}

} // namespace
} // namespace tensora

namespace tensora {
namespace {

std::string route_file(const test::TempFolder& folder, const std::string& name,
                       const std::string& text) {
    const std::string path = folder.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(CliRoute, TakesTheLinksOfARouteFileBeforeThoseTyped) {
    const test::TempFolder folder;
    const std::string points = route_file(folder, "route.txt", "0 0\n10 0\n10 10\n");
    const CliRun metric = run({"pull", "--units", "si", "--route", points, "--route-units", "m",
                               "--route-radius", "2", "s:5"});
    EXPECT_EQ(metric.status, 0) << metric.err;
    // 2 m of tangent off each straight; the radius in the units of --units.
    EXPECT_EQ(metric.out.substr(0, 15), "1\tStraight\t8\t0\t");
    EXPECT_NE(metric.out.find("\n2\tAngle\t3.141592654\t90\t"), std::string::npos);
    EXPECT_NE(metric.out.find("\n4\tStraight\t5\t"), std::string::npos);
    const std::string saved = folder.file("saved.rtf");
    EXPECT_EQ(
        run({"pull", "--route", points, "--route-units", "ft", "--save-report", saved}).status, 0);
    std::ifstream report(saved, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(report)), {});
    EXPECT_NE(text.find("Route Imported From     " + points +
                        ", points, units ft, default "
                        "radius 3 ft\r\n"),
              std::string::npos);
}

TEST(CliRoute, RefusesWhatCannotBeReadWithTheReason) {
    const test::TempFolder folder;
    const std::string tight = route_file(folder, "tight.csv", "0,0\n4,0\n4,4\n");
    const CliRun unsaid = run({"pull", "--route", tight});
    EXPECT_EQ(unsaid.status, 2);
    EXPECT_NE(unsaid.err.find("does not say its units"), std::string::npos);
    const CliRun overlap = run({"check", "--conduit-id", "4", "--cable-od", "1", "--route", tight,
                                "--route-units", "ft", "--route-radius", "5"});
    EXPECT_EQ(overlap.status, 2);
    EXPECT_NE(overlap.err.find("The bend at line 2 needs 5 ft of the 4 ft straight before it"),
              std::string::npos)
        << overlap.err;
    const std::string drawing = route_file(folder, "cut.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n");
    const CliRun cut = run({"advise", "--route", drawing, "--route-units", "ft"});
    EXPECT_EQ(cut.status, 2);
    EXPECT_NE(cut.err.find("the file is cut short"), std::string::npos) << cut.err;
    EXPECT_EQ(run({"pull", "--route", folder.file("none.csv")}).status, 2);
}

} // namespace
} // namespace tensora

namespace tensora {
namespace {

TEST(CliEquipment, ChecksThePullerRopeSheavesAndCapstanOfTheDirectionChosen) {
    const CliRun run_ =
        run({"equipment",   "--friction",  "0",    "--weight",        "0",    "--back-tension",
             "6000",        "--allowable", "8000", "--puller",        "6500", "--rope-strength",
             "26000",       "--sheave",    "1",    "--sheave-rating", "8000", "b:3:90",
             "--direction", "forward"});
    EXPECT_EQ(run_.status, 0) << run_.err;
    EXPECT_EQ(run_.out, "direction\tforward\nhighest\t6000\npuller\t6500\t7.7\tok\n"
                        "rope-minimum\t26000\nrope\tserves\nsheave\t1\t8485\tover rating\n"
                        "capstan\t3\t565\tbeyond hold\ncapstan\t4\t257\tbeyond hold\n"
                        "capstan\t5\t117\tbeyond hold\ncapstan\t6\t53\tok\nverdict\tfails\n");
    // A sheave on a straight, a force that is not one, a factor below 1: refused by name.
    EXPECT_EQ(run({"equipment", "--sheave", "1", "s:10"}).status, 2);
    EXPECT_NE(run({"pull", "--sheave", "3", "b:1:10"}).err.find("sheave \"3\""), std::string::npos);
    EXPECT_NE(run({"equipment", "--puller", "-5", "s:10"}).err.find("puller \"-5\""),
              std::string::npos);
    EXPECT_EQ(run({"equipment", "--design-factor", "0.9", "s:10"}).status, 2);
    // Without a direction, the one the advice names; the same figures as one JSON object.
    const CliRun advised = run({"equipment", "--friction", "0.5", "--weight", "1000", "--json",
                                "--puller", "1000", "s:100", "b:1:90", "--tail-limit", "1"});
    EXPECT_EQ(advised.status, 0) << advised.err;
    EXPECT_EQ(advised.out.substr(0, 63),
              "{\"direction\":\"reverse\",\"highest\":\"50\",\"highest_link\":1,\"puller\"");
    EXPECT_NE(advised.out.find("\"capstan\":[{\"wraps\":3,\"tail\":\"5\",\"verdict\":\"beyond "
                               "hold\"}"),
              std::string::npos)
        << advised.out;
    const CliRun lowered = run({"equipment", "--design-factor", "3", "s:10"});
    EXPECT_EQ(lowered.status, 0);
    EXPECT_NE(lowered.err.find("below 4"), std::string::npos);
}

TEST(CliEquipment, WritesEveryForceInOneUnitNamedInAUnitsLine) {
    const CliRun metric =
        run({"equipment", "--units", "si", "--friction", "0", "--weight", "0", "--back-tension",
             "5884", "--puller", "30000", "b:3:90", "--direction", "forward"});
    EXPECT_EQ(metric.status, 0) << metric.err;
    EXPECT_NE(metric.out.find("highest\t5.88\npuller\t30.00\t"), std::string::npos) << metric.out;
    EXPECT_NE(metric.out.find("\nunits\tkN\n"), std::string::npos) << metric.out;
    // Without a rope or a puller nothing is approved; a minimum is never shown below itself.
    const CliRun plain = run({"equipment", "--friction", "0", "--weight", "0", "--back-tension",
                              "435.82", "b:3:90", "--design-factor", "4"});
    EXPECT_NE(plain.out.find("rope-minimum\t1744\n"), std::string::npos) << plain.out;
    EXPECT_NE(plain.out.find("verdict\tincomplete\n"), std::string::npos) << plain.out;
}

TEST(CliReport, AReportsEquipmentAndDecimalCommasAreTakenAsTheWindowTakesThem) {
    const test::TempFolder folder;
    const std::string path = folder.file("plan-de");
    std::ofstream(path, std::ios::binary)
        << "Tensora(tm)\r\n\r\n\r\nplan-de\r\n\r\n"
           "Capable Load (lbs)      4999,5\r\nCable Weight (lbs/kft)  1000\r\n"
           "Coefficient of Friction 0,35\r\nBack Tension (lbs)      0\r\n\r\n"
           "Planned Pull Results - \r\n1 Straight    200,5       0          70             0\r\n"
           "2 Angle       3           90         121            40 sheave\r\n"
           "Reverse Direction Pull Results - \r\n\r\nPulling Equipment\r\n"
           "Pulling Direction       forward\r\nPuller Rating           6500\r\n"
           "Sheave Tension Added %  10\r\n";
    const CliRun pulled = run({"pull", "--report", path});
    EXPECT_EQ(pulled.status, 0) << pulled.err;
    // 200.5 ft at 0.35 and 1000 lbs/kft, then a sheave adding 10 %.
    EXPECT_EQ(pulled.out.substr(0, pulled.out.find('\n')), "1\tStraight\t200.5\t0\t70\t0\t70\t0")
        << pulled.out;
    EXPECT_NE(pulled.out.find("2\tAngle\t3\t90\t77\t"), std::string::npos) << pulled.out;
    EXPECT_NE(pulled.err.find("decimal commas"), std::string::npos) << pulled.err;
    const CliRun equipment = run({"equipment", "--report", path});
    EXPECT_NE(equipment.out.find("direction\tforward\n"), std::string::npos) << equipment.out;
    EXPECT_NE(equipment.out.find("puller\t6500\t"), std::string::npos) << equipment.out;
}

TEST(Cli, SaysItsVersionAndWhichCableAPlanWithoutOneIsPulledWith) {
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("tensora-cli ")) << version.out;
    const CliRun bare = run({"pull", "s:100", "b:3:90"});
    EXPECT_NE(bare.err.find("design cable's figures are taken (weight 5 lbs/kft, friction 0.150, "
                            "allowable tension 10 lbs)"),
              std::string::npos)
        << bare.err;
    EXPECT_EQ(run({"pull", "--weight", "500", "s:100"}).err, "");
}

} // namespace
} // namespace tensora
