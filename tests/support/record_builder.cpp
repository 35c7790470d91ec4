#include "record_builder.h"

#include "core/gbk.h"

#include <QFile>

#include <stdexcept>

namespace zilvaro::test {

namespace {
QByteArray padded(const QString& text, int width) {
    QByteArray bytes = toGbk(text).value();
    if (bytes.size() > width) {
        throw std::invalid_argument("field too long");
    }
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}
} // namespace

QByteArray encodeRecord(const RecordFields& f) {
    QByteArray bytes = padded(f.character, 2) + padded(f.fullCode, 4) + padded(f.shortCode, 4) +
                       padded(f.rootCode, 4) + padded(f.fillPoints1, 72) +
                       padded(f.fillPoints2, 72) + padded(f.fillPoints3, 72) +
                       padded(f.fillPoints4, 72);
    return bytes;
}

std::vector<RecordFields> recordsFor(const QStringList& characters) {
    std::vector<RecordFields> records;
    for (int i = 0; i < characters.size(); ++i) {
        const QString code = QString(4, QChar(u'a' + i % 26));
        records.push_back({characters[i], code, code.left(2), code, {}, {}, {}, {}});
    }
    return records;
}

QStringList gb2312Characters(int n) {
    QStringList result;
    for (int lead = 0xB0; lead <= 0xF7 && result.size() < n; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE && result.size() < n; ++trail) {
            if (lead == 0xD7 && trail > 0xF9) {
                break; // the unused end of row 55
            }
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            result.append(fromGbk(QByteArrayView(bytes, 2)));
        }
    }
    return result;
}

ProgramFolder::ProgramFolder() {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot create a temporary folder");
    }
}

void ProgramFolder::writeRecords(const std::vector<RecordFields>& records, const QByteArray& tail) {
    QByteArray bytes;
    for (const RecordFields& r : records) {
        bytes += encodeRecord(r);
    }
    writeBytes(bytes + tail);
}

void ProgramFolder::writeBytes(const QByteArray& bytes) {
    QFile file(recordFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write the record file");
    }
}

} // namespace zilvaro::test
