#include "cli/pull_command.h"

#include "cli/cli_options.h"
#include "cli/json_document.h"

#include "cables/friction_library.h"
#include "cli/cli.h"
#include "numbers/input_checks.h"
#include "numbers/shown_figures.h"
#include "pullplan/pull_advice.h"
#include "pullplan/pull_check.h"
#include "pullplan/pull_plan.h"
#include "pullplan/tension_profile.h"
#include "report/file_saving.h"
#include "report/job.h"
#include "report/plan_csv.h"
#include "report/printed_report.h"
#include "report/report.h"
#include "report/report_figures.h"
#include "report/report_settings.h"
#include "routes/route_import.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <list>
#include <optional>
#include <ostream>
#include <sstream>

namespace tensora {
namespace {

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> list;
    std::istringstream stream{std::string(line)};
    for (std::string word; stream >> word;) {
        list.push_back(word);
    }
    return list;
}

// A link as "Submit" would add it: the length and the angle must be numbers, an incline one
// from -90 to 90 degrees. They are kept as given, without the blanks around them, so that the
// output keeps one field each.
std::optional<PullLinkTexts> checked_link(std::string_view type, std::string_view length,
                                          std::string_view angle, bool inclined = false) {
    if (!isNumberText(length, kEnglish) || !isNumberText(angle, kEnglish) ||
        breaks_output_shape(length) || breaks_output_shape(angle) ||
        (inclined && !is_incline_text(angle, kEnglish))) {
        return std::nullopt;
    }
    return PullLinkTexts{std::string(type), std::string(trimmed_blanks(length)),
                         std::string(trimmed_blanks(angle)), "", inclined};
}

// The words that name each kind of link, on the command line or in a plan file.
struct LinkWords {
    std::string_view straight;
    std::string_view left; // a horizontal bend, turning left
    std::string_view right;
    std::string_view up;
    std::string_view down;
    std::string_view tilted;
};
constexpr LinkWords kArgumentWords{"s", "b", "r", "u", "d", "t"};

// A link of the command line or a plan file from its words: a straight with its length (and
// an incline), a bend with its length and angle (a tilted bend with its tilt too, from -180 to
// 180 degrees). In a plan file a horizontal bend turning right is "Angle L A right".
std::optional<PullLinkTexts> link_of(const std::vector<std::string>& words, const LinkWords& names,
                                     bool file) {
    if (words.empty()) {
        return std::nullopt;
    }
    const std::string_view kind = words[0];
    if (kind == names.straight && (words.size() == 2 || words.size() == 3)) {
        return words.size() == 2 ? checked_link(kStraightType, words[1], "0")
                                 : checked_link(kStraightType, words[1], words[2], true);
    }
    std::optional<PullLinkTexts> link;
    if (kind == names.tilted && words.size() == 4) {
        link = checked_link(kTiltedType, words[1], words[2]);
        if (link && (!is_tilt_text(words[3], kEnglish) || breaks_output_shape(words[3]))) {
            return std::nullopt;
        }
        if (link) {
            link->tilt = std::string(trimmed_blanks(words[3]));
        }
        return link;
    }
    const bool right_word = file && words.size() == 4 && words[3] == kRightWord;
    if (words.size() != 3 && !right_word) {
        return std::nullopt;
    }
    if (kind == names.left || (!file && kind == names.right)) {
        link = checked_link(kBendType, words[1], words[2]);
        if (link) {
            link->right = right_word || (!file && kind == names.right);
        }
    } else if ((kind == names.up || kind == names.down) && !right_word) {
        link = checked_link(kind == names.up ? kUpType : kDownType, words[1], words[2]);
    }
    return link;
}

// The fields that may end a link's words and give its raceway: its own coefficient of
// friction (f=MU, a number from 0), a friction library entry (raceway=NAME), a conduit's inside
// diameter from this link on (id=D, a positive number in the units of --units) or cable tray
// (tray). They are taken off the words; nothing when one is given twice or cannot be read.
std::optional<LinkRaceway> take_raceway_words(std::vector<std::string>& words) {
    LinkRaceway raceway;
    const auto number = [](std::string_view text, bool positive) {
        if (!isNumberText(text, kEnglish) || breaks_output_shape(text)) {
            return false;
        }
        const double value = read_input(text, kEnglish);
        return std::isfinite(value) && (positive ? value > 0 : value >= 0);
    };
    while (words.size() > 1) {
        const std::string& word = words.back();
        const auto value = [&word](std::string_view key) {
            return std::string(trimmed_blanks(std::string_view(word).substr(key.size())));
        };
        if (word == "tray" && !raceway.tray) {
            raceway.tray = true;
        } else if (word.starts_with("f=") && raceway.friction.empty()) {
            raceway.friction = value("f=");
            if (!number(raceway.friction, false)) {
                return std::nullopt;
            }
        } else if (word.starts_with("raceway=") && raceway.name.empty()) {
            raceway.name = value("raceway=");
            if (raceway.name.empty() || breaks_output_shape(raceway.name)) {
                return std::nullopt;
            }
        } else if (word.starts_with("id=") && raceway.id.empty()) {
            raceway.id = value("id=");
            if (!number(raceway.id, true)) {
                return std::nullopt;
            }
        } else if (word.find('=') != std::string::npos || word == "tray") {
            return std::nullopt; // a field given twice, or one this program does not know
        } else {
            break;
        }
        words.pop_back();
    }
    if (raceway.tray && !raceway.id.empty()) {
        return std::nullopt; // a tray has no inside diameter
    }
    return raceway;
}

// A link of the command line or a plan file with its raceway fields.
std::optional<PullLinkTexts> link_with_raceway(std::vector<std::string> words,
                                               const LinkWords& names, bool file) {
    const std::optional<LinkRaceway> raceway = take_raceway_words(words);
    if (!raceway) {
        return std::nullopt;
    }
    std::optional<PullLinkTexts> link = link_of(words, names, file);
    if (link) {
        link->raceway = *raceway;
    }
    return link;
}

PullLinkTexts link_argument(const std::string& argument) {
    const std::optional<PullLinkTexts> link =
        link_with_raceway(split(argument, ':'), kArgumentWords, false);
    if (!link) {
        throw CliRefusal{"tensora-cli: " +
                         argument_message("link", argument,
                                          "malformed (expected s:LENGTH[:INCLINE], "
                                          "b|r|u|d:LENGTH:ANGLE or t:LENGTH:ANGLE:TILT with "
                                          "numbers, an incline from -90 to 90, a tilt from -180 "
                                          "to 180, and at the end any of f=MU, raceway=NAME, "
                                          "id=D or tray, each once)")};
    }
    return *link;
}

void read_plan_file(const std::string& path, std::vector<PullLinkTexts>& links) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw CliRefusal{"tensora-cli: " + argument_message("plan file", path, "cannot be read")};
    }
    int line_number = 0;
    for (std::string line; std::getline(file, line);) {
        ++line_number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const auto fields = words(line);
        if (fields.empty() || fields[0].front() == '#') {
            continue;
        }
        const std::optional<PullLinkTexts> link = link_with_raceway(
            fields, {kStraightType, kBendType, "", kUpType, kDownType, kTiltedType}, true);
        if (!link) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("plan file " + quoted_argument(path) + ", line " +
                                                  std::to_string(line_number),
                                              line,
                                              "malformed link (expected Straight L [I], Angle L "
                                              "A [right], Up|Down L A, Tilted L A T, and at the "
                                              "end any of f=MU, raceway=NAME, id=D or tray)")};
        }
        links.push_back(*link);
    }
    if (file.bad()) {
        throw CliRefusal{"tensora-cli: " + argument_message("plan file", path, "cannot be read")};
    }
}

