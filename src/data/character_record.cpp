#include "data/character_record.h"

#include "core/blank_text.h"
#include "core/gbk.h"

#include <QtGlobal>

namespace zilvaro {

namespace {
QString field(QByteArrayView bytes, int offset, int width) {
    QString text = fromGbk(bytes.sliced(offset, width));
    if (text.size() < width) {
        text.append(QString(width - text.size(), u' '));
    }
    return text;
}

// Writes one field over the blanks of `record`; false when it does not fit.
bool put(QByteArray& record, int offset, int width, const QString& text, QString* error) {
    const std::optional<QByteArray> bytes = toGbk(trimTrailingBlanks(text));
    if (!bytes || bytes->size() > width) {
        if (error) {
            *error = QStringLiteral("\"%1\" does not fit in %2 GBK bytes").arg(text).arg(width);
        }
        return false;
    }
    record.replace(offset, bytes->size(), *bytes);
    return true;
}
} // namespace

CharacterRecord CharacterRecord::decode(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == Size);
    CharacterRecord record;
    record.Character = field(bytes, CharacterOffset, CharacterWidth);
    record.FullCode = field(bytes, FullCodeOffset, CodeWidth);
    record.ShortCode = field(bytes, ShortCodeOffset, CodeWidth);
    record.RootCode = field(bytes, RootCodeOffset, CodeWidth);
    record.FillPoints1 = field(bytes, fillPointsOffset(0), FillPointsWidth);
    record.FillPoints2 = field(bytes, fillPointsOffset(1), FillPointsWidth);
    record.FillPoints3 = field(bytes, fillPointsOffset(2), FillPointsWidth);
    record.FillPoints4 = field(bytes, fillPointsOffset(3), FillPointsWidth);
    return record;
}

std::optional<QByteArray> CharacterRecord::encode(QString* error) const {
    QByteArray record(Size, ' ');
    const bool fits = put(record, CharacterOffset, CharacterWidth, Character, error) &&
                      put(record, FullCodeOffset, CodeWidth, FullCode, error) &&
                      put(record, ShortCodeOffset, CodeWidth, ShortCode, error) &&
                      put(record, RootCodeOffset, CodeWidth, RootCode, error) &&
                      put(record, fillPointsOffset(0), FillPointsWidth, FillPoints1, error) &&
                      put(record, fillPointsOffset(1), FillPointsWidth, FillPoints2, error) &&
                      put(record, fillPointsOffset(2), FillPointsWidth, FillPoints3, error) &&
                      put(record, fillPointsOffset(3), FillPointsWidth, FillPoints4, error);
    if (!fits) {
        return std::nullopt;
    }
    return record;
}

} // namespace zilvaro
