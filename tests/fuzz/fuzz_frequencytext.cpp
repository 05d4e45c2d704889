// Any bytes as a list item's text either give a frequency or are a type
// mismatch; nothing else may happen.
#include "FrequencyText.h"
#include "FigureError.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        const double value = figure::frequencyFromText(text);
        // Only a plain decimal integer has a value, and that value is finite.
        if (!std::isfinite(value) || value < 0 || text.empty()
            || text.find_first_not_of("0123456789") != std::string_view::npos)
            std::abort();
    } catch (const figure::FigureError &error) {
        if (error.kind() != figure::FigureError::Kind::TypeMismatch)
            std::abort();
    }
    return 0;
}
