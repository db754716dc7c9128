#include "app/window_geometry.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

const std::vector<PixelRect> kOneScreen{{0, 0, 1920, 1080}};
const StoredGeometry kDefaults{"1000", "1000", "6500", "6500"};

bool same(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

TEST(RestoredMainGeometry, ConvertsTwipsWithTheScreenResolution) {
    EXPECT_TRUE(same(restored_main_geometry(kDefaults, 96, kOneScreen), {67, 67, 433, 433}));
    EXPECT_TRUE(same(restored_main_geometry(kDefaults, 192, kOneScreen), {133, 133, 867, 867}));
    EXPECT_TRUE(same(restored_main_geometry({"1500", "3000", "9000.5", "4500"}, 96, kOneScreen),
                     {100, 200, 600, 300}));
}

TEST(RestoredMainGeometry, FallsBackForTextsThatAreNotNumbers) {
    EXPECT_TRUE(same(restored_main_geometry({"abc", "", "wide", "1e999"}, 96, kOneScreen),
                     {67, 67, 433, 433}));
    EXPECT_TRUE(same(restored_main_geometry({"1,500", "300x", "6500", "6500"}, 96, kOneScreen),
                     {67, 67, 433, 433}));
}

TEST(RestoredMainGeometry, FallsBackForSizesThatAreNotPositive) {
    EXPECT_TRUE(same(restored_main_geometry({"1500", "1500", "0", "-300"}, 96, kOneScreen),
                     {100, 100, 433, 433}));
}

TEST(RestoredMainGeometry, BringsBackAWindowLeftOnARemovedMonitor) {
    // Stored while a second monitor stood right of the first.
    const StoredGeometry stored{"33000", "1500", "6500", "6500"};
    EXPECT_TRUE(same(restored_main_geometry(stored, 96, kOneScreen), {67, 67, 433, 433}));
    const std::vector<PixelRect> two_screens{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
    EXPECT_TRUE(same(restored_main_geometry(stored, 96, two_screens), {2200, 100, 433, 433}));
}

TEST(RestoredMainGeometry, KeepsAWindowWhoseTitleBarCanBeReached) {
    const StoredGeometry stored{"-3000", "1500", "6500", "6500"}; // 233 pixels on the screen
    EXPECT_TRUE(same(restored_main_geometry(stored, 96, kOneScreen), {-200, 100, 433, 433}));
}

TEST(RestoredMainGeometry, NeverHidesTheTitleBarOrOutgrowsTheScreen) {
    EXPECT_TRUE(same(restored_main_geometry({"1500", "-7000", "6500", "6500"}, 96, kOneScreen),
                     {67, 67, 433, 433}));
    EXPECT_TRUE(same(restored_main_geometry({"-5100", "1500", "6500", "6500"}, 96, kOneScreen),
                     {67, 67, 433, 433})); // 93 pixels on the screen
    EXPECT_TRUE(same(restored_main_geometry({"1500", "1500", "6500", "1e9"}, 96, kOneScreen),
                     {100, 100, 433, 433}));
}

TEST(StoredMainGeometry, WritesWholeTwipsThatReadBackToTheSameWindow) {
    const PixelRect rect{67, 67, 433, 433};
    const StoredGeometry stored = stored_main_geometry(rect, 96);
    EXPECT_EQ(stored.left, "1005");
    EXPECT_EQ(stored.width, "6495");
    EXPECT_TRUE(same(restored_main_geometry(stored, 96, kOneScreen), rect));
}

} // namespace
} // namespace tensora
