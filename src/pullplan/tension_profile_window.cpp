#include "pullplan/tension_profile_window.h"

#include "app/file_saving.h"

#include "app/named_control.h"
#include "app/plan_colors.h"
#include "app/qt_text.h"
#include "pullplan/pull_calculator_window.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QSvgGenerator>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

QList<QPointF> chart_points(const std::vector<ProfilePoint>& points) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const ProfilePoint& point : points) {
        list.append(QPointF(point.distance, point.tension));
    }
    return list;
}

QLineSeries* line(QChart& chart, const QColor& color, qreal width, Qt::PenStyle style) {
    auto* series = new QLineSeries(&chart);
    QPen pen(color, width, style);
    series->setPen(pen);
    chart.addSeries(series);
    return series;
}

QString worst_text(const std::optional<WorstSidewall>& worst) {
    if (!worst) {
        return {};
    }
    return QStringLiteral(", worst sidewall %1 at link %2")
        .arg(qt_text(worst->text))
        .arg(worst->link + 1);
}

} // namespace

// The bends as vertical bands over the plot, painted as plain rectangles: as an area series,
// hundreds of bends a pixel wide cost a tenth of a second to fill.
class BendBands : public QGraphicsItem {
public:
    explicit BendBands(QChart& chart) : QGraphicsItem(&chart), chart_(chart) {
        setZValue(0.5); // over the plot's ground, under the grid and the lines
    }

    // The bands in pixels across the plot, from left to right.
    void setBands(std::vector<std::pair<qreal, qreal>> bands) {
        prepareGeometryChange();
        bands_ = std::move(bands);
        update();
    }

