#include "pullplan/tension_profile.h"

#include "pullplan/route_path.h"

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

constexpr double kLargestShown = 1e15; // from here on the columns show "Out of range"

double route_length(const PullLinkValues& link) {
    return std::isfinite(link.length) ? link.length : 0.0;
}

void add_point(std::vector<ProfilePoint>& line, double distance, double tension, int link,
               bool& left_out, std::vector<int>& left_out_links) {
    if (drawable_tension(tension)) {
        line.push_back({distance, tension, link});
    } else {
        left_out = true;
        if (link >= 0 && (left_out_links.empty() || left_out_links.back() != link)) {
            left_out_links.push_back(link);
        }
    }
}

void take_worst(std::optional<WorstSidewall>& worst, double tension, double length,
                std::string_view text, int link) {
    if (length == 0 || !std::isfinite(tension)) {
        return;
    }
    const double pressure = sidewall_per_foot(tension, length);
    if (std::isfinite(pressure) && (!worst || std::fabs(pressure) > std::fabs(worst->pressure))) {
        worst = WorstSidewall{pressure, std::string(text), link};
    }
}

void take_highest(std::optional<HighestTension>& highest, double tension, std::string_view text,
                  int link) {
    if (drawable_tension(tension) && (!highest || tension > highest->tension)) {
        highest = HighestTension{tension, std::string(text), link};
    }
}

// "link 5", "links 5 to 9", "links 5 to 9, 12 and 14": runs of links as the user numbers them.
Message link_runs(const std::vector<int>& links) {
    constexpr std::size_t kMostRuns = 4;
    std::vector<std::pair<int, int>> runs;
    for (const int link : links) {
        if (!runs.empty() && runs.back().second + 1 == link) {
            runs.back().second = link;
        } else {
            runs.emplace_back(link, link);
        }
    }
    Message text;
    const std::size_t shown = std::min(runs.size(), kMostRuns);
    for (std::size_t i = 0; i < shown; ++i) {
        Message run = runs[i].second == runs[i].first
                          ? Message(MessageSource{"Data", "%1"}).count_arg(runs[i].first + 1)
                          : Message(TENSORA_TEXT("Profile", "%1 to %2"))
                                .count_arg(runs[i].first + 1)
                                .count_arg(runs[i].second + 1);
        if (i == 0) {
            text = std::move(run);
            continue;
        }
        const bool last = i + 1 == shown && shown == runs.size();
        text =
            Message(last ? TENSORA_TEXT("Profile", "%1 and %2") : MessageSource{"Data", "%1, %2"})
                .nested(std::move(text))
                .nested(std::move(run));
    }
    if (runs.size() > shown) {
        text = Message(TENSORA_TEXT("Profile", "%1 and %2 more"))
                   .nested(std::move(text))
                   .count_arg(static_cast<long long>(runs.size() - shown));
    }
    return Message(links.size() == 1 ? TENSORA_TEXT("Profile", "link %1")
                                     : TENSORA_TEXT("Profile", "links %1"))
        .nested(std::move(text));
}

// An axis from `low` to `high` at round steps, reaching a little beyond both.
void scale_axis(double low, double high, double& from, double& to, double& step, int& decimals) {
    const double span = high > low ? high - low : std::max(std::fabs(high), 1.0);
    step = axis_step(span * 1.1);
    decimals = axis_decimals(step);
    const double pad = span * 0.03;
    to = std::ceil((high + pad) / step) * step;
    if (to - high < pad) {
        to += pad; // a marker at the very top keeps its whole
    }
    from = low < 0 ? std::floor((low - pad) / step) * step : -pad;
}

// The route's height along it, from the route's path: a straight climbs L sin(psi), a bend
// follows its arc (a horizontal bend on an inclined route climbs with it), drawn in steps of a
// few degrees.
void trace_elevation(const std::vector<PullLinkValues>& links, const PullResults& results,
                     const std::vector<double>& starts, ProfileData& profile) {
    constexpr double kArcStep = 5 / kDegreesPerRadian;
    const std::vector<LinkPath> path = route_path(links);
    profile.elevation.push_back({0, 0});
    for (std::size_t i = 0; i < links.size(); ++i) {
        const LinkPath& link = path[i];
        const double length = route_length(links[i]);
        const bool climbs = link.direction_in.z != 0 || link.direction_out.z != 0;
        if (link.bend && length > 0 && climbs) {
            const int steps = std::max(2, static_cast<int>(std::ceil(link.theta / kArcStep)));
            for (int k = 1; k < steps; ++k) {
                const double along = length * k / steps;
                profile.elevation.push_back({starts[i] + along, link.point_at(along).z});
            }
        }
        profile.elevation.push_back({starts[i + 1], link.end.z});
        if (results.forward_held[i]) {
            profile.forward_held.push_back(static_cast<int>(i));
        }
        if (results.reverse_held[i]) {
            profile.reverse_held.push_back(static_cast<int>(i));
        }
    }
}

