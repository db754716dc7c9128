// Tension needed to pull a cable through one straight section of conduit.
#pragma once

namespace tensora {

// Length in ft, weight in lbs per 1000 ft, coefficient of friction: the tension in lbs,
// evaluated as ((length × weight) × friction) ÷ 1000.
double straight_section_tension(double length, double weight, double friction);

} // namespace tensora
