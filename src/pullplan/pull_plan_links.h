// The links of the pull planner as its four plan columns hold them (type, length, angle and
// link number, row by row), with each link's numbers read once as it enters the plan. The
// editing steps are those of the pull calculator: append, insert before a link, delete one
// link with renumbering, delete all.
#pragma once

#include "pullplan/pull_plan.h"

#include <string>
#include <vector>

namespace tensora {

class PullPlanLinks {
public:
    explicit PullPlanLinks(NumberLocale locale, UnitSystem units = UnitSystem::InchPound)
        : locale_(std::move(locale)), units_(units) {}

    // The units the lengths are typed in (the values are always feet).
    UnitSystem units() const { return units_; }
    // Rewrites every length in the other units: a length not edited since the last switch
    // takes back the very text it had before it, any other is converted.
    void switchUnits(UnitSystem to);

    std::size_t size() const { return types_.size(); }
    bool full() const { return size() >= static_cast<std::size_t>(kMaxLinks); }

    const std::string& type(std::size_t row) const { return types_[row]; }
    const std::string& length(std::size_t row) const { return lengths_[row]; }
    // The row's length as the given units write it: the text it had there before the last
    // switch of units, when it has not changed since.
    std::string lengthIn(std::size_t row, UnitSystem units) const;
    const std::string& angle(std::size_t row) const { return angles_[row]; }
    const std::string& number(std::size_t row) const { return numbers_[row]; }
    // Whether a straight's angle is its incline.
    bool inclined(std::size_t row) const { return inclined_[row] != 0; }
    const std::vector<char>& inclines() const { return inclined_; }
    const std::vector<char>& rights() const { return right_; }
    const std::vector<std::string>& tilts() const { return tilts_; }
    const std::vector<char>& sheaves() const { return sheave_; }
    // A bend turned on a sheave.
    bool sheave(std::size_t row) const { return sheave_[row] != 0; }
    // A horizontal bend's side and a tilted bend's tilt.
    bool right(std::size_t row) const { return right_[row] != 0; }
    const std::string& tilt(std::size_t row) const { return tilts_[row]; }
    // A link's raceway (its inside diameter in the units shown), and the same in the given
    // units, as lengthIn writes a length.
    const LinkRaceway& raceway(std::size_t row) const { return raceways_[row]; }
    LinkRaceway racewayIn(std::size_t row, UnitSystem units) const;
    // Gives a link a raceway of its own, or takes it (an empty one).
    void setRaceway(std::size_t row, LinkRaceway raceway);
    const std::vector<LinkRaceway>& raceways() const { return raceways_; }
    // The row's texts whole.
    PullLinkTexts texts(std::size_t row) const;
    const std::vector<PullLinkValues>& values() const { return values_; }
    const std::vector<std::string>& types() const { return types_; }
    const std::vector<std::string>& lengths() const { return lengths_; }
    const std::vector<std::string>& angles() const { return angles_; }

    // Adds a link at the end, numbered with the new count (its own number is not taken).
    // False when the plan is full.
    bool append(PullLinkTexts link);
    bool append(std::string type, std::string length, std::string angle, bool inclined = false) {
        return append({std::move(type), std::move(length), std::move(angle), "", inclined});
    }

    // Inserts a link before row `row`: the column of numbers gains the next number at its
    // end, so the new link takes the number of the link it displaces. False when full.
    bool insert(std::size_t row, PullLinkTexts link);
    bool insert(std::size_t row, std::string type, std::string length, std::string angle,
                bool inclined = false) {
        return insert(row, {std::move(type), std::move(length), std::move(angle), "", inclined});
    }

    // Removes a row and numbers the links 1, 2, … again.
    void remove(std::size_t row);

    void clear();

    // Sets the texts of a row as a document read back gives them; a row just past the end is
    // added.
    void set(std::size_t row, PullLinkTexts link);
    void set(std::size_t row, std::string type, std::string length, std::string angle,
             std::string number, bool inclined = false) {
        set(row,
            {std::move(type), std::move(length), std::move(angle), std::move(number), inclined});
    }

    // The same for a row read from a report, whose figures are in the file's form and whose
    // length is feet: shown in the plan's locale and units as a person would type it, and
    // remembered, so that a report saved again holds the very text it was read as while the
    // length is not changed.
    void setFromReport(std::size_t row, PullLinkTexts link);

    // The calculation over these links.
    void calculate(const PullSettings& settings, PullResults& results) const;
    // The same, the settings read from texts first by the links' own locale.
    void calculate(const PullSettingsTexts& texts, PullResults& results) const;

private:
    PullLinkValues read(std::size_t row) const;

    NumberLocale locale_;
    UnitSystem units_;
    // Per row, from the last switch of units (the length's, the inside diameter's); may be
    // short.
    std::vector<SwitchMemo> memos_;
    std::vector<SwitchMemo> id_memos_;
    std::vector<std::string> types_;
    std::vector<std::string> lengths_;
    std::vector<std::string> angles_;
    std::vector<std::string> numbers_;
    std::vector<char> inclined_;
    std::vector<char> right_;
    std::vector<char> sheave_;
    std::vector<std::string> tilts_;
    std::vector<LinkRaceway> raceways_;
    std::vector<PullLinkValues> values_;
};

} // namespace tensora
