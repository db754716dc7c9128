#include "cables/cable_data.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace tensora {
namespace {

using Lines = std::vector<std::string>;

// A well-formed file: every section holds `cables` records and its empty line.
Lines file_lines(int cables = 3) {
    Lines lines{"Rev 2026-12-01", "Tensora Help", "How to use it", "", "END", "skipped", "END"};
    for (int block : {14, 7, 1, 5, 5}) {
        for (int i = 0; i < block; ++i) {
            lines.push_back("fixed " + std::to_string(block) + "." + std::to_string(i));
        }
    }
    for (std::size_t s = 0; s < kCableSectionCount; ++s) {
        for (int c = 0; c < cables; ++c) {
            lines.push_back("CABLE-" + std::to_string(s) + "-" + std::to_string(c) +
                            " 0.2 100000 0.5 0.0001 0.0745 20000 600");
        }
        lines.push_back("");
    }
    return lines;
}

std::string joined(const Lines& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + end;
    }
    return text;
}

CableData parse(const std::string& text) {
    std::istringstream in(text);
    return parse_cable_data(in);
}

TEST(CableData, ReadsEveryBlockAndSection) {
    const CableData data = parse(joined(file_lines()));
    EXPECT_TRUE(data.complete);
    EXPECT_EQ(data.revision, "Rev 2026-12-01");
    EXPECT_EQ(data.help, "Tensora Help\r\nHow to use it\r\n\r\nEND\r\n");
    EXPECT_EQ(data.metrics.size(), 14u);
    EXPECT_EQ(data.loading.size(), 7u);
    EXPECT_EQ(data.scroll, Lines{"fixed 1.0"});
    EXPECT_EQ(data.titles.back(), "fixed 5.4");
    // Three cables and the empty line that ends the section.
    ASSERT_EQ(data.section(CableSection::Power).size(), 4u);
    EXPECT_EQ(data.item(CableSection::Power, 0).substr(0, 10), "CABLE-3-0 ");
    EXPECT_EQ(data.item(CableSection::Power, 3), "");
    EXPECT_EQ(data.item(CableSection::Power, 20), "");
    EXPECT_TRUE(data.remaining.empty());
}

TEST(CableData, AcceptsLineFeedLineEnds) {
    const CableData data = parse(joined(file_lines(), "\n"));
    EXPECT_TRUE(data.complete);
    EXPECT_EQ(data.item(CableSection::Drop, 2).substr(0, 10), "CABLE-13-2");
}

TEST(CableData, TwoEmptyLinesInARowShiftTheLaterSections) {
    Lines lines = file_lines();
    // The sections start after 7 lines of help and skipped block and 32 fixed lines.
    const auto end_of_strand = std::find(lines.begin() + 39, lines.end(), std::string());
    lines.insert(end_of_strand, "");
    const CableData data = parse(joined(lines));
    EXPECT_EQ(data.section(CableSection::VX), Lines{""});
    EXPECT_EQ(data.item(CableSection::VXM, 0).substr(0, 9), "CABLE-1-0");
    EXPECT_EQ(data.item(CableSection::Drop, 0).substr(0, 10), "CABLE-12-0");
    // The cables meant for the last section are left over.
    EXPECT_TRUE(data.complete);
    ASSERT_EQ(data.remaining.size(), 4u);
    EXPECT_EQ(data.remaining[0].substr(0, 10), "CABLE-13-0");
}

TEST(CableData, EndsABlockOnlyAtAnExactEndLine) {
    Lines lines = file_lines();
    lines[4] = "END "; // the help block's end, with a blank
    const CableData data = parse(joined(lines));
    // The help block now ends at the skipped block's end, and no further "END" follows.
    EXPECT_FALSE(data.complete);
    EXPECT_EQ(data.help, "");
    EXPECT_TRUE(data.metrics.empty());
}

TEST(CableData, KeepsEveryLineAfterTheLastSection) {
    Lines lines = file_lines();
    lines.insert(lines.end(), {"trailer", "", "more"});
    const CableData data = parse(joined(lines));
    EXPECT_TRUE(data.complete);
    EXPECT_EQ(data.remaining, Lines({"trailer", "", "more"}));
}

TEST(CableData, AFileEndingInsideTheLastSectionFailsButKeepsWhatItRead) {
    Lines lines = file_lines();
    lines.pop_back(); // the fourteenth section's empty line
    const CableData data = parse(joined(lines));
    EXPECT_FALSE(data.complete);
    EXPECT_EQ(data.revision, "Rev 2026-12-01");
    EXPECT_EQ(data.section(CableSection::FiberM).size(), 4u);
    EXPECT_EQ(data.section(CableSection::Drop).size(), 3u);
}

TEST(CableData, AFileEndingEarlyKeepsTheRevision) {
    const CableData data = parse("Rev 7\r\nTensora Help\r\nno end\r\n");
    EXPECT_FALSE(data.complete);
    EXPECT_EQ(data.revision, "Rev 7");
    EXPECT_EQ(data.help, "");
    EXPECT_FALSE(parse("").complete);
    EXPECT_EQ(parse("").revision, kMissingRevision);
}

