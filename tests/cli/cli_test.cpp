#include "cli/cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tensora {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_cli(arguments, out, err);
    return {status, out.str(), err.str()};
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
    EXPECT_EQ(friction.err, "Enter a coefficient between 0 and 1.  If you don't know, use 0.5\n");

    const CliRun length = run({"straight", "12abc", "500", "1"});
    EXPECT_EQ(length.status, 0);
    EXPECT_EQ(length.out, "6\n");
    EXPECT_EQ(length.err, "Please enter a number\n");

    const CliRun all = run({"straight", "", "x", "abc"});
    EXPECT_EQ(all.out, "0\n");
    EXPECT_EQ(all.err, "Please enter a number\nPlease enter a number\n"
                       "Enter a coefficient between 0 and 1.  If you don't know, use 0.5\n");
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
    EXPECT_EQ(overflow.err, "Enter a coefficient between 0 and 1.  If you don't know, use 0.5\n");
}

TEST(CliQuickCalculators, CheckTheBoxesTheirWindowsCheck) {
    EXPECT_EQ(run({"sidewall", "abc", "5"}).err, "Please enter a number\n");
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
    for (const char* usage :
         {"bend TENSION ANGLE FRICTION", "sidewall TENSION LENGTH",
          "maxpull TENSION WEIGHT FRICTION", "lube LENGTH DIAMETER", "pull ["}) {
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
    const std::string path = testing::TempDir() + "tensora_plan.txt";
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

TEST(CliPull, PrintsJsonWithTheUnroundedTensions) {
    const CliRun result = run(pull(kWorkedOptions + " --json s:500"));
    EXPECT_EQ(result.out, "{\"links\":[{\"number\":\"1\",\"type\":\"Straight\",\"length\":"
                          "\"500\",\"angle\":\"0\",\"forward\":\"15\",\"forward_sidewall\":"
                          "\"0\",\"reverse\":\"15\",\"reverse_sidewall\":\"0\","
                          "\"forward_tension\":15,\"reverse_tension\":15}],"
                          "\"forward_percent\":1,\"reverse_percent\":1,\"bars\":\"shown\","
                          "\"caption\":\"\"}\n");
}

TEST(CliPull, UsesTheWindowsDesignTextsAndWarnings) {
    EXPECT_EQ(run(pull("")).out,
              "forward-percent\t0\nreverse-percent\t0\nbars\tshown\ncaption\t\n");
    const CliRun warned = run(pull("--friction 1.5 --weight x --back-tension - s:100"));
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.err, "Enter a coefficient between 0 and 1.  If you don't know, use 0.5\n"
                          "Please enter a number\n"
                          "The back tension is not a number; it counts as 0\n");
}

TEST(CliPull, RefusesMalformedLinksAndFilesWithoutPrintingResults) {
    const std::string bad_file = temporary_plan("Straight 100\nBend 2 90\n");
    for (const std::string& line :
         {std::string("s:"), std::string("b:2"), std::string("x:100"), std::string("s:abc"),
          std::string("b:2:ninety"), "--plan " + bad_file, std::string("--plan /no/such/file"),
          std::string("--mid-assist 2 s:100"), std::string("--mid-assist x s:100"),
          std::string("--weight"), std::string("--bogus 1")}) {
        const CliRun result = run(pull(line));
        EXPECT_EQ(result.status, 2) << line;
        EXPECT_EQ(result.out, "") << line;
        EXPECT_NE(result.err, "") << line;
    }
    EXPECT_NE(run(pull("--plan " + bad_file)).err.find(":2: malformed link 'Bend 2 90'"),
              std::string::npos);
}

} // namespace
} // namespace tensora
