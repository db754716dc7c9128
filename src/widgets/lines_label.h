// A label of a fixed number of lines that wraps its text and, where the text needs more lines
// than it has, ends its last line with an ellipsis: the whole text is its tool tip and its
// accessible name. It never grows, so that a longer text never lays its window out again.
#pragma once

#include <QLabel>

namespace tensora {

class LinesLabel : public QLabel {
    Q_OBJECT

public:
    LinesLabel(int lines, QWidget* parent);

    void setFullText(const QString& text);
    const QString& fullText() const { return full_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fit();

    int lines_;
    QString full_;
};

} // namespace tensora
