// What the route drawing shows: the route's path from above (plan) and from the side (height
// along the route, to scale), sampled along every link with the tension of one pull at each
// sample; each link's number where it stands; the links where that pull passes the allowable
// tension, holds the cable at zero, or presses a bend's wall beyond the sidewall limit; and the
// mid-assist point.
#pragma once

#include "pullplan/pull_plan.h"
#include "pullplan/route_path.h"

#include <optional>
#include <vector>

namespace tensora {

struct RouteSample {
    double x = 0;       // east, ft
    double y = 0;       // north, ft
    double z = 0;       // up, ft
    double along = 0;   // distance along the route, ft
    double tension = 0; // lbs, of the pull drawn
};

struct RouteLinkMark {
    int link = 0;          // row
    std::size_t first = 0; // its samples: [first, last]
    std::size_t last = 0;
    RouteSample middle; // where its number goes
    bool bend = false;
    bool over_allowable = false;
    bool held = false;
    bool over_sidewall = false; // a bend's bearing pressure beyond the limit
    // A link with a coefficient or a raceway of its own (a conduit of its own size, a tray).
    bool own_raceway = false;
};

struct RouteDrawing {
    std::vector<RouteSample> samples;
    std::vector<RouteLinkMark> links;
    std::optional<RouteSample> mid_assist; // where the point stands
    bool forward = true;
    double highest_tension = 0; // of the samples (finite ones)
    double allowable = 0;       // lbs; 0 for none
    double sidewall_limit = 0;  // lbs/ft
    // The route's extent from above and from the side.
    double min_x = 0, max_x = 0, min_y = 0, max_y = 0, min_z = 0, max_z = 0, length = 0;
    bool empty() const { return links.empty(); }
};

// The drawing of the pull of one direction: `results` as calculate_pull wrote them for these
// links and settings; each bend's bearing pressure (tension leaving it over its radius) held
// against `sidewall_limit` (lbs/ft).
RouteDrawing route_drawing(const std::vector<PullLinkValues>& links, const PullResults& results,
                           const PullSettings& settings, bool forward, double sidewall_limit);
// The same into `drawing`, reusing its buffers and `path`'s: the route view draws again at
// every keystroke in the planner.
void draw_route(const std::vector<PullLinkValues>& links, const PullResults& results,
                const PullSettings& settings, bool forward, double sidewall_limit,
                RouteDrawing& drawing, std::vector<LinkPath>& path);

} // namespace tensora
