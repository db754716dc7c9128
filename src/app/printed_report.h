// The report for people: what the printed and PDF report show, gathered from the planner, the
// fill ratio window and the document, as plain texts and numbers.
#pragma once

#include "app/report.h"
#include "pullplan/tension_profile.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

struct PrintedReport {
    std::string date;      // as the user's locale writes it
    std::string file_name; // the report file last saved or opened, empty when none
    PullPlanReport plan;   // the planner's texts
    std::string lubricant; // empty when none was chosen
    int forward_percent = 0;
    int reverse_percent = 0;
    std::vector<bool> over_limit; // per link: a tension beyond the allowable tension
    ProfileData profile;
    std::optional<FillReport> fill; // when the fill ratio window has cables
};

// Which links have a tension, either way, beyond the allowable tension (none when the
// allowable tension is not a positive number).
std::vector<bool> links_over_limit(const PullResults& results, double allowable);

} // namespace tensora
