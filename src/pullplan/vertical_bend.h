// The tension through a bend in the vertical plane: friction on the wall the cable presses on,
// and the cable's own weight along and across the bend. Along the arc s,
//   dT/ds = mu |N| + W sin(psi),  N = T/R - W cos(psi) (Up), N = T/R + W cos(psi) (Down),
// psi the local inclination, rising through an Up bend and falling through a Down bend. While N
// keeps its sign the equation is linear and solved in closed form; the bend is taken piece by
// piece between the points where N changes sign, and a tension that would fall below zero is
// held at zero (a cable cannot push) until the pull takes it up again.
#pragma once

#include <optional>

namespace tensora {

struct VerticalBend {
    double radius = 0;   // R, ft
    double theta = 0;    // the angle turned, radians (> 0)
    bool up = true;      // Up turns the route upward (a sag), Down downward (a crest)
    double weight = 0;   // W, lbs per ft
    double friction = 0; // mu
    double length = 0;   // the arc's length, ft: R theta, kept apart for the tiniest angles
};

struct BendPass {
    double tension = 0; // leaving the bend
    bool held = false;  // held at zero somewhere in the bend
};

// The one rule where a pull would fall below zero over a piece of the route that it passes in
// one step: a cable cannot push, so the tension leaving is held at zero, and the pull is held
// there where the cable's weight is what takes it down.
inline BendPass held_at_zero(double out, double tension, double weight) {
    return out < 0 ? BendPass{0, weight > 0 && out < tension} : BendPass{out, false};
}

// The tension leaving the bend for a pull that enters it with `tension` at inclination
// `psi_in` (radians).
BendPass pass_vertical_bend(const VerticalBend& bend, double tension, double psi_in);

// A pull that meets the bend above three times W R keeps its wall all through it (the normal
// force keeps its sign): the tension leaving is (T - start) × growth + end, the same figures
// for every such pull. None for a bend the general rule alone takes (no length or angle).
struct SteadyVerticalBend {
    double above = 0; // the tension from which the figures hold
    double start = 0;
    double growth = 1;
    double end = 0;
};
std::optional<SteadyVerticalBend> steady_vertical_bend(const VerticalBend& bend, double psi_in);
BendPass pass_steady_vertical_bend(const SteadyVerticalBend& steady, const VerticalBend& bend,
                                   double tension, double psi_in);

} // namespace tensora
