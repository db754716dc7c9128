#include "windows/pullplan/pull_calculator_window.h"

#include "cables/lubricants.h"
#include "numbers/input_checks.h"
#include "print/plan_colors.h"
#include "print/qt_text.h"
#include "print/spoken_message.h"
#include "widgets/friction_entries.h"
#include "windows/pullplan/link_raceway_dialog.h"
#include "pullplan/pull_check.h"
#include "report/plan_csv.h"
#include "report/report_figures.h"
#include "widgets/input_warnings.h"
#include "widgets/language.h"
#include "widgets/lines_label.h"
#include "widgets/named_control.h"
#include "widgets/tab_order.h"
#include "widgets/unit_boxes.h"
#include "windows/cables/max_pull_window.h"
#include "windows/pullplan/document_part.h"
#include "windows/pullplan/plan_follower.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace tensora {
namespace {

constexpr int kBoxWidth = 90;

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    return named(new QLabel(text, parent), name);
}

QLineEdit* box(const char* name, const QString& text, QWidget* parent, int width = kBoxWidth) {
    auto* widget = new QLineEdit(text, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setFixedWidth(width);
    return widget;
}

} // namespace

PullCalculator::PullCalculator(WindowRegistry& registry)
    : RegisteredWindow<QWidget>(registry), locale_(platform().numberLocale()),
      units_(registry.units()), plan_(locale_, units_),
      advice_(
          this,
          [this]() -> DeferredAdvice::Job {
              // The sidewall limit is the pull check's design limit, in the units shown.
              return [links = plan_.values(), settings = settings_, units = units_] {
                  return advise_pull(links, settings, design_sidewall_limit(units), units);
              };
          },
          [this] { showAdvice(); }) {
    setObjectName(QStringLiteral("PullCalculator"));
    setWindowTitle(tr("Ductivo Pull Calculator"));
    buildLayout();
    connectInputs();
    connectPlanActions();
    set_tab_order({Text6,      Text2,   Text3,      Text1,   Command2, Text7,
                   Check1,     Text4,   inclineBox, Text5,   turnBox,  tiltBox,
                   Command1,   Option1, Option2,    Option3, Option4,  racewayOption,
                   pullPointOption,
                   midAssistCheck,
                   bendWeight, List6,   applyAdvice});
    // Room for a screenful of links below the input groups, within a 1280 × 720 screen.
    resize(qMax(minimumSizeHint().width(), 900), qMax(minimumSizeHint().height(), 620));
    showUnits();
    Text4->setFocus();
    Form_Load();
}

