#pragma once

#include "core/failure.h"

#include <QString>

namespace zilvaro {

// The names of the ten segments of the two reference tables: "Text1bh1" .. "Text1bh5"
// (pinyin) and "Text1bh1w" .. "Text1bh5w" (stroke). Each segment's committed text is
// assets/tables/<name>.txt, and the program carries it under the same name. Kept in this
// header alone so that embed_tables, which builds the data library's tables, can name
// them without linking that library.

constexpr int TableSegmentCount = 5;

// n = 1..5. A number out of range raises Failure.
inline void checkTableSegmentNumber(int n) {
    if (n < 1 || n > TableSegmentCount) {
        throw Failure(QStringLiteral("table segment %1 does not exist").arg(n));
    }
}

inline QString pinyinSegmentName(int n) {
    checkTableSegmentNumber(n);
    return QStringLiteral("Text1bh%1").arg(n);
}

inline QString strokeSegmentName(int n) {
    checkTableSegmentNumber(n);
    return pinyinSegmentName(n) + u'w';
}

// The file a segment's text is committed in, inside assets/tables: "Text1bh1.txt".
inline QString tableSegmentFileName(const QString& segmentName) {
    return segmentName + QStringLiteral(".txt");
}

} // namespace zilvaro
