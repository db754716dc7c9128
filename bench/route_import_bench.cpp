// Importing a long route: a drawing of one polyline of 10,000 vertices (straights with a bend
// at every vertex, every fourth segment an arc) read and turned into links (target: under a
// second).
#include "routes/route_dxf.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

// Straights of 100 ft turning 0.2 radians left and right by turns; every fourth corner is
// drawn as an arc of 10 ft radius (its two tangent points, the bulge between them), the others
// are plain corners that take the default radius.
std::string long_drawing(int vertices) {
    std::string dxf = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n2\n0\nENDSEC\n"
                      "0\nSECTION\n2\nENTITIES\n0\nLWPOLYLINE\n8\nDUCT\n";
    const auto vertex = [&dxf](double x, double y, double bulge) {
        dxf += "10\n" + std::to_string(x) + "\n20\n" + std::to_string(y) + "\n";
        if (bulge != 0) {
            dxf += "42\n" + std::to_string(bulge) + "\n";
        }
    };
    double x = 0;
    double y = 0;
    double heading = 0;
    vertex(x, y, 0);
    for (int i = 1; i < vertices; ++i) {
        x += 100 * std::cos(heading);
        y += 100 * std::sin(heading);
        const double turn = i % 2 ? 0.2 : -0.2;
        if (i % 4 == 0) {
            const double tangent = 10 * std::tan(std::fabs(turn) / 2);
            vertex(x - tangent * std::cos(heading), y - tangent * std::sin(heading),
                   std::tan(turn / 4));
            heading += turn;
            vertex(x + tangent * std::cos(heading), y + tangent * std::sin(heading), 0);
        } else {
            vertex(x, y, 0);
            heading += turn;
        }
    }
    return dxf + "0\nENDSEC\n0\nEOF\n";
}

void BM_ImportDrawing(benchmark::State& state) {
    const std::string dxf = long_drawing(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const tensora::RouteFile file = tensora::read_route_dxf(dxf);
        const tensora::ImportedRoute route =
            tensora::import_route(file.paths.front(), 3, tensora::UnitSystem::InchPound);
        if (!route.error.empty()) {
            state.SkipWithError(tensora::english_text(route.error).c_str());
        }
        benchmark::DoNotOptimize(route.links.data());
    }
}
BENCHMARK(BM_ImportDrawing)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
