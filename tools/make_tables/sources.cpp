#include "sources.h"

#include "common/input_file.h"
#include "core/gbk.h"

#include <QRegularExpression>

#include <bzlib.h>

namespace make_tables {

namespace {

QByteArray readBzip2File(const QString& path) {
    QByteArray compressed = zilvaro::tools::readInputFile(path);
    QByteArray text;
    bz_stream stream{};
    stream.next_in = compressed.data();
    stream.avail_in = static_cast<unsigned>(compressed.size());
    // A bzip2 file may hold several streams one after the other; read them all.
    while (stream.avail_in > 0) {
        if (BZ2_bzDecompressInit(&stream, 0, 0) != BZ_OK) {
            throw DataError(QStringLiteral("%1: cannot start bzip2 decompression").arg(path));
        }
        int status = BZ_OK;
        while (status == BZ_OK) {
            char buffer[1 << 16];
            stream.next_out = buffer;
            stream.avail_out = sizeof buffer;
            status = BZ2_bzDecompress(&stream);
            text.append(buffer, static_cast<qsizetype>(sizeof buffer - stream.avail_out));
            if (status == BZ_OK && stream.avail_in == 0 && stream.avail_out != 0) {
                status = BZ_UNEXPECTED_EOF;
            }
        }
        BZ2_bzDecompressEnd(&stream);
        if (status != BZ_STREAM_END) {
            throw DataError(QStringLiteral("%1: corrupt or truncated bzip2 data").arg(path));
        }
    }
    return text;
}

QString where(const QString& path, qsizetype line) {
    return QStringLiteral("%1: line %2").arg(path).arg(line);
}

// A reading as written, composed, once it is known to be one.
QString checkedReading(const QString& reading, const QString& at) {
    plainReading(reading, at);
    return reading.normalized(QString::NormalizationForm_C);
}

// The readings after the colon of each space-separated entry: "212.080:le 223.010:liǎo"
// or "10048.060:liǎo,le,liào".
QStringList readingsAfterColons(const QString& value, const QString& at) {
    QStringList readings;
    for (const QString& entry : value.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype colon = entry.lastIndexOf(u':');
        if (colon < 0 || colon + 1 == entry.size()) {
            throw DataError(
                QStringLiteral("%1: reading entry without a reading: %2").arg(at, entry));
        }
        for (const QString& reading : entry.mid(colon + 1).split(u',')) {
            readings.append(checkedReading(reading, at));
        }
    }
    return readings;
}

} // namespace

QString plainReading(const QString& reading, const QString& at) {
    QString plain;
    for (const QChar c : reading.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) {
            plain.append(c.toLower());
        }
    }
    static const QRegularExpression letters(QStringLiteral("^[a-z]+$"));
    if (!letters.match(plain).hasMatch()) {
        throw DataError(QStringLiteral("%1: malformed pinyin reading \"%2\"").arg(at, reading));
    }
    return plain;
}

QHash<QString, UnihanEntry> readUnihan(const QString& path, const QHash<QString, int>& wanted) {
    const QString text = zilvaro::tools::decodeStrictUtf8(readBzip2File(path), path);
    QHash<QString, UnihanEntry> entries;
    static const QRegularExpression codePoint(QStringLiteral("^U\\+([0-9A-F]{4,6})$"));
    static const QRegularExpression pinluEntry(QStringLiteral("^([^()]+)\\(([0-9]+)\\)$"));
    qsizetype lineNumber = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (line.isEmpty() || line.startsWith(u'#')) {
            continue;
        }
        const QList<QStringView> fields = line.split(u'\t');
        const QString at = where(path, lineNumber);
        if (fields.size() != 3) {
            throw DataError(QStringLiteral("%1: expected three tab-separated fields").arg(at));
        }
        const QRegularExpressionMatch cp = codePoint.match(fields[0]);
        bool ok = false;
        const char32_t value = cp.hasMatch() ? cp.captured(1).toUInt(&ok, 16) : 0;
        if (!ok || value > 0x10FFFF) {
            throw DataError(
                QStringLiteral("%1: malformed code point \"%2\"").arg(at, fields[0].toString()));
        }
        const QString character = QString::fromUcs4(&value, 1);
        if (!wanted.contains(character)) {
            continue;
        }
        UnihanEntry& entry = entries[character];
        const QString field = fields[1].toString();
        const QString data = fields[2].toString();
        if (field == u"kMandarin") {
            for (const QString& reading : data.split(u' ', Qt::SkipEmptyParts)) {
                entry.mandarin.append(checkedReading(reading, at));
            }
        } else if (field == u"kTGHZ2013") {
            entry.tghz2013 = readingsAfterColons(data, at);
        } else if (field == u"kXHC1983") {
            entry.xhc1983 = readingsAfterColons(data, at);
        } else if (field == u"kHanyuPinlu") {
            for (const QString& item : data.split(u' ', Qt::SkipEmptyParts)) {
                const QRegularExpressionMatch m = pinluEntry.match(item);
                if (!m.hasMatch()) {
                    throw DataError(
                        QStringLiteral("%1: malformed kHanyuPinlu entry \"%2\"").arg(at, item));
                }
                entry.pinlu.append({checkedReading(m.captured(1), at), m.captured(2).toInt()});
            }
        }
    }
    return entries;
}

} // namespace make_tables
