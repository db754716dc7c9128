#include "support/cable_file.h"
#include "support/window_fixture.h"
#include "windows/cables/misc_data_window.h"
#include "windows/help/about_window.h"

#include <QPushButton>

namespace tensora::test {

class frmAboutTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;

    QString caption(const frmAbout& about, const char* name) const {
        return child<QLabel>(about, name)->text();
    }

    void registerTool(const std::string& key, const std::string& name, const std::string& value) {
        fixture_.platform().registry.set(key, name, {kTextValue, value});
    }

private slots:
    void init() { fixture_.setUp(); }
    void cleanup() { fixture_.tearDown(); }

    void namesTheProgramItsVersionAndTheDataRevision() {
        const CableFile file;
        fixture_.platform().dataFolders = {file.folder()};
        frmAbout& about = fixture_.registry().get<frmAbout>();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tensora"));
        QCOMPARE(caption(about, "lblTitle"), QStringLiteral("Tensora"));
        QCOMPARE(caption(about, "lblVersion"), QStringLiteral("Version 1.2.0"));
        QCOMPARE(caption(about, "dataRevLabel"),
                 QStringLiteral("Data Version R\u00e9v 2026-12-01"));
        QVERIFY(caption(about, "lblDescription")
                    .startsWith(QStringLiteral("The conduit properties and construction "
                                               "calculator, created by the Larkfield Center\n\n"
                                               "Tensora(tm)\n")));
        QVERIFY(child<QPushButton>(about, "cmdOK")->isDefault());
        QCOMPARE(about.minimumSize(), about.maximumSize()); // a fixed size
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void withoutTheDataFileTheRevisionIsMissing() {
        frmAbout& about = fixture_.registry().get<frmAbout>();
        QCOMPARE(caption(about, "dataRevLabel"), QStringLiteral("Data Version Missing File"));
        QCOMPARE(fixture_.platform().messages, QStringList{missingDataFileMessage()});
    }

    void escapeClosesTheBox() {
        frmAbout& about = fixture_.registry().show<frmAbout>();
        fixture_.platform().clear();
        QTest::keyClick(&about, Qt::Key_Escape);
        QCOMPARE(fixture_.registry().find<frmAbout>(), nullptr);
    }

    void startsTheRegisteredToolWithoutLookingForIt() {
        frmAbout& about = fixture_.registry().get<frmAbout>();
        fixture_.platform().clear();
        registerTool("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", "C:\\T\\msinfo32.exe");
        fixture_.platform().unstartable = {QStringLiteral("C:\\T\\msinfo32.exe")};
        child<QPushButton>(about, "cmdSysInfo")->click();
        QCOMPARE(fixture_.platform().started, QStringList{"C:\\T\\msinfo32.exe"});
        QCOMPARE(fixture_.platform().messages,
                 QStringList{sysInfoUnavailable()}); // it is not there
    }

    void startsTheToolInTheRegisteredFolderWhenItIsThere() {
        frmAbout& about = fixture_.registry().get<frmAbout>();
        fixture_.platform().clear();
        registerTool("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", "C:\\Tools");
        fixture_.platform().existingFiles = {QStringLiteral("C:\\Tools\\MSINFO32.EXE")};
        about.StartSysInfo();
        QCOMPARE(fixture_.platform().started, QStringList{"C:\\Tools\\MSINFO32.EXE"});
        QVERIFY(fixture_.platform().messages.isEmpty());
    }

    void fallsBackToAViewerOfTheDesktopThenToTheMessage() {
        frmAbout& about = fixture_.registry().get<frmAbout>();
        fixture_.platform().clear();
        about.StartSysInfo();
        QCOMPARE(fixture_.platform().messages, QStringList{sysInfoUnavailable()});
        fixture_.platform().programs = {
            {QStringLiteral("hardinfo"), QStringLiteral("/usr/bin/hardinfo")}};
        about.StartSysInfo();
        QCOMPARE(fixture_.platform().started, QStringList{"/usr/bin/hardinfo"});
        QCOMPARE(fixture_.platform().owners, QStringList{"frmAbout"});
    }
};

} // namespace tensora::test

TENSORA_WINDOW_TEST_MAIN(tensora::test::frmAboutTest)
#include "about_window_test.moc"
