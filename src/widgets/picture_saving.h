// Saves a widget's picture as the PNG or SVG image the user names, through the platform's file
// dialog; a picture that cannot be written says why, in a message its window owns.
#pragma once

class QWidget;

namespace tensora {

class Platform;

void save_picture(Platform& platform, QWidget& owner, QWidget& picture);

} // namespace tensora
