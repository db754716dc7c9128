#include "windows/equipment/pulling_equipment_window.h"

#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "pullplan/pull_advice.h"
#include "report/report_figures.h"
#include "widgets/named_control.h"
#include "widgets/platform.h"
#include "widgets/tab_order.h"
#include "windows/pullplan/pull_calculator_window.h"
#include "windows/pullplan/pull_check_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tensora {
namespace {

const QString kFailStyle = QStringLiteral("color: #b00020");
constexpr const char* kDirectionKeys[] = {"advice", "forward", "reverse"};

} // namespace

PullingEquipment::PullingEquipment(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()) {
    setObjectName(QStringLiteral("PullingEquipment"));
    setWindowTitle(kApplicationTitle + QStringLiteral(" - ") + tr("Pulling Equipment"));
    auto* inputs = new QGroupBox(tr("Equipment"), this);
    auto* results = new QGroupBox(tr("Checked against the planned pull"), this);
    buildInputs(inputs);
    buildResults(results);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputs);
    layout->addWidget(results, 1);
    set_tab_order({equipmentDirection, pullerRating, ropeStrength, designFactor, sheaveRating,
                   sheavePercent, capstanFriction, tailLimit});
    // What a sheave adds is the plan's: a report may have set it before this window opened.
    if (const PullCalculator* planner = registry.find<PullCalculator>()) {
        const QSignalBlocker quiet(sheavePercent);
        sheavePercent->setText(qt_text(planner->sheavePercent()));
    }
    resize(660, 500);
    planRecalculated();
    if (PullCalculator* planner = registry.find<PullCalculator>()) {
        planner->partOpened(objectName(), documentPart());
    }
}

std::string PullingEquipment::documentPart() const {
    ReportContents part;
    part.equipment = report();
    return report_text(part);
}

void PullingEquipment::closeEvent(QCloseEvent* event) {
    PullCalculator* planner = registry().find<PullCalculator>();
    if (planner && planner->partModified(objectName()) &&
        !registry().mayDropChanges(this, tr("The pulling equipment has changes that are not "
                                            "saved. Save them before closing the window?"))) {
        event->ignore();
        return;
    }
    RegisteredWindow<QWidget>::closeEvent(event);
    if (planner && event->isAccepted()) {
        planner->partClosed(objectName());
    }
}

// The common puller classes, in the units shown.
void PullingEquipment::offerPullerClasses() {
    const QSignalBlocker quiet(pullerRating);
    const QString typed = pullerRating->currentText();
    pullerRating->clear();
    for (const double rating : kPullerClasses) {
        pullerRating->addItem(qt_text(locale_number_text(
            general_number_text(std::round(shown_value(rating, Quantity::Tension, units_))),
            locale_)));
    }
    pullerRating->setCurrentText(typed);
}

QLineEdit* PullingEquipment::box(const char* name, const QString& text) {
    auto* line = named(new QLineEdit(text, this), name);
    connect(line, &QLineEdit::textChanged, this, &PullingEquipment::planRecalculated);
    return line;
}

void PullingEquipment::buildInputs(QWidget* group) {
    auto* grid = new QGridLayout(group);
    int row = 0;
    const auto add = [&](const QString& caption, QWidget* input, const QString& unit) {
        auto* label = new QLabel(caption, group);
        label->setBuddy(input);
        grid->addWidget(label, row, 0);
        grid->addWidget(input, row, 1);
        auto* unit_label = new QLabel(unit, group);
        grid->addWidget(unit_label, row, 2);
        ++row;
        return unit_label;
    };
    const QString force_unit = qt_text(std::string(unit_symbol(Quantity::Tension, units_)));
    equipmentDirection = named(new QComboBox(group), "equipmentDirection");
    equipmentDirection->addItems(
        {tr("As the advice says"), tr("Forward pull"), tr("Reverse pull")});
    connect(equipmentDirection, &QComboBox::currentIndexChanged, this,
            &PullingEquipment::planRecalculated);
    add(tr("&Direction:"), equipmentDirection, QString());
    pullerRating = named(new QComboBox(group), "pullerRating");
    pullerRating->setEditable(true);
    pullerRating->setInsertPolicy(QComboBox::NoInsert);
    offerPullerClasses();
    pullerRating->setCurrentText(QString());
    connect(pullerRating, &QComboBox::currentTextChanged, this,
            &PullingEquipment::planRecalculated);
    force_units_ << add(tr("&Puller rating:"), pullerRating, force_unit);
    ropeStrength = box("ropeStrength", QString());
    force_units_ << add(tr("&Rope breaking strength:"), ropeStrength, force_unit);
    designFactor = box("designFactor", QStringLiteral("4"));
    add(tr("Rope design &factor:"), designFactor, tr("× puller rating"));
    sheaveRating = box("sheaveRating", QString());
    force_units_ << add(tr("&Sheave rating:"), sheaveRating, force_unit);
    // Not recalculated here: the planner recalculates with it and tells this window.
    sheavePercent = named(new QLineEdit(QStringLiteral("0"), this), "sheavePercent");
    add(tr("Tension a sheave &adds:"), sheavePercent, QStringLiteral("%"));
    capstanFriction = box("capstanFriction", qt_text(locale_number_text("0.125", locale_)));
    add(tr("&Capstan friction:"), capstanFriction, QString());
    tailLimit = box("tailLimit",
                    qt_text(locale_number_text(general_number_text(std::round(shown_value(
                                                   kDefaultTailLimit, Quantity::Tension, units_))),
                                               locale_)));
    force_units_ << add(tr("&Tail force a person holds:"), tailLimit, force_unit);
    grid->setColumnStretch(1, 1);
    // The percentage is the plan's: the planner computes every sheave with it.
    connect(sheavePercent, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (PullCalculator* planner = registry().find<PullCalculator>()) {
            planner->setSheavePercent(text.toStdString());
        }
    });
}