// How far into a straight a pull is held at zero: where the tension it brings runs out, so that
// the line drops to zero there and stays, as the cable does.
std::optional<double> where_held(const ProfileSource& source, std::size_t i, bool forward,
                                 const std::vector<ProfilePoint>& line) {
    const PullResults& results = source.results;
    const auto& held = forward ? results.forward_held : results.reverse_held;
    const PullLinkValues& link = source.links[i];
    if (i >= held.size() || !held[i] || !link.straight || line.empty()) {
        return std::nullopt;
    }
    const double psi = forward ? results.inclination_in[i] : -results.inclination_in[i];
    const double per_foot = source.settings.weight / 1000 *
                            (std::sin(psi) + link.friction_or(source.settings.friction) *
                                                 std::fabs(std::cos(psi)));
    const double tension = line.back().tension;
    if (!(per_foot < 0) || !(tension > 0)) {
        return 0.0;
    }
    return std::min(route_length(link), tension / -per_foot);
}

} // namespace

bool drawable_tension(double tension) {
    return std::fabs(tension) < kLargestShown;
}

ProfileData tension_profile(const ProfileSource& source) {
    ProfileData profile;
    const auto& links = source.links;
    const std::size_t n = links.size();
    const double allowable = source.settings.allowable;
    profile.allowable = allowable > 0 && std::isfinite(allowable) ? allowable : 0;
    const double back_tension = source.settings.back_tension;
    const std::optional<std::size_t> mid_assist = mid_assist_point(source.settings, n);
    const bool point = mid_assist.has_value();
    const std::size_t s = mid_assist.value_or(0);

    // Where each link starts along the route.
    std::vector<double>& starts = profile.link_starts;
    starts.assign(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        starts[i + 1] = starts[i] + route_length(links[i]);
    }
    profile.length = starts[n];
    if (source.results.elevation) {
        trace_elevation(links, source.results, starts, profile);
    }
    if (point) {
        profile.mid_assist_at = starts[s + 1];
    }

    profile.links = n;
    bool& left_out = profile.values_left_out;
    std::vector<int>& forward_out = profile.forward_left_out;
    std::vector<int>& reverse_out = profile.reverse_left_out;
    add_point(profile.forward, 0, back_tension, -1, left_out, forward_out);
    for (std::size_t i = 0; i < n; ++i) {
        const int link = static_cast<int>(i);
        if (const auto zero = where_held(source, i, true, profile.forward)) {
            add_point(profile.forward, starts[i] + *zero, 0, link, left_out, forward_out);
        }
        add_point(profile.forward, starts[i + 1], source.results.forward_tension[i], link, left_out,
                  forward_out);
        take_highest(profile.highest_forward, source.results.forward_tension[i],
                     source.results.forward[i], link);
        take_highest(profile.highest_reverse, source.results.reverse_tension[i],
                     source.results.reverse[i], link);
        if (point && restarts_after(i, s, true)) {
            add_point(profile.forward, starts[i + 1], 0, link, left_out, forward_out);
        }
        if (!links[i].straight) {
            const std::string angle = i < source.angles.size() ? source.angles[i] : std::string();
            profile.bends.push_back({starts[i], starts[i + 1], angle, link, links[i].turn});
            take_worst(profile.worst_forward, source.results.forward_tension[i], links[i].length,
                       source.results.forward_sidewall[i], link);
            take_worst(profile.worst_reverse, source.results.reverse_tension[i], links[i].length,
                       source.results.reverse_sidewall[i], link);
        }
    }
    add_point(profile.reverse, profile.length, back_tension, -1, left_out, reverse_out);
    for (std::size_t i = n; i-- > 0;) {
        const int link = static_cast<int>(i);
        if (const auto zero = where_held(source, i, false, profile.reverse)) {
            add_point(profile.reverse, starts[i + 1] - *zero, 0, link, left_out, reverse_out);
        }
        add_point(profile.reverse, starts[i], source.results.reverse_tension[i], link, left_out,
                  reverse_out);
        if (point && restarts_after(i, s, false)) {
            add_point(profile.reverse, starts[i], 0, link, left_out, reverse_out);
        }
    }
    std::reverse(reverse_out.begin(), reverse_out.end());
    return profile;
}

int axis_decimals(double step) {
    if (!(step > 0) || !std::isfinite(step) || step >= 1) {
        return 0;
    }
    return static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
}

