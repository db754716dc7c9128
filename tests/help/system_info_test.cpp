#include "help/system_info.h"
#include "support/memory_registry.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

using test::MemoryRegistry;

const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(GetKeyValue, ReadsTextUpToItsFirstZeroAndNumbersExactly) {
    MemoryRegistry registry;
    registry.set(kMsinfo, "PATH", {kTextValue, std::string("C:\\msinfo32.exe\0junk", 20)});
    registry.set(kMsinfo, "Count", {kNumberValue, std::string("\x00\x01\x00\xF0", 4)});
    registry.set(kMsinfo, "Blob", {3, "bytes"});
    std::string value = "before";
    EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kMsinfo, "PATH", value));
    EXPECT_EQ(value, "C:\\msinfo32.exe");
    EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kMsinfo, "Count", value));
    EXPECT_EQ(value, "4026532096"); // 0xF0000100
    EXPECT_TRUE(GetKeyValue(registry, kHkeyLocalMachine, kMsinfo, "Blob", value));
    EXPECT_EQ(value, "4026532096"); // another type keeps what it held
    EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, kMsinfo, "Missing", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Nothing", "PATH", value));
    EXPECT_EQ(registry.open_keys, 0); // every key opened is closed
    EXPECT_EQ(registry.roots, std::set<std::uint32_t>{0x80000002u});
    EXPECT_EQ(registry.options_seen, std::set<std::uint32_t>{0u});
    EXPECT_EQ(registry.access_seen, std::set<std::uint32_t>{0x2003Fu});
    EXPECT_EQ(registry.buffer_sizes, std::set<std::size_t>{1024u});
}

TEST(SystemInfoPath, TakesTheRegisteredPathWithoutLookingForIt) {
    MemoryRegistry registry;
    registry.set(kMsinfo, "PATH", {kTextValue, "C:\\Tools\\msinfo32.exe"});
    registry.set(kLocation, "MSINFO", {kTextValue, "C:\\Other"});
    const auto never = [](const std::string&) { return false; };
    EXPECT_EQ(system_info_path(registry, never), "C:\\Tools\\msinfo32.exe");
}

TEST(SystemInfoPath, AppendsTheProgramToTheRegisteredFolderWhenItIsThere) {
    MemoryRegistry registry;
    registry.set(kLocation, "MSINFO", {kTextValue, "C:\\Tools\\"});
    std::string looked_for;
    const auto exists = [&looked_for](const std::string& path) {
        looked_for = path;
        return true;
    };
    EXPECT_EQ(system_info_path(registry, exists), "C:\\Tools\\\\MSINFO32.EXE");
    EXPECT_EQ(looked_for, "C:\\Tools\\\\MSINFO32.EXE"); // no check for the trailing backslash
    EXPECT_EQ(system_info_path(registry, [](const std::string&) { return false; }), std::nullopt);
    MemoryRegistry empty;
    EXPECT_EQ(system_info_path(empty, exists), std::nullopt);
}

} // namespace
} // namespace tensora
