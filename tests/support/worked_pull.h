// The worked example typed into the planner, for the windows that follow it: 500 ft straight,
// a 90 degree bend 2 ft long, 300 ft straight; friction 0.15, 200 lbs/kft.
#pragma once

#include "windows/pullplan/pull_calculator_window.h"

namespace tensora::test {

// The planner, loaded if it is not, with the worked example and the allowable tension given,
// recalculated.
PullCalculator& worked_pull(WindowRegistry& registry, const QString& allowable);

} // namespace tensora::test
