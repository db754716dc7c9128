// What every route reader's fuzzer asks of a path it read: importing it ends, and gives links
// or a reason, never both, with every link's texts numbers the planner reads.
#pragma once

#include "routes/route_import.h"

#include <cstdlib>
#include <iostream>

namespace tensora::fuzz {

inline void import_every_path(const RouteFile& file) {
    if (!file.error.empty() && !file.paths.empty()) {
        std::cerr << "paths beside an error: " << english_text(file.error) << '\n';
        std::abort();
    }
    for (const RoutePolyline& path : file.paths) {
        for (const double radius : {3.0, 1e-3, 1e6}) {
            const ImportedRoute route = import_route(path, radius, UnitSystem::InchPound);
            if (route.error.empty() == route.links.empty() && !path.vertices.empty() &&
                route.error.empty()) {
                std::cerr << "no links and no reason\n";
                std::abort();
            }
            for (const PullLinkTexts& link : route.links) {
                if (!isNumberText(link.length, {".", ","}) ||
                    !isNumberText(link.angle.empty() ? "0" : link.angle, {".", ","})) {
                    std::cerr << "not a number: " << link.length << ' ' << link.angle << '\n';
                    std::abort();
                }
            }
        }
    }
}

} // namespace tensora::fuzz
