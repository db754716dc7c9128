#include "app/printed_report.h"

namespace tensora {

std::vector<bool> links_over_limit(const PullResults& results, double allowable) {
    std::vector<bool> over(results.forward_tension.size(), false);
    if (!(allowable > 0)) {
        return over;
    }
    for (std::size_t i = 0; i < over.size(); ++i) {
        over[i] = results.forward_tension[i] > allowable ||
                  (i < results.reverse_tension.size() && results.reverse_tension[i] > allowable);
    }
    return over;
}

} // namespace tensora
