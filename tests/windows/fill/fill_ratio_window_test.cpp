#include "support/window_fixture.h"
#include "windows/fill/fill_ratio_window.h"

#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace tensora::test {

class FillRatioTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    FillRatio* window_ = nullptr;

    QLineEdit* box(const char* name) const { return child<QLineEdit>(*window_, name); }
    QString caption(const char* name) const { return child<QLabel>(*window_, name)->text(); }

    QStringList rows(const char* name) const {
        QStringList texts;
        if (auto* list = window_->findChild<QListWidget*>(QLatin1String(name))) {
            for (int row = 0; row < list->count(); ++row) {
                texts << list->item(row)->text();
            }
        } else {
            QAbstractItemModel* model = child<QListView>(*window_, name)->model();
            for (int row = 0; row < model->rowCount(); ++row) {
                texts << model->index(row, 0).data().toString();
            }
        }
        return texts;
    }

    void submit(const QString& od) {
        box("Text1")->setText(od);
        child<QPushButton>(*window_, "cmd1")->click();
    }

private slots:
    void init() {
        fixture_.setUp();
        window_ = &fixture_.registry().show<FillRatio>();
    }
    void cleanup() { fixture_.tearDown(); }

    void opensOnScheduleFortyWithNoCables() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tensora - Conduit Fill Ratio"));
        QVERIFY(child<QRadioButton>(*window_, "sch40")->isChecked());
        QCOMPARE(rows("tradesize").size(), 11);
        QCOMPARE(rows("ID").value(3), QStringLiteral("1.360"));
        QCOMPARE(rows("percent"), QStringList(11, QStringLiteral(".%")));
        QCOMPARE(caption("Label4"), QStringLiteral("0 cables"));
        QCOMPARE(box("prefMaxFill")->text(), QStringLiteral("60"));
        QVERIFY(child<QCheckBox>(*window_, "Check1")->isHidden());
        QVERIFY(child<QListWidget>(*window_, "percent")->font().bold());
    }

    void aWindowCreatedHiddenKeepsItsDesignState() {
        window_->close();
        FillRatio& hidden = fixture_.registry().get<FillRatio>();
        window_ = &hidden;
        QVERIFY(!hidden.isVisible());
        QCOMPARE(rows("tradesize"), QStringList{"tradesize"});
        QVERIFY(rows("ID").isEmpty());
        QCOMPARE(hidden.standard(), std::nullopt);
        QVERIFY(hidden.report().rows.empty()); // a report gets no placeholder row
        hidden.show();                         // on screen for the first time: Schedule 40
        QCOMPARE(hidden.standard(), ConduitStandardId::Schedule40);
    }

    void submitRatesTheWorkedExample() {
        submit(QStringLiteral("0.5"));
        box("Text1")->setText(QStringLiteral("0.4"));
        QTest::keyClick(box("Text1"), Qt::Key_Return); // Enter presses "Submit"
        QCOMPARE(rows("List1"), QStringList({"0.5", "0.4"}));
        QCOMPARE(rows("List2"), QStringList({"0.19625", "0.1256"}));
        QCOMPARE(box("Text2")->text(), QStringLiteral("0.32185"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("0.9"));
        QCOMPARE(caption("Label4"), QStringLiteral("2 cables"));
        QCOMPARE(rows("percent").mid(0, 3), QStringList({"over", "over", "38.72%"}));
        QCOMPARE(rows("percent").last(), QStringLiteral("1.61%"));
        QCOMPARE(rows("area").last(), QStringLiteral("19.9957"));
        QCOMPARE(box("Text1")->text(), QString());
    }

    void inMetricTheSameFillShowsMillimetresAndReportsInches() {
        submit(QStringLiteral("0.50"));
        submit(QStringLiteral("0.4"));
        child<QRadioButton>(*window_, "necCode")->click(); // EMT
        const QStringList percents = rows("percent");
        const QStringList codes = rows("codeColumn");
        const FillReport inches = window_->report();
        fixture_.registry().setUnits(UnitSystem::Metric);
        QCOMPARE(rows("List1"), QStringList({"12.7", "10.16"}));
        QCOMPARE(rows("percent"), percents);
        QCOMPARE(rows("codeColumn"), codes);
        // The code's own metric figures: designator, inside diameter, listed area.
        QCOMPARE(rows("tradesize").value(1), QStringLiteral("21"));
        QCOMPARE(caption("Label3"), QStringLiteral("Designator"));
        QCOMPARE(rows("ID").value(1), QStringLiteral("20.9"));
        QCOMPARE(rows("area").value(1), QStringLiteral("343"));
        QCOMPARE(caption("maxODlabel"), QStringLiteral("Widest pair side by side (mm)"));
        QCOMPARE(box("Text3")->text(), QStringLiteral("22.86"));
        const FillReport metric = window_->report();
        QCOMPARE(metric.diameters, inches.diameters);
        QCOMPARE(metric.total_area, inches.total_area);
        QCOMPARE(metric.pair_width_label, inches.pair_width_label);
        QCOMPARE(metric.rows.size(), inches.rows.size());
        QCOMPARE(metric.rows[1].area, inches.rows[1].area);
        QCOMPARE(metric.rows[1].pipe_id, inches.rows[1].pipe_id);
        for (int i = 0; i < 9; ++i) {
            fixture_.registry().setUnits(i % 2 ? UnitSystem::Metric : UnitSystem::InchPound);
        }
        QCOMPARE(rows("List1"), QStringList({"0.50", "0.4"})); // the very texts typed
        QCOMPARE(caption("Label3"), QStringLiteral("Trade Size"));
    }

    void inGermanEveryFigureFollowsTheUnitsAndTheDecimalComma() {
        fixture_.registry().setUnits(UnitSystem::Metric);
        const auto three_cables = [this] {
            for (int i = 0; i < 3; ++i) {
                submit(QStringLiteral("19"));
            }
        };
        three_cables();
        const QStringList english{rows("List2") + rows("ID") + rows("area") + rows("percent")};
        const QStringList boxes{box("Text2")->text(), box("Text3")->text()};
        const FillReport report = window_->report();
        fixture_.platform().locale = {",", "."};
        fixture_.restartRegistry();
        window_ = &fixture_.registry().show<FillRatio>();
        three_cables();
        QStringList german = english;
        german.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
        QCOMPARE(rows("List2") + rows("ID") + rows("area") + rows("percent"), german);
        QCOMPARE(box("Text2")->text(), QString(boxes[0]).replace('.', ','));
        QCOMPARE(box("Text3")->text(), QString(boxes[1]).replace('.', ','));
        // The report holds plain inch figures, whatever the locale shows.
        QCOMPARE(window_->report().total_area, report.total_area);
        QCOMPARE(window_->report().rows[2].percent, report.rows[2].percent);
    }

    void anOdThatIsNotAPositiveNumberIsRefusedWithABeep() {
        for (const char* od : {"abc", "0", "-0.5"}) {
            submit(QLatin1String(od));
            QCOMPARE(box("Text1")->text(), QString());
        }
        QCOMPARE(fixture_.platform().beeps, 3);
        QVERIFY(rows("List1").isEmpty());
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void aCableGoesByClickOrByDeleteButNotByArrows() {
        for (const char* od : {"0.5", "0.4", "0.3"}) {
            submit(QLatin1String(od));
        }
        QListView* cables = child<QListView>(*window_, "List1");
        QTest::mouseClick(cables->viewport(), Qt::LeftButton, {},
                          cables->visualRect(cables->model()->index(1, 0)).center());
        QCOMPARE(rows("List1"), QStringList({"0.5", "0.3"}));
        QCOMPARE(caption("Label4"), QStringLiteral("2 cables"));
        cables->setFocus();
        cables->setCurrentIndex(cables->model()->index(0, 0));
        QTest::keyClick(cables, Qt::Key_Down);
        QCOMPARE(rows("List1").size(), 2);
        QTest::keyClick(cables, Qt::Key_Delete);
        QCOMPARE(rows("List1"), QStringList{"0.5"});
        QCOMPARE(box("Text3")->text(), QStringLiteral("0.5"));
    }

    void aPreferredMaximumThatIsNotANumberWarnsAndKeepsTheResults() {
        submit(QStringLiteral("0.7"));
        box("prefMaxFill")->setText(QStringLiteral("100"));
        QCOMPARE(rows("percent").value(1), QStringLiteral("75.81%"));
        box("prefMaxFill")->clear();
        QCOMPARE(fixture_.platform().messages, QStringList{kNumberMessage});
        QCOMPARE(fixture_.platform().owners, QStringList{"FillRatio"});
        QCOMPARE(rows("percent").value(1), QStringLiteral("75.81%"));
        child<QRadioButton>(*window_, "sch40")->click(); // recomputes with the empty text, 0
        QCOMPARE(rows("percent").value(1), QStringLiteral("over"));
    }

    void anotherStandardReplacesTheRows() {
        submit(QStringLiteral("0.4"));
        child<QRadioButton>(*window_, "sdr11")->click();
        QCOMPARE(rows("tradesize").size(), 7);
        QCOMPARE(rows("tradesize").first(), QStringLiteral("13 mm"));
        QCOMPARE(rows("ID").first(), QStringLiteral("0.500"));
        QCOMPARE(rows("percent").size(), 7);
        QVERIFY(!child<QRadioButton>(*window_, "sch40")->isChecked());
        child<QRadioButton>(*window_, "sdr11")->click(); // the same one again: the same rows
        QCOMPARE(rows("area").size(), 7);
        QCOMPARE(caption("Label4"), QStringLiteral("1 cable"));
        auto* sdr11 = child<QRadioButton>(*window_, "sdr11");
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        sdr11->setFocus();
        QTest::keyClick(sdr11, Qt::Key_Right); // by keyboard as by mouse
        QVERIFY(child<QRadioButton>(*window_, "sdr135")->isChecked());
        QCOMPARE(rows("tradesize").size(), 6);
    }

    void aCodeTableIsChosenByItsOptionOrItsListAndRatedByTheCode() {
        submit(QStringLiteral("0.58"));
        QCOMPARE(rows("List2"), QStringList{"0.264074"});  // Schedule 40: 3.14
        child<QRadioButton>(*window_, "necCode")->click(); // the list's first table, EMT
        QCOMPARE(window_->standard(), ConduitStandardId::Emt);
        QCOMPARE(rows("tradesize").size(), 10);
        QCOMPARE(rows("area").mid(0, 2), QStringList({"0.304", "0.533"}));
        QCOMPARE(rows("percent").value(1), QStringLiteral("49.57%"));
        QCOMPARE(rows("codeColumn").mid(0, 2), QStringList({"over", "meets"}));
        QCOMPARE(caption("codeSmallest"), QStringLiteral("Smallest size that meets it: 3/4"));
        QCOMPARE(caption("codeLimit"), QStringLiteral("Fill limit 53% for one cable"));
        QVERIFY(
            caption("codeDescription").contains(QStringLiteral("NEC 2023, Chapter 9, Table 4")));
        QCOMPARE(rows("List2"), QStringList{"0.264207942166902"}); // the true area

        auto* tables = child<QListWidget>(*window_, "codeTable");
        tables->setFocus();
        QTest::keyClick(tables, Qt::Key_Down); // by keyboard as by mouse
        QCOMPARE(window_->standard(), ConduitStandardId::Ent);
        QCOMPARE(rows("tradesize").size(), 6);
        QCOMPARE(window_->report().standard, "ENT");

        child<QRadioButton>(*window_, "sch40")->click();
        QVERIFY(tables->selectedItems().isEmpty()); // no code table shown in use
        QCOMPARE(rows("List2"), QStringList{"0.264074"});
        child<QRadioButton>(*window_, "necCode")->click(); // takes up the table left
        QCOMPARE(window_->standard(), ConduitStandardId::Ent);
        submit(QStringLiteral("0.58"));
        QCOMPARE(caption("codeLimit"), QStringLiteral("Fill limit 31% for two cables"));
    }

    void aReportedCodeTableIsChosenAgain() {
        ReadReport::Fill fill;
        fill.standard = "PVC-40/HDPE";
        fill.diameters = {"1.2"};
        window_->applyReport(fill);
        QCOMPARE(window_->standard(), ConduitStandardId::Pvc40);
        QVERIFY(child<QRadioButton>(*window_, "necCode")->isChecked());
        QCOMPARE(child<QListWidget>(*window_, "codeTable")->currentItem()->text(),
                 QStringLiteral("PVC-40/HDPE"));
        QCOMPARE(caption("codeSmallest"), QStringLiteral("Smallest size that meets it: 2"));
        fixture_.registry().setUnits(UnitSystem::Metric); // named as the column names it
        QCOMPARE(caption("codeSmallest"), QStringLiteral("Smallest size that meets it: 53"));
    }

    void noCaptionIsCut() {
        for (QLabel* label : window_->findChildren<QLabel*>()) {
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().width();
            const int room = label->wordWrap() ? label->height() : label->width();
            QVERIFY2(needed <= room, qPrintable(label->objectName()));
        }
        for (QAbstractButton* button : window_->findChildren<QAbstractButton*>()) {
            if (!button->isHidden()) {
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                         qPrintable(button->objectName()));
            }
        }
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::FillRatioTest)
#include "fill_ratio_window_test.moc"
