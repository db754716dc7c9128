#include "app/splash_wait.h"

namespace tensora {

SecondChangeCounter::SecondChangeCounter(int first_seconds, int changes)
    : remembered_(first_seconds), remaining_(changes) {}

bool SecondChangeCounter::observe(int seconds) {
    if (remaining_ > 0 && seconds != remembered_) {
        --remaining_;
        remembered_ = seconds;
    }
    return finished();
}

} // namespace tensora
