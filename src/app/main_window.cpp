#include "app/main_window.h"

#include "app/window_geometry.h"
#include "help/online.h"
#include "print/qt_text.h"
#include "print/report_renderer.h"
#include "print/spoken_message.h"
#include "report/file_saving.h"
#include "report/report.h"
#include "report/report_settings.h"
#include "routes/route_import.h"
#include "widgets/artwork.h"
#include "windows/browser/browser_window.h"
#include "windows/cables/max_pull_window.h"
#include "windows/calculators/bend_tension_window.h"
#include "windows/calculators/lubrication_window.h"
#include "windows/calculators/sidewall_window.h"
#include "windows/calculators/straight_pull_window.h"
#include "windows/equipment/pulling_equipment_window.h"
#include "windows/fill/fill_ratio_window.h"
#include "windows/help/about_window.h"
#include "windows/help/help_window.h"
#include "windows/profile/tension_profile_window.h"
#include "windows/calculators/pull_box_window.h"
#include "windows/job/job_window.h"
#include "windows/job/pull_transfer.h"
#include "windows/pullplan/compare_options_window.h"
#include "windows/pullplan/pull_log_dialog.h"
#include "windows/pullplan/friction_library_window.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"
#include "windows/pullplan/route_import_dialog.h"
#include "windows/route/route_view_window.h"

#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace tensora {
namespace {

const QString kSettingsSection = QStringLiteral("Settings");
QString report_filter() {
    return frmMain::tr("Data (*.rtf)|*.rtf|All Files (*.*)|*.*");
}

PixelRect pixel_rect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

frmMain::frmMain(WindowRegistry& registry) : RegisteredWindow<QMainWindow>(registry) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kApplicationTitle);

    auto* central = new QWidget(this);
    auto* picture = new Picture(paint_main_picture, kMainPictureSize, central);
    picture->setObjectName(QStringLiteral("Picture1"));
    // 120, 120 twips and 3615 × 3615 twips at the standard 15 twips per pixel; the picture
    // stands at its top-left corner.
    picture->setGeometry(8, 8, 241, 241);
    setCentralWidget(central);

    buildMenus();
    buildStatusBar();
    registry.setDocumentGuard([this](QWidget* asking, const QString& question) {
        return mayDropChanges(asking, question);
    });
}

frmMain::~frmMain() {
    registry().setDocumentGuard({}); // the windows that outlive it ask no one
}

void frmMain::buildMenus() {
    QMenuBar* bar = menuBar();
    buildFileMenu(*bar);
    buildToolsMenu(*bar);
    buildOptionsMenu(*bar);
    buildHelpMenu(*bar);
}

void frmMain::buildFileMenu(QMenuBar& bar) {
    auto* file = bar.addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addCommand(*file, "NewFile", tr("&New"), &frmMain::NewFile_Click, QKeySequence::New);
    addCommand(*file, "Openfile", tr("&Open..."), &frmMain::Openfile_Click, QKeySequence::Open);
    addCommand(*file, "ImportRoute", tr("&Import Route..."), &frmMain::ImportRoute_Click);
    addCommand(*file, "ImportPullLog", tr("Import Pull &Log..."), &frmMain::ImportPullLog_Click);
    addCommand(*file, "NewJob", tr("New &Job"), &frmMain::NewJob_Click);
    addCommand(*file, "OpenJob", tr("Open Jo&b..."), &frmMain::OpenJob_Click);
    addCommand(*file, "SaveFile", tr("&Save..."), &frmMain::SaveFile_Click, QKeySequence::Save);
    addCommand(*file, "ExportPdf", tr("Export P&DF..."), &frmMain::ExportPdf_Click);
    addCommand(*file, "ExportCsv", tr("Export &CSV..."), &frmMain::ExportCsv_Click);
    addCommand(*file, "PrintFile", tr("&Print..."), &frmMain::PrintFile_Click, QKeySequence::Print);
    QMenu* options = addSubmenu(*file, "saveoptions", tr("Save Op&tions"));
    save_pull_plan_ = addItem(*options, "savePullPlan", tr("Pull Plan"));
    save_pull_plan_->setCheckable(true);
    save_pull_plan_->setChecked(true); // a checkable item flips its own mark when chosen
    save_fill_ratio_ = addItem(*options, "saveFillRatio", tr("Fill Ratio"));
    save_fill_ratio_->setCheckable(true);
    save_fill_ratio_->setChecked(false);
    addSeparator(*file, "mnuToolsBar3");
    connect(addItem(*file, "mnuFileExit", tr("E&xit")), &QAction::triggered, this,
            &frmMain::mnuFileExit_Click);
}

