#include "fill/conduit_tables.h"
#include "fill/fill_ratio.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace tensora {
namespace {

using Texts = std::vector<std::string>;
const NumberLocale kEnglish{".", ","};

Texts pipe_ids(ConduitStandardId id) {
    Texts ids;
    for (const ConduitSize& size : conduit_standard(id).sizes) {
        ids.emplace_back(size.pipe_id);
    }
    return ids;
}

// The rows of a standard for these ODs, as "area percent" texts.
Texts rate(const Texts& diameters, ConduitStandardId id = ConduitStandardId::Schedule40,
           std::string_view preferred = "60") {
    const CableTotals totals = cable_totals(diameters, kEnglish);
    Texts rows;
    for (const SizeRating& rating :
         fillcalc(pipe_ids(id), {preferred, totals.total_area, totals.pair_width}, kEnglish)) {
        rows.push_back(rating.area + " " + rating.percent);
    }
    return rows;
}

TEST(ConduitTables, HoldTheThreeStandardsInOrder) {
    const ConduitStandard& sch40 = conduit_standard(ConduitStandardId::Schedule40);
    const ConduitStandard& sdr11 = conduit_standard(ConduitStandardId::Sdr11);
    const ConduitStandard& sdr135 = conduit_standard(ConduitStandardId::Sdr135);
    EXPECT_EQ(sch40.name, "Schedule 40");
    EXPECT_EQ(sdr11.name, "SDR 11");
    EXPECT_EQ(sdr135.name, "SDR 13.5");
    EXPECT_EQ(sch40.sizes.size(), 11u);
    EXPECT_EQ(sdr11.sizes.size(), 7u);
    EXPECT_EQ(sdr135.sizes.size(), 6u);
    EXPECT_EQ(sch40.sizes[3].trade_size, "1 1/4");
    EXPECT_EQ(sch40.sizes[3].pipe_id, "1.360");
    EXPECT_EQ(sch40.sizes[9].trade_size, "4");
    EXPECT_EQ(sch40.sizes[10].pipe_id, "5.047");
    EXPECT_EQ(sdr11.sizes[0].trade_size, "13 mm");
    EXPECT_EQ(sdr11.sizes[0].pipe_id, "0.500");
    EXPECT_EQ(sdr11.sizes[6].pipe_id, "1.917");
    EXPECT_EQ(sdr135.sizes[0].pipe_id, "0.696");
    EXPECT_EQ(sdr135.sizes[5].pipe_id, "2.002");
    EXPECT_EQ(conduit_standard_by_key("sdr135"), ConduitStandardId::Sdr135);
    EXPECT_EQ(conduit_standard_by_key("SDR 11"), std::nullopt);
}

TEST(CableTotals, ListAreasTheirSumAndTheWidestPair) {
    const CableTotals totals = cable_totals({"0.5", "0.4"}, kEnglish);
    EXPECT_EQ(totals.areas, Texts({"0.19625", "0.1256"}));
    EXPECT_EQ(totals.total_area, "0.32185");
    EXPECT_EQ(totals.count, "2 cables");
    EXPECT_EQ(totals.pair_width, "0.9");
    EXPECT_EQ(cable_totals({}, kEnglish).count, "0 cables");
    EXPECT_EQ(cable_totals({}, kEnglish).total_area, "0");
    EXPECT_EQ(cable_totals({"0.7"}, kEnglish).count, "1 cables");
    EXPECT_EQ(cable_totals({"0.7"}, kEnglish).pair_width, "0.7");
    EXPECT_EQ(cable_totals({"0.2", "0.9", "0.3", "0.8"}, kEnglish).pair_width, "1.7");
}

TEST(Fillcalc, RatesTheWorkedExample) {
    EXPECT_EQ(rate({"0.5", "0.4"}),
              Texts({".2845 over", ".5074 over", ".8312 38.72%", "1.4519 22.17%", "1.9597 16.42%",
                     "3.2893 9.78%", "4.7853 6.73%", "7.3889 4.36%", "9.8818 3.26%",
                     "12.7238 2.53%", "19.9957 1.61%"}));
}

TEST(Fillcalc, RatesASizeOverWhenThePairIsWiderThanThePipe) {
    const CableTotals totals = cable_totals({"0.5", "0.55"}, kEnglish);
    EXPECT_EQ(totals.pair_width, "1.05");
    EXPECT_EQ(totals.total_area, "0.4337125");
    const Texts rows = rate({"0.5", "0.55"});
    EXPECT_EQ(rows[2], ".8312 over"); // 52.18 % fits, the width 1.05 does not
    EXPECT_EQ(rows[3], "1.4519 29.87%");
}

TEST(Fillcalc, CountsEqualityAsFitting) {
    // 1.57 of a pipe area of 3.14 is exactly 50 %, and the pair is exactly as wide as the pipe.
    const auto fitting = fillcalc({"2.000"}, {"50", "1.57", "2"}, kEnglish);
    EXPECT_EQ(fitting[0].area, "3.14");
    EXPECT_EQ(fitting[0].percent, "50.%");
    EXPECT_EQ(fillcalc({"2.000"}, {"49.99", "1.57", "2"}, kEnglish)[0].percent, "over");
    EXPECT_EQ(fillcalc({"2.000"}, {"60", "1.57", "2.001"}, kEnglish)[0].percent, "over");
    // The cables' area exactly the pipe's (0.785 sq in as displayed) fits too.
    EXPECT_EQ(fillcalc({"1.000"}, {"150", "0.785", "0.1"}, kEnglish)[0].percent, "100.%");
}

TEST(Fillcalc, RatesOverAPipeTheCablesOutgrowWhateverTheMaximum) {
    EXPECT_EQ(fillcalc({"1.000"}, {"150", "0.8", "0.1"}, kEnglish)[0].percent, "over");
    EXPECT_EQ(fillcalc({"1.000"}, {"150", "0.78", "0.1"}, kEnglish)[0].percent, "99.36%");
}

TEST(Fillcalc, WritesNoFillAsThePointAndPercentSign) {
    EXPECT_EQ(rate({}, ConduitStandardId::Sdr11),
              Texts({".1963 .%", ".3503 .%", ".5526 .%", ".8671 .%", "1.3928 .%", "1.8328 .%",
                     "2.8848 .%"}));
}

TEST(Fillcalc, RatesASingleCableAgainstNarrowerAndWiderPipes) {
    const Texts rows = rate({"0.7"}, ConduitStandardId::Schedule40, "100");
    EXPECT_EQ(rows[0], ".2845 over"); // 0.602 in: narrower than the cable, and smaller in area
    EXPECT_EQ(rows[1], ".5074 75.81%");
}

TEST(Fillcalc, RatesEverySizeOverForACableBeyondADouble) {
    const CableTotals totals = cable_totals({"1e200", "0.5"}, kEnglish);
    EXPECT_EQ(totals.areas[0], kNotFiniteText);
    EXPECT_EQ(totals.total_area, kNotFiniteText);
    for (const std::string& row : rate({"1e200", "0.5"})) {
        EXPECT_TRUE(row.ends_with(" over")) << row;
    }
}

// The code's tables against the figures they were taken from, every row: a slip of a digit, a
// row left out or two rows swapped shows here.
TEST(CodeTables, HoldEveryRowOfTheCodesTable) {
    const std::map<std::string, std::string_view> keys{
        {"EMT", "emt"},       {"ENT", "ent"},       {"FMC", "fmc"},           {"IMC", "imc"},
        {"LFNC-A", "lfnc-a"}, {"LFNC-B", "lfnc-b"}, {"LFNC-C", "lfnc-c"},     {"LFMC", "lfmc"},
        {"RMC", "rmc"},       {"PVC-80", "pvc80"},  {"PVC-40/HDPE", "pvc40"}, {"PVC-A", "pvc-a"},
        {"PVC-EB", "pvc-eb"}};
    std::ifstream file(TENSORA_CODE_CONDUIT_FILE);
    ASSERT_TRUE(file) << TENSORA_CODE_CONDUIT_FILE;
    std::map<std::string_view, std::size_t> rows; // per key, the rows compared
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line.starts_with('#') || line.starts_with("type,")) {
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');) {
            fields.push_back(cell);
        }
        ASSERT_EQ(fields.size(), 7u) << line;
        ASSERT_TRUE(keys.contains(fields[0])) << line;
        const auto id = conduit_standard_by_key(keys.at(fields[0]));
        ASSERT_TRUE(id) << fields[0];
        const ConduitStandard& table = conduit_standard(*id);
        EXPECT_TRUE(table.code);
        std::size_t& row = rows[table.key];
        ASSERT_LT(row, table.sizes.size()) << line;
        const ConduitSize& size = table.sizes[row++];
        EXPECT_EQ(size.metric, fields[1]) << line;
        EXPECT_EQ(size.trade_size, fields[2]) << line;
        EXPECT_EQ(size.id_mm, fields[3]) << line;
        EXPECT_EQ(size.pipe_id, fields[4]) << line;
        EXPECT_EQ(size.listed_area_mm2, fields[5]) << line;
        EXPECT_EQ(size.listed_area, fields[6]) << line;
    }
    ASSERT_EQ(rows.size(), 13u);
    for (const ConduitStandardId id : code_conduit_standards()) {
        const ConduitStandard& table = conduit_standard(id);
        EXPECT_EQ(rows[table.key], table.sizes.size()) << table.key;
        EXPECT_EQ(conduit_standard_by_name(table.name), id);
    }
    EXPECT_EQ(most_trade_sizes(), 12u);
}

