#include "windows/pullplan/friction_library_window.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/friction_entries.h"
#include "widgets/list_controls.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"
#include "widgets/tab_order.h"
#include "windows/pullplan/link_raceway_dialog.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace tensora {
namespace {

constexpr RacewayKind kKinds[] = {RacewayKind::Any, RacewayKind::Conduit, RacewayKind::Tray};

QString kind_words(RacewayKind kind) {
    switch (kind) {
    case RacewayKind::Conduit:
        return FrictionLibraryWindow::tr("Conduit or duct");
    case RacewayKind::Tray:
        return FrictionLibraryWindow::tr("Cable tray on rollers");
    default:
        return FrictionLibraryWindow::tr("Any raceway");
    }
}


} // namespace

FrictionEntryDialog::FrictionEntryDialog(QWidget* parent, Platform& platform,
                                         const FrictionEntry& entry, const QString& language,
                                         const NumberLocale& locale)
    : QDialog(parent), platform_(platform), original_(entry), language_(language.toStdString()),
      locale_(locale) {
    setObjectName(QStringLiteral("FrictionEntryDialog"));
    setWindowTitle(entry.name.empty() ? tr("New Friction Entry")
                                      : tr("Friction Entry %1").arg(qt_text(entry.name)));
    const auto line = [this](const char* name, const std::string& text) {
        return named(new QLineEdit(qt_text(text), this), name);
    };
    entryName = line("entryName", entry.name);
    entryName->setToolTip(tr("One word of small letters, digits, dots, hyphens and underscores: "
                             "the name links and the command line take the entry by"));
    entryCoefficient = line("entryCoefficient",
                            entry.name.empty() ? std::string()
                                               : locale_number_text(
                                                     general_number_text(entry.coefficient),
                                                     locale));
    entryKind = named(new QComboBox(this), "entryKind");
    for (RacewayKind kind : kKinds) {
        entryKind->addItem(kind_words(kind));
        if (kind == entry.kind) {
            entryKind->setCurrentIndex(entryKind->count() - 1);
        }
    }
    entryRaceway = line("entryRaceway", entry.raceway.in(language_));
    entryJacket = line("entryJacket", entry.jacket.in(language_));
    entryLubricant = line("entryLubricant", entry.lubricant.in(language_));
    entryStandsFor = line("entryStandsFor", entry.stands_for.in(language_));
    entrySource = line("entrySource", entry.source.in(language_));
    auto* form = new QFormLayout;
    form->addRow(tr("&Name"), entryName);
    form->addRow(tr("&Coefficient of friction"), entryCoefficient);
    form->addRow(tr("&Kind of raceway"), entryKind);
    form->addRow(tr("&Raceway"), entryRaceway);
    form->addRow(tr("Cable &jacket"), entryJacket);
    form->addRow(tr("&Lubricant"), entryLubricant);
    form->addRow(tr("&Stands for"), entryStandsFor);
    form->addRow(tr("S&ource of the figure"), entrySource);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(520);
    entryName->setFocus();
}

FrictionEntry FrictionEntryDialog::entry() const {
    FrictionEntry entry;
    entry.name = std::string(trimmed_blanks(entryName->text().toStdString()));
    const std::string coefficient = entryCoefficient->text().toStdString();
    entry.coefficient = isNumberText(coefficient, locale_) ? read_input(coefficient, locale_)
                                                           : std::nan("");
    entry.kind = kKinds[std::max(0, entryKind->currentIndex())];
    // A text the user did not change keeps every language it had; one typed is the user's.
    const auto text = [this](const QLineEdit* box, const LibraryText& before) {
        const std::string typed = box->text().toStdString();
        return typed == before.in(language_) ? before : LibraryText::plain(typed);
    };
    entry.raceway = text(entryRaceway, original_.raceway);
    entry.jacket = text(entryJacket, original_.jacket);
    entry.lubricant = text(entryLubricant, original_.lubricant);
    entry.stands_for = text(entryStandsFor, original_.stands_for);
    entry.source = text(entrySource, original_.source);
    entry.own = true;
    return entry;
}

