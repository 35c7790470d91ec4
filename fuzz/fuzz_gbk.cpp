// GBK text, character keys and the two ways of counting positions, over arbitrary bytes.
#include "core/code_points.h"
#include "core/gbk.h"
#include "fuzz_check.h"

#include <cstdint>

using namespace zilvaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    // Decoding never fails; what it decodes encodes back to text that decodes the same.
    const QString text = fromGbk(bytes);
    if (const std::optional<QByteArray> back = toGbk(text)) {
        FUZZ_CHECK(fromGbk(*back) == text);
    }
    const int key = characterKey(text);
    FUZZ_CHECK(key == NoKey || (key >= -32768 && key <= 32767));
    FUZZ_CHECK(isDoubleByte(text) == (key != NoKey && key < 0));

    // Characters are whole code points: they add up to the text, and positions convert
    // both ways.
    const QString utf = QString::fromUtf8(bytes);
    for (const QString& t : {text, utf}) {
        const QStringList all = characters(t);
        FUZZ_CHECK(all.join(QString()) == t);
        FUZZ_CHECK(all.size() == characterCount(t));
        FUZZ_CHECK(firstCharacter(t) == (all.isEmpty() ? QString() : all.first()));
        // Every position near both ends (each conversion counts from the start).
        for (int i = 0; i <= all.size();
             i = (i == 32 && all.size() > 64) ? static_cast<int>(all.size()) - 32 : i + 1) {
            const int unit = unitPositionOf(t, i);
            FUZZ_CHECK(unit >= 0 && unit <= t.size());
            FUZZ_CHECK(characterIndexOf(t, unit) == i);
        }
        FUZZ_CHECK(characterIndexOf(t, -5) == 0);
        FUZZ_CHECK(characterIndexOf(t, static_cast<int>(t.size()) + 5) == all.size());
    }
    return 0;
}
