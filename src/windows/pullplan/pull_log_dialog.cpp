#include "windows/pullplan/pull_log_dialog.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "report/printed_report.h"
#include "widgets/friction_entries.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tensora {
namespace {

constexpr LogForce kForces[] = {LogForce::Lbf, LogForce::Newton, LogForce::Kilonewton,
                                LogForce::Kgf};
constexpr LogLength kLengths[] = {LogLength::Feet, LogLength::Metres};

} // namespace

PullLogDialog::PullLogDialog(QWidget* parent, Platform& platform, PullCalculator& planner,
                             const QString& file_name, std::string text)
    : QDialog(parent), platform_(platform), planner_(planner), file_name_(file_name),
      text_(std::move(text)) {
    setObjectName(QStringLiteral("PullLogDialog"));
    setWindowTitle(tr("Pull Log %1").arg(QFileInfo(file_name).fileName()));
    logDirection = named(new QComboBox(this), "logDirection");
    logDirection->addItems({tr("Forward"), tr("Reverse")});
    logForce = named(new QComboBox(this), "logForce");
    logForce->addItems({tr("As the file says"), QStringLiteral("lbf"), QStringLiteral("N"),
                        QStringLiteral("kN"), QStringLiteral("kgf")});
    logLength = named(new QComboBox(this), "logLength");
    logLength->addItems({tr("As the file says"), QStringLiteral("ft"), QStringLiteral("m")});
    logSpeed = named(new QLineEdit(this), "logSpeed");
    logSpeed->setPlaceholderText(tr("for a log of times: length per minute"));
    logSummary = named(new QLabel(this), "logSummary");
    logSummary->setWordWrap(true);
    logSummary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    logSummary->setMinimumHeight(6 * logSummary->fontMetrics().lineSpacing());
    logSummary->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    logLayOver = named(new QPushButton(tr("&Lay over the Plan"), this), "logLayOver");
    logUseFriction = named(new QPushButton(tr("&Use for the Plan"), this), "logUseFriction");
    logAddEntry = named(new QPushButton(tr("Add to Friction Li&brary"), this), "logAddEntry");
    auto* close = named(new QPushButton(tr("&Close"), this), "logClose");

    auto* form = new QFormLayout;
    form->addRow(tr("Pulled &in direction:"), logDirection);
    form->addRow(tr("&Tensions in:"), logForce);
    form->addRow(tr("Len&gths in:"), logLength);
    form->addRow(tr("Pulling &speed:"), logSpeed);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(logLayOver);
    buttons->addWidget(logUseFriction);
    buttons->addWidget(logAddEntry);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(logSummary, 1);
    layout->addLayout(buttons);
    for (QComboBox* box : {logDirection, logForce, logLength}) {
        connect(box, &QComboBox::currentIndexChanged, this, &PullLogDialog::readAgain);
    }
    connect(logSpeed, &QLineEdit::textChanged, this, &PullLogDialog::readAgain);
    connect(logLayOver, &QPushButton::clicked, this, &PullLogDialog::layOver_Click);
    connect(logUseFriction, &QPushButton::clicked, this, &PullLogDialog::useFriction_Click);
    connect(logAddEntry, &QPushButton::clicked, this, &PullLogDialog::addEntry_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(560);
    readAgain();
    logDirection->setFocus();
}

void PullLogDialog::readAgain() {
    const NumberLocale locale = platform_.numberLocale();
    LogOptions options;
    if (logForce->currentIndex() > 0) {
        options.force = kForces[logForce->currentIndex() - 1];
    }
    if (logLength->currentIndex() > 0) {
        options.length = kLengths[logLength->currentIndex() - 1];
    }
    const std::string speed = logSpeed->text().toStdString();
    if (isNumberText(speed, locale) && read_input(speed, locale) > 0) {
        options.speed = read_input(speed, locale);
    }
    log_ = read_tension_log(text_, options);
    const bool read = log_.error.empty();
    for (QPushButton* button : {logLayOver, logUseFriction, logAddEntry}) {
        button->setEnabled(read && planner_.plan().size() > 0);
    }
    if (!read) {
        logSummary->setText(spoken(log_.error, locale));
        return;
    }
    if (planner_.plan().size() == 0) {
        logSummary->setText(tr("No plan yet: add links in Tools > Pull Calculator."));
        return;
    }
    fit_ = fit_tension_log(planner_.plan().values(), planner_.calculatedSettings(), log_,
                           forward(), design_sidewall_limit(planner_.units()), planner_.units());
    QStringList lines{tr("%n points read", nullptr, static_cast<int>(log_.points.size()))};
    for (const auto& [caption, text] : log_fit_lines(fit_, planner_.units())) {
        lines << tr("%1: %2").arg(spoken(caption, locale), spoken(text, locale));
    }
    logSummary->setText(lines.join(QLatin1Char('\n')));
}

void PullLogDialog::layOver_Click() {
    planner_.setPullLog(PullCalculator::PullLog{log_, forward(), file_name_.toStdString()});
}

void PullLogDialog::useFriction_Click() {
    // Four decimals, as the fit is shown; the box's own change handling recalculates.
    planner_.frictionBox()->setText(qt_text(
        locale_number_text(fixed_number_text(fit_.friction, 4), platform_.numberLocale())));
    readAgain();
}

void PullLogDialog::addEntry_Click() {
    LoadedLibrary loaded = load_friction_library(platform_);
    if (!loaded.own_writable) {
        platform_.message(this, tr("Your friction entries cannot be changed until their file "
                                   "is mended or moved away."));
        return;
    }
    const QString date = platform_.now().date().toString(Qt::ISODate);
    FrictionEntry entry;
    entry.own = true;
    entry.coefficient = std::round(fit_.friction * 10000) / 10000;
    entry.name = "measured-" + date.toStdString();
    for (int n = 2; loaded.library.find(entry.name); ++n) {
        entry.name = "measured-" + date.toStdString() + "-" + std::to_string(n);
    }
    const std::string route = planner_.routeSource().empty()
                                  ? QFileInfo(file_name_).fileName().toStdString()
                                  : planner_.routeSource();
    entry.stands_for = LibraryText::plain(
        tr("measured: fitted to a pull's tension log").toStdString());
    entry.source = LibraryText::plain(tr("%1, pulled %2, route %3")
                                          .arg(planner_.descriptionBox()->text(), date,
                                               qt_text(route))
                                          .toStdString());
    const FrictionLibrary before = loaded.library;
    if (const auto refused = loaded.library.add(entry)) {
        platform_.message(this, spoken(*refused, platform_.numberLocale()));
        return;
    }
    Message reason;
    if (!save_own_entries(platform_, loaded.library, reason)) {
        platform_.message(this, tr("Your friction entries could not be saved (%1).")
                                    .arg(spoken(reason, platform_.numberLocale())));
        return;
    }
    platform_.message(this, tr("Kept in your friction library as %1.").arg(qt_text(entry.name)));
}

} // namespace tensora
