#include "ui/field_limits.h"

#include "data/syllables.h"

#include <algorithm>

namespace zilvaro {

int syllableFieldLength() {
    static const int longest = [] {
        qsizetype length = 0;
        for (const QString& syllable : pinyinSyllables()) {
            length = std::max(length, syllable.size());
        }
        return static_cast<int>(length);
    }();
    return longest;
}

} // namespace zilvaro
