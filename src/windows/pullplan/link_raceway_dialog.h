// What a link of the plan is pulled with and through: its own coefficient of friction (typed,
// or taken from a friction library entry), and the raceway from it on (as the link before, a
// conduit of an inside diameter, or cable tray on rollers).
#pragma once

#include "cables/friction_library.h"
#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "pullplan/pull_plan.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>

namespace tensora {

class Platform;

// A link's raceway with an entry taken for it: the entry's name and coefficient (written so
// that a box reads it back as the same number); cable tray for a tray's entry, no tray for a
// conduit's; the conduit's diameter kept otherwise.
LinkRaceway raceway_with_entry(LinkRaceway raceway, const FrictionEntry& entry,
                               const NumberLocale& locale);

class LinkRacewayDialog : public QDialog {
    Q_OBJECT

public:
    // `link` is the link's number as the plan shows it; the texts of `current` are in the
    // units and number form given.
    LinkRacewayDialog(QWidget* parent, Platform& platform, const QString& link,
                      const LinkRaceway& current, FrictionLibrary library,
                      const QString& language, UnitSystem units, const NumberLocale& locale);

    // The raceway as chosen, in the units and number form given.
    LinkRaceway raceway() const;

    void accept() override;

private:
    // The library's entries in the entry list, the link's own chosen.
    void offerEntries(const std::string& chosen_name, const std::string& code);
    void entryChosen(int index);
    void frictionTyped();
    void showDiameterRow();
    // A code table's trade size gives the conduit its inside diameter.
    void tableChosen();
    void sizeChosen(int index);
    const FrictionEntry* chosenEntry() const;

    Platform& platform_;
    FrictionLibrary library_;
    std::vector<const FrictionEntry*> entries_; // in the order of linkEntry's items after "None"
    UnitSystem units_;
    NumberLocale locale_;

    QLineEdit* linkFriction;
    QComboBox* linkEntry;
    QComboBox* linkRacewayKind;
    QComboBox* linkRacewayTable;
    QComboBox* linkRacewaySize;
    QLineEdit* linkRacewayId;
    QLabel* linkRacewayIdUnit;
};

} // namespace tensora