void frmMain::buildToolsMenu(QMenuBar& bar) {
    auto* tools = bar.addMenu(tr("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    connect(addItem(*tools, "mnuToolsPullCalc", tr("&Pull Calculator")), &QAction::triggered, this,
            &frmMain::mnuToolsPullCalc_Click);
    addSeparator(*tools, "mnuToolsBar0");
    QMenu* quick = addSubmenu(*tools, "quickcalc", tr("&Quick Calculators"));
    connect(addItem(*quick, "mnuToolsMaxPull", tr("Max &Pull Length")), &QAction::triggered, this,
            &frmMain::mnuToolsMaxPull_Click);
    connect(addItem(*quick, "mnuToolsSideWall", tr("&Sidewall Pressure")), &QAction::triggered,
            this, &frmMain::mnuToolsSideWall_Click);
    connect(addItem(*quick, "mnuToolsStraightPull", tr("Straight Pull Tension")),
            &QAction::triggered, this, &frmMain::mnuToolsStraightPull_Click);
    connect(addItem(*quick, "mnuToolsBendPull", tr("Bend Pull Tension")), &QAction::triggered, this,
            &frmMain::mnuToolsBendPull_Click);
    connect(addItem(*quick, "mnuToolsPullBox", tr("Pull Bo&x Size")), &QAction::triggered, this,
            [this] { registry().show<PullBoxSize>(); });
    addSeparator(*tools, "mnuToolsBar1");
    connect(addItem(*tools, "mnuToolsFillRatio", tr("&Fill Ratio")), &QAction::triggered, this,
            &frmMain::mnuToolsFillRatio_Click);
    connect(addItem(*tools, "mnuToolsLubricant", tr("&Slikko! Quantity")), &QAction::triggered,
            this, &frmMain::mnuToolsLubricant_Click);
    addSeparator(*tools, "mnuToolsBar2");
    connect(addItem(*tools, "mnuToolsProfile", tr("Tension Pr&ofile")), &QAction::triggered, this,
            &frmMain::mnuToolsProfile_Click);
    connect(addItem(*tools, "mnuToolsRouteView", tr("&Route View")), &QAction::triggered, this,
            [this] { registry().show<RouteView>(); });
    connect(addItem(*tools, "mnuToolsEquipment", tr("Pulling &Equipment")), &QAction::triggered,
            this, [this] { registry().show<PullingEquipment>(); });
    connect(addItem(*tools, "mnuToolsPullCheck", tr("Pull C&heck")), &QAction::triggered, this,
            &frmMain::mnuToolsPullCheck_Click);
    connect(addItem(*tools, "mnuToolsFrictionLibrary", tr("Friction Li&brary")),
            &QAction::triggered, this, [this] { registry().show<FrictionLibraryWindow>(); });
    connect(addItem(*tools, "mnuToolsCompare", tr("Compare Optio&ns")), &QAction::triggered, this,
            [this] {
                registry().get<PullCalculator>(); // the options compare its plan
                registry().show<CompareOptions>();
            });
}

void frmMain::buildOptionsMenu(QMenuBar& bar) {
    auto* settings = bar.addMenu(tr("&Options"));
    settings->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* units = addSubmenu(*settings, "mnuUnits", tr("&Units"));
    auto* unit_group = new QActionGroup(units);
    units_inch_pound_ = addItem(*units, "unitsInchPound", tr("&Inch-pound"));
    units_metric_ = addItem(*units, "unitsMetric", tr("&Metric"));
    for (QAction* action : {units_inch_pound_, units_metric_}) {
        action->setCheckable(true);
        unit_group->addAction(action);
    }
    connect(units_inch_pound_, &QAction::triggered, this, &frmMain::unitsInchPound_Click);
    connect(units_metric_, &QAction::triggered, this, &frmMain::unitsMetric_Click);
    unitsChanged(registry().units(), registry().units());
    buildLanguageMenu(*settings);
}

// Each language by its own name, the system's first; the one chosen is checked.
void frmMain::buildLanguageMenu(QMenu& settings) {
    QMenu* languages = addSubmenu(settings, "mnuLanguage", tr("&Language"));
    auto* group = new QActionGroup(languages);
    for (const LanguageChoice& choice : language_choices()) {
        const bool system = choice.code.isEmpty();
        const QByteArray name =
            "language_" + (system ? QByteArray("system") : choice.code.toLatin1());
        QAction* action =
            addItem(*languages, name.constData(), system ? tr("System") : choice.name);
        action->setCheckable(true);
        action->setChecked(choice.code == registry().language());
        group->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, code = choice.code] { registry().setLanguage(code); });
    }
}