TEST(CodeFill, AppliesEachLimitWithAFillAtTheLimitMeetingIt) {
    EXPECT_EQ(code_fill_limit(0), 53);
    EXPECT_EQ(code_fill_limit(1), 53);
    EXPECT_EQ(code_fill_limit(2), 31);
    EXPECT_EQ(code_fill_limit(3), 40);
    EXPECT_EQ(code_fill_limit(40), 40);
    EXPECT_TRUE(meets_code_limit(40.0, 40));
    EXPECT_FALSE(meets_code_limit(40.001, 40));
    // Cables whose true area is the limit's share of EMT 1/2 (0.304 sq in) exactly, and a
    // hair more.
    const ConduitStandard& emt = conduit_standard(ConduitStandardId::Emt);
    for (const auto& [cables, limit] : {std::pair{1, 53}, {2, 31}, {3, 40}}) {
        const double od = std::sqrt(limit / 100.0 * 0.304 / cables / (std::numbers::pi / 4));
        for (const auto& [scale, meets] : {std::pair{1.0, true}, {1.0001, false}}) {
            const Texts ods(static_cast<std::size_t>(cables), general_number_text(od * scale));
            const TableRating rating = rate_table(emt, ods, "100", kEnglish);
            EXPECT_EQ(rating.code_limit, limit);
            EXPECT_EQ(rating.meets_code[0], meets) << cables << " cables, " << rating.fills[0];
        }
    }
}

