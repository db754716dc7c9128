#include "widgets/artwork.h"

#include "print/qt_text.h"
#include "version.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace tensora {
namespace {

const QColor kNavy(16, 38, 66);
const QColor kSteel(96, 116, 140);
const QColor kCopper(214, 122, 46);
const QColor kAccent(244, 178, 52);

QFont sans(qreal pixel_size, int weight = QFont::Normal) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(pixel_size));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

// A conduit run: a straight, a 90 degree sweep and a riser, with the cable inside it and the
// pulling arrow at its end. `scale` sizes it, `origin` places the start of the run.
void draw_conduit_run(QPainter& painter, QPointF origin, qreal scale, const QColor& wall) {
    const qreal radius = 60 * scale;
    const qreal run = 120 * scale;
    const qreal rise = 70 * scale;
    QPainterPath path(origin);
    path.lineTo(origin + QPointF(run, 0));
    path.arcTo(QRectF(origin.x() + run - radius, origin.y() - 2 * radius, 2 * radius, 2 * radius),
               270, 90);
    path.lineTo(origin + QPointF(run + radius, -radius - rise));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(wall, 26 * scale, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(wall.lighter(170), 18 * scale, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.setPen(QPen(kCopper, 7 * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);

    // The pulling direction at the top of the riser.
    const QPointF tip = origin + QPointF(run + radius, -radius - rise - 34 * scale);
    painter.setPen(QPen(kAccent, 4 * scale, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(tip + QPointF(0, 26 * scale), tip);
    QPainterPath head(tip);
    head.lineTo(tip + QPointF(-9 * scale, 13 * scale));
    head.lineTo(tip + QPointF(9 * scale, 13 * scale));
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kAccent);
    painter.drawPath(head);
}

} // namespace

Picture::Picture(Painter paint, QSize size, QWidget* parent)
    : QWidget(parent), paint_(paint), size_(size) {
    resize(size);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(QRect(QPoint(), size_));
    paint_(painter);
}

void paint_splash_picture(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(), kSplashPictureSize);

    QLinearGradient sky(0, 0, 0, 431);
    sky.setColorAt(0, kNavy.lighter(130));
    sky.setColorAt(1, kNavy.darker(140));
    painter.fillRect(area, sky);

    // A faint engineering grid.
    painter.setPen(QPen(QColor(255, 255, 255, 18), 1));
    for (int x = 0; x < 450; x += 18) {
        painter.drawLine(x, 0, x, 431);
    }
    for (int y = 0; y < 431; y += 18) {
        painter.drawLine(0, y, 450, y);
    }

    draw_conduit_run(painter, QPointF(50, 326), 1.1, kSteel);

    painter.setPen(Qt::white);
    painter.setFont(sans(46, QFont::Bold));
    painter.drawText(QRectF(0, 34, 450, 60), Qt::AlignHCenter, QStringLiteral("Tensora"));
    painter.setPen(kAccent);
    painter.setFont(sans(16));
    painter.drawText(QRectF(0, 96, 450, 24), Qt::AlignHCenter,
                     UiText::tr("Cable Pulling Calculator"));
    painter.setPen(QColor(210, 220, 232));
    painter.setFont(sans(12));
    painter.drawText(QRectF(0, 122, 450, 20), Qt::AlignHCenter, UiText::tr("by Norvale"));

    painter.setPen(QColor(190, 204, 220));
    painter.setFont(sans(11));
    painter.drawText(QRectF(0, 352, 450, 18), Qt::AlignHCenter,
                     UiText::tr("Pulling tension  \u00b7  Sidewall pressure  \u00b7  "
                                "Conduit fill  \u00b7  Lubricant"));
    painter.setPen(QColor(150, 166, 186));
    painter.setFont(sans(10));
    painter.drawText(QRectF(0, 396, 436, 18), Qt::AlignRight,
                     UiText::tr("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor));
    painter.drawText(QRectF(14, 396, 300, 18), Qt::AlignLeft, UiText::tr("Loading\u2026"));
}

void paint_main_picture(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(), kMainPictureSize);

    QRadialGradient light(QPointF(118, 90), 190);
    light.setColorAt(0, QColor(246, 248, 251));
    light.setColorAt(1, QColor(206, 216, 228));
    painter.fillRect(area, light);
    painter.setPen(QPen(QColor(170, 184, 200), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));

    draw_conduit_run(painter, QPointF(22, 190), 0.8, kSteel.darker(115));

    painter.setPen(kNavy);
    painter.setFont(sans(22, QFont::Bold));
    painter.drawText(QRectF(0, 10, 236, 30), Qt::AlignHCenter, QStringLiteral("Tensora"));
    painter.setPen(kSteel.darker(130));
    painter.setFont(sans(10));
    painter.drawText(QRectF(0, 40, 236, 16), Qt::AlignHCenter,
                     UiText::tr("Cable pulling in conduit and duct"));
    painter.setFont(sans(9));
    painter.drawText(QRectF(10, 214, 216, 16), Qt::AlignLeft,
                     QStringLiteral("T\u2082 = T\u2081 \u00b7 e^(\u03bc\u03b8)"));
}

void paint_program_icon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    QLinearGradient ground(0, 0, 0, 64);
    ground.setColorAt(0, kNavy.lighter(140));
    ground.setColorAt(1, kNavy);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    draw_conduit_run(painter, QPointF(8, 50), 0.22, kSteel.lighter(130));
    painter.restore();
}

namespace {

// One tool bar icon drawn on a 24-unit square.
void paint_browser_icon(QPainter& painter, const QString& key) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QPen line(kNavy, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    if (key == QLatin1String("Back") || key == QLatin1String("Forward")) {
        const qreal d = key == QLatin1String("Back") ? -1 : 1;
        painter.drawLine(QPointF(12 - 7 * d, 12), QPointF(12 + 7 * d, 12));
        painter.drawPolyline(
            QPolygonF({QPointF(12 + d, 5), QPointF(12 + 8 * d, 12), QPointF(12 + d, 19)}));
    } else if (key == QLatin1String("Stop")) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(196, 52, 40));
        painter.drawEllipse(QPointF(12, 12), 9, 9);
        painter.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
        painter.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
    } else if (key == QLatin1String("Refresh")) {
        painter.drawArc(QRectF(5, 5, 14, 14), 60 * 16, 280 * 16);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kNavy);
        painter.drawPolygon(QPolygonF({QPointF(14, 2.5), QPointF(19.5, 6.5), QPointF(13, 9)}));
    } else if (key == QLatin1String("Home")) {
        painter.drawPolyline(QPolygonF({QPointF(4, 12), QPointF(12, 4.5), QPointF(20, 12)}));
        painter.drawPolyline(QPolygonF(
            {QPointF(6.5, 10.5), QPointF(6.5, 19.5), QPointF(17.5, 19.5), QPointF(17.5, 10.5)}));
        painter.setBrush(kCopper);
        painter.setPen(Qt::NoPen);
        painter.drawRect(QRectF(10.5, 14, 3, 5.5));
    } else if (key == QLatin1String("Search")) {
        painter.drawEllipse(QPointF(10, 10), 5.5, 5.5);
        painter.setPen(QPen(kCopper, 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
    }
}

} // namespace

QIcon browser_icon(const QString& key) {
    QIcon icon;
    for (const int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.scale(size / 24.0, size / 24.0);
        paint_browser_icon(painter, key);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon program_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint_program_icon(painter, size);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tensora