    QRectF boundingRect() const override { return chart_.plotArea(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        const QRectF plot = chart_.plotArea();
        painter->setRenderHint(QPainter::Antialiasing, false);
        for (const auto& [left, right] : bands_) {
            painter->fillRect(
                QRectF(left, plot.top(), std::max<qreal>(1, right - left), plot.height()),
                kBendShade);
        }
    }

private:
    QChart& chart_;
    std::vector<std::pair<qreal, qreal>> bands_;
};

TensionProfile::TensionProfile(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), chart_(new QChart) {
    setObjectName(QStringLiteral("TensionProfile"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - Tension Profile"));

    chart_->setMargins(QMargins(6, 6, 6, 6));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    distance_ = new QValueAxis(chart_);
    distance_->setTitleText(QStringLiteral("Distance along the route (ft)"));
    distance_->setLabelFormat(QStringLiteral("%.0f"));
    tension_ = new QValueAxis(chart_);
    tension_->setLabelFormat(QStringLiteral("%.0f"));
    chart_->addAxis(distance_, Qt::AlignBottom);
    chart_->addAxis(tension_, Qt::AlignLeft);

    // The bands are painted by their own item; this series only names them in the legend.
    band_edges_ = new QLineSeries(chart_);
    bends_ = new QAreaSeries(band_edges_);
    bends_->setName(QStringLiteral("Bends"));
    bends_->setBrush(kBendShade);
    bends_->setPen(Qt::NoPen);
    chart_->addSeries(bends_);
    bands_ = new BendBands(*chart_);
    allowable_ = line(*chart_, kOverLimit, 1.5, Qt::DashLine);
    mid_assist_ = line(*chart_, QColor(60, 60, 60), 1.5, Qt::DashDotLine);
    mid_assist_->setName(QStringLiteral("Mid-assist pull point"));
    forward_ = line(*chart_, kForwardPull, 2, Qt::SolidLine);
    reverse_ = line(*chart_, kReversePull, 2, Qt::SolidLine);
    for (QLineSeries* pull : {forward_, reverse_}) {
        pull->setPointsVisible(true); // a marker at each link's end
        pull->setMarkerSize(6);
    }
    for (QAbstractSeries* series : chart_->series()) {
        series->attachAxis(distance_);
        series->attachAxis(tension_);
    }
    allowable_label_ = new QGraphicsSimpleTextItem(chart_);
    allowable_label_->setBrush(kOverLimit);
    mid_assist_label_ = new QGraphicsSimpleTextItem(chart_);

    view_ = named(new QChartView(chart_, this), "profileChart");
    view_->setRenderHint(QPainter::Antialiasing);
    empty_ = named(new QLabel(QStringLiteral("No plan yet. Open Tools > Pull Calculator and add "
                                             "links: their tensions are drawn here."),
                              view_),
                   "emptyPlanLabel");
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    save_ = named(new QPushButton(QStringLiteral("Save Image..."), this), "saveImage");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addWidget(save_, 0, Qt::AlignRight);
    resize(900, 560);

    connect(save_, &QPushButton::clicked, this, &TensionProfile::saveImage);
    connect(chart_, &QChart::plotAreaChanged, this, &TensionProfile::placeLabels);
    connect(forward_, &QLineSeries::hovered, this, [this](const QPointF& at, bool over) {
        if (over) {
            showPointTip(profile_.forward, at, true);
        }
    });
    connect(reverse_, &QLineSeries::hovered, this, [this](const QPointF& at, bool over) {
        if (over) {
            showPointTip(profile_.reverse, at, false);
        }
    });
    planRecalculated();
}

void TensionProfile::planRecalculated() {
    const PullCalculator* planner = registry().find<PullCalculator>();
    types_.clear();
    if (!planner) {
        profile_ = ProfileData{};
    } else {
        const PullPlanLinks& plan = planner->plan();
        for (std::size_t row = 0; row < plan.size(); ++row) {
            types_.push_back(plan.type(row));
        }
        profile_ = planner->profile();
    }
    redraw();
}

int TensionProfile::plotWidth() const {
    const int width = static_cast<int>(chart_->plotArea().width());
    return width > 10 ? width : 2000;
}

void TensionProfile::redraw() {
    const bool empty = profile_.forward.size() <= 1;
    empty_->setVisible(empty);
    empty_->setGeometry(view_->rect());
    const double length = profile_.length > 0 ? profile_.length : 1.0;
    const int pixels = plotWidth();
    forward_->replace(chart_points(decimated(profile_.forward, 0, length, pixels)));
    reverse_->replace(chart_points(decimated(profile_.reverse, 0, length, pixels)));

    double top = profile_.allowable;
    for (const auto* pull : {&profile_.forward, &profile_.reverse}) {
        for (const ProfilePoint& point : *pull) {
            top = std::max(top, point.tension);
        }
    }
    top = top > 0 ? top * 1.1 : 10.0;
    // Ticks at round numbers from 0, the axes ending at the route's end and above the top.
    const double tension_step = axis_step(top);
    top = std::ceil(top / tension_step) * tension_step;
    distance_->setRange(0, length);
    tension_->setRange(0, top);
    for (auto [axis, step] :
         {std::pair{distance_, axis_step(length)}, std::pair{tension_, tension_step}}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(step);
    }
    tension_->setTitleText(profile_.values_left_out
                               ? QStringLiteral("Tension (lbs) \u2014 values out of range left out")
                               : QStringLiteral("Tension (lbs)"));

    forward_->setName(QStringLiteral("Forward pull") + worst_text(profile_.worst_forward));
    reverse_->setName(QStringLiteral("Reverse pull") + worst_text(profile_.worst_reverse));

    bends_->setVisible(!profile_.bends.empty());

    allowable_->setVisible(profile_.allowable > 0);
    allowable_->setName(QStringLiteral("Allowable tension %1 lbs").arg(profile_.allowable));
    allowable_->replace(
        {QPointF(0, profile_.allowable), QPointF(distance_->max(), profile_.allowable)});
    mid_assist_->setVisible(profile_.mid_assist_at.has_value());
    if (profile_.mid_assist_at) {
        const double at = *profile_.mid_assist_at;
        mid_assist_->replace({QPointF(at, 0), QPointF(at, tension_->max())});
    }
    const PullCalculator* planner = registry().find<PullCalculator>();
    mid_assist_label_->setText(
        planner && profile_.mid_assist_at ? qt_text(planner->results().caption) : QString());
    placeLabels();
}

void TensionProfile::placeLabels() {
    const QRectF plot = chart_->plotArea();
    allowable_label_->setVisible(profile_.allowable > 0);
    allowable_label_->setText(QStringLiteral("allowable %1 lbs").arg(profile_.allowable));
    const QPointF limit =
        chart_->mapToPosition(QPointF(distance_->max(), profile_.allowable), allowable_);
    allowable_label_->setPos(limit.x() - allowable_label_->boundingRect().width() - 4,
                             limit.y() - allowable_label_->boundingRect().height() - 2);
    if (profile_.mid_assist_at) {
        const QPointF at = chart_->mapToPosition(QPointF(*profile_.mid_assist_at, 0), mid_assist_);
        mid_assist_label_->setPos(
            std::min(at.x() + 4, plot.right() - mid_assist_label_->boundingRect().width()),
            plot.top() + 18);
    }
    mid_assist_label_->setVisible(profile_.mid_assist_at.has_value());

    // The bends' bands in pixels, those closer than a pixel drawn as one.
    std::vector<std::pair<qreal, qreal>> bands;
    for (const ProfileBend& bend : profile_.bends) {
        const qreal left = chart_->mapToPosition(QPointF(bend.start, 0), forward_).x();
        const qreal right = chart_->mapToPosition(QPointF(bend.end, 0), forward_).x();
        if (!bands.empty() && left - bands.back().second < 1) {
            bands.back().second = std::max(bands.back().second, right);
        } else {
            bands.emplace_back(left, right);
        }
    }
    bands_->setBands(std::move(bands));

    // Each bend's angle at the top of its band, where there is room for it.
    std::size_t used = 0;
    double free_from = plot.left();
    for (const ProfileBend& bend : profile_.bends) {
        const double middle =
            chart_->mapToPosition(QPointF((bend.start + bend.end) / 2, 0), forward_).x();
        const QString text = qt_text(bend.angle) + QStringLiteral("\u00b0");
        if (used == angle_labels_.size()) {
            angle_labels_.push_back(new QGraphicsSimpleTextItem(chart_));
        }
        QGraphicsSimpleTextItem* label = angle_labels_[used];
        label->setText(text);
        const double width = label->boundingRect().width();
        if (middle - width / 2 < free_from) {
            continue; // no room beside the previous label
        }
        label->setPos(middle - width / 2, plot.top() + 1);
        label->setVisible(true);
        free_from = middle + width / 2 + 4;
        ++used;
    }
    for (std::size_t i = used; i < angle_labels_.size(); ++i) {
        angle_labels_[i]->setVisible(false);
    }
}

void TensionProfile::showPointTip(const std::vector<ProfilePoint>& line, const QPointF& at,
                                  bool forward) {
    const PullCalculator* planner = registry().find<PullCalculator>();
    if (!planner || line.empty()) {
        return;
    }
    const auto nearest = std::min_element(
        line.begin(), line.end(), [&at](const ProfilePoint& a, const ProfilePoint& b) {
            return std::fabs(a.distance - at.x()) < std::fabs(b.distance - at.x());
        });
    const int link = nearest->link;
    const PullResults& results = planner->results();
    if (link < 0 || static_cast<std::size_t>(link) >= results.forward.size()) {
        return;
    }
    const auto row = static_cast<std::size_t>(link);
    const bool bend = types_[row] != kStraightType;
    QString tip = QStringLiteral("Link %1, %2\nCumulative %3 lbs")
                      .arg(link + 1)
                      .arg(qt_text(types_[row]))
                      .arg(qt_text(forward ? results.forward[row] : results.reverse[row]));
    if (bend) {
        tip += QStringLiteral("\nSidewall %1")
                   .arg(qt_text(forward ? results.forward_sidewall[row]
                                        : results.reverse_sidewall[row]));
    }
    QToolTip::showText(QCursor::pos(), tip, view_);
}

void TensionProfile::resizeEvent(QResizeEvent* event) {
    RegisteredWindow<QWidget>::resizeEvent(event);
    redraw(); // decimated again for the new width
}

void TensionProfile::saveImage() {
    QString path = platform().saveFileName(
        this, QStringLiteral("PNG image (*.png)|*.png|SVG image (*.svg)|*.svg"));
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray image;
    QBuffer buffer(&image);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(view_->size());
        svg.setViewBox(view_->rect());
        svg.setTitle(windowTitle());
        QPainter painter;
        if (painter.begin(&svg)) {
            view_->render(&painter);
            painter.end();
        }
    } else {
        if (suffix != QLatin1String("png")) {
            path += QStringLiteral(".png");
        }
        view_->grab().save(&buffer, "PNG");
    }
    std::string reason = "the picture could not be drawn";
    const bool saved = !image.isEmpty() &&
                       save_whole_file(local_path(path),
                                       std::string_view(image.constData(), image.size()), reason);
    if (!saved) {
        platform().message(this, QStringLiteral("The picture could not be saved as %1.\n%2")
                                     .arg(QDir::toNativeSeparators(path), qt_text(reason)));
    }
}

} // namespace tensora
