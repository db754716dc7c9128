#include "calculators/straight_section.h"

namespace tensora {

double straight_section_tension(double length, double weight, double friction) {
    return ((length * weight) * friction) / 1000.0;
}

} // namespace tensora
