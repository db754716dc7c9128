#include "windows/pullplan/link_raceway_dialog.h"

#include "fill/conduit_tables.h"
#include "numbers/input_checks.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tensora {
namespace {

constexpr int kAsBefore = 0;
constexpr int kConduit = 1;
constexpr int kTray = 2;

std::string trimmed(const QLineEdit* box) {
    return std::string(trimmed_blanks(box->text().toStdString()));
}

} // namespace

LinkRaceway raceway_with_entry(LinkRaceway raceway, const FrictionEntry& entry,
                               const NumberLocale& locale) {
    raceway.name = entry.name;
    raceway.friction = locale_number_text(general_number_text(entry.coefficient), locale);
    if (entry.kind == RacewayKind::Tray) {
        raceway.tray = true;
        raceway.id.clear();
    } else if (entry.kind == RacewayKind::Conduit) {
        raceway.tray = false;
    }
    return raceway;
}

LinkRacewayDialog::LinkRacewayDialog(QWidget* parent, Platform& platform, const QString& link,
                                     const LinkRaceway& current, FrictionLibrary library,
                                     const QString& language, UnitSystem units,
                                     const NumberLocale& locale)
    : QDialog(parent), platform_(platform), library_(std::move(library)), units_(units),
      locale_(locale) {
    setObjectName(QStringLiteral("LinkRacewayDialog"));
    setWindowTitle(tr("Friction and Raceway of Link %1").arg(link));
    linkFriction = named(new QLineEdit(QString::fromStdString(current.friction), this),
                         "linkFriction");
    linkFriction->setPlaceholderText(tr("the plan's"));
    linkEntry = named(new QComboBox(this), "linkEntry");
    offerEntries(current.name, language.toStdString());
    linkRacewayKind = named(new QComboBox(this), "linkRacewayKind");
    linkRacewayKind->addItems({tr("As the link before"), tr("Conduit of inside diameter"),
                               tr("Cable tray on rollers")});
    linkRacewayKind->setCurrentIndex(current.tray               ? kTray
                                     : !current.id.empty() ? kConduit
                                                           : kAsBefore);
    linkRacewayId = named(new QLineEdit(QString::fromStdString(current.id), this),
                          "linkRacewayId");
    const std::string_view symbol = unit_symbol(Quantity::Diameter, units);
    linkRacewayIdUnit = named(
        new QLabel(QString::fromUtf8(symbol.data(), static_cast<qsizetype>(symbol.size())), this),
        "linkRacewayIdUnit");

    linkRacewayTable = named(new QComboBox(this), "linkRacewayTable");
    linkRacewayTable->addItem(tr("Inside diameter typed"), -1);
    for (const ConduitStandardId id : all_conduit_standards()) {
        const ConduitStandard& table = conduit_standard(id);
        linkRacewayTable->addItem(
            qt_text(table.code ? std::string(table.name) + " (NEC)" : std::string(table.name)),
            static_cast<int>(id));
    }
    linkRacewaySize = named(new QComboBox(this), "linkRacewaySize");
    linkRacewaySize->setEnabled(false);

    auto* form = new QFormLayout;
    form->addRow(tr("&Coefficient of friction"), linkFriction);
    form->addRow(tr("Friction &library entry"), linkEntry);
    form->addRow(tr("&Raceway from this link on"), linkRacewayKind);
    form->addRow(tr("Conduit &table"), linkRacewayTable);
    form->addRow(tr("Trade &size"), linkRacewaySize);
    auto* diameter = new QHBoxLayout;
    diameter->addWidget(linkRacewayId);
    diameter->addWidget(linkRacewayIdUnit);
    auto* diameter_label = named(new QLabel(tr("&Inside diameter"), this), "linkRacewayIdLabel");
    diameter_label->setBuddy(linkRacewayId);
    form->addRow(diameter_label, diameter);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttons->setObjectName(QStringLiteral("linkRacewayButtons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(linkEntry, &QComboBox::currentIndexChanged, this, &LinkRacewayDialog::entryChosen);
    connect(linkFriction, &QLineEdit::textEdited, this, &LinkRacewayDialog::frictionTyped);
    connect(linkRacewayKind, &QComboBox::currentIndexChanged, this,
            &LinkRacewayDialog::showDiameterRow);
    connect(linkRacewayTable, &QComboBox::currentIndexChanged, this,
            &LinkRacewayDialog::tableChosen);
    connect(linkRacewaySize, &QComboBox::currentIndexChanged, this,
            &LinkRacewayDialog::sizeChosen);
    showDiameterRow();
    linkFriction->setFocus();
}

void LinkRacewayDialog::offerEntries(const std::string& chosen_name, const std::string& code) {
    linkEntry->addItem(tr("None"));
    int chosen = 0;
    for (const FrictionEntry& entry : library_.entries()) {
        // The user's entry of a name stands for the shipped one of the same name.
        if (library_.find(entry.name) != &entry) {
            continue;
        }
        entries_.push_back(&entry);
        linkEntry->addItem(spoken(entry_words(entry, code), locale_));
        if (entry.name == chosen_name) {
            chosen = linkEntry->count() - 1;
        }
    }
    if (chosen == 0 && !chosen_name.empty()) {
        // An entry this library lacks (a report from elsewhere) is kept by its name.
        linkEntry->addItem(QString::fromStdString(chosen_name));
        chosen = linkEntry->count() - 1;
    }
    linkEntry->setCurrentIndex(chosen);
}

const FrictionEntry* LinkRacewayDialog::chosenEntry() const {
    const int index = linkEntry->currentIndex() - 1;
    return index >= 0 && index < static_cast<int>(entries_.size())
               ? entries_[static_cast<std::size_t>(index)]
               : nullptr;
}

void LinkRacewayDialog::entryChosen(int) {
    const FrictionEntry* entry = chosenEntry();
    if (!entry) {
        return;
    }
    const LinkRaceway taken = raceway_with_entry(raceway(), *entry, locale_);
    linkFriction->setText(QString::fromStdString(taken.friction));
    if (taken.tray) {
        linkRacewayKind->setCurrentIndex(kTray);
    } else if (linkRacewayKind->currentIndex() == kTray) {
        linkRacewayKind->setCurrentIndex(kAsBefore);
    }
}

void LinkRacewayDialog::frictionTyped() {
    // The entry is named only while the coefficient is the one it gives.
    const FrictionEntry* entry = chosenEntry();
    const std::string typed = trimmed(linkFriction);
    if (linkEntry->currentIndex() > 0 &&
        (!entry || !isNumberText(typed, locale_) ||
         read_input(typed, locale_) != entry->coefficient)) {
        const QSignalBlocker quiet(linkEntry);
        linkEntry->setCurrentIndex(0);
    }
}

void LinkRacewayDialog::showDiameterRow() {
    const bool conduit = linkRacewayKind->currentIndex() == kConduit;
    linkRacewayId->setEnabled(conduit);
    linkRacewayIdUnit->setEnabled(conduit);
    linkRacewayTable->setEnabled(conduit);
    linkRacewaySize->setEnabled(conduit && linkRacewayTable->currentIndex() > 0);
}

void LinkRacewayDialog::tableChosen() {
    {
        const QSignalBlocker quiet(linkRacewaySize);
        linkRacewaySize->clear();
        const int id = linkRacewayTable->currentData().toInt();
        if (id >= 0) {
            for (const ConduitSize& size :
                 conduit_standard(static_cast<ConduitStandardId>(id)).sizes) {
                linkRacewaySize->addItem(
                    tr("%1  (%2 in)")
                        .arg(qt_text(size.trade_size),
                             qt_text(locale_number_text(size.pipe_id, locale_))),
                    qt_text(size.pipe_id));
            }
            linkRacewaySize->setCurrentIndex(-1);
        }
    }
    showDiameterRow();
}

void LinkRacewayDialog::sizeChosen(int index) {
    if (index < 0) {
        return;
    }
    // The table's inches, in the units shown, written so that the box reads them back exactly.
    const std::string inches = linkRacewaySize->itemData(index).toString().toStdString();
    linkRacewayId->setText(qt_text(locale_number_text(
        converted_text(inches, Quantity::Diameter, UnitSystem::InchPound, units_, NumberLocale{".", ","}),
        locale_)));
    linkRacewayKind->setCurrentIndex(kConduit);
}

LinkRaceway LinkRacewayDialog::raceway() const {
    LinkRaceway raceway;
    raceway.friction = trimmed(linkFriction);
    if (linkEntry->currentIndex() > 0) {
        const FrictionEntry* entry = chosenEntry();
        raceway.name = entry ? entry->name : linkEntry->currentText().toStdString();
    }
    raceway.tray = linkRacewayKind->currentIndex() == kTray;
    if (linkRacewayKind->currentIndex() == kConduit) {
        raceway.id = trimmed(linkRacewayId);
    }
    return raceway;
}

void LinkRacewayDialog::accept() {
    const LinkRaceway chosen = raceway();
    if (!chosen.friction.empty()) {
        if (const auto message = friction_input_message(chosen.friction, locale_)) {
            platform_.message(this, spoken(*message, locale_));
            linkFriction->setFocus();
            return;
        }
    }
    if (linkRacewayKind->currentIndex() == kConduit &&
        (!isNumberText(chosen.id, locale_) || !(read_input(chosen.id, locale_) > 0))) {
        platform_.message(this, tr("Enter the conduit's inside diameter, a number above 0."));
        linkRacewayId->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace tensora
