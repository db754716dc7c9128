#include "app/main_window.h"
#include "app/startup.h"
#include "app/window_geometry.h"
#include "support/fake_browser.h"
#include "support/window_fixture.h"
#include "support/worked_pull.h"
#include "widgets/window_registry.h"
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
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"
#include "windows/pullplan/route_import_dialog.h"
#include "windows/route/route_view_window.h"

#include <QCheckBox>
#include <QFile>
#include <QListView>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tensora::test {

// Two plain windows that stand for the program's other windows in the registry tests.
class FirstProbe : public RegisteredWindow<QWidget> {
    Q_OBJECT
public:
    explicit FirstProbe(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {}
};

class SecondProbe : public RegisteredWindow<QWidget> {
    Q_OBJECT
public:
    explicit SecondProbe(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {}
};

class frmMainTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    frmMain& startMain() {
        auto* main = new frmMain(fixture_.registry());
        main->Form_Load();
        return *main;
    }

    static int pixels(double twips, const QWidget& window) {
        return twips_to_pixels(twips, window.screen()->logicalDotsPerInch());
    }

    QString stored(const char* key) const {
        QSettings settings(QStringLiteral("Tensora"), QStringLiteral("Tensora"));
        return settings.value(QStringLiteral("Settings/") + QLatin1String(key)).toString();
    }

    static void store(const char* key, const QString& value) {
        QSettings settings(QStringLiteral("Tensora"), QStringLiteral("Tensora"));
        settings.setValue(QStringLiteral("Settings/") + QLatin1String(key), value);
    }

    static QAction* item(const QWidget& main, const char* name) {
        return main.findChild<QAction*>(QLatin1String(name));
    }