TEST(CodeFill, NamesTheSmallestSizeThatMeetsTheLimitForOneTwoAndThreeCables) {
    const ConduitStandard& emt = conduit_standard(ConduitStandardId::Emt);
    const auto smallest = [&](const Texts& ods) {
        const TableRating rating = rate_table(emt, ods, "60", kEnglish);
        return rating.smallest_meeting ? std::string(emt.sizes[*rating.smallest_meeting].trade_size)
                                       : std::string("none");
    };
    // 0.58 in fills 3/4 to 49.57 %: within 53 %, not within 40 %.
    EXPECT_EQ(smallest({"0.58"}), "3/4");
    // Two of 0.55 in fill 1-1/4 to 31.76 %: over 31 %, within 40 %.
    EXPECT_EQ(smallest({"0.55", "0.55"}), "1-1/2");
    // Three of 0.5 in fill 1-1/4 to 39.37 %: within 40 %, over 31 %.
    EXPECT_EQ(smallest({"0.5", "0.5", "0.5"}), "1-1/4");
    EXPECT_EQ(smallest({"4"}), "none");
}

TEST(CodeFill, RatesCodeTablesByTrueAreasOverTheListedArea) {
    const TableRating rating =
        rate_table(conduit_standard(ConduitStandardId::Emt), {"0.58"}, "60", kEnglish);
    EXPECT_EQ(rating.totals.total_area, general_number_text(std::numbers::pi / 4 * 0.58 * 0.58));
    EXPECT_EQ(rating.sizes[1].area, "0.533");
    EXPECT_EQ(rating.sizes[1].percent, "49.57%"); // with 3.14: 49.55 %
    // The preferred maximum still marks a size, whatever the code makes of it.
    const TableRating preferred =
        rate_table(conduit_standard(ConduitStandardId::Emt), {"0.58"}, "45", kEnglish);
    EXPECT_EQ(preferred.sizes[1].percent, "over");
    EXPECT_TRUE(preferred.meets_code[1]);
}