// The cable texts and links of a saved report; the options given beside it win. What the
// report could not give whole is said on the error stream; a file that is no report, or a
// plan longer than a plan may be, cannot be run.
void take_read_report(const ReadReport& report, const std::string& path, PullRequest& request,
                      const std::vector<std::string>& given);

void read_report_option(const std::string& path, PullRequest& request,
                        const std::vector<std::string>& given) {
    const ReportFile file = read_report_file(std::filesystem::path(path));
    if (!file.read) {
        throw CliRefusal{"tensora-cli: " +
                         argument_message("report", path,
                                          "cannot be read (" + english_text(file.reason) + ")")};
    }
    take_read_report(file.report, path, request, given);
}

// A report read: its cable texts and links; the options given beside it win. What the report
// could not give whole is said on the error stream; a file that is no report, or a plan longer
// than a plan may be, cannot be run.
void take_read_report(const ReadReport& report, const std::string& path, PullRequest& request,
                      const std::vector<std::string>& given) {
    const auto refused = [&path](const std::string& why) {
        return CliRefusal{"tensora-cli: " + argument_message("report", path, why)};
    };
    if (!report.is_report) {
        throw refused("not a Tensora report");
    }
    if (report.links_beyond_limit > 0) {
        throw refused("holds more than " + std::to_string(kMaxLinks) +
                      " links; a plan holds at most " + std::to_string(kMaxLinks) + " links");
    }
    const auto is_given = [&given](std::string_view option) {
        return std::find(given.begin(), given.end(), option) != given.end();
    };
    const ReportSettings settings = report_settings(report);
    const auto take = [&is_given](std::string_view option, const std::optional<std::string>& value,
                                  std::string& into) {
        if (value && !is_given(option)) {
            into = *value;
        }
    };
    take("--description", settings.description, request.description);
    take("--allowable", settings.allowable, request.settings.allowable);
    take("--weight", settings.weight, request.settings.weight);
    take("--friction", settings.friction, request.settings.friction);
    take("--back-tension", settings.back_tension, request.settings.back_tension);
    request.route_source = settings.route_source;
    if (report.bend_weight && !is_given("--bend-weight")) {
        request.settings.weight_across = settings.weight_across;
    }
    request.settings.sheave_percent = settings.sheave_percent;
    request.report_equipment = settings.equipment;
    request.kept = kept_parts(report);
    const std::string from = "tensora-cli: report " + quoted_argument(path) + ": ";
    if (report.has_plan && !report.back_tension && !is_given("--back-tension")) {
        request.notes.push_back(from +
                                "holds no back tension (saved before back tensions were); "
                                "the back tension is " +
                                request.settings.back_tension + " lbs");
    }
    if (report.decimal_commas) {
        request.notes.push_back(from +
                                "saved with decimal commas by an earlier version; its figures "
                                "were read that way");
    }
    for (const Message& note : report.figure_notes) {
        request.notes.push_back(from + english_text(note));
    }
    for (const Message& note : report.notes) {
        request.notes.push_back(from + english_text(note));
    }
    request.links = settings.links;
    if (settings.mid_assist_row) {
        request.settings.mid_assist = true;
        request.settings.selected = *settings.mid_assist_row;
    }
}

} // namespace

namespace {

// A whole regular file's bytes (a device or a folder is not read); false when it cannot be.
bool read_whole_file(const std::string& path, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    text = bytes.str();
    return file.good() || file.eof();
}

// --route and the options that say how to read it.
struct RouteArguments {
    std::optional<std::string> file;
    std::optional<std::string> units;  // ft, in, m or mm
    std::optional<std::string> radius; // in the units of --units
    std::string layer;
    std::optional<std::string> entity;
};

// What the arguments ask for beyond the request's own fields, kept for the later steps.
struct PullArguments {
    RouteArguments route;
    std::vector<std::string> sheaves;     // the links of --sheave, as given
    std::vector<std::string> pull_points; // the links of --pull-point, as given
    std::optional<std::string> plan_file;
    std::optional<std::string> mid_assist;
    std::vector<std::string> links;
    std::vector<std::string> given; // the options that hold a cable text

