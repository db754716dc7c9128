#include "pullplan/option_compare.h"

#include "numbers/input_checks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace tensora {
namespace {

std::optional<double> number_of(std::string_view text, const NumberLocale& locale) {
    if (!isNumberText(text, locale)) {
        return std::nullopt;
    }
    const double value = read_input(text, locale);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// The highest of a pull's tensions (0 for none).
double pull_highest(const std::vector<double>& tensions) {
    return tensions.empty() ? 0.0 : *std::max_element(tensions.begin(), tensions.end());
}

// Which pulls an option is judged by: one direction's, or both (with a mid-assist point both
// halves are pulled).
struct Pulls {
    bool forward = true;
    bool reverse = true;
};

// The plan's own findings where no check is given: each pull judged beyond the allowable
// tension, a bend's bearing pressure beyond the limit, the cable held back; "Pull OK" without.
Message plain_verdict(const std::vector<PullLinkValues>& links, const PullResults& results,
                      double allowable, double sidewall_limit, Pulls pulls, UnitSystem units,
                      bool& ok) {
    std::vector<Message> findings;
    const std::size_t n = links.size();
    const auto first = [n](bool reverse, auto&& found) -> std::optional<std::size_t> {
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t i = reverse ? n - 1 - k : k;
            if (found(i)) {
                return i;
            }
        }
        return std::nullopt;
    };
    for (const auto& [judged, reverse, tensions, message] :
         {std::tuple{pulls.forward, false, &results.forward_tension,
                     TENSORA_TEXT("Check", "Forward pull exceeds the allowable tension at link %1")},
          std::tuple{pulls.reverse, true, &results.reverse_tension,
                     TENSORA_TEXT("Check", "Reverse pull exceeds the allowable tension at link %1")}}) {
        if (!judged || !(allowable > 0)) {
            continue;
        }
        if (const auto at = first(reverse, [&](std::size_t i) { return (*tensions)[i] > allowable; })) {
            findings.push_back(Message(message).link(*at));
        }
    }
    bool forward_over = false;
    bool reverse_over = false;
    const auto pressed = first(false, [&](std::size_t i) {
        const std::optional<double> radius =
            links[i].straight ? std::nullopt : bend_radius(links[i], std::nullopt);
        if (!radius || !(*radius > 0) || !(sidewall_limit > 0)) {
            return false;
        }
        forward_over = pulls.forward &&
                       bearing_pressure(results.forward_tension[i], *radius) > sidewall_limit;
        reverse_over = pulls.reverse &&
                       bearing_pressure(results.reverse_tension[i], *radius) > sidewall_limit;
        return forward_over || reverse_over;
    });
    if (pressed) {
        findings.push_back(
            Message(TENSORA_TEXT("Check", "Sidewall pressure exceeds %1 at link %2 %3"))
                .figure(Figure::typed(sidewall_limit, Quantity::Pressure, units))
                .link(*pressed)
                .nested(forward_over && reverse_over
                            ? Message(TENSORA_TEXT("Check", "in both pulls"))
                        : forward_over ? Message(TENSORA_TEXT("Check", "in the forward pull"))
                                       : Message(TENSORA_TEXT("Check", "in the reverse pull"))));
    }
    for (const auto& [judged, reverse, held, message] :
         {std::tuple{pulls.forward, false, &results.forward_held,
                     TENSORA_TEXT("Check", "The cable runs under its own weight at link %1 in the "
                                           "forward pull: hold it back")},
          std::tuple{pulls.reverse, true, &results.reverse_held,
                     TENSORA_TEXT("Check", "The cable runs under its own weight at link %1 in the "
                                           "reverse pull: hold it back")}}) {
        if (!judged) {
            continue;
        }
        // A level plan keeps no holds.
        if (const auto at = first(
                reverse, [&](std::size_t i) { return i < held->size() && (*held)[i] != 0; })) {
            findings.push_back(Message(message).link(*at));
        }
    }
    ok = findings.empty();
    return ok ? Message(TENSORA_TEXT("Check", "Pull OK")) : joined_messages(findings);
}

// A bend's bearing pressure, taken where it is the highest so far.
void take_sidewall(ComparedOption& compared, double pressure, std::size_t link) {
    if (!compared.sidewall || pressure > *compared.sidewall) {
        compared.sidewall = pressure;
        compared.sidewall_link = link;
    }
}

// The highest bearing pressure of the check's bends in the pulls judged, by its arrangement.
void checked_sidewall(const CheckResult& checked, Pulls pulls, ComparedOption& compared) {
    for (const CheckedBend& bend : checked.bends) {
        for (const auto& [judged, pressure] : {std::pair{pulls.forward, bend.forward_pressure},
                                               std::pair{pulls.reverse, bend.reverse_pressure}}) {
            if (judged && pressure) {
                take_sidewall(compared, *pressure, static_cast<std::size_t>(bend.link));
            }
        }
    }
}

// The same of the plan's bends: the tension leaving each over its radius.
void plain_sidewall(const std::vector<PullLinkValues>& links, const PullResults& plain,
                    Pulls pulls, ComparedOption& compared) {
    for (std::size_t i = 0; i < links.size(); ++i) {
        const std::optional<double> radius =
            links[i].straight ? std::nullopt : bend_radius(links[i], std::nullopt);
        if (!radius || !(*radius > 0)) {
            continue;
        }
        for (const auto& [judged, tensions] : {std::pair{pulls.forward, &plain.forward_tension},
                                               std::pair{pulls.reverse, &plain.reverse_tension}}) {
            if (judged) {
                take_sidewall(compared, bearing_pressure((*tensions)[i], *radius), i);
            }
        }
    }
}

// The option's pull: its settings, the check or the plan's pull, its figures.
ComparedOption compare_one(const std::vector<PullLinkValues>& links, const PullSettings& plan,
                           const std::optional<CheckInputs>& check, double sidewall_limit,
                           const CompareOption& option, UnitSystem units) {
    ComparedOption compared;
    PullSettings settings = plan;
    settings.friction = option.friction.value_or(plan.friction);
    settings.back_tension = option.back_tension.value_or(plan.back_tension);
    settings.mid_assist = option.mid_assist.has_value();
    settings.selected = option.mid_assist ? static_cast<int>(*option.mid_assist) : -1;
    const bool halves = mid_assist_point(settings, links.size()).has_value();

    PullResults plain;
    const PullResults* results = &plain;
    CheckResult checked;
    double allowable = settings.allowable;
    if (check) {
        CheckInputs inputs = *check;
        if (option.conduit_id) {
            inputs.conduit_id = *option.conduit_id;
            inputs.conduit_area.reset(); // the circle of the diameter given
        }
        checked = check_pull(links, settings, inputs);
        if (!checked.problem.empty()) {
            compared.verdict = checked.verdict;
            compared.highest = std::numeric_limits<double>::quiet_NaN();
            return compared;
        }
        results = &checked.corrected;
        allowable = checked.allowable;
        sidewall_limit = inputs.sidewall_limit;
    } else {
        calculate_pull(links, "", settings, plain);
    }
    const double forward = pull_highest(results->forward_tension);
    const double reverse = pull_highest(results->reverse_tension);
    compared.forward_max = forward;
    compared.reverse_max = reverse;
    Pulls pulls;
    if (halves) {
        compared.highest = std::max(forward, reverse);
    } else {
        const bool forward_pulled = option.direction == PullDirection::Forward ||
                                    (option.direction == PullDirection::Either && forward <= reverse);
        compared.pulled = forward_pulled ? PullDirection::Forward : PullDirection::Reverse;
        compared.highest = forward_pulled ? forward : reverse;
        pulls = {forward_pulled, !forward_pulled};
    }
    if (allowable > 0) {
        compared.percent = compared.highest / allowable * 100;
    }
    if (check) {
        checked_sidewall(checked, pulls, compared);
        compared.verdict = checked.verdict;
        compared.ok = checked.ok;
    } else {
        plain_sidewall(links, plain, pulls, compared);
        compared.verdict =
            plain_verdict(links, plain, allowable, sidewall_limit, pulls, units, compared.ok);
        if (option.conduit_id) {
            compared.ok = false;
            compared.verdict = Message(TENSORA_TEXT("Compare", "%1; no conduit is checked without "
                                                               "the cables of the pull check"))
                                   .nested(std::move(compared.verdict));
        }
    }
    return compared;
}

} // namespace

