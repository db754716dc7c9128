#include "windows/help/about_window.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "report/report.h"
#include "version.h"
#include "widgets/artwork.h"
#include "widgets/named_control.h"
#include "widgets/twips_form.h"
#include "windows/cables/misc_data_window.h"

#include <QPainter>

namespace tensora {
namespace {

// The etched separator: a grey line with a white one under it, one pixel lower (at 15 twips
// to the pixel, the design's 2430 and 2445).
class EtchedLine : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(QColor(128, 128, 128), 1));
        painter.drawLine(0, 0, width(), 0);
        painter.setPen(QPen(Qt::white, 2));
        painter.drawLine(1, 2, width(), 2);
    }
};

class IconPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_program_icon(painter, std::min(width(), height()));
    }
};

void black_text(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

} // namespace

frmAbout::frmAbout(WindowRegistry& registry) : RegisteredWindow<QDialog>(registry) {
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    picIcon = named(new IconPicture(this), "picIcon");
    lblTitle = named(new QLabel(this), "lblTitle");
    QFont title = lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion = named(new QLabel(this), "lblVersion");
    dataRevLabel = named(new QLabel(this), "dataRevLabel");
    dataRevLabel->setWordWrap(true); // a data file's revision line may be long
    dataRevLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDescription = named(new QLabel(this), "lblDescription");
    lblDescription->setWordWrap(true);
    Line1 = named(new EtchedLine(this), "Line1");
    Label1 = named(new QLabel(aboutNotice(), this), "Label1");
    Label1->setWordWrap(true);
    for (QLabel* label : {lblTitle, lblDescription, Label1}) {
        black_text(label);
    }
    cmdOK = named(new QPushButton(tr("OK"), this), "cmdOK");
    cmdOK->setDefault(true); // Enter presses it; Esc closes the dialog as it does
    cmdSysInfo = named(new QPushButton(tr("&System Info..."), this), "cmdSysInfo");
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    // However the box ends (OK, Enter, Esc), it is discarded like every closed window: a
    // dialog that ends is only hidden, and a hidden window gets no close event.
    connect(this, &QDialog::finished, this, [this] {
        this->registry().forget(this);
        deleteLater();
    });

    Form_Load();

    TwipsForm form(*this, QSize(5865, 3630));
    form.place(picIcon, 240, 240, 540, 540);
    form.place(lblTitle, 1050, 240, 4092, 480);
    form.place(lblVersion, 1050, 720, 4095, 225);
    // Down to the description, so that a long revision takes a second line.
    form.place(dataRevLabel, 3360, 720, 2415, 525);
    form.place(lblDescription, 1080, 1245, 4095, 1050);
    form.place(Line1, 225, 2430, 5432, 45);
    form.place(Label1, 240, 2640, 3870, 825);
    form.place(cmdOK, 4245, 2625, 1467, 345);
    form.place(cmdSysInfo, 4260, 3075, 1452, 345);
    form.apply();
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About ") + kApplicationTitle);
    lblVersion->setText(
        tr("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    lblTitle->setText(kApplicationTitle);
    lblDescription->setText(tr("The conduit properties and construction calculator, created by the "
                               "Larkfield Center\n\n") +
                            kApplicationTitle + QStringLiteral("(tm)\n") +
                            spoken(kReportNoticeWords, NumberLocale{".", ","}));
    // Touching the cable library loads the data file when nothing has yet.
    dataRevLabel->setText(tr("Data Version ") + registry().get<miscData>().datarev());
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const std::string& KeyName,
                           const std::string& SubKeyRef, std::string& KeyVal) {
    return tensora::GetKeyValue(platform().systemRegistry(), KeyRoot, KeyName, SubKeyRef, KeyVal);
}

void frmAbout::StartSysInfo() {
    Platform& system = platform();
    const auto registered =
        system_info_path(system.systemRegistry(), [&system](const std::string& path) {
            return system.fileExists(QString::fromStdString(path));
        });
    QString tool = registered ? QString::fromStdString(*registered) : QString();
    // Without a registered tool, a system information viewer of the desktop, if one is there.
    for (std::size_t i = 0; tool.isEmpty() && i < std::size(kSystemInfoViewers); ++i) {
        const std::string_view viewer = kSystemInfoViewers[i];
        tool = system.findProgram(qt_text(viewer));
    }
    if (tool.isEmpty() || !system.startProgram(tool)) {
        system.message(this, sysInfoUnavailable());
    }
}

} // namespace tensora