    bool is_given(std::string_view option) const {
        return std::find(given.begin(), given.end(), option) != given.end();
    }
};

// The options of pull, each taken as it is met.
void add_pull_options(CommandOptions& options, PullRequest& request, PullArguments& taken) {
    const std::pair<std::string, std::string*> texts[] = {
        {"--friction", &request.settings.friction},
        {"--weight", &request.settings.weight},
        {"--allowable", &request.settings.allowable},
        {"--description", &request.description},
        {"--back-tension", &request.settings.back_tension}};
    for (const auto& [name, text] : texts) {
        options.value(name, [&taken, name = name, text = text](const std::string& value) {
            taken.given.push_back(name);
            *text = value;
        });
    }
    const std::pair<std::string, std::optional<std::string>*> files[] = {
        {"--report", &request.report_file},
        {"--pdf", &request.pdf},
        {"--csv", &request.csv},
        {"--save-report", &request.save_report},
        {"--mid-assist", &taken.mid_assist},
        {"--plan", &taken.plan_file},
        {"--route", &taken.route.file},
        {"--route-units", &taken.route.units},
        {"--route-radius", &taken.route.radius},
        {"--entity", &taken.route.entity}};
    for (const auto& [name, file] : files) {
        options.value(name, [file = file](const std::string& value) { *file = value; });
    }
    options.flag("--json", [&request] { request.json = true; });
    options.value("--log", [&request](const std::string& value) { request.log_file = value; });
    options.value("--log-direction", [&request](const std::string& value) {
        if (value != "forward" && value != "reverse") {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("log-direction", value, "not forward or reverse")};
        }
        request.log_reverse = value == "reverse";
    });
    options.value("--log-force", [&request](const std::string& value) {
        request.log_options.force = log_force_by_key(value);
        if (!request.log_options.force) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("log-force", value, "not lbf, n, kn or kgf")};
        }
    });
    options.value("--log-length", [&request](const std::string& value) {
        request.log_options.length = log_length_by_key(value);
        if (!request.log_options.length) {
            throw CliRefusal{"tensora-cli: " + argument_message("log-length", value, "not ft or m")};
        }
    });
    options.value("--log-speed", [&request](const std::string& value) {
        if (!isNumberText(value, kEnglish) || !(read_input(value, kEnglish) > 0)) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("log-speed", value, "not a positive number")};
        }
        request.log_options.speed = read_input(value, kEnglish);
    });
    options.value("--sheave",
                  [&taken](const std::string& value) { taken.sheaves.push_back(value); });
    options.value("--pull-point",
                  [&taken](const std::string& value) { taken.pull_points.push_back(value); });
    options.value("--layer", [&taken](const std::string& value) { taken.route.layer = value; });
    options.value("--bend-weight", [&request, &taken](const std::string& key) {
        const std::optional<bool> across = bend_weight_by_key(key);
        if (!across) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("bend-weight", key, "not plane or all")};
        }
        request.settings.weight_across = *across;
        taken.given.push_back("--bend-weight");
    });
    options.value("--units", [&request](const std::string& value) {
        request.units = units_value(value);
        request.units_named = true;
    });
}

// A metric pull without an option or a report starts from the round metric design values;
// a report's inch-pound figures are shown in the units asked for, remembered so that the
// report saved again holds the texts it was read as.
void take_units(PullRequest& request, const PullArguments& taken) {
    if (!request.report_file && request.units == UnitSystem::Metric) {
        if (!taken.is_given("--allowable")) {
            request.settings.allowable = design_allowable_text(request.units);
        }
        if (!taken.is_given("--weight")) {
            request.settings.weight = design_weight_text(request.units);
        }
    }
    if (!request.report_file || request.units == UnitSystem::InchPound) {
        return;
    }
    PullRequest::ReportMemos& memos = request.from_report;
    const auto shown = [&request](std::string& text, SwitchMemo& memo, Quantity quantity) {
        text = switched_text(text, memo, quantity, UnitSystem::InchPound, request.units, kEnglish,
                             SwitchDigits::Exact);
    };
    memos.lengths.resize(request.links.size());
    memos.raceway_ids.resize(request.links.size());
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        shown(request.links[i].length, memos.lengths[i], Quantity::Length);
        if (!request.links[i].raceway.id.empty()) {
            shown(request.links[i].raceway.id, memos.raceway_ids[i], Quantity::Diameter);
        }
    }
    const std::tuple<std::string_view, std::string*, SwitchMemo*, Quantity> boxes[] = {
        {"--allowable", &request.settings.allowable, &memos.allowable, Quantity::Tension},
        {"--weight", &request.settings.weight, &memos.weight, Quantity::Weight},
        {"--back-tension", &request.settings.back_tension, &memos.back_tension, Quantity::Tension}};
    for (const auto& [option, text, memo, quantity] : boxes) {
        if (!taken.is_given(option)) {
            shown(*text, *memo, quantity);
        }
    }
}

