// The sentences the core writes in English (verdicts, advice, findings, refusals) as the
// windows show them in the program's language: whole sentences in the context below, and
// patterns whose %1, %2 ... stand for the figures and names the core puts in.
#pragma once

#include <QRegularExpression>

#include <string_view>
#include <vector>

namespace tensora {

inline constexpr const char* kSentenceContext = "Sentences";

struct SentencePattern {
    const char* source;
    QRegularExpression expression;
};
// Longest first, so that a pattern is tried before one that its text contains.
const std::vector<SentencePattern>& sentence_patterns();

// A text the program shows from the core (English), in the program's language: the whole text
// where it is one of the known sentences, else line by line and sentence by sentence, and
// within a sentence by the known patterns with their figures kept.
QString spoken(const QString& english);
// Each word of a short text by itself ("Angle right sheave"); figures stay.
QString spoken_words(std::string_view english);
inline QString spoken(std::string_view english) {
    return spoken(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())));
}

} // namespace tensora
