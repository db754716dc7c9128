// The browser windows on the real Qt WebEngine, against pages served on 127.0.0.1.
#include "windows/browser/browser_window.h"
#include "windows/browser/web_engine_browser.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

#include <unistd.h>

namespace tensora::test {
namespace {

const QByteArray kHomePage =
    "<html><head><title>Norvale Home Page</title></head><body>Cables</body></html>";

// A one-page PDF document with its cross-reference table.
QByteArray pdf_document() {
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents 4 0 R "
        "/Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length 44 >>\nstream\nBT /F1 18 Tf 20 40 Td (Conduit manual) Tj ET\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    QByteArray pdf = "%PDF-1.4\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(static_cast<int>(pdf.size()));
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const int xref = static_cast<int>(pdf.size());
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const int offset : offsets) {
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

// Serves the home page and the manual, one request a connection.
class VendorServer : public QTcpServer {
public:
    VendorServer() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [socket] { answer(*socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

private:
    static void answer(QTcpSocket& socket) {
        const QByteArray request = socket.readAll();
        const bool manual = request.contains("conduit_manual.pdf");
        const QByteArray body = manual ? pdf_document() : kHomePage;
        socket.write("HTTP/1.1 200 OK\r\nContent-Type: " +
                     QByteArray(manual ? "application/pdf" : "text/html") + "\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket.disconnectFromHost();
    }
};

} // namespace

class WebEngineTest : public QObject {
    Q_OBJECT

private:
    WindowFixture fixture_;
    VendorServer server_;

private slots:
    void initTestCase() { QVERIFY(server_.listen(QHostAddress::LocalHost)); }

    void init() {
        fixture_.setUp();
        fixture_.platform().realBrowser = true;
        fixture_.platform().setBrowserFactory(&make_web_engine_browser);
        fixture_.platform().vendor =
            QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    }
    void cleanup() { fixture_.tearDown(); }

    void showsTheHomePageAndKeepsItsAddress() {
        NorvaleHome& home = fixture_.registry().show<NorvaleHome>();
        QTRY_COMPARE_WITH_TIMEOUT(home.windowTitle(), QStringLiteral("Tensora - Norvale Home Page"),
                                  30000);
        const QString page = fixture_.platform().vendor + QStringLiteral("/html/home.shtml");
        QCOMPARE(home.history(), QStringList{page});
        QTRY_VERIFY(!home.findChild<QAction*>(QStringLiteral("Stop"))->isEnabled());

        // Another place in the same page loads nothing: the window does not wait for it.
        auto* address = home.findChild<QComboBox*>(QStringLiteral("cboAddress"));
        address->setEditText(page + QStringLiteral("#cables"));
        home.cboAddress_KeyPress(Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(home.windowTitle(), QStringLiteral("Tensora - Norvale Home Page"),
                                  5000);
        QTRY_COMPARE(home.history().value(0), page + QStringLiteral("#cables"));
        QTRY_VERIFY(!home.findChild<QAction*>(QStringLiteral("Stop"))->isEnabled());
    }

    void showsTheManualInsideTheWindow() {
        int downloads = 0;
        connect(QWebEngineProfile::defaultProfile(), &QWebEngineProfile::downloadRequested, this,
                [&downloads] { ++downloads; });
        frmBrowser& manual = fixture_.registry().show<frmBrowser>();
        const QString address =
            fixture_.platform().vendor + QStringLiteral("/docs/conduit_manual.pdf");
        QTRY_COMPARE_WITH_TIMEOUT(manual.history().value(0), address, 30000);
        QTRY_VERIFY(manual.windowTitle() != QStringLiteral("Tensora - Working..."));
        QCOMPARE(manual.engine().locationUrl(), address);
        QCOMPARE(downloads, 0); // shown, not offered for download
    }
};

} // namespace tensora::test

int main(int argc, char** argv) {
    tensora::test::prepare_headless();
    // The engine runs as root only without its sandbox: the test, not the program, says so.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    tensora::test::WebEngineTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "web_engine_test.moc"