ProfileScale profile_scale(const ProfileData& profile) {
    ProfileScale scale;
    const double length = profile.length > 0 ? profile.length : 1;
    scale.distance_step = axis_step(length);
    scale.distance_decimals = axis_decimals(scale.distance_step);
    scale.distance_from = -length * 0.015; // markers at the route's ends keep their whole
    scale.distance_to = length * 1.015;

    bool any = false;
    double low = 0;
    double high = 0;
    for (const auto* pull : {&profile.forward, &profile.reverse}) {
        for (const ProfilePoint& point : *pull) {
            low = std::min(low, point.tension);
            high = std::max(high, point.tension);
            any = true;
        }
    }
    if (profile.allowable > 0) {
        // Far above the curves, the allowable tension would squeeze them to the bottom.
        scale.allowable_above = any && high > 0 && profile.allowable > 2 * high;
        scale.allowable_shown = !scale.allowable_above;
        if (scale.allowable_shown) {
            high = std::max(high, profile.allowable);
        }
    }
    if (!(high > low)) {
        high = 10;
    }
    scale_axis(low, high, scale.tension_from, scale.tension_to, scale.tension_step,
               scale.tension_decimals);
    return scale;
}

void convert_profile(ProfileData& profile, UnitSystem units, std::string_view decimal) {
    if (units == profile.units || units == UnitSystem::InchPound) {
        return;
    }
    const auto length = [units](double& feet) {
        feet = shown_value(feet, Quantity::Length, units);
    };
    const auto tension = [units](double& pounds) {
        pounds = shown_value(pounds, Quantity::Tension, units);
    };
    for (auto* line : {&profile.forward, &profile.reverse}) {
        for (ProfilePoint& point : *line) {
            length(point.distance);
            tension(point.tension);
        }
    }
    for (ProfileBend& bend : profile.bends) {
        length(bend.start);
        length(bend.end);
    }
    length(profile.length);
    tension(profile.allowable);
    if (profile.mid_assist_at) {
        length(*profile.mid_assist_at);
    }
    const ColumnUnit whole{units, false};
    for (auto* worst : {&profile.worst_forward, &profile.worst_reverse}) {
        if (*worst) {
            (*worst)->text =
                column_value_text((*worst)->pressure, Quantity::Pressure, whole, decimal);
            (*worst)->pressure = shown_value((*worst)->pressure, Quantity::Pressure, units);
        }
    }
    for (auto* highest : {&profile.highest_forward, &profile.highest_reverse}) {
        if (*highest) {
            (*highest)->text =
                column_value_text((*highest)->tension, Quantity::Tension, whole, decimal);
            tension((*highest)->tension);
        }
    }
    for (ElevationPoint& point : profile.elevation) {
        length(point.distance);
        length(point.height);
    }
    for (double& start : profile.link_starts) {
        length(start);
    }
    profile.units = units;
}

Message pull_legend(const ProfileData& profile, bool forward) {
    const auto& highest = forward ? profile.highest_forward : profile.highest_reverse;
    const auto& worst = forward ? profile.worst_forward : profile.worst_reverse;
    // The figures are the planner's column texts, already in the user's number form.
    const auto figure = [](const std::string& text) {
        return text.empty() ? std::string("0") : text;
    };
    std::vector<Message> parts;
    if (highest) {
        //: %1 the highest tension, %2 its unit, %3 its link.
        parts.push_back(Message(TENSORA_TEXT("Profile", "highest %1 %2 at link %3"))
                            .data(figure(highest->text))
                            .data(std::string(unit_symbol(Quantity::Tension, profile.units)))
                            .count_arg(highest->link + 1));
    }
    if (worst) {
        //: %1 the worst sidewall pressure, %2 its unit, %3 its link.
        parts.push_back(
            Message(
                TENSORA_TEXT("Profile", "worst sidewall (tension / bend length) %1 %2 at link %3"))
                .data(figure(worst->text))
                .data(std::string(unit_symbol(Quantity::Pressure, profile.units)))
                .count_arg(worst->link + 1));
    }
    if (parts.empty()) {
        return forward ? TENSORA_TEXT("Profile", "Forward pull")
                       : TENSORA_TEXT("Profile", "Reverse pull");
    }
    return Message(forward ? TENSORA_TEXT("Profile", "Forward pull: %1")
                           : TENSORA_TEXT("Profile", "Reverse pull: %1"))
        .nested(joined_messages(parts));
}

