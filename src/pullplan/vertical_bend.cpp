#include "pullplan/vertical_bend.h"

#include "numbers/units.h"
#include "pullplan/bend_events.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tensora {
namespace {

using bend_events::kMostPieces;
using bend_events::kStraightBelow;

class Bend {
public:
    explicit Bend(const VerticalBend& bend)
        : b_(bend), turn_(bend.up ? 1.0 : -1.0),
          scale_(bend.weight * bend.radius / (1 + bend.friction * bend.friction)) {}

    double psi(double psi_in, double u) const { return psi_in + turn_ * u; }

    // The normal force per foot for tension t at inclination psi.
    double normal(double t, double psi) const {
        return t / b_.radius - turn_ * b_.weight * std::cos(psi);
    }

    // The particular solution of the piece where N has the sign `sign`.
    double particular(double psi, double sign) const {
        const double mu = b_.friction;
        return -turn_ * scale_ *
               ((1 - mu * mu) * std::cos(psi) + sign * turn_ * 2 * mu * std::sin(psi));
    }

    // The tension at u along a piece that starts at u0 with t0, N of sign `sign`.
    double tension(double psi_in, double u0, double t0, double u, double sign) const {
        return (t0 - particular(psi(psi_in, u0), sign)) * std::exp(sign * b_.friction * (u - u0)) +
               particular(psi(psi_in, u), sign);
    }

    // Whether a cable at zero tension is taken up here: the pull's friction and the weight
    // along the route add tension.
    bool takes_up(double psi) const {
        return b_.friction * std::fabs(std::cos(psi)) + std::sin(psi) > 0;
    }
    // Whether the cable's weight takes a tension at zero below it here: only a cable that
    // weighs something runs under its own weight.
    bool runs_down(double psi) const { return b_.weight > 0 && !takes_up(psi); }

    double theta() const { return b_.theta; }
    double weight_radius() const { return std::fabs(b_.weight) * b_.radius; }

private:
    VerticalBend b_;
    double turn_;
    double scale_;
};

using bend_events::first_event;

// A bend of so small an angle that it is the straight of its length: the slope of the tension
// at both ends (its normal force, T / R against the weight across it, and the weight along
// it), averaged over its length (Heun's rule, exact to the square of the angle).
BendPass nearly_straight(const VerticalBend& bend, double tension, double psi_in) {
    const double turn = bend.up ? 1.0 : -1.0;
    const double length = bend.length > 0 ? bend.length : bend.radius * bend.theta;
    const auto slope = [&](double t, double psi) {
        return bend.friction * std::fabs(t / bend.radius - turn * bend.weight * std::cos(psi)) +
               bend.weight * std::sin(psi);
    };
    const double psi_out = psi_in + turn * bend.theta;
    const double first = slope(tension, psi_in);
    const double guess = tension + length * first;
    return held_at_zero(tension + length * (first + slope(guess, psi_out)) / 2, tension,
                        bend.weight);
}

bool plain(const VerticalBend& vertical) {
    return vertical.theta > 0 && vertical.radius > 0 && vertical.theta >= kStraightBelow;
}

} // namespace

std::optional<SteadyVerticalBend> steady_vertical_bend(const VerticalBend& vertical,
                                                       double psi_in) {
    if (!plain(vertical)) {
        return std::nullopt;
    }
    // As the general rule's first piece computes it from u = 0 to the bend's end.
    const Bend bend(vertical);
    SteadyVerticalBend steady;
    steady.above = 3 * bend.weight_radius();
    steady.start = bend.particular(bend.psi(psi_in, 0), 1.0);
    steady.growth = std::exp(1.0 * vertical.friction * (bend.theta() - 0));
    steady.end = bend.particular(bend.psi(psi_in, bend.theta()), 1.0);
    return steady;
}

BendPass pass_steady_vertical_bend(const SteadyVerticalBend& steady, const VerticalBend& bend,
                                   double tension, double psi_in) {
    if (tension > steady.above && std::isfinite(tension)) {
        return {std::max((tension - steady.start) * steady.growth + steady.end, 0.0), false};
    }
    return pass_vertical_bend(bend, tension, psi_in);
}

BendPass pass_vertical_bend(const VerticalBend& vertical, double tension, double psi_in) {
    BendPass pass;
    if (!(vertical.theta > 0) || !std::isfinite(tension)) {
        pass.tension = tension;
        return pass;
    }
    if (!(vertical.radius > 0)) {
        // No length: friction alone, as around a post; the weight plays no part.
        pass.tension = tension < 0 ? 0 : tension * std::exp(vertical.friction * vertical.theta);
        return pass;
    }
    if (vertical.theta < kStraightBelow) {
        return nearly_straight(vertical, tension, psi_in);
    }
    const Bend bend(vertical);
    double u = 0;
    double t = tension;
    std::optional<double> forced_sign; // the sign after N has just changed
    for (int piece = 0; piece < kMostPieces && u < bend.theta(); ++piece) {
        if (t <= 0 && (t < 0 || bend.runs_down(bend.psi(psi_in, u)))) {
            // Held at zero until the pull takes the cable up again, if it does in this bend;
            // named so only where the cable's weight is what takes it down.
            pass.held = pass.held || bend.runs_down(bend.psi(psi_in, u));
            t = 0;
            const auto up_again = first_event(
                u, bend.theta(), [&](double at) { return bend.takes_up(bend.psi(psi_in, at)); });
            if (!up_again) {
                u = bend.theta();
                break;
            }
            u = *up_again;
            forced_sign.reset();
            continue;
        }
        const double sign =
            forced_sign.value_or(bend.normal(t, bend.psi(psi_in, u)) >= 0 ? 1.0 : -1.0);
        forced_sign.reset();
        const double u0 = u;
        const double t0 = t;
        const auto along = [&](double at) { return bend.tension(psi_in, u0, t0, at, sign); };
        if (sign > 0 && t0 > 3 * bend.weight_radius()) {
            // The particular solution never exceeds W R in size, so the tension stays above
            // W R all along: N keeps its sign and the cable its wall.
            t = along(bend.theta());
            u = bend.theta();
            break;
        }
        const auto event = first_event(u0, bend.theta(), [&](double at) {
            const double here = along(at);
            return here < 0 || bend.normal(here, bend.psi(psi_in, at)) * sign < 0;
        });
        if (!event) {
            t = along(bend.theta());
            u = bend.theta();
            break;
        }
        u = *event;
        t = along(u);
        if (t <= 0) {
            t = 0; // held from here, and taken up again where the pull allows
        } else {
            forced_sign = -sign;
        }
    }
    pass.tension = std::max(t, 0.0);
    return pass;
}

} // namespace tensora
