#include "support/cable_file.h"
#include "support/window_fixture.h"
#include "windows/cables/max_pull_window.h"
#include "windows/help/help_window.h"

#include <QPlainTextEdit>

namespace tensora::test {

class textEditorTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    QPlainTextEdit* text(const textEditor& window) const {
        return child<QPlainTextEdit>(window, "Sessiontext");
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void showsTheHelpBlockThroughEnd() {
        const CableFile file;
        fixture_.platform().dataFolders = {QStringLiteral("/no/such/folder"), file.folder()};
        textEditor& window = fixture_.registry().show<textEditor>();
        QCOMPARE(window.windowTitle(), QStringLiteral("Tensora - Help Window"));
        QCOMPARE(text(window)->toPlainText(), QStringLiteral("Help text\nEND\n"));
        QVERIFY(!text(window)->isReadOnly());
        text(window)->setPlainText(QStringLiteral("typed"));
        QCOMPARE(&fixture_.registry().show<textEditor>(), &window); // to the front, as it is
        QCOMPARE(text(window)->toPlainText(), QStringLiteral("typed"));
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void withoutTheFileItSaysSoAndOpensEmpty() {
        textEditor& window = fixture_.registry().show<textEditor>();
        QCOMPARE(fixture_.platform().messages, QStringList{missingHelpMessage()});
        QVERIFY(missingHelpMessage().contains(QStringLiteral("Please find and place the file")));
        QCOMPARE(text(window)->toPlainText(), QString());
        QCOMPARE(window.windowTitle(), QStringLiteral("Tensora - Help Window"));
        QCOMPARE(fixture_.registry().find<MaxPull>(), nullptr); // the selection window untouched
    }

    void theTextFillsTheWindowAtAnySize() {
        textEditor& window = fixture_.registry().show<textEditor>();
        fixture_.platform().clear();
        window.resize(900, 600);
        QApplication::processEvents();
        QCOMPARE(text(window)->size(), window.size());
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::textEditorTest)
#include "help_window_test.moc"
