// The tension profile window: the planner's plan drawn along the route, the tension of a pull
// from either end against the allowable tension, with the bends and the mid-assist point. It
// follows every recalculation of the planner.
#pragma once

#include "app/window_registry.h"
#include "pullplan/plan_follower.h"
#include "pullplan/tension_profile.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>

namespace tensora {

class BendBands;

class TensionProfile : public RegisteredWindow<QWidget>, public PlanFollower {
    Q_OBJECT

public:
    explicit TensionProfile(WindowRegistry& registry);

    // Draws the planner's plan as it now stands (an empty plan when no planner is loaded).
    void planRecalculated() override;
    // Saves the chart as a PNG or SVG picture the user names.
    void saveImage();

    const ProfileData& profile() const { return profile_; }
    QChart& chart() const { return *chart_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void redraw();
    void placeLabels();
    void showPointTip(const std::vector<ProfilePoint>& line, const QPointF& at, bool forward);
    void writeLegend(const ProfileScale& scale);
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
    BendBands* bands_;
    QGraphicsSimpleTextItem* allowable_label_;
    QGraphicsSimpleTextItem* mid_assist_label_;
    std::vector<QGraphicsSimpleTextItem*> angle_labels_;
    QLabel* empty_;
    // The chart with its legend below it: what Save Image keeps.
    QWidget* picture_;
    QLabel* legend_;
    QPushButton* save_;
};

} // namespace tensora