void frmMain::buildHelpMenu(QMenuBar& bar) {
    auto* help = bar.addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    addCommand(*help, "displayHelp", tr("Help Manual"), &frmMain::displayHelp_Click,
               QKeySequence::HelpContents);
    QMenu* online = addSubmenu(*help, "onlineheader", tr("Online"));
    connect(addItem(*online, "LoadPDF", tr("Ductivo Installation Manual")), &QAction::triggered,
            this, &frmMain::LoadPDF_Click);
    connect(addItem(*online, "NVOnline", tr("Norvale &Home Page")), &QAction::triggered, this,
            &frmMain::NVOnline_Click);
    addSeparator(*help, "spacer");
    connect(addItem(*help, "mnuHelpAbout", tr("&About ")), &QAction::triggered, this,
            &frmMain::mnuHelpAbout_Click);
}

void frmMain::unitsInchPound_Click() {
    registry().setUnits(UnitSystem::InchPound);
}

void frmMain::unitsMetric_Click() {
    registry().setUnits(UnitSystem::Metric);
}

void frmMain::unitsChanged(UnitSystem, UnitSystem to) {
    (to == UnitSystem::Metric ? units_metric_ : units_inch_pound_)->setChecked(true);
}

QAction* frmMain::addItem(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* frmMain::addCommand(QMenu& menu, const char* name, const QString& caption,
                             void (frmMain::*handler)(), const QKeySequence& keys) {
    QAction* action = addItem(menu, name, caption);
    action->setShortcut(keys);
    // The file commands and the help act from every window, where the user works.
    action->setShortcutContext(Qt::ApplicationShortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QMenu* frmMain::addSubmenu(QMenu& menu, const char* name, const QString& caption) {
    QMenu* submenu = menu.addMenu(caption);
    submenu->setObjectName(QLatin1String(name));
    submenu->menuAction()->setObjectName(QLatin1String(name));
    return submenu;
}

void frmMain::addSeparator(QMenu& menu, const char* name) {
    menu.addSeparator()->setObjectName(QLatin1String(name));
}

void frmMain::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(false);
    auto* status = new QLabel(tr("Status"), bar);
    status->setObjectName(QStringLiteral("statusPanel"));
    date_panel_ = new QLabel(bar);
    date_panel_->setObjectName(QStringLiteral("datePanel"));
    time_panel_ = new QLabel(bar);
    time_panel_->setObjectName(QStringLiteral("timePanel"));
    for (QLabel* panel : {status, date_panel_, time_panel_}) {
        panel->setContentsMargins(4, 0, 4, 0);
    }
    bar->addWidget(status, 1);
    bar->addPermanentWidget(date_panel_);
    bar->addPermanentWidget(time_panel_);
    updateClock();
    connect(&clock_, &QTimer::timeout, this, &frmMain::updateClock);
    clock_.start(1000);
}

void frmMain::updateClock() {
    const QDateTime now = platform().now();
    const QLocale locale = QLocale::system();
    date_panel_->setText(locale.toString(now.date(), QLocale::ShortFormat));
    time_panel_->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

double frmMain::dotsPerInch() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void frmMain::Form_Load() {
    auto& store = platform();
    const StoredGeometry stored{
        store.readSetting(kSettingsSection, QStringLiteral("MainLeft"), QStringLiteral("1000"))
            .toStdString(),
        store.readSetting(kSettingsSection, QStringLiteral("MainTop"), QStringLiteral("1000"))
            .toStdString(),
        store.readSetting(kSettingsSection, QStringLiteral("MainWidth"), QStringLiteral("6500"))
            .toStdString(),
        store.readSetting(kSettingsSection, QStringLiteral("MainHeight"), QStringLiteral("6500"))
            .toStdString(),
    };
    std::vector<PixelRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(pixel_rect(screen->availableGeometry()));
    }
    const PixelRect rect = restored_main_geometry(stored, dotsPerInch(), screens);
    move(rect.left, rect.top);
    // The stored size is the outer one; the frame is taken off it once the window manager has
    // framed the window (without a frame, outer and inner size are the same).
    resize(rect.width, rect.height);
    outer_size_ = QSize(rect.width, rect.height);
}

void frmMain::moveEvent(QMoveEvent* event) {
    RegisteredWindow<QMainWindow>::moveEvent(event);
    const QSize frame = frameGeometry().size() - size();
    if (outer_size_.isValid() && !frame.isNull()) {
        const QSize outer = outer_size_;
        outer_size_ = QSize();
        resize(outer - frame);
    }
}

void frmMain::Form_Unload() {
    registry().closeAllButFirst();
    if (isMinimized()) {
        return;
    }
    const QRect outer = frameGeometry();
    const StoredGeometry stored =
        stored_main_geometry({outer.x(), outer.y(), outer.width(), outer.height()}, dotsPerInch());
    auto& store = platform();
    store.writeSetting(kSettingsSection, QStringLiteral("MainLeft"),
                       QString::fromStdString(stored.left));
    store.writeSetting(kSettingsSection, QStringLiteral("MainTop"),
                       QString::fromStdString(stored.top));
    store.writeSetting(kSettingsSection, QStringLiteral("MainWidth"),
                       QString::fromStdString(stored.width));
    store.writeSetting(kSettingsSection, QStringLiteral("MainHeight"),
                       QString::fromStdString(stored.height));
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!mayLeave()) {
        event->ignore();
        return;
    }
    Form_Unload();
    RegisteredWindow<QMainWindow>::closeEvent(event);
}

bool frmMain::mayLeave() {
    return mayDropChanges(this, tr("The pull plan has changes that are not saved. Save them "
                                   "before leaving?"));
}

bool frmMain::mayDropChanges(QWidget* owner, const QString& question) {
    const PullCalculator* planner = registry().find<PullCalculator>();
    if (!planner || !planner->isModified()) {
        return true;
    }
    switch (platform().askToSave(owner, question)) {
    case Platform::SaveAnswer::Save:
        return savereport() == SaveOutcome::Saved;
    case Platform::SaveAnswer::Discard:
        return true;
    case Platform::SaveAnswer::Cancel:
        break;
    }
    return false;
}

void frmMain::mnuToolsPullCalc_Click() {
    registry().show<PullCalculator>();
}

void frmMain::mnuToolsMaxPull_Click() {
    registry().show<MaxPull>();
}

void frmMain::mnuToolsSideWall_Click() {
    registry().show<sidewall>();
}

void frmMain::mnuToolsStraightPull_Click() {
    registry().show<straightPull>();
}

void frmMain::mnuToolsBendPull_Click() {
    registry().show<BendTension>();
}

void frmMain::mnuToolsFillRatio_Click() {
    registry().show<FillRatio>();
}

void frmMain::mnuToolsProfile_Click() {
    registry().show<TensionProfile>();
}

void frmMain::mnuToolsPullCheck_Click() {
    registry().show<PullCheck>();
}

void frmMain::mnuToolsLubricant_Click() {
    registry().show<Lubrication>();
}

void frmMain::NVOnline_Click() {
    if (platform().question(this, spoken(kHomePageQuestion, platform().numberLocale())) &&
        builtInBrowserRuns(kHomePagePath)) {
        registry().show<NorvaleHome>();
    }
}

void frmMain::LoadPDF_Click() {
    if (platform().question(this, spoken(kManualQuestion, platform().numberLocale())) &&
        builtInBrowserRuns(kManualPath)) {
        registry().show<frmBrowser>();
    }
}

bool frmMain::builtInBrowserRuns(std::string_view path) {
    if (platform().builtInBrowserRuns()) {
        return true;
    }
    const QString address = platform().vendorAddress() + qt_text(path);
    if (platform().question(this, tr("The built-in browser does not run as root (it "
                                     "would have to run without its sandbox). Open "
                                     "%1 in the desktop's browser instead?")
                                      .arg(address)) &&
        !platform().openInDesktopBrowser(address)) {
        platform().message(this, tr("The desktop's browser could not be started for "
                                    "%1.")
                                     .arg(address));
    }
    return false;
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout& about = registry().get<frmAbout>();
    // Modal and owned by the main window: it stands over it and blocks it until closed.
    about.setParent(this, about.windowFlags());
    about.exec();
}

void frmMain::displayHelp_Click() {
    registry().show<textEditor>();
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::NewFile_Click() {
    // Only a plan with changes asks; Cancel (or Escape, or closing the box) keeps it, and so
    // does a save that is cancelled or fails.
    if (!mayDropChanges(this, tr("The pull plan has changes that are not saved. Save them "
                                 "before starting a new document?"))) {
        return;
    }
    PullCalculator& planner = registry().get<PullCalculator>();
    document_.clear();
    planner.midAssistBox()->setChecked(false);
    planner.midAssistCaption()->clear();
    planner.editPlan([](PullPlanLinks& plan) { plan.clear(); });
    planner.selectLink(-1);
    planner.descriptionBox()->setText(QStringLiteral("Cable to Pull"));
    planner.allowableBox()->setText(qt_text(design_allowable_text(planner.units())));
    planner.weightBox()->setText(qt_text(
        locale_number_text(design_weight_text(planner.units()), platform().numberLocale())));
    planner.frictionBox()->setText(QLatin1Char('0') +
                                   QString::fromStdString(platform().numberLocale().decimal) +
                                   QLatin1Char('5'));
    // The boxes may have held these texts already: the results must follow the emptied plan
    // all the same, not wait for the next change.
    planner.pullcalc();
    if (PullCheck* check = registry().find<PullCheck>()) {
        check->applySetReport(std::nullopt); // the new plan's cable alone
    }
    planner.setDocument(QString());
    registry().show<PullCalculator>();
}

void frmMain::Openfile_Click() {
    loadreport();
}

void frmMain::NewJob_Click() {
    JobWindow& job = registry().show<JobWindow>();
    job.newJob();
}

void frmMain::OpenJob_Click() {
    const QString path = platform().openFileName(
        this, tr("Open Job"), QStringLiteral("Jobs (*.json)|*.json|All Files (*.*)|*.*"));
    if (!path.isEmpty()) {
        registry().show<JobWindow>().openJob(QDir::toNativeSeparators(path));
    }
}

void frmMain::ImportPullLog_Click() {
    const QString path = platform().openFileName(
        this, tr("Import Pull Log"),
        QStringLiteral("Logs (*.csv *.txt)|*.csv;*.txt|All Files (*.*)|*.*"));
    if (path.isEmpty()) {
        return;
    }
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        platform().message(this, tr("The pull log %1 cannot be read.")
                                     .arg(QDir::toNativeSeparators(path)));
        return;
    }
    PullCalculator& planner = registry().show<PullCalculator>();
    auto* dialog = new PullLogDialog(&planner, platform(), planner, QDir::toNativeSeparators(path),
                                     file.readAll().toStdString());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void frmMain::ImportRoute_Click() {
    const QString path = platform().openFileName(
        this, tr("Import Route"),
        tr("Routes (*.dxf *.csv *.txt *.xml)|*.dxf;*.csv;*.txt;*.xml|DXF drawings "
           "(*.dxf)|*.dxf|Points (*.csv *.txt)|*.csv;*.txt|LandXML (*.xml)|*.xml|"
           "All Files (*.*)|*.*"));
    if (path.isEmpty()) {
        return;
    }
    platform().setBusy(true);
    RouteFile file = read_route_file(local_path(path));
    platform().setBusy(false);
    if (!file.error.empty()) {
        platform().message(this, tr("No route was imported from %1.\n%2")
                                     .arg(QDir::toNativeSeparators(path),
                                          spoken(file.error, platform().numberLocale())));
        return;
    }
    auto* dialog = new RouteImportDialog(this, QDir::toNativeSeparators(path), std::move(file),
                                         registry().units(), platform().numberLocale());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        PullCalculator& planner = registry().show<PullCalculator>();
        if (dialog->replaces() && planner.plan().size() > 0 &&
            !platform().question(&planner, tr("Replace the %1 links of the plan by "
                                              "the %2 of the route?")
                                               .arg(planner.plan().size())
                                               .arg(dialog->imported().links.size()))) {
            return;
        }
        if (!planner.importRoute(dialog->imported().links, dialog->replaces(), dialog->source())) {
            platform().message(&planner, tr("The plan would hold more than %1 links: "
                                            "nothing was imported.")
                                             .arg(kMaxLinks));
        }
    });
    dialog->open();
}

