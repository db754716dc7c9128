#include "routes/route_drawing.h"

#include "pullplan/pull_advice.h"
#include "pullplan/route_path.h"

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

// Bends are drawn in steps of at most this angle.
constexpr double kArcStep = 5 / kDegreesPerRadian;
constexpr int kMostArcSteps = 72;

double finite_or_zero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// The tension link `i` meets in the pull drawn: the back tension at the pull's start, zero
// after the mid-assist point, else what the link before it (in the pull's order) leaves.
double entering_tension(std::size_t i, const std::vector<double>& leaving,
                        const PullSettings& settings, std::optional<std::size_t> point,
                        bool forward) {
    if (forward ? i == 0 : i + 1 == leaving.size()) {
        return settings.back_tension;
    }
    const std::size_t before = forward ? i - 1 : i + 1;
    return point && restarts_after(before, *point, forward) ? 0.0 : leaving[before];
}

int arc_steps(const LinkPath& link) {
    return link.bend
               ? std::clamp(static_cast<int>(std::ceil(link.theta / kArcStep)), 2, kMostArcSteps)
               : 1;
}

void extend(RouteDrawing& drawing, const RouteSample& sample) {
    drawing.min_x = std::min(drawing.min_x, sample.x);
    drawing.max_x = std::max(drawing.max_x, sample.x);
    drawing.min_y = std::min(drawing.min_y, sample.y);
    drawing.max_y = std::max(drawing.max_y, sample.y);
    drawing.min_z = std::min(drawing.min_z, sample.z);
    drawing.max_z = std::max(drawing.max_z, sample.z);
}

} // namespace

RouteDrawing route_drawing(const std::vector<PullLinkValues>& links, const PullResults& results,
                           const PullSettings& settings, bool forward, double sidewall_limit) {
    RouteDrawing drawing;
    std::vector<LinkPath> path;
    draw_route(links, results, settings, forward, sidewall_limit, drawing, path);
    return drawing;
}

void draw_route(const std::vector<PullLinkValues>& links, const PullResults& results,
                const PullSettings& settings, bool forward, double sidewall_limit,
                RouteDrawing& drawing, std::vector<LinkPath>& path) {
    std::vector<RouteSample> samples = std::move(drawing.samples);
    std::vector<RouteLinkMark> marks = std::move(drawing.links);
    samples.clear();
    marks.clear();
    drawing = RouteDrawing{};
    drawing.forward = forward;
    drawing.allowable =
        settings.allowable > 0 && std::isfinite(settings.allowable) ? settings.allowable : 0;
    drawing.sidewall_limit = sidewall_limit;
    const std::size_t n = links.size();
    const std::vector<double>& leaving =
        forward ? results.forward_tension : results.reverse_tension;
    if (n == 0 || leaving.size() != n) {
        drawing.samples = std::move(samples);
        drawing.links = std::move(marks);
        return;
    }
    const std::optional<std::size_t> point = mid_assist_point(settings, n);
    const std::vector<char>& held = forward ? results.forward_held : results.reverse_held;
    route_path(links, path);
    std::size_t sample_count = 0;
    for (const LinkPath& link : path) {
        sample_count += static_cast<std::size_t>(arc_steps(link)) + 1;
    }
    samples.reserve(sample_count);
    marks.reserve(n);
    double along = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const LinkPath& link = path[i];
        const double length = std::isfinite(links[i].length) ? links[i].length : 0;
        const int steps = arc_steps(link);
        RouteLinkMark mark;
        mark.link = static_cast<int>(i);
        mark.first = samples.size();
        mark.bend = !links[i].straight;
        // The tension of each sample, from the one the pull brings to the one it leaves with.
        const double entering = entering_tension(i, leaving, settings, point, forward);
        const double from = finite_or_zero(forward ? entering : leaving[i]);
        const double to = finite_or_zero(forward ? leaving[i] : entering);
        for (int k = 0; k <= steps; ++k) {
            const double share = static_cast<double>(k) / steps;
            const Vec3 at = link.point_at(length * share);
            const RouteSample sample{at.x, at.y, at.z, along + length * share,
                                     from + (to - from) * share};
            extend(drawing, sample);
            drawing.highest_tension = std::max(drawing.highest_tension, sample.tension);
            samples.push_back(sample);
        }
        mark.last = samples.size() - 1;
        mark.middle = samples[(mark.first + mark.last) / 2];
        if (steps == 1) {
            const Vec3 middle = link.point_at(length / 2);
            mark.middle = {middle.x, middle.y, middle.z, along + length / 2, (from + to) / 2};
        }
        mark.over_allowable = drawing.allowable > 0 && leaving[i] > drawing.allowable;
        mark.held = i < held.size() && held[i] != 0;
        mark.own_raceway = links[i].has_own_friction() || links[i].tray ||
                           !std::isnan(links[i].raceway_id);
        if (mark.bend && sidewall_limit > 0) {
            const std::optional<double> radius = bend_radius(links[i], std::nullopt);
            mark.over_sidewall = radius && bearing_pressure(leaving[i], *radius) > sidewall_limit;
        }
        marks.push_back(mark);
        along += length;
    }
    drawing.length = along;
    if (point) {
        drawing.mid_assist = samples[marks[*point].last];
    }
    drawing.samples = std::move(samples);
    drawing.links = std::move(marks);
}

} // namespace tensora
