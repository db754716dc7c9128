#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tensora {
namespace {

using test::CliRun;

CliRun run(const std::vector<std::string>& arguments) {
    return test::run_command_line(arguments);
}

std::string bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class CliJob : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string job = folder.file("job.json");

    // A report of a straight pull of `metres`, saved by pull (or by check, failing it).
    std::string report(const std::string& name, const std::string& metres, bool failing = false) {
        const std::string path = folder.file(name);
        std::vector<std::string> arguments{failing ? "check" : "pull", "--units", "si",
                                           "--description", "PWR-500", "--save-report", path,
                                           "s:" + metres};
        if (failing) {
            arguments.insert(arguments.end(), {"--conduit-id", "20", "--cable-od", "30",
                                               "--cables", "1"});
        }
        EXPECT_EQ(run(arguments).status, 0) << name;
        return path;
    }
};

TEST_F(CliJob, AScriptBuildsTheJobAndItsCableToOrder) {
    EXPECT_EQ(run({"job", job, "--add-pull", report("1.rtf", "50"), "--from", "MH1", "--to",
                   "MH2", "--units", "si", "--slack", "MH1=3"})
                  .status,
              0);
    EXPECT_EQ(run({"job", job, "--add-pull", report("2.rtf", "200"), "--from", "MH2", "--to",
                   "MH3"})
                  .status,
              0);
    EXPECT_EQ(run({"job", job, "--add-pull", report("3.rtf", "75"), "--from", "MH3", "--to",
                   "MH4", "--units", "si", "--slack", "MH4=3"})
                  .status,
              0);
    const std::string saved = bytes(job);
    const CliRun order = run({"job", job, "--order", "--units", "si"});
    EXPECT_EQ(order.status, 0);
    EXPECT_NE(order.out.find("pull\t2\tMH2\tMH3\t1 × PWR-500\t200.00\t"), std::string::npos)
        << order.out;
    EXPECT_NE(order.out.find("order\tPWR-500\t331.00\norder-total\t331.00\n"), std::string::npos);
    EXPECT_EQ(bytes(job), saved); // reading changes nothing
    EXPECT_EQ(run({"job", job, "--margin", "5"}).status, 0);
    EXPECT_NE(run({"job", job, "--order", "--units", "si"}).out.find("order-total\t341.25\n"),
              std::string::npos);
}

TEST_F(CliJob, APullFailingItsCheckEndsInStatusOneAndADamagedJobIsLeftAsItWas) {
    ASSERT_EQ(run({"job", job, "--add-pull", report("ok.rtf", "50"), "--from", "A", "--to", "B"})
                  .status,
              0);
    const CliRun failing = run(
        {"job", job, "--add-pull", report("tight.rtf", "50", true), "--from", "B", "--to", "C"});
    EXPECT_EQ(failing.status, 1);
    EXPECT_NE(failing.out.find("fails\t2\n"), std::string::npos) << failing.out;
    std::ofstream(job, std::ios::trunc) << "{\"format\": \"tensora-job\", \"version\": 1, ";
    const std::string damaged = bytes(job);
    const CliRun refused = run({"job", job, "--margin", "5"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("it is not a JSON document"), std::string::npos);
    EXPECT_EQ(bytes(job), damaged);
}

} // namespace
} // namespace tensora
