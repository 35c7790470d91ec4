#include "finders/segment_choice.h"

#include "data/reference_tables.h"

namespace zilvaro {

int strokeSegmentOf(QStringView strokeCode) {
    if (strokeCode.isEmpty()) {
        return 0;
    }
    const char16_t first = strokeCode.front().unicode();
    return first >= u'1' && first <= u'5' ? first - u'0' : 0;
}

int pinyinSegmentOf(QStringView query) {
    if (query.isEmpty()) {
        return 0;
    }
    for (int segment = 1; segment <= TableSegmentCount; ++segment) {
        if (pinyinSegmentLetters(segment).contains(query.front())) {
            return segment;
        }
    }
    return 0;
}

} // namespace zilvaro