void PullingEquipment::buildResults(QWidget* group) {
    auto* column = new QVBoxLayout(group);
    const auto result = [&](const char* name) {
        auto* label = named(new QLabel(group), name);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(label);
        return label;
    };
    highestResult = result("highestResult");
    pullerResult = result("pullerResult");
    ropeResult = result("ropeResult");
    sheaveResults = result("sheaveResults");
    capstanResults = result("capstanResults");
    equipmentVerdict = result("equipmentVerdict");
    column->addStretch(1);
}

std::optional<double> PullingEquipment::force(const QLineEdit* box) const {
    const std::string text = box->text().toStdString();
    if (!isNumberText(text, locale_) || read_input(text, locale_) < 0) {
        return std::nullopt;
    }
    return inch_pound_value(read_input(text, locale_), Quantity::Tension, units_);
}

void PullingEquipment::readInputs() {
    inputs_ = {};
    const std::string puller = pullerRating->currentText().toStdString();
    if (isNumberText(puller, locale_) && read_input(puller, locale_) >= 0) {
        inputs_.puller = inch_pound_value(read_input(puller, locale_), Quantity::Tension, units_);
    }
    inputs_.rope_strength = force(ropeStrength);
    inputs_.sheave_rating = force(sheaveRating);
    const double factor = read_input(designFactor->text().toStdString(), locale_);
    inputs_.design_factor = factor >= 1 ? factor : kLeastDesignFactor;
    const double friction = read_input(capstanFriction->text().toStdString(), locale_);
    inputs_.capstan_friction = friction >= 0 ? friction : kDefaultCapstanFriction;
    inputs_.tail_limit = force(tailLimit).value_or(kDefaultTailLimit);
}

void PullingEquipment::planRecalculated() {
    if (!equipmentVerdict) {
        return; // still being built
    }
    readInputs();
    PullCalculator* planner = registry().find<PullCalculator>();
    if (planner) {
        planner->partChanged(); // the inputs are the document's
    }
    if (!planner || planner->plan().size() == 0) {
        check_ = {};
        findings_ = {};
        findings_.highest = TENSORA_TEXT("Equipment", "No plan yet: add links in Tools > Pull "
                                                      "Calculator.");
        highestResult->setText(spoken(findings_.highest, locale_));
        for (QLabel* label :
             {pullerResult, ropeResult, sheaveResults, capstanResults, equipmentVerdict}) {
            label->clear();
        }
        return;
    }
    checkThePull(*planner);
    showResults();
}

void PullingEquipment::checkThePull(const PullCalculator& planner) {
    const std::vector<PullLinkValues>& links = planner.plan().values();
    const PullCheck* set_check = registry().find<PullCheck>();
    pull_ = {};
    pull_.cable_set = set_check && set_check->pullsTheSet();
    const CheckResult* checked = pull_.cable_set ? &set_check->result() : nullptr;
    const PullSettings& settings =
        checked ? checked->corrected_settings : planner.calculatedSettings();
    const PullResults& results = checked ? checked->corrected : planner.results();
    bool forward = equipmentDirection->currentIndex() != 2;
    if (equipmentDirection->currentIndex() == 0) {
        // The set's pull compares its links as it pulls them: each coefficient corrected.
        const bool own = checked && !checked->corrected_links.empty();
        forward = plain_pull_direction(own ? checked->corrected_links : links, settings, units_) !=
                  PullDirection::Reverse;
    }
    check_ = check_equipment(links, forward ? results.forward_tension : results.reverse_tension,
                             forward, checked ? checked->allowable : settings.allowable, inputs_);
    pull_.plan_point = mid_assist_point(settings, links.size());
    // The advice's point, once it is found (it is not searched for at every key), where the
    // plan has none of its own.
    const bool waiting = checked ? set_check->adviceWaiting() : planner.adviceWaiting();
    if (!pull_.plan_point && !waiting) {
        const PullAdvice& advice = checked ? set_check->advice() : planner.advice();
        if (advice.mid_assist) {
            pull_.advised_point = advice.mid_assist;
            pull_.advised_forward = advice.mid_assist_direction != PullDirection::Reverse;
            pull_.advised_max = advice.mid_assist_max;
        }
    }
}

