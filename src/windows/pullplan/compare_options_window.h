// Tools > Compare Options: the planner's plan under several options side by side, live on the
// planner and the pull check. Each row is an option, edited in place: a coefficient or a
// friction library entry, the direction, a mid-assist point, a back tension, another conduit.
// Each shows the highest tension each way, its share of the allowable tension, the highest
// sidewall bearing pressure and the verdict; the best row is marked and the figure that
// decides it named.
#pragma once

#include "cables/friction_library.h"
#include "pullplan/option_compare.h"
#include "report/printed_report.h"
#include "widgets/language.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/pullplan/plan_follower.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace tensora {

class CompareOptions : public RegisteredWindow<QWidget>,
                       public PlanFollower,
                       public UnitFollower,
                       public LanguageFollower {
    Q_OBJECT

public:
    static constexpr int kMostOptions = 8;

    explicit CompareOptions(WindowRegistry& registry);

    void planRecalculated() override { compare(); }
    void checkRecalculated() override { compare(); }
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override;

    void addOption_Click();
    void removeOption_Click();
    int options() const { return static_cast<int>(rows_.size()); }
    const Comparison& comparison() const { return comparison_; }
    // The comparison as the report for people shows it.
    PrintedComparison printedComparison() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One option's boxes and results, each named by its kind and the option's number
    // ("compareFriction2").
    struct Row {
        QLabel* number;
        QLineEdit* friction;
        QComboBox* direction;
        QLineEdit* midAssist;
        QLineEdit* backTension;
        QLineEdit* conduitId;
        QLabel* forward;
        QLabel* reverse;
        QLabel* share;
        QLabel* sidewall;
        QLabel* verdict;
    };
    void addRow(const CompareOptionTexts& texts);
    void showHeadings();
    void orderTabs();
    CompareOptionTexts texts(const Row& row) const;
    // Compares the options on the plan as the planner calculated it last.
    void compare();
    void showRow(Row& row, const ComparedOption* compared, const std::optional<Message>& refused,
                 bool best);

    NumberLocale locale_;
    UnitSystem units_;
    FrictionLibrary library_;
    std::vector<Row> rows_;
    std::vector<CompareOption> compared_options_; // those read, in the order of comparison_
    std::vector<int> compared_rows_;              // the row of each
    Comparison comparison_;

    QGridLayout* grid_;
    std::vector<QLabel*> headings_;
    QLabel* compareSource;
    QLabel* compareDeciding;
    QPushButton* compareAdd;
    QPushButton* compareRemove;
};

} // namespace tensora