    // A planner with the worked example, a described cable and a mid-assist point after link 2.
    PullCalculator& plannedPull() {
        PullCalculator& planner = worked_pull(fixture_.registry(), QStringLiteral("12000"));
        planner.descriptionBox()->setText(QStringLiteral("PWR 3 x 500 kcmil"));
        planner.midAssistBox()->setChecked(true);
        planner.selectLink(1);
        planner.pullcalc();
        return planner;
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init() { fixture_.setUp(); }

    void cleanup() { fixture_.tearDown(); }

    void firstRunPlacesTheWindowAtTheDefaultGeometry() {
        frmMain& main = startMain();
        QCOMPARE(main.pos(), QPoint(pixels(1000, main), pixels(1000, main)));
        QCOMPARE(main.size(), QSize(pixels(6500, main), pixels(6500, main)));
    }

    void storedGeometryIsRestoredInTwips() {
        store("MainLeft", QStringLiteral("1500"));
        store("MainTop", QStringLiteral("3000"));
        store("MainWidth", QStringLiteral("9000"));
        store("MainHeight", QStringLiteral("7500"));
        frmMain& main = startMain();
        QCOMPARE(main.pos(), QPoint(pixels(1500, main), pixels(3000, main)));
        QCOMPARE(main.size(), QSize(pixels(9000, main), pixels(7500, main)));
    }

    void storedGeometryThatIsNotANumberFallsBackToTheDefault() {
        store("MainLeft", QStringLiteral("left"));
        store("MainTop", QStringLiteral("1,0"));
        frmMain& main = startMain();
        QCOMPARE(main.pos(), QPoint(pixels(1000, main), pixels(1000, main)));
    }

    void aWindowStoredOffEveryScreenComesBackToTheDefaultPosition() {
        store("MainLeft", QStringLiteral("900000"));
        store("MainTop", QStringLiteral("900000"));
        frmMain& main = startMain();
        QCOMPARE(main.pos(), QPoint(pixels(1000, main), pixels(1000, main)));
        QCOMPARE(main.size(), QSize(pixels(6500, main), pixels(6500, main)));
    }

    void closingSavesTheOuterGeometryInTwips() {
        frmMain& main = startMain();
        main.show();
        main.move(100, 200);
        main.resize(600, 300);
        const double dpi = main.screen()->logicalDotsPerInch();
        const QSize outer = main.frameGeometry().size();
        main.close();
        QCOMPARE(stored("MainLeft"), QString::number(pixels_to_twips(100, dpi)));
        QCOMPARE(stored("MainTop"), QString::number(pixels_to_twips(200, dpi)));
        QCOMPARE(stored("MainWidth"), QString::number(pixels_to_twips(outer.width(), dpi)));
        QCOMPARE(stored("MainHeight"), QString::number(pixels_to_twips(outer.height(), dpi)));
    }

    void savingAndRestoringAgreeOnTheOuterSize() {
        store("MainLeft", QStringLiteral("1500"));
        store("MainTop", QStringLiteral("3000"));
        store("MainWidth", QStringLiteral("9000"));
        store("MainHeight", QStringLiteral("7500"));
        frmMain& main = startMain();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QTRY_COMPARE(main.frameGeometry().size(), QSize(pixels(9000, main), pixels(7500, main)));
        main.close();
        QCOMPARE(stored("MainWidth"), QStringLiteral("9000"));
        QCOMPARE(stored("MainHeight"), QStringLiteral("7500"));
        QCOMPARE(stored("MainTop"), QStringLiteral("3000"));
    }

    void closingWhileMinimisedKeepsThePreviousGeometry() {
        store("MainLeft", QStringLiteral("1500"));
        frmMain& main = startMain();
        main.showMinimized();
        QVERIFY(main.isMinimized());
        main.close();
        QCOMPARE(stored("MainLeft"), QStringLiteral("1500"));
        QVERIFY(stored("MainWidth").isEmpty());
    }

    void theMenuTreeHasItsCaptionsInOrder() {
        frmMain& main = startMain();
        QStringList top;
        for (QAction* action : main.menuBar()->actions()) {
            top << action->text();
        }
        QCOMPARE(top, QStringList({"&File", "&Tools", "&Options", "&Help"}));

        const auto captions = [&main](const char* menu) {
            QStringList list;
            for (QAction* action : main.findChild<QMenu*>(QLatin1String(menu))->actions()) {
                list << (action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            return list;
        };
        QCOMPARE(captions("mnuFile"),
                 QStringList({"&New", "&Open...", "&Import Route...", "Import Pull &Log...", "New &Job",
                              "Open Jo&b...", "&Save...",
                              "Export P&DF...",
                              "Export &CSV...", "&Print...", "Save Op&tions", "-", "E&xit"}));
        QCOMPARE(captions("saveoptions"), QStringList({"Pull Plan", "Fill Ratio"}));
        QCOMPARE(captions("mnuTools"),
                 QStringList({"&Pull Calculator", "-", "&Quick Calculators", "-", "&Fill Ratio",
                              "&Slikko! Quantity", "-", "Tension Pr&ofile", "&Route View",
                              "Pulling &Equipment", "Pull C&heck", "Friction Li&brary",
                              "Compare Optio&ns"}));
        QCOMPARE(captions("quickcalc"),
                 QStringList({"Max &Pull Length", "&Sidewall Pressure", "Straight Pull Tension",
                              "Bend Pull Tension", "Pull Bo&x Size"}));
        QCOMPARE(captions("mnuHelp"), QStringList({"Help Manual", "Online", "-", "&About "}));
        QCOMPARE(captions("onlineheader"),
                 QStringList({"Ductivo Installation Manual", "Norvale &Home Page"}));
        for (const char* separator : {"mnuToolsBar3", "mnuToolsBar0", "mnuToolsBar1", "spacer"}) {
            QVERIFY2(item(main, separator) && item(main, separator)->isSeparator(), separator);
        }
    }

    void choosingMetricSwitchesThePlannerAndIsRemembered() {
        frmMain& main = startMain();
        PullCalculator& planner = plannedPull();
        planner.setDocument(QStringLiteral("plan"));
        const QString allowable = planner.allowableBox()->text();
        const std::vector<std::string> lengths = planner.plan().lengths();
        const std::string forward(planner.results().forward[2]);
        QVERIFY(item(main, "unitsInchPound")->isChecked());

        item(main, "unitsMetric")->trigger();
        QVERIFY(item(main, "unitsMetric")->isChecked());
        QCOMPARE(planner.plan().length(0), std::string("152.4"));
        QCOMPARE(planner.weightBox()->text(), QStringLiteral("0.297633")); // as a person types it
        QCOMPARE(planner.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("m"));
        QCOMPARE(planner.findChild<QLabel*>(QStringLiteral("Label14"))->text(),
                 QStringLiteral("kg / m"));
        // The same pull: its pounds converted, one unit for the column.
        QCOMPARE(std::string(planner.results().forward[2]), forward);
        const double newtons = std::stod(forward) * 4.4482216152605;
        const QString heading = planner.findChild<QLabel*>(QStringLiteral("Label8"))->text();
        const double shown = std::stod(std::string(planner.results().shown.forward[2]));
        QVERIFY2(heading == (newtons > 10000 ? "Cumulative, kN" : "Cumulative, N"),
                 qPrintable(heading));
        QVERIFY(std::fabs(shown * (newtons > 10000 ? 1000 : 1) - newtons) <= 0.5 + newtons * 1e-9);
        QVERIFY(!planner.isModified());

        for (int i = 0; i < 9; ++i) {
            item(main, i % 2 == 0 ? "unitsInchPound" : "unitsMetric")->trigger();
        }
        QCOMPARE(planner.allowableBox()->text(), allowable);
        QVERIFY(planner.plan().lengths() == lengths);
        QCOMPARE(planner.findChild<QLabel*>(QStringLiteral("Label8"))->text(),
                 QStringLiteral("Cumulative"));
        QVERIFY(!planner.isModified());

        item(main, "unitsMetric")->trigger();
        fixture_.restartRegistry();
        QCOMPARE(fixture_.registry().units(), UnitSystem::Metric);
        PullCalculator& next = fixture_.registry().get<PullCalculator>();
        QCOMPARE(next.allowableBox()->text(), QStringLiteral("50"));
        QCOMPARE(next.findChild<QLabel*>(QStringLiteral("Label13"))->text(), QStringLiteral("N"));
    }

    void everyOpenWindowFollowsASwitchOfUnits() {
        frmMain& main = startMain();
        plannedPull();
        for (QWidget* window : std::initializer_list<QWidget*>{
                 &fixture_.registry().show<TensionProfile>(),
                 &fixture_.registry().show<PullCheck>(), &fixture_.registry().show<FillRatio>(),
                 &fixture_.registry().show<Lubrication>(), &fixture_.registry().show<sidewall>(),
                 &fixture_.registry().show<BendTension>(),
                 &fixture_.registry().show<straightPull>(), &fixture_.registry().show<MaxPull>()}) {
            QVERIFY(window->isVisible());
        }
        item(main, "unitsMetric")->trigger();
        QApplication::processEvents();
        item(main, "unitsInchPound")->trigger();
        QApplication::processEvents();
    }

    void aMetricReportHoldsInchPoundFiguresAndOpensInMetric() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        PullCalculator& planned = plannedPull();
        // Texts as typed, not as a conversion would write them, come back from metric.
        planned.allowableBox()->setText(QStringLiteral("12000.0"));
        planned.editPlan([](PullPlanLinks& plan) { plan.set(0, "Straight", "500.00", "0", "1"); });
        planned.pullcalc();
        fixture_.platform().fileNames = {path, path};
        item(main, "SaveFile")->trigger();
        const QByteArray inch_pound = contents(path);
        QVERIFY(inch_pound.contains("Capable Load (lbs)      12000.0\r\n"));
        item(main, "unitsMetric")->trigger();
        item(main, "SaveFile")->trigger();
        const QByteArray metric = contents(path);
        const QByteArray line = "Units Shown             metric\r\n";
        QVERIFY(metric.contains(line));
        QCOMPARE(QByteArray(metric).replace(line, ""), inch_pound);

        fixture_.restartRegistry();
        frmMain& next = startMain();
        item(next, "unitsInchPound")->trigger();
        fixture_.platform().fileNames = {path};
        item(next, "Openfile")->trigger();
        QCOMPARE(fixture_.registry().units(), UnitSystem::Metric);
        QVERIFY(item(next, "unitsMetric")->isChecked());
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        QCOMPARE(planner.plan().length(2), std::string("91.44"));
        QVERIFY(!planner.isModified());
    }

    void theSaveOptionsStartMarkedAndFlipWhenChosen() {
        frmMain& main = startMain();
        QAction* pull_plan = item(main, "savePullPlan");
        QAction* fill_ratio = item(main, "saveFillRatio");
        QVERIFY(pull_plan->isChecked());
        QVERIFY(!fill_ratio->isChecked());
        pull_plan->trigger();
        QVERIFY(!main.savePullPlanChecked());
        pull_plan->trigger();
        QVERIFY(main.savePullPlanChecked());
        fill_ratio->trigger();
        QVERIFY(main.saveFillRatioChecked());
    }

    void theOnlineItemsAskFirstAndOpenTheirWindowOnce() {
        frmMain& main = startMain();
        fixture_.platform().answers = {false, true, true, true};
        item(main, "NVOnline")->trigger(); // No: nothing opens
        QCOMPARE(fixture_.registry().find<NorvaleHome>(), nullptr);
        item(main, "NVOnline")->trigger();
        NorvaleHome* home = fixture_.registry().find<NorvaleHome>();
        QVERIFY(home && home->isVisible());
        item(main, "NVOnline")->trigger(); // to the front, not loaded again
        QCOMPARE(fixture_.platform().browsers.size(), 1);
        QCOMPARE(fixture_.platform().browsers[0]->navigations,
                 QStringList{"https://vendor.test/html/home.shtml"});
        item(main, "LoadPDF")->trigger();
        QCOMPARE(fixture_.platform().browsers[1]->navigations,
                 QStringList{"https://vendor.test/docs/conduit_manual.pdf"});
        QCOMPARE(fixture_.platform().questions,
                 QStringList({"This feature requires an internet connection.  Do you wish to "
                              "continue?",
                              "This feature requires an internet connection.  Do you wish to "
                              "continue?",
                              "This feature requires an internet connection.  Do you wish to "
                              "continue?",
                              "This feature requires an internet connection and Adobe Acrobat.  "
                              "A high speed connection is recommended.  Do you wish to "
                              "continue?"}));
    }

    void aToolsItemOpensItsWindowOnceAndKeepsItsInputs() {
        frmMain& main = startMain();
        item(main, "mnuToolsStraightPull")->trigger();
        auto* calculator = fixture_.registry().find<straightPull>();
        QVERIFY(calculator && calculator->isVisible());
        child<QLineEdit>(*calculator, "Text2")->setText(QStringLiteral("300"));
        item(main, "mnuToolsStraightPull")->trigger();
        QCOMPARE(fixture_.registry().find<straightPull>(), calculator);
        QCOMPARE(child<QLineEdit>(*calculator, "Text2")->text(), QStringLiteral("300"));
        QCOMPARE(fixture_.registry().loadedWindows().size(), 2);
    }

    void thePullCalculatorItemOpensThePlanner() {
        frmMain& main = startMain();
        item(main, "mnuToolsPullCalc")->trigger();
        auto* planner = fixture_.registry().find<PullCalculator>();
        QVERIFY(planner && planner->isVisible());
        QCOMPARE(planner->windowTitle(), QStringLiteral("Tensora - Pull Calculator"));
    }

    void aClosedWindowStartsAgainFromItsDesignState() {
        frmMain& main = startMain();
        item(main, "mnuToolsStraightPull")->trigger();
        auto* calculator = fixture_.registry().find<straightPull>();
        child<QLineEdit>(*calculator, "Text2")->setText(QStringLiteral("300"));
        calculator->close();
        QCOMPARE(fixture_.registry().find<straightPull>(), nullptr);
        item(main, "mnuToolsStraightPull")->trigger();
        QCOMPARE(child<QLineEdit>(*fixture_.registry().find<straightPull>(), "Text2")->text(),
                 QStringLiteral("10"));
    }

    void aWindowReferencedButNotShownIsLoadedHidden() {
        startMain();
        straightPull& calculator = fixture_.registry().get<straightPull>();
        QVERIFY(!calculator.isVisible());
        QCOMPARE(calculator.windowTitle(), QStringLiteral("Tensora - Straight Section Tension"));
        QCOMPARE(&fixture_.registry().get<straightPull>(), &calculator);
    }

    void exitClosesTheOtherWindowsMostRecentFirst() {
        frmMain& main = startMain();
        main.show();
        QStringList closed;
        auto& first = fixture_.registry().show<FirstProbe>();
        auto& hidden = fixture_.registry().get<straightPull>();
        auto& second = fixture_.registry().show<SecondProbe>();
        for (QWidget* window : QList<QWidget*>{&first, &hidden, &second}) {
            const QString name = QString::fromLatin1(window->metaObject()->className());
            connect(window, &QObject::destroyed, [&closed, name] { closed << name; });
        }
        QCOMPARE(fixture_.registry().loadedWindows().size(), 4);
        item(main, "mnuFileExit")->trigger();
        QVERIFY(fixture_.registry().loadedWindows().isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(closed, QStringList({"tensora::test::SecondProbe", "tensora::straightPull",
                                      "tensora::test::FirstProbe"}));
        QVERIFY(!stored("MainLeft").isEmpty());
    }

    void aClosedWindowDeletedAfterTheRegistryEndsIsHarmless() {
        fixture_.registry().show<FirstProbe>().close();
        fixture_.restartRegistry(); // the closed window still awaits its deletion
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyWindowFitsA1280By720Screen_data() {
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("language");
        QTest::newRow("inch-pound") << false << QStringLiteral("en");
        QTest::newRow("metric") << true << QStringLiteral("en");
        // German's long words, and the other languages in the units their users plan in.
        QTest::newRow("German, inch-pound") << false << QStringLiteral("de");
        QTest::newRow("German, metric") << true << QStringLiteral("de");
        QTest::newRow("Spanish") << true << QStringLiteral("es");
        QTest::newRow("French") << true << QStringLiteral("fr");
        QTest::newRow("Brazilian Portuguese") << true << QStringLiteral("pt_BR");
    }

    void everyWindowFitsA1280By720Screen() {
        QFETCH(bool, metric);
        QFETCH(QString, language);
        fixture_.registry().setLanguage(language);
        QCOMPARE(fixture_.registry().spokenLanguage(), language);
        if (metric) {
            fixture_.registry().setUnits(UnitSystem::Metric);
        }
        // Room left for a title bar and a window frame.
        const QSize screen(1280 - 16, 720 - 40);
        const auto fits = [&screen](QWidget& window) {
            window.show();
            QApplication::processEvents();
            for (const QSize size : {window.size(), window.minimumSizeHint()}) {
                QVERIFY2(
                    size.width() <= screen.width() && size.height() <= screen.height(),
                    qPrintable(window.objectName() +
                               QStringLiteral(" %1 x %2").arg(size.width()).arg(size.height())));
            }
        };
        fits(startMain());
        fits(fixture_.registry().show<PullCalculator>());
        fits(fixture_.registry().show<straightPull>());
        fits(fixture_.registry().show<BendTension>());
        fits(fixture_.registry().show<sidewall>());
        fits(fixture_.registry().show<Lubrication>());
        fits(fixture_.registry().show<FillRatio>());
        fits(fixture_.registry().show<textEditor>());
        fits(fixture_.registry().show<NorvaleHome>());
        fits(fixture_.registry().show<TensionProfile>());
        fits(fixture_.registry().show<PullCheck>());
        fits(fixture_.registry().show<RouteView>());
        fits(fixture_.registry().show<PullingEquipment>());
        const QSize about = fixture_.registry().get<frmAbout>().size(); // modal: not shown here
        QVERIFY(about.width() <= screen.width() && about.height() <= screen.height());
        MaxPull& selection = fixture_.registry().show<MaxPull>();
        selection.findChild<QCheckBox*>(QStringLiteral("Check1"))->click(); // the details too
        fits(selection);
    }

    void aChosenLanguageTranslatesEveryOpenWindowAtOnceAndIsRemembered() {
        frmMain& main = startMain();
        PullCalculator& planner = plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        check.findChild<QLineEdit*>(QStringLiteral("cableOd"))->setText(QStringLiteral("1.2"));
        check.findChild<QLineEdit*>(QStringLiteral("conduitId"))->setText(QStringLiteral("4"));
        const auto advice = [&planner] {
            return planner.findChild<QLabel*>(QStringLiteral("adviceLabel"))->toolTip();
        };
        const auto verdict = [&check] {
            return check.findChild<QLabel*>(QStringLiteral("verdictLabel"))->text();
        };
        const QString english_advice = advice();
        // "Angle" is both a heading and, painted in the type column, a link's type.
        QCoreApplication::translate("Sentences", "Angle");
        item(main, "language_de")->trigger();
        QCOMPARE(planner.findChild<QLabel*>(QStringLiteral("Label7"))->text(),
                 QStringLiteral("Winkel"));
        QCOMPARE(QSettings(QStringLiteral("Tensora"), QStringLiteral("Tensora"))
                     .value(QStringLiteral("Options/Language"))
                     .toString(),
                 QStringLiteral("de"));
        QCOMPARE(main.menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        QCOMPARE(item(main, "mnuToolsPullCalc")->text(), QStringLiteral("&Zugkraftrechner"));
        QCOMPARE(planner.windowTitle(), QStringLiteral("*Tensora - Zugkraftrechner"));
        // Composed texts come again in the new language, their figures kept.
        // The advice is found again off the window's thread.
        QTRY_VERIFY2(advice().contains(QStringLiteral("Zwischenzugstelle")), qPrintable(advice()));
        QVERIFY(advice() != english_advice);
        QTRY_VERIFY(planner.findChild<QLabel*>(QStringLiteral("planLegend"))
                        ->text()
                        .contains(QStringLiteral("über der zulässigen Zugkraft")));
        QVERIFY2(verdict().startsWith(QStringLiteral("Der Seitenwanddruck")) ||
                     verdict() == QStringLiteral("Zug in Ordnung"),
                 qPrintable(verdict()));
        QVERIFY(item(main, "language_de")->isChecked());

        fixture_.restartRegistry();
        QCOMPARE(fixture_.registry().spokenLanguage(), QStringLiteral("de"));
        frmMain& next = startMain();
        item(next, "language_en")->trigger();
        QCOMPARE(next.menuBar()->actions().first()->text(), QStringLiteral("&File"));
        item(next, "language_system")->trigger();
        QCOMPARE(fixture_.registry().language(), QString());
        QCOMPARE(fixture_.registry().spokenLanguage(), QStringLiteral("en"));
    }

    // The texts among `texts` whose access key (the letter after "&") an earlier one has.
    static QStringList repeatedKeys(const QStringList& texts) {
        QStringList keys;
        QStringList repeated;
        for (const QString& text : texts) {
            const qsizetype at = text.indexOf(QLatin1Char('&'));
            if (at < 0 || at + 1 >= text.size() || text.mid(at, 2) == QLatin1String("&&") ||
                text.mid(at, 5) == QLatin1String("&nbsp")) {
                continue;
            }
            const QString key = text.mid(at + 1, 1).toLower();
            if (keys.contains(key)) {
                repeated << text;
            }
            keys << key;
        }
        return repeated;
    }

    // The captions a window's access keys reach: labels, buttons and tabs.
    static QStringList keyedCaptions(const QWidget& window) {
        QStringList texts;
        for (const QWidget* widget : window.findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                texts << label->text();
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
                texts << button->text();
            } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    texts << tabs->tabText(i);
                }
            }
        }
        return texts;
    }

    // Alt and a letter reach one item in every menu and every window, in every language.
    void everyAccessKeyReachesOneItemInEveryLanguage() {
        frmMain& main = startMain();
        const QList<QWidget*> windows{
            &fixture_.registry().show<PullCalculator>(), &fixture_.registry().show<PullCheck>(),
            &fixture_.registry().show<PullingEquipment>(), &fixture_.registry().show<RouteView>(),
            &fixture_.registry().show<FillRatio>()};
        QStringList clashes;
        for (const char* language : {"en", "de", "es", "fr", "pt_BR"}) {
            fixture_.registry().setLanguage(QLatin1String(language));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            QList<QStringList> groups;
            QList<const QWidget*> menus{main.menuBar()};
            for (const QMenu* menu : main.findChildren<QMenu*>()) {
                menus << menu;
            }
            for (const QWidget* menu : menus) {
                QStringList texts;
                for (const QAction* action : menu->actions()) {
                    texts << action->text();
                }
                groups << texts;
            }
            for (const QWidget* window : windows) {
                groups << keyedCaptions(*window);
            }
            for (const QStringList& texts : groups) {
                for (const QString& text : repeatedKeys(texts)) {
                    clashes << QLatin1String(language) + QStringLiteral(": ") + text;
                }
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral(", "))));
    }

    void aWindowTranslatedTwiceComesBackInEnglish() {
        frmMain& main = startMain();
        PullCalculator& planner = fixture_.registry().show<PullCalculator>();
        item(main, "NewFile")->trigger();
        fixture_.registry().setLanguage(QStringLiteral("fr"));
        QCOMPARE(planner.windowTitle(),
                 QStringLiteral("Tensora - Calcul de tirage - [Nouveau document]"));
        QCOMPARE(planner.findChild<QPushButton*>(QStringLiteral("applyAdvice"))->text(),
                 QStringLiteral("Appliquer le point &intermédiaire"));
        fixture_.registry().setLanguage(QStringLiteral("pt_BR"));
        QCOMPARE(item(main, "NewFile")->text(), QStringLiteral("&Novo"));
        fixture_.registry().setLanguage(QStringLiteral("en"));
        QCOMPARE(item(main, "NewFile")->text(), QStringLiteral("&New"));
        QCOMPARE(planner.windowTitle(),
                 QStringLiteral("Tensora - Pull Calculator - [New Document]"));
    }

    void aReportSavedInAnyLanguageIsTheEnglishProgramsByteForByte() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        check.findChild<QLineEdit*>(QStringLiteral("cableOd"))->setText(QStringLiteral("1.2"));
        FillRatio& fill = fixture_.registry().show<FillRatio>();
        fill.diameterBox()->setText(QStringLiteral("0.5"));
        fill.cmd1_Click();
        item(main, "saveFillRatio")->trigger();
        // The report names its own file: every language saves to the same one.
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        const QByteArray english = contents(path);
        QVERIFY(english.contains("\r\n1 cables"));
        for (const char* language : {"de", "es", "fr", "pt_BR"}) {
            fixture_.registry().setLanguage(QLatin1String(language));
            fixture_.platform().fileNames = {path};
            item(main, "SaveFile")->trigger();
            const QByteArray saved = contents(path);
            const QList<QByteArray> lines = saved.split('\n');
            const QList<QByteArray> english_lines = english.split('\n');
            for (qsizetype i = 0; i < std::min(lines.size(), english_lines.size()); ++i) {
                QCOMPARE(lines[i], english_lines[i]);
            }
            QCOMPARE(saved, english);
        }
        QVERIFY(fill.findChild<QLabel*>(QStringLiteral("Label4"))->text() ==
                QStringLiteral("1 cabo"));
    }