// The friction library entries the links name: an entry gives its link its coefficient (where
// the link gives none of its own) and, for cable tray, the tray. A name the library does not
// have cannot be run, unless the link has its coefficient (a report's link keeps the one it
// was saved with, wherever it is read).
void take_library_entries(PullRequest& request, const CliServices& services) {
    const bool named = std::any_of(request.links.begin(), request.links.end(),
                                   [](const PullLinkTexts& link) {
                                       return !link.raceway.name.empty();
                                   });
    if (!named) {
        return;
    }
    const LoadedLibrary loaded =
        load_friction_library(services.data_folders, services.user_friction_file);
    for (const Message& note : loaded.notes) {
        request.notes.push_back("tensora-cli: " + english_text(note));
    }
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        LinkRaceway& raceway = request.links[i].raceway;
        if (raceway.name.empty()) {
            continue;
        }
        const FrictionEntry* entry = loaded.library.find(raceway.name);
        if (!entry && !raceway.friction.empty()) {
            continue; // a report's link keeps the coefficient it was saved with
        }
        if (!entry) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("link " + std::to_string(i + 1) + " raceway",
                                              raceway.name,
                                              loaded.shipped_file.empty()
                                                  ? "no friction library was found"
                                                  : "no entry of the friction library")};
        }
        if (raceway.friction.empty()) {
            raceway.friction = general_number_text(entry->coefficient);
        }
        if (entry->kind == RacewayKind::Tray && raceway.id.empty()) {
            raceway.tray = true;
        }
    }
}

// The links of the plan file and of the arguments after the report's, each one a link can
// be, numbered 1, 2, ...
void take_links(PullRequest& request, const PullArguments& taken) {
    if (taken.plan_file) {
        read_plan_file(*taken.plan_file, request.links);
    }
    for (const std::string& argument : taken.links) {
        request.links.push_back(link_argument(argument));
    }
    if (request.links.size() > static_cast<std::size_t>(kMaxLinks)) {
        throw CliRefusal{"tensora-cli: a plan holds at most " + std::to_string(kMaxLinks) +
                         " links"};
    }
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        PullLinkTexts& link = request.links[i];
        if (const auto refusal = link_angle_refusal(link.type, read_input(link.angle, kEnglish))) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("link " + std::to_string(i + 1),
                                              link.type + ' ' + link.length + ' ' + link.angle,
                                              *refusal)};
        }
        link.number = std::to_string(i + 1);
    }
}

// The links of the route file of --route, read as its content says (a DXF drawing, a LandXML
// document, else points), in the units of --route-units or the file's own, its bends without
// a radius of their own taking --route-radius (3 ft or 1 m).
void take_route(PullRequest& request, const RouteArguments& route) {
    const auto refuse = [&route](const std::string& why) {
        return CliRefusal{"tensora-cli: route " + quoted_argument(*route.file) + ": " + why};
    };
    std::optional<double> feet_per_unit;
    if (route.units) {
        feet_per_unit = feet_per_route_unit(*route.units);
        if (!feet_per_unit) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("route-units", *route.units, "not ft, in, m or mm")};
        }
    }
    double radius = request.units == UnitSystem::Metric ? 1 / kMetresPerFoot : 3;
    if (route.radius) {
        if (!isNumberText(*route.radius, kEnglish) || !(read_input(*route.radius, kEnglish) > 0)) {
            throw CliRefusal{"tensora-cli: " + argument_message("route-radius", *route.radius,
                                                                "not a positive number")};
        }
        radius =
            inch_pound_value(read_input(*route.radius, kEnglish), Quantity::Length, request.units);
    }
    int entity = 0;
    if (route.entity) {
        const auto [end, ec] = std::from_chars(route.entity->data(),
                                               route.entity->data() + route.entity->size(), entity);
        if (ec != std::errc() || end != route.entity->data() + route.entity->size() || entity < 1) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("entity", *route.entity, "not a path's number")};
        }
    }
    std::string text;
    if (!read_whole_file(*route.file, text)) {
        throw refuse("cannot be read");
    }
    RouteFile file = read_route_text(text);
    if (!file.error.empty()) {
        throw refuse(english_text(file.error));
    }
    if (!feet_per_unit) {
        feet_per_unit = file.feet_per_unit;
    }
    if (!feet_per_unit) {
        throw refuse("the file does not say its units: give --route-units ft, in, m or mm");
    }
    const RouteChoice choice =
        choose_route_path(file, route.layer, entity, *feet_per_unit, request.units);
    if (!choice.path) {
        throw refuse(english_text(choice.error));
    }
    ImportedRoute imported =
        import_route(in_feet(*choice.path, *feet_per_unit), radius, request.units);
    if (!imported.error.empty()) {
        throw refuse(english_text(imported.error));
    }
    // What the reader or the import changed of the file's route is said with it.
    const std::string from = "tensora-cli: route " + quoted_argument(*route.file) + ": ";
    for (const Message& note : choice.path->notes) {
        request.notes.push_back(from + english_text(note));
    }
    if (imported.summary.merged > 0) {
        request.notes.push_back(from +
                                english_text(route_summary(imported.summary, request.units)));
    }
    for (PullLinkTexts& link : imported.links) {
        request.links.push_back(std::move(link));
    }
    const std::string units_key =
        route.units ? *route.units : general_number_text(*feet_per_unit) + " ft per unit";
    request.route_source = route_source_text(
        *route.file, *choice.path, units_key,
        general_number_text(shown_value(radius, Quantity::Length, request.units)) + " " +
            std::string(unit_symbol(Quantity::Length, request.units)));
}

// The bends --sheave marks as turned on a sheave.
void take_sheaves(PullRequest& request, const std::vector<std::string>& sheaves) {
    for (const std::string& text : sheaves) {
        int link = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), link);
        if (ec != std::errc() || end != text.data() + text.size() || link < 1 ||
            static_cast<std::size_t>(link) > request.links.size() ||
            request.links[static_cast<std::size_t>(link) - 1].type == kStraightType) {
            throw CliRefusal{"tensora-cli: " + argument_message("sheave", text,
                                                                "not the number of a bend of the "
                                                                "plan")};
        }
        request.links[static_cast<std::size_t>(link) - 1].sheave = true;
    }
}

