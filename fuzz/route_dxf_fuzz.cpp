// Fuzzes the DXF reader: a drawing of any content is read to its end, without a crash, and
// every path it offers is imported.
#include "fuzz/route_fuzz.h"
#include "routes/route_dxf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    tensora::fuzz::import_every_path(
        tensora::read_route_dxf(std::string_view(reinterpret_cast<const char*>(bytes), size)));
    return 0;
}
