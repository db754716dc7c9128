#include "cables/lubricants.h"

#include "numbers/number_rules.h"

#include <algorithm>

namespace tensora {

bool gives_coefficient(std::string_view lubricant, double coefficient) {
    const auto found =
        std::find_if(kLubricants.begin(), kLubricants.end(),
                     [lubricant](const Lubricant& l) { return l.name == lubricant; });
    return found != kLubricants.end() && leadingValue(found->coefficient) == coefficient;
}

} // namespace tensora
