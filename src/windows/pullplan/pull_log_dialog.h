// File > Import Pull Log: a pull's tension log read against the plan. The direction it was
// pulled in and the units the file does not say are chosen here; the fit follows every choice.
// The log is laid over the plan (the profile and the report show it), its coefficient taken
// for the plan, or kept in the friction library as a measured figure.
#pragma once

#include "pullplan/tension_log.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tensora {

class PullCalculator;
class Platform;

class PullLogDialog : public QDialog {
    Q_OBJECT

public:
    PullLogDialog(QWidget* parent, Platform& platform, PullCalculator& planner,
                  const QString& file_name, std::string text);

    const TensionLog& log() const { return log_; }
    const LogFit& fit() const { return fit_; }
    bool forward() const { return logDirection->currentIndex() == 0; }

    void layOver_Click();
    void useFriction_Click();
    void addEntry_Click();

private:
    void readAgain();

    Platform& platform_;
    PullCalculator& planner_;
    QString file_name_;
    std::string text_;
    TensionLog log_;
    LogFit fit_;

    QComboBox* logDirection;
    QComboBox* logForce;
    QComboBox* logLength;
    QLineEdit* logSpeed;
    QLabel* logSummary;
    QPushButton* logLayOver;
    QPushButton* logUseFriction;
    QPushButton* logAddEntry;
};

} // namespace tensora