void frmMain::SaveFile_Click() {
    savereport();
}

PrintedReport frmMain::printedReport() {
    PrintedReport printed = registry().get<PullCalculator>().printedReport();
    printed.date =
        QLocale::system().toString(platform().now().date(), QLocale::LongFormat).toStdString();
    printed.file_name = QDir::toNativeSeparators(document_).toStdString();
    printed.locale = platform().numberLocale();
    if (const FillRatio* fill = registry().find<FillRatio>(); fill && fill->hasCables()) {
        printed.fill = fill->report();
    }
    if (const PullCheck* check = registry().find<PullCheck>(); check && check->hasInputs()) {
        printed.check = check->printedCheck();
    }
    if (const PullingEquipment* equipment = registry().find<PullingEquipment>()) {
        printed.equipment = equipment->printedLines();
    }
    if (const RouteView* route = registry().find<RouteView>()) {
        printed.route = route->drawing();
    }
    if (const CompareOptions* compare = registry().find<CompareOptions>()) {
        printed.comparison = compare->printedComparison();
    }
    return printed;
}

bool frmMain::exportFile(const QString& title, const QString& filter, const QString& extension,
                         const QString& what, const std::function<QByteArray()>& content) {
    QString path = platform().saveFileName(this, title, filter);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) != 0) {
        path += QLatin1Char('.') + extension;
    }
    platform().setBusy(true);
    const QByteArray bytes = content();
    Message reason(TENSORA_TEXT("Files", "the document could not be drawn"));
    const bool saved = !bytes.isEmpty() &&
                       save_whole_file(local_path(path),
                                       std::string_view(bytes.constData(), bytes.size()), reason);
    platform().setBusy(false);
    if (!saved) {
        platform().message(this, tr("The %1 could not be saved as %2.\n%3")
                                     .arg(what, QDir::toNativeSeparators(path),
                                          spoken(reason, platform().numberLocale())));
    }
    return saved;
}

