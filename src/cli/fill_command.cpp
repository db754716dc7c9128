#include "cli/fill_command.h"

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
    bool help = false;
};

FillRequest parse(const std::vector<std::string>& arguments) {
    FillRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw CliRefusal{"tensora-cli: " + argument + " needs a value"};
            }
            return arguments[++i];
        };
        if (is_help_option(argument)) {
            request.help = true;
            return request;
        }
        if (argument == "--standard") {
            const std::string& key = value();
            const auto standard = conduit_standard_by_key(key);
            if (!standard) {
                throw CliRefusal{"tensora-cli: " +
                                 argument_message("standard", key, "not sch40, sdr11 or sdr135")};
            }
            request.standard = *standard;
        } else if (argument == "--max-fill") {
            request.max_fill = value();
        } else if (argument == "--json") {
            request.json = true;
        } else if (argument.starts_with("--")) {
            throw CliRefusal{"tensora-cli: unknown option " + quoted_argument(argument) +
                             " for fill"};
        } else {
            request.diameters.push_back(argument);
        }
    }
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

void print_text(const CableTotals& totals, const ConduitStandard& standard,
                const std::vector<SizeRating>& ratings, std::ostream& out) {
    out << "cables\t" << totals.count << '\n'
        << "total-area\t" << totals.total_area << '\n'
        << "pair-width\t" << totals.pair_width << '\n';
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        const ConduitSize& size = standard.sizes[i];
        out << size.trade_size << '\t' << size.pipe_id << '\t' << ratings[i].area << '\t'
            << ratings[i].percent << '\n';
    }
}

void print_json(const std::vector<std::string>& diameters, const CableTotals& totals,
                const ConduitStandard& standard, const std::vector<SizeRating>& ratings,
                std::ostream& out) {
    out << "{\"standard\":" << json_string(standard.name) << ",\"diameters\":[";
    for (std::size_t i = 0; i < diameters.size(); ++i) {
        out << (i ? "," : "") << json_string(diameters[i]);
    }
    out << "],\"areas\":[";
    for (std::size_t i = 0; i < totals.areas.size(); ++i) {
        out << (i ? "," : "") << json_string(totals.areas[i]);
    }
    out << "],\"cables\":" << json_string(totals.count)
        << ",\"total_area\":" << json_string(totals.total_area)
        << ",\"pair_width\":" << json_string(totals.pair_width) << ",\"sizes\":[";
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        const ConduitSize& size = standard.sizes[i];
        out << (i ? "," : "") << "{\"trade_size\":" << json_string(size.trade_size)
            << ",\"pipe_id\":" << json_string(size.pipe_id)
            << ",\"area\":" << json_string(ratings[i].area)
            << ",\"percent\":" << json_string(ratings[i].percent) << '}';
    }
    out << "]}\n";
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
        err << argument_message("max-fill", request.max_fill, kEnterNumberMessage) << '\n';
    }
    const CableTotals totals = cable_totals(diameters, kEnglish);
    const ConduitStandard& standard = conduit_standard(request.standard);
    std::vector<std::string> pipe_ids;
    for (const ConduitSize& size : standard.sizes) {
        pipe_ids.emplace_back(size.pipe_id);
    }
    const auto ratings =
        fillcalc(pipe_ids, {request.max_fill, totals.total_area, totals.pair_width}, kEnglish);
    if (request.json) {
        print_json(diameters, totals, standard, ratings, out);
    } else {
        print_text(totals, standard, ratings, out);
    }
}

} // namespace tensora
