// The colours of a pull plan wherever it is drawn, on screen and in the report, so that the
// two read alike.
#pragma once

#include <QColor>

namespace tensora {

inline const QColor kForwardPull(23, 96, 170);
inline const QColor kReversePull(205, 105, 25);
inline const QColor kOverLimit(190, 40, 40);       // the allowable tension, what exceeds a limit
inline const QColor kBendShade(120, 140, 170, 50); // the bends along the route
inline const QColor kOverRow(250, 225, 222);       // a table row beyond a limit
inline const QColor kHeldRow(214, 232, 250);       // where the cable runs under its own weight

} // namespace tensora
