#include "numbers/message.h"

#include "numbers/input_checks.h"

#include <cmath>

namespace tensora {

Figure Figure::number(double value) {
    Figure figure;
    figure.value = value;
    figure.symbol = false;
    return figure;
}

Figure Figure::fixed(double value, int decimals) {
    Figure figure = number(value);
    figure.form = FigureForm::Fixed;
    figure.decimals = decimals;
    return figure;
}

Figure Figure::typed(double inch_pound, Quantity quantity, UnitSystem units) {
    Figure figure;
    figure.value = inch_pound;
    figure.has_quantity = true;
    figure.quantity = quantity;
    figure.unit = {units, false};
    return figure;
}

Figure Figure::fixed(double inch_pound, Quantity quantity, UnitSystem units, int decimals) {
    Figure figure = typed(inch_pound, quantity, units);
    figure.form = FigureForm::Fixed;
    figure.decimals = decimals;
    return figure;
}

Figure Figure::whole(double inch_pound, Quantity quantity, UnitSystem units) {
    Figure figure = typed(inch_pound, quantity, units);
    figure.form = FigureForm::Whole;
    return figure;
}

Figure Figure::column(double inch_pound, Quantity quantity, ColumnUnit unit) {
    Figure figure = typed(inch_pound, quantity, unit.units);
    figure.unit = unit;
    figure.form = FigureForm::Column;
    return figure;
}

Figure Figure::column_down(double inch_pound, Quantity quantity, ColumnUnit unit) {
    Figure figure = column(inch_pound, quantity, unit);
    figure.form = FigureForm::ColumnDown;
    return figure;
}

Figure Figure::reading(double inch_pound, Quantity quantity, UnitSystem units) {
    Figure figure =
        column(inch_pound, quantity, column_unit(quantity, units, std::fabs(inch_pound)));
    figure.form = FigureForm::Reading;
    return figure;
}

Figure Figure::reading(double inch_pound, Quantity quantity, ColumnUnit unit) {
    Figure figure = column(inch_pound, quantity, unit);
    figure.form = FigureForm::Reading;
    return figure;
}

Figure Figure::limit(double inch_pound, Quantity quantity, UnitSystem units) {
    Figure figure = typed(inch_pound, quantity, units);
    figure.form = FigureForm::Limit;
    return figure;
}

std::string figure_text(const Figure& figure, const NumberLocale& locale) {
    const double shown = figure.has_quantity
                             ? shown_value(figure.value, figure.quantity, figure.unit.units)
                             : figure.value;
    std::string text;
    switch (figure.form) {
    case FigureForm::Typed:
        text = locale_number_text(
            general_number_text(
                figure.has_quantity
                    ? typed_shown_value(figure.value, figure.quantity, figure.unit.units)
                    : shown),
            locale);
        break;
    case FigureForm::Grouped:
        text = grouped_number_text(general_number_text(shown), locale);
        break;
    case FigureForm::Fixed:
        text = locale_number_text(fixed_number_text(shown, figure.decimals), locale);
        break;
    case FigureForm::Whole:
        text = locale_number_text(wholeResultText(shown), locale);
        break;
    case FigureForm::Column:
        text = locale_number_text(column_figure_text(figure.value, figure.quantity, figure.unit),
                                  locale);
        break;
    case FigureForm::Reading:
    case FigureForm::ReadingUp: {
        const std::string column =
            figure.form == FigureForm::Reading
                ? column_value_text(figure.value, figure.quantity, figure.unit)
                : column_value_up_text(figure.value, figure.quantity, figure.unit);
        text = grouped_number_text(column.empty() ? std::string_view("0") : column, locale);
        break;
    }
    case FigureForm::ColumnDown:
        text = locale_number_text(figure.unit.kilo
                                      ? fixed_number_text(whole_number_below(shown / 10) / 100, 2)
                                      : wholeResultText(shown),
                                  locale);
        break;
    case FigureForm::Limit:
        text = grouped_number_text(wholeResultText(std::round(shown)), locale);
        break;
    }
    if (figure.symbol && figure.has_quantity) {
        text += ' ';
        text += figure.form == FigureForm::Column || figure.form == FigureForm::ColumnDown ||
                        figure.form == FigureForm::Reading || figure.form == FigureForm::ReadingUp
                    ? column_symbol(figure.quantity, figure.unit)
                    : std::string(unit_symbol(figure.quantity, figure.unit.units));
    }
    return text;
}

Message& Message::figure(const Figure& value) {
    MessageArg arg;
    arg.kind = MessageArg::Kind::Figure;
    arg.figure = value;
    args.push_back(std::move(arg));
    return *this;
}

Message& Message::count_arg(long long value) {
    MessageArg arg;
    arg.kind = MessageArg::Kind::Count;
    arg.count = value;
    args.push_back(std::move(arg));
    return *this;
}

Message& Message::nested(Message message) {
    MessageArg arg;
    arg.kind = MessageArg::Kind::Nested;
    arg.nested = std::make_shared<const Message>(std::move(message));
    args.push_back(std::move(arg));
    return *this;
}

Message& Message::data(std::string text) {
    MessageArg arg;
    arg.kind = MessageArg::Kind::Data;
    arg.data = std::move(text);
    args.push_back(std::move(arg));
    return *this;
}

std::string fill_placeholders(std::string_view pattern, const std::vector<std::string>& args,
                              long long count) {
    std::string text;
    text.reserve(pattern.size() + 16 * args.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            text += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else if (pattern[i] == '%' && next == 'n') {
            text += std::to_string(count);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string english_text(const Message& message) {
    return english_text(message, NumberLocale{".", ","});
}

std::string english_text(const Message& message, const NumberLocale& locale) {
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const MessageArg& arg : message.args) {
        switch (arg.kind) {
        case MessageArg::Kind::Figure:
            args.push_back(figure_text(arg.figure, locale));
            break;
        case MessageArg::Kind::Count:
            args.push_back(std::to_string(arg.count));
            break;
        case MessageArg::Kind::Nested:
            args.push_back(arg.nested ? english_text(*arg.nested, locale) : std::string());
            break;
        case MessageArg::Kind::Data:
            args.push_back(arg.data);
            break;
        }
    }
    const char* pattern =
        message.counted() && message.count == 1 ? message.source.one : message.source.source;
    return fill_placeholders(pattern ? pattern : "", args, message.count);
}

Message data_message(std::string text) {
    Message message(MessageSource{"Data", "%1"});
    message.data(std::move(text));
    return message;
}

Message figure_message(const Figure& figure) {
    Message message(MessageSource{"Data", "%1"});
    message.figure(figure);
    return message;
}

Message joined_messages(const std::vector<Message>& parts) {
    if (parts.empty()) {
        return {};
    }
    Message joined = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        //: Two findings of one verdict, one after the other.
        Message pair(TENSORA_TEXT("Sentences", "%1; %2"));
        pair.nested(std::move(joined)).nested(parts[i]);
        joined = std::move(pair);
    }
    return joined;
}

} // namespace tensora
