// One plan compared under several options side by side: another coefficient of friction (or a
// friction library entry), one direction, a mid-assist point, a back tension, another conduit.
// Each option's highest tensions, their share of the allowable tension, the highest sidewall
// bearing pressure and the verdict; the option with the lowest highest tension is the best.
#pragma once

#include "cables/friction_library.h"
#include "numbers/message.h"
#include "numbers/number_rules.h"
#include "numbers/units.h"
#include "pullplan/pull_advice.h"
#include "pullplan/pull_check.h"
#include "pullplan/pull_plan.h"

#include <optional>
#include <string>
#include <vector>

namespace tensora {

// An option as typed: each text empty where the option keeps the plan's. The coefficient is a
// number or a friction library entry's name; the direction "forward" or "reverse"; the
// mid-assist point the number of the link after which it stands; the back tension and the
// conduit's inside diameter in the units typed.
struct CompareOptionTexts {
    std::string friction{};
    std::string direction{};
    std::string mid_assist{};
    std::string back_tension{};
    std::string conduit_id{};
    bool operator==(const CompareOptionTexts&) const = default;
};

// An option as the comparison takes it. The coefficient replaces the plan's; links with a
// coefficient of their own keep theirs.
struct CompareOption {
    std::optional<double> friction;
    std::string entry; // the library entry the coefficient is from, if any
    PullDirection direction = PullDirection::Either; // Either: the end the lower tension is from
    std::optional<std::size_t> mid_assist;            // the row after which the point stands
    std::optional<double> back_tension;               // lbs
    std::optional<double> conduit_id;                 // in, for the check
};

// The option of the texts, or why it cannot be taken (naming its field): a coefficient that is
// no number from 0 and no entry of the library, a direction that is neither, a mid-assist
// point that is no link after which a point may stand, a direction beside a mid-assist point
// (both halves are pulled), a back tension or diameter that is no number.
struct ReadOption {
    CompareOption option;
    std::optional<Message> refusal;
};
ReadOption read_compare_option(const CompareOptionTexts& texts, const FrictionLibrary& library,
                               std::size_t links, const NumberLocale& locale, UnitSystem units);

// The plan under one option.
struct ComparedOption {
    double forward_max = 0; // lbs; with a mid-assist point, each half's
    double reverse_max = 0;
    // The tension the option is pulled with: the direction's highest, the lower of the two,
    // or with a mid-assist point the higher of the halves.
    double highest = 0;
    PullDirection pulled = PullDirection::Either;
    std::optional<double> percent;             // of the allowable tension
    std::optional<double> sidewall;            // lbs/ft, the highest bearing pressure of a bend
    std::optional<std::size_t> sidewall_link; // its row
    Message verdict;
    bool ok = false;
};

struct Comparison {
    std::vector<ComparedOption> options;
    std::optional<std::size_t> best; // the option with the lowest highest tension, first of equals
    Message deciding;                // the figure that decides it
};

// An option's changes in words: "μ 0.35 (pvc-wet), pulled in reverse, back tension 200 lbs";
// "the plan as it is" for none.
Message option_words(const CompareOption& option, UnitSystem units);

// The options compared on the plan's links and settings. With `check` (its conduit and cables)
// each option is the pull check's corrected pull and its verdict; without, the plan's pull,
// its bends' bearing pressures held against `sidewall_limit` (lbs/ft).
Comparison compare_options(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                           const std::optional<CheckInputs>& check, double sidewall_limit,
                           const std::vector<CompareOption>& options, UnitSystem units);

// The best option of a comparison and the figure that decides it, each option named by its
// number in `numbers` (by its place from 1 where `numbers` is empty).
void choose_best(Comparison& comparison, UnitSystem units,
                 const std::vector<std::size_t>& numbers = {});

} // namespace tensora