TEST(CableData, AnAbsentFileLeavesTheMissingRevision) {
    const CableData data = load_cable_data({"/no/such/folder/cabledat.qx4"});
    EXPECT_FALSE(data.complete);
    EXPECT_EQ(data.revision, "Missing File");
}

TEST(CableData, LoadsTheFirstCandidateThatOpens) {
    const test::TempFolder folder;
    const std::string path = folder.file("cabledat.qx4");
    std::ofstream(path, std::ios::binary) << joined(file_lines());
    const CableData data = load_cable_data({"/no/such/cabledat.qx4", path});
    EXPECT_TRUE(data.complete);
}

TEST(CableData, SurvivesArbitraryBytes) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::string good = joined(file_lines());
    for (int round = 0; round < 300; ++round) {
        std::string text = round % 2 ? good.substr(0, random() % good.size()) : std::string();
        for (int i = 0; i < 2000; ++i) {
            text.push_back(static_cast<char>(byte(random)));
        }
        const CableData data = parse(text);
        EXPECT_LE(data.section(CableSection::Drop).size(), text.size());
    }
}

TEST(CableRecordFields, SplitsACableLineAtRunsOfBlanks) {
    const auto fields = cable_record_fields("CABLE-A  0.2 100000   0.5 0.0001 0.0745 20000 600");
    ASSERT_TRUE(fields);
    EXPECT_EQ(*fields,
              Lines({"CABLE-A", "0.2", "100000", "0.5", "0.0001", "0.0745", "20000", "600"}));
}

TEST(CableLineInUnits, WritesTheFilesFiguresInTheLocalesForm) {
    const std::string line = "CABLE-A  0.2 100000   0.5 0.0001 0.0745 20000 600";
    EXPECT_EQ(cable_line_in_units(line, UnitSystem::InchPound, "."), line);
    EXPECT_EQ(cable_line_in_units(line, UnitSystem::InchPound, ","),
              "CABLE-A 0,2 100000 0,5 0,0001 0,0745 20000 600");
    // Every column in its metric unit, and the heading naming them.
    EXPECT_EQ(cable_line_in_units(line, UnitSystem::Metric, ","),
              "CABLE-A 129,0 689,5 12,70 0,0001800 0,1109 88,96 2669");
    EXPECT_EQ(cable_line_in_units("CABLE  AREA MODULUS DIAM EXP/F LB/FT E*A RATING",
                                  UnitSystem::Metric, ","),
              "CABLE AREA,mm² MODULUS,MPa DIAM,mm EXP/K KG/M E*A,kN RATING,N");
}

TEST(CableRecordFields, RefusesLinesThatAreNotCables) {
    EXPECT_FALSE(cable_record_fields(""));
    EXPECT_FALSE(cable_record_fields("CABLE-A 0.2 100000 0.5 0.0001 0.0745 20000"));
    EXPECT_FALSE(cable_record_fields("DESCRIPTION AREA MODULUS DIAM EXP WEIGHT E*A RATING"));
    EXPECT_FALSE(cable_record_fields("CABLE-A 0.2 100000 0.5 0.0001 0,07 20000 600"));
}

} // namespace
} // namespace tensora

namespace tensora {
namespace {

// The sample file shipped with the program follows the grammar and holds usable cables.
TEST(SampleCableData, FollowsTheGrammarWithPlausibleCables) {
    std::ifstream file(TENSORA_SAMPLE_DATA_FILE, std::ios::binary);
    ASSERT_TRUE(file) << TENSORA_SAMPLE_DATA_FILE;
    const CableData data = parse_cable_data(file);
    ASSERT_TRUE(data.complete);
    EXPECT_EQ(data.help.substr(0, 14), "Tensora Help\r\n");
    const CableSection offered[] = {CableSection::VX,
                                    CableSection::R8,
                                    CableSection::DXLarmor,
                                    CableSection::Power,
                                    CableSection::DXLdielectric,
                                    CableSection::CentralTube,
                                    CableSection::SpecialtyFiber,
                                    CableSection::zeroHal,
                                    CableSection::FiberFeeder};
    std::size_t longest = 0;
    for (const CableSection section : offered) {
        std::size_t cables = 0;
        const auto& lines = data.section(section);
        for (const std::string& line : lines) {
            const auto fields = cable_record_fields(line);
            if (!fields) {
                // Only the heading and the empty line that ends the section are no cables.
                EXPECT_TRUE(&line == &lines.front() || line.empty()) << line;
                continue;
            }
            ++cables;
            const double area = std::stod((*fields)[1]);
            const double modulus = std::stod((*fields)[2]);
            const double diameter = std::stod((*fields)[3]);
            const double e_times_a = std::stod((*fields)[6]);
            EXPECT_NEAR(e_times_a, modulus * area, modulus * area * 0.01) << line;
            EXPECT_LE(area, diameter * diameter) << line;
            EXPECT_GT(std::stod((*fields)[5]), 0) << line;
            EXPECT_GT(std::stod((*fields)[7]), 0) << line;
        }
        EXPECT_GE(cables, 8u);
        longest = std::max(longest, cables);
    }
    EXPECT_GT(longest, 21u);
}

} // namespace
} // namespace tensora
