#include "pullplan/route_path.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace tensora {
namespace {

constexpr Vec3 kUp{0, 0, 1};

// Cosine and sine of an angle in degrees, exact at the quarter turns (a tilt of 90 is Up
// exactly).
std::pair<double, double> cos_sin_degrees(double degrees) {
    const double turns = degrees / 90;
    if (turns == std::round(turns) && std::fabs(turns) < 1e9) {
        const long quarter = ((static_cast<long>(turns) % 4) + 4) % 4;
        constexpr std::pair<double, double> kQuarters[] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
        return kQuarters[quarter];
    }
    const double radians = degrees * (std::numbers::pi / 180);
    return {std::cos(radians), std::sin(radians)};
}

Vec3 unit(Vec3 v) {
    const double size = std::sqrt(dot(v, v));
    return size > 0 ? (1 / size) * v : Vec3{};
}

// The direction turned by u about a unit axis (Rodrigues).
Vec3 rotated(Vec3 d, Vec3 axis, double u) {
    const double along = dot(axis, d);
    const Vec3 across = d - along * axis;
    return along * axis + std::cos(u) * across + std::sin(u) * cross(axis, d);
}

// The route's frame: a horizontal heading and the inclination in the vertical plane through
// it, so that Up and Down keep turning one way past the vertical as the inclination always has.
struct Frame {
    Vec3 heading{1, 0, 0};
    double psi = 0;

    Vec3 direction() const { return std::cos(psi) * heading + std::sin(psi) * kUp; }
    Vec3 left() const { return cross(kUp, heading); }
    // Perpendicular to the direction in its vertical plane, toward the route's "up".
    Vec3 upward() const { return -std::sin(psi) * heading + std::cos(psi) * kUp; }

    // After a turn that is neither Up nor Down: the heading and inclination of the new
    // direction, "up" staying on the side the turned frame's up points to.
    void take(Vec3 d, Vec3 turned_up) {
        const Vec3 level{d.x, d.y, 0};
        const double across = std::sqrt(dot(level, level));
        if (across > 1e-12) {
            heading = (dot(turned_up, kUp) >= 0 ? 1.0 : -1.0) * unit(level);
        } else {
            // Straight up or down: the heading is where the turned frame's up leans.
            const Vec3 lean = unit(Vec3{turned_up.x, turned_up.y, 0});
            if (dot(lean, lean) > 0) {
                heading = (d.z > 0 ? -1.0 : 1.0) * lean;
            }
        }
        psi = std::atan2(d.z, dot(d, heading));
    }
};

} // namespace

Vec3 LinkPath::point_at(double along) const {
    if (!bend || !(theta > 0) || !(radius > 0)) {
        return start + along * direction_in;
    }
    const double u = along / radius;
    const double c = dot(axis, direction_in);
    const Vec3 across = direction_in - c * axis;
    return start + radius * (c * u * axis + std::sin(u) * across +
                             (1 - std::cos(u)) * cross(axis, direction_in));
}

std::vector<LinkPath> route_path(const std::vector<PullLinkValues>& links) {
    std::vector<LinkPath> path;
    route_path(links, path);
    return path;
}

void route_path(const std::vector<PullLinkValues>& links, std::vector<LinkPath>& path) {
    path.assign(links.size(), LinkPath{});
    Frame frame;
    Vec3 at;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const PullLinkValues& link = links[i];
        LinkPath& p = path[i];
        if (link.inclined) {
            frame.psi = link.theta;
        }
        p.start = at;
        p.direction_in = frame.direction();
        p.psi_in = frame.psi;
        p.bend = !link.straight && link.theta != 0 && std::isfinite(link.theta);
        if (p.bend) {
            p.theta = std::fabs(link.theta);
            p.radius = link.length / p.theta;
            const double sign = link.theta < 0 ? -1.0 : 1.0; // a negative angle turns back
            switch (link.turn) {
            case Turn::Horizontal:
                p.axis = (link.right ? -sign : sign) * kUp;
                frame.heading = rotated(frame.heading, p.axis, p.theta);
                break;
            case Turn::Up:
            case Turn::Down: {
                const double way = (link.turn == Turn::Up ? 1.0 : -1.0) * sign;
                p.axis = -way * frame.left();
                frame.psi += way * p.theta;
                break;
            }
            case Turn::Tilted: {
                const auto [cos_tilt, sin_tilt] = cos_sin_degrees(link.tilt);
                const Vec3 normal = cos_tilt * frame.left() + sin_tilt * frame.upward();
                p.axis = sign * unit(cross(frame.direction(), normal));
                const Vec3 turned_up = rotated(frame.upward(), p.axis, p.theta);
                frame.take(rotated(frame.direction(), p.axis, p.theta), turned_up);
                break;
            }
            }
        }
        p.direction_out = frame.direction();
        p.psi_out = frame.psi;
        p.end = p.point_at(link.length);
        at = p.end;
    }
}

BendGeometry bend_geometry(const LinkPath& path, bool forward) {
    BendGeometry g;
    const Vec3 d = forward ? path.direction_in : -1.0 * path.direction_out;
    const Vec3 axis = forward ? path.axis : -1.0 * path.axis;
    g.axis_along = dot(axis, d);
    g.axis_up = axis.z;
    g.curvature = std::sqrt(std::max(0.0, 1 - g.axis_along * g.axis_along));
    g.rise = g.axis_along * g.axis_up;
    g.rise_cos = d.z - g.rise;
    g.rise_sin = cross(axis, d).z;
    return g;
}

} // namespace tensora