void PullCalculator::buildLayout() {
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(buildCableInput(), 0, Qt::AlignTop);
    inputs->addWidget(buildPullInput(), 0, Qt::AlignTop);
    inputs->addWidget(buildOptions(), 1, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(buildResults(), 1);
}

void PullCalculator::connectInputs() {
    connect(Text1, &QLineEdit::textChanged, this, &PullCalculator::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &PullCalculator::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &PullCalculator::Text3_Change);
    connect(Text7, &QLineEdit::textChanged, this, &PullCalculator::Text7_Change);
    const auto number_check = [locale = locale_](std::string_view typed) {
        return range_input_message(typed, locale);
    };
    warn_when_left(platform(), Text2, locale_, number_check);
    warn_when_left(platform(), Text3, locale_, number_check);
    warn_when_left(platform(), Text1, locale_, [locale = locale_](std::string_view typed) {
        return friction_input_message(typed, locale);
    });
    // The description has no change handling of its own; only the caption's mark follows it.
    connect(Text6, &QLineEdit::textChanged, this, &PullCalculator::showModified);
    connect(Check1, &QCheckBox::toggled, this, &PullCalculator::Check1_Click);
    connect(Command1, &QPushButton::clicked, this, &PullCalculator::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PullCalculator::Command2_Click);
    // Enter submits from every input of the next link, its plane's list too.
    for (QLineEdit* input : {Text4, Text5, inclineBox, tiltBox}) {
        connect(input, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    }
    new EnterClicks(turnBox, Command1);
}

void PullCalculator::connectPlanActions() {
    connect(Option1, &QRadioButton::clicked, this, &PullCalculator::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &PullCalculator::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &PullCalculator::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &PullCalculator::Option4_Click);
    connect(racewayOption, &QRadioButton::clicked, this, &PullCalculator::racewayOption_Click);
    connect(pullPointOption, &QRadioButton::clicked, this,
            &PullCalculator::pullPointOption_Click);
    connect(midAssistCheck, &QCheckBox::toggled, this, &PullCalculator::midAssistCheck_Click);
    connect(bendWeight, &QComboBox::currentIndexChanged, this, &PullCalculator::pullcalc);
    // A click counts even on the number already selected; Enter and Space act as a click.
    connect(List6, &ActionListView::acted, this, &PullCalculator::List6_Click);
    connect(applyAdvice, &QPushButton::clicked, this, &PullCalculator::applyAdvice_Click);
}

QWidget* PullCalculator::buildCableInput() {
    auto* group = new QGroupBox(tr("Cable Input"), this);
    group->setObjectName(QStringLiteral("Frame1"));
    auto* grid = new QGridLayout(group);
    Text6 = box("Text6", QStringLiteral("Cable to pull"), group, 2 * kBoxWidth);
    Text2 = box("Text2", qt_text(design_allowable_text(units_)), group);
    Text3 = box("Text3", qt_text(locale_number_text(design_weight_text(units_), locale_)), group);
    Text1 = box("Text1", qt_text(locale_number_text("0.150", locale_)), group);
    lubricantLabel = label("lubricantLabel", QString(), group);
    keep_as_data(*lubricantLabel);
    lubricantLabel->setMinimumWidth(70);
    Command2 = new QPushButton(tr("Select Cable"), group);
    Command2->setObjectName(QStringLiteral("Command2"));
    Text7 = box("Text7", QStringLiteral("0"), group);
    Check2 = new QCheckBox(tr("Launch from Pull Calc (hidden)"), group);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setVisible(false);

    grid->addWidget(label("Label11", tr("Cable Description"), group), 0, 0);
    grid->addWidget(Text6, 0, 1, 1, 2);
    grid->addWidget(label("Label10", tr("Allowable Tension"), group), 1, 0);
    grid->addWidget(Text2, 1, 1);
    allowable_unit_ = label("Label13", QStringLiteral("lbs"), group);
    grid->addWidget(allowable_unit_, 1, 2);
    grid->addWidget(label("Label12", tr("Cable Weight"), group), 2, 0);
    grid->addWidget(Text3, 2, 1);
    weight_unit_ = label("Label14", tr("lbs / kft"), group);
    grid->addWidget(weight_unit_, 2, 2);
    grid->addWidget(label("Label15", tr("Coefficient of Friction"), group), 3, 0);
    grid->addWidget(Text1, 3, 1);
    grid->addWidget(lubricantLabel, 3, 2);
    grid->addWidget(Command2, 4, 1);
    grid->addWidget(label("Label21", tr("Back Tension"), group), 5, 0);
    grid->addWidget(Text7, 5, 1);
    back_tension_unit_ = label("Label22", QStringLiteral("lbs"), group);
    grid->addWidget(back_tension_unit_, 5, 2);
    return group;
}

QWidget* PullCalculator::buildPullInput() {
    auto* group = new QGroupBox(tr("Pull Input"), this);
    group->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(group);
    Check1 = new QCheckBox(tr("Straight Section"), group);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    Text4 = box("Text4", QString(), group);
    Label2 = label("Label2", tr("Enter the Angle"), group);
    Text5 = box("Text5", QString(), group);
    Label4 = label("Label4", tr("degrees"), group);
    Command1 = new QPushButton(tr("Submit"), group);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    grid->addWidget(Check1, 0, 0, 1, 3);
    grid->addWidget(label("Label1", tr("Enter the Section Length"), group), 1, 0);
    grid->addWidget(Text4, 1, 1);
    length_unit_ = label("Label3", QStringLiteral("ft"), group);
    grid->addWidget(length_unit_, 1, 2);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Text5, 2, 1);
    grid->addWidget(Label4, 2, 2);
    // A straight may set the route's incline; it shows where a bend's angle does.
    inclineLabel = label("inclineLabel", tr("Incline (optional)"), group);
    inclineBox = box("inclineBox", QString(), group);
    inclineBox->setToolTip(tr("Degrees above the horizontal, -90 to 90 (a riser "
                              "pulled upward is 90); empty: the route keeps its "
                              "inclination"));
    inclineLabel->setBuddy(inclineBox);
    inclineUnit = label("inclineUnit", tr("degrees"), group);
    grid->addWidget(inclineLabel, 2, 0);
    grid->addWidget(inclineBox, 2, 1);
    grid->addWidget(inclineUnit, 2, 2);
    // A bend turns left or right in the horizontal plane, upward, downward, or in a plane
    // tilted from the horizontal.
    turnLabel = label("turnLabel", tr("Bend &turns"), group);
    turnBox = new QComboBox(group);
    turnBox->setObjectName(QStringLiteral("turnBox"));
    turnBox->addItems({tr("Left"), tr("Right"), tr("Up"), tr("Down"), tr("Tilted")});
    turnLabel->setBuddy(turnBox);
    grid->addWidget(turnLabel, 3, 0);
    grid->addWidget(turnBox, 3, 1, 1, 2);
    tiltLabel = label("tiltLabel", tr("Ti&lt from horizontal"), group);
    tiltBox = box("tiltBox", QString(), group);
    tiltBox->setToolTip(tr("Degrees, -180 to 180: 0 turns left, 90 up, -90 down, 180 "
                           "right; between, the bend turns and climbs at once"));
    tiltLabel->setBuddy(tiltBox);
    tiltUnit = label("tiltUnit", tr("degrees"), group);
    grid->addWidget(tiltLabel, 4, 0);
    grid->addWidget(tiltBox, 4, 1);
    grid->addWidget(tiltUnit, 4, 2);
    // The rows that show and hide keep their place, so nothing around them moves.
    for (QWidget* row : std::initializer_list<QWidget*>{Label2, Text5, Label4, inclineLabel,
                                                        inclineBox, inclineUnit, turnLabel, turnBox,
                                                        tiltLabel, tiltBox, tiltUnit}) {
        QSizePolicy policy = row->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        row->setSizePolicy(policy);
    }
    connect(turnBox, &QComboBox::currentIndexChanged, this, &PullCalculator::showTiltRow);
    grid->addWidget(Command1, 5, 1);
    grid->setRowStretch(6, 1);
    return group;
}

QWidget* PullCalculator::buildOptions() {
    auto* group = new QGroupBox(tr("Options"), this);
    group->setObjectName(QStringLiteral("Frame4"));
    auto* column = new QVBoxLayout(group);
    QLabel* heading =
        label("Label16", tr("Clicking a link number will have the following effect:"), group);
    heading->setWordWrap(true);
    // Two lines kept for it: the row of groups lays out by its widest text, not its wrapping.
    heading->setMinimumHeight(2 * heading->fontMetrics().lineSpacing());
    column->addWidget(heading);
    const auto option = [group, column](const char* name, const QString& caption) {
        auto* button = new QRadioButton(caption, group);
        button->setObjectName(QLatin1String(name));
        // The window keeps at most one option selected itself: none is selected at first,
        // and a confirmed action clears its option again.
        button->setAutoExclusive(false);
        column->addWidget(button);
        return button;
    };
    Option1 = option("Option1", tr("Delete Link"));
    Option2 = option("Option2", tr("Delete all Links"));
    Option3 = option("Option3", tr("Insert Pull Input at Chosen Link"));
    Option4 = option("Option4", tr("Mark or Unmark a Sheave at the Bend"));
    racewayOption = option("racewayOption", tr("Set Friction or Raceway at the Link"));
    pullPointOption = option("pullPointOption", tr("Mark or Unmark a Pull Point at the Link"));
    midAssistCheck = new QCheckBox(tr("Calculate Mid-assist Pull"), group);
    midAssistCheck->setObjectName(QStringLiteral("midAssistCheck"));
    column->addSpacing(6);
    column->addWidget(midAssistCheck);
    // How much of the cable's weight presses it on a bend's wall: the weight in the bend's
    // plane (the planner's rule), or all of it, across the plane too.
    auto* weight_label = label("bendWeightLabel", tr("&Weight in bends:"), group);
    bendWeight = new QComboBox(group);
    bendWeight->setObjectName(QStringLiteral("bendWeight"));
    bendWeight->addItems({tr("In the bend's plane only"), tr("All of it")});
    weight_label->setBuddy(bendWeight);
    column->addWidget(weight_label);
    column->addWidget(bendWeight);
    column->addStretch(1);
    return group;
}

TextColumnModel* PullCalculator::planModel(std::function<std::string_view(int)> text) {
    return new TextColumnModel([this] { return static_cast<int>(plan_.size()); }, std::move(text),
                               this);
}

TextColumnModel* PullCalculator::resultModel(const TextColumn PullResults::*column,
                                             const TextColumn PullResults::Shown::*shown) {
    // Metric columns are the results' converted ones; inch-pound columns are the results'.
    const auto texts = [this, column, shown]() -> const TextColumn& {
        return units_ == UnitSystem::Metric ? results_.shown.*shown : results_.*column;
    };
    auto* model = new TextColumnModel([texts] { return static_cast<int>(texts().size()); },
                                      [texts](int row) { return texts()[row]; }, this);
    model->setSpoken([this, texts](int row) { return spoken_cell(texts()[row], locale_); });
    return model;
}

QWidget* PullCalculator::buildResults() {
    plan_models_ = {
        planModel([this](int row) { return std::string_view(plan_.number(row)); }),
        // A right turn and a tilt show beside the type.
        planModel([this](int row) -> std::string_view {
            type_cell_ = shown_link_type(plan_.texts(static_cast<std::size_t>(row)));
            return type_cell_;
        }),
        // An imported route's lengths and angles to the column's digits; the report keeps them.
        planModel([this](int row) -> std::string_view {
            length_cell_ = shown_link_figure(plan_.length(static_cast<std::size_t>(row)), locale_);
            return length_cell_;
        }),
        // A straight that runs at the route's inclination shows it, "(90)".
        planModel([this](int row) -> std::string_view {
            const auto at = static_cast<std::size_t>(row);
            if (auto inherited = inherited_incline_text(plan_.values(), results_, at, locale_)) {
                angle_cell_ = std::move(*inherited);
                return angle_cell_;
            }
            angle_cell_ = shown_link_figure(plan_.angle(at), locale_);
            return angle_cell_;
        }),
        // A link's own coefficient, library entry and raceway; empty for the plan's.
        planModel([this](int row) -> std::string_view {
            const auto at = static_cast<std::size_t>(row);
            friction_cell_ = spoken(link_raceway_words(plan_.raceway(at), plan_.values()[at],
                                                       units_),
                                    locale_)
                                 .toStdString();
            return friction_cell_;
        }),
    };
    // The type in the program's language; the tilt as typed.
    plan_models_[1]->setSpoken([this](int row) {
        return spoken(link_type_words(plan_.texts(static_cast<std::size_t>(row))), locale_);
    });
    result_models_ = {
        resultModel(&PullResults::forward, &PullResults::Shown::forward),
        resultModel(&PullResults::forward_sidewall, &PullResults::Shown::forward_sidewall),
        resultModel(&PullResults::reverse, &PullResults::Shown::reverse),
        resultModel(&PullResults::reverse_sidewall, &PullResults::Shown::reverse_sidewall)};
    // A link whose tension goes beyond the allowable tension is tinted in its direction's
    // columns, so that it shows also where mid-assist hides the bars; so is a link where the
    // cable would run under its own weight.
    const auto marks = [this](const std::vector<double> PullResults::*tensions,
                              const std::vector<char> PullResults::*held) {
        return [this, tensions, held](int row) -> std::optional<TextColumnModel::Mark> {
            const auto at = static_cast<std::size_t>(row);
            const auto& holds = results_.*held;
            if (at < holds.size() && holds[at]) {
                return TextColumnModel::Mark{kHeldRow, tr("Held at zero: the cable would run "
                                                          "under its own weight here and must "
                                                          "be held back")};
            }
            const auto& all = results_.*tensions;
            if (settings_.allowable > 0 && at < all.size() && all[at] > settings_.allowable) {
                return TextColumnModel::Mark{kOverRow, tr("Beyond the allowable tension")};
            }
            return std::nullopt;
        };
    };
    for (std::size_t i = 0; i < 4; ++i) {
        result_models_[i]->setMarks(
            i < 2 ? marks(&PullResults::forward_tension, &PullResults::forward_held)
                  : marks(&PullResults::reverse_tension, &PullResults::reverse_held));
    }

    results_panel_ = new PullResultsPanel(plan_models_, result_models_, this);
    List6 = results_panel_->linkList();
    midassistlabel = results_panel_->midAssistCaption();
    adviceLabel = results_panel_->adviceLine();
    applyAdvice = results_panel_->applyButton();
    return results_panel_;
}

void PullCalculator::Form_Load() {
    Check1_Click();
    setDocument(QString());
    document_named_ = false;
    showModified();
}

int PullCalculator::midAssistRow() const {
    const bool point = settings_.mid_assist && settings_.selected >= 0 &&
                       static_cast<std::size_t>(settings_.selected) < plan_.size();
    return point ? settings_.selected : -1;
}

PullCalculator::DocumentState PullCalculator::documentState() const {
    DocumentState state{{Text6->text(), Text2->text(), Text3->text(), Text1->text(), Text7->text()},
                        plan_.types(),
                        plan_.lengths(),
                        plan_.angles(),
                        plan_.inclines(),
                        plan_.rights(),
                        plan_.tilts(),
                        plan_.sheaves(),
                        plan_.raceways(),
                        midAssistRow(),
                        bendWeight->currentIndex() == 1,
                        sheave_percent_,
                        {}};
    for (QWidget* window : registry().loadedWindows()) {
        if (const auto* part = dynamic_cast<const DocumentPart*>(window)) {
            state.parts[window->objectName().toStdString()] = part->documentPart();
        }
    }
    return state;
}

void PullCalculator::setDocument(const QString& path) {
    ++document_count_;
    document_path_ = path;
    document_named_ = true;
    document_ = documentState();
    showModified();
}

bool PullCalculator::isModified() const {
    const std::array<QString, 5> boxes{Text6->text(), Text2->text(), Text3->text(), Text1->text(),
                                       Text7->text()};
    return boxes != document_.boxes || midAssistRow() != document_.mid_assist ||
           plan_.types() != document_.types || plan_.lengths() != document_.lengths ||
           plan_.angles() != document_.angles || plan_.inclines() != document_.inclines ||
           plan_.rights() != document_.rights || plan_.tilts() != document_.tilts ||
           plan_.sheaves() != document_.sheaves || plan_.raceways() != document_.raceways ||
           (bendWeight->currentIndex() == 1) != document_.weight_across ||
           sheave_percent_ != document_.sheave_percent || partsModified();
}

// A part whose window has closed since is no longer the document's to compare.
bool PullCalculator::partsModified() const {
    for (QWidget* window : registry().loadedWindows()) {
        if (const auto* part = dynamic_cast<const DocumentPart*>(window)) {
            const auto saved = document_.parts.find(window->objectName().toStdString());
            if (saved != document_.parts.end() && saved->second != part->documentPart()) {
                return true;
            }
        }
    }
    return false;
}

void PullCalculator::partOpened(const QString& name, const std::string& part) {
    document_.parts.try_emplace(name.toStdString(), part);
}

bool PullCalculator::partModified(const QString& name) const {
    const auto saved = document_.parts.find(name.toStdString());
    for (QWidget* window : registry().loadedWindows()) {
        const auto* part = dynamic_cast<const DocumentPart*>(window);
        if (part && window->objectName() == name) {
            return saved != document_.parts.end() && saved->second != part->documentPart();
        }
    }
    return false;
}

void PullCalculator::showModified() {
    // The mark leads, so that the caption still ends in the window's role or file.
    QString caption = kApplicationTitle + QStringLiteral(" - ") + tr("Pull Calculator");
    if (document_named_) {
        caption += QStringLiteral(" - [") +
                   (document_path_.isEmpty() ? tr("New Document") : document_path_) +
                   QLatin1Char(']');
    }
    setWindowTitle(isModified() ? QLatin1Char('*') + caption : caption);
}

void PullCalculator::Check1_Click() {
    const bool straight = Check1->isChecked();
    for (QWidget* bend_row :
         std::initializer_list<QWidget*>{Label2, Text5, Label4, turnLabel, turnBox}) {
        bend_row->setVisible(!straight);
    }
    for (QWidget* straight_row :
         std::initializer_list<QWidget*>{inclineLabel, inclineBox, inclineUnit}) {
        straight_row->setVisible(straight);
    }
    if (straight) {
        Text5->setText(QStringLiteral("0"));
    }
    showTiltRow();
}

void PullCalculator::showTiltRow() {
    const bool tilted = !Check1->isChecked() && turnBox->currentIndex() == kTiltedTurn;
    for (QWidget* tilt_row : std::initializer_list<QWidget*>{tiltLabel, tiltBox, tiltUnit}) {
        tilt_row->setVisible(tilted);
    }
}

std::string PullCalculator::text(const QLineEdit* box) const {
    return box->text().toStdString();
}

std::string PullCalculator::linkText(const QLineEdit* box) const {
    return std::string(trimmed_blanks(text(box)));
}

bool PullCalculator::nextLinkInclined() const {
    return Check1->isChecked() && !trimmed_blanks(text(inclineBox)).empty();
}

bool PullCalculator::pullInputIsNumbers() const {
    const bool tilted = !Check1->isChecked() && turnBox->currentIndex() == kTiltedTurn;
    return isNumberText(text(Text4), locale_) && isNumberText(text(Text5), locale_) &&
           (!nextLinkInclined() || is_incline_text(text(inclineBox), locale_)) &&
           (!tilted || is_tilt_text(text(tiltBox), locale_));
}

PullLinkTexts PullCalculator::nextLink() const {
    PullLinkTexts link;
    link.length = linkText(Text4);
    link.inclined = nextLinkInclined();
    link.angle = linkText(link.inclined ? inclineBox : Text5);
    if (Check1->isChecked()) {
        link.type = kStraightType;
        return link;
    }
    const std::string_view turns[] = {kBendType, kBendType, kUpType, kDownType, kTiltedType};
    const int turn = std::clamp(turnBox->currentIndex(), 0, kTiltedTurn);
    link.type = turns[turn];
    link.right = turn == 1;
    if (turn == kTiltedTurn) {
        link.tilt = linkText(tiltBox);
    }
    return link;
}

void PullCalculator::clearPullInput() {
    Text4->clear();
    Text5->clear();
    inclineBox->clear();
    tiltBox->clear();
}

std::optional<QString> PullCalculator::angleRefusal() const {
    const PullLinkTexts link = nextLink();
    const auto refusal = link_angle_refusal(link.type, read_input(link.angle, locale_));
    if (!refusal) {
        return std::nullopt;
    }
    QString why = spoken(*refusal, locale_);
    why[0] = why[0].toUpper();
    return tr("The link was not added: %1.").arg(why);
}

void PullCalculator::Command1_Click() {
    if (pullInputIsNumbers() && !plan_.full() && angleRefusal()) {
        platform().message(this, *angleRefusal());
    } else if (pullInputIsNumbers() && !plan_.full()) {
        submitLink();
        clearPullInput();
        turnBox->setCurrentIndex(0); // a bend that is not a left turn is chosen each time
        Check1->setChecked(!Check1->isChecked()); // runs Check1_Click
        Text4->setFocus();                        // ready for the next link's length
    } else {
        platform().beep();
    }
    pullcalc();
}

CableTexts PullCalculator::cableTexts() const {
    return {Text6->text(), Text2->text(), Text3->text(), Text1->text()};
}

void PullCalculator::takeCableTexts(const CableTexts& texts) {
    // Each write runs the box's own change handling, which recalculates the plan.
    Text2->setText(texts.allowable);
    Text3->setText(texts.weight);
    Text1->setText(texts.friction);
    Text6->setText(texts.description);
}

void PullCalculator::Command2_Click() {
    Check2->setChecked(true);
    registry().show<MaxPull>();
}

void PullCalculator::submitLink() {
    const int row = static_cast<int>(plan_.size());
    for (TextColumnModel* model : plan_models_) {
        model->beginInsert(row);
    }
    plan_.append(nextLink());
    for (TextColumnModel* model : plan_models_) {
        model->endInsert();
    }
    results_panel_->scrollToRow(row);
}

void PullCalculator::insertLink(int row) {
    const int appended = static_cast<int>(plan_.size());
    plan_models_[0]->beginInsert(appended); // the numbers gain one at their end
    for (std::size_t i = 1; i < plan_models_.size(); ++i) {
        plan_models_[i]->beginInsert(static_cast<int>(row));
    }
    plan_.insert(static_cast<std::size_t>(row), nextLink());
    for (TextColumnModel* model : plan_models_) {
        model->endInsert();
    }
    selectLink(row); // the selection stays on the row, which now holds the new link
    results_panel_->scrollToRow(row);
    clearPullInput();
    Check1_Click();
}

void PullCalculator::deleteLink(int row) {
    for (TextColumnModel* model : plan_models_) {
        model->beginRemove(row);
    }
    plan_.remove(static_cast<std::size_t>(row));
    for (TextColumnModel* model : plan_models_) {
        model->endRemove();
    }
    plan_models_[0]->changedFrom(row);
    selectLink(-1);
}

void PullCalculator::deleteAllLinks() {
    editPlan([](PullPlanLinks& plan) { plan.clear(); });
    selectLink(-1);
}

void PullCalculator::editPlan(const std::function<void(PullPlanLinks&)>& change) {
    for (TextColumnModel* model : plan_models_) {
        model->beginReset();
    }
    change(plan_);
    for (TextColumnModel* model : plan_models_) {
        model->endReset();
    }
    if (plan_.size() == 0) {
        route_source_.clear();
    }
}

void PullCalculator::setSheavePercent(const std::string& percent) {
    if (percent != sheave_percent_) {
        sheave_percent_ = percent;
        pullcalc();
    }
}

bool PullCalculator::importRoute(const std::vector<PullLinkTexts>& links, bool replace,
                                 const std::string& source) {
    const std::size_t kept = replace ? 0 : plan_.size();
    if (kept + links.size() > static_cast<std::size_t>(kMaxLinks)) {
        return false;
    }
    if (replace) {
        midAssistCheck->setChecked(false);
    }
    editPlan([&](PullPlanLinks& plan) {
        if (replace) {
            plan.clear();
        }
        for (PullLinkTexts link : links) {
            for (std::string* number : {&link.length, &link.angle, &link.tilt}) {
                *number = locale_number_text(*number, locale_);
            }
            plan.append(std::move(link));
        }
    });
    route_source_ = source;
    pullcalc();
    return true;
}

void PullCalculator::chooseOption(QRadioButton* chosen) {
    for (QRadioButton* option :
         {Option1, Option2, Option3, Option4, racewayOption, pullPointOption}) {
        option->setChecked(option == chosen);
    }
    midAssistCheck->setChecked(false); // runs midAssistCheck_Click when it was checked
}

void PullCalculator::Option1_Click() {
    chooseOption(Option1);
}
void PullCalculator::Option2_Click() {
    chooseOption(Option2);
}
void PullCalculator::Option3_Click() {
    chooseOption(Option3);
}
void PullCalculator::Option4_Click() {
    chooseOption(Option4);
}
void PullCalculator::racewayOption_Click() {
    chooseOption(racewayOption);
}
void PullCalculator::pullPointOption_Click() {
    chooseOption(pullPointOption);
}

void PullCalculator::midAssistCheck_Click() {
    if (midAssistCheck->isChecked()) {
        for (QRadioButton* option :
             {Option1, Option2, Option3, Option4, racewayOption, pullPointOption}) {
            option->setChecked(false);
        }
    } else {
        pullcalc();
    }
}

void PullCalculator::List6_Click(int row) {
    if (row < 0 || row >= static_cast<int>(plan_.size())) {
        return;
    }
    bool confirmed = false;
    if (Option1->isChecked()) {
        if (platform().question(this, tr("This will delete the link. Are you sure?"))) {
            confirmed = true;
            Option1->setChecked(false);
            deleteLink(row);
        }
        pullcalc();
    }
    if (Option2->isChecked()) {
        if (platform().question(this, tr("This will delete ALL links. Are you sure?"))) {
            confirmed = true;
            Option2->setChecked(false);
            deleteAllLinks();
        }
        pullcalc();
    }
    if (Option3->isChecked()) {
        if (platform().question(
                this, QStringLiteral(
                          "This will insert the data in Pull Input at this link. Are you sure?"))) {
            confirmed = true;
            Option3->setChecked(false);
            if (pullInputIsNumbers() && !plan_.full() && angleRefusal()) {
                platform().message(this, *angleRefusal());
            } else if (pullInputIsNumbers() && !plan_.full()) {
                insertLink(row);
            } else {
                platform().beep();
            }
            pullcalc();
        }
    }
    if (Option4->isChecked()) {
        // A sheave turns a bend; a straight has none to turn.
        if (plan_.type(static_cast<std::size_t>(row)) != kStraightType) {
            confirmed = true;
            Option4->setChecked(false);
            editPlan([row](PullPlanLinks& plan) {
                PullLinkTexts link = plan.texts(static_cast<std::size_t>(row));
                link.sheave = !link.sheave;
                plan.set(static_cast<std::size_t>(row), std::move(link));
            });
            pullcalc();
        } else {
            platform().beep();
        }
    }
    if (racewayOption->isChecked()) {
        confirmed = true;
        racewayOption->setChecked(false);
        chooseRaceway(row);
    }
    if (pullPointOption->isChecked()) {
        confirmed = true;
        pullPointOption->setChecked(false);
        editPlan([row](PullPlanLinks& plan) {
            LinkRaceway raceway = plan.raceway(static_cast<std::size_t>(row));
            raceway.pull_point = !raceway.pull_point;
            plan.setRaceway(static_cast<std::size_t>(row), std::move(raceway));
        });
        pullcalc();
    }
    if (midAssistCheck->isChecked()) {
        pullcalc();
    }
    // A click with nothing to do is refused with a beep; a confirmed action is no refusal.
    const bool pending = Option1->isChecked() || Option2->isChecked() || Option3->isChecked() ||
                         Option4->isChecked() || racewayOption->isChecked() ||
                         pullPointOption->isChecked();
    if (!confirmed && !pending && !midAssistCheck->isChecked()) {
        platform().beep();
    }
}

void PullCalculator::chooseRaceway(int row) {
    const auto at = static_cast<std::size_t>(row);
    LoadedLibrary loaded = load_friction_library(platform());
    auto* dialog = new LinkRacewayDialog(
        this, platform(), QString::fromStdString(plan_.number(at)), plan_.raceway(at),
        std::move(loaded.library), registry().spokenLanguage(), units_, locale_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, at] {
        if (at >= plan_.size()) {
            return; // the plan changed under the dialog
        }
        editPlan([&](PullPlanLinks& plan) { plan.setRaceway(at, dialog->raceway()); });
        pullcalc();
    });
    dialog->open();
}

