#include "windows/job/job_window.h"

#include "numbers/shown_figures.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "report/file_saving.h"
#include "widgets/list_controls.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"
#include "windows/job/pull_transfer.h"
#include "windows/pullplan/pull_calculator_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

#include <sstream>

namespace tensora {
namespace {

constexpr StructureKind kKinds[] = {StructureKind::Manhole, StructureKind::Vault,
                                    StructureKind::PullBox, StructureKind::Equipment,
                                    StructureKind::Other};

QString kind_name(StructureKind kind) {
    switch (kind) {
    case StructureKind::Manhole:
        return JobWindow::tr("Manhole");
    case StructureKind::Vault:
        return JobWindow::tr("Vault");
    case StructureKind::PullBox:
        return JobWindow::tr("Pull box");
    case StructureKind::Equipment:
        return JobWindow::tr("Equipment");
    default:
        return JobWindow::tr("Other");
    }
}

// A cell that sorts by the figure it stands for, not by its text.
class FigureItem : public QTableWidgetItem {
public:
    FigureItem(const QString& text, double key) : QTableWidgetItem(text) {
        setData(Qt::UserRole + 1, key);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole + 1).toDouble() < other.data(Qt::UserRole + 1).toDouble();
    }
};


} // namespace

JobWindow::JobWindow(WindowRegistry& registry) : RegisteredWindow<QWidget>(registry) {
    setObjectName(QStringLiteral("JobWindow"));
    jobFile = named(new QLabel(this), "jobFile");
    buildSchedule();
    buildControls();
    layOut();
    resize(1180, 600);
    showJob();
}

void JobWindow::buildSchedule() {
    jobSchedule = named(new QTableWidget(this), "jobSchedule");
    jobSchedule->setColumnCount(13);
    jobSchedule->setSelectionBehavior(QAbstractItemView::SelectRows);
    jobSchedule->setSelectionMode(QAbstractItemView::SingleSelection);
    jobSchedule->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jobSchedule->verticalHeader()->setVisible(false);
    // Every figure whole, the verdict taking the room left (whole in its tip): no scrolling
    // sideways at the window's size.
    jobSchedule->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    jobSchedule->horizontalHeader()->setSectionResizeMode(12, QHeaderView::Stretch);
    jobSchedule->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    jobSchedule->setSortingEnabled(true);
    jobSchedule->setWordWrap(false);
    connect(jobSchedule, &QTableWidget::cellDoubleClicked, this, &JobWindow::openPull_Click);
    // Enter on the schedule opens the pull of its row, as a double click does.
    new KeysAct(jobSchedule, {Qt::Key_Return, Qt::Key_Enter}, [this] { openPull_Click(); });
}

void JobWindow::buildControls() {
    jobFrom = named(new QComboBox(this), "jobFrom");
    jobTo = named(new QComboBox(this), "jobTo");
    for (QComboBox* box : {jobFrom, jobTo}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumWidth(120);
    }
    jobAddPull = named(new QPushButton(tr("&Add the Planner's Pull"), this), "jobAddPull");
    jobOpenPull = named(new QPushButton(tr("&Open Pull"), this), "jobOpenPull");
    jobRemovePull = named(new QPushButton(tr("&Remove Pull"), this), "jobRemovePull");
    jobStructures = named(new QTableWidget(this), "jobStructures");
    jobStructures->setColumnCount(3);
    jobStructures->verticalHeader()->setVisible(false);
    jobStructures->horizontalHeader()->setStretchLastSection(true);
    connect(jobStructures, &QTableWidget::cellChanged, this, &JobWindow::structureEdited);
    jobMargin = named(new QLineEdit(this), "jobMargin");
    jobMargin->setPlaceholderText(tr("none: the structures' slack"));
    connect(jobMargin, &QLineEdit::textEdited, this, &JobWindow::marginEdited);
    jobOrder = named(new QLabel(this), "jobOrder");
    jobOrder->setWordWrap(true);
    jobOrder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    jobOrder->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    jobSave = named(new QPushButton(tr("&Save Job"), this), "jobSave");
    jobSaveAs = named(new QPushButton(tr("Sa&ve Job As..."), this), "jobSaveAs");
    connect(jobAddPull, &QPushButton::clicked, this, &JobWindow::addPull_Click);
    connect(jobOpenPull, &QPushButton::clicked, this, &JobWindow::openPull_Click);
    connect(jobRemovePull, &QPushButton::clicked, this, &JobWindow::removePull_Click);
    connect(jobSave, &QPushButton::clicked, this, &JobWindow::saveJob_Click);
    connect(jobSaveAs, &QPushButton::clicked, this, &JobWindow::saveJobAs_Click);
}

