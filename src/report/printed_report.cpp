#include "report/printed_report.h"

#include "numbers/shown_figures.h"

#include <algorithm>
#include <cmath>

namespace tensora {

void show_link_figures(std::vector<ReportLink>& texts, const std::vector<PullLinkValues>& links,
                       const PullResults& results, const NumberLocale& locale) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i].length = shown_link_figure(texts[i].length, locale);
        texts[i].angle = inherited_incline_text(links, results, i, locale)
                             .value_or(shown_link_figure(texts[i].angle, locale));
        texts[i].tilt = shown_link_figure(texts[i].tilt, locale);
    }
}

std::vector<bool> links_over_limit(const PullResults& results, double allowable) {
    std::vector<bool> over(results.forward_tension.size(), false);
    if (!(allowable > 0)) {
        return over;
    }
    for (std::size_t i = 0; i < over.size(); ++i) {
        over[i] = results.forward_tension[i] > allowable ||
                  (i < results.reverse_tension.size() && results.reverse_tension[i] > allowable);
    }
    return over;
}

PrintedCheck printed_check(const std::string& conduit, const CheckInputs& inputs,
                           const CheckResult& result) {
    PrintedCheck printed;
    const UnitSystem units = inputs.units;
    // A caption with its unit, and a figure as typed in the units shown.
    const auto caption = [units](MessageSource words, Quantity quantity) {
        return Message(words).data(std::string(unit_symbol(quantity, units)));
    };
    const auto figure = [units](double inch_pound, Quantity quantity) {
        return figure_message(Figure::typed(inch_pound, quantity, units).without_symbol());
    };
    const Message id = figure(inputs.conduit_id, Quantity::Diameter);
    printed.inputs = {
        {caption(TENSORA_TEXT("Report", "Conduit inside diameter (%1)"), Quantity::Diameter),
         conduit.empty() ? id
                         : Message(TENSORA_TEXT("Report", "%1 (%2)")).nested(id).data(conduit)},
        {caption(TENSORA_TEXT("Report", "Cable outside diameter (%1)"), Quantity::Diameter),
         figure(inputs.cable_od, Quantity::Diameter)},
        {TENSORA_TEXT("Report", "Cables"), figure_message(Figure::number(inputs.cables))},
        {TENSORA_TEXT("Report", "Configuration"), arrangement_words(inputs.arrangement)},
        {caption(TENSORA_TEXT("Report", "Minimum clearance (%1)"), Quantity::Diameter),
         figure(inputs.min_clearance, Quantity::Diameter)},
        {caption(TENSORA_TEXT("Report", "Sidewall pressure limit (%1)"), Quantity::Pressure),
         figure(inputs.sidewall_limit, Quantity::Pressure)},
        {caption(TENSORA_TEXT("Report", "Bend radius (%1)"), Quantity::Length),
         inputs.bend_radius
             ? figure(*inputs.bend_radius, Quantity::Length)
             : Message(TENSORA_TEXT("Report", "from each bend's length and angle"))}};
    // The set, a line for each group, and the rule of its allowable tension.
    for (std::size_t i = 0; i < result.set.groups.size(); ++i) {
        printed.inputs.emplace_back(Message(TENSORA_TEXT("Report", "Cable group %1"))
                                        .count_arg(static_cast<long long>(i) + 1),
                                    group_text(result.set.groups[i], units));
    }
    printed.inputs.emplace_back(TENSORA_TEXT("Report", "Tension rule"),
                                tension_rule_name(inputs.rule));
    const CheckTexts texts = check_texts(result, inputs);
    printed.results = {{TENSORA_TEXT("Report", "Jam ratio"), texts.jam_line},
                       {TENSORA_TEXT("Report", "Weight correction"), texts.weight_line},
                       {TENSORA_TEXT("Report", "Clearance"), texts.clearance_line},
                       {TENSORA_TEXT("Report", "Forward pull, corrected"), texts.forward_line},
                       {TENSORA_TEXT("Report", "Reverse pull, corrected"), texts.reverse_line},
                       {TENSORA_TEXT("Report", "Cable set"), texts.set_line},
                       {TENSORA_TEXT("Report", "Allowable tension"), texts.allowable_line}};
    if (!texts.code_line.empty()) {
        printed.results.emplace_back(TENSORA_TEXT("Report", "Code fill"), texts.code_line);
    }
    if (!texts.radius_line.empty()) {
        printed.results.emplace_back(TENSORA_TEXT("Report", "Least bending radius"),
                                     texts.radius_line);
    }
    if (!texts.stretches_line.empty()) {
        printed.results.emplace_back(TENSORA_TEXT("Report", "Bends between pull points"),
                                     texts.stretches_line);
    }
    if (!texts.advice_line.empty()) {
        printed.results.emplace_back(TENSORA_TEXT("Report", "Advice for the cable set"),
                                     texts.advice_line);
    }
    // One line for each finding of the verdict, so that a long verdict stays on the page.
    const std::vector<Message> verdict =
        result.findings.empty() ? std::vector<Message>{result.verdict} : result.findings;
    for (std::size_t i = 0; i < verdict.size(); ++i) {
        printed.results.emplace_back(
            i == 0 ? Message(TENSORA_TEXT("Report", "Verdict")) : Message(), verdict[i]);
    }
    printed.ok = result.ok;
    printed.bends.reserve(result.bends.size());
    const ColumnUnit pressure_unit = bend_pressure_unit(result, units);
    const std::string length(unit_symbol(Quantity::Length, units));
    const std::string pressure = column_symbol(Quantity::Pressure, pressure_unit);
    printed.bend_headings = {
        Message(TENSORA_TEXT("Report", "Link")),
        Message(TENSORA_TEXT("Report", "Radius (%1)")).data(length),
        Message(TENSORA_TEXT("Report", "Bearing, forward (%1)")).data(pressure),
        Message(TENSORA_TEXT("Report", "Bearing, reverse (%1)")).data(pressure),
        Message(TENSORA_TEXT("Report", "Limit (%1)")).data(pressure)};
    for (const CheckedBend& bend : result.bends) {
        printed.bends.push_back(bend_texts(bend, inputs, pressure_unit));
        printed.bend_over.push_back(bend.over_limit);
    }
    return printed;
}

} // namespace tensora

