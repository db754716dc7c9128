#include "report/file_saving.h"
#include "report/report.h"
#include "support/messages.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

namespace tensora {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(WholeFileSave, ReplacesAFileAndLeavesNothingElseBehind) {
    const test::TempFolder folder;
    const fs::path report = folder.file("plan.rtf");
    write(report, "old");
    Message reason;
    ASSERT_TRUE(save_whole_file(report, "new", reason)) << reason;
    EXPECT_EQ(contents(report), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(report.parent_path()), {}), 1);
}

TEST(WholeFileSave, NeverWritesOverWhatIsNotARegularFile) {
    const test::TempFolder folder;
    const fs::path fifo = folder.file("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directory(folder.file("folder"));
    for (const fs::path& path : {fs::path("/dev/full"), fs::path("/dev/null"), fifo,
                                 fs::path(folder.file("folder")), fs::path()}) {
        const fs::file_type before = fs::symlink_status(path).type();
        Message reason;
        EXPECT_FALSE(save_whole_file(path, "report", reason)) << path;
        EXPECT_FALSE(reason.empty()) << path;
        EXPECT_EQ(fs::symlink_status(path).type(), before) << path;
    }
    Message reason;
    EXPECT_FALSE(save_whole_file(folder.file("no/such/plan.rtf"), "report", reason));
    EXPECT_NE(english(reason).find("does not exist"), std::string::npos);
}

TEST(WholeFileSave, WritesThroughALinkAndKeepsTheFilesPermissions) {
    const test::TempFolder folder;
    const fs::path target = folder.file("private.rtf");
    const fs::path link = folder.file("link.rtf");
    write(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("private.rtf", link);
    Message reason;
    ASSERT_TRUE(save_whole_file(link, "new", reason)) << reason;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(target), "new");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(WholeFileSave, AnUncommittedSaveLeavesTheFileAsItWas) {
    const test::TempFolder folder;
    const fs::path report = folder.file("plan.rtf");
    write(report, "old");
    {
        WholeFileSave save;
        Message reason;
        ASSERT_TRUE(save.open(report, reason));
        ASSERT_TRUE(save.write("half", reason));
    }
    EXPECT_EQ(contents(report), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(report.parent_path()), {}), 1);
}

TEST(ReportFile, RefusesWhatIsNoRegularFileBeforeReadingIt) {
    const test::TempFolder folder;
    for (const std::string& path :
         {std::string("/dev/zero"), folder.file(""), folder.file("missing.rtf"), std::string()}) {
        const ReportFile file = read_report_file(path);
        EXPECT_FALSE(file.read) << path;
        EXPECT_FALSE(file.reason.empty()) << path;
    }
    write(folder.file("plan.rtf"), "Capable Load (lbs)      12000\r\n");
    const ReportFile file = read_report_file(folder.file("plan.rtf"));
    ASSERT_TRUE(file.read);
    EXPECT_TRUE(file.report.is_report);
    EXPECT_EQ(file.report.allowable, "12000");
}

} // namespace
} // namespace tensora