void frmMain::ExportPdf_Click() {
    exportFile(tr("Export PDF"), tr("PDF document (*.pdf)|*.pdf"), QStringLiteral("pdf"),
               QStringLiteral("PDF"),
               [this] { return report_pdf(printedReport(), report_page_size(QLocale::system())); });
}

void frmMain::ExportCsv_Click() {
    if (!reportRefused()) {
        exportFile(tr("Export CSV"), tr("CSV table (*.csv)|*.csv|All Files (*.*)|*.*"),
                   QStringLiteral("csv"), QStringLiteral("table"), [this] {
                       return QByteArray::fromStdString(registry().get<PullCalculator>().planCsv());
                   });
    }
}

void frmMain::PrintFile_Click() {
    const PrintedReport printed = printedReport();
    platform().print(
        this, [&printed](QPagedPaintDevice& printer) { return render_report(printer, printed); });
}

bool frmMain::reportRefused() {
    const PullCalculator* planner = registry().find<PullCalculator>();
    const std::optional<Message> refusal = planner ? planner->inchPoundRefusal() : std::nullopt;
    if (refusal) {
        QString why = spoken(*refusal, platform().numberLocale());
        why[0] = why[0].toUpper();
        platform().message(this, tr("Nothing was saved: %1.").arg(why));
    }
    return refusal.has_value();
}

