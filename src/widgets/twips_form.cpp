#include "widgets/twips_form.h"

#include "numbers/twips.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

bool is_caption(const QWidget* control) {
    const auto* label = qobject_cast<const QLabel*>(control);
    return (label && !label->wordWrap()) || qobject_cast<const QAbstractButton*>(control);
}

// Controls that may stand taller than their slot, centred on it (a line edit or a push
// button needs the height of its frame, which a design font smaller than ours did not).
bool may_grow_taller(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPushButton*>(control);
}

} // namespace

TwipsForm::TwipsForm(QWidget& form, QSize client) : form_(form), client_(client) {}

void TwipsForm::place(QWidget* control, int left, int top, int width, int height) {
    placements_.push_back({control, QRect(left, top, width, height)});
}

void TwipsForm::placeList(QAbstractItemView* list, int left, int top, int width, int height,
                          int rows) {
    placements_.push_back({list, QRect(left, top, width, height), rows});
}

double TwipsForm::fittingScale(double pixels_per_twip) const {
    double scale = 1.0;
    const auto at_least = [&scale](double needed, int twips, double pixels_per_twip) {
        if (twips > 0) {
            scale = std::max(scale, needed / (twips * pixels_per_twip));
        }
    };
    for (const Placement& p : placements_) {
        if (p.control->isHidden()) {
            continue;
        }
        const QSize hint = p.control->sizeHint();
        if (const auto* button = qobject_cast<const QPushButton*>(p.control)) {
            // The caption and the frame around it; the style's minimum button width is for
            // buttons that have room to spare.
            const int margin =
                button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            at_least(button->fontMetrics().horizontalAdvance(button->text()) + 2 * margin,
                     p.twips.width(), pixels_per_twip);
        } else if (is_caption(p.control)) {
            // A few pixels to spare: in the design a box may start right where a caption ends.
            at_least(hint.width() + 4, p.twips.width(), pixels_per_twip);
            if (!may_grow_taller(p.control)) {
                at_least(hint.height(), p.twips.height(), pixels_per_twip);
            }
        }
        if (p.rows > 0) {
            auto* list = static_cast<QAbstractItemView*>(p.control);
            const int row = std::max(list->sizeHintForRow(0), list->fontMetrics().height());
            at_least(p.rows * row + 2 * list->frameWidth() + 2, p.twips.height(), pixels_per_twip);
        }
    }
    // Wrapped captions: as wide as the design, on as many lines as the design's height holds.
    for (const Placement& p : placements_) {
        const auto* label = qobject_cast<const QLabel*>(p.control);
        if (!label || !label->wordWrap() || label->isHidden()) {
            continue;
        }
        while (label->heightForWidth(static_cast<int>(p.twips.width() * pixels_per_twip * scale)) >
               p.twips.height() * pixels_per_twip * scale) {
            scale += 0.02;
        }
    }
    return scale;
}

QRect TwipsForm::pixels(const QRect& twips, double pixels_per_twip) const {
    const auto px = [pixels_per_twip](int value) {
        return static_cast<int>(std::lround(value * pixels_per_twip));
    };
    return {px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height())};
}

void TwipsForm::apply() {
    const QScreen* screen = form_.screen();
    const double dots_per_inch = screen ? screen->logicalDotsPerInch() : 96.0;
    const double pixels_per_twip = dots_per_inch / kTwipsPerInch;
    const double scale = pixels_per_twip * fittingScale(pixels_per_twip);

    for (const Placement& p : placements_) {
        QRect rect = pixels(p.twips, scale);
        const int needed = p.control->sizeHint().height();
        if (may_grow_taller(p.control) && needed > rect.height()) {
            rect.adjust(0, -(needed - rect.height()) / 2, 0, 0);
            rect.setHeight(needed);
        }
        // A control inside a placed group box stands relative to it.
        for (const Placement& parent : placements_) {
            if (parent.control == p.control->parentWidget()) {
                rect.translate(-pixels(parent.twips, scale).topLeft());
            }
        }
        p.control->setGeometry(rect);
    }
    form_.setFixedSize(pixels(QRect(QPoint(), client_), scale).size());
}

} // namespace tensora
