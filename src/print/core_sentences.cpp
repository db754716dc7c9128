#include "print/core_sentences.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

namespace tensora {
namespace {

// The patterns of the core's sentences, for the translation files.
constexpr const char* kPatterns[] = {
    // The pull check's verdict, findings and result lines.
    QT_TRANSLATE_NOOP("Sentences", "Pull OK"),
    QT_TRANSLATE_NOOP("Sentences", "The cables do not fit this conduit"),
    QT_TRANSLATE_NOOP("Sentences", "The arrangement does not suit the number of cables"),
    QT_TRANSLATE_NOOP("Sentences", "three cables lie triangular or cradled, not in a diamond"),
    QT_TRANSLATE_NOOP("Sentences", "four cables lie cradled or in a diamond, not triangular"),
    QT_TRANSLATE_NOOP("Sentences", "Sidewall pressure exceeds %1 at link %2 %3"),
    QT_TRANSLATE_NOOP("Sentences", "Sidewall pressure exceeds %1 at link %2 %3 and at 1 more bend"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Sidewall pressure exceeds %1 at link %2 %3 and at %4 more bends"),
    QT_TRANSLATE_NOOP("Sentences", "in both pulls"),
    QT_TRANSLATE_NOOP("Sentences", "in the forward pull"),
    QT_TRANSLATE_NOOP("Sentences", "in the reverse pull"),
    QT_TRANSLATE_NOOP("Sentences",
                      "The cable runs under its own weight at link %1 in the forward pull: hold "
                      "it back"),
    QT_TRANSLATE_NOOP("Sentences",
                      "The cable runs under its own weight at link %1 in the reverse pull: hold "
                      "it back"),
    QT_TRANSLATE_NOOP("Sentences", "Forward pull exceeds the allowable tension at link %1"),
    QT_TRANSLATE_NOOP("Sentences", "Reverse pull exceeds the allowable tension at link %1"),
    QT_TRANSLATE_NOOP("Sentences", "The clearance is below the minimum"),
    QT_TRANSLATE_NOOP("Sentences", "The fill of %1% exceeds the electrical code's limit of %2%"),
    QT_TRANSLATE_NOOP("Sentences", "The cables may jam (%1 risk)"),
    QT_TRANSLATE_NOOP("Sentences", "significant"),
    QT_TRANSLATE_NOOP("Sentences", "moderate"),
    QT_TRANSLATE_NOOP("Sentences", "small"),
    QT_TRANSLATE_NOOP("Sentences", "very small"),
    QT_TRANSLATE_NOOP("Sentences", "Enter the cable's outside diameter"),
    QT_TRANSLATE_NOOP("Sentences", "Enter the conduit's inside diameter"),
    QT_TRANSLATE_NOOP("Sentences", "no cable outside diameter"),
    QT_TRANSLATE_NOOP("Sentences", "no conduit inside diameter"),
    QT_TRANSLATE_NOOP("Sentences", "no clearance formula for this arrangement"),
    QT_TRANSLATE_NOOP("Sentences", "mixed sizes: no jam band"),
    QT_TRANSLATE_NOOP("Sentences", "Without a mid-assist point: %1"),
    QT_TRANSLATE_NOOP("Sentences", "%1, over the electrical code's %2% for %3"),
    QT_TRANSLATE_NOOP("Sentences", "%1, within the electrical code's %2% for %3"),
    QT_TRANSLATE_NOOP("Sentences", "one cable"),
    QT_TRANSLATE_NOOP("Sentences", "two cables"),
    QT_TRANSLATE_NOOP("Sentences", "more than two cables"),
    QT_TRANSLATE_NOOP("Sentences", "%1, jam risk %2"),
    QT_TRANSLATE_NOOP("Sentences", "single cable"),
    QT_TRANSLATE_NOOP("Sentences", "five or more cables"),
    QT_TRANSLATE_NOOP("Sentences", "triangular"),
    QT_TRANSLATE_NOOP("Sentences", "cradled"),
    QT_TRANSLATE_NOOP("Sentences", "diamond"),
    QT_TRANSLATE_NOOP("Sentences", "automatic"),
    QT_TRANSLATE_NOOP("Sentences", "%1, below the minimum of %2"),
    QT_TRANSLATE_NOOP("Sentences", "%1, minimum %2"),
    QT_TRANSLATE_NOOP("Sentences", "%1 at link %2, allowable %3"),
    QT_TRANSLATE_NOOP("Sentences", "no links in the plan"),
    QT_TRANSLATE_NOOP("Sentences", "%1 cable weighing %2, largest OD %3"),
    QT_TRANSLATE_NOOP("Sentences", "%1 cables weighing %2, largest OD %3"),
    QT_TRANSLATE_NOOP("Sentences", "over both ways"),
    QT_TRANSLATE_NOOP("Sentences", "over forward"),
    QT_TRANSLATE_NOOP("Sentences", "over reverse"),
    QT_TRANSLATE_NOOP("Sentences", "Please enter a number"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Enter a coefficient between 0 and 1.  If you don't know, use 0.5"),
    QT_TRANSLATE_NOOP("Sentences", "Enter a rating above 0"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Enter a bend radius above 0, or leave the box empty to take each bend's "
                      "radius from its length and angle"),
    QT_TRANSLATE_NOOP("Sentences", "Interlocked armour"),
    QT_TRANSLATE_NOOP("Sentences", "Control and 600 V cable"),
    QT_TRANSLATE_NOOP("Sentences", "Power cable 600 V to 35 kV"),
    // The cable set's rules and refusals.
    QT_TRANSLATE_NOOP("Sentences", "Pulling eye on the conductors"),
    QT_TRANSLATE_NOOP("Sentences", "Pulling eye, single conductors conservatively"),
    QT_TRANSLATE_NOOP("Sentences", "Basket grip"),
    QT_TRANSLATE_NOOP("Sentences", "Cable ratings"),
    QT_TRANSLATE_NOOP("Sentences", "As typed in the planner"),
    QT_TRANSLATE_NOOP("Sentences", "give the conductor size of group %1"),
    QT_TRANSLATE_NOOP("Sentences", "give the conductor material of group %1"),
    QT_TRANSLATE_NOOP("Sentences", "give the rating of group %1"),
    QT_TRANSLATE_NOOP("Sentences", "not a positive number"),
    QT_TRANSLATE_NOOP("Sentences", "not a number of 0 or more"),
    QT_TRANSLATE_NOOP("Sentences", "not a whole number of 1 or more"),
    QT_TRANSLATE_NOOP("Sentences", "not a conductor size (AWG as 6 or 1/0, kcmil, mm2)"),
    QT_TRANSLATE_NOOP("Sentences", "not a conductor material (cu or al)"),
    // The advice.
    QT_TRANSLATE_NOOP("Sentences", "Either way: %1 each way"),
    QT_TRANSLATE_NOOP("Sentences", "Pull forward: %1% lower, %2 against %3"),
    QT_TRANSLATE_NOOP("Sentences", "Pull in reverse: %1% lower, %2 against %3"),
    QT_TRANSLATE_NOOP("Sentences", "a mid-assist point after link %1, %2, lowers it to %3"),
    QT_TRANSLATE_NOOP("Sentences", "pulled in reverse"),
    QT_TRANSLATE_NOOP("Sentences", "pulled forward"),
    QT_TRANSLATE_NOOP("Sentences", "no mid-assist advice: %1"),
    QT_TRANSLATE_NOOP("Sentences", "no mid-assist point lowers it"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Mid-assist point after link %1 as advised: %2, the highest tension is %3"),
    QT_TRANSLATE_NOOP("Sentences", "without it, forward %1, reverse %2"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Even the best pull exceeds the allowable tension of %1 at link %2"),
    QT_TRANSLATE_NOOP("Sentences", "Sidewall bearing pressure exceeds %1 at link %2"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Pulled forward, the cable runs under its own weight at link %1: hold it "
                      "back there"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Pulled in reverse, the cable runs under its own weight at link %1: hold "
                      "it back there"),
    QT_TRANSLATE_NOOP("Sentences", "the cable's weight is negative"),
    QT_TRANSLATE_NOOP("Sentences", "the cable's weight is no finite number"),
    QT_TRANSLATE_NOOP("Sentences", "the coefficient of friction is negative"),
    QT_TRANSLATE_NOOP("Sentences", "the coefficient of friction is no finite number"),
    QT_TRANSLATE_NOOP("Sentences", "link %1 has a negative length"),
    QT_TRANSLATE_NOOP("Sentences", "link %1 holds a figure beyond the computer's numbers"),
    // The planner's refusals and captions.
    QT_TRANSLATE_NOOP("Sentences", "Mid-assist pull point between links %1 and %2"),
    QT_TRANSLATE_NOOP("Sentences", "the angle is not a finite number"),
    QT_TRANSLATE_NOOP("Sentences", "an Up or Down bend turns at most 360 degrees"),
    QT_TRANSLATE_NOOP("Sentences", "a tilted bend turns at most 360 degrees"),
    QT_TRANSLATE_NOOP("Sentences", "%1 (%2) is beyond what a report holds in %3"),
    QT_TRANSLATE_NOOP("Sentences", "the allowable tension"),
    QT_TRANSLATE_NOOP("Sentences", "the cable weight"),
    QT_TRANSLATE_NOOP("Sentences", "the back tension"),
    QT_TRANSLATE_NOOP("Sentences", "the length of link %1"),
    // The tension profile's legends and notes.
    QT_TRANSLATE_NOOP("Sentences", "Forward pull"),
    QT_TRANSLATE_NOOP("Sentences", "Reverse pull"),
    QT_TRANSLATE_NOOP("Sentences", "highest %1 at link %2"),
    QT_TRANSLATE_NOOP("Sentences", "worst sidewall (tension / bend length) %1 at link %2"),
    QT_TRANSLATE_NOOP("Sentences", "allowable %1"),
    QT_TRANSLATE_NOOP("Sentences", "allowable %1, above the chart"),
    QT_TRANSLATE_NOOP("Sentences",
                      "Held at zero (the cable runs under its own weight: hold it back): %1"),
    QT_TRANSLATE_NOOP("Sentences", "forward pull in %1"),
    QT_TRANSLATE_NOOP("Sentences", "reverse pull in %1"),
    QT_TRANSLATE_NOOP("Sentences", "Not drawn (out of range): %1"),
    QT_TRANSLATE_NOOP("Sentences", "forward tension after %1"),
    QT_TRANSLATE_NOOP("Sentences", "reverse tension after %1"),
    QT_TRANSLATE_NOOP("Sentences", "link %1"),
    QT_TRANSLATE_NOOP("Sentences", "links %1"),
    QT_TRANSLATE_NOOP("Sentences", "links %1 to %2"),
    QT_TRANSLATE_NOOP("Sentences", "links %1 and %2"),
    // The plan's link types, as the profile names them.
    QT_TRANSLATE_NOOP("Sentences", "Straight"),
    QT_TRANSLATE_NOOP("Sentences", "Bend"),
    QT_TRANSLATE_NOOP("Sentences", "Up"),
    QT_TRANSLATE_NOOP("Sentences", "Down"),
    QT_TRANSLATE_NOOP("Sentences", "Angle"),
    QT_TRANSLATE_NOOP("Sentences", "Tilted"),
    QT_TRANSLATE_NOOP("Sentences", "right"),
    QT_TRANSLATE_NOOP("Sentences", "sheave"),
    // The pulling equipment's findings.
    QT_TRANSLATE_NOOP("Sentences", "No plan yet: add links in Tools > Pull Calculator."),
    QT_TRANSLATE_NOOP("Sentences", "Highest tension of the forward pull: %1 at link %2"),
    QT_TRANSLATE_NOOP("Sentences", "Highest tension of the reverse pull: %1 at link %2"),
    QT_TRANSLATE_NOOP("Sentences", "with a mid-assist point after link %1, %2: %3"),
    QT_TRANSLATE_NOOP("Sentences", "Puller: give its rating."),
    QT_TRANSLATE_NOOP("Sentences", "Puller: too weak, %1 against the pull's %2."),
    QT_TRANSLATE_NOOP("Sentences",
                      "Puller: %1, margin %2 %; its rating exceeds the cable's allowable "
                      "tension: set a limiter (or a weak link) at the allowable tension."),
    QT_TRANSLATE_NOOP("Sentences", "Puller: %1, margin %2 %."),
    QT_TRANSLATE_NOOP("Sentences", "Rope: a breaking strength of at least %1 serves"),
    QT_TRANSLATE_NOOP("Sentences", "%1 serves (working load %2)"),
    QT_TRANSLATE_NOOP("Sentences", "%1 is too weak"),
    QT_TRANSLATE_NOOP("Sentences", "The design factor is below 4"),
    QT_TRANSLATE_NOOP("Sentences", "Sheave at link %1: %2 on it and its anchor"),
    QT_TRANSLATE_NOOP("Sentences", "Sheave at link %1: %2 on it and its anchor, over its rating"),
    QT_TRANSLATE_NOOP("Sentences", "Sheave at link %1: %2 on it and its anchor (no rating given)"),
    QT_TRANSLATE_NOOP("Sentences",
                      "No bend is marked as turned on a sheave (mark one in the planner's "
                      "options)."),
    QT_TRANSLATE_NOOP("Sentences", "Capstan tail force"),
    QT_TRANSLATE_NOOP("Sentences", "%1 wraps %2"),
    QT_TRANSLATE_NOOP("Sentences", "%1 wraps %2 (more than a person holds)"),
    QT_TRANSLATE_NOOP("Sentences", "The equipment serves this pull."),
    QT_TRANSLATE_NOOP("Sentences", "The equipment does not serve this pull."),
    // The printed report's labels of the check, the equipment and the fill.
    QT_TRANSLATE_NOOP("Sentences", "Conduit inside diameter (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Cable outside diameter (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Minimum clearance (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Sidewall pressure limit (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Bend radius (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "from each bend's length and angle"),
    QT_TRANSLATE_NOOP("Sentences", "Cables"),
    QT_TRANSLATE_NOOP("Sentences", "Configuration"),
    QT_TRANSLATE_NOOP("Sentences", "Cable group %1"),
    QT_TRANSLATE_NOOP("Sentences", "Tension rule"),
    QT_TRANSLATE_NOOP("Sentences", "Jam ratio"),
    QT_TRANSLATE_NOOP("Sentences", "Weight correction"),
    QT_TRANSLATE_NOOP("Sentences", "Clearance"),
    QT_TRANSLATE_NOOP("Sentences", "Forward pull, corrected"),
    QT_TRANSLATE_NOOP("Sentences", "Reverse pull, corrected"),
    QT_TRANSLATE_NOOP("Sentences", "Cable set"),
    QT_TRANSLATE_NOOP("Sentences", "Allowable tension"),
    QT_TRANSLATE_NOOP("Sentences", "Code fill"),
    QT_TRANSLATE_NOOP("Sentences", "Advice"),
    QT_TRANSLATE_NOOP("Sentences", "Advice for the cable set"),
    QT_TRANSLATE_NOOP("Sentences", "Verdict"),
    QT_TRANSLATE_NOOP("Sentences", "Radius (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Bearing, forward (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Bearing, reverse (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Limit (%1)"),
    QT_TRANSLATE_NOOP("Sentences", "Pull"),
    QT_TRANSLATE_NOOP("Sentences", "Puller"),
    QT_TRANSLATE_NOOP("Sentences", "Rope"),
    QT_TRANSLATE_NOOP("Sentences", "Sheaves"),
    QT_TRANSLATE_NOOP("Sentences", "Capstan"),
    QT_TRANSLATE_NOOP("Sentences", "%1 cables"),
    QT_TRANSLATE_NOOP("Sentences", "Maximum combined pair width (in)"),
    QT_TRANSLATE_NOOP("Sentences", "Widest pair side by side (mm)"),
    QT_TRANSLATE_NOOP("Sentences", "Tensora is a product of Norvale. All rights reserved."),
    // The fill's code column, the route import and the online questions.
    QT_TRANSLATE_NOOP("Sentences", "meets"),
    QT_TRANSLATE_NOOP("Sentences", "over"),
    QT_TRANSLATE_NOOP("Sentences", "Choose a path."),
    QT_TRANSLATE_NOOP("Sentences", "The default bend radius must be a number above 0."),
    // Why a file could not be read or saved.
    QT_TRANSLATE_NOOP("Sentences", "no file name was given"),
    QT_TRANSLATE_NOOP("Sentences", "there is no such file"),
    QT_TRANSLATE_NOOP("Sentences", "it is a folder, not a file"),
    QT_TRANSLATE_NOOP("Sentences", "it is not a regular file (a device, a pipe or a socket)"),
    QT_TRANSLATE_NOOP("Sentences", "the file could not be opened"),
    QT_TRANSLATE_NOOP("Sentences", "the file could not be read to its end"),
    QT_TRANSLATE_NOOP("Sentences", "the file could not be written"),
    QT_TRANSLATE_NOOP("Sentences", "no new file could be made in its folder"),
    QT_TRANSLATE_NOOP("Sentences", "the file is not open"),
    // The route files' refusals.
    QT_TRANSLATE_NOOP("Sentences", "The bends at %1 and %2 need %3 of the %4 straight between them "
                                   "(%5 too much): give a smaller radius."),
    QT_TRANSLATE_NOOP("Sentences", "The bend at %1 needs %2 of the %3 straight after it (%4 too "
                                   "much): give a smaller radius."),
    QT_TRANSLATE_NOOP("Sentences", "The bend at %1 needs %2 of the %3 straight before it (%4 too "
                                   "much): give a smaller radius."),
    QT_TRANSLATE_NOOP("Sentences", "At %1 the route turns back on itself."),
    QT_TRANSLATE_NOOP("Sentences", "At %1 the route turns %2 degrees where an arc meets it: an arc "
                                   "must meet the straights beside it on their line."),
    QT_TRANSLATE_NOOP("Sentences", "At %1 the bend has no radius."),
    QT_TRANSLATE_NOOP("Sentences", "At %1 a coordinate is not a finite number."),
    QT_TRANSLATE_NOOP("Sentences", "The route has fewer than two distinct points."),
    QT_TRANSLATE_NOOP("Sentences",
                      "From %1 to the next point the distance is beyond what can be computed."),
    QT_TRANSLATE_NOOP("Sentences", "The drawing has no path on layer %1."),
    QT_TRANSLATE_NOOP("Sentences", "There is no path %1; the paths are:"),
    QT_TRANSLATE_NOOP("Sentences", "The file holds several paths; choose one:"),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: \"%2\" is not a group code."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: the drawing ends after a group code."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: \"%2\" is not a finite number."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: %2 gives a coordinate before its first vertex."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: %2 has no SEQEND."),
    QT_TRANSLATE_NOOP("Sentences",
                      "The drawing ends before its end (no EOF): the file is cut short."),
    QT_TRANSLATE_NOOP("Sentences",
                      "This is a binary DXF drawing: save it as an ASCII DXF and import that."),
    QT_TRANSLATE_NOOP("Sentences",
                      "The drawing has no LWPOLYLINE, POLYLINE, LINE or ARC to take a route from."),
    QT_TRANSLATE_NOOP("Sentences", "The file holds no points."),
    QT_TRANSLATE_NOOP("Sentences",
                      "Line %1: the header names no x (easting) and y (northing) columns."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: a point needs an x and a y."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: \"%2\" is not a number."),
    QT_TRANSLATE_NOOP("Sentences", "Line %1: %2"),
    QT_TRANSLATE_NOOP("Sentences", "a curve's point is not two numbers."),
    QT_TRANSLATE_NOOP("Sentences", "a curve needs its Start, Center and End."),
    QT_TRANSLATE_NOOP("Sentences", "a line needs a Start and an End of two numbers each."),
    QT_TRANSLATE_NOOP("Sentences", "a spiral is not read: replace it by lines and curves."),
    QT_TRANSLATE_NOOP("Sentences", "a profile point is not a station and a height."),
    QT_TRANSLATE_NOOP("Sentences", "The file is no LandXML document."),
    QT_TRANSLATE_NOOP("Sentences", "The file has no alignment with lines or curves."),
    QT_TRANSLATE_NOOP("Sentences", "The file cannot be read."),
    QT_TRANSLATE_NOOP("Sentences", "The file cannot be read: %1"),
    QT_TRANSLATE_NOOP("Sentences", "line %1"),
    QT_TRANSLATE_NOOP("Sentences", "layer %1, %2 at line %3, %4"),
    QT_TRANSLATE_NOOP("Sentences", "%1 at line %2, %3"),
    QT_TRANSLATE_NOOP("Sentences", "layer %1, LINE/ARC chain %2 from line %3, %4"),
    QT_TRANSLATE_NOOP("Sentences", "LINE/ARC chain %1 from line %2, %3"),
    QT_TRANSLATE_NOOP("Sentences", "points"),
    QT_TRANSLATE_NOOP("Sentences", "alignment"),
    QT_TRANSLATE_NOOP("Sentences", "%1 link, %2, rise %3"),
    QT_TRANSLATE_NOOP("Sentences", "%1 links, %2, rise %3"),
    QT_TRANSLATE_NOOP("Sentences", "bends: %1"),
    QT_TRANSLATE_NOOP("Sentences", "bends: none"),
    QT_TRANSLATE_NOOP("Sentences", "%1 left"),
    QT_TRANSLATE_NOOP("Sentences", "%1 right"),
    QT_TRANSLATE_NOOP("Sentences", "%1 up"),
    QT_TRANSLATE_NOOP("Sentences", "%1 down"),
    QT_TRANSLATE_NOOP("Sentences", "%1 tilted"),
    QT_TRANSLATE_NOOP("Sentences",
                      "This feature requires an internet connection.  Do you wish to continue?"),
    QT_TRANSLATE_NOOP("Sentences",
                      "This feature requires an internet connection and Adobe Acrobat.  A high "
                      "speed connection is recommended.  Do you wish to continue?"),
};

QRegularExpression expression_of(const QString& pattern) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QString expression = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = marker.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        expression += QRegularExpression::escape(pattern.mid(from, match.capturedStart() - from));
        expression += QStringLiteral("(.+?)");
        from = match.capturedEnd();
    }
    expression += QRegularExpression::escape(pattern.mid(from)) + QLatin1Char('$');
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

QString patterned(const QString& english);

} // namespace

const std::vector<SentencePattern>& sentence_patterns() {
    static const std::vector<SentencePattern> patterns = [] {
        std::vector<SentencePattern> list;
        for (const char* source : kPatterns) {
            list.push_back({source, expression_of(QString::fromUtf8(source))});
        }
        std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
            return std::strlen(a.source) > std::strlen(b.source);
        });
        return list;
    }();
    return patterns;
}

QString spoken(const QString& english) {
    // A figure alone ("7300", "0,5") is no sentence: the columns show many of them.
    if (std::none_of(english.cbegin(), english.cend(), [](QChar c) { return c.isLetter(); })) {
        return english;
    }
    const QByteArray utf8 = english.toUtf8();
    const QString whole = QCoreApplication::translate(kSentenceContext, utf8.constData());
    if (whole != english) {
        return whole;
    }
    // From the widest division of a text to the narrowest: a part that is no known sentence
    // may still hold some.
    for (const QString& separator :
         {QStringLiteral("\n"), QStringLiteral("; "), QStringLiteral(". "), QStringLiteral(": "),
          QStringLiteral(", ")}) {
        if (!english.contains(separator)) {
            continue;
        }
        if (separator != QLatin1String("\n")) {
            const QString patterned_text = patterned(english);
            if (patterned_text != english) {
                return patterned_text;
            }
        }
        QStringList parts = english.split(separator);
        for (QString& part : parts) {
            // ". " splits off the full stop; the part is found with it.
            const bool stop = separator == QLatin1String(". ") && &part != &parts.back();
            part = stop ? spoken(part + QLatin1Char('.')).chopped(1) : spoken(part);
        }
        return parts.join(separator);
    }
    return patterned(english);
}

QString spoken_words(std::string_view english) {
    QStringList words = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()))
                            .split(QLatin1Char(' '));
    for (QString& word : words) {
        word = QCoreApplication::translate(kSentenceContext, word.toUtf8().constData());
    }
    return words.join(QLatin1Char(' '));
}

namespace {

QString patterned(const QString& english) {
    for (const SentencePattern& pattern : sentence_patterns()) {
        const QRegularExpressionMatch match = pattern.expression.match(english);
        if (!match.hasMatch()) {
            continue;
        }
        QString text = QCoreApplication::translate(kSentenceContext, pattern.source);
        // The figures and names stay; a word the pattern leaves open ("forward") is a known
        // sentence of its own.
        for (int index = 1; index <= match.lastCapturedIndex(); ++index) {
            text = text.arg(spoken(match.captured(index)));
        }
        return text;
    }
    // A pattern stands without the full stop that ends the sentence it is the last part of.
    if (english.endsWith(QLatin1Char('.')) && !english.endsWith(QLatin1String(".."))) {
        const QString without = english.chopped(1);
        const QString text = spoken(without);
        if (text != without) {
            return text + QLatin1Char('.');
        }
    }
    return english;
}

} // namespace

} // namespace tensora
