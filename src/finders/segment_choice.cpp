#include "finders/segment_choice.h"

#include <QLatin1String>

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
    const char* const groups[] = {"abcde", "fghijk", "lmnopq", "rstuvwx", "yz"};
    for (int segment = 0; segment < 5; ++segment) {
        if (QLatin1String(groups[segment]).contains(query.front())) {
            return segment + 1;
        }
    }
    return 0;
}

} // namespace zilvaro
