#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tensora {
namespace {

using test::CliRun;

// The command line with the shipped friction library and a user's file of its own.
CliRun run(const std::vector<std::string>& arguments, const std::string& user_file = "") {
    CliServices services;
    services.data_folders = {TENSORA_DATA_FOLDER};
    services.user_friction_file = user_file;
    return test::run_command_line(arguments, services);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> list;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        list.push_back(line);
    }
    return list;
}

// The published route at 0.144 lbs/ft, its first straight given `first`.
std::vector<std::string> published(const std::string& first, const std::string& friction) {
    return {"pull",   "--weight", "144",     "--friction", friction, "--allowable", "1000",
            "--json", first,      "b:1:45",  "s:80",       "b:1:90", "s:75",        "b:1:45",
            "s:70"};
}

double end_tension(const CliRun& run) {
    const std::string key = "\"forward_tension\":";
    const std::size_t last = run.out.rfind(key);
    return std::stod(run.out.substr(last + key.size()));
}

TEST(CliLinkRaceway, ALinksCoefficientOrLibraryEntryGivesThePublishedEndTensions) {
    EXPECT_NEAR(end_tension(run(published("s:100:f=0.5", "0.15"))), 9.26 + (0.5 - 0.15) * 14.4 *
                                                                               std::exp(0.15 * 180 / 57.3),
                0.005);
    EXPECT_NEAR(end_tension(run(published("s:100", "0.5"))), 66.38, 0.005);
    // Rollers first: the entry's 0.15 on the straight, the plan's 0.5 after it.
    const double rollers = end_tension(run(published("s:100:raceway=tray-rollers", "0.5")));
    EXPECT_NEAR(rollers, 66.38 - 0.35 * 14.4 * std::exp(0.5 * 180 / 57.3), 0.005);
    // A coefficient given beside the entry wins over the entry's.
    EXPECT_EQ(end_tension(run(published("s:100:raceway=tray-rollers:f=0.5", "0.5"))),
              end_tension(run(published("s:100", "0.5"))));
}

TEST(CliLinkRaceway, PrintsTheFieldsOnlyOfLinksWithARacewayAndRefusesWhatItCannotRead) {
    const auto out = lines(run({"pull", "s:100:raceway=tray-rollers", "b:3:90:f=0.4",
                                "s:50:id=4.026", "s:20"})
                               .out);
    EXPECT_TRUE(out[0].ends_with("\tf=0.15\traceway=tray-rollers\ttray")) << out[0];
    EXPECT_TRUE(out[1].ends_with("\tf=0.4")) << out[1];
    EXPECT_TRUE(out[2].ends_with("\tid=4.026")) << out[2];
    EXPECT_EQ(std::count(out[3].begin(), out[3].end(), '\t'), 7);
    for (const char* bad : {"s:100:f=-0.1", "s:100:f=0.1:f=0.2", "s:100:id=4:tray", "s:100:id=0",
                            "s:100:g=2", "s:100:raceway=no-such-entry"}) {
        const CliRun refused = run({"pull", bad});
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_EQ(refused.out, "") << bad;
    }
}

TEST(CliLinkRaceway, AUsersOwnEntryIsFoundAndAReportKeepsTheLinksRacewayInEveryUnit) {
    const test::TempFolder folder;
    const std::string user = folder.file("friction.json");
    std::ofstream(user) << R"({"format":"tensora-friction-library","version":1,"entries":[
        {"name":"my-duct","coefficient":0.27,"raceway":"HDPE duct","source":"measured"}]})";
    const std::string report = folder.file("plan.rtf");
    ASSERT_EQ(run({"pull", "--units", "si", "--save-report", report, "s:30:raceway=my-duct",
                   "b:1:90", "s:20:id=102.26"},
                  user)
                  .status,
              0);
    // Read back without the user's file: the coefficient saved with the link holds.
    const auto again = lines(run({"pull", "--units", "si", "--report", report}).out);
    ASSERT_GE(again.size(), 3u);
    EXPECT_TRUE(again[0].ends_with("\tf=0.27\traceway=my-duct")) << again[0];
    EXPECT_TRUE(again[2].ends_with("\tid=102.26")) << again[2]; // the millimetres as typed
    const auto inches = lines(run({"pull", "--report", report}).out);
    ASSERT_GE(inches.size(), 3u);
    EXPECT_NEAR(std::stod(inches[2].substr(inches[2].rfind("id=") + 3)), 102.26 / 25.4, 1e-12);
}

