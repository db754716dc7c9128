#include "help/help_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tensora {
namespace {

using Lines = std::vector<std::string>;

std::optional<Lines> read(const std::string& text) {
    std::istringstream in(text);
    return read_help_lines(in);
}

TEST(HelpText, ShowsTheBlockAfterTheMarkerThroughEnd) {
    EXPECT_EQ(read("Rev 3\r\nTensora Help\r\none\r\ntwo\r\nthree\r\nEND\r\nskipped\r\nEND\r\n"),
              Lines({"one", "two", "three", "END"}));
    EXPECT_EQ(read("Rev 3\nnotes\nTensora Help\nEND\n"), Lines({"END"}));
}

TEST(HelpText, NeverTakesTheFirstLineForTheMarker) {
    EXPECT_EQ(read("Tensora Help\nfirst\nTensora Help\nsecond\nEND\n"), Lines({"second", "END"}));
    EXPECT_EQ(read("Tensora Help\nfirst\nEND\n"), std::nullopt);
}

TEST(HelpText, NeedsTheMarkerAndTheEnd) {
    EXPECT_EQ(read(""), std::nullopt);
    EXPECT_EQ(read("Rev\nTensora Help \nEND\n"), std::nullopt); // a trailing blank: no marker
    EXPECT_EQ(read("Rev\nTensora Help\ntext\nEND \n"), std::nullopt);
    EXPECT_EQ(load_help_lines({"/no/such/cabledat.qx4"}), std::nullopt);
}

TEST(HelpText, TheSampleFileHasAHelpBlockThatFitsAWindow) {
    const auto lines = load_help_lines({TENSORA_SAMPLE_DATA_FILE});
    ASSERT_TRUE(lines);
    EXPECT_GT(lines->size(), 40u);
    for (const std::string& line : *lines) {
        EXPECT_LE(line.size(), 78u) << line; // reads without scrolling sideways
    }
}

} // namespace
} // namespace tensora
