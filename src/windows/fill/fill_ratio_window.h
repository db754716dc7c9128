// The fill ratio calculator: the ODs of the cables that are to share one conduit, their areas
// and the widest pair, and for every trade size of the chosen conduit table its inside area,
// the fill ratio, or "over" where the cables do not fit, and whether the fill meets the
// electrical code's limit. The tables are the three written standards and the code's thirteen.
#pragma once

#include "fill/conduit_tables.h"
#include "fill/fill_ratio.h"
#include "report/report.h"
#include "widgets/list_controls.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/cables/cable_receiver.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>

namespace tensora {

class FillRatio : public RegisteredWindow<QWidget>,
                  public UnitFollower,
                  public CableReceiver,
                  public LanguageFollower {
    Q_OBJECT

public:
    explicit FillRatio(WindowRegistry& registry);

    void Form_Load();
    void sch40_Click();
    void sdr11_Click();
    void sdr135_Click();
    void necCode_Click();
    void codeTable_Click(int row);
    void cmd1_Click();
    void List1_Click(int row);
    void prefMaxFill_Change();
    void Command1_Click();

    // Rates every trade size from the boxes and lists.
    void fillcalc();

    // What the cable selection window reads and writes: the hidden launch flag and the OD box.
    QCheckBox* launchFlag() const { return Check1; }
    QLineEdit* diameterBox() const { return Text1; }

    // What the cable selection window hands back: the chosen diameter, on return.
    Serving servedBySelection() const override {
        return Check1->isChecked() ? Serving::FillRatio : Serving::None;
    }
    void selectionEnded() override { Check1->setChecked(false); }
    void cableChosen(const QString&) override {}
    void takeDiameter(const QString& diameter) override { Text1->setText(diameter); }
    // A set's diameters replace the cables listed; one the list refuses is left out.
    void takeDiameters(const QStringList& diameters);

    // The selected table, if any.
    std::optional<ConduitStandardId> standard() const;

    // The texts the report holds of the fill ratio calculation; no conduit rows while the
    // window is as designed (no standard chosen yet).
    FillReport report() const;
    // Takes the fill ratio part of a report read back: its standard, its cables and its
    // preferred maximum fill; the calculation follows. A part with neither a standard nor a
    // cable changes nothing.
    void applyReport(const ReadReport::Fill& fill);
    bool hasCables() const { return cables_->rowCount() > 0; }

    // Converts the cables' diameters and the OD box; the tables show millimetres in metric.
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override;
    // The code tables' tool tips, in the language spoken.
    void writeCodeTips();
    // "1 cable", "3 cables", in the language shown.
    QString cableCount(int cables) const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window's parts, built in turn.
    void buildInputs();
    void buildResults();
    void buildCodePanel();
    void styleOutputs();
    void connectControls();
    void placeControls();
    void selectStandard(ConduitStandardId id);
    void rebuildCableTotals();
    void showCodeSummary(const ConduitStandard& table, const TableRating& rating);
    QStringList cableDiameters() const;
    // The cables' diameters in inches, as the calculation and the report take them.
    std::vector<std::string> inchDiameters() const;
    void showUnits();

    NumberLocale locale_;
    UnitSystem units_;
    CableTotals inch_totals_;  // the totals in inch-pound units, as last calculated
    TableRating inch_rating_;  // the sizes' inch-pound figures, as last rated
    SwitchMemo diameter_memo_; // the OD box's text before the last switch of units
    // The cables' diameters as the last switch of units wrote them, each with its text before.
    QHash<QString, QString> cable_memo_;
    bool shown_before_ = false;

    QLabel* Label9;
    QRadioButton* sch40;
    QRadioButton* sdr11;
    QRadioButton* sdr135;
    QRadioButton* necCode; // one of the code's tables, chosen in codeTable
    QWidget* Frame2;
    QLabel* Label1;
    QLineEdit* Text1;      // the OD being entered
    QPushButton* Command1; // "Select"
    QLabel* Label5;
    ActionListView* List1; // the cables' ODs as typed
    QStringListModel* cables_;
    QListWidget* List2; // each cable's area
    QPushButton* cmd1;  // "Submit"
    QLineEdit* Text2;   // total area
    QWidget* Frame1;
    QLabel* Label3;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QListWidget* tradesize;
    QListWidget* ID;
    QListWidget* area;
    QListWidget* percent;
    QLabel* codeLabel;
    QListWidget* codeColumn; // "meets" or "over" the code's limit
    // The count as the report keeps it, in English whatever the language shown.
    std::string count_text_ = "0 cables";
    QLabel* maxODlabel;
    QLineEdit* Text3; // maximum combined pair width
    QLabel* Label4;   // "2 cables"
    QLabel* recommendLabel;
    QLineEdit* prefMaxFill;
    QLabel* Label10;
    QWidget* Frame3; // the code's tables and what the code makes of the cables
    QListWidget* codeTable;
    QLabel* codeDescription;
    QLabel* codeLimit;
    QLabel* codeSmallest;
    QCheckBox* Check1; // launch flag of the cable selection window
};

} // namespace tensora
