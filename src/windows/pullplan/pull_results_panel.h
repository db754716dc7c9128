// The planner's results area: the link columns (number, section, length, angle) and each
// direction's cumulative tension, bar and sidewall columns, scrolled together by one bar, with
// the mid-assist caption, the advice line and its button, and the legend of the tints under
// them. It shows what the planner gives it; the planner's models hold the texts.
#pragma once

#include "widgets/lines_label.h"
#include "widgets/list_controls.h"
#include "windows/pullplan/text_column_model.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include <array>

namespace tensora {

class PullResultsPanel : public QGroupBox {
    Q_OBJECT

public:
    // `plan` holds the models of the link, section, length and angle columns; `results` those
    // of the forward cumulative and sidewall, then the reverse ones.
    PullResultsPanel(const std::array<TextColumnModel*, 5>& plan,
                     const std::array<TextColumnModel*, 4>& results, QWidget* parent);

    ActionListView* linkList() const { return List6; }
    QPushButton* applyButton() const { return applyAdvice; }
    LinesLabel* adviceLine() const { return adviceLabel; }
    QLabel* midAssistCaption() const { return midassistlabel; }
    // The headings of the forward and reverse cumulative and sidewall columns.
    QLabel* resultHeading(std::size_t column) const { return result_headings_[column]; }

    // Each bar's value (0 to 100) and its true share above it ("153%", "-" for none); the
    // bars and their figures hide while a mid-assist point splits the pulls.
    void showShares(int forward, int reverse, const QString& forward_share,
                    const QString& reverse_share, bool visible);
    // Every column takes up the link numbers' position again (after their rows changed).
    void followLinkList();
    // The link row brought into view in every column.
    void scrollToRow(int row);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitSectionColumn();
    QString legendText() const;
    QLabel* legend_ = nullptr;
    void buildColumns(const std::array<TextColumnModel*, 5>& plan,
                      const std::array<TextColumnModel*, 4>& results, QGridLayout& grid);
    void buildBars(QGridLayout& grid);
    void buildAdvice(QGridLayout& grid);
    QListView* addColumn(const char* name, TextColumnModel* model, QListView* view = nullptr);
    void syncScrolling(int value);

    ActionListView* List6;
    QList<QListView*> columns_;
    QScrollBar* scroll_;
    QProgressBar* ProgressBar1;
    QProgressBar* ProgressBar2;
    QLabel* forward_percent_; // each bar's value as text
    QLabel* reverse_percent_;
    QLabel* midassistlabel;
    LinesLabel* adviceLabel;
    QPushButton* applyAdvice;
    std::array<QLabel*, 4> result_headings_{}; // Label8, Label18, Label9, Label19
};

} // namespace tensora
