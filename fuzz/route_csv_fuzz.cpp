// Fuzzes the points reader both ways. Inputs whose first byte is even are read as a file of
// any content, and every path imported. Odd ones describe points (finite coordinates, some
// with a radius): written as a file and read back, they must come back exactly.
#include "fuzz/route_fuzz.h"
#include "routes/route_csv.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>

namespace {

using namespace tensora;

double finite(FuzzedDataProvider& data) {
    const double value = data.ConsumeFloatingPoint<double>();
    return std::isfinite(value) ? value : 0.0;
}

void round_trip(FuzzedDataProvider& data) {
    RoutePolyline path;
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(1, 40);
    for (std::size_t i = 0; i < count && data.remaining_bytes() > 0; ++i) {
        RouteVertex vertex;
        vertex.at = {finite(data), finite(data), finite(data)};
        if (data.ConsumeBool()) {
            vertex.radius = std::fabs(finite(data)) + 1e-300;
        }
        path.vertices.push_back(vertex);
    }
    if (path.vertices.empty()) {
        return; // a file of no points is refused, as it should be
    }
    const RouteFile back = read_route_csv(route_csv_text(path));
    if (back.paths.size() != 1 || back.paths[0].vertices.size() != path.vertices.size()) {
        std::cerr << "points lost: " << back.error << '\n';
        std::abort();
    }
    for (std::size_t i = 0; i < path.vertices.size(); ++i) {
        const RouteVertex& a = path.vertices[i];
        const RouteVertex& b = back.paths[0].vertices[i];
        if (a.at.x != b.at.x || a.at.y != b.at.y || a.at.z != b.at.z || a.radius != b.radius) {
            std::cerr << "point " << i << " came back changed\n";
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    if (bytes[0] % 2 == 0) {
        tensora::fuzz::import_every_path(
            read_route_csv(std::string_view(reinterpret_cast<const char*>(bytes) + 1, size - 1)));
        return 0;
    }
    FuzzedDataProvider data(bytes + 1, size - 1);
    round_trip(data);
    return 0;
}
