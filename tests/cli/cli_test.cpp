#include "cli/cli.h"

#include <gtest/gtest.h>

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
}

} // namespace
} // namespace tensora
