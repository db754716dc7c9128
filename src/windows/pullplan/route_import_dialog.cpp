#include "windows/pullplan/route_import_dialog.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/language.h"
#include "widgets/named_control.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace tensora {
namespace {

// The units a file may be read in, as the list names them.
struct RouteUnit {
    const char* key;
    const char* name;
};
constexpr RouteUnit kRouteUnits[] = {
    {"ft", QT_TRANSLATE_NOOP("tensora::RouteImportDialog", "feet")},
    {"in", QT_TRANSLATE_NOOP("tensora::RouteImportDialog", "inches")},
    {"m", QT_TRANSLATE_NOOP("tensora::RouteImportDialog", "metres")},
    {"mm", QT_TRANSLATE_NOOP("tensora::RouteImportDialog", "millimetres")}};

} // namespace

RouteImportDialog::RouteImportDialog(QWidget* parent, const QString& file_name, RouteFile file,
                                     UnitSystem units, const NumberLocale& locale)
    : QDialog(parent), file_name_(file_name), file_(std::move(file)), units_(units),
      locale_(locale) {
    setObjectName(QStringLiteral("RouteImportDialog"));
    setWindowTitle(tr("Import Route"));
    buildChoices();
    reimport();
}

void RouteImportDialog::buildChoices() {
    routePaths = named(new QListWidget(this), "routePaths");
    // Each path's length in the units in use, as far as the file says its own.
    for (const RoutePolyline& path : file_.paths) {
        routePaths->addItem(
            spoken(route_candidate(path, file_.feet_per_unit.value_or(1), units_), locale_));
    }
    keep_as_data(*routePaths);
    routePaths->setCurrentRow(0);
    routePaths->setMinimumHeight(routePaths->sizeHintForRow(0) * 4 + 6);

    routeUnits = named(new QComboBox(this), "routeUnits");
    if (file_.feet_per_unit) {
        routeUnits->addItem(tr("As the file says"), QString());
    }
    for (const RouteUnit& unit : kRouteUnits) {
        routeUnits->addItem(tr(unit.name), QString::fromLatin1(unit.key));
    }
    if (!file_.feet_per_unit) {
        routeUnits->setCurrentIndex(units_ == UnitSystem::Metric ? 2 : 0);
    }
    routeRadius = named(
        new QLineEdit(
            qt_text(locale_number_text(units_ == UnitSystem::Metric ? "1" : "3", locale_)), this),
        "routeRadius");
    routeSummary = named(new QLabel(this), "routeSummary");
    routeSummary->setWordWrap(true);
    routeSummary->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    routeSummary->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    auto* form = new QFormLayout;
    auto* name = new QLabel(QFileInfo(file_name_).fileName(), this);
    name->setToolTip(file_name_);
    form->addRow(tr("File:"), name);
    auto* paths_label = new QLabel(tr("&Path:"), this);
    paths_label->setBuddy(routePaths);
    form->addRow(paths_label, routePaths);
    auto* units_label = new QLabel(tr("&Units of the file:"), this);
    units_label->setBuddy(routeUnits);
    form->addRow(units_label, routeUnits);
    auto* radius_row = new QHBoxLayout;
    radius_row->addWidget(routeRadius);
    radius_row->addWidget(
        new QLabel(qt_text(std::string(unit_symbol(Quantity::Length, units_))), this));
    radius_row->addStretch(1);
    auto* radius_label = new QLabel(tr("Default &bend radius:"), this);
    radius_label->setBuddy(routeRadius);
    form->addRow(radius_label, radius_row);

    auto* buttons = new QDialogButtonBox(this);
    replacePlan = named(buttons->addButton(tr("&Replace the Plan"), QDialogButtonBox::AcceptRole),
                        "replacePlan");
    appendPlan = named(buttons->addButton(tr("&Append to the Plan"), QDialogButtonBox::AcceptRole),
                       "appendPlan");
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(replacePlan, &QPushButton::clicked, this, [this] {
        replaces_ = true;
        accept();
    });
    connect(appendPlan, &QPushButton::clicked, this, [this] {
        replaces_ = false;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(routeSummary);
    layout->addWidget(buttons);
    resize(560, sizeHint().height());

    connect(routePaths, &QListWidget::currentRowChanged, this, &RouteImportDialog::reimport);
    connect(routeUnits, &QComboBox::currentIndexChanged, this, &RouteImportDialog::reimport);
    connect(routeRadius, &QLineEdit::textChanged, this, &RouteImportDialog::reimport);
}

std::optional<double> RouteImportDialog::feetPerUnit() const {
    const QString key = routeUnits->currentData().toString();
    return key.isEmpty() ? file_.feet_per_unit : feet_per_route_unit(key.toStdString());
}

void RouteImportDialog::reimport() {
    imported_ = {};
    const int row = routePaths->currentRow();
    const std::string radius_text = routeRadius->text().toStdString();
    const double radius = read_input(radius_text, locale_);
    if (row < 0 || row >= static_cast<int>(file_.paths.size())) {
        imported_.error = TENSORA_TEXT("Routes", "Choose a path.");
    } else if (!isNumberText(radius_text, locale_) || !(radius > 0)) {
        imported_.error =
            TENSORA_TEXT("Routes", "The default bend radius must be a number above 0.");
    } else {
        imported_ = import_route(
            in_feet(file_.paths[static_cast<std::size_t>(row)], feetPerUnit().value_or(1)),
            inch_pound_value(radius, Quantity::Length, units_), units_);
    }
    const bool ok = imported_.error.empty();
    QStringList said{
        spoken(ok ? route_summary(imported_.summary, units_) : imported_.error, locale_)};
    if (ok) {
        for (const Message& note : file_.paths[static_cast<std::size_t>(row)].notes) {
            said.append(spoken(note, locale_));
        }
    }
    routeSummary->setText(said.join(QLatin1Char('\n')));
    routeSummary->setStyleSheet(ok ? QString() : QStringLiteral("color: #b00020"));
    replacePlan->setEnabled(ok);
    appendPlan->setEnabled(ok);
}

std::string RouteImportDialog::source() const {
    const int row = routePaths->currentRow();
    if (row < 0 || row >= static_cast<int>(file_.paths.size())) {
        return {};
    }
    const QString key = routeUnits->currentData().toString();
    const std::string units = key.isEmpty()
                                  ? general_number_text(*file_.feet_per_unit) + " ft per unit"
                                  : key.toStdString();
    return route_source_text(QFileInfo(file_name_).fileName().toStdString(),
                             file_.paths[static_cast<std::size_t>(row)], units,
                             plain_number_text(routeRadius->text().toStdString(), locale_) + " " +
                                 std::string(unit_symbol(Quantity::Length, units_)));
}

} // namespace tensora
