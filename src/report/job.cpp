#include "report/job.h"

#include "fill/conduit_tables.h"
#include "pullplan/option_compare.h"
#include "pullplan/pull_check.h"
#include "pullplan/tension_profile.h"
#include "report/report_settings.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace tensora {
namespace {

using Json = nlohmann::json;

const NumberLocale kJobFigures{".", ""};

constexpr std::pair<StructureKind, std::string_view> kKinds[] = {
    {StructureKind::Manhole, "manhole"},
    {StructureKind::Vault, "vault"},
    {StructureKind::PullBox, "pull-box"},
    {StructureKind::Equipment, "equipment"},
    {StructureKind::Other, "other"}};

// A pull as the calculation takes it: its links and settings, and the check's inputs where the
// report gives its conduit and cables.
struct ReadPull {
    std::vector<PullLinkValues> links;
    std::vector<std::string> angles;
    PullSettings settings;
    std::optional<CheckInputs> check;
    std::vector<CableGroupTexts> groups; // the cables pulled
    std::string description;
};

std::optional<CheckInputs> check_of(const CheckReport& check, const CableSetReport& set) {
    if (trimmed_blanks(check.conduit_id).empty() || set.groups.empty()) {
        return std::nullopt;
    }
    CheckInputTexts texts;
    texts.conduit_id = check.conduit_id;
    texts.min_clearance = check.min_clearance;
    texts.sidewall_limit = check.sidewall_limit;
    texts.bend_radius = check.bend_radius;
    texts.cable_kind = check.cable_kind;
    for (const CableArrangement arrangement :
         {CableArrangement::Automatic, CableArrangement::Triangular, CableArrangement::Cradled,
          CableArrangement::Diamond}) {
        if (arrangement_keyword(arrangement) == check.arrangement) {
            texts.arrangement = arrangement;
        }
    }
    if (const auto table = conduit_standard_by_key(check.standard)) {
        for (const ConduitSize& size : conduit_standard(*table).sizes) {
            if (size.trade_size == check.trade_size && !size.listed_area.empty()) {
                texts.conduit_area = std::string(size.listed_area);
            }
        }
    }
    texts.planner_group = false; // the set's groups hold the planner's cable too
    texts.groups = set.groups;
    texts.rule = tension_rule_by_key(set.rule).value_or(TensionRule::Planner);
    texts.eye_limit = set.eye_limit;
    texts.grip_limit = set.grip_limit;
    return read_check_inputs(texts, kJobFigures);
}

ReadPull read_pull(const JobPull& pull) {
    std::istringstream in(pull.report);
    const ReadReport report = read_report(in);
    const ReportSettings settings = report_settings(report);
    PullSettingsTexts texts;
    texts.friction = settings.friction.value_or(texts.friction);
    texts.allowable = settings.allowable.value_or(texts.allowable);
    texts.weight = settings.weight.value_or(texts.weight);
    texts.back_tension = settings.back_tension.value_or(texts.back_tension);
    texts.weight_across = settings.weight_across;
    texts.sheave_percent = settings.sheave_percent;
    if (settings.mid_assist_row) {
        texts.mid_assist = true;
        texts.selected = *settings.mid_assist_row;
    }
    ReadPull read;
    read.settings = read_pull_settings(texts, kJobFigures);
    for (const PullLinkTexts& link : settings.links) {
        read.links.push_back(read_link(link, kJobFigures));
        read.angles.push_back(link.angle);
    }
    read.description = settings.description.value_or("");
    if (settings.set) {
        read.groups = settings.set->groups;
        if (settings.check) {
            read.check = check_of(*settings.check, *settings.set);
        }
    }
    if (read.groups.empty()) {
        CableGroupTexts planner;
        planner.description = read.description;
        read.groups.push_back(planner);
    }
    return read;
}

// A cable as the order counts it: its description and its size.
std::string cable_key(const CableGroupTexts& group) {
    std::string key(trimmed_blanks(group.description));
    const std::string_view size = trimmed_blanks(group.size);
    if (!size.empty()) {
        key += (key.empty() ? "" : " ") + std::string(size);
    }
    return key.empty() ? std::string("cable") : key;
}

int count_of(const CableGroupTexts& group) {
    const double count = read_input(group.count, kJobFigures);
    return std::isfinite(count) && count >= 1 ? static_cast<int>(count) : 1;
}

} // namespace