    void aReportSavedUnderADecimalCommaOpensInEnglishWithTheSameFiguresAndBytes() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan-de"));
        fixture_.platform().locale = {",", "."};
        fixture_.restartRegistry();
        frmMain& german = startMain();
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        planner.frictionBox()->setText(QStringLiteral("0,35"));
        planner.weightBox()->setText(QStringLiteral("200,5"));
        planner.allowableBox()->setText(QStringLiteral("4999,5"));
        planner.editPlan([](PullPlanLinks& plan) {
            plan.append("Straight", "200,25", "0");
            plan.append("Angle", "2", "90");
        });
        planner.pullcalc();
        fixture_.registry()
            .get<PullingEquipment>()
            .findChild<QLineEdit*>(QStringLiteral("capstanFriction"))
            ->setText(QStringLiteral("0,2"));
        const std::string forward(planner.results().forward[1]);
        fixture_.platform().fileNames = {path};
        item(german, "SaveFile")->trigger();
        const QByteArray saved = contents(path);
        QVERIFY(saved.contains("\r\nCoefficient of Friction 0.35\r\n"));
        QVERIFY(saved.contains("\r\nCapstan Friction        0.2\r\n"));
        QVERIFY(saved.contains("\r\n1 Straight    200.25 "));

        fixture_.platform().locale = {".", ","};
        fixture_.restartRegistry();
        frmMain& english = startMain();
        fixture_.platform().fileNames = {path, path};
        item(english, "Openfile")->trigger();
        QCOMPARE(fixture_.platform().messages, QStringList());
        PullCalculator& opened = fixture_.registry().get<PullCalculator>();
        QCOMPARE(opened.frictionBox()->text(), QStringLiteral("0.35"));
        QCOMPARE(opened.allowableBox()->text(), QStringLiteral("4999.5"));
        QCOMPARE(std::string(opened.results().forward[1]), forward);
        QCOMPARE(fixture_.registry()
                     .get<PullingEquipment>()
                     .findChild<QLineEdit*>(QStringLiteral("capstanFriction"))
                     ->text(),
                 QStringLiteral("0.2"));
        item(english, "SaveFile")->trigger();
        QCOMPARE(contents(path), saved);
    }

