#include "pullplan/pulling_equipment.h"

#include <cmath>
#include <numbers>

namespace tensora {

double sheave_load(double tension, double bend_angle) {
    const double legs = 180 - bend_angle;
    return 2 * tension * std::cos(legs / 2 * std::numbers::pi / 180);
}

double capstan_tail(double tension, double friction, int wraps) {
    return tension / std::exp(0.0175 * friction * 360 * wraps);
}

EquipmentCheck check_equipment(const std::vector<PullLinkValues>& links,
                               const std::vector<double>& leaving, bool forward, double allowable,
                               const EquipmentInputs& inputs) {
    EquipmentCheck check;
    check.forward = forward;
    for (std::size_t i = 0; i < leaving.size() && i < links.size(); ++i) {
        if (std::isfinite(leaving[i]) && (check.highest_link < 0 || leaving[i] > check.highest)) {
            check.highest = leaving[i];
            check.highest_link = static_cast<int>(i);
        }
    }
    if (inputs.puller) {
        const double rating = *inputs.puller;
        check.puller_margin = rating > 0 ? (rating - check.highest) / rating * 100 : 0;
        check.puller = rating < check.highest                ? PullerVerdict::TooWeak
                       : allowable > 0 && rating > allowable ? PullerVerdict::AboveAllowable
                                                             : PullerVerdict::Ok;
    }
    // The rope serves the puller's whole rating; without a puller, the pull it must carry.
    check.rope_minimum = inputs.design_factor * inputs.puller.value_or(check.highest);
    check.factor_lowered = inputs.design_factor < kLeastDesignFactor;
    if (inputs.rope_strength) {
        check.rope = *inputs.rope_strength >= check.rope_minimum ? RopeVerdict::Serves
                                                                 : RopeVerdict::TooWeak;
        check.working_load = *inputs.rope_strength / inputs.design_factor;
    }
    for (std::size_t i = 0; i < links.size() && i < leaving.size(); ++i) {
        if (!links[i].sheave || links[i].straight) {
            continue;
        }
        SheaveLoad sheave;
        sheave.link = static_cast<int>(i);
        sheave.tension = leaving[i];
        sheave.legs_angle = 180 - links[i].angle;
        sheave.load = sheave_load(leaving[i], links[i].angle);
        if (inputs.sheave_rating) {
            sheave.verdict =
                sheave.load > *inputs.sheave_rating ? SheaveVerdict::OverRating : SheaveVerdict::Ok;
        }
        check.sheaves.push_back(sheave);
    }
    for (int wraps = kFewestWraps; wraps <= kMostWraps; ++wraps) {
        const double tail = capstan_tail(check.highest, inputs.capstan_friction, wraps);
        check.capstan.push_back({wraps, tail, tail > inputs.tail_limit});
    }
    check.ok = check.puller != PullerVerdict::TooWeak && check.rope != RopeVerdict::TooWeak;
    for (const SheaveLoad& sheave : check.sheaves) {
        check.ok = check.ok && sheave.verdict != SheaveVerdict::OverRating;
    }
    return check;
}

std::string_view puller_verdict_key(PullerVerdict verdict) {
    switch (verdict) {
    case PullerVerdict::Ok:
        return "ok";
    case PullerVerdict::TooWeak:
        return "too weak";
    case PullerVerdict::AboveAllowable:
        return "above allowable";
    case PullerVerdict::NotGiven:
        break;
    }
    return "not given";
}

std::string_view rope_verdict_key(RopeVerdict verdict) {
    switch (verdict) {
    case RopeVerdict::Serves:
        return "serves";
    case RopeVerdict::TooWeak:
        return "too weak";
    case RopeVerdict::NotGiven:
        break;
    }
    return "not given";
}

std::string_view sheave_verdict_key(SheaveVerdict verdict) {
    switch (verdict) {
    case SheaveVerdict::Ok:
        return "ok";
    case SheaveVerdict::OverRating:
        return "over rating";
    case SheaveVerdict::NoRating:
        break;
    }
    return "no rating";
}

} // namespace tensora