frmMain::SaveOutcome frmMain::savereport() {
    // A figure the report's inch-pound units cannot hold would not read back.
    if (savePullPlanChecked() && reportRefused()) {
        return SaveOutcome::Failed;
    }
    const QString path = platform().saveFileName(this, tr("Save Report"), report_filter());
    if (path.isEmpty()) {
        return SaveOutcome::Cancelled;
    }
    platform().setBusy(true);
    ReportContents contents;
    if (savePullPlanChecked()) {
        contents = pull_in_windows(registry());
    }
    contents.path = path.toStdString();
    contents.units_shown = registry().units();
    if (saveFillRatioChecked()) {
        contents.fill = registry().get<FillRatio>().report();
    }
    // The report is written whole beside the chosen file, which it then replaces: a failed save
    // leaves the previous file as it was, and what is no regular file is never written over.
    Message reason;
    const bool saved = save_whole_file(local_path(path), report_text(contents), reason);
    platform().setBusy(false);
    if (!saved) {
        platform().message(this, tr("The report could not be saved as %1.\n%2")
                                     .arg(QDir::toNativeSeparators(path),
                                          spoken(reason, platform().numberLocale())));
        return SaveOutcome::Failed;
    }
    registry().get<PullCalculator>().setDocument(path);
    document_ = path;
    return SaveOutcome::Saved;
}