std::optional<CheckInputs> report_check_inputs(const ReadReport& report) {
    const ReportSettings settings = report_settings(report);
    if (!settings.set || !settings.check) {
        return std::nullopt;
    }
    return check_of(*settings.check, *settings.set);
}

std::string_view structure_kind_key(StructureKind kind) {
    for (const auto& [known, key] : kKinds) {
        if (known == kind) {
            return key;
        }
    }
    return "other";
}

std::optional<StructureKind> structure_kind_by_key(std::string_view key) {
    for (const auto& [kind, name] : kKinds) {
        if (name == key) {
            return kind;
        }
    }
    return std::nullopt;
}

Structure& Job::structure(std::string_view name) {
    for (Structure& structure : structures) {
        if (structure.name == name) {
            return structure;
        }
    }
    structures.push_back({std::string(name)});
    return structures.back();
}

std::string job_text(const Job& job) {
    Json json = {{"format", kJobFormat}, {"version", kJobVersion}};
    if (job.margin) {
        json["margin"] = *job.margin;
    }
    Json structures = Json::array();
    for (const Structure& structure : job.structures) {
        structures.push_back({{"name", structure.name},
                              {"kind", structure_kind_key(structure.kind)},
                              {"slack", structure.slack}});
    }
    json["structures"] = std::move(structures);
    Json pulls = Json::array();
    for (const JobPull& pull : job.pulls) {
        pulls.push_back({{"from", pull.from}, {"to", pull.to}, {"report", pull.report}});
    }
    json["pulls"] = std::move(pulls);
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

JobFile read_job(std::string_view text) {
    JobFile file;
    Json json;
    try {
        json = Json::parse(text);
    } catch (const Json::exception&) {
        file.error = TENSORA_TEXT("Job", "it is not a JSON document");
        return file;
    }
    const auto string_of = [](const Json& item, const char* key) -> std::optional<std::string> {
        if (!item.is_object() || !item.contains(key) || !item[key].is_string()) {
            return std::nullopt;
        }
        return item[key].get<std::string>();
    };
    if (!json.is_object() || string_of(json, "format") != std::string(kJobFormat)) {
        file.error = TENSORA_TEXT("Job", "it is not a Tensora job");
        return file;
    }
    if (!json.contains("version") || !json["version"].is_number_integer() ||
        json["version"].get<int>() > kJobVersion) {
        file.error = TENSORA_TEXT("Job", "it was written by a later version of the program");
        return file;
    }
    const auto damaged = [&file](long long at) {
        //: %1 the number of the structure or pull that cannot be read.
        file.error = Message(TENSORA_TEXT("Job", "it is damaged at item %1")).count_arg(at);
        file.job = {};
        return file;
    };
    if (json.contains("margin")) {
        if (!json["margin"].is_number() || json["margin"].get<double>() < 0) {
            return damaged(0);
        }
        file.job.margin = json["margin"].get<double>();
    }
    if (!json.contains("structures") || !json["structures"].is_array() ||
        !json.contains("pulls") || !json["pulls"].is_array()) {
        return damaged(0);
    }
    long long at = 0;
    for (const Json& item : json["structures"]) {
        ++at;
        const auto name = string_of(item, "name");
        const auto kind = structure_kind_by_key(string_of(item, "kind").value_or(""));
        if (!name || name->empty() || !kind || !item.contains("slack") ||
            !item["slack"].is_number() || item["slack"].get<double>() < 0) {
            return damaged(at);
        }
        for (const Structure& other : file.job.structures) {
            if (other.name == *name) {
                return damaged(at);
            }
        }
        file.job.structures.push_back({*name, *kind, item["slack"].get<double>()});
    }
    for (const Json& item : json["pulls"]) {
        ++at;
        const auto from = string_of(item, "from");
        const auto to = string_of(item, "to");
        const auto report = string_of(item, "report");
        const auto known = [&file](const std::optional<std::string>& name) {
            return name && std::any_of(file.job.structures.begin(), file.job.structures.end(),
                                       [&name](const Structure& s) { return s.name == *name; });
        };
        if (!known(from) || !known(to) || !report) {
            return damaged(at);
        }
        file.job.pulls.push_back({*from, *to, *report});
    }
    return file;
}

std::vector<ScheduleRow> job_schedule(const Job& job) {
    std::vector<ScheduleRow> rows;
    const double limit = design_sidewall_limit(UnitSystem::InchPound);
    for (std::size_t i = 0; i < job.pulls.size(); ++i) {
        const JobPull& pull = job.pulls[i];
        const ReadPull read = read_pull(pull);
        ScheduleRow row;
        row.number = static_cast<int>(i) + 1;
        row.from = pull.from;
        row.to = pull.to;
        std::optional<Message> cables;
        for (const CableGroupTexts& group : read.groups) {
            //: A group of cables in the schedule: %1 how many, %2 the cable.
            Message part = Message(TENSORA_TEXT("Job", "%1 × %2"))
                               .count_arg(count_of(group))
                               .data(cable_key(group));
            cables = cables ? Message(TENSORA_TEXT("Plan", "%1, %2"))
                                  .nested(std::move(*cables))
                                  .nested(std::move(part))
                            : std::move(part);
        }
        row.cables = cables.value_or(Message());
        for (const PullLinkValues& link : read.links) {
            row.length += std::max(0.0, link.length);
        }
        PullResults results;
        calculate_pull(read.links, "", read.settings, results);
        const ProfileData profile =
            tension_profile({read.links, read.angles, read.settings, results});
        row.rise = profile.elevation.empty() ? 0 : profile.elevation.back().height;
        // The pull as it stands (its own mid-assist point, if it has one), judged as compared.
        CompareOption as_planned;
        if (read.settings.mid_assist && read.settings.selected >= 0) {
            as_planned.mid_assist = static_cast<std::size_t>(read.settings.selected);
        }
        const Comparison compared = compare_options(
            read.links, read.settings, read.check, read.check ? read.check->sidewall_limit : limit,
            {as_planned}, UnitSystem::InchPound);
        const ComparedOption& option = compared.options.front();
        row.forward_max = option.forward_max;
        row.reverse_max = option.reverse_max;
        row.share = option.percent;
        row.sidewall = option.sidewall;
        row.verdict = option.verdict;
        row.ok = option.ok;
        row.checked = read.check.has_value();
        const PullAdvice advice = advise_pull(read.links, read.settings, BearingLimit(limit),
                                              UnitSystem::InchPound);
        row.direction = advice.direction;
        row.mid_assist = advice.mid_assist;
        rows.push_back(std::move(row));
    }
    return rows;
}

CableOrder cable_order(const Job& job) {
    struct Cable {
        double pulled = 0;
        int count = 1;
        std::set<std::string> structures;
    };
    std::map<std::string, Cable> cables;
    std::vector<std::string> order; // as first met
    for (const JobPull& pull : job.pulls) {
        const ReadPull read = read_pull(pull);
        double length = 0;
        for (const PullLinkValues& link : read.links) {
            length += std::max(0.0, link.length);
        }
        for (const CableGroupTexts& group : read.groups) {
            const std::string key = cable_key(group);
            if (!cables.contains(key)) {
                order.push_back(key);
            }
            Cable& cable = cables[key];
            const int count = count_of(group);
            cable.pulled += length * count;
            cable.count = std::max(cable.count, count);
            cable.structures.insert(pull.from);
            cable.structures.insert(pull.to);
        }
    }
    CableOrder result;
    for (const std::string& key : order) {
        const Cable& cable = cables[key];
        double length = cable.pulled;
        if (job.margin) {
            length += cable.pulled * *job.margin / 100;
        } else {
            for (const Structure& structure : job.structures) {
                if (cable.structures.contains(structure.name)) {
                    length += structure.slack * cable.count;
                }
            }
        }
        result.lines.push_back({key, length});
        result.total += length;
    }
    return result;
}

} // namespace tensora