// The links --pull-point marks as pull points (a pull box, a conduit body with a cover).
void take_pull_points(PullRequest& request, const std::vector<std::string>& points) {
    for (const std::string& text : points) {
        int link = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), link);
        if (ec != std::errc() || end != text.data() + text.size() || link < 1 ||
            static_cast<std::size_t>(link) > request.links.size()) {
            throw CliRefusal{"tensora-cli: " + argument_message("pull-point", text,
                                                                "not the number of a link of the "
                                                                "plan")};
        }
        request.links[static_cast<std::size_t>(link) - 1].raceway.pull_point = true;
    }
}

void take_mid_assist(PullRequest& request, const std::string& text) {
    int chosen = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), chosen);
    if (ec != std::errc() || end != text.data() + text.size() || chosen < 1 ||
        static_cast<std::size_t>(chosen) > request.links.size()) {
        throw CliRefusal{"tensora-cli: " + argument_message("mid-assist", text,
                                                            "not the number of a link of the "
                                                            "plan")};
    }
    request.settings.mid_assist = true;
    request.settings.selected = chosen - 1;
}

} // namespace

PullRequest parse_pull_request(const std::vector<std::string>& arguments, std::string_view command,
                               const CliServices& services, const MoreOptions& more) {
    PullRequest request;
    PullArguments taken;
    CommandOptions options(command);
    add_pull_options(options, request, taken);
    if (more) {
        more(options);
    }
    if (!options.parse(arguments, taken.links)) {
        request.help = true;
        return request;
    }
    if (request.log_file && command != "pull") {
        throw CliRefusal{"tensora-cli: --log is an option of pull"};
    }
    if (request.report_file) {
        read_report_option(*request.report_file, request, taken.given);
    }
    take_units(request, taken);
    // A plan pulled with the design cable says which figures it took, so that results of
    // nearly nothing do not read as a fault.
    const auto given = [&taken](std::string_view option) {
        return std::find(taken.given.begin(), taken.given.end(), option) != taken.given.end();
    };
    if (!request.report_file && !given("--weight") && !given("--friction") &&
        !given("--allowable")) {
        const std::string weight(unit_symbol(Quantity::Weight, request.units));
        const std::string tension(unit_symbol(Quantity::Tension, request.units));
        request.notes.push_back("tensora-cli: no cable given: the design cable's figures are "
                                "taken (weight " +
                                request.settings.weight + " " + weight + ", friction " +
                                request.settings.friction + ", allowable tension " +
                                request.settings.allowable + " " + tension +
                                "); give --weight, --friction and --allowable for yours");
    }
    if (taken.route.file) {
        take_route(request, taken.route);
    }
    take_links(request, taken);
    take_library_entries(request, services);
    take_sheaves(request, taken.sheaves);
    take_pull_points(request, taken.pull_points);
    if (taken.mid_assist) {
        take_mid_assist(request, *taken.mid_assist);
    }
    return request;
}

// The window's warnings for its cable boxes, and its refusal of a back tension that is not a
// number (a beep there, a line here).
void warn_pull_settings(const PullSettingsTexts& settings, std::ostream& err) {
    if (const auto message = friction_input_message(settings.friction, kEnglish)) {
        err << argument_message("friction", settings.friction, *message) << '\n';
    }
    const std::pair<std::string_view, const std::string*> boxes[] = {
        {"allowable", &settings.allowable}, {"weight", &settings.weight}};
    for (const auto& [name, box] : boxes) {
        if (const auto message = range_input_message(*box, kEnglish)) {
            err << argument_message(name, *box, *message) << '\n';
        }
    }
    if (!isNumberText(settings.back_tension, kEnglish)) {
        err << argument_message("back-tension", settings.back_tension,
                                "not a number; it counts as 0")
            << '\n';
    }
}

namespace {

// The four result columns as the request's units show them.
struct ShownColumns {
    const TextColumn& forward;
    const TextColumn& forward_sidewall;
    const TextColumn& reverse;
    const TextColumn& reverse_sidewall;
};

ShownColumns shown_columns(const PullRequest& request, const PullResults& results) {
    if (request.units == UnitSystem::Metric) {
        const PullResults::Shown& s = results.shown;
        return {s.forward, s.forward_sidewall, s.reverse, s.reverse_sidewall};
    }
    return {results.forward, results.forward_sidewall, results.reverse, results.reverse_sidewall};
}

// The units of the length column and of the four result columns.
std::array<std::string, 5> column_units(const PullRequest& request, const PullResults& results) {
    if (request.units == UnitSystem::InchPound) {
        return {"ft", "lbs", "lbs/ft", "lbs", "lbs/ft"};
    }
    const PullResults::Shown& s = results.shown;
    return {"m", column_symbol(Quantity::Tension, s.forward_unit),
            column_symbol(Quantity::Pressure, s.forward_sidewall_unit),
            column_symbol(Quantity::Tension, s.reverse_unit),
            column_symbol(Quantity::Pressure, s.reverse_sidewall_unit)};
}

void print_text(const PullRequest& request, const PullResults& results, std::ostream& out) {
    const ShownColumns columns = shown_columns(request, results);
    const std::vector<PullLinkValues> values = link_values(request);
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        const PullLinkTexts& link = request.links[i];
        // A straight at the inclination the route has reached shows it, as the window does.
        out << link.number << '\t' << link.type << '\t' << link.length << '\t'
            << inherited_incline_text(values, results, i).value_or(link.angle) << '\t'
            << columns.forward[i] << '\t' << columns.forward_sidewall[i] << '\t'
            << columns.reverse[i] << '\t' << columns.reverse_sidewall[i];
        // A link with a raceway of its own says it in the fields it was given in.
        const LinkRaceway& raceway = link.raceway;
        for (const auto& [key, text] : {std::pair{"f=", &raceway.friction},
                                        std::pair{"raceway=", &raceway.name},
                                        std::pair{"id=", &raceway.id}}) {
            if (!text->empty()) {
                out << '\t' << key << *text;
            }
        }
        out << (raceway.tray ? "\ttray" : "") << (raceway.pull_point ? "\tpull-point\n" : "\n");
    }
    out << "forward-percent\t" << results.forward_percent << '\n'
        << "reverse-percent\t" << results.reverse_percent << '\n'
        << "bars\t" << (results.bars_visible ? "shown" : "hidden") << '\n'
        << "caption\t" << english_text(results.caption) << '\n';
    if (request.units_named) {
        // The units of the link lines' length and result columns, in their order.
        out << "units";
        for (const std::string& unit : column_units(request, results)) {
            out << '\t' << unit;
        }
        out << '\n';
    }
}