void JobWindow::layOut() {
    auto* pulls = new QHBoxLayout;
    auto* from_label = new QLabel(tr("&From:"), this);
    from_label->setBuddy(jobFrom);
    auto* to_label = new QLabel(tr("&To:"), this);
    to_label->setBuddy(jobTo);
    pulls->addWidget(from_label);
    pulls->addWidget(jobFrom);
    pulls->addWidget(to_label);
    pulls->addWidget(jobTo);
    pulls->addWidget(jobAddPull);
    pulls->addStretch(1);
    pulls->addWidget(jobOpenPull);
    pulls->addWidget(jobRemovePull);
    auto* order = new QGroupBox(tr("Cable to order"), this);
    auto* order_form = new QFormLayout(order);
    auto* margin_label = new QLabel(tr("&Margin (%):"), order);
    margin_label->setBuddy(jobMargin);
    order_form->addRow(margin_label, jobMargin);
    order_form->addRow(jobOrder);
    auto* structures = new QGroupBox(tr("Structures"), this);
    auto* structures_layout = new QVBoxLayout(structures);
    structures_layout->addWidget(jobStructures);
    auto* lower = new QHBoxLayout;
    lower->addWidget(structures, 1);
    lower->addWidget(order, 1);
    auto* files = new QHBoxLayout;
    files->addWidget(jobFile, 1);
    files->addWidget(jobSave);
    files->addWidget(jobSaveAs);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(jobSchedule, 3);
    layout->addLayout(pulls);
    layout->addLayout(lower, 2);
    layout->addLayout(files);
}

void JobWindow::changed() {
    modified_ = true;
    showJob();
}

bool JobWindow::mayDropJob() {
    if (!modified_) {
        return true;
    }
    switch (platform().askToSave(this, tr("The job has changes that are not saved. Save them?"))) {
    case Platform::SaveAnswer::Save:
        saveJob_Click();
        return !modified_;
    case Platform::SaveAnswer::Discard:
        return true;
    default:
        return false;
    }
}

bool JobWindow::newJob() {
    if (!mayDropJob()) {
        return false;
    }
    job_ = {};
    path_.clear();
    modified_ = false;
    open_pull_.reset();
    showJob();
    return true;
}

bool JobWindow::openJob(const QString& path) {
    if (!mayDropJob()) {
        return false;
    }
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        platform().message(this, tr("The job %1 could not be read.").arg(path));
        return false;
    }
    JobFile read = read_job(file.readAll().toStdString());
    if (!read.error.empty()) {
        platform().message(this, tr("The job %1 could not be read: %2.")
                                     .arg(path, spoken(read.error, platform().numberLocale())));
        return false;
    }
    job_ = std::move(read.job);
    path_ = path;
    modified_ = false;
    open_pull_.reset();
    showJob();
    return true;
}

bool JobWindow::saveJob(const QString& path) {
    Message reason;
    if (!save_whole_file(local_path(path), job_text(job_), reason)) {
        platform().message(this, tr("The job could not be saved as %1.\n%2")
                                     .arg(path, spoken(reason, platform().numberLocale())));
        return false;
    }
    path_ = path;
    modified_ = false;
    showJob();
    return true;
}

void JobWindow::saveJob_Click() {
    if (path_.isEmpty()) {
        saveJobAs_Click();
    } else {
        saveJob(path_);
    }
}

