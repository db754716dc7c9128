// One-line boxes hold one line: a line break cannot be typed into a QLineEdit, but a pasted
// text (or one written by the program) could bring one, which would split a saved report's
// line in two. Every one-line box of a window removes line breaks as they arrive, before any
// change handling sees them.
#pragma once

#include <QValidator>

class QWidget;

namespace tensora {

class OneLineValidator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

// Gives every one-line box of the window (editable combo boxes included) that has no
// validator of its own a OneLineValidator.
void keep_boxes_on_one_line(QWidget& window);

} // namespace tensora