// The log of --log against the plan, or a refusal naming what cannot be read; a log shorter or
// longer than the route is said on the error stream.
std::pair<TensionLog, LogFit> log_fit(const PullRequest& request, std::ostream& err) {
    std::string text;
    std::error_code error;
    if (!std::filesystem::is_regular_file(*request.log_file, error)) {
        throw CliRefusal{"tensora-cli: " + argument_message("log", *request.log_file,
                                                            "cannot be read")};
    }
    {
        std::ifstream file(*request.log_file, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        text = bytes.str();
    }
    const TensionLog log = read_tension_log(text, request.log_options);
    if (!log.error.empty()) {
        throw CliRefusal{"tensora-cli: " +
                         argument_message("log", *request.log_file, english_text(log.error))};
    }
    const PullSettings settings = read_pull_settings(request.settings, kEnglish, request.units);
    LogFit fit = fit_tension_log(link_values(request), settings, log, !request.log_reverse,
                                 design_sidewall_limit(request.units), request.units);
    const std::string from = "tensora-cli: log " + quoted_argument(*request.log_file) + ": ";
    if (fit.shorter) {
        err << from << "it ends before the route does\n";
    }
    if (fit.longer) {
        err << from << "it runs on past the route's end\n";
    }
    return {log, fit};
}

// The log's lines: the fitted coefficient (four decimals), the highest measured and predicted
// tensions as the columns write them, and where the log passes the allowable tension.
void print_log_lines(const LogFit& fit, UnitSystem units, std::ostream& out) {
    std::string scratch;
    const auto tension = [&](double pounds) {
        return english_text(figure_message(
            Figure::column(pounds, Quantity::Tension,
                           column_unit(Quantity::Tension, units,
                                       std::max(fit.measured_max, fit.predicted_max)))
                .without_symbol()));
    };
    out << "fitted-friction\t" << fixed_number_text(fit.friction, 4) << '\n'
        << "measured-max\t" << tension(fit.measured_max) << '\n'
        << "predicted-max\t" << tension(fit.predicted_max) << '\n'
        << "over-allowable\t";
    if (fit.over_allowable.empty()) {
        out << "none";
    }
    for (std::size_t i = 0; i < fit.over_allowable.size(); ++i) {
        out << (i ? "," : "")
            << general_number_text(shown_value(fit.over_allowable[i], Quantity::Length, units));
    }
    out << '\n';
}

// A log's fit as the JSON output holds it, its figures in the units given.
JsonDocument::Json log_json(JsonDocument& document, const LogFit& fit, UnitSystem units) {
    const auto tension = [&](double pounds) {
        return document.exact(shown_value(pounds, Quantity::Tension, units));
    };
    const auto lengths = [&](const std::vector<double>& feet) {
        JsonDocument::Json list = JsonDocument::Json::array();
        for (const double length : feet) {
            list.push_back(document.exact(shown_value(length, Quantity::Length, units)));
        }
        return list;
    };
    return {{"fitted_friction", document.exact(fit.friction)},
            {"largest_difference", tension(fit.largest_difference)},
            {"typical_difference", tension(fit.typical_difference)},
            {"measured_max", tension(fit.measured_max)},
            {"predicted_max", tension(fit.predicted_max)},
            {"over_allowable", lengths(fit.over_allowable)},
            {"over_sidewall", lengths(fit.over_sidewall)},
            {"shorter", fit.shorter},
            {"longer", fit.longer},
            {"verdict", english_text(fit.verdict)}};
}

void print_json(const PullRequest& request, const PullResults& results, std::ostream& out,
                const LogFit* fit) {
    const ShownColumns columns = shown_columns(request, results);
    JsonDocument document;
    const auto tension = [&](double pounds) {
        return document.exact(shown_value(pounds, Quantity::Tension, request.units));
    };
    const std::vector<PullLinkValues> values = link_values(request);
    JsonDocument::Json links = JsonDocument::Json::array();
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        const PullLinkTexts& link = request.links[i];
        JsonDocument::Json row = {{"number", link.number},
                                  {"type", link.type},
                                  {"length", link.length},
                                  {"angle", link.angle},
                                  {"forward", columns.forward[i]},
                                  {"forward_sidewall", columns.forward_sidewall[i]},
                                  {"reverse", columns.reverse[i]},
                                  {"reverse_sidewall", columns.reverse_sidewall[i]},
                                  {"forward_tension", tension(results.forward_tension[i])},
                                  {"reverse_tension", tension(results.reverse_tension[i])}};
        if (!link.raceway.empty()) {
            const PullLinkValues& value = values[i];
            if (value.has_own_friction()) {
                row["friction"] = document.exact(value.friction);
            }
            if (!link.raceway.name.empty()) {
                row["raceway"] = link.raceway.name;
            }
            if (!std::isnan(value.raceway_id)) {
                row["raceway_id"] =
                    document.exact(shown_value(value.raceway_id, Quantity::Diameter, request.units));
            }
            row["tray"] = value.tray;
            row["pull_point"] = value.pull_point;
        }
        if (results.elevation) {
            // Degrees of the route's inclination (57.3 to the radian) as the forward pull goes.
            row["inclined"] = link.inclined;
            row["inclination_in"] = document.exact(results.inclination_in[i] * kDegreesPerRadian);
            row["inclination_out"] = document.exact(results.inclination_out[i] * kDegreesPerRadian);
            row["forward_held"] = results.forward_held[i] != 0;
            row["reverse_held"] = results.reverse_held[i] != 0;
        }
        links.push_back(std::move(row));
    }
    JsonDocument::Json json = {{"links", std::move(links)},
                               {"forward_percent", results.forward_percent},
                               {"reverse_percent", results.reverse_percent},
                               {"bars", results.bars_visible ? "shown" : "hidden"},
                               {"caption", english_text(results.caption)}};
    if (request.units_named) {
        const std::array<std::string, 5> units = column_units(request, results);
        json["units"] = {{"system", unit_system_key(request.units)},
                         {"length", units[0]},
                         {"forward", units[1]},
                         {"forward_sidewall", units[2]},
                         {"reverse", units[3]},
                         {"reverse_sidewall", units[4]},
                         {"tension", unit_symbol(Quantity::Tension, request.units)}};
    }
    if (fit) {
        json["log"] = log_json(document, *fit, request.units);
    }
    document.write(json, out);
}