void JobWindow::saveJobAs_Click() {
    const QString path = platform().saveFileName(
        this, tr("Save Job"), QStringLiteral("Jobs (*.json)|*.json|All Files (*.*)|*.*"));
    if (!path.isEmpty()) {
        saveJob(path);
    }
}

void JobWindow::addPull_Click() {
    const std::string from = jobFrom->currentText().trimmed().toStdString();
    const std::string to = jobTo->currentText().trimmed().toStdString();
    if (from.empty() || to.empty()) {
        platform().message(this, tr("Name the structures the pull runs from and to."));
        return;
    }
    if (registry().get<PullCalculator>().plan().size() == 0) {
        platform().message(this, tr("No plan yet: add links in Tools > Pull Calculator."));
        return;
    }
    job_.structure(from);
    job_.structure(to);
    job_.pulls.push_back({from, to, report_text(pull_in_windows(registry()))});
    // The planner holds the pull it gave: its edits are this pull's from now on.
    open_pull_ = static_cast<int>(job_.pulls.size()) - 1;
    planner_document_ = registry().get<PullCalculator>().documentCount();
    changed();
}

std::optional<int> JobWindow::chosenPull() {
    const QTableWidgetItem* item = jobSchedule->item(jobSchedule->currentRow(), 0);
    if (!item) {
        platform().beep();
        return std::nullopt;
    }
    return item->data(Qt::UserRole).toInt();
}

void JobWindow::removePull_Click() {
    const std::optional<int> chosen = chosenPull();
    if (!chosen) {
        return;
    }
    const int index = *chosen;
    if (!platform().question(this, tr("Remove pull %1 from the job?").arg(index + 1))) {
        return;
    }
    job_.pulls.erase(job_.pulls.begin() + index);
    if (open_pull_ == index) {
        open_pull_.reset();
    } else if (open_pull_ && *open_pull_ > index) {
        --*open_pull_;
    }
    changed();
}

void JobWindow::openPull_Click() {
    const std::optional<int> chosen = chosenPull();
    if (!chosen) {
        return;
    }
    const int index = *chosen;
    PullCalculator& planner = registry().get<PullCalculator>();
    if (planner.isModified() && open_pull_ != std::optional<int>(index) &&
        !registry().mayDropChanges(&planner, tr("The pull plan has changes that are not "
                                                "saved. Save them before opening pull %1?")
                                                 .arg(index + 1))) {
        return;
    }
    std::istringstream in(job_.pulls[static_cast<std::size_t>(index)].report);
    const ReadReport report = read_report(in);
    open_pull_.reset(); // the windows take the pull without flowing back into it
    apply_report_to_windows(registry(), report);
    planner.setDocument(QString());
    open_pull_ = index;
    planner_document_ = planner.documentCount();
    RegisteredWindow<QWidget>::registry().show(planner);
}

void JobWindow::planRecalculated() {
    if (!open_pull_ || showing_ || *open_pull_ >= static_cast<int>(job_.pulls.size())) {
        return;
    }
    // A report opened or saved, or a new plan, is the planner's own document: no pull's.
    const PullCalculator* planner = registry().find<PullCalculator>();
    if (!planner || planner->documentCount() != planner_document_) {
        open_pull_.reset();
        return;
    }
    // Edits in the planner and the check are the open pull's.
    std::string text = report_text(pull_in_windows(registry()));
    std::string& kept = job_.pulls[static_cast<std::size_t>(*open_pull_)].report;
    if (text != kept) {
        kept = std::move(text);
        changed();
    }
}

void JobWindow::structureEdited(int row, int column) {
    if (showing_ || row < 0 || row >= static_cast<int>(job_.structures.size()) || column != 2) {
        return;
    }
    const NumberLocale locale = platform().numberLocale();
    const std::string typed = jobStructures->item(row, column)->text().toStdString();
    if (!isNumberText(typed, locale) || !(read_input(typed, locale) >= 0)) {
        platform().message(this, tr("Enter the slack as a length of 0 or more."));
        showJob();
        return;
    }
    job_.structures[static_cast<std::size_t>(row)].slack =
        inch_pound_value(read_input(typed, locale), Quantity::Length, registry().units());
    changed();
}

