// libFuzzer target: the grid file reader must take any bytes without crashing, reading out
// of bounds or storing a cell outside its table.
#include "data/gridfile.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Tables the size line promises beyond a million cells are real but take seconds and
// gigabytes to allocate; the fuzzer would spend its time there instead of in the reader.
bool promisesHugeTable(std::string_view bytes) {
    const std::size_t comma = bytes.find(',');
    if (comma == std::string_view::npos)
        return false;
    long long cols = 0, rows = 0;
    std::size_t i = 0;
    for (; i < comma && i < 8; ++i)
        if (bytes[i] >= '0' && bytes[i] <= '9')
            cols = cols * 10 + (bytes[i] - '0');
    for (i = comma + 1; i < bytes.size() && i < comma + 12 && bytes[i] >= '0' && bytes[i] <= '9'; ++i)
        rows = rows * 10 + (bytes[i] - '0');
    return cols * rows > 1'000'000;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (promisesHugeTable(bytes))
        return 0;
    orvella::Table table(3, 2);
    try {
        orvella::parseGrid(table, bytes, "fuzz.grd");
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
