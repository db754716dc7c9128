#include "cli/fill_command.h"

#include "cli/cli_options.h"

#include "cli/cli.h"
#include "fill/conduit_tables.h"
#include "fill/fill_ratio.h"
#include "numbers/input_checks.h"

#include <optional>
#include <ostream>

namespace tensora {
namespace {

const NumberLocale kEnglish{".", ","};

struct FillRequest {
    ConduitStandardId standard = ConduitStandardId::Schedule40;
    std::string max_fill = "60";
    std::vector<std::string> diameters;
    bool json = false;
    bool code = false; // the code's fill limit as a fifth column and two lines
    bool help = false;
    UnitSystem units = UnitSystem::InchPound; // of the ODs given and of the figures printed
    bool units_named = false;
};

// "sch40, sdr11, ..., pvc-a or pvc-eb": every key the command takes.
std::string standard_keys() {
    std::string keys;
    const auto all = all_conduit_standards();
    for (std::size_t i = 0; i < all.size(); ++i) {
        keys += (i == 0 ? "" : i + 1 == all.size() ? " or " : ", ");
        keys += conduit_standard(all[i]).key;
    }
    return keys;
}

FillRequest parse(const std::vector<std::string>& arguments) {
    FillRequest request;
    CommandOptions options("fill");
    options.value("--standard", [&request](const std::string& key) {
        const auto standard = conduit_standard_by_key(key);
        if (!standard) {
            throw CliRefusal{"tensora-cli: " +
                             argument_message("standard", key, "not " + standard_keys())};
        }
        request.standard = *standard;
    });
    options.value("--max-fill", [&request](const std::string& value) { request.max_fill = value; });
    options.flag("--json", [&request] { request.json = true; });
    options.flag("--code", [&request] { request.code = true; });
    options.value("--units", [&request](const std::string& value) {
        request.units = units_value(value);
        request.units_named = true;
    });
    request.help = !options.parse(arguments, request.diameters);
    return request;
}

// The ODs "Submit" would add; the others are named on the error stream.
std::vector<std::string> accepted_diameters(const std::vector<std::string>& typed,
                                            std::ostream& err) {
    std::vector<std::string> accepted;
    for (const std::string& diameter : typed) {
        if (const auto refusal = od_refusal(diameter, kEnglish, accepted)) {
            err << argument_message("OD", diameter,
                                    *refusal == OdRefusal::NotANumber    ? "not a number; left out"
                                    : *refusal == OdRefusal::NotPositive ? "not a positive "
                                                                           "number; left out"
                                                                         : "beyond the "
                                                                           "computer's numbers; "
                                                                           "left out")
                << '\n';
        } else {
            accepted.push_back(diameter);
        }
    }
    return accepted;
}

std::string_view code_column(const TableRating& rating, std::size_t i) {
    return rating.meets_code[i] ? kMeetsText : kOverText;
}

std::string code_smallest(const ConduitStandard& standard, const TableRating& rating) {
    return rating.smallest_meeting
               ? std::string(standard.sizes[*rating.smallest_meeting].trade_size)
               : std::string("none");
}

// An inch-pound figure of the rating in the request's units.
std::string shown(const FillRequest& request, const std::string& figure, Quantity quantity) {
    return shown_total(figure, quantity, request.units, kEnglish);
}

void print_text(const FillRequest& request, const ConduitStandard& standard,
                const TableRating& rating, std::ostream& out) {
    const CableTotals& totals = rating.totals;
    out << "cables\t" << totals.count << '\n'
        << "total-area\t" << shown(request, totals.total_area, Quantity::Area) << '\n'
        << "pair-width\t" << shown(request, totals.pair_width, Quantity::Diameter) << '\n';
    for (std::size_t i = 0; i < rating.sizes.size(); ++i) {
        const ConduitSize& size = standard.sizes[i];
        out << size.trade_size << '\t' << shown_pipe_id(size, request.units, kEnglish) << '\t'
            << shown_size_area(size, rating.sizes[i].area, request.units, kEnglish) << '\t'
            << rating.sizes[i].percent;
        if (request.code) {
            out << '\t' << code_column(rating, i);
        }
        out << '\n';
    }
    if (request.code) {
        out << "code-limit\t" << rating.code_limit << '\n'
            << "code-smallest\t" << code_smallest(standard, rating) << '\n';
    }
    if (request.units_named) {
        // The units of the ODs, the areas and the pipe IDs.
        const bool metric = request.units == UnitSystem::Metric;
        out << "units\t" << (metric ? "mm\tmm²" : "in\tsq in") << '\n';
    }
}

void print_json(const FillRequest& request, const std::vector<std::string>& diameters,
                const ConduitStandard& standard, const TableRating& rating, std::ostream& out) {
    const CableTotals& totals = rating.totals;
    out << "{\"standard\":" << json_string(standard.name);
    if (standard.code) {
        out << ",\"edition\":" << json_string(kCodeEdition);
    }
    out << ",\"diameters\":[";
    for (std::size_t i = 0; i < diameters.size(); ++i) {
        out << (i ? "," : "") << json_string(diameters[i]);
    }
    out << "],\"areas\":[";
    for (std::size_t i = 0; i < totals.areas.size(); ++i) {
        out << (i ? "," : "") << json_string(shown(request, totals.areas[i], Quantity::Area));
    }
    out << "],\"cables\":" << json_string(totals.count)
        << ",\"total_area\":" << json_string(shown(request, totals.total_area, Quantity::Area))
        << ",\"pair_width\":" << json_string(shown(request, totals.pair_width, Quantity::Diameter))
        << ",\"sizes\":[";
    for (std::size_t i = 0; i < rating.sizes.size(); ++i) {
        const ConduitSize& size = standard.sizes[i];
        out << (i ? "," : "") << "{\"trade_size\":" << json_string(size.trade_size);
        if (standard.code) {
            out << ",\"metric_designator\":" << json_string(size.metric);
        }
        out << ",\"pipe_id\":" << json_string(shown_pipe_id(size, request.units, kEnglish))
            << ",\"area\":"
            << json_string(shown_size_area(size, rating.sizes[i].area, request.units, kEnglish))
            << ",\"percent\":" << json_string(rating.sizes[i].percent);
        if (request.code) {
            out << ",\"code\":" << json_string(code_column(rating, i));
        }
        out << '}';
    }
    out << ']';
    if (request.code) {
        out << ",\"code_limit\":" << json_string(std::to_string(rating.code_limit))
            << ",\"code_smallest\":" << json_string(code_smallest(standard, rating));
    }
    if (request.units_named) {
        const bool metric = request.units == UnitSystem::Metric;
        out << ",\"units\":{\"system\":" << json_string(unit_system_key(request.units))
            << ",\"diameter\":" << json_string(metric ? "mm" : "in")
            << ",\"area\":" << json_string(metric ? "mm²" : "sq in") << '}';
    }
    out << "}\n";
}

} // namespace

void run_fill_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    const FillRequest request = parse(arguments);
    if (request.help) {
        out << cli_usage();
        return;
    }
    const std::vector<std::string> diameters = accepted_diameters(request.diameters, err);
    if (!isNumberText(request.max_fill, kEnglish)) {
        err << argument_message("max-fill", request.max_fill, Message(kEnterNumber)) << '\n';
    }
    const ConduitStandard& standard = conduit_standard(request.standard);
    // The ODs given in millimetres are rated as inches.
    std::vector<std::string> inches;
    for (const std::string& diameter : diameters) {
        inches.push_back(converted_text(diameter, Quantity::Diameter, request.units,
                                        UnitSystem::InchPound, kEnglish));
    }
    const TableRating rating = rate_table(standard, inches, request.max_fill, kEnglish);
    if (request.json) {
        print_json(request, diameters, standard, rating, out);
    } else {
        print_text(request, standard, rating, out);
    }
}

} // namespace tensora
