#include "core/code_points.h"

namespace zilvaro {

namespace {
bool startsPair(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}
} // namespace

int characterIndexOf(QStringView text, int unitPosition) {
    int characters = 0;
    qsizetype i = 0;
    while (i < text.size() && i < unitPosition) {
        i += startsPair(text, i) ? 2 : 1;
        ++characters;
    }
    return characters;
}

int unitPositionOf(QStringView text, int characterIndex) {
    qsizetype i = 0;
    for (int c = 0; c < characterIndex && i < text.size(); ++c) {
        i += startsPair(text, i) ? 2 : 1;
    }
    return static_cast<int>(i);
}

} // namespace zilvaro
