// What File > Import Route asks of a route file: which of its paths, in which units where the
// file does not say, the radius of bends the file gives none; with the links that makes (or
// why it cannot be imported) shown before the plan changes, and whether the route replaces
// the plan or follows it.
#pragma once

#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "routes/route_import.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tensora {

class RouteImportDialog : public QDialog {
    Q_OBJECT

public:
    RouteImportDialog(QWidget* parent, const QString& file_name, RouteFile file, UnitSystem units,
                      const NumberLocale& locale);

    // The route as the choices import it: its links, or why none.
    const ImportedRoute& imported() const { return imported_; }
    // Whether the user chose to replace the plan (else to append to it).
    bool replaces() const { return replaces_; }
    // Where the route came from, as the report keeps it.
    std::string source() const;

private:
    void buildChoices();
    void reimport();
    std::optional<double> feetPerUnit() const;

    QString file_name_;
    RouteFile file_;
    UnitSystem units_;
    NumberLocale locale_;
    ImportedRoute imported_;
    bool replaces_ = true;

    QListWidget* routePaths;
    QComboBox* routeUnits;
    QLineEdit* routeRadius;
    QLabel* routeSummary;
    QPushButton* replacePlan;
    QPushButton* appendPlan;
};

} // namespace tensora
