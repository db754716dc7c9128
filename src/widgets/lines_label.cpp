#include "widgets/lines_label.h"

#include <QEvent>
#include <QTextLayout>

namespace tensora {

LinesLabel::LinesLabel(int lines, QWidget* parent) : QLabel(parent), lines_(lines) {
    setWordWrap(true);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(fontMetrics().lineSpacing() * lines_ + 2);
}

void LinesLabel::setFullText(const QString& text) {
    full_ = text;
    setToolTip(text);
    setAccessibleName(text);
    fit();
}

void LinesLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void LinesLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        setFixedHeight(fontMetrics().lineSpacing() * lines_ + 2);
        fit();
    }
}

void LinesLabel::fit() {
    const int width = contentsRect().width();
    if (width <= 0) {
        setText(full_);
        return;
    }
    // Lay the text out as the label wraps it; keep what its lines hold.
    QTextLayout layout(full_, font());
    layout.beginLayout();
    int shown_end = 0;
    int line_count = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (++line_count > lines_) {
            break;
        }
        shown_end = line.textStart() + line.textLength();
    }
    layout.endLayout();
    if (line_count <= lines_) {
        setText(full_);
        return;
    }
    // The last line ends in an ellipsis where the text runs on.
    const QString ellipsis = QStringLiteral("\u2026");
    QString shown = full_.left(shown_end).trimmed();
    const int last_start = shown.lastIndexOf(QLatin1Char(' '));
    while (!shown.isEmpty() &&
           fontMetrics().horizontalAdvance(shown.mid(qMax(0, last_start)) + ellipsis) > width) {
        shown.chop(1);
    }
    setText(shown + ellipsis);
}

} // namespace tensora
