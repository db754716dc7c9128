#include "windows/browser/browser_window.h"

#include "help/online.h"
#include "print/qt_text.h"
#include "widgets/artwork.h"
#include "widgets/language.h"
#include "widgets/named_control.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tensora {
namespace {

const QStringList kButtonKeys{"Back", "Forward", "Stop", "Refresh", "Home", "Search"};

// Every caption of a browser window names the program first, as its other windows do.
QString caption(const QString& text) {
    return kApplicationTitle + QStringLiteral(" - ") + text;
}

} // namespace

BrowserWindow::BrowserWindow(WindowRegistry& registry, const char* name, std::string_view path)
    : RegisteredWindow<QWidget>(registry),
      start_address_(platform().vendorAddress() + qt_text(path)) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption(tr("Norvale Browser")));

    tbToolBar = named(new QToolBar(this), "tbToolBar");
    tbToolBar->setIconSize(QSize(24, 24));
    for (const QString& key : kButtonKeys) {
        QAction* button = tbToolBar->addAction(browser_icon(key), key);
        button->setObjectName(key);
        button->setToolTip(key);
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        if (key == QLatin1String("Stop")) {
            stop_ = button;
            stop_->setEnabled(false); // there is something to stop only while a page loads
        }
    }
    picAddress = named(new QWidget(this), "picAddress");
    lblAddress = named(new QLabel(tr("&Address:"), picAddress), "lblAddress");
    cboAddress = named(new QComboBox(picAddress), "cboAddress");
    keep_as_data(*cboAddress);
    cboAddress->setEditable(true);
    // An address enters the history when the browser has reached it, not when it is typed.
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    cboAddress->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboAddress->lineEdit()->installEventFilter(this);
    lblAddress->setBuddy(cboAddress);
    auto* address = new QVBoxLayout(picAddress);
    address->setContentsMargins(3, 2, 3, 2);
    address->setSpacing(2);
    address->addWidget(lblAddress);
    address->addWidget(cboAddress);

    brwWebBrowser =
        platform().makeBrowserEngine(platform().vendorAddress() + qt_text(kHomePagePath), this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    // The tool bar and the address stay at the top; the browser takes all the rest, at any
    // size of the window (a window made very small keeps working).
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tbToolBar);
    layout->addWidget(picAddress);
    layout->addWidget(brwWebBrowser->view(), 1);
    resize(960, 640);

    timTimer.setInterval(5);
    connect(&timTimer, &QTimer::timeout, this, &BrowserWindow::timTimer_Timer);
    connect(brwWebBrowser, &BrowserEngine::downloadComplete, this,
            &BrowserWindow::brwWebBrowser_DownloadComplete);
    connect(brwWebBrowser, &BrowserEngine::navigateComplete, this,
            &BrowserWindow::brwWebBrowser_NavigateComplete2);
    connect(cboAddress, &QComboBox::activated, this, &BrowserWindow::cboAddress_Click);
}

void BrowserWindow::Form_Load() {
    show(); // on screen at once, while the start page loads
    cboAddress->setEditText(start_address_);
    cboAddress->addItem(start_address_);
    startTimer();
    brwWebBrowser->navigate(start_address_);
}

void BrowserWindow::startTimer() {
    timTimer.start();
    stop_->setEnabled(true);
}

void BrowserWindow::stopTimer() {
    timTimer.stop();
    stop_->setEnabled(false);
    setWindowTitle(caption(brwWebBrowser->locationName()));
}

void BrowserWindow::brwWebBrowser_DownloadComplete() {
    setWindowTitle(caption(brwWebBrowser->locationName()));
}

void BrowserWindow::brwWebBrowser_NavigateComplete2() {
    setWindowTitle(caption(brwWebBrowser->locationName()));
    const QString reached = brwWebBrowser->locationUrl();
    // Most recent first, each address once.
    suppressNavigate = true;
    const int found = cboAddress->findText(reached, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found >= 0) {
        cboAddress->removeItem(found);
    }
    cboAddress->insertItem(0, reached);
    cboAddress->setCurrentIndex(0);
    suppressNavigate = false;
}

void BrowserWindow::cboAddress_Click() {
    if (suppressNavigate) {
        return;
    }
    startTimer();
    brwWebBrowser->navigate(cboAddress->currentText());
}

void BrowserWindow::cboAddress_KeyPress(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        cboAddress_Click();
    }
}

bool BrowserWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the address box visits the address typed (the box adds nothing to the list).
    if (watched == cboAddress->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cboAddress_KeyPress(key);
            return true;
        }
    }
    return RegisteredWindow<QWidget>::eventFilter(watched, event);
}

void BrowserWindow::timTimer_Timer() {
    if (brwWebBrowser->busy()) {
        setWindowTitle(caption(tr("Working...")));
    } else {
        stopTimer();
    }
}

void BrowserWindow::tbToolBar_ButtonClick(const QString& key) {
    startTimer();
    if (key == QLatin1String("Back")) {
        brwWebBrowser->goBack();
    } else if (key == QLatin1String("Forward")) {
        brwWebBrowser->goForward();
    } else if (key == QLatin1String("Refresh")) {
        brwWebBrowser->refresh();
    } else if (key == QLatin1String("Home")) {
        brwWebBrowser->goHome();
    } else if (key == QLatin1String("Search")) {
        brwWebBrowser->goSearch();
    } else if (key == QLatin1String("Stop")) {
        brwWebBrowser->stop();
        stopTimer();
    }
}

QStringList BrowserWindow::history() const {
    QStringList items;
    for (int i = 0; i < cboAddress->count(); ++i) {
        items.append(cboAddress->itemText(i));
    }
    return items;
}

NorvaleHome::NorvaleHome(WindowRegistry& registry)
    : BrowserWindow(registry, "NorvaleHome", kHomePagePath) {
    Form_Load();
}

frmBrowser::frmBrowser(WindowRegistry& registry)
    : BrowserWindow(registry, "frmBrowser", kManualPath) {
    Form_Load();
}

} // namespace tensora
