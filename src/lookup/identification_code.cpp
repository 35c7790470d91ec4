#include "lookup/identification_code.h"

namespace zilvaro {

std::optional<int> identificationPictureIndex(QChar letter) {
    const qsizetype index = IdentificationLetters.indexOf(letter);
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<int>(index);
}

bool isIdentificationLetter(QChar letter) {
    return identificationPictureIndex(letter).has_value();
}

QChar identificationLetter(int strokeClass, int structure) {
    if (strokeClass < 1 || strokeClass > 5 || structure < 1 || structure > 3) {
        return {};
    }
    return IdentificationLetters[(strokeClass - 1) * 3 + (structure - 1)];
}

} // namespace zilvaro
