#include "pullplan/space_bend.h"

#include "pullplan/bend_events.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tensora {
namespace {

using bend_events::first_event;

using bend_events::kMostPieces;
using bend_events::kStraightBelow;
// The step rule's tolerance for each step, of the larger of the tension and W R: the bend's
// tension comes out within 1e-9 of itself.
constexpr double kStepTolerance = 1e-11;
// Steps and holds at zero in one bend, at most: no figures, however senseless (a negative
// friction or weight), make a bend take longer than a sane one.
constexpr int kMostSteps = 4000;
constexpr int kMostHolds = 64;

// The bend's terms per unit of its angle u (ds = R du).
class Terms {
public:
    explicit Terms(const SpaceBend& bend)
        : g_(bend.geometry), mu_(bend.friction), wr_(bend.weight * bend.radius),
          across_(bend.across ? 1.0 : 0.0) {}

    double sin_psi(double u) const {
        return g_.rise + g_.rise_cos * std::cos(u) + g_.rise_sin * std::sin(u);
    }
    // The upward components of the normal toward the centre and of the axis.
    double up_normal(double u) const {
        return (g_.rise_sin * std::cos(u) - g_.rise_cos * std::sin(u)) / g_.curvature;
    }
    double up_binormal(double u) const {
        return (g_.axis_up - g_.axis_along * sin_psi(u)) / g_.curvature;
    }
    // The normal force in the bend's plane, times R.
    double in_plane(double t, double u) const { return t * g_.curvature - wr_ * up_normal(u); }
    double slope(double t, double u) const {
        const double side = across_ * wr_ * up_binormal(u);
        return mu_ * std::hypot(in_plane(t, u), side) + wr_ * sin_psi(u);
    }
    // Whether a cable at zero tension is taken up here, and whether its weight takes it down.
    bool takes_up(double u) const { return slope(0, u) > 0; }
    bool runs_down(double u) const { return wr_ > 0 && !takes_up(u); }
    // The same per foot of the bend, from its radius, without forming W R: for the tiniest
    // angles, whose radius has no bound.
    double per_foot(double t, double u, double radius, double weight) const {
        const double in_plane = t * g_.curvature / radius - weight * up_normal(u);
        const double side = across_ * weight * up_binormal(u);
        return mu_ * std::hypot(in_plane, side) + weight * sin_psi(u);
    }
    // Whether the weight across the plane plays a part in this bend.
    bool has_across() const {
        return across_ > 0 && wr_ != 0 && (g_.axis_up != 0 || g_.axis_along != 0);
    }

