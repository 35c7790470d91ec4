#include "finders/syllable_query.h"

namespace zilvaro {

std::optional<QString> paddedSyllable(const QString& trimmedText) {
    constexpr int Width = 6;
    if (trimmedText.size() > Width) {
        return std::nullopt;
    }
    return trimmedText + QString(Width - trimmedText.size(), u' ');
}

int pinyinSegmentOf(QChar initial) {
    const char* const groups[] = {"abcde", "fghijk", "lmnopq", "rstuvwx", "yz"};
    for (int segment = 0; segment < 5; ++segment) {
        if (QLatin1String(groups[segment]).contains(initial)) {
            return segment + 1;
        }
    }
    return 0;
}

} // namespace zilvaro
