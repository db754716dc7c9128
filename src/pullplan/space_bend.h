// The tension through a bend of a route in space: along its arc s,
//   dT/ds = mu |N| + W sin(psi),  |N| = sqrt((T/R + W g_n)^2 + (k W g_b)^2),
// psi the local inclination, g_n and g_b the components of the downward unit vector on the
// bend's principal normal (toward its centre) and on its axis, and k 0 (the weight in the
// bend's plane only) or 1 (all of it). Without the weight across the plane the equation is
// linear wherever N keeps its sign and is solved in closed form piece by piece, as a vertical
// bend is; a level horizontal bend with it is T cosh(mu theta) + sinh(mu theta) sqrt(T^2 +
// (W R)^2); any other is integrated step by step to 1e-9 of the tension. A tension that would
// fall below zero is held at zero (a cable cannot push) until the pull takes it up again.
#pragma once

#include "pullplan/route_path.h"
#include "pullplan/vertical_bend.h"

#include <optional>

namespace tensora {

struct SpaceBend {
    double radius = 0;   // R, ft: the bend's length over its angle
    double theta = 0;    // the angle turned, radians (> 0)
    double length = 0;   // ft
    double weight = 0;   // W, lbs per ft
    double friction = 0; // mu
    bool across = false; // k = 1: the weight across the bend's plane presses too
    BendGeometry geometry;
};

BendPass pass_space_bend(const SpaceBend& bend, double tension);

// A horizontal bend on a steady slope (a helix about the vertical) with the weight in its plane
// only: dT/du = mu cos(psi) T + W R sin(psi) holds over the whole bend, so the tension leaving
// is growth × T + added for a pull that meets it at or above zero, and a pull at zero is held
// there where the slope takes the cable down. The same figures serve every pull through it.
struct BendOnSlope {
    double growth = 1;      // e^(mu cos(psi) theta)
    double added = 0;       // W R sin(psi) (e^(mu cos(psi) theta) - 1) / (mu cos(psi))
    double slope_at_zero = 0; // W R sin(psi): where the pull stands at zero
    bool weighs = false;    // W R > 0
};
// The bend as such a bend, or none where it is not one (the general bend takes it then).
std::optional<BendOnSlope> bend_on_slope(const SpaceBend& bend);
BendPass pass_bend_on_slope(const BendOnSlope& bend, double tension);

} // namespace tensora
