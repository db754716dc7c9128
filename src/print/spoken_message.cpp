#include "print/spoken_message.h"

#include "pullplan/pull_plan.h"

#include <QCoreApplication>

namespace tensora {
namespace {

// The source translated, its count put in. A counted text that no translation gives takes
// the English form the core would write (one or many).
QString translated_source(const Message& message) {
    const MessageSource& source = message.source;
    if (!message.counted()) {
        return QCoreApplication::translate(source.context, source.source);
    }
    const int n = static_cast<int>(message.count);
    const QString translated = QCoreApplication::translate(source.context, source.source, source.one, n);
    QString untranslated = QString::fromUtf8(source.source);
    untranslated.replace(QStringLiteral("%n"), QString::number(n));
    if (translated != untranslated) {
        return translated;
    }
    QString english = QString::fromUtf8(n == 1 ? source.one : source.source);
    return english.replace(QStringLiteral("%n"), QString::number(n));
}

} // namespace

QString spoken(const Message& message, const NumberLocale& locale) {
    if (message.empty()) {
        return {};
    }
    std::vector<std::string> args;
    args.reserve(message.args.size());
    for (const MessageArg& arg : message.args) {
        switch (arg.kind) {
        case MessageArg::Kind::Figure: {
            // A figure beyond the columns' numbers is said in words.
            std::string text = figure_text(arg.figure, locale);
            if (text == kNotFiniteText) {
                text = spoken(kOutOfRangeWords, locale).toStdString();
            }
            args.push_back(std::move(text));
            break;
        }
        case MessageArg::Kind::Count:
            args.push_back(std::to_string(arg.count));
            break;
        case MessageArg::Kind::Nested:
            args.push_back(arg.nested ? spoken(*arg.nested, locale).toStdString() : std::string());
            break;
        case MessageArg::Kind::Data:
            args.push_back(arg.data);
            break;
        }
    }
    // The count is already in; what is left are the numbered placeholders.
    return QString::fromStdString(
        fill_placeholders(translated_source(message).toStdString(), args, message.count));
}

QString spoken_cell(std::string_view text, const NumberLocale& locale) {
    if (text == kNotFiniteText) {
        return spoken(kOutOfRangeWords, locale);
    }
    if (text == kNoLengthText) {
        return spoken(kNoLengthWords, locale);
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tensora