// The plan's texts as the report holds them (inch-pound, whatever the units given), or as
// the PDF shows them (`shown`: in the units given).
PullPlanReport plan_report(const PullRequest& request, const PullResults& results,
                           bool shown = false) {
    const UnitSystem to = shown ? request.units : UnitSystem::InchPound;
    // A report's figure not changed since it was read is written as the text it was read as.
    const auto in_units = [&request, to](const std::string& text, const SwitchMemo& memo,
                                         Quantity quantity) {
        return text_in_other_units(text, memo, quantity, request.units, to, kEnglish);
    };
    const PullRequest::ReportMemos& memos = request.from_report;
    PullPlanReport plan{
        request.description,
        in_units(request.settings.allowable, memos.allowable, Quantity::Tension),
        in_units(request.settings.weight, memos.weight, Quantity::Weight),
        request.settings.friction,
        english_text(results.caption),
        {},
        in_units(request.settings.back_tension, memos.back_tension, Quantity::Tension)};
    const bool metric = to == UnitSystem::Metric;
    const PullResults::Shown& m = results.shown;
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        const PullLinkTexts& link = request.links[i];
        const SwitchMemo none;
        plan.links.push_back(
            {link.number, link.type,
             in_units(link.length, i < memos.lengths.size() ? memos.lengths[i] : none,
                      Quantity::Length),
             link.angle, std::string(metric ? m.forward[i] : results.forward[i]),
             std::string(metric ? m.forward_sidewall[i] : results.forward_sidewall[i]),
             std::string(metric ? m.reverse[i] : results.reverse[i]),
             std::string(metric ? m.reverse_sidewall[i] : results.reverse_sidewall[i]),
             link.inclined, link.right, link.tilt, link.sheave, link.raceway});
        LinkRaceway& raceway = plan.links.back().raceway;
        if (!raceway.id.empty()) {
            raceway.id = in_units(raceway.id,
                                  i < memos.raceway_ids.size() ? memos.raceway_ids[i] : none,
                                  Quantity::Diameter);
        }
    }
    plan.bend_weight = reported_bend_weight(request.settings.weight_across, link_values(request));
    plan.route_source = request.route_source;
    return plan;
}

} // namespace

std::vector<PullLinkValues> link_values(const PullRequest& request) {
    std::vector<PullLinkValues> values;
    values.reserve(request.links.size());
    for (const PullLinkTexts& link : request.links) {
        values.push_back(read_link(link, kEnglish, request.units));
    }
    return values;
}

namespace {

// The report for people, as the PDF shows it.
PrintedReport printed_report(const PullRequest& request, const PullResults& results,
                             const PrintedCheck* check, const PrintedComparison* comparison,
                             const PrintedLog* log) {
    PrintedReport printed;
    printed.file_name =
        request.save_report ? *request.save_report : request.report_file.value_or(std::string());
    printed.plan = plan_report(request, results, true);
    show_link_figures(printed.plan.links, link_values(request), results, kEnglish);
    printed.units = request.units;
    const PullResults::Shown& shown = results.shown;
    printed.column_units = {shown.forward_unit, shown.forward_sidewall_unit, shown.reverse_unit,
                            shown.reverse_sidewall_unit};
    printed.forward_share = results.forward_share;
    printed.reverse_share = results.reverse_share;
    const PullSettings settings = read_pull_settings(request.settings, kEnglish, request.units);
    printed.over_limit = links_over_limit(results, settings.allowable);
    // The planner's advice, against the pull check's design sidewall limit.
    const double limit = design_sidewall_limit(request.units);
    printed.advice = advice_text(advise_pull(link_values(request), settings, limit, request.units),
                                 request.units);
    printed.caption = results.caption;
    std::vector<std::string> angles;
    for (const PullLinkTexts& link : request.links) {
        angles.push_back(link.angle);
    }
    printed.profile = tension_profile({link_values(request), angles, settings, results});
    convert_profile(printed.profile, request.units, ".");
    if (check) {
        printed.check = *check;
    }
    const std::vector<PullLinkValues> values = link_values(request);
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        printed.link_raceways.push_back(
            link_raceway_words(request.links[i].raceway, values[i], request.units));
    }
    if (comparison) {
        printed.comparison = *comparison;
    }
    if (log) {
        printed.log = *log;
    }
    return printed;
}