    const BendGeometry& geometry() const { return g_; }
    double mu() const { return mu_; }
    double wr() const { return wr_; }

private:
    BendGeometry g_;
    double mu_;
    double wr_;
    double across_;
};

// Where N keeps its sign s the equation is linear: dT/du = m T + F(u), m = s mu curvature, the
// forcing a constant and a sinusoid. Its solution from (u0, t0).
class Linear {
public:
    Linear(const Terms& terms, double sign) : wr_(terms.wr()) {
        const BendGeometry& g = terms.geometry();
        const double k = sign * terms.mu();
        m_ = k * g.curvature;
        const double r1 = wr_ * (g.rise_cos - k * g.rise_sin / g.curvature);
        const double r2 = wr_ * (g.rise_sin + k * g.rise_cos / g.curvature);
        c_ = -(m_ * r1 + r2) / (1 + m_ * m_);
        s_ = m_ * c_ + r1;
        rise_ = g.rise;
    }
    double sinusoid(double u) const { return c_ * std::cos(u) + s_ * std::sin(u); }
    double largest_sinusoid() const { return std::hypot(c_, s_); }
    // The constant forcing's part after d: W R rise (e^(m d) - 1) / m.
    double steady(double d) const { return wr_ * rise_ * (m_ == 0 ? d : std::expm1(m_ * d) / m_); }
    double tension(double u0, double t0, double u) const {
        return (t0 - sinusoid(u0)) * std::exp(m_ * (u - u0)) + sinusoid(u) + steady(u - u0);
    }

private:
    double wr_;
    double m_ = 0;
    double c_ = 0;
    double s_ = 0;
    double rise_ = 0;
};

// The hold rule inside a bend: a pull at zero (or below) where the cable's weight takes it
// down is held at zero until the pull takes the cable up again.
enum class AtZero { Pulling, TakenUpAgain, HeldToTheEnd };
AtZero hold_at_zero(const Terms& terms, double theta, double& u, double& t, bool& held) {
    if (!(t <= 0 && (t < 0 || terms.runs_down(u)))) {
        return AtZero::Pulling;
    }
    t = 0;
    held = held || terms.runs_down(u);
    const auto up_again = first_event(u, theta, [&](double at) { return terms.takes_up(at); });
    if (!up_again) {
        u = theta;
        return AtZero::HeldToTheEnd;
    }
    u = *up_again;
    return AtZero::TakenUpAgain;
}

BendPass closed_form(const Terms& terms, double theta, double tension) {
    const BendGeometry& g = terms.geometry();
    BendPass pass;
    double u = 0;
    double t = tension;
    double forced_sign = 0; // the sign after N has just changed; 0 where it has not
    // Beyond this tension N keeps its sign through the bend (the sinusoid and the steady
    // part cannot bring the tension down to what the weight across the normal takes).
    const double weight_normal =
        terms.wr() * std::hypot(g.rise_cos, g.rise_sin) / (g.curvature * g.curvature);
    for (int piece = 0; piece < kMostPieces && u < theta; ++piece) {
        const AtZero zero = hold_at_zero(terms, theta, u, t, pass.held);
        if (zero == AtZero::HeldToTheEnd) {
            break;
        }
        if (zero == AtZero::TakenUpAgain) {
            forced_sign = 0;
            continue;
        }
        const double sign =
            forced_sign != 0 ? forced_sign : (terms.in_plane(t, u) >= 0 ? 1.0 : -1.0);
        forced_sign = 0;
        const Linear linear(terms, sign);
        const double u0 = u;
        const double t0 = t;
        if (sign > 0 &&
            t0 - 2 * linear.largest_sinusoid() + std::min(0.0, linear.steady(theta - u0)) >
                weight_normal) {
            t = linear.tension(u0, t0, theta);
            u = theta;
            break;
        }
        const auto event = first_event(u0, theta, [&](double at) {
            const double here = linear.tension(u0, t0, at);
            return here < 0 || terms.in_plane(here, at) * sign < 0;
        });
        if (!event) {
            t = linear.tension(u0, t0, theta);
            u = theta;
            break;
        }
        u = *event;
        t = linear.tension(u0, t0, u);
        if (t <= 0) {
            t = 0; // held from here, and taken up again where the pull allows
        } else {
            forced_sign = -sign;
        }
    }
    pass.tension = std::max(t, 0.0);
    return pass;
}

double rk4(const Terms& terms, double u, double t, double h) {
    const double k1 = terms.slope(t, u);
    const double k2 = terms.slope(t + h / 2 * k1, u + h / 2);
    const double k3 = terms.slope(t + h / 2 * k2, u + h / 2);
    const double k4 = terms.slope(t + h * k3, u + h);
    return t + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
}

// One step of h and two of h / 2, extrapolated (fifth order), and its error estimate.
struct Step {
    double tension;
    double error;
};
Step doubled_step(const Terms& terms, double u, double t, double h) {
    const double whole = rk4(terms, u, t, h);
    const double halves = rk4(terms, u + h / 2, rk4(terms, u, t, h / 2), h / 2);
    return {halves + (halves - whole) / 15, std::fabs(halves - whole) / 15};
}

BendPass stepped(const Terms& terms, double theta, double tension) {
    BendPass pass;
    double u = 0;
    double t = tension;
    double h = std::min(theta, 0.25);
    int holds = 0;
    for (int steps = 0; steps < kMostSteps && u < theta; ++steps) {
        if (t <= 0 && (t < 0 || terms.runs_down(u)) && ++holds > kMostHolds) {
            t = 0;
            break;
        }
        const AtZero zero = hold_at_zero(terms, theta, u, t, pass.held);
        if (zero == AtZero::HeldToTheEnd) {
            break;
        }
        if (zero == AtZero::TakenUpAgain) {
            continue;
        }
        h = std::min(h, theta - u);
        const Step step = doubled_step(terms, u, t, h);
        const double tolerance = kStepTolerance * std::max(std::fabs(step.tension), terms.wr());
        if (step.error > tolerance && h > theta * 1e-9) {
            h /= 2;
            continue;
        }
        if (step.tension < 0) {
            if (++holds > kMostHolds) {
                break;
            }
            // The tension reaches zero within the step: there, by halving the step.
            double low = 0;
            double high = h;
            for (int k = 0; k < 60; ++k) {
                const double middle = (low + high) / 2;
                (rk4(terms, u, t, middle) < 0 ? high : low) = middle;
            }
            u += low;
            t = 0;
            continue;
        }
        u += h;
        t = step.tension;
        if (step.error < tolerance / 32) {
            h *= 2;
        }
    }
    pass.tension = std::max(t, 0.0);
    return pass;
}

// A level horizontal bend with the weight across it: the cable presses with sqrt(T^2 +
// (W R)^2) / R all along, and the tension grows in closed form.
bool level_and_across(const Terms& terms) {
    const BendGeometry& g = terms.geometry();
    return g.rise == 0 && g.rise_cos == 0 && g.rise_sin == 0 && g.curvature == 1 &&
           g.axis_along == 0;
}

// A bend of so small an angle that it is the straight of its length: the slope of the tension
// at both ends, averaged over its length (Heun's rule, exact to the square of the angle), with
// the weight pressing it as the bend's plane has it, however small its turn.
BendPass nearly_straight(const Terms& terms, const SpaceBend& bend, double tension) {
    const double radius = bend.length / bend.theta;
    const double first = terms.per_foot(tension, 0, radius, bend.weight);
    const double guess = tension + bend.length * first;
    return held_at_zero(
        tension +
            bend.length * (first + terms.per_foot(guess, bend.theta, radius, bend.weight)) / 2,
        tension, bend.weight);
}

} // namespace