void FrictionEntryDialog::accept() {
    if (const auto refused = entry_refusal(entry())) {
        platform_.message(this, spoken(*refused, locale_));
        return;
    }
    QDialog::accept();
}

FrictionLibraryWindow::FrictionLibraryWindow(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()) {
    setObjectName(QStringLiteral("FrictionLibraryWindow"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Friction Library"));
    buildLayout();
    reload();
    resize(1000, 520);
}

void FrictionLibraryWindow::buildLayout() {
    librarySearch = named(new QLineEdit(this), "librarySearch");
    librarySearch->setPlaceholderText(tr("Words of a name, raceway, jacket, lubricant or source"));
    librarySearch->setClearButtonEnabled(true);
    auto* search_label = named(new QLabel(tr("&Search"), this), "librarySearchLabel");
    search_label->setBuddy(librarySearch);
    libraryList = named(new QTreeWidget(this), "libraryList");
    libraryList->setRootIsDecorated(false);
    libraryList->setAllColumnsShowFocus(true);
    libraryList->setUniformRowHeights(true);
    libraryList->setWordWrap(false);
    libraryList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    libraryList->setColumnCount(8);
    QHeaderView* header = libraryList->header();
    header->setStretchLastSection(false);
    for (int column = 0; column < 8; ++column) {
        header->setSectionResizeMode(column, column == 5 || column == 6
                                                 ? QHeaderView::Stretch
                                                 : QHeaderView::ResizeToContents);
    }
    libraryNote = named(new QLabel(this), "libraryNote");
    libraryNote->setWordWrap(true);
    libraryNote->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const auto button = [this](const char* name, const QString& caption) {
        return named(new QPushButton(caption, this), name);
    };
    libraryUsePlan = button("libraryUsePlan", tr("Use for the &Plan"));
    libraryUseLink = button("libraryUseLink", tr("Use for &Link"));
    libraryLink = named(new QSpinBox(this), "libraryLink");
    libraryLink->setAccessibleName(tr("Link"));
    libraryAdd = button("libraryAdd", tr("&Add..."));
    libraryEdit = button("libraryEdit", tr("&Edit..."));
    libraryDelete = button("libraryDelete", tr("&Delete"));
    libraryClose = button("libraryClose", tr("&Close"));

    auto* search = new QHBoxLayout;
    search->addWidget(search_label);
    search->addWidget(librarySearch, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(libraryUsePlan);
    buttons->addWidget(libraryUseLink);
    buttons->addWidget(libraryLink);
    buttons->addSpacing(16);
    buttons->addWidget(libraryAdd);
    buttons->addWidget(libraryEdit);
    buttons->addWidget(libraryDelete);
    buttons->addStretch(1);
    buttons->addWidget(libraryClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(libraryList, 1);
    layout->addWidget(libraryNote);
    layout->addLayout(buttons);

    connect(librarySearch, &QLineEdit::textChanged, this, &FrictionLibraryWindow::showEntries);
    // Down from the search goes into the list, so that search and choice need no mouse.
    connect(librarySearch, &QLineEdit::returnPressed, libraryList,
            [this] { libraryList->setFocus(); });
    connect(libraryList, &QTreeWidget::currentItemChanged, this,
            &FrictionLibraryWindow::showButtons);
    connect(libraryList, &QTreeWidget::itemDoubleClicked, this,
            &FrictionLibraryWindow::useForPlan_Click);
    // Enter and Space in the list take the entry for the plan, as a double click does.
    new KeysAct(libraryList, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space},
                [this] { useForPlan_Click(); });
    connect(libraryUsePlan, &QPushButton::clicked, this, &FrictionLibraryWindow::useForPlan_Click);
    connect(libraryUseLink, &QPushButton::clicked, this, &FrictionLibraryWindow::useForLink_Click);
    connect(libraryAdd, &QPushButton::clicked, this, &FrictionLibraryWindow::add_Click);
    connect(libraryEdit, &QPushButton::clicked, this, &FrictionLibraryWindow::edit_Click);
    connect(libraryDelete, &QPushButton::clicked, this, &FrictionLibraryWindow::delete_Click);
    connect(libraryClose, &QPushButton::clicked, this, &QWidget::close);
    set_tab_order({librarySearch, libraryList, libraryUsePlan, libraryUseLink, libraryLink,
                   libraryAdd, libraryEdit, libraryDelete, libraryClose});
}

void FrictionLibraryWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reload(); // the planner's links and the user's file as they are now
    librarySearch->setFocus();
}

void FrictionLibraryWindow::reload() {
    loaded_ = load_friction_library(platform());
    QStringList notes;
    for (const Message& note : loaded_.notes) {
        notes << spoken(note, locale_);
    }
    if (loaded_.shipped_file.empty()) {
        notes << tr("The shipped friction library %1 was not found beside the cable data.")
                     .arg(qt_text(std::string(kFrictionLibraryFileName)));
    }
    if (!loaded_.own_writable) {
        notes << tr("Your entries are shown as read; they cannot be changed until the file is "
                    "mended or moved away: %1")
                     .arg(qt_text(user_friction_file(platform()).string()));
    }
    libraryNote->setText(notes.join(QLatin1Char('\n')));
    libraryNote->setVisible(!notes.isEmpty());
    showEntries();
}

void FrictionLibraryWindow::showEntries() {
    const std::string chosen = chosenEntry() ? chosenEntry()->name : std::string();
    const std::string language = registry().spokenLanguage().toStdString();
    libraryList->setHeaderLabels({tr("Name"), tr("Coefficient"), tr("Raceway"), tr("Jacket"),
                                  tr("Lubricant"), tr("Stands for"), tr("Source"), tr("Yours")});
    libraryList->clear();
    QTreeWidgetItem* current = nullptr;
    for (const FrictionEntry* entry :
         loaded_.library.matching(librarySearch->text().toStdString(), language)) {
        // The user's entry of a name stands for the shipped one of the same name.
        if (loaded_.library.find(entry->name) != entry) {
            continue;
        }
        auto* item = new QTreeWidgetItem(
            libraryList,
            {qt_text(entry->name), spoken(Message(TENSORA_TEXT("Plan", "%1"))
                                              .figure(Figure::number(entry->coefficient)),
                                          locale_),
             qt_text(entry->raceway.in(language)), qt_text(entry->jacket.in(language)),
             qt_text(entry->lubricant.in(language)), qt_text(entry->stands_for.in(language)),
             qt_text(entry->source.in(language)), entry->own ? tr("yes") : QString()});
        item->setData(0, Qt::UserRole, qt_text(entry->name));
        // The long texts share what room is left, whole in their tips.
        item->setToolTip(5, item->text(5));
        item->setToolTip(6, item->text(6));
        if (!current || entry->name == chosen) {
            current = item; // the entry chosen before, else the first
        }
    }
    if (current) {
        libraryList->setCurrentItem(current);
    }
    showButtons();
}

const FrictionEntry* FrictionLibraryWindow::chosenEntry() const {
    const QTreeWidgetItem* item = libraryList ? libraryList->currentItem() : nullptr;
    return item ? loaded_.library.find(item->data(0, Qt::UserRole).toString().toStdString())
                : nullptr;
}

void FrictionLibraryWindow::showButtons() {
    const FrictionEntry* entry = chosenEntry();
    const PullCalculator* planner = registry().find<PullCalculator>();
    const int links = planner ? static_cast<int>(planner->plan().size()) : 0;
    libraryLink->setRange(links > 0 ? 1 : 0, links);
    libraryUsePlan->setEnabled(entry != nullptr);
    libraryUseLink->setEnabled(entry != nullptr && links > 0);
    libraryLink->setEnabled(links > 0);
    libraryAdd->setEnabled(loaded_.own_writable);
    libraryEdit->setEnabled(loaded_.own_writable && entry && entry->own);
    libraryDelete->setEnabled(loaded_.own_writable && entry && entry->own);
}

void FrictionLibraryWindow::useForPlan_Click() {
    const FrictionEntry* entry = chosenEntry();
    if (!entry) {
        platform().beep();
        return;
    }
    PullCalculator& planner = registry().show<PullCalculator>();
    // The box's own change handling recalculates the plan.
    planner.frictionBox()->setText(
        qt_text(locale_number_text(general_number_text(entry->coefficient), locale_)));
}

void FrictionLibraryWindow::useForLink_Click() {
    const FrictionEntry* entry = chosenEntry();
    PullCalculator* planner = registry().find<PullCalculator>();
    const int link = libraryLink->value();
    if (!entry || !planner || link < 1 || link > static_cast<int>(planner->plan().size())) {
        platform().beep();
        return;
    }
    const auto row = static_cast<std::size_t>(link - 1);
    planner->editPlan([&](PullPlanLinks& plan) {
        plan.setRaceway(row, raceway_with_entry(plan.raceway(row), *entry, locale_));
    });
    planner->pullcalc();
    RegisteredWindow<QWidget>::registry().show(*planner);
}

void FrictionLibraryWindow::keep(const std::optional<Message>& refused,
                                 const FrictionLibrary& before) {
    if (refused) {
        platform().message(this, spoken(*refused, locale_));
        return;
    }
    Message reason;
    if (!save_own_entries(platform(), loaded_.library, reason)) {
        platform().message(this, tr("Your friction entries could not be saved (%1); they are "
                                    "as they were.")
                                     .arg(spoken(reason, locale_)));
        loaded_.library = before;
    }
    showEntries();
}

void FrictionLibraryWindow::askEntry(
    const FrictionEntry& entry,
    std::function<std::optional<Message>(FrictionLibrary&, const FrictionEntry&)> change) {
    auto* dialog = new FrictionEntryDialog(this, platform(), entry, registry().spokenLanguage(),
                                           locale_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, change = std::move(change)] {
        const FrictionLibrary before = loaded_.library;
        const FrictionEntry typed = dialog->entry();
        keep(change(loaded_.library, typed), before);
        // The entry typed stays the one chosen.
        for (int i = 0; i < libraryList->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = libraryList->topLevelItem(i);
            if (item->data(0, Qt::UserRole).toString().toStdString() == typed.name) {
                libraryList->setCurrentItem(item);
            }
        }
    });
    dialog->open();
}

const FrictionEntry* FrictionLibraryWindow::changeableEntry() {
    const FrictionEntry* entry = chosenEntry();
    if (!entry || !entry->own || !loaded_.own_writable) {
        platform().beep();
        return nullptr;
    }
    return entry;
}

void FrictionLibraryWindow::add_Click() {
    if (!loaded_.own_writable) {
        platform().beep();
        return;
    }
    FrictionEntry blank;
    blank.own = true;
    askEntry(blank, [](FrictionLibrary& library, const FrictionEntry& typed) {
        return library.add(typed);
    });
}

void FrictionLibraryWindow::edit_Click() {
    const FrictionEntry* entry = changeableEntry();
    if (!entry) {
        return;
    }
    askEntry(*entry, [name = entry->name](FrictionLibrary& library, const FrictionEntry& typed) {
        return library.replace(name, typed);
    });
}

void FrictionLibraryWindow::delete_Click() {
    const FrictionEntry* entry = changeableEntry();
    if (!entry) {
        return;
    }
    if (!platform().question(this, tr("Delete your friction entry %1?").arg(qt_text(entry->name)))) {
        return;
    }
    const FrictionLibrary before = loaded_.library;
    keep(loaded_.library.remove(entry->name), before);
}

} // namespace tensora
