#include "pullplan/tension_profile.h"

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

constexpr double kLargestShown = 1e15; // from here on the columns show "Out of range"

double route_length(const PullLinkValues& link) {
    return std::isfinite(link.length) ? link.length : 0.0;
}

void add_point(std::vector<ProfilePoint>& line, double distance, double tension, int link,
               bool& left_out) {
    if (drawable_tension(tension)) {
        line.push_back({distance, tension, link});
    } else {
        left_out = true;
    }
}

void take_worst(std::optional<WorstSidewall>& worst, double tension, double length,
                std::string_view text, int link) {
    if (length == 0 || !std::isfinite(tension)) {
        return;
    }
    const double pressure = tension / length;
    if (std::isfinite(pressure) && (!worst || pressure > worst->pressure)) {
        worst = WorstSidewall{pressure, std::string(text), link};
    }
}

} // namespace

bool drawable_tension(double tension) {
    return std::fabs(tension) < kLargestShown;
}

ProfileData tension_profile(const ProfileSource& source) {
    ProfileData profile;
    const auto& links = source.links;
    const std::size_t n = links.size();
    const double allowable = read_input(source.settings.allowable, source.locale);
    profile.allowable = allowable > 0 && std::isfinite(allowable) ? allowable : 0;
    const double back_tension = isNumberText(source.settings.back_tension, source.locale)
                                    ? read_input(source.settings.back_tension, source.locale)
                                    : 0;
    const bool point = source.settings.mid_assist && source.settings.selected >= 0 &&
                       static_cast<std::size_t>(source.settings.selected) < n;
    const auto s = static_cast<std::size_t>(point ? source.settings.selected : 0);

    // Where each link starts along the route.
    std::vector<double> starts(n + 1, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        starts[i + 1] = starts[i] + route_length(links[i]);
    }
    profile.length = starts[n];
    if (point) {
        profile.mid_assist_at = starts[s + 1];
    }

    bool& left_out = profile.values_left_out;
    add_point(profile.forward, 0, back_tension, -1, left_out);
    for (std::size_t i = 0; i < n; ++i) {
        const int link = static_cast<int>(i);
        add_point(profile.forward, starts[i + 1], source.results.forward_tension[i], link,
                  left_out);
        if (point && i == s) {
            add_point(profile.forward, starts[i + 1], 0, link, left_out); // a new pull starts
        }
        if (!links[i].straight) {
            const std::string angle = i < source.angles.size() ? source.angles[i] : std::string();
            profile.bends.push_back({starts[i], starts[i + 1], angle, link});
            take_worst(profile.worst_forward, source.results.forward_tension[i], links[i].length,
                       source.results.forward_sidewall[i], link);
            take_worst(profile.worst_reverse, source.results.reverse_tension[i], links[i].length,
                       source.results.reverse_sidewall[i], link);
        }
    }
    add_point(profile.reverse, profile.length, back_tension, -1, left_out);
    for (std::size_t i = n; i-- > 0;) {
        const int link = static_cast<int>(i);
        add_point(profile.reverse, starts[i], source.results.reverse_tension[i], link, left_out);
        if (point && i == s + 1) {
            add_point(profile.reverse, starts[i], 0, link, left_out);
        }
    }
    return profile;
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

} // namespace tensora