std::optional<BendOnSlope> bend_on_slope(const SpaceBend& bend) {
    const BendGeometry& g = bend.geometry;
    const Terms terms(bend);
    // The general bend's own cases first: no angle or radius, a turn about its own direction,
    // the tiniest angles; then the slope's rule holds where the weight presses in the plane
    // alone and no figure has a senseless sign.
    if (!(bend.theta >= kStraightBelow) || !(bend.radius > 0) || !(g.curvature >= 1e-12) ||
        g.rise_cos != 0 || g.rise_sin != 0 || terms.has_across() || !(bend.friction >= 0) ||
        !(terms.wr() >= 0)) {
        return std::nullopt;
    }
    const double m = terms.mu() * g.curvature;
    BendOnSlope slope;
    slope.slope_at_zero = terms.wr() * g.rise;
    slope.growth = std::exp(m * bend.theta);
    slope.added = slope.slope_at_zero * (m == 0 ? bend.theta : std::expm1(m * bend.theta) / m);
    slope.weighs = terms.wr() > 0;
    return slope;
}

BendPass pass_bend_on_slope(const BendOnSlope& bend, double tension) {
    if (!std::isfinite(tension)) {
        return {tension, false};
    }
    if (tension <= 0 && bend.slope_at_zero <= 0) {
        return {0, bend.weighs}; // held where the weight takes the cable down
    }
    const double out = std::max(tension, 0.0) * bend.growth + bend.added;
    // Downhill the tension can reach zero within the bend; there the weight holds it.
    return out < 0 ? BendPass{0, true} : BendPass{out, false};
}

BendPass pass_space_bend(const SpaceBend& bend, double tension) {
    if (!(bend.theta > 0) || !std::isfinite(tension)) {
        return {tension, false};
    }
    if (!(bend.radius > 0)) {
        // No length: friction alone, as around a post; the weight plays no part.
        return {tension < 0 ? 0 : tension * std::exp(bend.friction * bend.theta), false};
    }
    const Terms terms(bend);
    const BendGeometry& g = bend.geometry;
    if (g.curvature < 1e-12) {
        // Turning about its own direction (a horizontal bend on a vertical route): the cable
        // runs straight, its weight along it.
        const double sin_psi = terms.sin_psi(0);
        return held_at_zero(
            tension +
                bend.weight * bend.length *
                    (sin_psi + bend.friction * std::sqrt(std::max(0.0, 1 - sin_psi * sin_psi))),
            tension, bend.weight);
    }
    if (bend.theta < kStraightBelow && bend.length > 0) {
        return nearly_straight(terms, bend, tension);
    }
    if (const auto slope = bend_on_slope(bend)) {
        return pass_bend_on_slope(*slope, tension);
    }
    if (!terms.has_across()) {
        return closed_form(terms, bend.theta, tension);
    }
    if (level_and_across(terms) && tension >= 0) {
        const double x = bend.friction * bend.theta;
        return {tension * std::cosh(x) + std::sinh(x) * std::hypot(tension, terms.wr()), false};
    }
    return stepped(terms, bend.theta, tension);
}

} // namespace tensora
