// The splash screen stays until the clock's seconds have changed three times: between two
// and three seconds, whatever the moment it starts.
#pragma once

namespace tensora {

class SecondChangeCounter {
public:
    SecondChangeCounter(int first_seconds, int changes = 3);

    // Feeds one reading of the clock's seconds; true once enough changes have been seen.
    bool observe(int seconds);

    bool finished() const { return remaining_ <= 0; }

private:
    int remembered_;
    int remaining_;
};

} // namespace tensora
