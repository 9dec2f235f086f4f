// libFuzzer target: the grid file reader must take any bytes without crashing, reading out
// of bounds or storing a cell outside its table.
#include "data/gridfile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvella::Table table(3, 2);
    try {
        orvella::parseGrid(table, std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.grd");
    } catch (const orvella::GridFileError&) {
        return 0;
    }
    // What was read must save and read back to the same bytes.
    const std::string once = orvella::formatGrid(table);
    orvella::Table back;
    orvella::parseGrid(back, once, "fuzz.grd");
    if (orvella::formatGrid(back) != once)
        __builtin_trap();
    return 0;
}