TEST(CodeFill, LeavesTheWrittenStandardsAsTheyWereAndRatesThemByTheirOwnFill) {
    const TableRating rating =
        rate_table(conduit_standard(ConduitStandardId::Schedule40), {"0.5", "0.4"}, "60", kEnglish);
    Texts rows;
    for (const SizeRating& size : rating.sizes) {
        rows.push_back(size.area + " " + size.percent);
    }
    EXPECT_EQ(rows, rate({"0.5", "0.4"}));
    EXPECT_EQ(rating.totals.total_area, "0.32185");
    // 1 in: 38.72 % is over the 31 % for two cables; 1 1/4: 22.17 % meets it.
    EXPECT_FALSE(rating.meets_code[2]);
    EXPECT_TRUE(rating.meets_code[3]);
    EXPECT_EQ(rating.smallest_meeting, 3u);
}

TEST(CodeFill, InMetricShowsTheCodesOwnFiguresAndConvertsTheWrittenStandards) {
    const NumberLocale german{",", "."};
    // FMC 3/8: 0.384 in is 9.75 mm, but the code lists 9.7 mm and 74 mm² (0.116 sq in is 74.8).
    const ConduitSize& fmc = conduit_standard(ConduitStandardId::Fmc).sizes[0];
    EXPECT_EQ(shown_pipe_id(fmc, UnitSystem::Metric, german), "9,7");
    EXPECT_EQ(shown_size_area(fmc, "0.116", UnitSystem::Metric, german), "74");
    EXPECT_EQ(shown_pipe_id(fmc, UnitSystem::InchPound, german), "0,384");
    // A written standard's figures are converted: 0.602 in is 15.3 mm, .2845 sq in 183.5 mm².
    const ConduitSize& sch40 = conduit_standard(ConduitStandardId::Schedule40).sizes[0];
    EXPECT_EQ(shown_pipe_id(sch40, UnitSystem::Metric, kEnglish), "15.3");
    EXPECT_EQ(shown_size_area(sch40, ".2845", UnitSystem::Metric, kEnglish), "183.5");
    EXPECT_EQ(shown_total("0.9", Quantity::Diameter, UnitSystem::Metric, kEnglish), "22.86");
    // Areas to 0.01 mm², in the locale's form; "over" stays a word.
    EXPECT_EQ(shown_total("0.4392", Quantity::Area, UnitSystem::Metric, german), "283,35");
    EXPECT_EQ(shown_percent("38.72%", german), "38,72%");
    EXPECT_EQ(shown_percent("over", german), "over");
    EXPECT_EQ(shown_total("over", Quantity::Area, UnitSystem::Metric, kEnglish), "over");
}

TEST(OdRefusal, TakesOnlyPositiveNumbers) {
    EXPECT_EQ(od_refusal("0.5", kEnglish), std::nullopt);
    EXPECT_EQ(od_refusal(" 1.25 ", kEnglish), std::nullopt);
    EXPECT_EQ(od_refusal("abc", kEnglish), OdRefusal::NotANumber);
    EXPECT_EQ(od_refusal("", kEnglish), OdRefusal::NotANumber);
    EXPECT_EQ(od_refusal("0", kEnglish), OdRefusal::NotPositive);
    EXPECT_EQ(od_refusal("-0.5", kEnglish), OdRefusal::NotPositive);
    // Beyond the computer's numbers, alone or with the cables listed: never "Out of range".
    EXPECT_EQ(od_refusal("1e400", kEnglish), OdRefusal::NotFinite);
    EXPECT_EQ(od_refusal("1e200", kEnglish), OdRefusal::NotFinite); // its area
    EXPECT_EQ(od_refusal("1.5e154", kEnglish), std::nullopt);
    EXPECT_EQ(od_refusal("1.5e154", kEnglish, {"1.5e154"}), OdRefusal::NotFinite); // the total
}

} // namespace
} // namespace tensora
