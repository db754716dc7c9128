// The main window: the menus that reach every other window, the picture, the status bar, and
// the remembered position and size.
#pragma once

#include "report/printed_report.h"
#include "widgets/window_registry.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <functional>
#include <string_view>

namespace tensora {

class frmMain : public RegisteredWindow<QMainWindow>, public UnitFollower {
    Q_OBJECT

public:
    explicit frmMain(WindowRegistry& registry);
    ~frmMain() override;

    // Restores the position and size from the settings store.
    void Form_Load();

    void mnuToolsPullCalc_Click();
    void mnuToolsMaxPull_Click();
    void mnuToolsSideWall_Click();
    void mnuToolsStraightPull_Click();
    void mnuToolsBendPull_Click();
    void mnuToolsFillRatio_Click();
    void mnuToolsPullCheck_Click();
    void mnuToolsLubricant_Click();
    void mnuToolsProfile_Click();
    void displayHelp_Click();
    void mnuHelpAbout_Click();
    void NVOnline_Click();
    void LoadPDF_Click();
    void mnuFileExit_Click();

    // The document commands of the File menu.
    void NewFile_Click();
    void Openfile_Click();
    // A route from a drawing, a survey's points or an alignment, into the planner.
    void ImportRoute_Click();
    void ImportPullLog_Click();
    void NewJob_Click();
    void OpenJob_Click();
    void SaveFile_Click();
    // The report for people: as a PDF file, or on a printer.
    void ExportPdf_Click();
    void ExportCsv_Click();
    void PrintFile_Click();
    // What the report for people shows: the planner, and the fill ratio and pull check
    // windows when they hold a calculation.
    PrintedReport printedReport();

    // The save options of the File menu, read when a report is written.
    bool savePullPlanChecked() const { return save_pull_plan_->isChecked(); }
    bool saveFillRatioChecked() const { return save_fill_ratio_->isChecked(); }

    // The Options menu's choice of units, which every window follows.
    void unitsInchPound_Click();
    void unitsMetric_Click();
    void unitsChanged(UnitSystem from, UnitSystem to) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Closes every other window, most recent first, then saves the geometry unless minimised.
    void Form_Unload();
    // Writes the report of the marked parts to a file the user chooses.
    enum class SaveOutcome { Saved, Cancelled, Failed };
    SaveOutcome savereport();
    // Saves bytes whole to a file the user chooses through a dialog with the filter (the
    // extension added to a name without it); says why when it fails. False when nothing was
    // saved.
    bool exportFile(const QString& title, const QString& filter, const QString& extension,
                    const QString& what, const std::function<QByteArray()>& content);
    // Says why the planner's figures cannot be written in a report's inch-pound units, if
    // they cannot (nothing is saved then).
    bool reportRefused();
    // Whether the program may end: unsaved changes of the plan saved or discarded.
    bool mayLeave();
    // Whether the document's changes not saved may go: none, or the user saves them (and the
    // save succeeds) or discards them, answering `question` in a box owned by `owner`.
    bool mayDropChanges(QWidget* owner, const QString& question);
    // Whether the built-in browser runs; where it does not (as root), offers the page at
    // `path` on the vendor's server in the desktop's browser instead.
    bool builtInBrowserRuns(std::string_view path);
    // Reads the pull plan part of a report the user chooses back into the planner.
    void loadreport();
    // Says in one box what a report read could not give as it was saved: figures written with
    // decimal commas, figures that are no numbers, parts not whole.
    void tellWhatWasRead(const QString& name, const ReadReport& report);

public:
    // Opens a report as File > Open does, without the dialog (a file named on the command line);
    // with `ask`, changes not saved are saved or dropped first, as File > Open asks.
    // True when the report was read.
    bool openReport(const QString& path, bool ask = false);

private:
    void buildMenus();
    void buildFileMenu(QMenuBar& bar);
    void buildToolsMenu(QMenuBar& bar);
    void buildOptionsMenu(QMenuBar& bar);
    void buildLanguageMenu(QMenu& settings);
    void buildHelpMenu(QMenuBar& bar);
    void buildStatusBar();
    void updateClock();
    QAction* addItem(QMenu& menu, const char* name, const QString& caption);
    QMenu* addSubmenu(QMenu& menu, const char* name, const QString& caption);
    QAction* addCommand(QMenu& menu, const char* name, const QString& caption,
                        void (frmMain::*handler)(), const QKeySequence& keys = {});
    void addSeparator(QMenu& menu, const char* name);
    double dotsPerInch() const;

    QLabel* date_panel_;
    QLabel* time_panel_;
    QTimer clock_;
    QAction* save_pull_plan_ = nullptr;
    QAction* save_fill_ratio_ = nullptr;
    QAction* units_inch_pound_ = nullptr;
    QAction* units_metric_ = nullptr;
    // The report file last saved or opened, for the report for people.
    QString document_;
    // The restored outer size, until the window's frame is known.
    QSize outer_size_;
};

} // namespace tensora
