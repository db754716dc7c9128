// Finding where something first happens along a bend: a sign change of the normal force, the
// tension reaching zero, a held cable taken up again.
#pragma once

#include "numbers/units.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tensora::bend_events {

// The arc is searched at steps of at most this angle, then the event is found by halving.
inline constexpr double kSearchStep = 0.5 / kDegreesPerRadian;
inline constexpr int kHalvings = 60;
// A bend turns at most a full circle (the plan refuses more): the search never takes more
// steps than that needs, whatever angle reaches it.
inline constexpr int kMostSearchSteps = 800;

// The pieces a bend's closed form is taken in, at most (each where the normal force keeps its
// sign), and the angle (radians) below which a bend is taken as the straight of its length it
// becomes: its terms would lose their digits to the particular solution, which grows with the
// radius (length / angle).
inline constexpr int kMostPieces = 64;
inline constexpr double kStraightBelow = 1e-5;

// The first u in (from, to] where `happens` turns true.
template <typename Happens>
std::optional<double> first_event(double from, double to, const Happens& happens) {
    const int steps = std::clamp(
        static_cast<int>(std::min(std::ceil((to - from) / kSearchStep), 1e6)), 8, kMostSearchSteps);
    double before = from;
    for (int i = 1; i <= steps; ++i) {
        const double at = i == steps ? to : from + (to - from) * i / steps;
        if (happens(at)) {
            double low = before;
            double high = at;
            for (int k = 0; k < kHalvings; ++k) {
                const double middle = (low + high) / 2;
                (happens(middle) ? high : low) = middle;
            }
            return high;
        }
        before = at;
    }
    return std::nullopt;
}

} // namespace tensora::bend_events
