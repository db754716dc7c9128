#include "app/splash_wait.h"

#include <gtest/gtest.h>

namespace tensora {
namespace {

TEST(SecondChangeCounter, FinishesAtTheThirdChangeOfTheSeconds) {
    SecondChangeCounter counter(58);
    for (int seconds : {58, 58, 59, 59}) {
        EXPECT_FALSE(counter.observe(seconds));
    }
    EXPECT_FALSE(counter.observe(0));
    EXPECT_FALSE(counter.observe(0));
    EXPECT_TRUE(counter.observe(1));
    EXPECT_TRUE(counter.observe(1));
}

} // namespace
} // namespace tensora
