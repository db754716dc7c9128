// The pull check's cable set: a table of groups of identical cables (count, description,
// diameter, weight, conductor, rating), the rule of the set's allowable tension and the eye's
// and grip's ratings. The first group is the planner's cable: its count and diameter are the
// window's own boxes, and its description, weight and rating follow the planner until the user
// edits one of them.
#pragma once

#include "pullplan/pull_check.h"
#include "report/cable_set_part.h"
#include "windows/cables/cable_receiver.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <array>
#include <vector>

namespace tensora {

class CableSetModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Count,
        Description,
        Od,
        Weight,
        Size,
        Material,
        Conductors,
        Rating,
        Kind,
        Columns
    };

    CableSetModel(const NumberLocale& locale, UnitSystem units, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    std::vector<CableGroupTexts> groups() const;
    // Sets a cell without counting it as the user's edit.
    void setCell(int row, Column column, const QString& text);
    void addGroup(const CableGroupTexts& texts);
    void removeGroup(int row);
    // Whether the first group still follows the planner, and making it follow again.
    bool plannerFirst() const { return planner_first_; }
    void setPlannerFirst(bool follows);
    // The figures in the other units: a figure not changed since the last switch gets back the
    // very text it had.
    void switchUnits(UnitSystem from, UnitSystem to);
    // The groups as the report holds them (inch-pound, plain form), and from it.
    std::vector<CableGroupTexts> inchPoundGroups() const;
    void setInchPoundGroups(const std::vector<CableGroupTexts>& groups);

signals:
    // The user edited a cell (of the first group too: its count and diameter are the window's).
    void edited(int row, int column, const QString& text);

private:
    struct Row {
        CableGroupTexts texts;
        std::array<SwitchMemo, 3> memos; // diameter, weight, rating
    };
    static std::string& cell(CableGroupTexts& texts, int column);
    static const std::string& cell(const CableGroupTexts& texts, int column);

    NumberLocale locale_;
    UnitSystem units_;
    std::vector<Row> rows_;
    bool planner_first_ = true;
};

class CableSetPanel : public QGroupBox {
    Q_OBJECT

public:
    CableSetPanel(class Platform& platform, const NumberLocale& locale, UnitSystem units,
                  QWidget* parent);

    // The planner's cable for the first group while it follows the planner; its count and
    // diameter as the window's boxes hold them.
    void followPlanner(const CableTexts& planner);
    void setFirstCount(int count);
    void setFirstDiameter(const QString& diameter);
    // A cable chosen in the library, as a group of one.
    void addCable(const ChosenCable& cable);
    // The set, its rule and ratings as the check reads them.
    void writeTexts(CheckInputTexts& texts) const;
    // A warning of the eye's or grip's box ("eye-limit", "grip-limit"), if any.
    std::optional<Message> boxWarning(std::string_view name) const;
    void switchUnits(UnitSystem from, UnitSystem to);
    CableSetReport report() const;
    void applyReport(const CableSetReport& report);
    // Every cable's diameter as shown, a group's as many times as it counts.
    QStringList diameters() const;
    CableSetModel& model() { return *model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The ratings' captions hold their unit: written again in a new language.
    void changeEvent(QEvent* event) override;

signals:
    void changed();
    // The user edited the first group's count or diameter, which the window's boxes hold.
    void firstCountEdited(int count);
    void firstDiameterEdited(const QString& diameter);
    void libraryWanted();
    void fillWanted();

private:
    QTableView* buildTable();
    class QHBoxLayout* buildButtons();
    void buildRule(QWidget* parent, class QGridLayout* grid);
    void connectControls();
    void removeChosen();
    void showFollowing();
    void showLimitCaptions();

    Platform& platform_;
    NumberLocale locale_;
    UnitSystem units_;
    CableSetModel* model_;
    std::array<SwitchMemo, 2> limit_memos_; // eye, grip
    std::array<class QLabel*, 2> limit_captions_{};

    QTableView* cableSetTable;
    QPushButton* addFromLibrary;
    QPushButton* addTyped;
    QPushButton* removeGroup;
    QPushButton* followPlannerCable;
    QPushButton* sendToFill;
    QComboBox* tensionRule;
    QLineEdit* eyeLimit;
    QLineEdit* gripLimit;
};

} // namespace tensora
