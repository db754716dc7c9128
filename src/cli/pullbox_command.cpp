#include "cli/pullbox_command.h"

#include "cli/cli.h"
#include "cli/cli_options.h"
#include "cli/json_document.h"
#include "fill/pull_box.h"
#include "numbers/number_rules.h"

#include <ostream>

namespace tensora {

void run_pullbox_command(const std::vector<std::string>& arguments, std::ostream& out,
                         std::ostream&) {
    std::optional<ConduitStandardId> table;
    UnitSystem units = UnitSystem::InchPound;
    bool json = false;
    bool small = false;
    std::vector<std::string> words;
    CommandOptions options("pullbox");
    options.value("--standard", [&table](const std::string& key) {
        table = conduit_standard_by_key(key);
        if (!table || !conduit_standard(*table).code) {
            std::string keys;
            for (const ConduitStandardId id : code_conduit_standards()) {
                keys += (keys.empty() ? "" : ", ") + std::string(conduit_standard(id).key);
            }
            throw CliRefusal{"tensora-cli: " +
                             argument_message("standard", key, "not a code table (" + keys + ")")};
        }
    });
    options.value("--units", [&units](const std::string& value) { units = units_value(value); });
    options.flag("--json", [&json] { json = true; });
    options.flag("--small-conductors", [&small] { small = true; });
    if (!options.parse(arguments, words)) {
        out << cli_usage();
        return;
    }
    if (words.size() < 2) {
        throw CliRefusal{"tensora-cli: pullbox needs a kind (straight, angle or u) and the trade "
                         "sizes of the conduits entering one wall"};
    }
    const std::optional<PullKind> kind = pull_kind_by_key(words[0]);
    if (!kind) {
        throw CliRefusal{"tensora-cli: " +
                         argument_message("kind", words[0], "not straight, angle or u")};
    }
    std::vector<TradeSize> sizes;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const ReadTradeSize read = read_trade_size(words[i], table, units);
        if (!read.size) {
            throw CliRefusal{"tensora-cli: size " + english_text(read.refusal)};
        }
        sizes.push_back(*read.size);
    }
    const std::string unit = units == UnitSystem::Metric ? "mm" : "in";
    if (small) {
        // The rule of the trade sizes does not hold for small conductors: said, not computed.
        if (json) {
            JsonDocument document;
            document.write({{"kind", pull_kind_key(*kind)},
                            {"note", english_text(small_conductors_note())}},
                           out);
        } else {
            out << "note\t" << english_text(small_conductors_note()) << '\n';
        }
        return;
    }
    const PullBox box = pull_box(*kind, sizes, units);
    const std::pair<const char*, const std::optional<double>*> lines[] = {
        {"minimum-length", &box.minimum_length},
        {"to-opposite-wall", &box.to_opposite_wall},
        {"between-entries", &box.between_entries}};
    if (json) {
        JsonDocument document;
        JsonDocument::Json json_out = {{"kind", pull_kind_key(*kind)}, {"unit", unit}};
        JsonDocument::Json names = JsonDocument::Json::array();
        for (const TradeSize& size : sizes) {
            names.push_back(size.name);
        }
        json_out["sizes"] = std::move(names);
        for (const auto& [name, value] : lines) {
            if (*value) {
                std::string key(name);
                std::replace(key.begin(), key.end(), '-', '_');
                json_out[key] = document.exact(**value);
            }
        }
        json_out["working"] = english_text(box.working);
        document.write(json_out, out);
        return;
    }
    for (const auto& [name, value] : lines) {
        if (*value) {
            out << name << '\t' << general_number_text(**value) << '\n';
        }
    }
    out << "unit\t" << unit << '\n';
}

} // namespace tensora
