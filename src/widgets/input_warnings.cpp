#include "widgets/input_warnings.h"

#include "print/spoken_message.h"

namespace tensora {

void show_message(Platform& platform, QWidget* raiser, const Message& message) {
    platform.message(raiser->window(), spoken(message, platform.numberLocale()));
}

void warn_about_change(Platform& platform, QLineEdit* box, const NumberLocale& locale,
                       const std::optional<Message>& warning) {
    if (warning && !is_number_being_typed(box->text().toStdString(), locale)) {
        show_message(platform, box, *warning);
    }
}

void warn_when_left(Platform& platform, QLineEdit* box, const NumberLocale& locale,
                    InputCheck check) {
    QObject::connect(box, &QLineEdit::editingFinished, box,
                     [&platform, box, locale, check = std::move(check)] {
                         const std::string text = box->text().toStdString();
                         if (!is_number_being_typed(text, locale)) {
                             return; // warned, if at all, as it changed
                         }
                         if (const auto warning = check(text)) {
                             show_message(platform, box, *warning);
                         }
                     });
}

} // namespace tensora
