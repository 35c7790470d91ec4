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

QString identificationMeaning(QChar letter) {
    const std::optional<int> index = identificationPictureIndex(letter);
    if (!index) {
        return {};
    }
    const QString code = QStringLiteral("识别码 ") + letter.toUpper() + u'：';
    if (*index == 15) {
        return code + QStringLiteral("硬性规定，单笔画的末两码");
    }
    static const char16_t* const structures[] = {u"左右型", u"上下型", u"杂合型"};
    static const char16_t* const lastStrokes[] = {u"横", u"竖", u"撇", u"捺", u"折"};
    return code + QString::fromUtf16(structures[*index % 3]) + QStringLiteral("，末笔为") +
           QString::fromUtf16(lastStrokes[*index / 3]);
}

} // namespace zilvaro
