#include "cables/friction_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tensora {
namespace {

namespace fs = std::filesystem;

class FrictionLibraryFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("friction-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(folder_ / name, std::ios::binary) << text;
        return folder_ / name;
    }
    fs::path folder_;
};

FrictionEntry entry(std::string name, double coefficient) {
    FrictionEntry made;
    made.name = std::move(name);
    made.coefficient = coefficient;
    made.source = LibraryText::plain("job 12, 2026-11-30, feeder A");
    return made;
}

TEST_F(FrictionLibraryFiles, TheShippedFileHoldsThePublishedFiguresEachWithItsSource) {
    const LoadedLibrary loaded = load_friction_library({TENSORA_DATA_FOLDER}, folder_ / "none");
    EXPECT_TRUE(loaded.notes.empty());
    const std::pair<const char*, double> published[] = {
        {"pvc-dry", 0.65},      {"pvc-wet", 0.18},        {"lubricated-conservative", 0.35},
        {"lubricated-usual", 0.5}, {"duct-one", 0.3},     {"duct-several", 0.4},
        {"fibreglass-pvc", 0.38}, {"tray-rollers", 0.15}, {"dry-preset", 0.15}};
    EXPECT_EQ(loaded.library.entries().size(), std::size(published));
    for (const auto& [name, coefficient] : published) {
        const FrictionEntry* found = loaded.library.find(name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(found->coefficient, coefficient) << name;
        EXPECT_FALSE(found->own);
        // Every language of the program has the entry's words.
        for (const char* language : {"en", "es", "fr", "de", "pt_BR"}) {
            EXPECT_FALSE(found->source.in(language).empty()) << name << language;
            EXPECT_FALSE(found->stands_for.in(language).empty()) << name << language;
        }
    }
    EXPECT_EQ(loaded.library.find("tray-rollers")->kind, RacewayKind::Tray);
    EXPECT_EQ(loaded.library.find("pvc-wet")->raceway.in("de_AT"), "PVC-Rohr");
    EXPECT_EQ(loaded.library.find("pvc-wet")->raceway.in("it"), "PVC conduit");
}

TEST_F(FrictionLibraryFiles, TheUsersEntriesComeBackExactlyAndOnlyTheyAreWritten) {
    FrictionLibrary library({entry("pvc-wet", 0.18)}, {});
    FrictionEntry mine = entry("feeder-a-fitted", 0.23456789012345678);
    mine.kind = RacewayKind::Tray;
    mine.raceway = LibraryText::plain("tray, rollers \"new\"");
    ASSERT_FALSE(library.add(mine));
    const std::string text = friction_file_text(library.own());
    EXPECT_EQ(text.find("pvc-wet"), std::string::npos);
    const FrictionFile back = read_friction_file(text, true);
    ASSERT_TRUE(back.error.empty());
    ASSERT_EQ(back.entries.size(), 1u);
    mine.own = true;
    EXPECT_EQ(back.entries[0], mine);
}

TEST_F(FrictionLibraryFiles, AUsersFileReadInPartIsNeverWrittenOver) {
    const fs::path broken = write("broken.json", "{\"format\": \"tensora-friction-library\",");
    const LoadedLibrary unreadable = load_friction_library({}, broken);
    EXPECT_FALSE(unreadable.own_writable);
    EXPECT_EQ(unreadable.notes.size(), 1u);
    const fs::path partly = write("partly.json", R"({"format": "tensora-friction-library",
        "entries": [{"name": "mine", "coefficient": 0.2}, {"name": "Bad Name", "coefficient": 0.3},
                    {"name": "mine", "coefficient": 0.4}, {"name": "steep", "coefficient": -1}]})");
    const LoadedLibrary partial = load_friction_library({}, partly);
    EXPECT_FALSE(partial.own_writable);
    EXPECT_EQ(partial.notes.size(), 3u);
    ASSERT_EQ(partial.library.entries().size(), 1u);
    EXPECT_EQ(partial.library.entries()[0].coefficient, 0.2);
    // A file that is not there yet is the user's to write.
    EXPECT_TRUE(load_friction_library({}, folder_ / "new.json").own_writable);
}

TEST(FrictionLibrary, OnlyTheUsersOwnEntriesChangeAndNamesStayOneWordEach) {
    FrictionLibrary library({entry("pvc-wet", 0.18)}, {entry("site-b", 0.3)});
    EXPECT_TRUE(library.add(entry("pvc-wet", 0.2)));     // taken by a shipped entry
    EXPECT_TRUE(library.add(entry("Site-C", 0.2)));      // a capital letter
    EXPECT_TRUE(library.add(entry("site c", 0.2)));      // a blank
    EXPECT_TRUE(library.add(entry("site-c", 2.5)));      // beyond any coefficient
    EXPECT_FALSE(library.add(entry("prüfung-2", 0)));   // letters beyond ASCII are letters
    EXPECT_TRUE(is_entry_name(std::string(40, 'a')));    // at most 40 bytes
    EXPECT_FALSE(is_entry_name(std::string(41, 'a')));
    EXPECT_FALSE(library.add(entry("site-d", 2)));        // 2 the highest coefficient
    EXPECT_TRUE(library.replace("pvc-wet", entry("pvc-wet", 0.1)));
    EXPECT_TRUE(library.remove("pvc-wet"));
    EXPECT_TRUE(library.replace("site-b", entry("prüfung-2", 0.3))); // renamed onto another
    EXPECT_FALSE(library.replace("site-b", entry("site-b2", 0.31)));
    EXPECT_EQ(library.find("site-b"), nullptr);
    EXPECT_EQ(library.find("site-b2")->coefficient, 0.31);
    EXPECT_FALSE(library.remove("site-b2"));
    EXPECT_EQ(library.own().size(), 2u);
}

TEST(FrictionLibrary, ASearchFindsEveryWordInTheNameOrTheTextsOfTheLanguage) {
    FrictionEntry wet = entry("pvc-wet", 0.18);
    wet.raceway = {{{"en", "PVC conduit"}, {"de", "PVC-Rohr"}}};
    FrictionEntry tray = entry("tray-rollers", 0.15);
    tray.raceway = {{{"en", "cable tray on rollers"}, {"de", "Kabelrinne auf Rollen"}}};
    const FrictionLibrary library({wet, tray}, {});
    const auto names = [&](std::string_view search, std::string_view language) {
        std::vector<std::string> found;
        for (const FrictionEntry* e : library.matching(search, language)) {
            found.push_back(e->name);
        }
        return found;
    };
    EXPECT_EQ(names("", "en").size(), 2u);
    EXPECT_EQ(names("ROLLERS tray", "en"), std::vector<std::string>{"tray-rollers"});
    EXPECT_EQ(names("rohr", "de"), std::vector<std::string>{"pvc-wet"});
    EXPECT_TRUE(names("rohr", "en").empty());
    EXPECT_EQ(names("0.18", "en"), std::vector<std::string>{"pvc-wet"});
}

} // namespace
} // namespace tensora