Message allowable_text(const ProfileData& profile, const ProfileScale& scale) {
    if (!(profile.allowable > 0)) {
        return {};
    }
    // Inch-pound: the allowable tension as typed; metric: whole newtons, as the columns.
    const Figure figure = profile.units == UnitSystem::InchPound
                              ? Figure::number(profile.allowable)
                              : Figure::fixed(profile.allowable, 0);
    //: %1 the allowable tension, %2 its unit.
    return Message(scale.allowable_above
                       ? TENSORA_TEXT("Profile", "allowable %1 %2, above the chart")
                       : TENSORA_TEXT("Profile", "allowable %1 %2"))
        .figure(figure)
        .data(std::string(unit_symbol(Quantity::Tension, profile.units)));
}

Message held_text(const ProfileData& profile) {
    std::vector<Message> parts;
    for (const auto& [links, name] :
         {std::pair{&profile.forward_held, TENSORA_TEXT("Profile", "forward pull in %1")},
          std::pair{&profile.reverse_held, TENSORA_TEXT("Profile", "reverse pull in %1")}}) {
        if (!links->empty()) {
            parts.push_back(Message(name).nested(link_runs(*links)));
        }
    }
    if (parts.empty()) {
        return {};
    }
    return Message(TENSORA_TEXT(
                       "Profile",
                       "Held at zero (the cable runs under its own weight: hold it back): %1."))
        .nested(joined_messages(parts));
}

Message bend_label(const ProfileBend& bend) {
    //: A bend's angle as typed, in degrees.
    return Message(bend.turn == Turn::Up     ? TENSORA_TEXT("Profile", "%1° up")
                   : bend.turn == Turn::Down ? TENSORA_TEXT("Profile", "%1° down")
                                             : MessageSource{"Data", "%1°"})
        .data(bend.angle);
}

Message left_out_text(const ProfileData& profile) {
    std::vector<Message> parts;
    for (const auto& [links, name] :
         {std::pair{&profile.forward_left_out, TENSORA_TEXT("Profile", "forward tension after %1")},
          std::pair{&profile.reverse_left_out,
                    TENSORA_TEXT("Profile", "reverse tension after %1")}}) {
        if (!links->empty()) {
            parts.push_back(Message(name).nested(link_runs(*links)));
        }
    }
    if (parts.empty()) {
        return {};
    }
    return Message(TENSORA_TEXT("Profile", "Not drawn (out of range): %1."))
        .nested(joined_messages(parts));
}

double axis_step(double span) {
    if (!(span > 0) || !std::isfinite(span)) {
        return 1;
    }
    const double rough = span / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10 * power;
}

std::vector<ProfilePoint> decimated(const std::vector<ProfilePoint>& points, double from, double to,
                                    int pixels) {
    if (pixels <= 0 || points.size() <= static_cast<std::size_t>(4 * pixels) || !(to > from)) {
        return points;
    }
    const double per_pixel = (to - from) / pixels;
    std::vector<ProfilePoint> kept;
    kept.reserve(static_cast<std::size_t>(4 * pixels) + 2);
    std::size_t i = 0;
    while (i < points.size()) {
        // The run of points that fall on the same pixel column.
        const double column = std::floor((points[i].distance - from) / per_pixel);
        std::size_t end = i + 1;
        while (end < points.size() &&
               std::floor((points[end].distance - from) / per_pixel) == column) {
            ++end;
        }
        std::size_t low = i;
        std::size_t high = i;
        for (std::size_t k = i; k < end; ++k) {
            low = points[k].tension < points[low].tension ? k : low;
            high = points[k].tension > points[high].tension ? k : high;
        }
        std::size_t picks[] = {i, low, high, end - 1};
        std::sort(std::begin(picks), std::end(picks));
        for (std::size_t p = 0; p < 4; ++p) {
            if (p == 0 || picks[p] != picks[p - 1]) {
                kept.push_back(points[picks[p]]);
            }
        }
        i = end;
    }
    return kept;
}

void widen_tension_scale(ProfileScale& scale, double highest, double allowable) {
    if (!(highest > scale.tension_to) || !std::isfinite(highest)) {
        return;
    }
    scale.tension_step = axis_step(highest - scale.tension_from);
    scale.tension_to = std::ceil(highest * 1.02 / scale.tension_step) * scale.tension_step;
    // A small margin below zero stays as it is; a real depth takes whole steps.
    if (scale.tension_from < -0.05 * (scale.tension_to - scale.tension_from)) {
        scale.tension_from =
            std::floor(scale.tension_from / scale.tension_step) * scale.tension_step;
    }
    scale.tension_decimals = axis_decimals(scale.tension_step);
    if (allowable > 0 && allowable <= scale.tension_to) {
        scale.allowable_shown = true;
        scale.allowable_above = false;
    }
}

} // namespace tensora
