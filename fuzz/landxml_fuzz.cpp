// Fuzzes the LandXML reader: a document of any content is read to its end, without a crash,
// and every alignment it offers is imported.
#include "fuzz/route_fuzz.h"
#include "routes/route_landxml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    tensora::fuzz::import_every_path(
        tensora::read_route_landxml(std::string_view(reinterpret_cast<const char*>(bytes), size)));
    return 0;
}
