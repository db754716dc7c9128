// Tools > Pulling Equipment: what the crew brings, checked against the planned pull. The
// puller's rating against the highest tension of the direction chosen, the rope's breaking
// strength against the rating times the design factor, the load on each sheave the planner
// marks, and the tail force a capstan needs for 3 to 6 wraps. It follows every recalculation
// of the planner, and gives the planner the tension a sheave adds.
#pragma once

#include "pullplan/pulling_equipment.h"
#include "report/report.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/pullplan/plan_follower.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace tensora {

class PullingEquipment : public RegisteredWindow<QWidget>,
                         public PlanFollower,
                         public UnitFollower,
                         public LanguageFollower {
    Q_OBJECT

public:
    explicit PullingEquipment(WindowRegistry& registry);

    void planRecalculated() override;
    void adviceFound() override { planRecalculated(); }
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override { planRecalculated(); }

    const EquipmentCheck& check() const { return check_; }
    // The inputs as the report keeps them (forces in lbf), and taken back from a report.
    EquipmentReport report() const;
    void applyReport(const EquipmentReport& report);
    // The results as the report for people prints them: a caption and a text each.
    std::vector<std::pair<std::string, std::string>> printedLines() const;

private:
    QLineEdit* box(const char* name, const QString& text);
    void offerPullerClasses();
    void buildInputs(QWidget* group);
    void buildResults(QWidget* group);
    std::optional<double> force(const QLineEdit* box) const;
    void showResults();
    // The findings, in English as the PDF keeps them.
    std::string tensionText(double pounds) const;
    std::string highestLine() const;
    std::string pullerLine() const;
    std::string ropeLine() const;
    std::string sheaveLines() const;
    std::string capstanLine() const;

    NumberLocale locale_;
    UnitSystem units_;
    EquipmentCheck check_;
    EquipmentInputs inputs_;
    std::vector<std::string> lines_; // the results as shown, for the PDF

    QComboBox* equipmentDirection = nullptr;
    QComboBox* pullerRating = nullptr;
    QLineEdit* ropeStrength = nullptr;
    QLineEdit* designFactor = nullptr;
    QLineEdit* sheaveRating = nullptr;
    QLineEdit* sheavePercent = nullptr;
    QLineEdit* capstanFriction = nullptr;
    QLineEdit* tailLimit = nullptr;
    QLabel* highestResult = nullptr;
    QLabel* pullerResult = nullptr;
    QLabel* ropeResult = nullptr;
    QLabel* sheaveResults = nullptr;
    QLabel* capstanResults = nullptr;
    QLabel* equipmentVerdict = nullptr;
    QList<QLabel*> force_units_;
};

} // namespace tensora
