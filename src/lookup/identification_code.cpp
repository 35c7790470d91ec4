#include "lookup/identification_code.h"

#include <QStringView>

namespace zilvaro {

std::optional<int> identificationPictureIndex(QChar letter) {
    // Horizontal, vertical, left-falling, dot and turning last strokes, each for the
    // left-right, top-bottom and mixed structures; l last.
    static constexpr QStringView Letters = u"gfdhjktreyuinbvl";
    const qsizetype index = Letters.indexOf(letter);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<int>(index);
}

} // namespace zilvaro
