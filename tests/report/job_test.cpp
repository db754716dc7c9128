#include "report/job.h"
#include "support/messages.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

// A pull's report: straights of the lengths given (ft) and a 90 degree bend between them.
std::string pull_report(const std::vector<double>& lengths, const std::string& allowable = "5000",
                        const std::string& description = "PWR-500") {
    std::vector<PullLinkTexts> links;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (i > 0) {
            links.push_back({"Angle", "3", "90", ""});
        }
        links.push_back({"Straight", general_number_text(lengths[i]), "0", ""});
    }
    PullSettingsTexts settings;
    settings.friction = "0.35";
    settings.weight = "2000";
    settings.allowable = allowable;
    const PullResults results = pullcalc(links, settings, kEnglish);
    PullPlanReport plan{description, settings.allowable, settings.weight, settings.friction,
                        english_text(results.caption), {}};
    for (std::size_t i = 0; i < links.size(); ++i) {
        plan.links.push_back({std::to_string(i + 1), links[i].type, links[i].length,
                              links[i].angle, std::string(results.forward[i]),
                              std::string(results.forward_sidewall[i]),
                              std::string(results.reverse[i]),
                              std::string(results.reverse_sidewall[i])});
    }
    return report_text({"job-pull", plan, {}});
}

// Three pulls of 50, 200 (a 3 ft bend between two straights) and 75 m between four manholes,
// 3 m of slack at the first and last and none between.
Job three_pulls() {
    const double metre = 1 / 0.3048;
    Job job;
    for (const auto& [name, slack] : {std::pair{"MH1", 3.0}, std::pair{"MH2", 0.0},
                                      std::pair{"MH3", 0.0}, std::pair{"MH4", 3.0}}) {
        job.structures.push_back({name, StructureKind::Manhole, slack * metre});
    }
    job.pulls = {{"MH1", "MH2", pull_report({50 * metre})},
                 {"MH2", "MH3", pull_report({100 * metre, 100 * metre - 3}, "1500")},
                 {"MH3", "MH4", pull_report({75 * metre})}};
    return job;
}

TEST(Job, TheCableToOrderIsThePulledLengthsAndTheSlackOrTheMargin) {
    Job job = three_pulls();
    const CableOrder slack = cable_order(job);
    ASSERT_EQ(slack.lines.size(), 1u);
    EXPECT_EQ(slack.lines[0].cable, "PWR-500");
    EXPECT_NEAR(slack.total * 0.3048, 331, 1e-9);
    job.margin = 5;
    EXPECT_NEAR(cable_order(job).total * 0.3048, 341.25, 1e-9);
    // A structure the cable passes through counts its slack once, not once a pull.
    job.margin.reset();
    job.structures[1].slack = 1 / 0.3048;
    EXPECT_NEAR(cable_order(job).total * 0.3048, 332, 1e-9);
}

TEST(Job, AJobSavedAndReadBackIsTheSameJobAndSchedule) {
    Job job = three_pulls();
    job.margin = 2.5;
    const std::string text = job_text(job);
    const JobFile back = read_job(text);
    ASSERT_TRUE(back.error.empty()) << english_text(back.error);
    EXPECT_EQ(back.job, job);
    EXPECT_EQ(job_text(back.job), text);
    const auto rows = job_schedule(back.job);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].from, "MH2");
    EXPECT_NEAR(rows[1].length, 200 / 0.3048, 1e-9);
    EXPECT_EQ(english_text(rows[1].cables), "1 × PWR-500");
    // The middle pull bears the most of its allowable tension: the hardest.
    EXPECT_GT(*rows[1].share, *rows[0].share);
    EXPECT_GT(*rows[1].share, *rows[2].share);
    EXPECT_EQ(rows[1].forward_max, std::max(rows[1].forward_max, rows[1].reverse_max));
}

TEST(Job, AFileThatIsNoJobOrIsDamagedIsRefusedWithTheReason) {
    EXPECT_EQ(english_text(read_job("{ not json").error), "it is not a JSON document");
    EXPECT_EQ(english_text(read_job("{\"format\":\"tensora-friction-library\"}").error),
              "it is not a Tensora job");
    std::string text = job_text(three_pulls());
    text.replace(text.find("\"MH4\""), 5, "\"MH9\""); // the last structure renamed
    const JobFile damaged = read_job(text);
    EXPECT_EQ(english_text(damaged.error), "it is damaged at item 7"); // the third pull
    EXPECT_TRUE(damaged.job.pulls.empty());
    std::string negative = job_text(three_pulls());
    negative.replace(negative.find("\"slack\": 0"), 11, "\"slack\": -1");
    EXPECT_EQ(english_text(read_job(negative).error), "it is damaged at item 2");
    std::string later = job_text(three_pulls());
    later.replace(later.find("\"version\": 1"), 12, "\"version\": 2");
    EXPECT_EQ(english_text(read_job(later).error),
              "it was written by a later version of the program");
}

} // namespace
} // namespace tensora
