// A text of the program for a person, kept as data until it is shown: a context and a source
// text with numbered placeholders (%1 ... %9, and %n for a count that picks the plural form),
// and typed arguments. The core composes no sentence: the command line, the report file, the
// CSV and the JSON write a message in English (english_text below); the windows and the PDF
// speak it in the user's language and locale (print/spoken_message.h). The translation files
// read the sources where they are written, through the markers below.
#pragma once

#include "numbers/number_rules.h"
#include "numbers/shown_figures.h"
#include "numbers/units.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A source text of a message, as the translation files take it: its context and the text.
#define TENSORA_TEXT(context, source)                                                              \
    ::tensora::MessageSource {                                                                     \
        context, source                                                                            \
    }
// The same for a text with a count (%n): its English form for many (the source) and for one,
// which the translation files keep as the source's comment.
#define TENSORA_COUNTED(context, many, one)                                                        \
    ::tensora::MessageSource {                                                                     \
        context, many, one                                                                         \
    }

namespace tensora {

struct MessageSource {
    const char* context = "";
    const char* source = "";
    // The English form for a count of one, for a counted text; null otherwise.
    const char* one = nullptr;
};

// How a figure is written.
enum class FigureForm {
    Typed,   // as a person types it: up to 15 significant digits, no grouping (general text)
    Grouped, // the same, its whole part grouped by thousands for reading ("1,234.5")
    Fixed,   // with a fixed number of decimals
    Whole,   // rounded down to a whole number
    Column,  // as a result column shows it: whole pounds, N, or kN with two decimals; 0 shown
    Reading, // as a column shows it, grouped by thousands for reading ("1,869 lbs")
    // The same rounded up to its last digit: a minimum is never shown below itself.
    ReadingUp,
    // As a column in its unit shows it, rounded down to the unit's last digit: an allowable
    // tension is never shown above itself.
    ColumnDown,
    Limit, // to the nearest whole, grouped ("7,300 N/m")
};

// A figure: a value in the calculation's inch-pound units (or a plain number without a
// quantity), the form it is written in and whether its unit follows it.
struct Figure {
    double value = 0;
    bool has_quantity = false;
    Quantity quantity = Quantity::Length;
    ColumnUnit unit{};
    FigureForm form = FigureForm::Typed;
    int decimals = 0;
    bool symbol = true;

    // A number without a unit, as typed (a ratio, a factor, a coefficient).
    static Figure number(double value);
    // A number without a unit with its decimals ("3.3540").
    static Figure fixed(double value, int decimals);
    // A quantity in the units shown, as typed, with its unit ("0.5 in", "13 mm").
    static Figure typed(double inch_pound, Quantity quantity, UnitSystem units);
    // A quantity with a fixed number of decimals in the units shown, with its unit.
    static Figure fixed(double inch_pound, Quantity quantity, UnitSystem units, int decimals);
    // A quantity rounded down to a whole number in the units shown, with its unit.
    static Figure whole(double inch_pound, Quantity quantity, UnitSystem units);
    // A quantity as a column in this unit shows it, with the column's unit.
    static Figure column(double inch_pound, Quantity quantity, ColumnUnit unit);
    // The same rounded down to the column's last digit.
    static Figure column_down(double inch_pound, Quantity quantity, ColumnUnit unit);
    // A tension as the advice reads it: the unit chosen by the figure, grouped.
    static Figure reading(double inch_pound, Quantity quantity, UnitSystem units);
    // The same in a unit chosen for several figures that read together.
    static Figure reading(double inch_pound, Quantity quantity, ColumnUnit unit);
    // A limit: to the nearest whole in the units shown, grouped, with its unit.
    static Figure limit(double inch_pound, Quantity quantity, UnitSystem units);

    Figure without_symbol() const {
        Figure plain = *this;
        plain.symbol = false;
        return plain;
    }
};

// What a figure beyond the columns' numbers reads as (kNotFiniteText in English), for people.
inline constexpr MessageSource kOutOfRangeWords = TENSORA_TEXT("Figures", "Out of range");

// The figure's text in the locale's number form.
std::string figure_text(const Figure& figure, const NumberLocale& locale);

struct Message;

// One argument of a message.
struct MessageArg {
    enum class Kind {
        Figure, // a quantity or a number, written in the reader's number form
        Count,  // a whole number (a count, a link number), written as digits
        Nested, // a message of its own (a word from a closed list, a finding), spoken too
        Data,   // the user's own text or a file's: never translated
    };
    Kind kind = Kind::Data;
    Figure figure{};
    long long count = 0;
    std::shared_ptr<const Message> nested;
    std::string data;
};

struct Message {
    MessageSource source{};
    std::vector<MessageArg> args;
    // The count a counted text's form is chosen by (%n).
    long long count = 0;

    Message() = default;
    Message(MessageSource text) : source(text) {} // NOLINT: a message without arguments

    bool empty() const { return source.source == nullptr || *source.source == '\0'; }
    bool counted() const { return source.one != nullptr; }

    // The arguments, in the order of their placeholders.
    Message& figure(const Figure& figure);
    Message& count_arg(long long value);
    // The link numbered from 1 whose row is `row`.
    Message& link(std::size_t row) { return count_arg(static_cast<long long>(row) + 1); }
    Message& nested(Message message);
    Message& data(std::string text);
    // The count of a counted text.
    Message& counting(long long n) {
        count = n;
        return *this;
    }
};

// The message in English, with figures in plain English form ("." for the point, "," for
// groups where the figure's form groups): what the command line and the files write.
std::string english_text(const Message& message);
// The English message with figures in the locale's number form (a window in English).
std::string english_text(const Message& message, const NumberLocale& locale);

// A source with its placeholders filled: %1 ... %9 by the arguments given (each once, in one
// pass, so that an argument holding "%2" stays as it is), %n by the count. A placeholder
// without an argument stays as written.
std::string fill_placeholders(std::string_view pattern, const std::vector<std::string>& args,
                              long long count);

// A message that is only a text of the user's or a file's, never translated.
Message data_message(std::string text);
// A message that is only a figure.
Message figure_message(const Figure& figure);

// Messages joined into one, each after the first behind "; " (a verdict's findings).
Message joined_messages(const std::vector<Message>& parts);

} // namespace tensora
