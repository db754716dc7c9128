// File > New Job / Open Job: a job of many pulls. The schedule of every pull (sortable; the
// pulls that fail first), the structures with their slack, the margin and the cable to order.
// Opening a pull puts it into the planner, the pull check and the equipment; edits there flow
// back into the job, and the schedule follows.
#pragma once

#include "report/job.h"
#include "widgets/language.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/pullplan/plan_follower.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <optional>

namespace tensora {

class JobWindow : public RegisteredWindow<QWidget>,
                  public PlanFollower,
                  public UnitFollower,
                  public LanguageFollower {
    Q_OBJECT

public:
    explicit JobWindow(WindowRegistry& registry);

    // A new, empty job, or the job of a file (false, said, where it cannot be read); each asks
    // first about changes not saved.
    bool newJob();
    bool openJob(const QString& path);
    bool saveJob(const QString& path);
    void saveJob_Click();
    void saveJobAs_Click();
    // Adds the pull the windows hold, from and to the structures named in the boxes.
    void addPull_Click();
    void removePull_Click();
    // Puts the pull of the schedule's current row into the planner and the check.
    void openPull_Click();

    const Job& job() const { return job_; }
    bool isModified() const { return modified_; }
    std::optional<int> openPull() const { return open_pull_; }

    void planRecalculated() override;
    void checkRecalculated() override { planRecalculated(); }
    void unitsChanged(UnitSystem, UnitSystem) override { showJob(); }
    void languageChanged() override { showJob(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildSchedule();
    void buildControls();
    void layOut();
    bool mayDropJob();
    // The pull of the schedule's current row, by its place in the job (a beep without one).
    std::optional<int> chosenPull();
    void showJob();
    void showStructures();
    void structureEdited(int row, int column);
    void marginEdited();
    void changed();

    Job job_;
    QString path_;
    bool modified_ = false;
    bool showing_ = false; // the tables are being filled: their edits are not the user's
    std::optional<int> open_pull_; // the pull the planner holds, by its place in the job
    int planner_document_ = 0;      // the planner's document count when it took the pull

    QLabel* jobFile;
    QTableWidget* jobSchedule;
    QComboBox* jobFrom;
    QComboBox* jobTo;
    QPushButton* jobAddPull;
    QPushButton* jobOpenPull;
    QPushButton* jobRemovePull;
    QTableWidget* jobStructures;
    QLineEdit* jobMargin;
    QLabel* jobOrder;
    QPushButton* jobSave;
    QPushButton* jobSaveAs;
};

} // namespace tensora
