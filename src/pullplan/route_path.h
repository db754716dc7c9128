// The route as a path in space: from the first link's start, level and heading east, each
// straight runs on (or sets its inclination), each bend turns the direction by its angle about
// the axis of its plane: about the vertical for a horizontal bend (which climbs with the route
// where it is inclined), across the route for Up and Down, and about the axis of its tilted
// plane for a tilted bend. The tensions, the profile's heights and the drawing all take it.
#pragma once

#include "pullplan/pull_plan.h"

#include <cmath>
#include <vector>

namespace tensora {

struct Vec3 {
    double x = 0;
    double y = 0; // north
    double z = 0; // up
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(double k, Vec3 a) {
    return {k * a.x, k * a.y, k * a.z};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// The direction turned by u about a unit axis (Rodrigues).
inline Vec3 rotated(Vec3 d, Vec3 axis, double u) {
    const double along = dot(axis, d);
    const Vec3 across = d - along * axis;
    return along * axis + std::cos(u) * across + std::sin(u) * cross(axis, d);
}

// One link of the path.
struct LinkPath {
    Vec3 start;
    Vec3 end;
    Vec3 direction_in; // unit
    Vec3 direction_out;
    // The inclination entering and leaving, radians, rising positive. Up and Down bends add to
    // it and subtract from it past the vertical as they always have (a route turned up by 120
    // degrees runs at 120); otherwise it is the direction's, from -90 to 90 or, where the route
    // has turned over, beyond.
    double psi_in = 0;
    double psi_out = 0;
    // A bend's axis of rotation (unit; zero for a straight), its angle (radians) and the radius
    // of its arc (its length over its angle).
    Vec3 axis;
    double theta = 0;
    double radius = 0;
    bool bend = false;

    // The point a distance `along` (ft, 0 to the link's length) from the link's start.
    Vec3 point_at(double along) const;
};

inline constexpr Vec3 kUp{0, 0, 1};

inline Vec3 unit(Vec3 v) {
    const double size = std::sqrt(dot(v, v));
    return size > 0 ? (1 / size) * v : Vec3{};
}

// The inclination a link meets after the route's `psi`: an inclined straight's own, else the
// route's.
inline double inclination_entering(const PullLinkValues& link, double psi) {
    return link.inclined ? link.theta : psi;
}
// Whether a link turns the route (a bend of some finite angle).
inline bool is_turning(const PullLinkValues& link) {
    return !link.straight && link.theta != 0 && std::isfinite(link.theta);
}
// The inclination leaving a link that is no bend in a tilted plane, from the one it meets: Up
// and Down turn it by their angle (a negative angle the other way), every other link keeps it.
inline double inclination_leaving(const PullLinkValues& link, double psi_in) {
    if (!is_turning(link) || (link.turn != Turn::Up && link.turn != Turn::Down)) {
        return psi_in;
    }
    const double sign = link.theta < 0 ? -1.0 : 1.0;
    const double way = (link.turn == Turn::Up ? 1.0 : -1.0) * sign;
    return psi_in + way * std::fabs(link.theta);
}

// Walks the route link by link from the first link's start, level and heading east. Its frame
// is a horizontal heading and the inclination in the vertical plane through it, so that Up and
// Down keep turning one way past the vertical as the inclination always has.
class RouteWalker {
public:
    // The next link's path; the walker then stands at its end. Without `positions` the path
    // holds the directions only (what the tensions need), its points left at the origin;
    // without `headings` a horizontal bend leaves the heading as it was, which no inclination,
    // rise or Up and Down bend depends on (a route without tilted bends needs no more).
    LinkPath next(const PullLinkValues& link, bool positions = true, bool headings = true);

    Vec3 at() const { return at_; }
    Vec3 direction() const;
    Vec3 left() const; // horizontal, to the left of the heading
    // Perpendicular to the direction in its vertical plane, toward the route's "up".
    Vec3 upward() const;
    double inclination() const { return psi_; }

private:
    // After a turn that is neither Up nor Down: the heading and inclination of the new
    // direction, "up" staying on the side the turned frame's up points to.
    void turn_to(Vec3 d, Vec3 turned_up);

    Vec3 heading_{1, 0, 0};
    double psi_ = 0;
    Vec3 at_;
    // The cosine and sine of the inclination, kept while it stays: most links keep it.
    mutable double trig_psi_ = 0;
    mutable double cos_psi_ = 1;
    mutable double sin_psi_ = 0;
};

std::vector<LinkPath> route_path(const std::vector<PullLinkValues>& links);
// The same into `path`, whose buffer is reused; without `positions`, the directions only.
void route_path(const std::vector<PullLinkValues>& links, std::vector<LinkPath>& path,
                bool positions = true);

// What the tension through a bend depends on, for one pull through it, with the pull's own
// angle u from 0 to theta: the rise sin(psi(u)) = rise + rise_cos cos u + rise_sin sin u, the
// upward component of the bend's normal toward its centre (rise_sin cos u - rise_cos sin u) /
// curvature, and of its binormal (axis_up - axis_along sin(psi(u))) / curvature; `curvature`
// is the sine of the angle between the axis and the direction (1 for a bend in a plane).
struct BendGeometry {
    double rise = 0;
    double rise_cos = 0;
    double rise_sin = 0;
    double curvature = 1;
    double axis_up = 0;
    double axis_along = 0;
};

// The geometry of bend `path` for the pull that goes forward through it, or in reverse (the
// path run backwards exactly: from the reversed direction out, about the reversed axis).
BendGeometry bend_geometry(const LinkPath& path, bool forward);

} // namespace tensora
