#include "pullplan/pulling_equipment.h"

#include <algorithm>
#include <cmath>
#include <functional>
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
    check.allowable = allowable;
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
    bool given = check.puller != PullerVerdict::NotGiven && check.rope != RopeVerdict::NotGiven;
    for (const SheaveLoad& sheave : check.sheaves) {
        check.ok = check.ok && sheave.verdict != SheaveVerdict::OverRating;
        given = given && sheave.verdict != SheaveVerdict::NoRating;
    }
    check.verdict = !check.ok ? EquipmentVerdict::Fails
                    : given   ? EquipmentVerdict::Serves
                              : EquipmentVerdict::Incomplete;
    return check;
}

ColumnUnit equipment_force_unit(const EquipmentCheck& check, const EquipmentInputs& inputs,
                                UnitSystem units) {
    double largest = std::max(check.highest, check.rope_minimum);
    for (const std::optional<double>& force :
         {inputs.puller, inputs.rope_strength, inputs.sheave_rating}) {
        largest = std::max(largest, force.value_or(0));
    }
    for (const SheaveLoad& sheave : check.sheaves) {
        largest = std::max(largest, sheave.load);
    }
    return column_unit(Quantity::Tension, units, std::isfinite(largest) ? largest : 0);
}

namespace {

Message pull_words(bool forward) {
    return forward ? Message(TENSORA_TEXT("Equipment", "forward pull"))
                   : Message(TENSORA_TEXT("Equipment", "reverse pull"));
}

Message highest_finding(const EquipmentCheck& check, const EquipmentPull& pull,
                        const std::function<Figure(double)>& force) {
    Message highest =
        pull.cable_set
            ? Message(TENSORA_TEXT("Equipment", "Highest tension of the %1 of the cable set, as "
                                                "the pull check computes it: %2 at link %3"))
            : Message(TENSORA_TEXT("Equipment", "Highest tension of the %1: %2 at link %3"));
    highest.nested(pull_words(check.forward))
        .figure(force(check.highest))
        .count_arg(check.highest_link + 1);
    if (pull.plan_point) {
        //: The plan's own mid-assist point is already in the pull's tensions.
        return Message(TENSORA_TEXT("Equipment", "%1, with the plan's mid-assist point after "
                                                 "link %2."))
            .nested(std::move(highest))
            .link(*pull.plan_point);
    }
    if (pull.advised_point) {
        return Message(TENSORA_TEXT("Equipment", "%1; with a mid-assist point after link %2, "
                                                 "pulled %3: %4."))
            .nested(std::move(highest))
            .link(*pull.advised_point)
            .nested(pull.advised_forward ? Message(TENSORA_TEXT("Equipment", "forward"))
                                         : Message(TENSORA_TEXT("Equipment", "in reverse")))
            .figure(force(pull.advised_max));
    }
    return Message(TENSORA_TEXT("Equipment", "%1.")).nested(std::move(highest));
}

Message puller_finding(const EquipmentCheck& check, const EquipmentInputs& inputs,
                       const std::function<Figure(double)>& force) {
    const Figure margin = Figure::number(std::round(check.puller_margin * 10) / 10);
    switch (check.puller) {
    case PullerVerdict::NotGiven:
        return TENSORA_TEXT("Equipment", "Puller: give its rating.");
    case PullerVerdict::TooWeak:
        return Message(TENSORA_TEXT("Equipment", "Puller: too weak, %1 against the pull's %2."))
            .figure(force(*inputs.puller))
            .figure(force(check.highest));
    case PullerVerdict::AboveAllowable:
        return Message(TENSORA_TEXT("Equipment",
                                    "Puller: %1, margin %2 %; its rating exceeds the cable's "
                                    "allowable tension of %3: set a limiter (or a weak link) at "
                                    "the allowable tension."))
            .figure(force(*inputs.puller))
            .figure(margin)
            .figure(force(check.allowable));
    case PullerVerdict::Ok:
        break;
    }
    return Message(TENSORA_TEXT("Equipment", "Puller: %1, margin %2 %."))
        .figure(force(*inputs.puller))
        .figure(margin);
}

Message rope_finding(const EquipmentCheck& check, const EquipmentInputs& inputs,
                     const std::function<Figure(double)>& force, ColumnUnit unit) {
    // A minimum is never shown below itself: rounded up to the figure's last digit.
    Figure minimum = Figure::column(check.rope_minimum, Quantity::Tension, unit);
    minimum.form = FigureForm::ReadingUp;
    Message rope(TENSORA_TEXT("Equipment", "Rope: a breaking strength of at least %1 serves"));
    rope.figure(minimum);
    if (check.rope == RopeVerdict::Serves) {
        rope = Message(TENSORA_TEXT("Equipment", "%1; %2 serves (working load %3)"))
                   .nested(std::move(rope))
                   .figure(force(*inputs.rope_strength))
                   .figure(force(check.working_load));
    } else if (check.rope == RopeVerdict::TooWeak) {
        rope = Message(TENSORA_TEXT("Equipment", "%1; %2 is too weak"))
                   .nested(std::move(rope))
                   .figure(force(*inputs.rope_strength));
    }
    if (check.factor_lowered) {
        rope = Message(TENSORA_TEXT("Equipment", "%1. The design factor is below 4"))
                   .nested(std::move(rope));
    }
    return Message(TENSORA_TEXT("Equipment", "%1.")).nested(std::move(rope));
}

Message sheave_finding(const SheaveLoad& sheave, const std::function<Figure(double)>& force) {
    switch (sheave.verdict) {
    case SheaveVerdict::OverRating:
        return Message(TENSORA_TEXT("Equipment",
                                    "Sheave at link %1: %2 on it and its anchor, over its rating."))
            .link(static_cast<std::size_t>(sheave.link))
            .figure(force(sheave.load));
    case SheaveVerdict::NoRating:
        return Message(TENSORA_TEXT("Equipment", "Sheave at link %1: %2 on it and its anchor (no "
                                                 "rating given)."))
            .link(static_cast<std::size_t>(sheave.link))
            .figure(force(sheave.load));
    case SheaveVerdict::Ok:
        break;
    }
    return Message(TENSORA_TEXT("Equipment", "Sheave at link %1: %2 on it and its anchor."))
        .link(static_cast<std::size_t>(sheave.link))
        .figure(force(sheave.load));
}

Message capstan_finding(const EquipmentCheck& check, const std::function<Figure(double)>& force) {
    Message capstan(TENSORA_TEXT("Equipment", "Capstan tail force:"));
    for (const CapstanWraps& row : check.capstan) {
        Message wraps =
            row.beyond_hold
                ? Message(TENSORA_COUNTED("Equipment", "%n wraps %1 (more than a person holds)",
                                          "%n wrap %1 (more than a person holds)"))
                : Message(TENSORA_COUNTED("Equipment", "%n wraps %1", "%n wrap %1"));
        wraps.counting(row.wraps).figure(force(row.tail));
        capstan = (row.wraps < kMostWraps ? Message(TENSORA_TEXT("Equipment", "%1 %2;"))
                                          : Message(TENSORA_TEXT("Equipment", "%1 %2.")))
                      .nested(std::move(capstan))
                      .nested(std::move(wraps));
    }
    return capstan;
}

Message verdict_finding(const EquipmentCheck& check) {
    switch (check.verdict) {
    case EquipmentVerdict::Serves:
        return TENSORA_TEXT("Equipment", "The equipment serves this pull.");
    case EquipmentVerdict::Fails:
        return TENSORA_TEXT("Equipment", "The equipment does not serve this pull.");
    case EquipmentVerdict::Incomplete:
        break;
    }
    std::vector<Message> missing;
    if (check.puller == PullerVerdict::NotGiven) {
        missing.emplace_back(TENSORA_TEXT("Equipment", "the puller's rating"));
    }
    if (check.rope == RopeVerdict::NotGiven) {
        missing.emplace_back(TENSORA_TEXT("Equipment", "the rope's breaking strength"));
    }
    for (const SheaveLoad& sheave : check.sheaves) {
        if (sheave.verdict == SheaveVerdict::NoRating) {
            missing.emplace_back(TENSORA_TEXT("Equipment", "the sheaves' rating"));
            break;
        }
    }
    Message list = missing.front();
    for (std::size_t i = 1; i < missing.size(); ++i) {
        list = Message(i + 1 == missing.size() ? TENSORA_TEXT("Equipment", "%1 and %2")
                                               : TENSORA_TEXT("Equipment", "%1, %2"))
                   .nested(std::move(list))
                   .nested(missing[i]);
    }
    return Message(TENSORA_TEXT("Equipment",
                                "Not yet known whether the equipment serves this pull: give %1."))
        .nested(std::move(list));
}

} // namespace

