#include "fill/conduit_tables.h"

#include <algorithm>
#include <array>

namespace tensora {
namespace {

constexpr ConduitSize kSchedule40[] = {
    {"1/2", "0.602"},   {"3/4", "0.804"}, {"1", "1.029"},     {"1 1/4", "1.360"},
    {"1 1/2", "1.580"}, {"2", "2.047"},   {"2 1/2", "2.469"}, {"3", "3.068"},
    {"3 1/2", "3.548"}, {"4", "4.026"},   {"5", "5.047"},
};

constexpr ConduitSize kSdr11[] = {
    {"13 mm", "0.500"}, {"1/2", "0.668"},   {"3/4", "0.839"}, {"1", "1.051"},
    {"1 1/4", "1.332"}, {"1 1/2", "1.528"}, {"2", "1.917"},
};

constexpr ConduitSize kSdr135[] = {
    {"1/2", "0.696"},   {"3/4", "0.874"},   {"1", "1.101"},
    {"1 1/4", "1.394"}, {"1 1/2", "1.598"}, {"2", "2.002"},
};

constexpr ConduitSize kEmt[] = {
    {"1/2", "0.622", "16", "15.8", "0.304", "196"},
    {"3/4", "0.824", "21", "20.9", "0.533", "343"},
    {"1", "1.049", "27", "26.6", "0.864", "556"},
    {"1-1/4", "1.380", "35", "35.1", "1.496", "968"},
    {"1-1/2", "1.610", "41", "40.9", "2.036", "1314"},
    {"2", "2.067", "53", "52.5", "3.356", "2165"},
    {"2-1/2", "2.731", "63", "69.4", "5.858", "3783"},
    {"3", "3.356", "78", "85.2", "8.846", "5701"},
    {"3-1/2", "3.834", "91", "97.4", "11.545", "7451"},
    {"4", "4.334", "103", "110.1", "14.753", "9521"},
};

constexpr ConduitSize kEnt[] = {
    {"1/2", "0.602", "16", "15.3", "0.285", "184"},
    {"3/4", "0.804", "21", "20.4", "0.508", "328"},
    {"1", "1.029", "27", "26.1", "0.832", "537"},
    {"1-1/4", "1.36", "35", "34.5", "1.453", "937"},
    {"1-1/2", "1.59", "41", "40.4", "1.986", "1281"},
    {"2", "2.047", "53", "52", "3.291", "2123"},
};

constexpr ConduitSize kFmc[] = {
    {"3/8", "0.384", "12", "9.7", "0.116", "74"},
    {"1/2", "0.635", "16", "16.1", "0.317", "204"},
    {"3/4", "0.824", "21", "20.9", "0.533", "343"},
    {"1", "1.020", "27", "25.9", "0.817", "527"},
    {"1-1/4", "1.275", "35", "32.4", "1.277", "824"},
    {"1-1/2", "1.538", "41", "39.1", "1.858", "1201"},
    {"2", "2.040", "53", "51.8", "3.269", "2107"},
    {"2-1/2", "2.500", "63", "63.5", "4.909", "3167"},
    {"3", "3.000", "78", "76.2", "7.069", "4560"},
    {"3-1/2", "3.500", "91", "88.9", "9.621", "6207"},
    {"4", "4.000", "103", "101.6", "12.566", "8107"},
};

constexpr ConduitSize kImc[] = {
    {"1/2", "0.660", "16", "16.8", "0.342", "222"},
    {"3/4", "0.864", "21", "21.9", "0.586", "377"},
    {"1", "1.105", "27", "28.1", "0.959", "620"},
    {"1-1/4", "1.448", "35", "36.8", "1.647", "1064"},
    {"1-1/2", "1.683", "41", "42.7", "2.225", "1432"},
    {"2", "2.150", "53", "54.6", "3.630", "2341"},
    {"2-1/2", "2.557", "63", "64.9", "5.135", "3308"},
    {"3", "3.176", "78", "80.7", "7.922", "5115"},
    {"3-1/2", "3.671", "91", "93.2", "10.584", "6822"},
    {"4", "4.166", "103", "105.4", "13.631", "8725"},
    {"5", "5.210", "129", "131.78", "21.32", "13639"},
    {"6", "6.258", "155", "158.36", "30.76", "19696"},
};

constexpr ConduitSize kLfncA[] = {
    {"3/8", "0.495", "12", "12.6", "0.192", "125"},
    {"1/2", "0.630", "16", "16.0", "0.312", "201"},
    {"3/4", "0.825", "21", "21.0", "0.535", "346"},
    {"1", "1.043", "27", "26.5", "0.854", "552"},
    {"1-1/4", "1.383", "35", "35.1", "1.502", "968"},
    {"1-1/2", "1.603", "41", "40.7", "2.018", "1301"},
    {"2", "2.063", "53", "52.4", "3.343", "2157"},
};

constexpr ConduitSize kLfncB[] = {
    {"3/8", "0.494", "12", "12.5", "0.192", "123"},
    {"1/2", "0.632", "16", "16.1", "0.314", "204"},
    {"3/4", "0.830", "21", "21.1", "0.541", "350"},
    {"1", "1.054", "27", "26.8", "0.873", "564"},
    {"1-1/4", "1.395", "35", "35.4", "1.528", "984"},
    {"1-1/2", "1.588", "41", "40.3", "1.981", "1276"},
    {"2", "2.033", "53", "51.6", "3.246", "2091"},
};

constexpr ConduitSize kLfncC[] = {
    {"3/8", "0.485", "12", "12.3", "0.185", "119.19"},
    {"1/2", "0.620", "16", "15.7", "0.302", "194.778"},
    {"3/4", "0.815", "21", "20.7", "0.522", "336.568"},
    {"1", "1.030", "27", "26.2", "0.833", "537.566"},
    {"1-1/4", "1.370", "35", "34.8", "1.474", "951.039"},
    {"1-1/2", "1.585", "41", "40.3", "1.973", "1272.963"},
    {"2", "2.045", "53", "51.9", "3.285", "2119.063"},
};

constexpr ConduitSize kLfmc[] = {
    {"3/8", "0.494", "12", "12.5", "0.192", "123"},
    {"1/2", "0.632", "16", "16.1", "0.314", "204"},
    {"3/4", "0.830", "21", "21.1", "0.541", "350"},
    {"1", "1.054", "27", "26.8", "0.873", "564"},
    {"1-1/4", "1.395", "35", "35.4", "1.528", "984"},
    {"1-1/2", "1.588", "41", "40.3", "1.981", "1276"},
    {"2", "2.033", "53", "51.6", "3.246", "2091"},
    {"2-1/2", "2.493", "63", "63.3", "4.881", "3147"},
    {"3", "3.085", "78", "78.4", "7.475", "4827"},
    {"3-1/2", "3.520", "91", "89.4", "9.731", "6277"},
    {"4", "4.020", "103", "102.1", "12.692", "8187"},
};

constexpr ConduitSize kRmc[] = {
    {"1/2", "0.632", "16", "16.1", "0.314", "204"},
    {"3/4", "0.836", "21", "21.2", "0.549", "353"},
    {"1", "1.063", "27", "27.0", "0.887", "573"},
    {"1-1/4", "1.394", "35", "35.4", "1.526", "984"},
    {"1-1/2", "1.624", "41", "41.2", "2.071", "1333"},
    {"2", "2.083", "53", "52.9", "3.408", "2198"},
    {"2-1/2", "2.489", "63", "63.2", "4.866", "3137"},
    {"3", "3.090", "78", "78.5", "7.499", "4840"},
    {"3-1/2", "3.570", "91", "90.7", "10.010", "6461"},
    {"4", "4.050", "103", "102.9", "12.882", "8316"},
    {"5", "5.073", "129", "128.9", "20.212", "13050"},
    {"6", "6.093", "155", "154.8", "29.158", "18821"},
};

constexpr ConduitSize kPvc80[] = {
    {"1/2", "0.526", "16", "13.4", "0.217", "141"},
    {"3/4", "0.722", "21", "18.3", "0.409", "263"},
    {"1", "0.936", "27", "23.8", "0.688", "445"},
    {"1-1/4", "1.255", "35", "31.9", "1.237", "799"},
    {"1-1/2", "1.476", "41", "37.5", "1.711", "1104"},
    {"2", "1.913", "53", "48.6", "2.874", "1855"},
    {"2-1/2", "2.290", "63", "58.2", "4.119", "2660"},
    {"3", "2.864", "78", "72.7", "6.442", "4151"},
    {"3-1/2", "3.326", "91", "84.5", "8.688", "5608"},
    {"4", "3.786", "103", "96.2", "11.258", "7268"},
    {"5", "4.768", "129", "121.1", "17.855", "11518"},
    {"6", "5.709", "155", "145.0", "25.598", "16513"},
};

constexpr ConduitSize kPvc40[] = {
    {"1/2", "0.602", "16", "15.3", "0.285", "184"},
    {"3/4", "0.804", "21", "20.4", "0.508", "327"},
    {"1", "1.029", "27", "26.1", "0.832", "535"},
    {"1-1/4", "1.360", "35", "34.5", "1.453", "935"},
    {"1-1/2", "1.590", "41", "40.4", "1.986", "1282"},
    {"2", "2.047", "53", "52.0", "3.291", "2124"},
    {"2-1/2", "2.445", "63", "62.1", "4.695", "3029"},
    {"3", "3.042", "78", "77.3", "7.268", "4693"},
    {"3-1/2", "3.521", "91", "89.4", "9.737", "6277"},
    {"4", "3.998", "103", "101.5", "12.554", "8091"},
    {"5", "5.016", "129", "127.4", "19.761", "12748"},
    {"6", "6.031", "155", "153.2", "28.567", "18433"},
};

constexpr ConduitSize kPvcA[] = {
    {"1/2", "0.700", "16", "17.8", "0.385", "249"},
    {"3/4", "0.910", "21", "23.1", "0.650", "419"},
    {"1", "1.175", "27", "29.8", "1.084", "697"},
    {"1-1/4", "1.500", "35", "38.1", "1.767", "1140"},
    {"1-1/2", "1.720", "41", "43.7", "2.324", "1500"},
    {"2", "2.155", "53", "54.7", "3.647", "2350"},
    {"2-1/2", "2.635", "63", "66.9", "5.453", "3515"},
    {"3", "3.230", "78", "82.0", "8.194", "5281"},
    {"3-1/2", "3.690", "91", "93.7", "10.694", "6896"},
    {"4", "4.180", "103", "106.2", "13.723", "8858"},
};

constexpr ConduitSize kPvcEb[] = {
    {"2", "2.221", "53", "56.4", "3.874", "2498"},
    {"3", "3.330", "78", "84.6", "8.709", "5621"},
    {"3-1/2", "3.804", "91", "96.6", "11.365", "7329"},
    {"4", "4.289", "103", "108.9", "14.448", "9314"},
    {"5", "5.316", "129", "135.0", "22.195", "14314"},
    {"6", "6.336", "155", "160.9", "31.530", "20333"},
};

constexpr std::size_t kStandardCount = 16;

constexpr std::array<ConduitStandard, kStandardCount> kStandards{{
    {ConduitStandardId::Schedule40, "Schedule 40", "sch40", TENSORA_TEXT("Conduits", "Schedule 40 pipe"), kSchedule40},
    {ConduitStandardId::Sdr11, "SDR 11", "sdr11", TENSORA_TEXT("Conduits", "SDR 11 pipe"), kSdr11},
    {ConduitStandardId::Sdr135, "SDR 13.5", "sdr135", TENSORA_TEXT("Conduits", "SDR 13.5 pipe"), kSdr135},
    {ConduitStandardId::Emt, "EMT", "emt", TENSORA_TEXT("Conduits", "Electrical metallic tubing"), kEmt, true},
    {ConduitStandardId::Ent, "ENT", "ent", TENSORA_TEXT("Conduits", "Electrical nonmetallic tubing"), kEnt, true},
    {ConduitStandardId::Fmc, "FMC", "fmc", TENSORA_TEXT("Conduits", "Flexible metal conduit"), kFmc, true},
    {ConduitStandardId::Imc, "IMC", "imc", TENSORA_TEXT("Conduits", "Intermediate metal conduit"), kImc, true},
    {ConduitStandardId::LfncA, "LFNC-A", "lfnc-a",
     TENSORA_TEXT("Conduits", "Liquidtight flexible nonmetallic conduit, type A"), kLfncA, true},
    {ConduitStandardId::LfncB, "LFNC-B", "lfnc-b",
     TENSORA_TEXT("Conduits", "Liquidtight flexible nonmetallic conduit, type B"), kLfncB, true},
    {ConduitStandardId::LfncC, "LFNC-C", "lfnc-c",
     TENSORA_TEXT("Conduits", "Liquidtight flexible nonmetallic conduit, type C"), kLfncC, true},
    {ConduitStandardId::Lfmc, "LFMC", "lfmc", TENSORA_TEXT("Conduits", "Liquidtight flexible metal conduit"), kLfmc, true},
    {ConduitStandardId::Rmc, "RMC", "rmc", TENSORA_TEXT("Conduits", "Rigid metal conduit"), kRmc, true},
    {ConduitStandardId::Pvc80, "PVC-80", "pvc80", TENSORA_TEXT("Conduits", "Rigid PVC conduit, Schedule 80"), kPvc80, true},
    {ConduitStandardId::Pvc40, "PVC-40/HDPE", "pvc40",
     TENSORA_TEXT("Conduits", "Rigid PVC conduit, Schedule 40, and HDPE conduit"), kPvc40, true},
    {ConduitStandardId::PvcA, "PVC-A", "pvc-a", TENSORA_TEXT("Conduits", "Rigid PVC conduit, type A"), kPvcA, true},
    {ConduitStandardId::PvcEb, "PVC-EB", "pvc-eb", TENSORA_TEXT("Conduits", "Rigid PVC conduit, type EB"), kPvcEb, true},
}};

constexpr std::array<ConduitStandardId, kStandardCount> kAll = [] {
    std::array<ConduitStandardId, kStandardCount> ids{};
    for (std::size_t i = 0; i < kStandardCount; ++i) {
        ids[i] = kStandards[i].id;
    }
    return ids;
}();

// Each table stands at its identifier's place, so that looking one up is indexing.
static_assert([] {
    for (std::size_t i = 0; i < kStandardCount; ++i) {
        if (static_cast<std::size_t>(kStandards[i].id) != i) {
            return false;
        }
    }
    return true;
}());

constexpr std::size_t kWrittenCount = 3;

} // namespace

const ConduitStandard& conduit_standard(ConduitStandardId id) {
    return kStandards[static_cast<std::size_t>(id)];
}

std::span<const ConduitStandardId> conduit_standards() {
    return std::span(kAll).first(kWrittenCount);
}

std::span<const ConduitStandardId> code_conduit_standards() {
    return std::span(kAll).subspan(kWrittenCount);
}

std::span<const ConduitStandardId> all_conduit_standards() {
    return kAll;
}

std::optional<ConduitStandardId> conduit_standard_by_key(std::string_view key) {
    for (const ConduitStandard& standard : kStandards) {
        if (standard.key == key) {
            return standard.id;
        }
    }
    return std::nullopt;
}

std::optional<ConduitStandardId> conduit_standard_by_name(std::string_view name) {
    for (const ConduitStandard& standard : kStandards) {
        if (standard.name == name) {
            return standard.id;
        }
    }
    return std::nullopt;
}

std::size_t most_trade_sizes() {
    std::size_t most = 0;
    for (const ConduitStandard& standard : kStandards) {
        most = std::max(most, standard.sizes.size());
    }
    return most;
}

} // namespace tensora
