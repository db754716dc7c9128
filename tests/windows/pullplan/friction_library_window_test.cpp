#include "support/window_fixture.h"
#include "widgets/friction_entries.h"
#include "windows/pullplan/friction_library_window.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tensora::test {

class FrictionLibraryTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    FrictionLibraryWindow* window_ = nullptr;

    QTreeWidget* list() const { return child<QTreeWidget>(*window_, "libraryList"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(*window_, name); }
    QStringList names() const {
        QStringList shown;
        for (int i = 0; i < list()->topLevelItemCount(); ++i) {
            shown << list()->topLevelItem(i)->text(0);
        }
        return shown;
    }
    std::string userFile() const {
        std::ifstream file(user_friction_file(fixture_.platform()));
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    void open() {
        window_ = &fixture_.registry().show<FrictionLibraryWindow>();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    FrictionEntryDialog* entryDialog() const {
        return window_->findChild<FrictionEntryDialog*>(QStringLiteral("FrictionEntryDialog"));
    }

private slots:
    void init() {
        fixture_.setUp();
        fixture_.platform().dataFolders = {QStringLiteral(TENSORA_DATA_FOLDER)};
    }
    void cleanup() { fixture_.tearDown(); }

    void aSearchTypedAndEnterGiveThePlanTheEntrysCoefficient() {
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        open();
        QVERIFY(child<QLineEdit>(*window_, "librarySearch")->hasFocus());
        QTest::keyClicks(child<QLineEdit>(*window_, "librarySearch"), QStringLiteral("WET pvc"));
        QCOMPARE(names(), QStringList{QStringLiteral("pvc-wet")});
        QTest::keyClick(child<QLineEdit>(*window_, "librarySearch"), Qt::Key_Return);
        QVERIFY(list()->hasFocus());
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(planner.frictionBox()->text(), QStringLiteral("0.18"));
        // The shipped entries are read only.
        QVERIFY(!button("libraryEdit")->isEnabled());
        QVERIFY(!button("libraryDelete")->isEnabled());
    }

    void anEntryAddedByKeyboardIsKeptInTheUsersFileAndGivenToALink() {
        PullCalculator& planner = fixture_.registry().get<PullCalculator>();
        planner.editPlan([](PullPlanLinks& plan) {
            plan.append("Straight", "100", "0");
            plan.append("Angle", "3", "90");
        });
        open();
        button("libraryAdd")->setFocus();
        QTest::keyClick(button("libraryAdd"), Qt::Key_Space);
        FrictionEntryDialog* dialog = entryDialog();
        QVERIFY(dialog);
        QTest::keyClicks(child<QLineEdit>(*dialog, "entryName"), QStringLiteral("Rollers"));
        child<QLineEdit>(*dialog, "entryCoefficient")->setText(QStringLiteral("0.1"));
        child<QComboBox>(*dialog, "entryKind")->setCurrentIndex(2); // tray
        QTest::keyClick(dialog, Qt::Key_Return);
        // A name with a capital letter is refused with the reason, the dialog kept open.
        QCOMPARE(fixture_.platform().messages.size(), 1);
        QCOMPARE(fixture_.platform().owners.value(0), QStringLiteral("FrictionEntryDialog"));
        child<QLineEdit>(*dialog, "entryName")->setText(QStringLiteral("my-rollers"));
        QTest::keyClick(dialog, Qt::Key_Return);
        QVERIFY(userFile().find("\"my-rollers\"") != std::string::npos);
        QCOMPARE(list()->currentItem()->text(0), QStringLiteral("my-rollers"));
        child<QSpinBox>(*window_, "libraryLink")->setValue(2);
        button("libraryUseLink")->click();
        const LinkRaceway& raceway = planner.plan().raceway(1);
        QCOMPARE(raceway.name, std::string("my-rollers"));
        QCOMPARE(raceway.friction, std::string("0.1"));
        QVERIFY(raceway.tray);
        QVERIFY(planner.plan().raceway(0).empty());
        // Deleted after the question: the file holds no entry.
        fixture_.platform().answers = {true};
        QVERIFY(button("libraryDelete")->isEnabled());
        button("libraryDelete")->click();
        QVERIFY(userFile().find("my-rollers") == std::string::npos);
        QVERIFY(!names().contains(QStringLiteral("my-rollers")));
    }

    void aUsersFileThatCannotBeReadIsSaidAndNeverWrittenOver() {
        const std::filesystem::path path = user_friction_file(fixture_.platform());
        std::filesystem::create_directories(path.parent_path());
        const std::string damaged = "{\"format\": \"tensora-friction-library\", \"entries\": [";
        std::ofstream(path) << damaged;
        open();
        QVERIFY(!child<QLabel>(*window_, "libraryNote")->text().isEmpty());
        QVERIFY(!button("libraryAdd")->isEnabled());
        QVERIFY(names().contains(QStringLiteral("pvc-dry"))); // the shipped ones still serve
        window_->add_Click();
        QVERIFY(!entryDialog());
        QCOMPARE(userFile(), damaged);
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::FrictionLibraryTest)
#include "friction_library_window_test.moc"
