#include "pullplan/route_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tensora {
namespace {

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

void route_path(const std::vector<PullLinkValues>& links, std::vector<LinkPath>& path,
                bool positions) {
    path.resize(links.size());
    RouteWalker walker;
    const bool headings =
        positions || std::any_of(links.begin(), links.end(), [](const PullLinkValues& link) {
            return link.turn == Turn::Tilted;
        });
    for (std::size_t i = 0; i < links.size(); ++i) {
        path[i] = walker.next(links[i], positions, headings);
    }
}

Vec3 RouteWalker::direction() const {
    if (psi_ != trig_psi_) {
        cos_psi_ = std::cos(psi_);
        sin_psi_ = std::sin(psi_);
        trig_psi_ = psi_;
    }
    return cos_psi_ * heading_ + sin_psi_ * kUp;
}

Vec3 RouteWalker::left() const {
    return cross(kUp, heading_);
}

Vec3 RouteWalker::upward() const {
    direction(); // the inclination's cosine and sine, kept
    return -sin_psi_ * heading_ + cos_psi_ * kUp;
}

void RouteWalker::turn_to(Vec3 d, Vec3 turned_up) {
    const Vec3 level{d.x, d.y, 0};
    const double across = std::sqrt(dot(level, level));
    if (across > 1e-12) {
        heading_ = (dot(turned_up, kUp) >= 0 ? 1.0 : -1.0) * unit(level);
    } else {
        // Straight up or down: the heading is where the turned frame's up leans.
        const Vec3 lean = unit(Vec3{turned_up.x, turned_up.y, 0});
        if (dot(lean, lean) > 0) {
            heading_ = (d.z > 0 ? -1.0 : 1.0) * lean;
        }
    }
    psi_ = std::atan2(d.z, dot(d, heading_));
}

LinkPath RouteWalker::next(const PullLinkValues& link, bool positions, bool headings) {
    LinkPath p;
    psi_ = inclination_entering(link, psi_);
    p.start = at_;
    p.direction_in = direction();
    p.psi_in = psi_;
    p.bend = is_turning(link);
    if (p.bend) {
        p.theta = std::fabs(link.theta);
        p.radius = link.length / p.theta;
        const double sign = link.theta < 0 ? -1.0 : 1.0; // a negative angle turns back
        switch (link.turn) {
        case Turn::Horizontal:
            p.axis = (link.right ? -sign : sign) * kUp;
            if (headings) {
                heading_ = rotated(heading_, p.axis, p.theta);
            }
            break;
        case Turn::Up:
        case Turn::Down: {
            const double way = (link.turn == Turn::Up ? 1.0 : -1.0) * sign;
            p.axis = -way * left();
            psi_ = inclination_leaving(link, psi_);
            break;
        }
        case Turn::Tilted: {
            const auto [cos_tilt, sin_tilt] = cos_sin_degrees(link.tilt);
            const Vec3 normal = cos_tilt * left() + sin_tilt * upward();
            p.axis = sign * unit(cross(direction(), normal));
            const Vec3 turned_up = rotated(upward(), p.axis, p.theta);
            turn_to(rotated(direction(), p.axis, p.theta), turned_up);
            break;
        }
        }
    }
    p.direction_out = direction();
    p.psi_out = psi_;
    if (positions) {
        p.end = p.point_at(link.length);
        at_ = p.end;
    }
    return p;
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
