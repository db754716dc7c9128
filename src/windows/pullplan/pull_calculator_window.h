// The pull planner: the cable's values, the plan built link by link, and the forward and
// reverse tensions and sidewall pressures of every link, recomputed after every change.
#pragma once

#include "pullplan/pull_advice.h"
#include "pullplan/pull_plan.h"
#include "pullplan/pull_plan_links.h"
#include "pullplan/tension_log.h"
#include "pullplan/tension_profile.h"
#include "report/printed_report.h"
#include "report/report.h"
#include "report/report_settings.h"
#include "widgets/list_controls.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"
#include "windows/cables/cable_receiver.h"
#include "windows/pullplan/deferred_advice.h"
#include "windows/pullplan/pull_results_panel.h"
#include "windows/pullplan/text_column_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tensora {

class LinesLabel;

class PullCalculator : public RegisteredWindow<QWidget>,
                       public UnitFollower,
                       public CableReceiver,
                       public LanguageFollower {
    Q_OBJECT

public:
    explicit PullCalculator(WindowRegistry& registry);

    void Form_Load();
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void racewayOption_Click();
    void pullPointOption_Click();
    void midAssistCheck_Click();
    void List6_Click(int row);
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text7_Change();

    // Recomputes every result from the current boxes, plan and selected link.
    void pullcalc();

    // Converts the cable boxes and the plan's lengths, names the units, recalculates.
    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override;
    UnitSystem units() const { return units_; }

    // The plan as the link columns hold it.
    const PullPlanLinks& plan() const { return plan_; }
    // Changes the plan as a whole (a document read back, say) and refreshes the link columns;
    // the results follow at the next recalculation.
    void editPlan(const std::function<void(PullPlanLinks&)>& change);

    // The row of the selected link number, -1 when none is selected.
    int selectedLink() const;
    void selectLink(int row);

    const PullResults& results() const { return results_; }
    // Which end to pull from and where a mid-assist point helps most, for the plan as it
    // was last calculated (found now if the line under the results still waits for a pause
    // in typing).
    const PullAdvice& advice() const;
    // Whether the advice still waits for a pause in typing (advice() would find it now).
    bool adviceWaiting() const { return advice_.waiting(); }
    // Takes the advised mid-assist point into the plan.
    void applyAdvice_Click();
    // The settings the results were calculated with, as read from the boxes.
    const PullSettings& calculatedSettings() const { return settings_; }
    // The plan along the route, from the results as calculated.
    ProfileData profile() const;
    // What the report for people shows of the planner.
    PrintedReport printedReport() const;
    // Each link's own coefficient and raceway in words (empty for a link of the plan's).
    std::vector<Message> linkRaceways() const;

    // A pull's tension log laid over the plan: the profile draws it, the report prints it with
    // its fit; none to take it away.
    struct PullLog {
        TensionLog log;
        bool forward = true;
        std::string file;
    };
    void setPullLog(std::optional<PullLog> log);
    const std::optional<PullLog>& pullLog() const { return pull_log_; }
    // The log against the plan as it stands now.
    LogFit pullLogFit() const;

    // The texts the report holds of the planner: cable boxes, mid-assist caption, every link's
    // columns, in inch-pound units whatever the units shown.
    PullPlanReport report() const;
    // The plan as a CSV table: each link's columns and the unrounded figures beside them.
    std::string planCsv() const;
    // Why the plan cannot be written in inch-pound units (a metric figure beyond them), if so.
    std::optional<Message> inchPoundRefusal() const;
    // Takes what a report read back sets (inch-pound figures in the file's form, shown
    // converted): its cable texts (each running its change handling, without warnings: the
    // report names what it cannot read), the weight in bends, what a sheave adds and, when it
    // has a pull plan part, its links in place of the plan's, with its mid-assist point; then
    // recalculates.
    void applyReport(const ReportSettings& report);
    // Takes an imported route's links (plain texts, lengths in the units shown) in place of
    // the plan's or after them, and where they came from, which the report keeps; then
    // recalculates. False when the plan would hold more links than it may.
    bool importRoute(const std::vector<PullLinkTexts>& links, bool replace,
                     const std::string& source);
    const std::string& routeSource() const { return route_source_; }
    // What a sheave adds to the tension through it, in per cent (the equipment window's
    // setting, as typed there); recalculates when it changes.
    void setSheavePercent(const std::string& percent);
    const std::string& sheavePercent() const { return sheave_percent_; }
    // Names the document in the caption ("Tensora - Pull Calculator - [file]", "[New
    // Document]" for an empty path) and takes the plan as it is now as the document's: while the
    // plan differs from it, the caption begins with a mark, and isModified() is true.
    void setDocument(const QString& path);
    bool isModified() const;
    // How many documents the planner has taken (each New, Open, Save or setDocument one more):
    // a window that handed it a plan knows whether the planner holds it still.
    int documentCount() const { return document_count_; }
    // A window holding a part of the document (DocumentPart) has opened with this part: it is
    // the document's as it stands, until the window changes it.
    void partOpened(const QString& name, const std::string& part);
    // ... and closed: its part is the document's no more.
    void partClosed(const QString& name) { document_.parts.erase(name.toStdString()); }
    // Whether the part of the window of this name differs from the document's.
    bool partModified(const QString& name) const;
    // The caption's mark again, after a part of the document changed.
    void partChanged() { showModified(); }

    // The boxes and check box the New command resets.
    QLineEdit* descriptionBox() const { return Text6; }
    QCheckBox* midAssistBox() const { return midAssistCheck; }
    QLabel* midAssistCaption() const { return midassistlabel; }

    // What the cable selection window reads and writes: the cable boxes (a write runs their
    // change handling), the lubricant caption and the hidden launch flag.
    QLineEdit* allowableBox() const { return Text2; }
    QLineEdit* weightBox() const { return Text3; }
    QLineEdit* backTensionBox() const { return Text7; }
    QLineEdit* frictionBox() const { return Text1; }
    QLabel* lubricantBox() const { return lubricantLabel; }
    QCheckBox* launchFlag() const { return Check2; }
    // The outside diameter of the cable last chosen in the selection window, inches, kept for
    // the pull check that opens after the selection window has closed.
    const QString& chosenCableDiameter() const { return chosen_diameter_; }

    // What the cable selection window reads and hands back while the planner waits for it:
    // the cable boxes (each write runs its change handling) and the lubricant's name.
    Serving servedBySelection() const override {
        return Check2->isChecked() ? Serving::PullPlanner : Serving::None;
    }
    void selectionEnded() override { Check2->setChecked(false); }
    void cableChosen(const QString& diameter) override { chosen_diameter_ = diameter; }
    CableTexts cableTexts() const override;
    void takeCableTexts(const CableTexts& texts) override;
    void takeLubricant(const QString& name) override { lubricantLabel->setText(name); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The window's table of contents: its parts laid out, their signals connected.
    void buildLayout();
    void connectInputs();
    void connectPlanActions();
    QWidget* buildCableInput();
    QWidget* buildPullInput();
    QWidget* buildOptions();
    QWidget* buildResults();
    TextColumnModel* planModel(std::function<std::string_view(int)> text);
    TextColumnModel* resultModel(const TextColumn PullResults::*column,
                                 const TextColumn PullResults::Shown::*shown);
    // The unit captions and, in metric, the units of the result columns.
    void showUnits();
    // The plan's texts as shown (`units` the units_ system) or in inch-pound units.
    PullPlanReport planTexts(UnitSystem units) const;
    void chooseOption(QRadioButton* chosen);
    bool pullInputIsNumbers() const;
    // Why the Pull Input's angle can be no link (an Up bend of more than a full circle, say).
    std::optional<QString> angleRefusal() const;
    // The next link as the Pull Input gives it: its type, its angle text (a straight's
    // incline where one is typed), and whether it sets the route's incline.
    // The link the Pull Input describes.
    PullLinkTexts nextLink() const;
    bool nextLinkInclined() const;
    // The tilt's row shows for a tilted bend.
    void showTiltRow();
    void clearPullInput();
    void submitLink();
    void insertLink(int row);
    void deleteLink(int row);
    void deleteAllLinks();
    // Asks for the link's own coefficient and raceway (the friction library offered).
    void chooseRaceway(int row);
    void showResults(int previous_rows);
    // The windows that follow every recalculation (the tension profile, the pull check).
    void tellFollowers();
    std::string text(const QLineEdit* box) const;
    // The Pull Input's length or angle as the plan keeps it: the number without blanks around.
    std::string linkText(const QLineEdit* box) const;
    // The mid-assist point of the last calculation (its link's row), -1 for none.
    int midAssistRow() const;
    void showModified();

    // The plan as the document last saved or opened holds it, and the parts of the other
    // windows that the report saves with it (by window name).
    struct DocumentState {
        std::array<QString, 5> boxes; // description, allowable, weight, friction, back tension
        std::vector<std::string> types;
        std::vector<std::string> lengths;
        std::vector<std::string> angles;
        std::vector<char> inclines;
        std::vector<char> rights;
        std::vector<std::string> tilts;
        std::vector<char> sheaves;
        std::vector<LinkRaceway> raceways;
        int mid_assist = -1;
        bool weight_across = false;
        std::string sheave_percent;
        std::map<std::string, std::string> parts;
        bool operator==(const DocumentState&) const = default;
    };
    DocumentState documentState() const;
    bool partsModified() const;

    NumberLocale locale_;
    std::string route_source_; // where the plan's imported route came from, if it was
    std::string sheave_percent_ = "0";
    bool quiet_boxes_ = false; // a report is writing the boxes: no warnings
    UnitSystem units_;
    PullPlanLinks plan_;
    // What the tension boxes held before the last switch of units (allowable, weight, back).
    std::array<SwitchMemo, 3> box_memos_;
    PullSettings settings_;
    PullResults results_;
    // The advice line, once the advice is found.
    void showAdvice();
    DeferredAdvice advice_;
    QString chosen_diameter_;
    mutable std::string angle_cell_;  // the Angle column's text of a computed cell
    mutable std::string length_cell_; // the Length column's
    mutable std::string type_cell_;   // the Type column's
    mutable std::string friction_cell_; // the Friction column's
    QString document_path_;
    int document_count_ = 0;
    bool document_named_ = false; // a document is named in the caption (not before the shell does)
    DocumentState document_;
    std::optional<PullLog> pull_log_;

    QLineEdit* Text6; // cable description
    QLineEdit* Text2; // allowable tension
    QLineEdit* Text3; // cable weight
    QLineEdit* Text1; // coefficient of friction
    QLabel* lubricantLabel;
    QPushButton* Command2;
    QLineEdit* Text7; // back tension
    QCheckBox* Check2;
    QCheckBox* Check1;
    QLabel* Label2;
    QLineEdit* Text4; // length of the next link
    QLineEdit* Text5; // angle of the next link
    QLabel* Label4;
    QLabel* inclineLabel;
    QLineEdit* inclineBox; // a straight's incline, optional
    QLabel* inclineUnit;
    QLabel* turnLabel;
    QComboBox* turnBox; // the plane a bend turns in: left, right, up, down, tilted
    static constexpr int kTiltedTurn = 4;
    QLabel* tiltLabel;
    QLineEdit* tiltBox;
    QLabel* tiltUnit;
    QComboBox* bendWeight; // the weight in bends: in the bend's plane only, or all of it
    QPushButton* Command1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4; // marks or unmarks a bend as turned on a sheave
    QRadioButton* racewayOption; // sets a link's own friction and raceway
    QRadioButton* pullPointOption; // marks a link as a pull point (a box, a conduit body)
    QCheckBox* midAssistCheck;
    ActionListView* List6;
    QLabel* midassistlabel;
    LinesLabel* adviceLabel;
    QPushButton* applyAdvice;
    QLabel* allowable_unit_;
    QLabel* weight_unit_;
    QLabel* back_tension_unit_;
    QLabel* length_unit_;

    PullResultsPanel* results_panel_;
    std::array<TextColumnModel*, 5> plan_models_{}; // List6, List1, List2, List3, frictionList
    std::array<TextColumnModel*, 4> result_models_{}; // List4, List7, List5, List8
};

} // namespace tensora
