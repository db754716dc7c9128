// The pull check: several cables of one diameter in one conduit, on the planner's plan. It
// shows whether the cables may jam, the clearance above them, the weight correction of their
// arrangement, the planner's pull again with that correction, and the bearing pressure of
// every bend, under a verdict. It follows every recalculation of the planner.
#pragma once

#include "fill/conduit_tables.h"
#include "pullplan/pull_check.h"
#include "report/printed_report.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/cables/cable_receiver.h"
#include "windows/pullplan/cable_set_panel.h"
#include "windows/pullplan/deferred_advice.h"
#include "windows/pullplan/document_part.h"
#include "windows/pullplan/plan_follower.h"

#include <QAbstractTableModel>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <array>

namespace tensora {

// The bends of a check as table rows, written when shown.
class CheckBendsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The bends, their pressures in one unit and their radii in that unit system's lengths;
    // the inputs give the limit and the number form.
    void setBends(const std::vector<CheckedBend>* bends, const CheckInputs* inputs = nullptr,
                  ColumnUnit pressure_unit = {});

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<CheckedBend>* bends_ = nullptr;
    const CheckInputs* inputs_ = nullptr;
    ColumnUnit pressure_unit_;
};

class PullCheck : public RegisteredWindow<QWidget>,
                  public PlanFollower,
                  public UnitFollower,
                  public CableReceiver,
                  public LanguageFollower,
                  public DocumentPart {
    Q_OBJECT

public:
    explicit PullCheck(WindowRegistry& registry);
    // The set and the conduit, as the report holds them.
    std::string documentPart() const override;

    // Checks the planner's plan as it now stands (an empty plan when no planner is loaded).
    void planRecalculated() override;
    // Takes the outside diameter of the cable chosen in the cable selection window (inches,
    // as the data file gives it), shown in the units in use.
    void cableChosen(const QString& diameter) override;
    // It opens the selection for a group of its set.
    Serving servedBySelection() const override {
        return waiting_for_cable_ ? Serving::CableSet : Serving::None;
    }
    void selectionEnded() override { waiting_for_cable_ = false; }
    void takeCable(const ChosenCable& cable) override { set_panel_->addCable(cable); }
    // Converts the diameters, clearance, limit and radius the boxes hold; names the units.
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override;

    // Whether the conduit and the cable's diameter are given: only then is there a check.
    bool hasInputs() const;
    // The check as it stands, its advice included.
    const CheckResult& result() const {
        advice();
        return result_;
    }
    // The advice on the corrected pull, found now if the line still waits for a pause in
    // typing.
    const PullAdvice& advice() const;
    // Whether the advice still waits for a pause in typing (advice() would find it now).
    bool adviceWaiting() const { return advice_.waiting(); }
    // The conduit, the cables and the limits as read from the boxes.
    const CheckInputs& checkInputs() const { return inputs_; }
    // Whether the check computes a pull of its set: its inputs are given and mean something.
    bool pullsTheSet() const { return hasInputs() && result_.problem.empty(); }
    // The check as the report for people shows it.
    PrintedCheck printedCheck() const;
    // The set as the report file holds it, and from a report (none: the planner's cable alone).
    CableSetReport setReport() const { return set_panel_->report(); }
    void applySetReport(const std::optional<CableSetReport>& report);
    // The conduit and limits as the report file holds them (inch-pound, the file's form), and
    // from a report.
    CheckReport checkReport() const;
    void applyCheckReport(const CheckReport& report);
    CableSetPanel& setPanel() { return *set_panel_; }

protected:
    // Asks before unsaved changes of the set or the conduit go with the window.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildInputs();
    void listStandards();
    void connectInputs();
    QWidget* buildResults();
    void writeResultCaptions();
    void writeStandardTips();
    QWidget* buildLimit(QWidget* parent);
    void connectSet();
    void presetChosen(int index);
    void showPreset();
    // The planner's cable, for the set's first group while it follows the planner.
    void followPlanner();
    void sendSetToFill();
    void standardChosen();
    // The table chosen in the standard list (none for a typed diameter), and its trade size.
    std::optional<ConduitStandardId> chosenTable() const;
    const ConduitSize* chosenSize() const;
    void sizeChosen(int index);
    void idTyped();
    // Warns about the box's text as the program warns about numbers, then checks again.
    void boxChanged(QLineEdit* box, std::string_view name);
    // The warning of the box of this name (as the command line names it), if any.
    std::optional<Message> boxWarning(std::string_view name) const;
    void recheck();
    // The kind's key as the boxes give it ("shielded", a multiple in the locale's form).
    std::string cableKindKey() const;
    void showCableKind(const std::string& key);
    void showResult();
    // The bends' tab says how many are over the limit.
    void showTabTitles();
    // The advice line, once typing pauses: the advice costs more than the check itself.
    void showAdvice();
    // What finds the advice of the check as it stands now.
    DeferredAdvice::Job adviceJob() const;
    CheckInputTexts inputTexts() const;
    QString conduitName() const;
    void showUnits();
    // A diameter of the tables or the data file (inches, "0.420") as the boxes show it.
    QString shownDiameter(const std::string& inches) const;

    NumberLocale locale_;
    UnitSystem units_;
    // What the five boxes held before the last switch of units.
    std::array<SwitchMemo, 5> box_memos_;
    std::array<QLabel*, 5> box_captions_{}; // inside diameter, OD, clearance, limit, radius
    CheckInputs inputs_;
    mutable CheckResult result_;
    DeferredAdvice advice_;
    bool writing_id_ = false;        // the trade size is writing the inside diameter
    bool waiting_for_cable_ = false; // the selection window was opened for the set
    CableSetPanel* set_panel_;

    QLabel* verdictLabel;
    QComboBox* conduitStandard;
    QComboBox* tradeSize;
    QLineEdit* conduitId;
    QLineEdit* cableOd;
    QSpinBox* cableCount;
    QComboBox* cableKind; // the planner's cable's kind, for its least bending radius
    QLineEdit* cableKindMultiple;
    QComboBox* configuration;
    QLineEdit* minClearance;
    QLineEdit* swbpLimit;
    QComboBox* swbpPreset;
    QLineEdit* bendRadius;
    QLabel* jamRatio;
    QLabel* weightCorrection;
    QLabel* clearance;
    QLabel* forwardMax;
    QLabel* reverseMax;
    QLabel* codeFill;
    QLabel* setTotals;
    QLabel* setAllowable;
    QLabel* bendingRadius;
    QLabel* pullPoints;
    QLabel* adviceLine;
    // The result lines' captions ("Jam ratio:"), written again in each language.
    struct ResultCaption {
        QLabel* heading;
        QLabel* line;
        const char* source;
    };
    std::vector<ResultCaption> result_captions_;
    QTableView* bendsTable;
    QTabWidget* checkTabs;
    CheckBendsModel* bends_model_;
};

} // namespace tensora