Message option_words(const CompareOption& option, UnitSystem units) {
    std::vector<Message> parts;
    if (option.friction) {
        //: A coefficient of friction.
        Message friction =
            Message(TENSORA_TEXT("Compare", "\u03bc %1")).figure(Figure::number(*option.friction));
        if (!option.entry.empty()) {
            //: A coefficient and the friction library entry it comes from.
            friction = Message(TENSORA_TEXT("Compare", "%1 (%2)"))
                           .nested(std::move(friction))
                           .data(option.entry);
        }
        parts.push_back(std::move(friction));
    }
    if (option.direction == PullDirection::Forward) {
        parts.emplace_back(TENSORA_TEXT("Compare", "pulled forward"));
    } else if (option.direction == PullDirection::Reverse) {
        parts.emplace_back(TENSORA_TEXT("Compare", "pulled in reverse"));
    }
    if (option.mid_assist) {
        parts.push_back(Message(TENSORA_TEXT("Compare", "mid-assist point after link %1"))
                            .link(*option.mid_assist));
    }
    if (option.back_tension) {
        parts.push_back(Message(TENSORA_TEXT("Compare", "back tension %1"))
                            .figure(Figure::typed(*option.back_tension, Quantity::Tension, units)));
    }
    if (option.conduit_id) {
        parts.push_back(Message(TENSORA_TEXT("Compare", "conduit ID %1"))
                            .figure(Figure::typed(*option.conduit_id, Quantity::Diameter, units)));
    }
    if (parts.empty()) {
        return Message(TENSORA_TEXT("Compare", "the plan as it is"));
    }
    Message words = std::move(parts.front());
    for (std::size_t i = 1; i < parts.size(); ++i) {
        words = Message(TENSORA_TEXT("Plan", "%1, %2")).nested(std::move(words)).nested(parts[i]);
    }
    return words;
}

