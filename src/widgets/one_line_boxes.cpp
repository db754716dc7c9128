#include "widgets/one_line_boxes.h"

#include <QLineEdit>
#include <QWidget>

namespace tensora {

QValidator::State OneLineValidator::validate(QString& input, int& position) const {
    qsizetype kept = 0;
    int cursor = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (i < position) {
                --cursor;
            }
            continue;
        }
        input[kept++] = c;
    }
    input.truncate(kept);
    position = cursor;
    return Acceptable;
}

void keep_boxes_on_one_line(QWidget& window) {
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        if (!box->validator()) {
            box->setValidator(new OneLineValidator(box));
        }
    }
}

} // namespace tensora