TEST(CliCompare, PrintsAnOptionALineInTheOrderGivenAndTheLowestHighestTensionAsBest) {
    const std::vector<std::string> plan{"--weight", "144", "--friction", "0.5", "--allowable",
                                        "50",       "s:100", "b:1:45", "s:80", "b:1:90",
                                        "s:75",     "b:1:45", "s:70"};
    std::vector<std::string> arguments{"compare", "--option", "friction=0.35,direction=forward",
                                       "--option", "friction=tray-rollers", "--option",
                                       "mid-assist=4"};
    arguments.insert(arguments.end(), plan.begin(), plan.end());
    const CliRun compared = run(arguments);
    ASSERT_EQ(compared.status, 0) << compared.err;
    const auto out = lines(compared.out);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0], "option\t1\t33\t30\t66\tPull OK"); // forward's 32.83 of 50
    EXPECT_TRUE(out[1].starts_with("option\t2\t9\t9\t")) << out[1];
    EXPECT_TRUE(out[2].starts_with("option\t3\t")) << out[2];
    EXPECT_EQ(out[3], "best\t2");
    for (const char* bad : {"friction=0.2,friction=0.3", "speed=2", "mid-assist=8",
                            "mid-assist=2,direction=reverse", "friction=no-such-entry"}) {
        std::vector<std::string> refused{"compare", "--option", bad};
        refused.insert(refused.end(), plan.begin(), plan.end());
        EXPECT_EQ(run(refused).status, 2) << bad;
    }
    EXPECT_EQ(run({"compare", "s:100"}).status, 2); // no option
}

TEST(CliInspection, BendRadiiAndStretchesArePrintedALineEachAndAPullPointSplitsTheRoute) {
    // A shielded cable of 1.6 in through bends of 18 in radius, each 90 degrees of its arc.
    const std::string bend = "b:" + std::to_string(18.0 / 12 * 90 / 57.3) + ":90";
    std::vector<std::string> arguments{"check", "--conduit-id", "5",  "--cable-od", "1.6",
                                       "--cables", "1",          "--cable-kind", "shielded",
                                       "s:10",     bend,         bend,  bend,       bend,
                                       bend,       "s:10"};
    auto out = lines(run(arguments).out);
    const auto line = [&out](const std::string& start) {
        const auto found = std::find_if(out.begin(), out.end(), [&start](const std::string& l) {
            return l.starts_with(start);
        });
        return found == out.end() ? std::string() : *found;
    };
    EXPECT_EQ(line("bend-radius\t2\t"), "bend-radius\t2\t18.00\t19.20\t19.20\tunder");
    EXPECT_EQ(line("bends\t"), "bends\t1\t7\t450\tover");
    arguments.insert(arguments.begin() + 1, {"--pull-point", "4"});
    out = lines(run(arguments).out);
    EXPECT_EQ(line("bends\t1"), "bends\t1\t3\t180\tok");
    EXPECT_EQ(line("bends\t5"), "bends\t5\t7\t180\tok");
    // The kind of a --cable group is its last field; a kind that is none is refused.
    EXPECT_EQ(run({"check", "--conduit-id", "5", "--cable", "1:1.6:2000:::::fibre", "s:10"}).status,
              0);
    EXPECT_EQ(run({"check", "--conduit-id", "5", "--cable", "1:1.6:2000:::::lead", "s:10"}).status,
              2);
    EXPECT_EQ(run({"check", "--conduit-id", "5", "--cable-od", "1", "--cables", "1",
                   "--cable-kind", "-3", "s:10"})
                  .status,
              2);
}

TEST(CliPullBox, PrintsThePublishedBoxAndRefusesASizeTheTableLacks) {
    EXPECT_EQ(run({"pullbox", "straight", "4", "2", "2", "2"}).out,
              "minimum-length\t32\nunit\tin\n");
    EXPECT_EQ(run({"pullbox", "angle", "3", "2"}).out,
              "to-opposite-wall\t20\nbetween-entries\t18\nunit\tin\n");
    EXPECT_EQ(run({"pullbox", "--units", "si", "straight", "53"}).out,
              "minimum-length\t424\nunit\tmm\n");
    const CliRun refused = run({"pullbox", "--standard", "emt", "straight", "6"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "tensora-cli: size \"6\" is not a trade size of EMT\n");
    EXPECT_TRUE(run({"pullbox", "u", "2", "--small-conductors"}).out.starts_with("note\t"));
}

TEST(CliLog, PrintsTheFittedCoefficientTheMaximaAndWhereTheLogPassesTheAllowable) {
    const test::TempFolder folder;
    const std::string path = folder.file("log.csv");
    std::ofstream(path) << "Distance (ft);Tension (lbf)\n0;0\n328;64\n";
    const std::vector<std::string> plan{"pull", "--weight", "144", "--friction", "0.5",
                                        "--allowable", "60", "--log", path, "s:100", "b:1:45",
                                        "s:80", "b:1:90", "s:75", "b:1:45", "s:70"};
    const auto out = lines(run(plan).out);
    ASSERT_GE(out.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(out.end() - 4, out.end()),
              (std::vector<std::string>{"fitted-friction\t0.4917", "measured-max\t64",
                                        "predicted-max\t66", "over-allowable\t328"}));
    std::ofstream(path) << "Distance (ft);Tension (lbf)\n0;0\n10;x\n";
    const CliRun bad = run(plan);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("Line 3 of the log cannot be read"), std::string::npos);
    EXPECT_EQ(run({"check", "--log", path, "s:10"}).status, 2); // pull's option alone
}

} // namespace
} // namespace tensora