ReadOption read_compare_option(const CompareOptionTexts& texts, const FrictionLibrary& library,
                               std::size_t links, const NumberLocale& locale, UnitSystem units) {
    ReadOption read;
    CompareOption& option = read.option;
    const auto refuse = [&read](MessageSource why, const std::string& text) {
        read.refusal = Message(why).data(std::string(trimmed_blanks(text)));
        return read;
    };
    if (const std::string_view friction = trimmed_blanks(texts.friction); !friction.empty()) {
        if (const auto value = number_of(friction, locale); value && *value >= 0) {
            option.friction = *value;
        } else if (const FrictionEntry* entry = library.find(friction)) {
            option.friction = entry->coefficient;
            option.entry = entry->name;
        } else {
            //: %1 the coefficient as typed.
            return refuse(TENSORA_TEXT("Compare", "The coefficient \"%1\" is no number from 0 and "
                                                  "no entry of the friction library"),
                          texts.friction);
        }
    }
    if (const std::string_view direction = trimmed_blanks(texts.direction); !direction.empty()) {
        if (direction == direction_key(PullDirection::Forward)) {
            option.direction = PullDirection::Forward;
        } else if (direction == direction_key(PullDirection::Reverse)) {
            option.direction = PullDirection::Reverse;
        } else {
            return refuse(TENSORA_TEXT("Compare", "The direction \"%1\" is neither forward nor "
                                                  "reverse"),
                          texts.direction);
        }
    }
    if (const std::string_view point = trimmed_blanks(texts.mid_assist); !point.empty()) {
        std::size_t link = 0;
        const auto [end, error] = std::from_chars(point.data(), point.data() + point.size(), link);
        if (error != std::errc() || end != point.data() + point.size() || link < 1 ||
            link > links) {
            return refuse(TENSORA_TEXT("Compare", "The mid-assist point \"%1\" is not the number "
                                                  "of a link of the plan"),
                          texts.mid_assist);
        }
        if (option.direction != PullDirection::Either) {
            read.refusal = Message(TENSORA_TEXT("Compare", "An option with a mid-assist point "
                                                           "pulls both halves: it takes no "
                                                           "direction"));
            return read;
        }
        option.mid_assist = link - 1;
    }
    if (!trimmed_blanks(texts.back_tension).empty()) {
        const auto value = number_of(texts.back_tension, locale);
        if (!value) {
            return refuse(TENSORA_TEXT("Compare", "The back tension \"%1\" is not a number"),
                          texts.back_tension);
        }
        option.back_tension = inch_pound_value(*value, Quantity::Tension, units);
    }
    if (!trimmed_blanks(texts.conduit_id).empty()) {
        const auto value = number_of(texts.conduit_id, locale);
        if (!value || !(*value > 0)) {
            return refuse(TENSORA_TEXT("Compare", "The conduit's inside diameter \"%1\" is not a "
                                                  "number above 0"),
                          texts.conduit_id);
        }
        option.conduit_id = inch_pound_value(*value, Quantity::Diameter, units);
    }
    return read;
}

