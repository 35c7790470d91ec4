#include "core/blank_text.h"

namespace zilvaro {

QStringView trimTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') {
        --end;
    }
    return text.first(end);
}

QStringView trimBlanks(QStringView text) {
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == u' ') {
        ++begin;
    }
    return trimTrailingBlanks(text.sliced(begin));
}

} // namespace zilvaro