void frmMain::loadreport() {
    const QString path = platform().openFileName(this, tr("Open Report"), report_filter());
    if (!path.isEmpty()) {
        openReport(path, true);
    }
}

bool frmMain::openReport(const QString& path, bool ask) {
    const QString shown = QDir::toNativeSeparators(path);
    platform().setBusy(true);
    const ReportFile file = read_report_file(local_path(path));
    platform().setBusy(false);
    if (!file.read) {
        platform().message(this, tr("The report %1 could not be read.\n%2")
                                     .arg(shown, spoken(file.reason, platform().numberLocale())));
        return false;
    }
    if (!file.report.is_report) {
        platform().message(this, tr("%1 is not a Tensora report: nothing was read.").arg(shown));
        return false;
    }
    // A report that can be read replaces the plan: changes not saved are saved or dropped first.
    if (ask && !mayDropChanges(this, tr("The pull plan has changes that are not saved. Save "
                                        "them before opening %1?")
                                         .arg(QFileInfo(path).fileName()))) {
        return false;
    }
    apply_report_to_windows(registry(), file.report);
    PullCalculator& planner = registry().get<PullCalculator>();
    planner.setDocument(path);
    document_ = path;
    tellWhatWasRead(QFileInfo(path).fileName(), file.report);
    return true;
}

void frmMain::tellWhatWasRead(const QString& name, const ReadReport& report) {
    const NumberLocale& locale = platform().numberLocale();
    QStringList said;
    if (report.decimal_commas) {
        said.append(tr("The report %1 was saved with decimal commas by an earlier version of "
                       "Tensora; its figures were read that way. Saved again, it holds them "
                       "with decimal points, as every language reads them.")
                        .arg(name));
    }
    for (const Message& note : report.figure_notes) {
        said.append(tr("The report %1: %2").arg(name, spoken(note, locale)));
    }
    if (!report.notes.empty()) {
        QStringList notes;
        for (const Message& note : report.notes) {
            notes.append(spoken(note, locale));
        }
        said.append(
            tr("The report %1 was not read whole.\n\n%2").arg(name, notes.join(QLatin1Char('\n'))));
    }
    if (!said.isEmpty()) {
        platform().message(this, said.join(QStringLiteral("\n\n")));
    }
}

} // namespace tensora
