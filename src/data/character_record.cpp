#include "data/character_record.h"

#include "core/blank_text.h"
#include "core/gbk.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdint>

namespace zilvaro {

namespace {
QString field(QByteArrayView bytes, int offset, int width) {
    const QByteArrayView raw = bytes.sliced(offset, width);
    // ASCII is the same in GBK: the codes and seed lists need no converter.
    const bool ascii = std::all_of(raw.begin(), raw.end(),
                                   [](char c) { return static_cast<signed char>(c) >= 0; });
    QString text = ascii ? QString::fromLatin1(raw) : fromGbk(raw);
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
bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool allBlank(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == ' '; });
}

// Lower-case letters, then blanks to the end of the field.
bool isCode(QByteArrayView code) {
    qsizetype letters = 0;
    while (letters < code.size() && isLetter(code[letters])) {
        ++letters;
    }
    return allBlank(code.sliced(letters));
}

// One number of a seed: digits together, with blanks before or after them.
bool isSeedNumber(QByteArrayView piece) {
    qsizetype at = 0;
    while (at < piece.size() && piece[at] == ' ') {
        ++at;
    }
    const qsizetype digitsFrom = at;
    while (at < piece.size() && isDigit(piece[at])) {
        ++at;
    }
    return at > digitsFrom && allBlank(piece.sliced(at));
}

// Whole seeds from the first column, then blanks.
bool isSeedList(QByteArrayView list) {
    constexpr int Number = 4;
    qsizetype at = 0;
    while (at < list.size() && !allBlank(list.sliced(at, 2 * Number))) {
        if (!isSeedNumber(list.sliced(at, Number)) ||
            !isSeedNumber(list.sliced(at + Number, Number))) {
            return false;
        }
        at += 2 * Number;
    }
    return allBlank(list.sliced(at));
}

// The mark "0" of a slot that shows an identification code.
bool isMark(QByteArrayView list) {
    return list[0] == '0' && allBlank(list.sliced(1));
}

// One character of GB2312's double-byte rows (lead A1-F7, trail A1-FE) that GBK knows.
bool isGb2312Character(QByteArrayView bytes) {
    const auto lead = static_cast<std::uint8_t>(bytes[0]);
    const auto trail = static_cast<std::uint8_t>(bytes[1]);
    if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE) {
        return false;
    }
    const QString text = fromGbk(bytes);
    const char16_t c = text.size() == 1 ? text[0].unicode() : u'\uFFFD';
    return c != u'\uFFFD' && (c < 0xE000 || c > 0xF8FF); // not a private-use stand-in
}

} // namespace

QString CharacterRecord::fault(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() == Size);
    if (!isGb2312Character(bytes.sliced(CharacterOffset, CharacterWidth))) {
        return QStringLiteral("has a character field that is not one GB2312 character");
    }
    static const char* const codeNames[] = {"full code", "short code", "root code"};
    for (int k = 0; k < 3; ++k) {
        if (!isCode(bytes.sliced(FullCodeOffset + k * CodeWidth, CodeWidth))) {
            return QStringLiteral("has a %1 field that is not lower-case letters and blanks")
                .arg(QLatin1StringView(codeNames[k]));
        }
    }
    static const char* const listNames[] = {"first", "second", "third", "fourth"};
    for (int k = 0; k < FillPointsCount; ++k) {
        const QByteArrayView list = bytes.sliced(fillPointsOffset(k), FillPointsWidth);
        if (!isSeedList(list) && !(k >= 2 && isMark(list))) {
            return QStringLiteral("has a %1 seed list that is not seeds of four-column numbers "
                                  "and blanks")
                .arg(QLatin1StringView(listNames[k]));
        }
    }
    return {};
}

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