Comparison compare_options(const std::vector<PullLinkValues>& links, const PullSettings& settings,
                           const std::optional<CheckInputs>& check, double sidewall_limit,
                           const std::vector<CompareOption>& options, UnitSystem units) {
    Comparison comparison;
    for (const CompareOption& option : options) {
        comparison.options.push_back(
            compare_one(links, settings, check, sidewall_limit, option, units));
    }
    choose_best(comparison, units);
    return comparison;
}

void choose_best(Comparison& comparison, UnitSystem units, const std::vector<std::size_t>& numbers) {
    comparison.best.reset();
    comparison.deciding = Message();
    const auto number = [&numbers](std::size_t i) {
        return static_cast<long long>(i < numbers.size() ? numbers[i] : i + 1);
    };
    // The lowest highest tension; the one next to it names the margin it wins by.
    std::optional<std::size_t> next;
    for (std::size_t i = 0; i < comparison.options.size(); ++i) {
        const double highest = comparison.options[i].highest;
        if (std::isnan(highest)) {
            continue;
        }
        if (!comparison.best || highest < comparison.options[*comparison.best].highest) {
            next = comparison.best;
            comparison.best = i;
        } else if (!next || highest < comparison.options[*next].highest) {
            next = i;
        }
    }
    if (!comparison.best) {
        return;
    }
    const ComparedOption& best = comparison.options[*comparison.best];
    if (next) {
        //: %1 the best option's number, %2 its highest tension, %3 the next option's highest
        //: tension, %4 that option's number.
        comparison.deciding =
            Message(TENSORA_TEXT("Compare", "Option %1 pulls with the lowest highest tension, "
                                            "%2, against %3 for option %4"))
                .count_arg(number(*comparison.best))
                .figure(Figure::reading(best.highest, Quantity::Tension, units))
                .figure(Figure::reading(comparison.options[*next].highest, Quantity::Tension,
                                        units))
                .count_arg(number(*next));
    } else {
        comparison.deciding =
            Message(TENSORA_TEXT("Compare", "Option %1 is the only one pulled, with %2"))
                .count_arg(number(*comparison.best))
                .figure(Figure::reading(best.highest, Quantity::Tension, units));
    }
}

} // namespace tensora