EquipmentFindings equipment_findings(const EquipmentCheck& check, const EquipmentInputs& inputs,
                                     const EquipmentPull& pull, UnitSystem units) {
    const ColumnUnit unit = equipment_force_unit(check, inputs, units);
    const std::function<Figure(double)> force = [unit](double pounds) {
        Figure figure = Figure::column(pounds, Quantity::Tension, unit);
        figure.form = FigureForm::Reading;
        return figure;
    };
    EquipmentFindings findings;
    findings.highest = highest_finding(check, pull, force);
    findings.puller = puller_finding(check, inputs, force);
    findings.rope = rope_finding(check, inputs, force, unit);
    for (const SheaveLoad& sheave : check.sheaves) {
        findings.sheaves.push_back(sheave_finding(sheave, force));
    }
    if (findings.sheaves.empty()) {
        findings.sheaves.emplace_back(TENSORA_TEXT(
            "Equipment",
            "No bend is marked as turned on a sheave (mark one in the planner's options)."));
    }
    findings.capstan = capstan_finding(check, force);
    findings.verdict = verdict_finding(check);
    return findings;
}

std::string_view equipment_verdict_key(EquipmentVerdict verdict) {
    switch (verdict) {
    case EquipmentVerdict::Serves:
        return "ok";
    case EquipmentVerdict::Fails:
        return "fails";
    case EquipmentVerdict::Incomplete:
        break;
    }
    return "incomplete";
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

std::vector<std::pair<Message, Message>> equipment_lines(const EquipmentFindings& findings) {
    std::vector<std::pair<Message, Message>> lines{
        {TENSORA_TEXT("Report", "Pull"), findings.highest}};
    if (findings.puller.empty()) {
        return lines; // no plan yet
    }
    lines.emplace_back(TENSORA_TEXT("Report", "Puller"), findings.puller);
    lines.emplace_back(TENSORA_TEXT("Report", "Rope"), findings.rope);
    for (std::size_t i = 0; i < findings.sheaves.size(); ++i) {
        lines.emplace_back(i == 0 ? Message(TENSORA_TEXT("Report", "Sheaves")) : Message(),
                           findings.sheaves[i]);
    }
    lines.emplace_back(TENSORA_TEXT("Report", "Capstan"), findings.capstan);
    lines.emplace_back(TENSORA_TEXT("Report", "Verdict"), findings.verdict);
    return lines;
}

} // namespace tensora
