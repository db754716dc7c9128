// Places the controls of a form whose design gives every position in twips (1/1440 inch):
// positions and sizes follow the design, converted with the screen's resolution, and the whole
// form is scaled up as far as the program's font is larger than the design's, so that no
// caption is cut and every list shows the rows it was drawn for.
#pragma once

#include <QAbstractItemView>
#include <QRect>
#include <QWidget>

#include <vector>

namespace tensora {

class TwipsForm {
public:
    // `client` is the form's client area in twips.
    TwipsForm(QWidget& form, QSize client);

    // A control at left, top, width and height twips of the form's client area (also when it
    // stands inside a group box that is placed here too).
    void place(QWidget* control, int left, int top, int width, int height);
    // A list that must show `rows` rows whole.
    void placeList(QAbstractItemView* list, int left, int top, int width, int height, int rows);

    // Sets every control's geometry and the form's fixed size.
    void apply();

private:
    struct Placement {
        QWidget* control;
        QRect twips;
        int rows = 0;
    };

    double fittingScale(double pixels_per_twip) const;
    QRect pixels(const QRect& twips, double pixels_per_twip) const;

    QWidget& form_;
    QSize client_;
    std::vector<Placement> placements_;
};

} // namespace tensora
