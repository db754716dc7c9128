// A job of many pulls: structures (manholes, vaults, pull boxes, equipment) and the pulls
// between them, each carrying everything a plan carries (kept as its report, in the report's
// one form); the schedule of every pull, and the cable to order. A job is one JSON file.
#pragma once

#include "numbers/message.h"
#include "pullplan/pull_advice.h"
#include "pullplan/pull_check.h"
#include "report/report.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tensora {

enum class StructureKind { Manhole, Vault, PullBox, Equipment, Other };
std::string_view structure_kind_key(StructureKind kind); // "manhole", "vault", "pull-box", ...
std::optional<StructureKind> structure_kind_by_key(std::string_view key);

struct Structure {
    std::string name;
    StructureKind kind = StructureKind::Other;
    double slack = 0; // ft of each cable left in it
    bool operator==(const Structure&) const = default;
};

struct JobPull {
    std::string from;
    std::string to;
    std::string report; // the pull's report text
    bool operator==(const JobPull&) const = default;
};

struct Job {
    std::vector<Structure> structures;
    std::vector<JobPull> pulls;
    // A share of each pulled length ordered instead of the structures' slack, per cent.
    std::optional<double> margin;
    bool operator==(const Job&) const = default;

    // The structure of a name, made (of kind other, no slack) when the job has none yet.
    Structure& structure(std::string_view name);
};

inline constexpr std::string_view kJobFormat = "tensora-job";
inline constexpr int kJobVersion = 1;

// The job's file: JSON, its figures in one form (a decimal point) whatever the locale.
std::string job_text(const Job& job);
// The job of a file's text, or why it is none (not JSON, not a job, a later version, a pull
// naming a structure the job lacks).
struct JobFile {
    Job job;
    Message error;
};
JobFile read_job(std::string_view text);

// One pull of the schedule. Tensions lbs, lengths ft, pressures lbs/ft.
struct ScheduleRow {
    int number = 0; // from 1, in the job's order
    std::string from;
    std::string to;
    Message cables;  // "3 × PWR-500"
    double length = 0;
    double rise = 0; // the route's end above its start
    double forward_max = 0;
    double reverse_max = 0;
    std::optional<double> share; // per cent of the allowable tension, the lower end pulled
    std::optional<double> sidewall;
    PullDirection direction = PullDirection::Either;
    std::optional<std::size_t> mid_assist; // the advised point's row
    Message verdict;
    bool ok = true;
    bool checked = false; // the pull check's verdict (its conduit and cables given)
};
std::vector<ScheduleRow> job_schedule(const Job& job);

// The pull check's inputs a report holds (its conduit and its set of cables), if it holds them.
std::optional<CheckInputs> report_check_inputs(const ReadReport& report);

// The cable to order: per cable (by description and size) its pulled lengths, plus the slack
// at each structure it passes or ends in, or the job's margin of the pulled length instead.
struct OrderLine {
    std::string cable;
    double length = 0; // ft
};
struct CableOrder {
    std::vector<OrderLine> lines;
    double total = 0;
};
CableOrder cable_order(const Job& job);

} // namespace tensora
