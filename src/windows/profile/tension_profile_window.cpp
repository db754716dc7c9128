#include "windows/profile/tension_profile_window.h"

#include "print/plan_colors.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/named_control.h"
#include "widgets/picture_saving.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>

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

// A legend's key: a short line in the series' colour and pen, as rich text.
QString key(const QColor& color, const QString& line) {
    return QStringLiteral("<span style=\"color:%1\"><b>%2</b></span>")
        .arg(color.name(), line.toHtmlEscaped());
}

// A legend's key for a band: a patch of the very colour the chart paints it with.
QString swatch(const QColor& color) {
    return QStringLiteral("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;"
                          "&nbsp;</span>")
        .arg(color.name());
}

} // namespace

// Stretches of the route as vertical bands over the plot (the bends, the links where a pull is
// held at zero), painted as plain rectangles: as an area series, hundreds of bends a pixel
// wide cost a tenth of a second to fill.
class BendBands : public QGraphicsItem {
public:
    BendBands(QChart& chart, const QColor& color)
        : QGraphicsItem(&chart), chart_(chart), color_(color) {
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
                QRectF(left, plot.top(), std::max<qreal>(1, right - left), plot.height()), color_);
        }
    }

    // The stretches from `start` to `end` along the route as bands on `series`'s axes, those
    // closer than a pixel drawn as one.
    void place(const std::vector<std::pair<double, double>>& stretches, QAbstractSeries* series) {
        std::vector<std::pair<qreal, qreal>> bands;
        for (const auto& [start, end] : stretches) {
            const qreal left = chart_.mapToPosition(QPointF(start, 0), series).x();
            const qreal right = chart_.mapToPosition(QPointF(end, 0), series).x();
            if (!bands.empty() && left - bands.back().second < 1) {
                bands.back().second = std::max(bands.back().second, right);
            } else {
                bands.emplace_back(left, right);
            }
        }
        setBands(std::move(bands));
    }

private:
    QChart& chart_;
    QColor color_;
    std::vector<std::pair<qreal, qreal>> bands_;
};