void PullCalculator::Text1_Change() {
    if (!quiet_boxes_) {
        warn_about_change(platform(), Text1, locale_, friction_input_message(text(Text1), locale_));
    }
    // The label names the lubricant only while the coefficient is the one it gives.
    if (!gives_coefficient(lubricantLabel->text().toStdString(),
                           read_input(text(Text1), locale_))) {
        lubricantLabel->clear();
    }
    pullcalc();
}

void PullCalculator::Text2_Change() {
    if (!quiet_boxes_) {
        warn_about_change(platform(), Text2, locale_, range_input_message(text(Text2), locale_));
    }
    pullcalc();
}

void PullCalculator::Text3_Change() {
    if (!quiet_boxes_) {
        warn_about_change(platform(), Text3, locale_, range_input_message(text(Text3), locale_));
    }
    pullcalc();
}

void PullCalculator::Text7_Change() {
    if (isNumberText(text(Text7), locale_)) {
        pullcalc();
    } else if (!quiet_boxes_) {
        platform().beep();
    }
}

int PullCalculator::selectedLink() const {
    const QModelIndexList selected = List6->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void PullCalculator::selectLink(int row) {
    if (row < 0) {
        List6->selectionModel()->clear();
        return;
    }
    const QModelIndex index = plan_models_[0]->index(row);
    List6->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void PullCalculator::pullcalc() {
    const int previous_rows = static_cast<int>(results_.forward.size());
    PullSettingsTexts texts;
    texts.friction = text(Text1);
    texts.allowable = text(Text2);
    texts.weight = text(Text3);
    texts.back_tension = text(Text7);
    texts.mid_assist = midAssistCheck->isChecked();
    texts.selected = selectedLink();
    texts.weight_across = bendWeight->currentIndex() == 1;
    texts.sheave_percent = sheave_percent_;
    settings_ = read_pull_settings(texts, locale_, units_);
    plan_.calculate(settings_, results_);
    show_columns(plan_.values(), units_, locale_.decimal, results_);
    advice_.planChanged();
    if (units_ == UnitSystem::Metric) {
        showUnits(); // a column passing 10,000 N turns to kN
    }
    showResults(previous_rows);
    showModified();
    Check2->setChecked(false);
    tellFollowers();
}

const PullAdvice& PullCalculator::advice() const {
    return advice_.advice();
}

void PullCalculator::showAdvice() {
    const PullAdvice& shown = advice();
    adviceLabel->setFullText(spoken(advice_text(shown, units_), locale_));
    applyAdvice->setEnabled(shown.mid_assist &&
                            midAssistRow() != static_cast<int>(*shown.mid_assist));
    for (QWidget* window : registry().loadedWindows()) {
        if (auto* follower = dynamic_cast<PlanFollower*>(window)) {
            follower->adviceFound();
        }
    }
}

void PullCalculator::applyAdvice_Click() {
    const PullAdvice& advised = advice();
    if (!advised.mid_assist) {
        platform().beep();
        return;
    }
    const int row = static_cast<int>(*advised.mid_assist);
    midAssistCheck->setChecked(true); // clears the options, as a click on it does
    selectLink(row);
    results_panel_->scrollToRow(row);
    pullcalc();
}

void PullCalculator::tellFollowers() {
    for (QWidget* window : registry().loadedWindows()) {
        if (auto* follower = dynamic_cast<PlanFollower*>(window)) {
            follower->planRecalculated();
        }
    }
}

void PullCalculator::closeEvent(QCloseEvent* event) {
    // Closing discards the plan: changes not saved are saved first, or dropped, or kept open.
    if (isModified() &&
        !registry().mayDropChanges(this, tr("The pull plan has changes that are not saved. "
                                            "Save them before closing the Pull Calculator?"))) {
        event->ignore();
        return;
    }
    RegisteredWindow<QWidget>::closeEvent(event);
    if (event->isAccepted()) {
        tellFollowers(); // back to the empty design plan
    }
}

void PullCalculator::showResults(int previous_rows) {
    const bool same_rows = previous_rows == static_cast<int>(results_.forward.size());
    plan_models_[3]->changedFrom(0); // inherited inclinations follow the links before them
    for (TextColumnModel* model : result_models_) {
        if (same_rows) {
            model->changedFrom(0);
        } else {
            model->beginReset();
            model->endReset();
        }
    }
    if (!same_rows) {
        results_panel_->followLinkList();
    }
    // Each share as text, "-" without an allowable tension to compare with.
    const auto share = [](const std::string& text) {
        return text.empty() ? QStringLiteral("-") : qt_text(text);
    };
    results_panel_->showShares(results_.forward_percent, results_.reverse_percent,
                               share(results_.forward_share), share(results_.reverse_share),
                               results_.bars_visible);
    midassistlabel->setText(spoken(results_.caption, locale_));
}

ProfileData PullCalculator::profile() const {
    ProfileData profile = tension_profile({plan_.values(), plan_.angles(), settings_, results_});
    convert_profile(profile, units_, locale_.decimal);
    return profile;
}

PrintedReport PullCalculator::printedReport() const {
    PrintedReport printed;
    printed.plan = planTexts(units_);
    show_link_figures(printed.plan.links, plan_.values(), results_, locale_);
    printed.units = units_;
    const PullResults::Shown& shown = results_.shown;
    printed.column_units = {shown.forward_unit, shown.forward_sidewall_unit, shown.reverse_unit,
                            shown.reverse_sidewall_unit};
    printed.lubricant = lubricantLabel->text().toStdString();
    printed.forward_share = results_.forward_share;
    printed.reverse_share = results_.reverse_share;
    printed.caption = results_.caption;
    printed.advice = advice_text(advice(), units_);
    printed.over_limit = links_over_limit(results_, settings_.allowable);
    printed.profile = profile();
    printed.link_raceways = linkRaceways();
    if (pull_log_) {
        printed.log = printed_log(pull_log_->log, pullLogFit(), pull_log_->forward,
                                  settings_.allowable, units_);
    }
    return printed;
}

void PullCalculator::setPullLog(std::optional<PullLog> log) {
    pull_log_ = std::move(log);
    tellFollowers();
}

LogFit PullCalculator::pullLogFit() const {
    return pull_log_ ? fit_tension_log(plan_.values(), settings_, pull_log_->log,
                                       pull_log_->forward, design_sidewall_limit(units_), units_)
                     : LogFit{};
}

std::vector<Message> PullCalculator::linkRaceways() const {
    std::vector<Message> words;
    for (std::size_t i = 0; i < plan_.size(); ++i) {
        words.push_back(link_raceway_words(plan_.raceway(i), plan_.values()[i], units_));
    }
    return words;
}

PullPlanReport PullCalculator::report() const {
    return plan_in_file_form(planTexts(UnitSystem::InchPound), locale_);
}

PullPlanReport PullCalculator::planTexts(UnitSystem units) const {
    // Inch-pound texts of a metric plan are its typed texts converted; the results' own
    // columns are inch-pound.
    // A text not edited since the last switch of units is the very text it had in the other
    // units.
    const auto in_units = [&](const QLineEdit* box, std::size_t memo, Quantity quantity) {
        return text_in_other_units(text(box), box_memos_[memo], quantity, units_, units, locale_);
    };
    PullPlanReport report{text(Text6),
                          in_units(Text2, 0, Quantity::Tension),
                          in_units(Text3, 1, Quantity::Weight),
                          text(Text1),
                          english_text(results_.caption),
                          {},
                          in_units(Text7, 2, Quantity::Tension)};
    const bool shown = units == UnitSystem::Metric;
    const PullResults::Shown& metric = results_.shown;
    const std::array<const TextColumn*, 4> columns =
        shown ? std::array{&metric.forward, &metric.forward_sidewall, &metric.reverse,
                           &metric.reverse_sidewall}
              : std::array{&results_.forward, &results_.forward_sidewall, &results_.reverse,
                           &results_.reverse_sidewall};
    report.links.reserve(plan_.size());
    for (std::size_t row = 0; row < plan_.size(); ++row) {
        const auto cell = [row](const TextColumn* column) {
            return row < column->size() ? std::string((*column)[row]) : std::string();
        };
        report.links.push_back({plan_.number(row), plan_.type(row), plan_.lengthIn(row, units),
                                plan_.angle(row), cell(columns[0]), cell(columns[1]),
                                cell(columns[2]), cell(columns[3]), plan_.inclined(row),
                                plan_.right(row), plan_.tilt(row), plan_.sheave(row),
                                plan_.racewayIn(row, units)});
    }
    report.bend_weight = reported_bend_weight(settings_.weight_across, plan_.values());
    report.route_source = route_source_;
    return report;
}

void PullCalculator::showUnits() {
    const auto caption = [](Quantity quantity, UnitSystem units) {
        return qt_text(unit_symbol(quantity, units));
    };
    allowable_unit_->setText(caption(Quantity::Tension, units_));
    back_tension_unit_->setText(caption(Quantity::Tension, units_));
    weight_unit_->setText(units_ == UnitSystem::Metric ? tr("kg / m") : tr("lbs / kft"));
    length_unit_->setText(caption(Quantity::Length, units_));
    // Metric headings name their column's unit (N or kN, N/m or kN/m); inch-pound ones stay as
    // they always were.
    const PullResults::Shown& shown = results_.shown;
    const std::array<std::pair<const char*, std::pair<Quantity, ColumnUnit>>, 4> headings{
        {{QT_TRANSLATE_NOOP("tensora::PullResultsPanel", "Cumulative"),
          {Quantity::Tension, shown.forward_unit}},
         {QT_TRANSLATE_NOOP("tensora::PullResultsPanel", "Side Wall"),
          {Quantity::Pressure, shown.forward_sidewall_unit}},
         {QT_TRANSLATE_NOOP("tensora::PullResultsPanel", "Cumulative"),
          {Quantity::Tension, shown.reverse_unit}},
         {QT_TRANSLATE_NOOP("tensora::PullResultsPanel", "Side Wall"),
          {Quantity::Pressure, shown.reverse_sidewall_unit}}}};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const auto& [words, unit] = headings[i];
        QString heading = PullResultsPanel::tr(words);
        if (units_ == UnitSystem::Metric) {
            const ColumnUnit column{UnitSystem::Metric, unit.second.kilo};
            heading += QStringLiteral(", ") + qt_text(column_symbol(unit.first, column));
        }
        results_panel_->resultHeading(i)->setText(heading);
    }
}

void PullCalculator::unitsChanged(UnitSystem from, UnitSystem to) {
    const bool was_modified = isModified();
    const std::array<std::pair<QLineEdit*, Quantity>, 3> boxes{
        {{Text2, Quantity::Tension}, {Text3, Quantity::Weight}, {Text7, Quantity::Tension}}};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& [box, quantity] = boxes[i];
        const QSignalBlocker quiet(box); // one recalculation below, not one per box
        switch_box_units(*box, box_memos_[i], quantity, from, to, locale_);
    }
    units_ = to;
    plan_.switchUnits(to);
    plan_models_[2]->changedFrom(0); // the lengths; the rows and the chosen link stay
    showUnits();
    pullcalc();
    // The same plan in other units is no change of the document; a changed one stays changed.
    if (!was_modified) {
        document_ = documentState();
    }
    showModified();
}

