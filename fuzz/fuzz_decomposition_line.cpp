// The decomposition-line parser over arbitrary text: a line it accepts writes back to a
// line that reads the same.
#include "common/decomposition_line.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace zilvaro::tools;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const std::optional<DecompositionLine> line = DecompositionLine::parse(text, &error);
    if (!line) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    QString again;
    const std::optional<DecompositionLine> reread =
        DecompositionLine::parse(line->format(), &again);
    FUZZ_CHECK(reread.has_value());
    FUZZ_CHECK(*reread == *line);
    return 0;
}
