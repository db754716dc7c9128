// The pull plan as CSV for spreadsheets (RFC 4180: fields separated by commas, quoted where
// they hold a comma, a quote or a line break; lines ended by CR LF; UTF-8): a heading line,
// then one row a link with its texts as the planner shows them and the unrounded figures
// beside them.
#pragma once

#include "pullplan/pull_plan.h"
#include "report/report.h"

#include <string>
#include <vector>

namespace tensora {

// `texts` holds each link's columns as shown, `links` the same links as read; an unrounded
// figure that is not a finite number is an empty field.
std::string plan_csv(const std::vector<ReportLink>& texts, const std::vector<PullLinkValues>& links,
                     const PullResults& results);

// One field as RFC 4180 writes it.
std::string csv_field(std::string_view text);

} // namespace tensora