void JobWindow::marginEdited() {
    const NumberLocale locale = platform().numberLocale();
    const std::string typed = std::string(trimmed_blanks(jobMargin->text().toStdString()));
    if (typed.empty()) {
        job_.margin.reset();
    } else if (isNumberText(typed, locale) && read_input(typed, locale) >= 0) {
        job_.margin = read_input(typed, locale);
    } else {
        return; // a figure being typed
    }
    modified_ = true;
    showJob();
}

void JobWindow::showStructures() {
    const UnitSystem units = registry().units();
    const NumberLocale locale = platform().numberLocale();
    jobStructures->setHorizontalHeaderLabels(
        {tr("Name"), tr("Kind"),
         tr("Slack (%1)").arg(qt_text(unit_symbol(Quantity::Length, units)))});
    jobStructures->setRowCount(static_cast<int>(job_.structures.size()));
    QStringList names;
    for (std::size_t i = 0; i < job_.structures.size(); ++i) {
        const Structure& structure = job_.structures[i];
        const int row = static_cast<int>(i);
        names << qt_text(structure.name);
        auto* name = new QTableWidgetItem(qt_text(structure.name));
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        jobStructures->setItem(row, 0, name);
        auto* kind = new QComboBox(jobStructures);
        for (const StructureKind known : kKinds) {
            kind->addItem(kind_name(known), static_cast<int>(known));
        }
        kind->setCurrentIndex(kind->findData(static_cast<int>(structure.kind)));
        connect(kind, &QComboBox::currentIndexChanged, this, [this, kind, i] {
            if (i < job_.structures.size()) {
                job_.structures[i].kind = static_cast<StructureKind>(kind->currentData().toInt());
                modified_ = true;
                jobFile->setText(jobFile->text().startsWith(QLatin1Char('*'))
                                     ? jobFile->text()
                                     : QLatin1Char('*') + jobFile->text());
            }
        });
        jobStructures->setCellWidget(row, 1, kind);
        jobStructures->setItem(
            row, 2,
            new QTableWidgetItem(qt_text(locale_number_text(
                general_number_text(round_to_15_digits(
                    shown_value(structure.slack, Quantity::Length, units))),
                locale))));
    }
    for (QComboBox* box : {jobFrom, jobTo}) {
        const QString typed = box->currentText();
        box->clear();
        box->addItems(names);
        box->setEditText(typed);
    }
}