// The same plan in other words: the captions, results and title again, the document as it was.
void PullCalculator::languageChanged() {
    showUnits();
    pullcalc();
    showModified();
}

std::optional<Message> PullCalculator::inchPoundRefusal() const {
    PullSettingsTexts texts;
    texts.allowable = text(Text2);
    texts.weight = text(Text3);
    texts.back_tension = text(Text7);
    return inch_pound_refusal(texts, plan_.lengths(), units_, locale_);
}

std::string PullCalculator::planCsv() const {
    return plan_csv(report().links, plan_.values(), results_);
}

namespace {

// A text read from a report: UTF-8 where it is valid UTF-8, else 8-bit text.
QString report_text_value(const std::string& bytes) {
    return is_utf8(bytes) ? QString::fromStdString(bytes)
                          : QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

void PullCalculator::applyReport(const ReportSettings& report) {
    // The report names what it cannot read; the boxes take its texts without warning again.
    quiet_boxes_ = true;
    if (report.has_plan) {
        // The report's plan replaces the plan: no link of the previous one stays behind.
        editPlan([&report](PullPlanLinks& plan) {
            plan.clear();
            for (const PullLinkTexts& link : report.links) {
                plan.setFromReport(plan.size(), link);
            }
        });
        selectLink(-1);
    }
    const std::pair<const std::optional<std::string>*, QLineEdit*> boxes[] = {
        {&report.description, Text6},
        {&report.allowable, Text2},
        {&report.weight, Text3},
        {&report.friction, Text1},
        {&report.back_tension, Text7}};
    for (const auto& [value, box] : boxes) {
        if (*value) {
            QString shown = report_text_value(**value);
            if (box != Text6) {
                // Figures are in the file's form; the boxes show the locale's.
                shown = qt_text(locale_number_text(shown.toStdString(), locale_));
            }
            // The report's figures are inch-pound: shown in the units in use, remembered so
            // that the report saved again holds the very texts it was read as.
            const std::size_t memo = box == Text2 ? 0 : box == Text3 ? 1 : 2;
            if (units_ == UnitSystem::Metric && box != Text6 && box != Text1) {
                shown = qt_text(switched_text(shown.toStdString(), box_memos_[memo],
                                              box == Text3 ? Quantity::Weight : Quantity::Tension,
                                              UnitSystem::InchPound, units_, locale_));
            }
            box->setText(shown);
            box->setCursorPosition(0);
        }
    }
    quiet_boxes_ = false;
    if (report.has_plan) {
        route_source_ = report.route_source;
    }
    sheave_percent_ = locale_number_text(report.sheave_percent, locale_);
    bendWeight->setCurrentIndex(report.weight_across ? 1 : 0);
    if (report.has_plan) {
        midAssistCheck->setChecked(report.mid_assist_row.has_value());
        if (report.mid_assist_row) {
            selectLink(*report.mid_assist_row);
        }
    }
    pullcalc();
}

} // namespace tensora
