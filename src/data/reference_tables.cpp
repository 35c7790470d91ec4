#include "data/reference_tables.h"

#include "core/failure.h"
#include "core/gbk.h"

#include <QFile>

#include <array>

namespace zilvaro {

namespace {

void checkSegmentNumber(int n) {
    if (n < 1 || n > TableSegmentCount) {
        throw Failure(QStringLiteral("table segment %1 does not exist").arg(n));
    }
}

// The segment texts are compiled into the program as resources under /tables.
QString loadSegment(const QString& name) {
    QFile file(QStringLiteral(":/tables/%1.txt").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        throw Failure(QStringLiteral("table segment %1 is missing from the program").arg(name));
    }
    const QString text = fromGbk(file.readAll());
    if (text.isEmpty() || text.contains(QChar::ReplacementCharacter)) {
        throw Failure(QStringLiteral("table segment %1 is not valid GBK text").arg(name));
    }
    return text;
}

using Segments = std::array<QString, TableSegmentCount>;

Segments loadSegments(QString (*name)(int)) {
    Segments segments;
    for (int n = 1; n <= TableSegmentCount; ++n) {
        segments[n - 1] = loadSegment(name(n));
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
    static const Segments segments = loadSegments(&pinyinSegmentName);
    return segments[n - 1];
}

const QString& strokeSegment(int n) {
    checkSegmentNumber(n);
    static const Segments segments = loadSegments(&strokeSegmentName);
    return segments[n - 1];
}

} // namespace zilvaro
