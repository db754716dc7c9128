// Tools > Pulling Equipment: what the crew brings, checked against the planned pull. The
// puller's rating against the highest tension of the direction chosen, the rope's breaking
// strength against the rating times the design factor, the load on each sheave the planner
// marks, and the tail force a capstan needs for 3 to 6 wraps. It follows every recalculation
// of the planner, and gives the planner the tension a sheave adds.
#pragma once

#include "pullplan/pulling_equipment.h"
#include "report/report.h"

class QLabel;
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/pullplan/document_part.h"
#include "windows/pullplan/plan_follower.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace tensora {

class PullCalculator;

class PullingEquipment : public RegisteredWindow<QWidget>,
                         public PlanFollower,
                         public UnitFollower,
                         public LanguageFollower,
                         public DocumentPart {
    Q_OBJECT

public:
    explicit PullingEquipment(WindowRegistry& registry);

    void planRecalculated() override;
    // It checks the set's pull while the pull check computes one.
    void checkRecalculated() override { planRecalculated(); }
    // Its inputs, as the report holds them.
    std::string documentPart() const override;
    void adviceFound() override { planRecalculated(); }
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override { planRecalculated(); }

    const EquipmentCheck& check() const { return check_; }
    // The inputs as the report keeps them (forces in lbf), and taken back from a report.
    EquipmentReport report() const;
    void applyReport(const EquipmentReport& report);
    // The results as the report for people prints them: a caption and a finding each.
    std::vector<std::pair<Message, Message>> printedLines() const;

protected:
    // Asks before unsaved changes of its inputs go with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    QLineEdit* box(const char* name, const QString& text);
    void offerPullerClasses();
    void buildInputs(QWidget* group);
    void buildResults(QWidget* group);
    std::optional<double> force(const QLineEdit* box) const;
    void readInputs();
    // The pull to check: the pull check's corrected pull of the set while it computes one,
    // else the planner's; its direction, tensions and allowable tension.
    void checkThePull(const PullCalculator& planner);
    void showResults();

    NumberLocale locale_;
    UnitSystem units_;
    EquipmentCheck check_;
    EquipmentInputs inputs_;
    EquipmentPull pull_;
    EquipmentFindings findings_;

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
