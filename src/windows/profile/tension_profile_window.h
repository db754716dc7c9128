// The tension profile window: the planner's plan drawn along the route, the tension of a pull
// from either end against the allowable tension, with the bends and the mid-assist point. It
// follows every recalculation of the planner.
#pragma once

#include "pullplan/tension_profile.h"
#include "widgets/window_registry.h"
#include "windows/pullplan/plan_follower.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>

namespace tensora {

class BendBands;

class TensionProfile : public RegisteredWindow<QWidget>,
                       public PlanFollower,
                       public LanguageFollower {
    Q_OBJECT

public:
    explicit TensionProfile(WindowRegistry& registry);

    // Draws the planner's plan as it now stands (an empty plan when no planner is loaded).
    void planRecalculated() override;
    void languageChanged() override { planRecalculated(); }
    // Saves the chart as a PNG or SVG picture the user names.
    void saveImage();

    const ProfileData& profile() const { return profile_; }
    QChart& chart() const { return *chart_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The window's parts, built in turn.
    void buildTensionChart();
    void buildElevationChart();
    void buildLayout();
    void connectSignals();
    void redraw();
    void placeLabels();
    void placeRacewayLabels(const QRectF& plot);
    void showPointTip(const std::vector<ProfilePoint>& line, const QPointF& at, bool forward);
    void writeLegend(const ProfileScale& scale);
    // The route's height along it, under the tensions, for a plan that climbs or drops.
    void drawElevation();
    int plotWidth() const;

    ProfileData profile_;
    ProfileScale scale_;
    std::vector<std::string> types_; // each link's type, for the tips

    QChart* chart_;
    QChartView* view_;
    QValueAxis* distance_;
    QValueAxis* tension_;
    QLineSeries* forward_;
    QLineSeries* reverse_;
    QLineSeries* allowable_;
    QLineSeries* mid_assist_;
    QLineSeries* measured_;         // a pull's log laid over the plan
    QScatterSeries* measured_over_; // its points beyond the allowable tension
    BendBands* bands_;
    BendBands* held_bands_; // where a pull is held at zero
    QChart* elevation_chart_;
    QChartView* elevation_view_;
    QValueAxis* elevation_distance_;
    QValueAxis* elevation_height_;
    QLineSeries* elevation_;
    QScatterSeries* vertical_bends_;
    QGraphicsSimpleTextItem* allowable_label_;
    QGraphicsSimpleTextItem* mid_assist_label_;
    std::vector<QGraphicsSimpleTextItem*> angle_labels_;
    // A link's own coefficient or raceway, at the foot of the plot where the link starts.
    std::vector<QGraphicsSimpleTextItem*> raceway_labels_;
    QLabel* empty_;
    // The chart with its legend below it: what Save Image keeps.
    QWidget* picture_;
    QLabel* legend_;
    QPushButton* save_;
};

} // namespace tensora
