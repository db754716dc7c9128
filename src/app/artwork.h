// The program's two pictures, drawn in code so that they stay sharp and need no image files.
#pragma once

#include <QPixmap>

namespace tensora {

// The splash picture, 450 × 431 pixels.
QPixmap splash_picture();

// The main window's picture, 236 × 238 pixels.
QPixmap main_picture();

} // namespace tensora
