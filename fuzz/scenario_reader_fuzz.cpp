// Reading a scenario file: any bytes at all, as a damaged or foreign file would hold. The reader
// must stop cleanly, never hand out more than 16 values or a non-finite one, and a file it
// writes itself must read back to what was written.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/number_text.h"
#include "core/scenario_format.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // Every item consumes at least one byte, so the items end.
    ItemReader items(bytes);
    size_t count = 0;
    while (items.next())
        FUZZ_CHECK(++count <= size);

    const ScenarioRead r = readScenario(bytes);
    FUZZ_CHECK(r.values.size() <= static_cast<size_t>(kScenarioFieldCount));
    if (r.complete)
        FUZZ_CHECK(r.mode && r.resultType);
    if (r.resultType)
        FUZZ_CHECK(r.mode);
    if (!r.values.empty())
        FUZZ_CHECK(r.resultType);
    if (r.mode)
        FUZZ_CHECK(fuzz::validUtf8(*r.mode));
    for (float v : r.values)
        FUZZ_CHECK(std::isfinite(v));

    // Save what was read and open it again: the mode comes back byte for byte (when it can be
    // quoted at all), and so do the result type and every value's text.
    if (r.complete && r.mode->find('"') == std::string::npos) {
        std::array<std::string, kScenarioFieldCount> texts;
        for (size_t i = 0; i < r.values.size(); ++i)
            texts[i] = singleText(r.values[i]);
        const std::string saved = scenarioText(*r.mode, *r.resultType, texts);
        const ScenarioRead again = readScenario(saved);
        FUZZ_CHECK(again.complete && again.mode && again.resultType);
        FUZZ_CHECK(*again.mode == *r.mode);
        FUZZ_CHECK(*again.resultType == *r.resultType);
        FUZZ_CHECK(again.values.size() == static_cast<size_t>(kScenarioFieldCount));
        for (size_t i = 0; i < r.values.size(); ++i) {
            // Seven significant digits: close, though not always the very same float.
            const float a = r.values[i], b = again.values[i];
            FUZZ_CHECK(std::fabs(a - b) <= std::fabs(a) * 5.7e-7f + 1.5e-45f);
        }
    }
    return 0;
}
