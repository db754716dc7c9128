// A job of 1,000 pulls of 50 links each: opened from its file and its schedule and cable to
// order computed, the target under one second.
#include "report/job.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tensora;

const NumberLocale kEnglish{".", ","};

// A pull of 50 links: straights and bends, each pull a little different.
std::string pull_report(int pull) {
    std::vector<PullLinkTexts> links;
    for (int i = 0; i < 50; ++i) {
        links.push_back(i % 2 ? PullLinkTexts{"Angle", "3", std::to_string(10 + (i + pull) % 60),
                                              std::to_string(i + 1)}
                              : PullLinkTexts{"Straight", std::to_string(20 + (i + pull) % 90),
                                              "0", std::to_string(i + 1)});
    }
    PullSettingsTexts settings;
    settings.friction = "0.35";
    settings.weight = "2000";
    settings.allowable = "8000";
    const PullResults results = pullcalc(links, settings, kEnglish);
    PullPlanReport plan{"PWR-" + std::to_string(pull % 7), settings.allowable, settings.weight,
                        settings.friction, "", {}};
    for (std::size_t i = 0; i < links.size(); ++i) {
        plan.links.push_back({links[i].number, links[i].type, links[i].length, links[i].angle,
                              std::string(results.forward[i]),
                              std::string(results.forward_sidewall[i]),
                              std::string(results.reverse[i]),
                              std::string(results.reverse_sidewall[i])});
    }
    return report_text({"bench", plan, {}});
}

std::string job_of_1000_pulls() {
    Job job;
    for (int i = 0; i < 1000; ++i) {
        const std::string from = "MH" + std::to_string(i);
        const std::string to = "MH" + std::to_string(i + 1);
        job.structure(from).slack = 10;
        job.structure(to);
        job.pulls.push_back({from, to, pull_report(i)});
    }
    return job_text(job);
}

void BM_OpenAndComputeAJobOf1000Pulls(benchmark::State& state) {
    const std::string text = job_of_1000_pulls();
    for (auto _ : state) {
        const JobFile file = read_job(text);
        benchmark::DoNotOptimize(job_schedule(file.job));
        benchmark::DoNotOptimize(cable_order(file.job));
    }
}
BENCHMARK(BM_OpenAndComputeAJobOf1000Pulls)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