TensionProfile::TensionProfile(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), chart_(new QChart) {
    setObjectName(QStringLiteral("TensionProfile"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Tension Profile"));
    buildTensionChart();
    buildElevationChart();
    buildLayout();
    connectSignals();
    planRecalculated();
}

void TensionProfile::buildTensionChart() {
    // Room above the plot for the allowable tension when it lies above the chart; the legend
    // is a label of the window's own below the chart, which wraps instead of cutting.
    chart_->setMargins(QMargins(6, QFontMetrics(font()).height() + 6, 6, 6));
    chart_->legend()->setVisible(false);
    distance_ = new QValueAxis(chart_);
    distance_->setTitleText(tr("Distance along the route (ft)"));
    tension_ = new QValueAxis(chart_);
    tension_->setTitleText(tr("Tension (lbs)"));
    chart_->addAxis(distance_, Qt::AlignBottom);
    chart_->addAxis(tension_, Qt::AlignLeft);

    bands_ = new BendBands(*chart_, kBendShade);
    held_bands_ = new BendBands(*chart_, kHeldRow);
    allowable_ = line(*chart_, kOverLimit, 1.5, Qt::DashLine);
    mid_assist_ = line(*chart_, QColor(60, 60, 60), 1.5, Qt::DashDotLine);
    measured_ = line(*chart_, kMeasuredPull, 1.5, Qt::DashLine);
    measured_over_ = new QScatterSeries(chart_);
    measured_over_->setMarkerSize(9);
    measured_over_->setColor(Qt::transparent);
    measured_over_->setBorderColor(kOverLimit);
    chart_->addSeries(measured_over_);
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
    mid_assist_label_->setZValue(2);
}

void TensionProfile::buildElevationChart() {
    // The route's height under the tensions, for a plan that climbs or drops.
    elevation_chart_ = new QChart;

    elevation_chart_->setMargins(QMargins(6, 0, 6, 0));
    elevation_chart_->legend()->setVisible(false);
    elevation_distance_ = new QValueAxis(elevation_chart_);
    elevation_height_ = new QValueAxis(elevation_chart_);
    elevation_height_->setTitleText(tr("Height (ft)"));
    elevation_chart_->addAxis(elevation_distance_, Qt::AlignBottom);
    elevation_chart_->addAxis(elevation_height_, Qt::AlignLeft);
    elevation_ = line(*elevation_chart_, QColor(90, 90, 90), 2, Qt::SolidLine);
    vertical_bends_ = new QScatterSeries(elevation_chart_);
    vertical_bends_->setMarkerSize(7);
    vertical_bends_->setColor(QColor(90, 90, 90));
    elevation_chart_->addSeries(vertical_bends_);
    for (QAbstractSeries* series : elevation_chart_->series()) {
        series->attachAxis(elevation_distance_);
        series->attachAxis(elevation_height_);
    }
}

void TensionProfile::buildLayout() {
    picture_ = named(new QWidget(this), "profilePicture");
    picture_->setAutoFillBackground(true);
    view_ = named(new QChartView(chart_, picture_), "profileChart");
    view_->setRenderHint(QPainter::Antialiasing);
    legend_ = named(new QLabel(picture_), "profileLegend");
    legend_->setWordWrap(true);
    legend_->setTextFormat(Qt::RichText);
    legend_->setContentsMargins(8, 0, 8, 4);
    // Three lines at least (each pull, then the key), so that the chart keeps its height.
    legend_->setMinimumHeight(legend_->fontMetrics().lineSpacing() * 3 + 4);
    elevation_view_ = named(new QChartView(elevation_chart_, picture_), "elevationChart");
    elevation_view_->setRenderHint(QPainter::Antialiasing);
    elevation_view_->setFixedHeight(QFontMetrics(font()).height() * 9);
    elevation_view_->setVisible(false);
    auto* picture_layout = new QVBoxLayout(picture_);
    picture_layout->setContentsMargins(0, 0, 0, 0);
    picture_layout->setSpacing(0);
    picture_layout->addWidget(view_, 1);
    picture_layout->addWidget(elevation_view_);
    picture_layout->addWidget(legend_);
    empty_ = named(new QLabel(tr("No plan yet. Open Tools > Pull Calculator and add "
                                 "links: their tensions are drawn here."),
                              view_),
                   "emptyPlanLabel");
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    save_ = named(new QPushButton(tr("Save Image..."), this), "saveImage");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addWidget(save_, 0, Qt::AlignRight);
    resize(900, 600);
}

void TensionProfile::connectSignals() {
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
    const auto unit = [this](Quantity quantity) {
        return qt_text(unit_symbol(quantity, profile_.units));
    };
    distance_->setTitleText(tr("Distance along the route (%1)").arg(unit(Quantity::Length)));
    tension_->setTitleText(tr("Tension (%1)").arg(unit(Quantity::Tension)));
    elevation_height_->setTitleText(tr("Height (%1)").arg(unit(Quantity::Length)));
    empty_->setVisible(profile_.links == 0);
    empty_->setGeometry(view_->rect());
    scale_ = profile_scale(profile_);
    // A pull's log laid over the plan, the tension axis taking in its highest tension.
    std::vector<ProfilePoint> measured;
    std::vector<ProfilePoint> over;
    const PullCalculator* laid = registry().find<PullCalculator>();
    if (laid && laid->pullLog() && profile_.links > 0) {
        double route = 0;
        for (const PullLinkValues& link : laid->plan().values()) {
            route += std::max(0.0, link.length);
        }
        log_on_profile(laid->pullLog()->log, laid->pullLog()->forward, route,
                       laid->calculatedSettings().allowable, profile_.units, measured, over);
        for (const ProfilePoint& point : measured) {
            widen_tension_scale(scale_, point.tension, profile_.allowable);
        }
    }
    measured_->replace(chart_points(measured));
    measured_over_->replace(chart_points(over));
    measured_->setVisible(!measured.empty());
    measured_over_->setVisible(!over.empty());
    const int pixels = plotWidth();
    forward_->replace(chart_points(
        decimated(profile_.forward, scale_.distance_from, scale_.distance_to, pixels)));
    reverse_->replace(chart_points(
        decimated(profile_.reverse, scale_.distance_from, scale_.distance_to, pixels)));

    // Ticks at round numbers from 0, with as many decimals as the step needs. The axis lays out
    // its ticks at every change: the range changes under an interval as wide as both ranges,
    // so that the old interval never fills a new, far wider range with ticks.
    for (const auto& [axis, from, to, step, decimals] :
         {std::tuple{distance_, scale_.distance_from, scale_.distance_to, scale_.distance_step,
                     scale_.distance_decimals},
          std::tuple{tension_, scale_.tension_from, scale_.tension_to, scale_.tension_step,
                     scale_.tension_decimals}}) {
        if (axis->min() == from && axis->max() == to && axis->tickInterval() == step) {
            continue; // as it is: each change lays the axis out again
        }
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(std::max({axis->max() - axis->min(), to - from, step}));
        axis->setRange(from, to);
        axis->setTickInterval(step);
        axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
    }

    allowable_->setVisible(scale_.allowable_shown);
    allowable_->replace({QPointF(scale_.distance_from, profile_.allowable),
                         QPointF(scale_.distance_to, profile_.allowable)});
    mid_assist_->setVisible(profile_.mid_assist_at.has_value());
    if (profile_.mid_assist_at) {
        const double at = *profile_.mid_assist_at;
        mid_assist_->replace({QPointF(at, scale_.tension_from), QPointF(at, scale_.tension_to)});
    }
    const PullCalculator* planner = registry().find<PullCalculator>();
    mid_assist_label_->setText(planner && profile_.mid_assist_at
                                   ? spoken(planner->results().caption, platform().numberLocale())
                                   : QString());
    drawElevation();
    writeLegend(scale_);
    placeLabels();
}

void TensionProfile::drawElevation() {
    elevation_view_->setVisible(!profile_.elevation.empty());
    if (profile_.elevation.empty()) {
        return;
    }
    QList<QPointF> route;
    double low = 0;
    double high = 0;
    for (const ElevationPoint& point : profile_.elevation) {
        route.append(QPointF(point.distance, point.height));
        low = std::min(low, point.height);
        high = std::max(high, point.height);
    }
    elevation_->replace(route);
    // The vertical bends' ends on the route.
    QList<QPointF> ends;
    for (const ProfileBend& bend : profile_.bends) {
        if (bend.turn != Turn::Horizontal) {
            for (const double at : {bend.start, bend.end}) {
                const auto next = std::lower_bound(
                    profile_.elevation.begin(), profile_.elevation.end(), at,
                    [](const ElevationPoint& point, double d) { return point.distance < d; });
                if (next != profile_.elevation.end()) {
                    ends.append(QPointF(next->distance, next->height));
                }
            }
        }
    }
    vertical_bends_->replace(ends);
    const double span = high > low ? high - low : 1;
    const double step = axis_step(span * 2.5); // two or three heights in the narrow strip
    elevation_distance_->setRange(scale_.distance_from, scale_.distance_to);
    elevation_distance_->setTickType(QValueAxis::TicksDynamic);
    elevation_distance_->setTickAnchor(0);
    elevation_distance_->setTickInterval(scale_.distance_step);
    elevation_distance_->setLabelFormat(QStringLiteral("%.%1f").arg(scale_.distance_decimals));
    // The strip is low: its height axis names only its two ends, on round numbers.
    const double bottom = std::floor((low - span * 0.08) / step) * step;
    const double top = std::ceil((high + span * 0.08) / step) * step;
    elevation_height_->setTickType(QValueAxis::TicksFixed);
    elevation_height_->setTickCount(2);
    elevation_height_->setRange(bottom, top);
    elevation_height_->setLabelFormat(QStringLiteral("%.%1f").arg(axis_decimals(step)));
}

void TensionProfile::writeLegend(const ProfileScale& scale) {
    const NumberLocale locale = platform().numberLocale();
    const auto line = [&locale](const Message& text) {
        return spoken(text, locale).toHtmlEscaped();
    };
    QStringList keys{swatch(kBendShadeOnWhite) + tr(" Bends")};
    if (profile_.allowable > 0) {
        keys.append(key(kOverLimit, QStringLiteral("- - -")) + QLatin1Char(' ') +
                    line(allowable_text(profile_, scale)));
    }
    if (profile_.mid_assist_at) {
        keys.append(key(QColor(60, 60, 60), QStringLiteral("-\u00b7-")) +
                    tr(" Mid-assist pull point"));
    }
    if (measured_->isVisible()) {
        keys.append(key(kMeasuredPull, QStringLiteral("- - -")) +
                    tr(" The pull's log, measured (red rings: beyond the allowable tension)"));
    }
    QString text = key(kForwardPull, QStringLiteral("\u2014\u25cf\u2014")) + QLatin1Char(' ') +
                   line(pull_legend(profile_, true)) + QStringLiteral("<br>") +
                   key(kReversePull, QStringLiteral("\u2014\u25cf\u2014")) + QLatin1Char(' ') +
                   line(pull_legend(profile_, false)) + QStringLiteral("<br>") +
                   keys.join(QStringLiteral("&nbsp;&nbsp;&nbsp; "));
    if (const Message held = held_text(profile_); !held.empty()) {
        text += QStringLiteral("&nbsp;&nbsp;&nbsp; ") + swatch(kHeldRow) + QLatin1Char(' ') +
                line(held);
    }
    if (const Message left_out = left_out_text(profile_); !left_out.empty()) {
        text += QStringLiteral("&nbsp;&nbsp;&nbsp; ") + key(kOverLimit, line(left_out));
    }
    legend_->setText(text);
}

void TensionProfile::placeLabels() {
    const QRectF plot = chart_->plotArea();

    allowable_label_->setVisible(profile_.allowable > 0);
    allowable_label_->setText(spoken(allowable_text(profile_, scale_), platform().numberLocale()) +
                              (scale_.allowable_above ? QStringLiteral(" \u2191") : QString()));
    const double label_width = allowable_label_->boundingRect().width();
    const double label_height = allowable_label_->boundingRect().height();
    if (scale_.allowable_above) {
        allowable_label_->setPos(plot.right() - label_width, plot.top() - label_height - 2);
    } else {
        const QPointF limit =
            chart_->mapToPosition(QPointF(scale_.distance_to, profile_.allowable), allowable_);
        allowable_label_->setPos(limit.x() - label_width - 4, limit.y() - label_height - 2);
    }

    std::vector<std::pair<double, double>> bends;
    for (const ProfileBend& bend : profile_.bends) {
        bends.emplace_back(bend.start, bend.end);
    }
    bands_->place(bends, forward_);
    std::vector<std::pair<double, double>> held;
    for (const std::vector<int>* links : {&profile_.forward_held, &profile_.reverse_held}) {
        for (const int link : *links) {
            held.emplace_back(profile_.link_starts[static_cast<std::size_t>(link)],
                              profile_.link_starts[static_cast<std::size_t>(link) + 1]);
        }
    }
    std::sort(held.begin(), held.end());
    held_bands_->place(held, forward_);

    // Each bend's angle at the top of its band, where there is room for it.
    std::size_t used = 0;
    double free_from = plot.left();
    double angle_row = 0;
    for (const ProfileBend& bend : profile_.bends) {
        const double middle =
            chart_->mapToPosition(QPointF((bend.start + bend.end) / 2, 0), forward_).x();
        const QString text = spoken(bend_label(bend), platform().numberLocale());
        if (used == angle_labels_.size()) {
            angle_labels_.push_back(new QGraphicsSimpleTextItem(chart_));
            angle_labels_.back()->setZValue(2); // over the bands
        }
        QGraphicsSimpleTextItem* label = angle_labels_[used];
        label->setText(text);
        const double width = label->boundingRect().width();
        if (middle - width / 2 < free_from) {
            continue; // no room beside the previous label
        }
        label->setPos(middle - width / 2, plot.top() + 1);
        label->setVisible(true);
        angle_row = label->boundingRect().height() + 1;
        free_from = middle + width / 2 + 4;
        ++used;
    }
    for (std::size_t i = used; i < angle_labels_.size(); ++i) {
        angle_labels_[i]->setVisible(false);
    }
    placeRacewayLabels(plot);
    // The mid-assist caption below the row of angles, beside its line, inside the plot.
    if (profile_.mid_assist_at) {
        const QPointF at = chart_->mapToPosition(QPointF(*profile_.mid_assist_at, 0), mid_assist_);
        const double width = mid_assist_label_->boundingRect().width();
        const double x = at.x() + 4 + width <= plot.right() ? at.x() + 4 : at.x() - 4 - width;
        // A third of a line apart from the angles, so that the two never touch.
        mid_assist_label_->setPos(std::max(x, plot.left()),
                                  plot.top() + angle_row + std::max(4.0, angle_row / 3));
    }
    mid_assist_label_->setVisible(profile_.mid_assist_at.has_value());
}

void TensionProfile::placeRacewayLabels(const QRectF& plot) {
    const PullCalculator* planner = registry().find<PullCalculator>();
    const std::vector<Message> raceways =
        planner && profile_.links > 0 ? planner->linkRaceways() : std::vector<Message>();
    std::size_t used = 0;
    double free_from = plot.left();
    for (std::size_t i = 0; i < raceways.size() && i + 1 < profile_.link_starts.size(); ++i) {
        if (raceways[i].empty()) {
            continue;
        }
        if (used == raceway_labels_.size()) {
            raceway_labels_.push_back(new QGraphicsSimpleTextItem(chart_));
            raceway_labels_.back()->setZValue(2);
        }
        QGraphicsSimpleTextItem* label = raceway_labels_[used];
        //: A link's own coefficient or raceway, from where the link starts on.
        label->setText(tr("\u25b8 %1").arg(spoken(raceways[i], platform().numberLocale())));
        const double x =
            chart_->mapToPosition(QPointF(profile_.link_starts[i], 0), forward_).x();
        const double width = label->boundingRect().width();
        if (x < free_from || x + width > plot.right()) {
            continue; // no room beside the previous label
        }
        label->setPos(x, plot.bottom() - label->boundingRect().height() - 1);
        label->setVisible(true);
        free_from = x + width + 4;
        ++used;
    }
    for (std::size_t i = used; i < raceway_labels_.size(); ++i) {
        raceway_labels_[i]->setVisible(false);
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
    // The figures and units of the planner's columns.
    const bool metric = planner->units() == UnitSystem::Metric;
    const PullResults::Shown& shown = results.shown;
    const TextColumn& tensions = metric ? (forward ? shown.forward : shown.reverse)
                                        : (forward ? results.forward : results.reverse);
    const TextColumn& sidewalls =
        metric ? (forward ? shown.forward_sidewall : shown.reverse_sidewall)
               : (forward ? results.forward_sidewall : results.reverse_sidewall);
    const ColumnUnit tension_unit =
        metric ? (forward ? shown.forward_unit : shown.reverse_unit) : ColumnUnit{};
    PullLinkTexts type;
    type.type = types_[row];
    QString tip =
        tr("Link %1, %2\nCumulative %3 %4")
            .arg(link + 1)
            .arg(spoken(link_type_words(type), platform().numberLocale()))
            .arg(qt_text(tensions[row]))
            .arg(qt_text(column_symbol(Quantity::Tension, tension_unit)));
    if (bend) {
        tip += tr("\nSidewall %1").arg(qt_text(sidewalls[row]));
    }
    QToolTip::showText(QCursor::pos(), tip, view_);
}

void TensionProfile::resizeEvent(QResizeEvent* event) {
    RegisteredWindow<QWidget>::resizeEvent(event);
    redraw(); // decimated again for the new width
}

void TensionProfile::saveImage() {
    save_picture(platform(), *this, *picture_);
}

} // namespace tensora
