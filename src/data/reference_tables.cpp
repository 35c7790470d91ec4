#include "data/reference_tables.h"

#include "core/failure.h"
#include "data/table_texts.h"

#include <array>

namespace zilvaro {

namespace {

void checkSegmentNumber(int n) {
    if (n < 1 || n > TableSegmentCount) {
        throw Failure(QStringLiteral("table segment %1 does not exist").arg(n));
    }
}

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

QString pinyinSegmentName(int n) {
    checkSegmentNumber(n);
    return QStringLiteral("Text1bh%1").arg(n);
}

QString strokeSegmentName(int n) {
    checkSegmentNumber(n);
    return QStringLiteral("Text1bh%1w").arg(n);
}

const QString& pinyinSegment(int n) {
    checkSegmentNumber(n);
    static const Segments segments = segmentsOf(PinyinTableTexts);
    return segments[n - 1];
}

const QString& strokeSegment(int n) {
    checkSegmentNumber(n);
    static const Segments segments = segmentsOf(StrokeTableTexts);
    return segments[n - 1];
}

} // namespace zilvaro