// Each finding on its line, red where it fails the pull.
void PullingEquipment::showResults() {
    findings_ = equipment_findings(check_, inputs_, pull_, units_);
    const bool sheave_fails =
        std::any_of(check_.sheaves.begin(), check_.sheaves.end(), [](const SheaveLoad& sheave) {
            return sheave.verdict == SheaveVerdict::OverRating;
        });
    QStringList sheaves;
    for (const Message& sheave : findings_.sheaves) {
        sheaves.append(spoken(sheave, locale_));
    }
    const std::tuple<QLabel*, QString, bool> shown[] = {
        {highestResult, spoken(findings_.highest, locale_), false},
        {pullerResult, spoken(findings_.puller, locale_), check_.puller == PullerVerdict::TooWeak},
        {ropeResult, spoken(findings_.rope, locale_),
         check_.rope == RopeVerdict::TooWeak || check_.factor_lowered},
        {sheaveResults, sheaves.join(QLatin1Char('\n')), sheave_fails},
        {capstanResults, spoken(findings_.capstan, locale_), false},
        {equipmentVerdict, spoken(findings_.verdict, locale_),
         check_.verdict == EquipmentVerdict::Fails}};
    for (const auto& [label, text, fails] : shown) {
        label->setText(text);
        label->setStyleSheet(fails ? kFailStyle : QString());
    }
}

void PullingEquipment::unitsChanged(UnitSystem from, UnitSystem to) {
    for (QLineEdit* line : {ropeStrength, sheaveRating, tailLimit, pullerRating->lineEdit()}) {
        line->setText(qt_text(typed_converted_text(line->text().toStdString(), Quantity::Tension,
                                                   from, to, locale_)));
    }
    units_ = to;
    offerPullerClasses();
    for (QLabel* label : force_units_) {
        label->setText(qt_text(std::string(unit_symbol(Quantity::Tension, to))));
    }
    planRecalculated();
}

EquipmentReport PullingEquipment::report() const {
    const auto pounds = [this](const QString& text) {
        return converted_text(text.toStdString(), Quantity::Tension, units_, UnitSystem::InchPound,
                              locale_);
    };
    EquipmentReport report;
    report.direction = kDirectionKeys[std::max(0, equipmentDirection->currentIndex())];
    report.puller = pounds(pullerRating->currentText());
    report.rope_strength = pounds(ropeStrength->text());
    report.design_factor = designFactor->text().toStdString();
    report.sheave_rating = pounds(sheaveRating->text());
    report.sheave_percent = sheavePercent->text().toStdString();
    report.capstan_friction = capstanFriction->text().toStdString();
    report.tail_limit = pounds(tailLimit->text());
    return equipment_in_file_form(report, locale_);
}

void PullingEquipment::applyReport(const EquipmentReport& saved) {
    const EquipmentReport report = equipment_in_box_form(saved, locale_);
    const auto shown = [this](const std::string& text) {
        return qt_text(
            converted_text(text, Quantity::Tension, UnitSystem::InchPound, units_, locale_));
    };
    for (int i = 0; i < 3; ++i) {
        if (report.direction == kDirectionKeys[i]) {
            equipmentDirection->setCurrentIndex(i);
        }
    }
    pullerRating->setCurrentText(shown(report.puller));
    ropeStrength->setText(shown(report.rope_strength));
    designFactor->setText(qt_text(report.design_factor));
    sheaveRating->setText(shown(report.sheave_rating));
    sheavePercent->setText(qt_text(report.sheave_percent));
    capstanFriction->setText(qt_text(report.capstan_friction));
    tailLimit->setText(shown(report.tail_limit));
    planRecalculated();
}

std::vector<std::pair<Message, Message>> PullingEquipment::printedLines() const {
    return equipment_lines(findings_);
}

} // namespace tensora