namespace tensora {

PrintedComparison printed_comparison(const std::vector<CompareOption>& options,
                                     const Comparison& comparison, UnitSystem units) {
    PrintedComparison printed;
    printed.best = comparison.best;
    printed.deciding = comparison.deciding;
    // One unit for every option's tensions, and one for their pressures, so that they compare
    // at a glance.
    double tension = 0;
    double pressure = 0;
    for (const ComparedOption& option : comparison.options) {
        if (!std::isnan(option.highest)) {
            tension = std::max({tension, std::fabs(option.forward_max), std::fabs(option.reverse_max)});
        }
        pressure = std::max(pressure, option.sidewall.value_or(0));
    }
    printed.tension_unit = column_unit(Quantity::Tension, units, tension);
    printed.pressure_unit = column_unit(Quantity::Pressure, units, pressure);
    for (std::size_t i = 0; i < comparison.options.size(); ++i) {
        const ComparedOption& option = comparison.options[i];
        const bool pulled = !std::isnan(option.highest);
        const auto figure = [](const Figure& shown) { return figure_message(shown.without_symbol()); };
        std::vector<Message> row{data_message(std::to_string(i + 1)),
                                 i < options.size() ? option_words(options[i], units) : Message()};
        row.push_back(pulled ? figure(Figure::column(option.forward_max, Quantity::Tension,
                                                     printed.tension_unit))
                             : Message());
        row.push_back(pulled ? figure(Figure::column(option.reverse_max, Quantity::Tension,
                                                     printed.tension_unit))
                             : Message());
        row.push_back(option.percent ? Message(TENSORA_TEXT("Check", "%1%"))
                                           .figure(Figure::fixed(*option.percent, 0))
                                     : Message());
        row.push_back(option.sidewall ? figure(Figure::column(*option.sidewall, Quantity::Pressure,
                                                              printed.pressure_unit))
                                      : Message());
        row.push_back(option.verdict);
        printed.rows.push_back(std::move(row));
        printed.ok.push_back(option.ok);
    }
    return printed;
}

std::vector<std::pair<Message, Message>> log_fit_lines(const LogFit& fit, UnitSystem units) {
    const auto tension = [units](double pounds) {
        return Figure::reading(pounds, Quantity::Tension, units);
    };
    std::vector<std::pair<Message, Message>> lines;
    //: %1 the fitted coefficient, %2 the largest difference, %3 the typical difference.
    lines.emplace_back(TENSORA_TEXT("Log", "Coefficient of friction that fits"),
                       Message(TENSORA_TEXT("Log", "%1 (largest difference %2, typical %3)"))
                           .figure(Figure::fixed(fit.friction, 4))
                           .figure(tension(fit.largest_difference))
                           .figure(tension(fit.typical_difference)));
    lines.emplace_back(TENSORA_TEXT("Log", "Highest tension"),
                       Message(TENSORA_TEXT("Log", "measured %1, predicted %2"))
                           .figure(tension(fit.measured_max))
                           .figure(tension(fit.predicted_max)));
    Message over = TENSORA_TEXT("Log", "nowhere");
    if (!fit.over_allowable.empty()) {
        over = Message(TENSORA_COUNTED("Log", "%n points, the first at %1", "%n point, at %1"))
                   .counting(static_cast<long long>(fit.over_allowable.size()))
                   .figure(Figure::typed(fit.over_allowable.front(), Quantity::Length, units));
    }
    lines.emplace_back(TENSORA_TEXT("Log", "Beyond the allowable tension"), over);
    if (fit.shorter || fit.longer) {
        lines.emplace_back(TENSORA_TEXT("Log", "Length"),
                           fit.shorter ? Message(TENSORA_TEXT("Log", "the log ends before the "
                                                                     "route does"))
                                       : Message(TENSORA_TEXT("Log", "the log runs on past the "
                                                                     "route's end")));
    }
    lines.emplace_back(TENSORA_TEXT("Log", "Verdict"), fit.verdict);
    return lines;
}

void log_on_profile(const TensionLog& log, bool forward, double route_length, double allowable,
                    UnitSystem units, std::vector<ProfilePoint>& points,
                    std::vector<ProfilePoint>& over) {
    points.clear();
    over.clear();
    for (const LogPoint& point : log.points) {
        const double along = forward ? point.length : route_length - point.length;
        const ProfilePoint shown{shown_value(along, Quantity::Length, units),
                                 shown_value(point.tension, Quantity::Tension, units)};
        points.push_back(shown);
        if (allowable > 0 && point.tension > allowable) {
            over.push_back(shown);
        }
    }
}

PrintedLog printed_log(const TensionLog& log, const LogFit& fit, bool forward, double allowable,
                       UnitSystem units) {
    PrintedLog printed;
    log_on_profile(log, forward, fit.route_length, allowable, units, printed.points, printed.over);
    printed.lines = log_fit_lines(fit, units);
    return printed;
}

PrintedJob printed_job_schedule(const std::vector<ScheduleRow>& rows, const CableOrder& order,
                                UnitSystem units) {
    PrintedJob printed;
    double largest = 0;
    for (const ScheduleRow& row : rows) {
        largest = std::max({largest, row.forward_max, row.reverse_max});
    }
    const ColumnUnit unit = column_unit(Quantity::Tension, units, largest);
    const auto figure = [](const Figure& shown) { return figure_message(shown.without_symbol()); };
    const auto unit_of = [](Quantity quantity, UnitSystem system) {
        return data_message(std::string(unit_symbol(quantity, system)));
    };
    //: A heading with its unit: %1 the heading, %2 the unit.
    const auto with_unit = [](MessageSource heading, Message unit_text) {
        return Message(TENSORA_TEXT("Job", "%1 (%2)")).nested(Message(heading)).nested(unit_text);
    };
    printed.headings = {Message(TENSORA_TEXT("Job", "Pull")),
                        Message(TENSORA_TEXT("Job", "From")),
                        Message(TENSORA_TEXT("Job", "To")),
                        Message(TENSORA_TEXT("Job", "Cables")),
                        with_unit(TENSORA_TEXT("Job", "Length"), unit_of(Quantity::Length, units)),
                        with_unit(TENSORA_TEXT("Job", "Rise"), unit_of(Quantity::Length, units)),
                        with_unit(TENSORA_TEXT("Job", "Forward"),
                                  data_message(column_symbol(Quantity::Tension, unit))),
                        with_unit(TENSORA_TEXT("Job", "Reverse"),
                                  data_message(column_symbol(Quantity::Tension, unit))),
                        Message(TENSORA_TEXT("Job", "Share")),
                        with_unit(TENSORA_TEXT("Job", "Sidewall"),
                                  unit_of(Quantity::Pressure, units)),
                        Message(TENSORA_TEXT("Job", "Direction")),
                        Message(TENSORA_TEXT("Job", "Mid-assist")),
                        Message(TENSORA_TEXT("Job", "Verdict"))};
    for (const ScheduleRow& row : rows) {
        printed.schedule.push_back(
            {data_message(std::to_string(row.number)), data_message(row.from),
             data_message(row.to), row.cables,
             figure(Figure::fixed(row.length, Quantity::Length, units, 1)),
             figure(Figure::fixed(row.rise, Quantity::Length, units, 1)),
             figure(Figure::column(row.forward_max, Quantity::Tension, unit)),
             figure(Figure::column(row.reverse_max, Quantity::Tension, unit)),
             row.share ? Message(TENSORA_TEXT("Check", "%1%")).figure(Figure::fixed(*row.share, 0))
                       : Message(),
             row.sidewall ? figure(Figure::column(*row.sidewall, Quantity::Pressure,
                                                  column_unit(Quantity::Pressure, units,
                                                              *row.sidewall)))
                          : Message(),
             data_message(std::string(direction_key(row.direction))),
             row.mid_assist ? data_message(std::to_string(*row.mid_assist + 1))
                            : Message(TENSORA_TEXT("Job", "none")),
             row.verdict});
        printed.failing.push_back(!row.ok);
    }
    for (const OrderLine& line : order.lines) {
        printed.order.emplace_back(
            data_message(line.cable),
            figure_message(Figure::fixed(line.length, Quantity::Length, units, 2)));
    }
    printed.order.emplace_back(
        Message(TENSORA_TEXT("Job", "In all")),
        figure_message(Figure::fixed(order.total, Quantity::Length, units, 2)));
    return printed;
}

} // namespace tensora