// A file the command line writes: the option that asks for it, its path, and its save.
struct Output {
    using Content = std::function<std::optional<std::string>()>;
    Output(std::string_view name, const std::string& file, Content make)
        : option(name), path(&file), content(std::move(make)) {}

    std::string_view option;
    const std::string* path;
    Content content; // none when it cannot be made
    WholeFileSave save;
};

} // namespace

PrintedReport printed_pull(const std::string& text, const std::string& name, UnitSystem units) {
    std::istringstream in(text);
    const ReadReport report = read_report(in);
    PullRequest request;
    request.report_file = name;
    request.units = units;
    take_read_report(report, name, request, {});
    take_units(request, PullArguments{});
    for (std::size_t i = 0; i < request.links.size(); ++i) {
        request.links[i].number = std::to_string(i + 1);
    }
    const PullResults results = pullcalc(request.links, request.settings, kEnglish, units);
    std::optional<PrintedCheck> check;
    if (std::optional<CheckInputs> inputs = report_check_inputs(report)) {
        inputs->units = units;
        const CheckResult result = check_pull(
            link_values(request), read_pull_settings(request.settings, kEnglish, units), *inputs);
        check = printed_check({}, *inputs, result);
    }
    PrintedReport printed = printed_report(request, results, check ? &*check : nullptr, nullptr,
                                           nullptr);
    printed.file_name = name;
    return printed;
}

void write_pull_files(const PullRequest& request, const PullResults& results,
                      const CliServices& services, const PrintedCheck* check,
                      const PrintedComparison* comparison, const PrintedLog* log) {
    std::list<Output> outputs;
    if (request.save_report) {
        outputs.emplace_back("save-report", *request.save_report, [&request, &results] {
            std::error_code error; // the path as given, should the working folder be gone
            std::filesystem::path path = std::filesystem::absolute(*request.save_report, error);
            if (error) {
                path = *request.save_report;
            }
            ReportContents contents = request.kept;
            contents.path = path.string();
            contents.pull_plan = plan_in_file_form(plan_report(request, results), kEnglish);
            contents.units_shown = request.units;
            return std::optional<std::string>(report_text(contents));
        });
    }
    if (request.pdf) {
        if (!services.render_pdf) {
            throw CliRefusal{"tensora-cli: --pdf is not available here"};
        }
        outputs.emplace_back("pdf", *request.pdf, [&] {
            return services.render_pdf(
                printed_report(request, results, check, comparison, log));
        });
    }
    if (request.csv) {
        outputs.emplace_back("csv", *request.csv, [&request, &results] {
            return std::optional<std::string>(
                plan_csv(plan_report(request, results).links, link_values(request), results));
        });
    }
    // The report and the table hold inch-pound figures: a metric figure beyond them is refused.
    if (request.save_report || request.csv) {
        std::vector<std::string> lengths;
        for (const PullLinkTexts& link : request.links) {
            lengths.push_back(link.length);
        }
        if (const auto refusal =
                inch_pound_refusal(request.settings, lengths, request.units, kEnglish)) {
            throw CliRefusal{
                "tensora-cli: " +
                argument_message(request.save_report ? "save-report" : "csv",
                                 request.save_report ? *request.save_report : *request.csv,
                                 "cannot be written (" + english_text(*refusal) + ")")};
        }
    }
    // Every file's place is checked, and its new file made beside it, before any is written.
    std::vector<std::filesystem::path> targets;
    for (Output& output : outputs) {
        Message reason;
        const SavePlace place = save_place(*output.path);
        if (place.ok() &&
            std::find(targets.begin(), targets.end(), place.target) != targets.end()) {
            reason = TENSORA_TEXT("Files", "named twice");
        } else if (!output.save.open(*output.path, reason)) {
        } else {
            targets.push_back(place.target);
        }
        if (!reason.empty()) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message(output.option, *output.path,
                                              "cannot be written (" + english_text(reason) + ")")};
        }
    }
    std::vector<std::string> written;
    for (Output& output : outputs) {
        Message reason(TENSORA_TEXT("Files", "the document could not be drawn"));
        const std::optional<std::string> content = output.content();
        if (!content || !output.save.write(*content, reason) || !output.save.commit(reason)) {
            std::string message =
                "tensora-cli: " +
                argument_message(output.option, *output.path,
                                 "could not be written (" + english_text(reason) + ")");
            message += written.empty() ? "; no file was written" : "; written: ";
            for (std::size_t i = 0; i < written.size(); ++i) {
                message += (i ? ", " : "") + quoted_argument(written[i]);
            }
            throw CliFailure{message};
        }
        written.push_back(*output.path);
    }
}

void run_pull_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err, const CliServices& services) {
    const PullRequest request = parse_pull_request(arguments, "pull", services);
    if (request.help) {
        out << cli_usage();
        return;
    }
    for (const std::string& note : request.notes) {
        err << note << '\n';
    }
    warn_pull_settings(request.settings, err);
    const PullResults results = pullcalc(request.links, request.settings, kEnglish, request.units);
    std::optional<LogFit> fit;
    std::optional<PrintedLog> printed;
    if (request.log_file) {
        auto [log, fitted] = log_fit(request, err);
        const PullSettings settings = read_pull_settings(request.settings, kEnglish, request.units);
        printed = printed_log(log, fitted, !request.log_reverse, settings.allowable, request.units);
        fit = std::move(fitted);
    }
    write_pull_files(request, results, services, nullptr, nullptr, printed ? &*printed : nullptr);
    if (request.json) {
        print_json(request, results, out, fit ? &*fit : nullptr);
    } else {
        print_text(request, results, out);
        if (fit) {
            print_log_lines(*fit, request.units, out);
        }
    }
}

} // namespace tensora
