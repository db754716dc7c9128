// Tools > Friction Library: the coefficients of friction by raceway, cable jacket and
// lubricant, each with the source of its figure, searchable by keyboard. The shipped entries
// are read only; the user adds, edits and deletes entries of their own, kept in the user's
// settings folder. An entry is taken for the plan's coefficient or for one link.
#pragma once

#include "cables/friction_library.h"
#include "widgets/language.h"
#include "widgets/window_registry.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include <functional>

namespace tensora {

// The fields of one entry of the user's own, added or edited.
class FrictionEntryDialog : public QDialog {
    Q_OBJECT

public:
    FrictionEntryDialog(QWidget* parent, Platform& platform, const FrictionEntry& entry,
                        const QString& language, const NumberLocale& locale);
    // The entry as typed (the texts in the language given).
    FrictionEntry entry() const;
    void accept() override;

private:
    Platform& platform_;
    FrictionEntry original_;
    std::string language_;
    NumberLocale locale_;

    QLineEdit* entryName;
    QLineEdit* entryCoefficient;
    QComboBox* entryKind;
    QLineEdit* entryRaceway;
    QLineEdit* entryJacket;
    QLineEdit* entryLubricant;
    QLineEdit* entryStandsFor;
    QLineEdit* entrySource;
};

class FrictionLibraryWindow : public RegisteredWindow<QWidget>, public LanguageFollower {
    Q_OBJECT

public:
    explicit FrictionLibraryWindow(WindowRegistry& registry);

    void languageChanged() override { showEntries(); }
    const FrictionLibrary& library() const { return loaded_.library; }

    // The entry chosen in the list, or nullptr.
    const FrictionEntry* chosenEntry() const;
    // Takes the chosen entry's coefficient for the plan, or for the link of the spin box.
    void useForPlan_Click();
    void useForLink_Click();
    void add_Click();
    void edit_Click();
    void delete_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    // Reads the library again (another window may have changed the user's entries).
    void reload();
    void showEntries();
    void showButtons();
    // Keeps a change of the user's entries: written whole, else said and undone.
    void keep(const std::optional<Message>& refused, const FrictionLibrary& before);
    // The user's own entry chosen, which may be changed; none, with a beep, otherwise.
    const FrictionEntry* changeableEntry();
    // Opens the entry's dialog; on OK `change` makes the library take the entry typed, which
    // is then kept.
    void askEntry(const FrictionEntry& entry,
                  std::function<std::optional<Message>(FrictionLibrary&, const FrictionEntry&)>
                      change);

    NumberLocale locale_;
    LoadedLibrary loaded_;

    QLineEdit* librarySearch;
    QTreeWidget* libraryList;
    QLabel* libraryNote;
    QPushButton* libraryUsePlan;
    QPushButton* libraryUseLink;
    QSpinBox* libraryLink;
    QPushButton* libraryAdd;
    QPushButton* libraryEdit;
    QPushButton* libraryDelete;
    QPushButton* libraryClose;
};

} // namespace tensora
