#include "data/reference_tables.h"

#include "data/table_texts.h"

#include <array>

namespace zilvaro {

namespace {

using Segments = std::array<QString, TableSegmentCount>;

// The texts point at the program's own constant data; nothing is decoded or copied.
Segments segmentsOf(const TableText (&texts)[TableSegmentCount]) {
    Segments segments;
    for (int n = 0; n < TableSegmentCount; ++n) {
        segments[n] =
            QString::fromRawData(reinterpret_cast<const QChar*>(texts[n].text), texts[n].size);
    }
    return segments;
}

} // namespace

const QString& pinyinSegment(int n) {
    checkTableSegmentNumber(n);
    static const Segments segments = segmentsOf(PinyinTableTexts);
    return segments[n - 1];
}

const QString& strokeSegment(int n) {
    checkTableSegmentNumber(n);
    static const Segments segments = segmentsOf(StrokeTableTexts);
    return segments[n - 1];
}

QStringView pinyinSegmentLetters(int n) {
    checkTableSegmentNumber(n);
    static const char16_t* const letters[TableSegmentCount] = {u"abcde", u"fghijk", u"lmnopq",
                                                               u"rstuvwx", u"yz"};
    return QStringView(letters[n - 1]);
}

} // namespace zilvaro