    void anEarlierReportWithDecimalCommasIsReadAsSuchAndAFigureThatIsNoneIsNamed() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan-de"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Tensora(tm)\r\n\r\n\r\nplan-de\r\n\r\n"
                   "Capable Load (lbs)      4999,97570348066\r\n"
                   "Cable Weight (lbs/kft)  heavy\r\n"
                   "Coefficient of Friction 0,35\r\n");
        file.close();
        frmMain& main = startMain();
        fixture_.platform().fileNames = {path};
        item(main, "Openfile")->trigger();
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("4999.97570348066"));
        QCOMPARE(planner.frictionBox()->text(), QStringLiteral("0.35"));
        // One box that names the file, the commas and the field; no box of the planner's own.
        QCOMPARE(fixture_.platform().messages.size(), 1);
        const QString said = fixture_.platform().messages.front();
        QVERIFY(said.contains(QStringLiteral("decimal commas")));
        QVERIFY(said.contains(
            QStringLiteral("The report plan-de: Cable Weight \"heavy\" is not a number")));
        QVERIFY(!said.contains(kNumberMessage));
    }

    void saveWritesTheMarkedPartsAndNamesTheFile() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        plannedPull();
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        const QByteArray saved = contents(path);
        QVERIFY(saved.startsWith("Tensora(tm)\r\n"));
        QVERIFY(saved.contains("\r\nCapable Load (lbs)      12000\r\n"));
        QVERIFY(!saved.contains("Fill Ratio Calculations"));
        QCOMPARE(fixture_.platform().filters,
                 QStringList{"Data (*.rtf)|*.rtf|All Files (*.*)|*.*"});
        QCOMPARE(fixture_.platform().busyChanges, QList<bool>({true, false}));
        QCOMPARE(fixture_.registry().get<PullCalculator>().windowTitle(),
                 QStringLiteral("Tensora - Pull Calculator - [") + path + QLatin1Char(']'));
        QVERIFY(!fixture_.registry().get<PullCalculator>().isVisible()); // no window shown
    }

    void aReportOpenedInANewRunSavesAgainByteForByte() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        plannedPull();
        item(main, "saveFillRatio")->trigger();
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        const QByteArray first = contents(path);
        fixture_.restartRegistry();
        frmMain& next = startMain();
        next.findChild<QAction*>(QStringLiteral("saveFillRatio"))->trigger();
        fixture_.platform().fileNames = {path, path};
        item(next, "Openfile")->trigger();
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("PWR 3 x 500 kcmil"));
        QCOMPARE(planner.selectedLink(), 1);
        item(next, "SaveFile")->trigger();
        QCOMPARE(contents(path), first);
        QVERIFY(first.contains("Fill Ratio Calculations\r\n\r\n\r\n0 cables"));
    }

    void theCheckSetTravelsWithThePlanAndANewPlanStartsWithThePlannersCable() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("set.rtf"));
        plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        CableSetModel& set = check.setPanel().model();
        check.setPanel().addCable({QStringLiteral("GROUND 4/0"), QStringLiteral("0.6"),
                                   QStringLiteral("650"), QString()});
        set.setData(set.index(0, CableSetModel::Weight), QStringLiteral("1500"), Qt::EditRole);
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        QVERIFY(contents(path).contains("\r\nCable Set\r\n"));
        fixture_.restartRegistry();
        frmMain& next = startMain();
        fixture_.platform().fileNames = {path};
        item(next, "Openfile")->trigger();
        PullCheck* opened = fixture_.registry().find<PullCheck>();
        QVERIFY(opened);
        CableSetModel& back = opened->setPanel().model();
        QCOMPARE(back.rowCount(), 2);
        QCOMPARE(back.index(0, CableSetModel::Weight).data().toString(), QStringLiteral("1500"));
        QCOMPARE(back.index(1, CableSetModel::Description).data().toString(),
                 QStringLiteral("GROUND 4/0"));
        QVERIFY(!back.plannerFirst());
        // New, after an edit: the plan is discarded, and so is the set.
        fixture_.registry().get<PullCalculator>().weightBox()->setText(QStringLiteral("210"));
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Discard};
        item(next, "NewFile")->trigger();
        QCOMPARE(back.rowCount(), 1);
        QVERIFY(back.plannerFirst());
    }

    void openingReplacesThePlanAndLeavesAPlanlessReportAlone() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString plan_path = folder.filePath(QStringLiteral("plan.rtf"));
        const QString fill_path = folder.filePath(QStringLiteral("fill.rtf"));
        QFile plan(plan_path);
        QVERIFY(plan.open(QIODevice::WriteOnly));
        plan.write("Cable Description       C\xe2"
                   "ble\nPlanned Pull Results - \n1 Straight 100 0\n"
                   "Reverse\n"); // 8-bit text, LF line ends
        plan.close();
        QFile fill(fill_path);
        QVERIFY(fill.open(QIODevice::WriteOnly));
        fill.write("Tensora(tm)\r\n\r\n\r\nFill Ratio Calculations\r\n");
        fill.close();
        PullCalculator& planner = plannedPull();
        fixture_.platform().fileNames = {plan_path, fill_path};
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Discard};
        item(main, "Openfile")->trigger();
        QCOMPARE(planner.plan().size(), std::size_t{1}); // not the old links 2 and 3 behind it
        QCOMPARE(planner.results().forward.to_vector(), std::vector<std::string>{"3"});
        QVERIFY(!planner.midAssistBox()->isChecked());
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("C\u00e2ble"));
        item(main, "Openfile")->trigger();
        QCOMPARE(planner.plan().size(), std::size_t{1});
        QCOMPARE(planner.windowTitle(),
                 QStringLiteral("Tensora - Pull Calculator - [") + fill_path + QLatin1Char(']'));
    }

    void aRouteIsImportedAfterItsChoicesAndTheReportSaysWhereFrom() {
        frmMain& main = startMain();
        PullCalculator& planner = plannedPull();
        const QString samples = QStringLiteral(TENSORA_ROUTE_SAMPLES);
        fixture_.platform().fileNames = {samples + QStringLiteral("/duct-bank.dxf")};
        item(main, "ImportRoute")->trigger();
        auto* dialog = main.findChild<RouteImportDialog*>(QStringLiteral("RouteImportDialog"));
        QVERIFY(dialog && dialog->isVisible());
        auto* paths = child<QListWidget>(*dialog, "routePaths");
        QCOMPARE(paths->count(), 3);
        // The riser, by the keyboard: the summary follows the path shown selected.
        paths->setFocus();
        QTest::keyClick(paths, Qt::Key_Down);
        QCOMPARE(child<QLabel>(*dialog, "routeSummary")->text(),
                 QStringLiteral("3 links, 28.7 ft, rise 20 ft; bends: 1 up"));
        child<QLineEdit>(*dialog, "routeRadius")->setText(QStringLiteral("20"));
        QVERIFY(!child<QPushButton>(*dialog, "replacePlan")->isEnabled()); // 20 ft does not fit
        QVERIFY(
            child<QLabel>(*dialog, "routeSummary")->text().contains(QStringLiteral("too much")));
        child<QLineEdit>(*dialog, "routeRadius")->setText(QStringLiteral("3"));
        fixture_.platform().answers = {true};
        child<QPushButton>(*dialog, "replacePlan")->click();
        QCOMPARE(fixture_.platform().questions.size(), 1); // the plan's 3 links asked about
        QCOMPARE(planner.plan().size(), std::size_t{3});
        QCOMPARE(planner.plan().type(1), std::string("Up"));
        QVERIFY(planner.report().route_source.starts_with("duct-bank.dxf, layer RISER, POLYLINE"));
        // What cannot be read says so, and leaves the plan as it is.
        const QTemporaryDir folder;
        const QString bad = folder.filePath(QStringLiteral("bad.csv"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x,y\n1,2\n3,four\n");
        file.close();
        // Points say no units: feet (the units in use) until the user chooses others.
        const QString points = folder.filePath(QStringLiteral("points.txt"));
        QFile point_file(points);
        QVERIFY(point_file.open(QIODevice::WriteOnly));
        point_file.write("0 0\n100 0\n");
        point_file.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the first dialog
        fixture_.platform().fileNames = {points};
        item(main, "ImportRoute")->trigger();
        auto* units_dialog =
            main.findChild<RouteImportDialog*>(QStringLiteral("RouteImportDialog"));
        QVERIFY(units_dialog);
        QCOMPARE(child<QComboBox>(*units_dialog, "routeUnits")->currentText(),
                 QStringLiteral("feet"));
        QCOMPARE(child<QLabel>(*units_dialog, "routeSummary")->text(),
                 QStringLiteral("1 link, 100 ft, rise 0 ft; bends: none"));
        child<QComboBox>(*units_dialog, "routeUnits")->setCurrentIndex(2); // metres
        QCOMPARE(child<QLabel>(*units_dialog, "routeSummary")->text(),
                 QStringLiteral("1 link, 328.1 ft, rise 0 ft; bends: none"));
        child<QLineEdit>(*units_dialog, "routeRadius")->setText(QStringLiteral("x"));
        QVERIFY(!child<QPushButton>(*units_dialog, "appendPlan")->isEnabled());
        units_dialog->reject();
        fixture_.platform().fileNames = {bad};
        item(main, "ImportRoute")->trigger();
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QVERIFY(fixture_.platform().messages[0].contains(QStringLiteral("Line 3: \"four\"")));
        QCOMPARE(planner.plan().size(), std::size_t{3});
    }

    void aFilesOwnWordsStayAsTheFileHasThemInEveryLanguage() {
        frmMain& main = startMain();
        plannedPull();
        fixture_.registry().setLanguage(QStringLiteral("de"));
        const QTemporaryDir folder;
        // A line of a point file quoted in the refusal, as the file has it.
        const QString points = folder.filePath(QStringLiteral("points.csv"));
        QFile point_file(points);
        QVERIFY(point_file.open(QIODevice::WriteOnly));
        point_file.write("x,y\n1,2\nover,4\n");
        point_file.close();
        fixture_.platform().fileNames = {points};
        item(main, "ImportRoute")->trigger();
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QVERIFY2(fixture_.platform().messages[0].contains(QStringLiteral("Zeile 3: „over“")),
                 qPrintable(fixture_.platform().messages[0]));
        // A drawing's layers named as the program's words.
        const QString drawing = folder.filePath(QStringLiteral("layers.dxf"));
        QFile dxf(drawing);
        QVERIFY(dxf.open(QIODevice::WriteOnly));
        for (const char* layer : {"Down", "Angle"}) {
            dxf.write(QByteArray("0\nLWPOLYLINE\n8\n") + layer +
                      "\n90\n2\n10\n0\n20\n0\n10\n100\n20\n0\n");
        }
        dxf.close();
        QVERIFY(dxf.open(QIODevice::ReadWrite));
        const QByteArray entities = dxf.readAll();
        dxf.resize(0);
        dxf.write("0\nSECTION\n2\nENTITIES\n" + entities + "0\nENDSEC\n0\nEOF\n");
        dxf.close();
        fixture_.platform().fileNames = {drawing};
        item(main, "ImportRoute")->trigger();
        auto* dialog = main.findChild<RouteImportDialog*>(QStringLiteral("RouteImportDialog"));
        QVERIFY(dialog);
        auto* paths = child<QListWidget>(*dialog, "routePaths");
        QCOMPARE(paths->count(), 2);
        QVERIFY2(paths->item(0)->text().startsWith(QStringLiteral("Layer Down, ")),
                 qPrintable(paths->item(0)->text()));
        QVERIFY(paths->item(1)->text().startsWith(QStringLiteral("Layer Angle, ")));
        dialog->reject();
        fixture_.registry().setLanguage(QStringLiteral("en"));
    }

    void theReportForPeopleGoesToAPdfOrAPrinter() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.pdf"));
        plannedPull();
        fixture_.platform().fileNames = {path, QStringLiteral("/no/such/folder/plan.pdf")};
        item(main, "ExportPdf")->trigger();
        QVERIFY(contents(path).startsWith("%PDF-"));
        QVERIFY(fixture_.platform().messages.isEmpty());
        item(main, "ExportPdf")->trigger(); // a folder that is not there: said so
        QCOMPARE(fixture_.platform().messages.size(), 1);
        item(main, "PrintFile")->trigger();
        QVERIFY(fixture_.platform().printed.startsWith("%PDF-"));

        // The pull check joins the report once it has a conduit and a cable.
        PullCheck& check = fixture_.registry().show<PullCheck>();
        QVERIFY(!main.printedReport().check);
        check.findChild<QLineEdit*>(QStringLiteral("conduitId"))->setText(QStringLiteral("4"));
        check.findChild<QLineEdit*>(QStringLiteral("cableOd"))->setText(QStringLiteral("1"));
        QCOMPARE(english_text(main.printedReport().check->inputs.front().second), std::string("4"));
    }

    void aReportThatCannotBeWrittenOrReadIsNamedWithTheReason() {
        frmMain& main = startMain();
        const QString missing = QStringLiteral("/no/such/folder/plan.rtf");
        fixture_.platform().fileNames = {missing, missing, QString()};
        item(main, "SaveFile")->trigger();
        item(main, "Openfile")->trigger();
        item(main, "SaveFile")->trigger(); // cancelled: nothing at all
        QCOMPARE(fixture_.platform().messages.size(), 2);
        for (const QString& message : fixture_.platform().messages) {
            QVERIFY2(message.contains(missing), qPrintable(message));
        }
        QCOMPARE(fixture_.platform().owners, QStringList({"frmMain", "frmMain"}));
        QCOMPARE(fixture_.registry().get<PullCalculator>().windowTitle(),
                 QStringLiteral("Tensora - Pull Calculator"));
    }

    void newKeepsAChangedPlanOnCancelAndAsksOnlyWhenThereAreChanges() {
        frmMain& main = startMain();
        PullCalculator& planner = plannedPull();
        // Cancel (Escape, or closing the box) keeps the plan; so does a cancelled Save.
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Cancel, Platform::SaveAnswer::Save,
                                           Platform::SaveAnswer::Discard};
        fixture_.platform().fileNames = {QString()};
        item(main, "NewFile")->trigger();
        item(main, "NewFile")->trigger();
        QCOMPARE(planner.plan().size(), std::size_t{3});
        QCOMPARE(fixture_.platform().dialogTitles, QStringList{QStringLiteral("Save Report")});
        item(main, "NewFile")->trigger(); // Discard
        QCOMPARE(fixture_.platform().questions.size(), 3);
        QVERIFY(planner.isVisible());
        QCOMPARE(planner.windowTitle(),
                 QStringLiteral("Tensora - Pull Calculator - [New Document]"));
        QCOMPARE(planner.plan().size(), std::size_t{0});
        QVERIFY(!planner.midAssistBox()->isChecked());
        QCOMPARE(planner.descriptionBox()->text(), QStringLiteral("Cable to Pull"));
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("10"));
        QCOMPARE(planner.weightBox()->text(), QStringLiteral("5"));
        QCOMPARE(planner.frictionBox()->text(), QStringLiteral("0.5"));
        // A plan without changes is replaced without a question.
        item(main, "NewFile")->trigger();
        QCOMPARE(fixture_.platform().questions.size(), 3);
        planner.editPlan([](PullPlanLinks& plan) { plan.append("Straight", "100", "0"); });
        planner.pullcalc();
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Discard};
        item(main, "NewFile")->trigger(); // the same texts again, yet no stale results
        QCOMPARE(planner.results().forward.size(), std::size_t{0});
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void aPlanWithEveryKindOfContentComesBackByteForByte() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        PullCalculator& planner = plannedPull();
        planner.descriptionBox()->setText(QStringLiteral("Planned Pull Results - Cable Weight"));
        planner.backTensionBox()->setText(QStringLiteral("50"));
        planner.editPlan([](PullPlanLinks& plan) {
            while (plan.size() < 1000) {
                plan.append("Straight", std::to_string(plan.size()), "0");
            }
        });
        planner.pullcalc();
        FillRatio& fill = fixture_.registry().show<FillRatio>();
        fill.diameterBox()->setText(QStringLiteral("0.5"));
        fill.cmd1_Click();
        fill.findChild<QLineEdit*>(QStringLiteral("prefMaxFill"))->setText(QStringLiteral("40"));
        item(main, "saveFillRatio")->trigger();
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        const QByteArray first = contents(path);
        QVERIFY(first.contains("\r\nBack Tension (lbs)      50\r\n"));
        QVERIFY(first.contains("\r\nPreferred maximum fill (%) = 40\r\n"));

        fixture_.restartRegistry();
        frmMain& next = startMain();
        item(next, "saveFillRatio")->trigger();
        fixture_.platform().fileNames = {path, path};
        item(next, "Openfile")->trigger();
        PullCalculator& reopened = fixture_.registry().get<PullCalculator>();
        QCOMPARE(reopened.backTensionBox()->text(), QStringLiteral("50"));
        QCOMPARE(reopened.plan().size(), std::size_t{1000});
        QVERIFY(fixture_.platform().messages.isEmpty());
        item(next, "SaveFile")->trigger();
        QCOMPARE(contents(path), first);
    }

    void aFileThatIsNoReportChangesNothingAndSaysSo() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString readme = folder.filePath(QStringLiteral("README.md"));
        writeFile(readme, "# Notes\nThe Cable Weight comes from the data sheet.\n");
        PullCalculator& planner = plannedPull();
        const QString caption = planner.windowTitle();
        fixture_.platform().fileNames = {readme, folder.path()};
        item(main, "Openfile")->trigger();
        item(main, "Openfile")->trigger(); // a folder
        QCOMPARE(planner.windowTitle(), caption);
        QCOMPARE(planner.plan().size(), std::size_t{3});
        QCOMPARE(planner.weightBox()->text(), QStringLiteral("200"));
        QCOMPARE(fixture_.platform().messages.size(), 2);
        QVERIFY(fixture_.platform().messages[0].contains(QStringLiteral("not a Tensora report")));
        QVERIFY(fixture_.platform().messages[1].contains(QStringLiteral("folder")));
    }

    void aReportReadInPartSaysWhatIsMissing() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cut.rtf"));
        plannedPull();
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        const QByteArray whole = contents(path);
        writeFile(path, whole.left(whole.indexOf("Reverse")));
        fixture_.platform().fileNames = {path};
        item(main, "Openfile")->trigger();
        QCOMPARE(fixture_.registry().get<PullCalculator>().plan().size(), std::size_t{3});
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QVERIFY(fixture_.platform().messages[0].contains(QStringLiteral("cut short")));
        QCOMPARE(fixture_.platform().owners, QStringList{QStringLiteral("frmMain")});
    }

    void newKeepsThePlanWhenItsSaveFails() {
        frmMain& main = startMain();
        PullCalculator& planner = plannedPull();
        const QString caption = planner.windowTitle();
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Save};
        fixture_.platform().fileNames = {QStringLiteral("/no/such/folder/plan.rtf")};
        item(main, "NewFile")->trigger();
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QCOMPARE(planner.plan().size(), std::size_t{3});
        QCOMPARE(planner.windowTitle(), caption);
    }

    void noLanguageChosenStartsInInchPoundUnitsAndEveryOtherLocaleInItsOwn() {
        QCOMPARE(units_of_locale(QLocale::c()), UnitSystem::InchPound);
        QCOMPARE(units_of_locale(QLocale(QLocale::English, QLocale::UnitedStates)),
                 UnitSystem::InchPound);
        QCOMPARE(units_of_locale(QLocale(QLocale::German, QLocale::Germany)), UnitSystem::Metric);
    }

    void theFileCommandsActFromThePlannerWhereTheUserWorks() {
        startMain().show();
        PullCalculator& planner = fixture_.registry().show<PullCalculator>();
        planner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&planner));
        fixture_.platform().fileNames = {QString(), QString()};
        QTest::keyClick(&planner, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&planner, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(fixture_.platform().dialogTitles,
                 QStringList({QStringLiteral("Save Report"), QStringLiteral("Open Report")}));
    }

    void aMetricFigureBeyondInchPoundUnitsIsNotSaved() {
        frmMain& main = startMain();
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        item(main, "unitsMetric")->trigger();
        planner.weightBox()->setText(QStringLiteral("1e308")); // kg/m: beyond a double in lbs/kft
        item(main, "SaveFile")->trigger();
        item(main, "ExportCsv")->trigger();
        QCOMPARE(fixture_.platform().messages,
                 QStringList(2, QStringLiteral("Nothing was saved: The cable weight (1e308 kg/m) "
                                               "is beyond what a report holds in lbs/kft.")));
        QVERIFY(fixture_.platform().dialogTitles.isEmpty());
    }

    void theCaptionMarksChangesUntilTheyAreSaved() {
        frmMain& main = startMain();
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        QCOMPARE(planner.windowTitle(), QStringLiteral("Tensora - Pull Calculator"));
        planner.descriptionBox()->setText(QStringLiteral("PWR"));
        QCOMPARE(planner.windowTitle(), QStringLiteral("*Tensora - Pull Calculator"));
        planner.descriptionBox()->setText(QStringLiteral("Cable to pull")); // as it was
        QVERIFY(!planner.isModified());
        plannedPull();
        QVERIFY(planner.windowTitle().startsWith(QLatin1Char('*')));
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        QCOMPARE(planner.windowTitle(),
                 QStringLiteral("Tensora - Pull Calculator - [") + path + QLatin1Char(']'));
        planner.selectLink(0); // the mid-assist point is part of the plan
        planner.pullcalc();
        QVERIFY(planner.isModified());
    }

    void closingThePlannerOrOpeningOverItAsksBeforeChangesGo() {
        frmMain& main = startMain();
        PullCalculator& planner = plannedPull();
        planner.show();
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Cancel};
        QVERIFY(!planner.close());
        QCOMPARE(fixture_.registry().find<PullCalculator>(), &planner);
        QCOMPARE(fixture_.platform().owners.last(), QStringLiteral("PullCalculator"));
        // File > Open asks once the file is a report, and Cancel keeps the plan.
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("other.rtf"));
        writeFile(path, "Tensora(tm)\r\nCapable Load (lbs)      7\r\n");
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Cancel};
        fixture_.platform().fileNames = {path};
        item(main, "Openfile")->trigger();
        QCOMPARE(planner.allowableBox()->text(), QStringLiteral("12000"));
        QCOMPARE(fixture_.platform().questions.size(), 2);
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Discard};
        QVERIFY(planner.close());
        QVERIFY(!fixture_.registry().find<PullCalculator>());
    }

    void editsInThePullCheckAndTheEquipmentAreChangesOfTheDocument() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        PullCalculator& planner = plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        PullingEquipment& equipment = fixture_.registry().show<PullingEquipment>();
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        QVERIFY(!planner.isModified());
        check.findChild<QLineEdit*>(QStringLiteral("minClearance"))
            ->setText(QStringLiteral("0.75"));
        QVERIFY(planner.windowTitle().startsWith(QLatin1Char('*')));
        check.findChild<QLineEdit*>(QStringLiteral("minClearance"))->setText(QStringLiteral("0.5"));
        QVERIFY(!planner.isModified());
        equipment.findChild<QLineEdit*>(QStringLiteral("ropeStrength"))
            ->setText(QStringLiteral("9"));
        QVERIFY(planner.isModified());
        // Closing the window that holds the change asks too.
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Cancel};
        QVERIFY(!equipment.close());
        QCOMPARE(fixture_.platform().owners.last(), QStringLiteral("PullingEquipment"));
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Cancel};
        item(main, "NewFile")->trigger();
        QCOMPARE(planner.plan().size(), std::size_t{3});
    }

    void theChecksConduitAndLimitsComeBackFromTheReport() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        plannedPull();
        PullCheck& check = fixture_.registry().show<PullCheck>();
        auto* standard = check.findChild<QComboBox*>(QStringLiteral("conduitStandard"));
        standard->setCurrentIndex(standard->findText(QStringLiteral("EMT (NEC)")));
        check.findChild<QComboBox*>(QStringLiteral("tradeSize"))->setCurrentIndex(4);
        check.findChild<QLineEdit*>(QStringLiteral("cableOd"))->setText(QStringLiteral("0.4"));
        check.findChild<QLineEdit*>(QStringLiteral("minClearance"))->setText(QStringLiteral("0.6"));
        check.findChild<QLineEdit*>(QStringLiteral("swbpLimit"))->setText(QStringLiteral("300"));
        check.findChild<QLineEdit*>(QStringLiteral("bendRadius"))->setText(QStringLiteral("3.5"));
        const std::string verdict = english_text(check.result().verdict);
        const QString id = check.findChild<QLineEdit*>(QStringLiteral("conduitId"))->text();
        fixture_.platform().fileNames = {path};
        item(main, "SaveFile")->trigger();
        fixture_.restartRegistry();
        frmMain& next = startMain();
        fixture_.platform().fileNames = {path};
        item(next, "Openfile")->trigger();
        PullCheck& opened = fixture_.registry().get<PullCheck>();
        QCOMPARE(opened.findChild<QLineEdit*>(QStringLiteral("conduitId"))->text(), id);
        QCOMPARE(opened.findChild<QComboBox*>(QStringLiteral("tradeSize"))->currentIndex(), 4);
        QCOMPARE(opened.findChild<QLineEdit*>(QStringLiteral("swbpLimit"))->text(),
                 QStringLiteral("300"));
        QCOMPARE(opened.findChild<QLineEdit*>(QStringLiteral("bendRadius"))->text(),
                 QStringLiteral("3.5"));
        QCOMPARE(english_text(opened.result().verdict), verdict);
        QCOMPARE(fixture_.platform().messages, QStringList());
    }

    void leavingWithUnsavedChangesAsksToSaveDiscardOrCancel() {
        frmMain& main = startMain();
        main.show();
        plannedPull();
        auto& platform = fixture_.platform();
        platform.saveAnswers = {Platform::SaveAnswer::Cancel, Platform::SaveAnswer::Save,
                                Platform::SaveAnswer::Save};
        platform.fileNames = {QString(), QStringLiteral("/no/such/folder/plan.rtf")};
        for (int attempt = 0; attempt < 3; ++attempt) { // cancelled; dialog cancelled; save failed
            QVERIFY(!main.close());
            QVERIFY(main.isVisible());
        }
        QCOMPARE(platform.questions.size(), 3);
        QCOMPARE(platform.owners.first(), QStringLiteral("frmMain"));
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("plan.rtf"));
        platform.saveAnswers = {Platform::SaveAnswer::Save};
        platform.fileNames = {path};
        QVERIFY(main.close());
        QVERIFY(contents(path).startsWith("Tensora(tm)"));
    }

    void leavingAfterDiscardOrWithoutChangesAsksNothingMore() {
        frmMain& main = startMain();
        main.show();
        plannedPull();
        fixture_.platform().saveAnswers = {Platform::SaveAnswer::Discard};
        QVERIFY(main.close());
        QCOMPARE(fixture_.platform().questions.size(), 1);
        fixture_.restartRegistry();
        frmMain& untouched = startMain();
        untouched.show();
        fixture_.registry().show<PullCalculator>();
        QVERIFY(untouched.close()); // a planner as it opened: nothing to ask
    }

    void theFileCommandsAndHelpHaveShortcuts() {
        frmMain& main = startMain();
        QCOMPARE(item(main, "NewFile")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(item(main, "Openfile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(item(main, "SaveFile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(item(main, "PrintFile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(item(main, "NewFile")->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
        QCOMPARE(item(main, "displayHelp")->shortcut(), QKeySequence(QStringLiteral("F1")));
    }

    void exportsAddTheirExtensionAndTheCsvHoldsThePlan() {
        frmMain& main = startMain();
        const QTemporaryDir folder;
        plannedPull();
        fixture_.platform().fileNames = {folder.filePath(QStringLiteral("plan")),
                                         folder.filePath(QStringLiteral("plan"))};
        item(main, "ExportPdf")->trigger();
        item(main, "ExportCsv")->trigger();
        QVERIFY(contents(folder.filePath(QStringLiteral("plan.pdf"))).startsWith("%PDF-"));
        const QByteArray csv = contents(folder.filePath(QStringLiteral("plan.csv")));
        QVERIFY(csv.startsWith("Link,Type,Length (ft)"));
        QCOMPARE(csv.count("\r\n"), 4);
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void asRootTheOnlinePagesGoToTheDesktopsBrowser() {
        frmMain& main = startMain();
        fixture_.platform().browserRuns = false; // root: the engine would need its sandbox off
        fixture_.platform().answers = {true, true, true, false};
        item(main, "NVOnline")->trigger();
        item(main, "LoadPDF")->trigger();
        QCOMPARE(fixture_.platform().openedOutside,
                 QStringList{fixture_.platform().vendor + QStringLiteral("/html/home.shtml")});
        QVERIFY(fixture_.platform().questions[1].contains(QStringLiteral("does not run as root")));
        QCOMPARE(fixture_.registry().find<NorvaleHome>(), nullptr);
        QCOMPARE(fixture_.registry().find<frmBrowser>(), nullptr);
    }

    void theAboutBoxIsModalOverTheMainWindow() {
        frmMain& main = startMain();
        main.show();
        QWidget* owner = nullptr;
        bool modal = false;
        QTimer::singleShot(0, this, [this, &owner, &modal] {
            frmAbout* about = fixture_.registry().find<frmAbout>();
            owner = about->parentWidget();
            modal = QApplication::activeModalWidget() == about;
            QTest::keyClick(about, Qt::Key_Return); // "OK" is the default button
        });
        item(main, "mnuHelpAbout")->trigger(); // returns once the box is closed
        QCOMPARE(owner, &main);
        QVERIFY(modal);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(fixture_.registry().find<frmAbout>(), nullptr);
    }

    void theStatusBarShowsStatusDateAndTime() {
        fixture_.platform().clock = QDateTime(QDate(2026, 12, 8), QTime(15, 4, 5));
        frmMain& main = startMain();
        const QLocale locale = QLocale::system();
        QCOMPARE(child<QLabel>(main, "statusPanel")->text(), QStringLiteral("Status"));
        QCOMPARE(child<QLabel>(main, "datePanel")->text(),
                 locale.toString(QDate(2026, 12, 8), QLocale::ShortFormat));
        fixture_.platform().clock = QDateTime(QDate(2026, 12, 9), QTime(9, 30, 0));
        QTRY_COMPARE_WITH_TIMEOUT(child<QLabel>(main, "timePanel")->text(),
                                  locale.toString(QTime(9, 30, 0), QLocale::ShortFormat), 3000);
        QCOMPARE(child<QLabel>(main, "datePanel")->text(),
                 locale.toString(QDate(2026, 12, 9), QLocale::ShortFormat));
    }

    void startUpWithoutSplashShowsTheCaptionedMainWindow() {
        Module1::StartOptions options;
        options.splash = false;
        const Module1::Startup startup(fixture_.registry(), fixture_.platform(), options);
        QVERIFY(startup.finished());
        QVERIFY(startup.mainWindow().isVisible());
        QCOMPARE(startup.mainWindow().windowTitle(), QStringLiteral("Tensora by Norvale"));
        QCOMPARE(fixture_.registry().loadedWindows().size(), 1);
    }

    void theSplashWaitsForThreeChangesOfTheSecondsWithoutBlocking() {
        QDateTime clock(QDate(2026, 12, 8), QTime(10, 0, 0));
        fixture_.platform().clock = clock;
        const Module1::Startup startup(fixture_.registry(), fixture_.platform(),
                                       Module1::StartOptions{});
        QVERIFY(startup.splash() && startup.splash()->isVisible());
        QVERIFY(!startup.mainWindow().isVisible());
        for (int second = 1; second <= 2; ++second) {
            fixture_.platform().clock = clock.addSecs(second);
            QTest::qWait(120); // the event loop keeps running while the splash waits
            QVERIFY(!startup.finished());
        }
        fixture_.platform().clock = clock.addSecs(3);
        QTRY_VERIFY_WITH_TIMEOUT(startup.finished(), 2000);
        QCOMPARE(startup.splash(), nullptr);
        QVERIFY(startup.mainWindow().isVisible());
        QCOMPARE(startup.mainWindow().windowTitle(), QStringLiteral("Tensora by Norvale"));
    }

    void theStartOptionsTurnTheSplashOff() {
        QVERIFY(Module1::start_options({QStringLiteral("tensora")}).splash);
        QVERIFY(!Module1::start_options({QStringLiteral("tensora"), QStringLiteral("--no-splash")})
                     .splash);
    }

    void aReportNamedAtStartOpensAndAFileThatIsNoneIsRefused() {
        const auto file = [](const QStringList& arguments) {
            return Module1::start_options(arguments).open_file.value_or(QString());
        };
        QCOMPARE(file({"tensora", "--no-splash", "plan.rtf"}), QStringLiteral("plan.rtf"));
        QCOMPARE(file({"tensora", "--list-cables", "Power"}), QString());
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("start.rtf"));
        const PullPlanReport plan{"d",    "1000", "200",
                                  "0.15", "",     {{"1", "Straight", "500", "0", "", "", "", ""}}};
        writeFile(path, QByteArray::fromStdString(report_text({"p", plan, {}})));
        Module1::StartOptions options;
        options.splash = false;
        options.open_file = path;
        {
            const Module1::Startup startup(fixture_.registry(), fixture_.platform(), options);
            QCOMPARE(fixture_.registry().get<PullCalculator>().plan().size(), std::size_t{1});
            // The planner shows the report, not an empty main window alone.
            QVERIFY(fixture_.registry().get<PullCalculator>().isVisible());
        }
        writeFile(path, QByteArrayLiteral("just a note\n"));
        fixture_.restartRegistry();
        const Module1::Startup again(fixture_.registry(), fixture_.platform(), options);
        QVERIFY(!fixture_.registry().find<PullCalculator>() ||
                !fixture_.registry().find<PullCalculator>()->isVisible());
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QVERIFY(fixture_.platform().messages[0].endsWith(
            QStringLiteral("is not a Tensora report: nothing was read.")));
        QCOMPARE(fixture_.platform().owners, QStringList{QStringLiteral("frmMain")});
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::frmMainTest)
#include "main_window_test.moc"
