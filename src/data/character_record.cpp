#include "data/character_record.h"

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
} // namespace

CharacterRecord CharacterRecord::decode(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == Size);
    CharacterRecord record;
    record.Character = field(bytes, 0, CharacterWidth);
    record.FullCode = field(bytes, 2, CodeWidth);
    record.ShortCode = field(bytes, 6, CodeWidth);
    record.RootCode = field(bytes, 10, CodeWidth);
    record.FillPoints1 = field(bytes, 14, FillPointsWidth);
    record.FillPoints2 = field(bytes, 86, FillPointsWidth);
    record.FillPoints3 = field(bytes, 158, FillPointsWidth);
    record.FillPoints4 = field(bytes, 230, FillPointsWidth);
    return record;
}

} // namespace zilvaro
