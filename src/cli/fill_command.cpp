#include "cli/fill_command.h"

#include "cli/cli_options.h"
#include "cli/json_document.h"

#include "cli/cli.h"
#include "fill/conduit_tables.h"
#include "fill/fill_ratio.h"
#include "numbers/input_checks.h"

#include <optional>
#include <ostream>

namespace tensora {
namespace {

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

FillRequest parse_fill(const std::vector<std::string>& arguments) {
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
    using Json = JsonDocument::Json;
    const CableTotals& totals = rating.totals;
    Json json = {{"standard", standard.name}};
    if (standard.code) {
        json["edition"] = kCodeEdition;
    }
    json["diameters"] = diameters;
    Json areas = Json::array();
    for (const std::string& area : totals.areas) {
        areas.push_back(shown(request, area, Quantity::Area));
    }
    json["areas"] = std::move(areas);
    json["cables"] = totals.count;
    json["total_area"] = shown(request, totals.total_area, Quantity::Area);
    json["pair_width"] = shown(request, totals.pair_width, Quantity::Diameter);
    Json sizes = Json::array();
    for (std::size_t i = 0; i < rating.sizes.size(); ++i) {
        const ConduitSize& size = standard.sizes[i];
        Json row = {{"trade_size", size.trade_size}};
        if (standard.code) {
            row["metric_designator"] = size.metric;
        }
        row["pipe_id"] = shown_pipe_id(size, request.units, kEnglish);
        row["area"] = shown_size_area(size, rating.sizes[i].area, request.units, kEnglish);
        row["percent"] = rating.sizes[i].percent;
        if (request.code) {
            row["code"] = code_column(rating, i);
        }
        sizes.push_back(std::move(row));
    }
    json["sizes"] = std::move(sizes);
    if (request.code) {
        json["code_limit"] = std::to_string(rating.code_limit);
        json["code_smallest"] = code_smallest(standard, rating);
    }
    if (request.units_named) {
        const bool metric = request.units == UnitSystem::Metric;
        json["units"] = {{"system", unit_system_key(request.units)},
                         {"diameter", metric ? "mm" : "in"},
                         {"area", metric ? "mm²" : "sq in"}};
    }
    JsonDocument().write(json, out);
}

} // namespace

void run_fill_command(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    const FillRequest request = parse_fill(arguments);
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
