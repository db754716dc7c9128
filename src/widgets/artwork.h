// The program's two pictures, drawn in code: painted afresh at the screen's own resolution,
// they stay sharp at any scaling and need no image files.
#pragma once

#include <QIcon>
#include <QWidget>

class QPainter;

namespace tensora {

// The splash picture, 450 × 431 pixels.
void paint_splash_picture(QPainter& painter);
inline constexpr QSize kSplashPictureSize{450, 431};

// The main window's picture, 236 × 238 pixels.
void paint_main_picture(QPainter& painter);
inline constexpr QSize kMainPictureSize{236, 238};

// The program's icon, drawn to fill a square of the given size.
void paint_program_icon(QPainter& painter, int size);
// The icon at the sizes a desktop asks for, sharp at any scaling.
QIcon program_icon();

// The browser tool bar's icons by their button keys: "Back", "Forward", "Stop", "Refresh",
// "Home", "Search".
QIcon browser_icon(const QString& key);

// A picture box showing one of the pictures from its top-left corner.
class Picture : public QWidget {
    Q_OBJECT

public:
    using Painter = void (*)(QPainter&);

    Picture(Painter paint, QSize size, QWidget* parent);

    QSize sizeHint() const override { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter paint_;
    QSize size_;
};

} // namespace tensora
