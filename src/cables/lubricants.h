// The pulling lubricants offered by the cable selection window, with the coefficient of
// friction each gives.
#pragma once

#include <array>
#include <string_view>

namespace tensora {

struct Lubricant {
    std::string_view name;
    std::string_view coefficient; // written into the friction box as it stands
};

inline constexpr std::array<Lubricant, 5> kLubricants{{
    {"Slikko!", "0.062"},
    {"Dry", "0.150"},
    {"Marlo Lube", "0.080"},
    {"RK-ZN", "0.079"},
    {"Amber 55", "0.065"},
}};

// Whether a coefficient of friction (as read from its box) is the one the named lubricant
// gives; false for a name that is no lubricant.
bool gives_coefficient(std::string_view lubricant, double coefficient);

} // namespace tensora
