#include "fill/conduit_tables.h"

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

constexpr std::array<ConduitStandard, 3> kStandards{{
    {ConduitStandardId::Schedule40, "Schedule 40", "sch40", kSchedule40},
    {ConduitStandardId::Sdr11, "SDR 11", "sdr11", kSdr11},
    {ConduitStandardId::Sdr135, "SDR 13.5", "sdr135", kSdr135},
}};

} // namespace

const ConduitStandard& conduit_standard(ConduitStandardId id) {
    return kStandards[static_cast<std::size_t>(id)];
}

std::array<ConduitStandardId, 3> conduit_standards() {
    return {ConduitStandardId::Schedule40, ConduitStandardId::Sdr11, ConduitStandardId::Sdr135};
}

std::optional<ConduitStandardId> conduit_standard_by_key(std::string_view key) {
    for (const ConduitStandard& standard : kStandards) {
        if (standard.key == key) {
            return standard.id;
        }
    }
    return std::nullopt;
}

} // namespace tensora
