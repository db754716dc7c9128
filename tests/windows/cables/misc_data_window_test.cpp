#include "support/cable_file.h"
#include "support/window_fixture.h"
#include "windows/cables/max_pull_window.h"
#include "windows/cables/misc_data_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>

namespace tensora::test {

class miscDataTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void loadsTheFileHiddenOnFirstReference() {
        const CableFile file;
        fixture_.platform().dataFolders = {QStringLiteral("/no/such/folder"), file.folder()};
        miscData& data = fixture_.registry().get<miscData>();
        QVERIFY(!data.isVisible());
        QCOMPARE(data.windowTitle(), QStringLiteral("Tensora - Data File (hidden)"));
        QCOMPARE(data.datarev(), QStringLiteral("R\u00e9v 2026-12-01")); // 8-bit text
        QVERIFY(data.data().complete);
        QVERIFY(fixture_.platform().messages.isEmpty());
        QCOMPARE(&fixture_.registry().get<miscData>(), &data); // read once per run
        QCOMPARE(fixture_.registry().find<MaxPull>(), nullptr);
    }

    void anAbsentFileHidesTheCableSelectionBeforeTellingTheUser() {
        miscData& data = fixture_.registry().get<miscData>();
        QCOMPARE(data.datarev(), QStringLiteral("Missing File"));
        QCOMPARE(fixture_.platform().messages, QStringList{missingDataFileMessage()});
        auto* selection = fixture_.registry().find<MaxPull>();
        QVERIFY(selection && !selection->isVisible()); // created hidden for this
        QVERIFY(selection->findChild<QGroupBox*>(QStringLiteral("Cables"))->isHidden());
        QVERIFY(fixture_.platform().messages.last().contains(QStringLiteral("cabledat.qx4")));
    }

    void theDesktopLooksInTheCurrentFolderThenBesideTheProgram() {
        const QStringList folders = DesktopPlatform().dataFileFolders();
        QCOMPARE(folders.size(), 3);
        QCOMPARE(folders[0], QDir::currentPath());
        QCOMPARE(folders[1], QCoreApplication::applicationDirPath());
        QCOMPARE(folders[2], QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                             QStringLiteral("/../share/tensora")));
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::miscDataTest)
#include "misc_data_window_test.moc"
