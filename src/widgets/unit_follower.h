// A window that shows quantities: told when the user switches the unit system, so that it
// converts what its boxes hold and names the new units, whatever library it lives in.
#pragma once

#include "numbers/units.h"

namespace tensora {

class UnitFollower {
public:
    virtual ~UnitFollower() = default;
    virtual void unitsChanged(UnitSystem from, UnitSystem to) = 0;

protected:
    UnitFollower() = default;
    UnitFollower(const UnitFollower&) = default;
    UnitFollower& operator=(const UnitFollower&) = default;
};

} // namespace tensora
