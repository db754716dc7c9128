// Tools > Quick Calculators > Pull Box Size: the least size of a pull or junction box from the
// trade sizes of the conduits entering one wall, for a straight, angle or U pull, in inches or
// (in metric) millimetres from the metric designators.
#pragma once

#include "fill/pull_box.h"
#include "widgets/language.h"
#include "widgets/unit_follower.h"
#include "widgets/window_registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace tensora {

class PullBoxSize : public RegisteredWindow<QWidget>, public UnitFollower, public LanguageFollower {
    Q_OBJECT

public:
    explicit PullBoxSize(WindowRegistry& registry);

    void unitsChanged(UnitSystem from, UnitSystem to) override;
    void languageChanged() override;

    // Adds the size the size box names (refused with the reason where the table lacks it).
    void add_Click();
    void remove_Click();
    const PullBox& box() const { return box_; }

private:
    std::optional<ConduitStandardId> chosenTable() const;
    void offerSizes();
    void calculate();

    NumberLocale locale_;
    UnitSystem units_;
    std::vector<TradeSize> sizes_;
    PullBox box_;

    QComboBox* pullBoxKind;
    QComboBox* pullBoxTable;
    QComboBox* pullBoxSize; // editable: a size typed or chosen
    QPushButton* pullBoxAdd;
    QListWidget* pullBoxSizes;
    QPushButton* pullBoxRemove;
    QCheckBox* pullBoxSmall;
    QLabel* pullBoxLength;
    QLabel* pullBoxOpposite;
    QLabel* pullBoxBetween;
    QLabel* pullBoxWorking;
};

} // namespace tensora
