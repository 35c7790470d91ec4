#include "gb2312.h"

#include "core/gbk.h"
#include "data_error.h"

namespace zilvaro::tools {

namespace {

QList<Gb2312Character> decodeAll() {
    QList<Gb2312Character> list;
    for (unsigned high = 0xB0; high <= 0xF7; ++high) {
        for (unsigned low = 0xA1; low <= 0xFE; ++low) {
            const unsigned code = high << 8 | low;
            if (code >= 0xD7FA && code <= 0xD7FE)
                continue; // the five unassigned codes at the end of level 1
            const char bytes[2] = {static_cast<char>(high), static_cast<char>(low)};
            const QString character = fromGbk(QByteArrayView(bytes, 2));
            if (character.size() != 1 || !character[0].isLetter())
                throw DataError(
                    QStringLiteral("GB2312 code %1 does not decode to one Chinese character")
                        .arg(code, 4, 16));
            list.append({character, code});
        }
    }
    return list;
}

} // namespace

const QList<Gb2312Character>& gb2312Characters() {
    static const QList<Gb2312Character> list = decodeAll();
    return list;
}

QStringList gb2312Texts(int level) {
    if (level < 0 || level > 2)
        throw DataError(QStringLiteral("GB2312 has levels 1 and 2, not %1").arg(level));
    QStringList list;
    for (const Gb2312Character& c : gb2312Characters())
        if (level == 0 || c.levelOne() == (level == 1))
            list.append(c.character);
    return list;
}

} // namespace zilvaro::tools