void JobWindow::showJob() {
    showing_ = true;
    const UnitSystem units = registry().units();
    const NumberLocale locale = platform().numberLocale();
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Job") + QStringLiteral(" - [") +
                   (path_.isEmpty() ? tr("New Job") : path_) + QLatin1Char(']'));
    jobFile->setText((modified_ ? QStringLiteral("* ") : QString()) +
                     (path_.isEmpty() ? tr("A new job, not saved yet") : path_));
    const std::vector<ScheduleRow> rows = job_schedule(job_);
    double largest = 0;
    for (const ScheduleRow& row : rows) {
        largest = std::max({largest, row.forward_max, row.reverse_max});
    }
    const ColumnUnit unit = column_unit(Quantity::Tension, units, largest);
    const QString length_unit = qt_text(unit_symbol(Quantity::Length, units));
    jobSchedule->setSortingEnabled(false);
    jobSchedule->clearContents();
    jobSchedule->setHorizontalHeaderLabels(
        {tr("Pull"), tr("From"), tr("To"), tr("Cables"), tr("Length (%1)").arg(length_unit),
         tr("Rise (%1)").arg(length_unit),
         tr("Forward (%1)").arg(qt_text(column_symbol(Quantity::Tension, unit))),
         tr("Reverse (%1)").arg(qt_text(column_symbol(Quantity::Tension, unit))), tr("Share"),
         tr("Sidewall"), tr("Direction"), tr("Mid-assist"), tr("Verdict")});
    jobSchedule->setRowCount(static_cast<int>(rows.size()));
    // The pulls that fail first, then in the job's order.
    std::vector<const ScheduleRow*> ordered;
    for (const ScheduleRow& row : rows) {
        ordered.push_back(&row);
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const ScheduleRow* a, const ScheduleRow* b) { return !a->ok && b->ok; });
    const auto figure = [&locale](const Figure& shown) {
        return spoken(figure_message(shown.without_symbol()), locale);
    };
    for (std::size_t r = 0; r < ordered.size(); ++r) {
        const ScheduleRow& row = *ordered[r];
        const int at = static_cast<int>(r);
        auto* number = new FigureItem(QString::number(row.number), row.number);
        number->setData(Qt::UserRole, row.number - 1);
        const QString direction = row.direction == PullDirection::Forward   ? tr("forward")
                                  : row.direction == PullDirection::Reverse ? tr("reverse")
                                                                            : tr("either");
        const QList<QTableWidgetItem*> cells{
            number,
            new QTableWidgetItem(qt_text(row.from)),
            new QTableWidgetItem(qt_text(row.to)),
            new QTableWidgetItem(spoken(row.cables, locale)),
            new FigureItem(figure(Figure::fixed(row.length, Quantity::Length, units, 1)),
                           row.length),
            new FigureItem(figure(Figure::fixed(row.rise, Quantity::Length, units, 1)), row.rise),
            new FigureItem(figure(Figure::column(row.forward_max, Quantity::Tension, unit)),
                           row.forward_max),
            new FigureItem(figure(Figure::column(row.reverse_max, Quantity::Tension, unit)),
                           row.reverse_max),
            new FigureItem(row.share ? spoken(Message(TENSORA_TEXT("Check", "%1%"))
                                                  .figure(Figure::fixed(*row.share, 0)),
                                              locale)
                                     : QString(),
                           row.share.value_or(-1)),
            new FigureItem(row.sidewall ? figure(Figure::column(
                                              *row.sidewall, Quantity::Pressure,
                                              column_unit(Quantity::Pressure, units,
                                                          *row.sidewall)))
                                        : QString(),
                           row.sidewall.value_or(-1)),
            new QTableWidgetItem(direction),
            new FigureItem(row.mid_assist ? QString::number(*row.mid_assist + 1) : tr("none"),
                           row.mid_assist ? static_cast<double>(*row.mid_assist) : -1),
            new QTableWidgetItem(spoken(row.verdict, locale))};
        for (int column = 0; column < cells.size(); ++column) {
            if (!row.ok) {
                cells[column]->setForeground(QColor(190, 40, 40));
            }
            jobSchedule->setItem(at, column, cells[column]);
        }
        cells.back()->setToolTip(cells.back()->text());
    }
    jobSchedule->setSortingEnabled(true);
    showStructures();
    if (!jobMargin->hasFocus()) {
        jobMargin->setText(job_.margin ? qt_text(locale_number_text(
                                             general_number_text(*job_.margin), locale))
                                       : QString());
    }
    const CableOrder order = cable_order(job_);
    QStringList lines;
    for (const OrderLine& line : order.lines) {
        lines << tr("%1: %2 %3")
                     .arg(qt_text(line.cable),
                          figure(Figure::fixed(line.length, Quantity::Length, units, 2)),
                          length_unit);
    }
    lines << tr("In all: %1 %2")
                 .arg(figure(Figure::fixed(order.total, Quantity::Length, units, 2)), length_unit);
    jobOrder->setText(lines.join(QLatin1Char('\n')));
    jobOpenPull->setEnabled(!rows.empty());
    jobRemovePull->setEnabled(!rows.empty());
    showing_ = false;
}

void JobWindow::closeEvent(QCloseEvent* event) {
    if (!mayDropJob()) {
        event->ignore();
        return;
    }
    RegisteredWindow<QWidget>::closeEvent(event);
}

} // namespace tensora
