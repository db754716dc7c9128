// The colours of a pull plan wherever it is drawn, on screen and in the report, so that the
// two read alike.
#pragma once

#include <QColor>

namespace tensora {

inline const QColor kForwardPull(23, 96, 170);
inline const QColor kReversePull(205, 105, 25);
inline const QColor kMeasuredPull(40, 40, 40); // a pull's log, measured
inline const QColor kOverLimit(190, 40, 40);       // the allowable tension, what exceeds a limit
inline const QColor kBendShade(120, 140, 170, 70); // the bends along the route
// The bends' shade as it shows over white: what a legend's swatch for them is painted with.
inline const QColor kBendShadeOnWhite(218, 224, 232);
inline const QColor kOverRow(250, 225, 222); // a table row beyond a limit
// Where the cable runs under its own weight: pale amber, apart from the blue of a selection.
inline const QColor kHeldRow(248, 228, 160);

} // namespace tensora
