#include "query/word_code.h"

namespace zilvaro::query {

QString wordCode(const QStringList& codes) {
    switch (codes.size()) {
    case 0:
    case 1:
        return {};
    case 2:
        return codes[0].left(2) + codes[1].left(2);
    case 3:
        return codes[0].left(1) + codes[1].left(1) + codes[2].left(2);
    default:
        return codes[0].left(1) + codes[1].left(1) + codes[2].left(1) + codes.last().left(1);
    }
}

} // namespace zilvaro::query
